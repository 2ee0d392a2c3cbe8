#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zibbet developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Start-up time and peak memory of the game beside a bare Qt window of the
# start screen's size (bench/bare_window, the floor), under Xvfb, over a
# number of runs of each. Prints a markdown table.
#
#   bash scripts/measure.sh [runs=10] [game=build/bench/app/zibbet] [bare=build/bench/bench/bare_window]
#
# Start-up is the time from starting the program to its first window being
# mapped on the X server, seen as the MapNotify that xev reports for the
# root window's children; the program is killed once it has had time to
# paint. Peak memory is the maximum resident set size /usr/bin/time reports.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-10}
game=${2:-build/bench/app/zibbet}
bare=${3:-build/bench/bench/bare_window}

SUDO=; [ "$(id -u)" -eq 0 ] || SUDO=sudo
missing=()
for tool in xvfb-run:xvfb xauth:xauth xev:x11-utils /usr/bin/time:time; do
  command -v "${tool%%:*}" >/dev/null || missing+=("${tool##*:}")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}" >&2
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

if [ ! -x "$game" ] || [ ! -x "$bare" ]; then
  echo "Building the bench preset..." >&2
  bash scripts/install-deps.sh bench
  cmake --preset bench >/dev/null
  cmake --build --preset bench --target zibbet bare_window >/dev/null
fi

if [ -z "${INSIDE_XVFB:-}" ]; then
  INSIDE_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$runs" "$game" "$bare"
fi
unset QT_QPA_PLATFORM

# Every window mapped on the screen, one MapNotify line each, unbuffered.
coproc XEV { exec stdbuf -oL xev -root -event substructure; }
trap 'kill "$XEV_PID" 2>/dev/null || true' EXIT
sleep 0.3

drain() { # forgets what xev has said so far
  local line
  while IFS= read -r -t 0.05 -u "${XEV[0]}" line; do :; done || true
}

micros() { # $EPOCHREALTIME without the dot
  local t=$EPOCHREALTIME
  echo "${t/./}"
}

# One run: prints "milliseconds-to-map peak-KiB".
measure_once() {
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

declare -a game_ms game_kib bare_ms bare_kib
for ((i = 0; i < runs; i++)); do
  read -r ms kib < <(measure_once "$game"); game_ms+=("$ms"); game_kib+=("$kib")
  read -r ms kib < <(measure_once "$bare"); bare_ms+=("$ms"); bare_kib+=("$kib")
  printf . >&2
done
echo >&2

stats() { # values... -> "median min max"
  printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END {
    m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
    print m, v[1], v[NR] }'
}

read -r gm glo ghi < <(stats "${game_ms[@]}")
read -r bm blo bhi < <(stats "${bare_ms[@]}")
read -r gk gklo gkhi < <(stats "${game_kib[@]}")
read -r bk bklo bkhi < <(stats "${bare_kib[@]}")

echo "Xvfb, $runs runs of each, interleaved; median (range)."
echo
echo "| | Zibbet | floor: bare Qt window, 345×362 | ratio |"
echo "|---|---|---|---|"
awk -v gm="$gm" -v glo="$glo" -v ghi="$ghi" -v bm="$bm" -v blo="$blo" -v bhi="$bhi" 'BEGIN {
  printf "| start-up: exec → window mapped | %.1f ms (%.1f–%.1f) | %.1f ms (%.1f–%.1f) | %.2f× |\n",
         gm, glo, ghi, bm, blo, bhi, gm / bm }'
awk -v gk="$gk" -v glo="$gklo" -v ghi="$gkhi" -v bk="$bk" -v blo="$bklo" -v bhi="$bkhi" 'BEGIN {
  printf "| peak resident memory | %.1f MiB (%.1f–%.1f) | %.1f MiB (%.1f–%.1f) | %.2f× |\n",
         gk / 1024, glo / 1024, ghi / 1024, bk / 1024, blo / 1024, bhi / 1024, gk / bk }'
