#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zibbet developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the Debian packages that one path through the project needs, and
# no more (the names are the same on Debian 12 and 13). The one place in the
# project that installs anything: every script that needs a tool asks for
# its path here.
#
#   bash scripts/install-deps.sh [path...]
#
#   player         build and run the game (make, make run)      the default
#   test           + the tests and benchmarks (make test, make asan)
#   bench          + the benchmarks (make bench)
#   clang          + clang, the second compiler, and its symbolizer (make nox11)
#   package        + what CPack needs for the Debian package (make package)
#   package-check  + the validators CI runs on the package (make package-check)
#   measure        + Xvfb, openbox, xev, time and valgrind (scripts/measure.sh)
#   screenshots    + Xvfb, openbox, xdotool and ImageMagick (scripts/screenshots.sh)
#   valgrind       + valgrind (scripts/valgrind.sh)
#   a11y           + the accessibility bus and pyatspi under Xvfb (scripts/a11y-tree.sh)
#   listen         + Orca, openbox, xdotool and locales under Xvfb (scripts/listen.sh)
#   fresh-debian   + debootstrap, to make a fresh Debian (scripts/fresh-debian.sh)
#   windows        + MinGW-w64, Wine, Xvfb, zip and NSIS: the Windows build, its
#                  tests under Wine, the zip and the installer (make windows)
#   all            every path above (make deps)
#
# Idempotent: packages already present are left alone, and apt is not
# touched at all when nothing is missing. Not root, it uses sudo; without
# sudo it says in one line how to go on, before doing anything.
set -euo pipefail

# Compiler, build tools, Qt, the fonts the windows are drawn in, and xcb
# (with pkg-config to find it), through which the dialogs ask the window
# manager to keep them out of the task bar. DejaVu Sans is Debian's default
# sans-serif face, the one the menus take (they name no font): without it
# fontconfig answers the Liberation fonts' monospace face.
player=(cmake ninja-build g++ make pkgconf qt6-base-dev qt6-svg-dev libqt6svg6 libxcb1-dev
        fonts-comic-neue fonts-liberation2 fonts-dejavu-core)
# GoogleTest, and Google Benchmark because the ci preset builds the
# benchmarks too. Qt's private headers let the tests switch on the
# accessibility layer that the offscreen platform leaves off, to hear what
# a screen reader would. Xvfb and xprop for the slice of the window tests
# that reads what an X11 window manager reads; openbox and xdotool for the
# game run as a process, ended by keys and by its window manager's close box.
test=(libgtest-dev libbenchmark-dev qt6-base-private-dev xvfb xauth x11-utils openbox xdotool)
bench=(libbenchmark-dev)
# llvm brings llvm-symbolizer, which names the functions of a crash.
clang=(clang llvm)
# dpkg-shlibdeps (dpkg-dev) and file, which CPack's shlibdeps step runs.
package=(dpkg-dev file)
package_check=(desktop-file-utils appstream man-db reuse lintian fontconfig)
xvfb=(xvfb xauth)
measure=("${bench[@]}" "${xvfb[@]}" openbox x11-utils time valgrind)
screenshots=("${xvfb[@]}" openbox xdotool imagemagick)
valgrind=("${test[@]}" valgrind)
a11y=("${xvfb[@]}" at-spi2-core dbus python3-pyatspi)
listen=("${xvfb[@]}" orca openbox xdotool at-spi2-core dbus locales)
# The archive's keys come with Debian; debootstrap checks each release by them.
fresh_debian=(debootstrap debian-archive-keyring)
# The cross compiler with posix threads, as the Qt for Windows was built with
# (std::thread and its kin need them); Wine to run what it makes (tests, the
# installer, the game), on Xvfb where a window is opened; xdotool to find the
# game's window there; zip and NSIS for what a Windows player downloads.
# GoogleTest's sources (googletest), built for Windows with the tests.
windows=(g++-mingw-w64-x86-64-posix googletest wine64 "${xvfb[@]}" xdotool zip nsis xz-utils)

[ $# -gt 0 ] || set -- player
packages=("${player[@]}")
for path in "$@"; do
  case $path in
    player) ;;
    test) packages+=("${test[@]}") ;;
    bench) packages+=("${bench[@]}") ;;
    clang) packages+=("${clang[@]}") ;;
    package) packages+=("${package[@]}") ;;
    package-check) packages+=("${package[@]}" "${package_check[@]}") ;;
    measure) packages+=("${measure[@]}") ;;
    screenshots) packages+=("${screenshots[@]}") ;;
    valgrind) packages+=("${valgrind[@]}") ;;
    a11y) packages+=("${a11y[@]}") ;;
    listen) packages+=("${listen[@]}") ;;
    fresh-debian) packages+=("${fresh_debian[@]}") ;;
    windows) packages+=("${windows[@]}") ;;
    all) packages+=("${test[@]}" "${bench[@]}" "${clang[@]}" "${package[@]}" "${package_check[@]}"
                    "${measure[@]}" "${screenshots[@]}" "${valgrind[@]}" "${a11y[@]}" "${listen[@]}"
                    "${fresh_debian[@]}" "${windows[@]}") ;;
    *) echo "install-deps.sh: unknown path '$path' (player, test, bench, clang, package, package-check," \
            "measure, screenshots, valgrind, a11y, listen, fresh-debian, windows, all)" >&2
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

# apt needs root: sudo, or, without it, the one line that says what to do.
as_root=(env DEBIAN_FRONTEND=noninteractive LC_ALL=C)
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null; then
    echo "${#missing[@]} Debian packages are missing, installing them needs root and there is no sudo:" \
         "run  su -c 'bash $0 $*'  here, then this command again (or install sudo)." >&2
    exit 1
  fi
  as_root=(sudo "${as_root[@]}")
fi

# apt-utils is not needed, and debconf says so at every step: noise.
quiet() { grep -v '^debconf: delaying package configuration, since apt-utils is not installed' >&2 || true; }

# Turns apt's status lines (APT::Status-Fd) into a few words a person can
# follow: each phase with its share done, then the seconds so far.
progress() {
  local line kind percent phase='' next=25
  while IFS= read -r line; do
    # dlstatus:<file>:<percent>:<what>, pmstatus:<package>:<percent>:<what>
    [[ $line =~ ^(dl|pm)status:.*:([0-9]+)(\.[0-9]*)?: ]] || continue
    kind=${BASH_REMATCH[1]} percent=${BASH_REMATCH[2]}
    if [ "$kind" != "$phase" ]; then
      [ -z "$phase" ] || printf ' (%d s)\n' $((SECONDS - start))
      [ "$kind" = dl ] && printf '  downloading:' || printf '  unpacking and setting up:'
      phase=$kind next=25
    fi
    while [ "$percent" -ge "$next" ] && [ "$next" -le 100 ]; do
      printf ' %d%%' "$next"
      next=$((next + 25))
    done
  done
  [ -z "$phase" ] || printf ' done (%d s)\n' $((SECONDS - start))
}

start=$SECONDS
echo "Installing with apt: ${missing[*]}"
echo "  reading the package lists"
"${as_root[@]}" apt-get update -qq 2> >(quiet)
# How much: the packages with what they need, and what is still to download
# (apt only simulates and lists here; neither needs root).
count=$(LC_ALL=C apt-get -s install --no-install-recommends "${missing[@]}" 2>/dev/null | grep -c '^Inst ' || true)
bytes=$(LC_ALL=C apt-get -qq --print-uris install --no-install-recommends "${missing[@]}" 2>/dev/null |
        awk '{ sum += $3 } END { print sum + 0 }')
if [ "${count:-0}" -gt 0 ]; then
  # About a quarter of a second for each package to unpack and set up on
  # the machines measured, plus the download.
  printf '  %d package%s with what they need, %d MB to download: about %d s on a fast connection\n' \
    "$count" "$([ "$count" -eq 1 ] || echo s)" $(( (bytes + 500000) / 1000000 )) $(( count / 4 + bytes / 4000000 + 5 ))
fi
"${as_root[@]}" apt-get install -y -qq --no-install-recommends -o APT::Status-Fd=1 "${missing[@]}" \
  2> >(quiet) | progress
echo "Installed in $((SECONDS - start)) s."
