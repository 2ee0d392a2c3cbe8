#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zibbet developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The installer's round trip under Wine, as a player without administrator
# rights would make it, silently: install (where the installer chooses, then
# where /D= says), start the installed game on Xvfb with Wine's windows
# platform and see its window, close it as Windows would, uninstall, and
# find nothing left: not the folder, the Start-menu link nor the entry among
# the installed programs. The game runs with no DLL but those installed
# beside it. Run by make windows-check, after make windows.
set -euo pipefail
cd "$(dirname "$0")/.."
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/windows/CMakeCache.txt)
setup=$PWD/build/windows/zibbet-$version-windows-x86_64-setup.exe
[ -f "$setup" ] || { echo "windows-roundtrip.sh: no $setup: make windows first" >&2; exit 1; }
export WINEPREFIX=${WINEPREFIX:-/var/tmp/zibbet-wine}
unset QT_QPA_PLATFORM # the game opens real windows here
wine() { bash cmake/wine.sh - "$@"; }
wineserver=/usr/lib/wine/wineserver

user=$(wine cmd /c 'echo %USERNAME%' | tr -d '\r')
local_app_data=$WINEPREFIX/drive_c/users/$user/AppData/Local
link="$WINEPREFIX/drive_c/users/$user/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Zibbet.lnk"
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Zibbet'
fail() { echo "windows-roundtrip.sh: $*" >&2; exit 1; }

# One trip: <Windows folder or empty for the installer's own> <the same folder in Linux>
trip() {
  local dir=$1 unix=$2
  [ ! -e "$unix" ] || fail "$unix is there before installing"
  echo "installing into ${dir:-the default folder}"
  if [ -n "$dir" ]; then wine "$setup" /S "/D=$dir"; else wine "$setup" /S; fi
  $wineserver -w
  [ -f "$unix/zibbet.exe" ] && [ -f "$unix/Uninstall.exe" ] && [ -f "$unix/platforms/qwindows.dll" ] \
    || fail "the game is not in $unix"
  [ -f "$link" ] || fail "no Start-menu link"
  wine reg query "$key" /v DisplayName >/dev/null || fail "no entry among the installed programs"

  echo "starting the installed game"
  xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    (cd "$1" && exec bash "$2/cmake/wine.sh" - zibbet.exe) & game=$!
    if ! window=$(timeout 60 xdotool search --sync --onlyvisible --name "^Zibbet\$" | head -n 1); then
      echo "windows-roundtrip.sh: no game window within 60 s" >&2; kill $game; exit 1
    fi
    echo "its window: $(xdotool getwindowname "$window"), $(xdotool getwindowgeometry "$window" | sed -n "s/ *Geometry: //p")"
    bash "$2/cmake/wine.sh" - taskkill /im zibbet.exe >/dev/null # a close request, as Windows sends it
    wait $game
    /usr/lib/wine/wineserver -w # Wine'"'"'s desktop too, before its display goes' _ "$unix" "$PWD"
  echo "the game ended on its own when asked to close"

  echo "uninstalling"
  wine "$unix/Uninstall.exe" /S
  $wineserver -w # the uninstaller runs on from a copy of itself
  [ ! -e "$unix" ] || fail "left behind: $(find "$unix" | head)"
  [ ! -e "$link" ] || fail "the Start-menu link is left"
  if wine reg query "$key" >/dev/null 2>&1; then fail "the entry among the installed programs is left"; fi
  echo "nothing left"
}
trip "" "$local_app_data/Programs/Zibbet"
trip 'C:\Giochi\Zibbet' "$WINEPREFIX/drive_c/Giochi/Zibbet"
rmdir "$WINEPREFIX/drive_c/Giochi"
echo "installer round trip: passed"
