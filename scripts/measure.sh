#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zibbet developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The game's start beside a bare Qt window of the start screen's size
# (bench/bare_window.cpp, the floor), side by side in one run. Prints a
# markdown table.
#
#   bash scripts/measure.sh [runs=15]
#
# Instructions: what callgrind counts (offscreen) from exec until the event
# loop first waits with the window painted. The programs run are the game
# and the bare window built unchanged with bench/first_idle.cpp, which ends
# them there. Counts barely depend on the machine or its load; three runs
# of each, median; then the same under Xvfb with openbox.
#
# Times, under Xvfb with the openbox window manager, runs interleaved:
# exec until the window manager maps the window (the MapNotify that xev
# reports on the root window), and exec until the window is painted and the
# program idle (the same first_idle builds, which end there). Peak memory
# is the maximum resident set size /usr/bin/time reports for the first,
# with the program left half a second to paint.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-15}
dir=build/bench
game=$dir/app/zibbet
bare=$dir/bench/bare_window
game_idle=$dir/bench/zibbet_first_idle
bare_idle=$dir/bench/bare_window_first_idle

instructions() { # program [platform] -> instructions from exec to the first idle
  local out count
  out=$(mktemp)
  QT_QPA_PLATFORM=${2:-offscreen} valgrind --tool=callgrind --callgrind-out-file="$out" "$1" >/dev/null 2>&1
  count=$(sed -n 's/^summary: *//p' "$out")
  rm -f "$out"
  echo "$count"
}

if [ -z "${INSIDE_XVFB:-}" ]; then
  bash scripts/install-deps.sh measure
  echo "Building the bench preset..." >&2
  cmake --preset bench >/dev/null
  cmake --build --preset bench --target zibbet bare_window zibbet_first_idle bare_window_first_idle >/dev/null

  echo "Counting instructions with callgrind..." >&2
  counts=()
  for i in 1 2 3; do
    counts+=("$(instructions "$game_idle") $(instructions "$bare_idle")")
  done
  export INSTRUCTIONS="${counts[*]}"
  INSIDE_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$runs"
fi
unset QT_QPA_PLATFORM

openbox >/dev/null 2>&1 &
wm=$!
# Every window mapped on the screen, one MapNotify line each, unbuffered.
coproc XEV { exec stdbuf -oL xev -root -event substructure; }
trap 'kill "$XEV_PID" "$wm" 2>/dev/null || true' EXIT
sleep 1

# The same count on X11, window manager and all: what the game does for
# the window system (the window icon's sizes go to it before the map).
xcb_counts=()
for i in 1 2 3; do
  xcb_counts+=("$(instructions "$game_idle" xcb) $(instructions "$bare_idle" xcb)")
done

drain() { # forgets what xev has said so far
  local line
  while IFS= read -r -t 0.05 -u "${XEV[0]}" line; do :; done || true
}

micros() { # $EPOCHREALTIME without the dot
  local t=$EPOCHREALTIME
  echo "${t/./}"
}

# One run to the map: prints "milliseconds-to-map peak-KiB".
to_map() {
  local program=$1 report start mapped line pid child
  report=$(mktemp)
  drain
  start=$(micros)
  /usr/bin/time -v -o "$report" "$program" >/dev/null 2>&1 &
  pid=$!
  mapped=
  while IFS= read -r -t 10 -u "${XEV[0]}" line; do
    if [[ $line == MapNotify* ]]; then
      mapped=$(micros)
      break
    fi
  done
  [ -n "$mapped" ] || { echo "$program: no window mapped within 10 s" >&2; exit 1; }
  sleep 0.5 # time to paint the window, which is part of the peak memory
  child=$(pgrep -P "$pid" || true)
  [ -z "$child" ] || kill "$child"
  wait "$pid" 2>/dev/null || true
  local kib
  kib=$(awk -F': ' '/Maximum resident set size/ {print $2}' "$report")
  rm -f "$report"
  awk -v s="$start" -v m="$mapped" -v k="$kib" 'BEGIN { printf "%.1f %d\n", (m - s) / 1000, k }'
}

# One run to the painted window: prints milliseconds from exec to the exit
# of a first_idle build.
to_paint() {
  local start
  start=$(micros)
  timeout 10 "$1" >/dev/null 2>&1 || { echo "$1: did not end at its first idle" >&2; exit 1; }
  awk -v s="$start" -v e="$(micros)" 'BEGIN { printf "%.1f\n", (e - s) / 1000 }'
  sleep 0.2 # openbox forgets the window
}

declare -a game_ms game_kib bare_ms bare_kib game_paint bare_paint
for ((i = 0; i < runs; i++)); do
  read -r ms kib < <(to_map "$game"); game_ms+=("$ms"); game_kib+=("$kib")
  read -r ms kib < <(to_map "$bare"); bare_ms+=("$ms"); bare_kib+=("$kib")
  game_paint+=("$(to_paint "$game_idle")")
  bare_paint+=("$(to_paint "$bare_idle")")
  printf . >&2
done
echo >&2

stats() { # values... -> "median min max"
  printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END {
    m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
    print m, v[1], v[NR] }'
}

# Counts come in pairs, the game's then the bare window's: the stats of
# each, game first, on one line.
pair_stats() {
  local counts game=() bare=()
  read -r -a counts <<<"$1"
  for ((i = 0; i < ${#counts[@]}; i += 2)); do
    game+=("${counts[i]}") bare+=("${counts[i + 1]}")
  done
  echo "$(stats "${game[@]}") $(stats "${bare[@]}")"
}
read -r gi gilo gihi bi bilo bihi < <(pair_stats "$INSTRUCTIONS")
read -r gx gxlo gxhi bx bxlo bxhi < <(pair_stats "${xcb_counts[*]}")
read -r gm glo ghi < <(stats "${game_ms[@]}")
read -r bm blo bhi < <(stats "${bare_ms[@]}")
read -r gp gplo gphi < <(stats "${game_paint[@]}")
read -r bp bplo bphi < <(stats "${bare_paint[@]}")
read -r gk gklo gkhi < <(stats "${game_kib[@]}")
read -r bk bklo bkhi < <(stats "${bare_kib[@]}")

echo "Instructions: callgrind, offscreen and under Xvfb, 3 runs of each. Times and memory: Xvfb + openbox,"
echo "$runs runs of each, interleaved; median (range)."
echo
echo "| | Zibbet | floor: bare Qt window, 345×362 | ratio |"
echo "|---|---|---|---|"
awk -v g="$gi" -v glo="$gilo" -v ghi="$gihi" -v b="$bi" -v blo="$bilo" -v bhi="$bihi" 'BEGIN {
  printf "| first paint: instructions, exec → painted and idle | %.1f M (%.1f–%.1f) | %.1f M (%.1f–%.1f) | %.2f× |\n",
         g / 1e6, glo / 1e6, ghi / 1e6, b / 1e6, blo / 1e6, bhi / 1e6, g / b }'
awk -v g="$gx" -v glo="$gxlo" -v ghi="$gxhi" -v b="$bx" -v blo="$bxlo" -v bhi="$bxhi" 'BEGIN {
  printf "| the same under Xvfb + openbox (X11) | %.1f M (%.1f–%.1f) | %.1f M (%.1f–%.1f) | %.2f× |\n",
         g / 1e6, glo / 1e6, ghi / 1e6, b / 1e6, blo / 1e6, bhi / 1e6, g / b }'
awk -v gm="$gm" -v glo="$glo" -v ghi="$ghi" -v bm="$bm" -v blo="$blo" -v bhi="$bhi" 'BEGIN {
  printf "| start-up: exec → window mapped | %.1f ms (%.1f–%.1f) | %.1f ms (%.1f–%.1f) | %.2f× |\n",
         gm, glo, ghi, bm, blo, bhi, gm / bm }'
awk -v gm="$gp" -v glo="$gplo" -v ghi="$gphi" -v bm="$bp" -v blo="$bplo" -v bhi="$bphi" 'BEGIN {
  printf "| start-up: exec → window painted and idle | %.1f ms (%.1f–%.1f) | %.1f ms (%.1f–%.1f) | %.2f× |\n",
         gm, glo, ghi, bm, blo, bhi, gm / bm }'
awk -v gk="$gk" -v glo="$gklo" -v ghi="$gkhi" -v bk="$bk" -v blo="$bklo" -v bhi="$bkhi" 'BEGIN {
  printf "| peak resident memory | %.1f MiB (%.1f–%.1f) | %.1f MiB (%.1f–%.1f) | %.2f× |\n",
         gk / 1024, glo / 1024, ghi / 1024, bk / 1024, blo / 1024, bhi / 1024, gk / bk }'
