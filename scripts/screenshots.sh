#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zibbet developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Screenshots of all seven windows under Xvfb, at scale 1 and 2, into docs/.
# Drives the real program with xdotool, the way a player would.
#   bash scripts/screenshots.sh [build/release/app/zibbet]
# The Windows game (a zibbet.exe with its DLLs beside it, as the zip holds
# it) runs under Wine with its windows platform, into docs/windows/:
#   bash scripts/screenshots.sh build/windows/stage/zibbet-*/zibbet.exe
set -euo pipefail
cd "$(dirname "$0")/.."
game=${1:-build/release/app/zibbet}
[ -x "$game" ] || { echo "build the game first: cmake --preset release && cmake --build --preset release --target zibbet"; exit 1; }

out=docs
run=()
start=1.5 # seconds for the first window to show
if [[ $game == *.exe ]]; then
  out=docs/windows run=(bash cmake/wine.sh -) start=6
  unset QT_QPA_PLATFORM
fi
mkdir -p "$out"

if [ -z "${INSIDE_XVFB:-}" ]; then
  bash scripts/install-deps.sh screenshots
  INSIDE_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$game"
fi

openbox >/dev/null 2>&1 &
sleep 0.5

shoot() { # window-id name
  sleep 0.4
  import -frame -window "$1" "$out/$2.png"
  echo "$out/$2.png"
}
active() { xdotool getactivewindow; }
pause() { sleep 0.5; }

for scale in 1 2; do
  suffix=$([ "$scale" = 1 ] && echo "" || echo "@2x")
  QT_SCALE_FACTOR=$scale "${run[@]}" "$game" 2>/dev/null &
  pid=$!
  sleep "$start"
  shoot "$(active)" "frminizio$suffix"
  xdotool key Return; pause
  gioco=$(active)

  # The board's geometry, in logical pixels, as ui::BoardView states it
  # (a script cannot ask): cellRect puts the cell at (row, col) 40 px a step
  # with its centre 12 px in; clientSize makes the board 346 px high, under
  # the menu bar.
  eval "$(xdotool getwindowgeometry --shell "$gioco")"
  menu=$(( HEIGHT / scale - 346 ))
  click() { # row col
    xdotool mousemove --window "$gioco" $(( (40 * $2 + 12) * scale )) $(( (menu + 40 * $1 + 12) * scale )) click 1
    sleep 0.15
  }
  click 3 4; click 3 6          # 10 over 11 to 12
  click 5 4                     # select 24
  shoot "$gioco" "frmgioco$suffix"

  for key in F3:frmstoria F4:frmistruzioni F5:frmvarianti F6:frminfo; do
    xdotool windowactivate --sync "$gioco" key "${key%%:*}"; pause
    shoot "$(active)" "${key##*:}$suffix"
    xdotool key space; pause   # the focused back button
  done

  # Solve level 1: 24 over 17 to 10, 9 over 10 to 11, 12 over 11 to 10, 5 over 10 to 17.
  xdotool windowactivate --sync "$gioco"
  click 3 4; click 3 3; click 3 5; click 3 6; click 3 4; click 2 4; click 4 4   # 24 is still selected
  pause
  shoot "$(active)" "frmscelta$suffix"
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
done
