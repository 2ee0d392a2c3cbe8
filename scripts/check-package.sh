#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zibbet developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Checks the Debian package that "make package" built, on the files as the
# package ships them: the desktop file, the AppStream metainfo, the man
# page, the program's clean failure without a display, the face its menus
# get from the fonts it depends on, the licence data of the source tree,
# and lintian on the .deb itself. Any complaint fails.
# "make package-check" builds the package first.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh package-check

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

echo "-- no display: exit status 1 and the program's own line"
expected="zibbet: cannot open a window: no display could be reached. The game needs a graphical session (X11 or Wayland)."
for how in "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM" "env QT_QPA_PLATFORM=nosuch"; do
  status=0
  said=$($how "$root/usr/games/zibbet" 2>&1) || status=$?
  [ "$status" -eq 1 ] || { echo "$how zibbet: exit status $status, not 1" >&2; exit 1; }
  [ "$said" = "$expected" ] || { printf '%s zibbet said:\n%s\n' "$how" "$said" >&2; exit 1; }
done
echo "exit status 1 and one line, both ways"

echo "-- the menus' face, with no fonts but those the package depends on"
# The menus name no font: they take fontconfig's sans-serif face. On a
# system with only the package's fonts, that face must not be monospace.
# fontconfig is asked with the system's rules and those fonts alone.
fonts=$(dpkg-deb -f "$deb" Depends | tr ',' '\n' | sed 's/^ *//; s/[ |].*//' | grep '^fonts-' || true)
mkdir "$root/fonts"
for font in $fonts; do
  dpkg -L "$font" | grep -E '\.(ttf|otf)$' | xargs -r ln -s -t "$root/fonts"
done
cat > "$root/fonts.conf" <<XML
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <dir>$root/fonts</dir>
  <cachedir>$root/fontcache</cachedir>
  <include ignore_missing="yes">/etc/fonts/conf.d</include>
</fontconfig>
XML
IFS='|' read -r face spacing < <(FONTCONFIG_FILE=$root/fonts.conf fc-match -f '%{family[0]}|%{spacing}\n' sans-serif)
# fontconfig's spacing: 100 monospace, 90 dual width, none proportional.
[ -z "$spacing" ] || { echo "the menus would be drawn in $face, a monospace face (depends: $fonts)" >&2; exit 1; }
echo "menus in $face, from" $fonts

echo "-- reuse lint"
reuse lint

echo "-- lintian"
lintian --fail-on error,warning "$deb"
echo "lintian: no error, no warning"
