#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zibbet developers
# SPDX-License-Identifier: GPL-3.0-or-later

# What a Windows player downloads, from the windows preset's build (make
# windows runs this after building):
#   build/windows/zibbet-<version>-windows-x86_64.zip        the game's folder
#   build/windows/zibbet-<version>-windows-x86_64-setup.exe  its installer
# The folder is what the build installs (packaging/windows/CMakeLists.txt:
# the program, the Qt and MinGW DLLs and plugins it loads, the licences),
# every program and DLL in it stripped of its symbols, a third of its size.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/windows
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
name=zibbet-$version-windows-x86_64
stage=$build/stage/$name
rm -rf "$build/stage" "$build/nsis" "$build/$name.zip" "$build/$name-setup.exe"
cmake --install "$build" --prefix "$stage" >/dev/null
find "$stage" \( -name '*.exe' -o -name '*.dll' \) -exec x86_64-w64-mingw32-strip --strip-unneeded {} +

(cd "$build/stage" && zip -q -r -9 -X "../$name.zip" "$name")

# The installer's lists: each folder of the game's, then its files; taken
# away in the opposite order, each folder once empty.
nsis=$PWD/$build/nsis
mkdir -p "$nsis"
cp "$build/packaging/windows/identity.nsh" "$nsis/"
: >"$nsis/install.nsh"
: >"$nsis/uninstall.nsh"
(cd "$stage" && find . -type d | sort) | while read -r dir; do
  win=${dir#.}
  win=${win//\//\\}
  echo "SetOutPath \"\$INSTDIR$win\"" >>"$nsis/install.nsh"
  (cd "$stage/$dir" && find . -maxdepth 1 -type f | sort) | while read -r file; do
    echo "File \"$PWD/$stage/$dir/${file#./}\"" >>"$nsis/install.nsh"
    echo "Delete \"\$INSTDIR$win\\${file#./}\"" >>"$nsis/uninstall.nsh"
  done
done
(cd "$stage" && find . -mindepth 1 -type d | sort -r) | while read -r dir; do
  win=${dir#.}
  echo "RMDir \"\$INSTDIR${win//\//\\}\"" >>"$nsis/uninstall.nsh"
done
size_kb=$(du -sk "$stage" | cut -f1)
makensis -V2 -INPUTCHARSET UTF8 -DFILES="$nsis" -DSIZE_KB="$size_kb" -DOUTFILE="$PWD/$build/$name-setup.exe" \
  packaging/windows/zibbet.nsi
ls -l "$build/$name.zip" "$build/$name-setup.exe" | awk '{ printf "%s  %.1f MB\n", $NF, $5 / 1e6 }'
