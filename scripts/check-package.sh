#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zibbet developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Checks the Debian package that "make package" built, on the files as the
# package ships them: the desktop file, the AppStream metainfo, the man
# page, the program's clean failure without a display, the licence data of
# the source tree, and lintian on the .deb itself. Any complaint fails.
# "make package-check" builds the package and installs the tools first.
set -euo pipefail
cd "$(dirname "$0")/.."

deb=$(ls -t build/package/zibbet_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || { echo "no package: run make package first" >&2; exit 1; }
echo "-- $deb"
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"

echo "-- desktop-file-validate"
desktop=("$root"/usr/share/applications/*.desktop)
desktop-file-validate "${desktop[@]}"

echo "-- appstreamcli validate"
# --no-net: these machines reach no web site, so the home page and the
# screenshots' addresses are not fetched; everything else is checked.
appstreamcli validate --pedantic --no-net "$root"/usr/share/metainfo/*.metainfo.xml

echo "-- man page"
man6="$root/usr/share/man/man6/zibbet.6.gz"
lexgrog "$man6"
warnings=$(MANWIDTH=80 man --warnings -l "$man6" 2>&1 >/dev/null)
[ -z "$warnings" ] || { echo "$warnings"; exit 1; }

echo "-- no display: exit status 1 with Qt's message"
for how in "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM" "env QT_QPA_PLATFORM=nosuch"; do
  status=0
  $how "$root/usr/games/zibbet" 2>/dev/null || status=$?
  [ "$status" -eq 1 ] || { echo "$how zibbet: exit status $status, not 1" >&2; exit 1; }
done
echo "exit status 1 both ways"

echo "-- reuse lint"
reuse lint

echo "-- lintian"
lintian --fail-on error,warning "$deb"
echo "lintian: no error, no warning"
