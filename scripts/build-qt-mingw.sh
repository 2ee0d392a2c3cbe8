#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zibbet developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The project's own way to a Qt for MinGW, for a machine without the one in
# shared/windows/ (scripts/qt-mingw.sh): this makes the same one. Then
#   ZIBBET_QT_MINGW=/opt/qt-mingw-6.4.2 make windows
#
# Builds Qt 6.4.2 (qtbase: Core, Gui, Widgets, Test, the windows and offscreen platforms; then qtsvg) for
# 64-bit Windows with Debian 12's MinGW-w64 (posix threads), on Debian 12, as root. The host tools (moc, rcc,
# uic, syncqt) come from Debian's own Qt 6.4.2, which must match the version built.
# Usage: build-qt-mingw.sh PREFIX [WORKDIR]     e.g. build-qt-mingw.sh /opt/qt-mingw-6.4.2
# Sources: qtbase from Debian's source package (apt's deb-src for bookworm); qtsvg from QTSVG_TARBALL (Qt's
# qtsvg-everywhere-src-6.4.2.tar.xz, as shared/windows/ keeps it) or else Debian's source package qt6-svg.
# Debian's qtbase source drops the Wintab header, so tablet input is left out of the Windows platform plugins,
# and Qt 6.4.2's windows plugin needs one guard to build without OpenGL. About an hour on 2 idle cores.
set -euo pipefail
prefix=${1:?usage: build-qt-mingw.sh PREFIX [WORKDIR]}
work=${2:-$(mktemp -d)}
here=$(cd "$(dirname "$(readlink -f "$0")")" && pwd)
export DEBIAN_FRONTEND=noninteractive
apt-get install -y -qq --no-install-recommends g++-mingw-w64-x86-64-posix mingw-w64-tools cmake ninja-build \
  qt6-base-dev qt6-base-dev-tools qt6-base-private-dev dpkg-dev xz-utils >/dev/null
if ! grep -rqs '^Types: deb-src' /etc/apt/sources.list.d/ && ! grep -qs '^deb-src' /etc/apt/sources.list; then
  printf 'Types: deb-src\nURIs: http://deb.debian.org/debian\nSuites: bookworm bookworm-updates\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
    > /etc/apt/sources.list.d/zibbet-qt-src.sources
  apt-get update -qq
fi
cd "$work"
[ -f qt6-base_6.4.2+dfsg.orig.tar.xz ] || apt-get source --download-only qt6-base=6.4.2+dfsg-10 >/dev/null 2>&1 \
  || apt-get source --download-only qt6-base >/dev/null
[ -d qtbase-everywhere-src-6.4.2 ] || tar xf qt6-base_6.4.2+dfsg.orig.tar.xz
if [ ! -d qtsvg-everywhere-src-6.4.2 ]; then
  svg=${QTSVG_TARBALL:-$here/../../shared/windows/qtsvg-everywhere-src-6.4.2.tar.xz}
  if [ -f "$svg" ]; then
    tar xf "$svg"
  else
    apt-get source --download-only qt6-svg=6.4.2-2 >/dev/null 2>&1 || apt-get source --download-only qt6-svg >/dev/null
    mkdir qtsvg-everywhere-src-6.4.2
    tar -C qtsvg-everywhere-src-6.4.2 --strip-components=1 -xf qt6-svg_6.4.2.orig.tar.xz
  fi
fi

# Tablet input off in the two Windows platform plugins (no wintab.h in Debian's source).
for p in windows direct2d; do
  d=qtbase-everywhere-src-6.4.2/src/plugins/platforms/$p
  sed -i 's/CONDITION QT_FEATURE_tabletevent/CONDITION FALSE/' "$d/CMakeLists.txt"
  grep -rl 'QT_CONFIG(tabletevent)' "$d" | xargs -r sed -i 's/QT_CONFIG(tabletevent)/0/g'
done
# Software-GL detection only where OpenGL exists.
sed -i 's/^#if QT_CONFIG(dynamicgl)$/#if QT_CONFIG(dynamicgl) \&\& QT_CONFIG(opengl)/' \
  qtbase-everywhere-src-6.4.2/src/plugins/platforms/windows/qwindowswindow.cpp

mkdir -p "$prefix"
cat > "$prefix/mingw-w64.cmake" <<'T'
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
T
cmake -S qtbase-everywhere-src-6.4.2 -B build-qtbase -G Ninja -DCMAKE_TOOLCHAIN_FILE="$prefix/mingw-w64.cmake" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_BUILD_TYPE=Release -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_opengl=OFF -DFEATURE_printsupport=OFF \
  -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF >configure-qtbase.log
cmake --build build-qtbase --parallel
cmake --install build-qtbase
"$prefix/bin/qt-cmake" -S qtsvg-everywhere-src-6.4.2 -B build-qtsvg -G Ninja \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake -DCMAKE_BUILD_TYPE=Release >configure-qtsvg.log
cmake --build build-qtsvg --parallel
cmake --install build-qtsvg
# Relocatable: Qt's toolchain file chainloads the MinGW one beside the prefix, wherever it is unpacked.
sed -i 's#^set(__qt_initially_configured_toolchain_file ".*")#set(__qt_initially_configured_toolchain_file "${CMAKE_CURRENT_LIST_DIR}/../../../mingw-w64.cmake")#' \
  "$prefix/lib/cmake/Qt6/qt.toolchain.cmake"
echo "Qt for MinGW installed in $prefix"
