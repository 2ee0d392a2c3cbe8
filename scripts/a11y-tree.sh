#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zibbet developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Starts the game with an accessibility bus and prints its AT-SPI tree as a
# screen reader sees it, for a person to read; then ends the game.
#
#   bash scripts/a11y-tree.sh [--here] [BINARY] [--events S] [--press NAME]... [--timeout S]
#
#   BINARY  the game, build/release/app/zibbet unless given
#   --here  use the X display in $DISPLAY instead of a private Xvfb screen
#   --press "Comincia" --events 3   press the start button as a screen reader
#           would, then print what the game sends for 3 s (see a11y-tree.py)
#
# Installs what it needs first (install-deps.sh a11y).
set -euo pipefail

if [ "${A11Y_TREE_INNER:-}" != 1 ]; then
    here_display=0
    if [ "${1:-}" = "--here" ]; then here_display=1; shift; fi
    case ${1:-} in ""|--*) set -- "$(dirname "$0")/../build/release/app/zibbet" "$@" ;; esac
    [ -x "$1" ] || { echo "$0: $1 is not an executable; build the game first (make run)" >&2; exit 66; }
    bash "$(dirname "$0")/install-deps.sh" a11y
    export A11Y_TREE_INNER=1
    # The bus daemons' chatter (fd limit, service activation) is noise here.
    exec > >(grep --line-buffered -v '^SpiRegistry daemon')
    exec 2> >(grep --line-buffered -v -e '^dbus-daemon\[' -e '^SpiRegistry daemon' -e 'XDG_RUNTIME_DIR' >&2)
    # A private session bus that ends with us; timeout so nothing here can hang a caller.
    if [ "$here_display" = 1 ]; then
        [ -n "${DISPLAY:-}" ] || { echo "$0: --here needs DISPLAY" >&2; exit 64; }
        exec timeout --kill-after=5 180 dbus-run-session -- "$0" "$@"
    fi
    exec timeout --kill-after=5 180 \
        xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- "$0" "$@"
fi

dir=$(cd "$(dirname "$0")" && pwd)
binary=$1; shift
pyargs=()
while [ $# -gt 0 ]; do pyargs+=("$1"); shift; done

# Start the accessibility bus (at-spi-bus-launcher, by D-Bus activation) and have
# this one program expose its tree. Setting org.a11y.Status.IsEnabled would do too,
# but it is stored in the user's dconf settings and outlives this run.
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
    org.a11y.Bus.GetAddress >/dev/null
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export QT_QPA_PLATFORM=xcb
"$binary" &
app=$!
status=0
/usr/bin/python3 "$dir/a11y-tree.py" --pid "$app" ${pyargs[@]+"${pyargs[@]}"} || status=$?
kill "$app" 2>/dev/null || true
wait "$app" 2>/dev/null || true
exit "$status"
