#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zibbet developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the Debian 12 packages that one path through the project needs,
# and no more:
#
#   bash scripts/install-deps.sh [path...]
#
#   player         build and run the game (make run)          the default
#   test           + the tests and benchmarks (make test, make asan)
#   bench          + the benchmarks (make bench)
#   fuzz           + clang and its libFuzzer runtime (make fuzz)
#   package        + what CPack needs for the Debian package (make package)
#   package-check  + the validators CI runs on the package (make package-check)
#   all            every path above
#
# Idempotent: packages already present are left alone, and apt is not
# touched at all when nothing is missing.
set -euo pipefail

# Compiler, build tools, Qt, the fonts the windows are drawn in, and xcb
# (with pkg-config to find it), through which the dialogs ask the window
# manager to keep them out of the task bar.
player=(cmake ninja-build g++ make pkgconf qt6-base-dev qt6-svg-dev libqt6svg6 libxcb1-dev
        fonts-comic-neue fonts-liberation2)
# GoogleTest, and Google Benchmark because the ci preset builds the
# benchmarks too. DejaVu Sans is the system's default face, which the menus
# use (they name no font): the developer machines keep it so that what the
# tests and the screenshots see does not depend on what else is installed.
# Qt's private headers let the tests switch on the accessibility layer that
# the offscreen platform leaves off, to hear what a screen reader would.
test=(libgtest-dev libbenchmark-dev fonts-dejavu-core qt6-base-private-dev xvfb xauth x11-utils)
bench=(libbenchmark-dev)
fuzz=(clang libclang-rt-14-dev)
# dpkg-shlibdeps (dpkg-dev) and file, which CPack's shlibdeps step runs.
package=(dpkg-dev file)
package_check=(desktop-file-utils appstream man-db reuse lintian)

[ $# -gt 0 ] || set -- player
packages=("${player[@]}")
for path in "$@"; do
  case $path in
    player) ;;
    test) packages+=("${test[@]}") ;;
    bench) packages+=("${bench[@]}") ;;
    fuzz) packages+=("${fuzz[@]}") ;;
    package) packages+=("${package[@]}") ;;
    package-check) packages+=("${package[@]}" "${package_check[@]}") ;;
    all) packages+=("${test[@]}" "${bench[@]}" "${fuzz[@]}" "${package[@]}" "${package_check[@]}") ;;
    *) echo "install-deps.sh: unknown path '$path' (player, test, bench, fuzz, package, package-check, all)" >&2
       exit 2 ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [ "$status" = "install ok installed" ] || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi
# One name can come from two paths.
mapfile -t missing < <(printf '%s\n' "${missing[@]}" | sort -u)

SUDO=
[ "$(id -u)" -eq 0 ] || SUDO=sudo
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
