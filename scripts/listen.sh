#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zibbet developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Plays the game with the keyboard under the Orca screen reader (its default
# settings, in Italian) and prints what Orca says after each key, as a blind
# player would hear it. No speech server is needed: Orca's debug log holds
# every utterance.
#
#   bash scripts/listen.sh [BINARY] [KEY...]
#
#   BINARY  the game, build/ci/app/zibbet unless given
#   KEY     xdotool key names, played in order with a pause after each
#           (e.g. Return Down space ctrl+z F2); a word "#..." is printed as
#           a heading and not played. Without keys: a lost and a won game
#           of level 1, then F1 (the keys), the keys of the menu entries,
#           the menus looked through and left with Escape, and the pictures
#           of "Le varianti" in flat review (numeric keypad; Num Lock is on
#           under Xvfb, so the keypad keys are heard as digits first).
#
# Installs what it needs (Debian 12 or 13) through install-deps.sh: orca, openbox,
# xdotool, at-spi2-core, dbus, xvfb, xauth, locales. Private display (Xvfb -displayfd),
# private session bus, private locale: nothing of the user's desktop is used.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
if [ "${LISTEN_INNER:-}" != 1 ]; then
    [ $# -gt 0 ] && [ -f "$1" ] || set -- "$here/../build/ci/app/zibbet" "$@"
    [ -x "$1" ] || { echo "$0: $1 is not an executable; build the game first" >&2; exit 66; }
    bash "$here/install-deps.sh" listen
    work=$(mktemp -d)
    # A copy of xdotool of our own: nothing can take it away mid-game.
    cp "$(command -v xdotool)" "$work/xdotool"
    trap 'kill "${xvfb:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
    # An Italian locale of our own, so the system's locales stay as they are.
    mkdir -p "$work/locale"
    localedef -i it_IT -f UTF-8 "$work/locale/it_IT.UTF-8" 2>/dev/null || true
    exec 3>"$work/display"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
    export DISPLAY=":$(head -n1 "$work/display")"
    export LOCPATH="$work/locale"
    export LANG=it_IT.UTF-8 LANGUAGE=it LC_ALL=it_IT.UTF-8
    export LISTEN_INNER=1 LISTEN_WORK="$work"
    timeout --kill-after=5 300 dbus-run-session -- bash "$0" "$@" 2> >(grep -v -e '^dbus-daemon\[' -e 'SpiRegistry' >&2)
    exit
fi

binary=$1; shift
# Level 1 (pegs at 2,4 3,3 3,4 3,5 4,4 5,4; the focus starts on 1,3): lost
# in two jumps, taken back, restarted, then won in five.
[ $# -gt 0 ] || set -- \
    "#Livello 1, persa" Return KP_Enter "Insert+KP_Enter Insert+KP_Enter" \
    Right Down Down Down space Down Down space Up Up Up Up space Down Down space space \
    "#Annulla, ricomincia, tasti a vuoto" ctrl+z ctrl+z F2 Left space Left Left Left \
    "#Livello 1, vinta" Up Right Right Right space Left Left space Right Right Down Down space \
    Up Up space Right space Left Left space Left space Right Right space Up space Down Down space \
    Tab Tab Tab Return \
    "#Tasti: F1, e dove sono su Esci e su un livello" F1 alt+g Down KP_Enter Escape alt+l KP_Enter Escape Escape \
    "#Menu scorsi ed Escape: la tastiera torna alla tavola" alt+a Escape alt+g Escape Escape Down \
    "#Le varianti, lette in revisione piatta" F5 KP_7 KP_9 Return

work=$LISTEN_WORK
log="$work/orca.log"
mkdir -p "$work/prefs"
# Orca buffers its log; this makes each line appear as it is spoken.
printf 'import orca.debug\norca.debug.debugFile.reconfigure(line_buffering=True)\n' \
    >"$work/prefs/orca-customizations.py"

/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
openbox >/dev/null 2>&1 &
sleep 1
orca -u "$work/prefs" --debug-file "$log" >/dev/null 2>&1 &
orca=$!
for _ in $(seq 100); do grep -q "SPEECH OUTPUT" "$log" 2>/dev/null && break; sleep 0.2; done
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$binary" >/dev/null 2>&1 &
game=$!

# What Orca said since the last call, one utterance a line.
seen=0
said() {
    sleep "${1:-1.5}"
    local lines
    lines=$(grep -a "SPEECH OUTPUT: '" "$log" | sed -e "s/.*SPEECH OUTPUT: '//" -e "s/'[^']*{'established.*//" \
        -e "s/' *$//" | grep -v '^ *$' || true)
    printf '%s\n' "$lines" | tail -n +"$((seen + 1))" | sed 's/^/    /'
    seen=$(printf '%s\n' "$lines" | wc -l)
}

echo "(avvio)"
said 4
for key in "$@"; do
    case $key in
        "#"*) echo "${key#\#}"; continue ;;
    esac
    echo "> $key"
    "$work/xdotool" key $key # a word "a b" is two keys at once, as a double press
    said
done
kill "$game" "$orca" 2>/dev/null || true
# LISTEN_LOG=FILE keeps Orca's whole log, to see why it said what it said.
[ -z "${LISTEN_LOG:-}" ] || cp "$log" "$LISTEN_LOG"
