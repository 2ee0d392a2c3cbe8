#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zibbet developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The shipped game as a process. With no display: its own line on stderr and
# status 1, no abort. Under Xvfb with a window manager (openbox), each way
# out ends it with status 0 at once: Esci, Canc, Escape in "Complimenti!",
# the last window's close box (Alt+F4, as the window manager closes it); and
# the window manager reads the game's own class, pid and desktop file id.
#   bash tests/app/ways-out.sh GAME APP_ID
set -u
game=$1 app_id=$2
failed=0
fail() { echo "FAIL: $*" >&2; failed=1; }

line=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$game" 2>&1 >/dev/null)
status=$?
[ "$status" = 1 ] || fail "without a display the status is $status, not 1"
[ "$line" = "zibbet: cannot open a window: no display could be reached. The game needs a graphical session (X11 or Wayland)." ] ||
  fail "without a display it said: $line"

if [ -z "${DISPLAY:-}" ]; then
  xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
  exit $(( failed | $? ))
fi
export QT_QPA_PLATFORM=xcb
openbox --sm-disable >/dev/null 2>&1 &
trap 'kill $! 2>/dev/null' EXIT
sleep 1

# Level 1 won from the first hole, by keys.
win=(Right Down Down space Left Left space Right Right Down Down space Up Up space Right space Left Left space
     Left space Right Right space Up space Down Down space)

# Starts the game, plays the keys (a word each, with a pause for the game
# to take it), then gives it 5 seconds to end with status 0.
play() {
  local way=$1; shift
  "$game" 2>/dev/null &
  local pid=$!
  xdotool search --sync --onlyvisible --pid "$pid" --name '^Zibbet$' >/dev/null
  sleep 0.5
  for key in "$@"; do
    if [ "$key" = check-class ]; then
      local props
      props=$(xprop -id "$(xdotool getactivewindow)" WM_CLASS _NET_WM_PID)
      grep -q 'WM_CLASS(STRING) = "zibbet", "Zibbet"' <<<"$props" || fail "$way: $props"
      grep -q "_NET_WM_PID(CARDINAL) = $pid\$" <<<"$props" || fail "$way: $props"
      # Qt 6.8 and later also give the desktop file's id (Qt 6.4 gives none).
      props=$(xprop -id "$(xdotool getactivewindow)" _GTK_APPLICATION_ID)
      grep -qE 'not found|no such atom' <<<"$props" || grep -q "= \"$app_id\"" <<<"$props" || fail "$way: $props"
      continue
    fi
    xdotool key "$key"
    sleep 0.3
  done
  for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$pid" 2>/dev/null; then
    fail "$way: still running 5 seconds later"
    kill -9 "$pid"
  fi
  wait "$pid"
  local status=$?
  [ "$status" = 0 ] || fail "$way: status $status"
  echo "$way: status $status"
}

play "Esci" Return check-class alt+g e
play "Canc" Return Delete
play "Escape in Complimenti!" Return "${win[@]}" Escape
play "the close box of the game window" Return alt+F4
play "the close box of the start screen" alt+F4
exit $failed
