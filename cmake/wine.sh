#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zibbet developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a program of the Windows build under Wine, as ctest and the scripts
# do:  wine.sh QT_PREFIX PROGRAM.exe [ARGUMENT...]
# Its DLLs are found where they are, not copied: Qt's in QT_PREFIX/bin (Qt
# finds its plugins from there), MinGW's runtime where its compiler keeps it.
# With - for QT_PREFIX, only beside the program: the game as shipped.
# Wine's prefix is kept per machine outside the work tree (making one takes
# minutes): /var/tmp/zibbet-wine unless WINEPREFIX says otherwise. It is made
# here the first time, without the .NET and HTML engines, which Wine would
# otherwise offer to download in a dialog that nobody is there to answer.
# Wine's menu builder is off: it would copy the Start menu's links into
# Linux's menus, outside the prefix.
# Wine's own messages (fixme, err) say nothing about the program: off.
# Exits with the program's status.
set -euo pipefail
qt=$1
shift
export WINEPREFIX=${WINEPREFIX:-/var/tmp/zibbet-wine}
export WINEDEBUG=${WINEDEBUG:--all}
wine=/usr/lib/wine/wine64 # Debian 12's, outside PATH
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-winemenubuilder.exe=d}
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "wine.sh: making Wine's prefix in $WINEPREFIX (once, a few minutes)" >&2
  WINEDLLOVERRIDES='mscoree,mshtml,winemenubuilder.exe=d' "$wine" wineboot -i >/dev/null 2>&1
  /usr/lib/wine/wineserver -w
fi
if [ "$qt" != - ]; then
  dirs=()
  for d in "$qt/bin" $(bash "$(dirname "$0")/mingw-dlls.sh" dirs); do
    dirs+=("Z:${d//\//\\}")
  done
  WINEPATH=$(IFS=';'; echo "${dirs[*]}")
  export WINEPATH
fi
# Wine keeps Linux's QT_ variables from Windows programs (they would lead a
# Windows Qt to Linux's plugins) and passes each one named WINEQT_ as QT_:
# ctest's QT_QPA_PLATFORM and QT_SCALE_FACTOR reach the tests that way.
for name in $(compgen -e); do
  case $name in QT_*) export "WINE$name=${!name}" ;; esac
done
exec "$wine" "$@"
