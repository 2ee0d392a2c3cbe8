#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zibbet developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Prints the prefix of the Qt for MinGW that the windows preset builds
# against, making it ready first if need be; exits 3, saying why, when there
# is none. In order:
#   ZIBBET_QT_MINGW      a Qt for MinGW already unpacked or built (its
#                        prefix, holding lib/cmake/Qt6): used as it is
#   ZIBBET_QT_MINGW_TAR  a tarball of one (qt-mingw-<version>-x86_64.tar.xz,
#                        its one top folder the prefix), by default the one
#                        in shared/windows/ beside this checkout
# A tarball is unpacked once per machine, into /var/tmp/zibbet-<its name>,
# outside the work tree, and again only when the tarball changes.
# To make such a Qt: scripts/build-qt-mingw.sh (an hour on two cores).
set -euo pipefail
if [ -n "${ZIBBET_QT_MINGW:-}" ]; then
  [ -d "$ZIBBET_QT_MINGW/lib/cmake/Qt6" ] || { echo "qt-mingw.sh: no Qt in ZIBBET_QT_MINGW=$ZIBBET_QT_MINGW" >&2; exit 3; }
  echo "$ZIBBET_QT_MINGW"
  exit 0
fi
top=$(git -C "$(dirname "$0")" rev-parse --show-toplevel 2>/dev/null || (cd "$(dirname "$0")/.." && pwd))
tarball=${ZIBBET_QT_MINGW_TAR:-$top/../shared/windows/qt-mingw-6.4.2-x86_64.tar.xz}
if [ ! -f "$tarball" ]; then
  echo "qt-mingw.sh: no Qt for MinGW: neither ZIBBET_QT_MINGW (a Qt's prefix) nor a tarball at $tarball" \
       "(ZIBBET_QT_MINGW_TAR); scripts/build-qt-mingw.sh makes one" >&2
  exit 3
fi
name=$(basename "$tarball" .tar.xz)
prefix=/var/tmp/zibbet-${name%-x86_64}
stamp="$(stat -c '%s %Y' "$tarball") $tarball"
if [ ! -f "$prefix/.unpacked" ] || [ "$(cat "$prefix/.unpacked")" != "$stamp" ]; then
  echo "qt-mingw.sh: unpacking $tarball into $prefix" >&2
  rm -rf "$prefix" "$prefix.new"
  mkdir -p "$prefix.new"
  tar -C "$prefix.new" --strip-components=1 -xJf "$tarball"
  echo "$stamp" >"$prefix.new/.unpacked"
  mv "$prefix.new" "$prefix"
fi
echo "$prefix"
