#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zibbet developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Both test suites under valgrind memcheck, from a debug build (built or
# brought up to date first). Any memory error or definite leak makes a suite
# unclean; scripts/valgrind.supp silences known noise of system libraries
# only. Slow (minutes): run it by hand, not in CI.
#
#   bash scripts/valgrind.sh [build-dir=build/debug]
#
# Logs go to <build-dir>/valgrind/. GTEST_FILTER narrows the tests as usual.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/debug}

bash scripts/install-deps.sh valgrind

if [ ! -f "$build/CMakeCache.txt" ]; then
  if [ "$build" = build/debug ]; then
    cmake --preset debug >/dev/null
  else
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
  fi
fi
cmake --build "$build" --target core_tests ui_tests >/dev/null

export QT_QPA_PLATFORM=offscreen
logs="$build/valgrind"
mkdir -p "$logs"
verdict=0
for suite in tests/core/core_tests tests/ui/ui_tests; do
  name=$(basename "$suite")
  log="$logs/$name.log"
  start=$SECONDS
  if valgrind --tool=memcheck --error-exitcode=1 --leak-check=full --errors-for-leak-kinds=definite \
       --show-leak-kinds=definite --track-origins=yes --num-callers=40 \
       --suppressions=scripts/valgrind.supp --gen-suppressions=all --log-file="$log" \
       "$build/$suite" >"$logs/$name.out" 2>&1; then
    result=clean
  else
    result="NOT CLEAN"
    verdict=1
  fi
  summary=$(grep -E "ERROR SUMMARY" "$log" | tail -1 | sed 's/^==[0-9]*== //')
  tests=$(grep -E "^\[  (PASSED|FAILED)  \]" "$logs/$name.out" | tr '\n' ' ')
  printf '%-11s %-9s %4d s  %s  %s\n' "$name" "$result" $((SECONDS - start)) "$tests" "$summary"
done
[ "$verdict" -eq 0 ] && echo "valgrind: clean" || echo "valgrind: NOT CLEAN, see $logs/"
exit "$verdict"
