# SPDX-FileCopyrightText: 2026 The Zibbet developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The Debian package, built by CPack ("make package", or "cpack --preset
# package" after building the package preset). The package preset installs
# to /usr with the program in /usr/games.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zibbet)
set(CPACK_PACKAGE_VENDOR "${ZIBBET_VENDOR}")
set(CPACK_PACKAGE_CONTACT "${ZIBBET_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "peg solitaire in seven levels")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [=[
Zibbet is a single-player peg solitaire for the desktop, with its whole
user interface in Italian. Clear the pegs from a cross of 33 holes by
jumping one peg over its neighbour, across or up and down, into the empty
hole beyond; the jumped peg is removed. Leave a single peg and the level
is won.

Seven levels lead from a cross of six pegs to the full board of 32. The
last jump can be taken back, and on the last level the game also
recognises three target patterns. Help screens tell the history of the
game, how to play and the variants.]=])
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries from the program's links; the fonts the windows are drawn in:
# the two the forms name, and DejaVu Sans, Debian's default sans-serif face,
# which the menus take (they name none). Without it fontconfig answers a
# monospace face. scripts/check-package.sh checks it.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-comic-neue, fonts-liberation2, fonts-dejavu-core")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
