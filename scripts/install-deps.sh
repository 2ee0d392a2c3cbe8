#!/usr/bin/env bash
# Installs the Debian 12 packages needed to build, run and test the game.
# Idempotent: packages already present are left alone, and apt is not
# touched at all when nothing is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ make
  qt6-base-dev qt6-svg-dev libqt6svg6
  libgtest-dev libbenchmark-dev
  xvfb xauth imagemagick
  fonts-comic-neue fonts-liberation2 fonts-dejavu-core
)
# The fuzzer needs clang with its libFuzzer runtime; only CI asks for it.
if [ "${WITH_FUZZER:-0}" = 1 ]; then
  packages+=(clang libclang-rt-14-dev)
fi

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [ "$status" = "install ok installed" ] || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=
[ "$(id -u)" -eq 0 ] || SUDO=sudo
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
