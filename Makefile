# SPDX-FileCopyrightText: 2026 The Zibbet developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The two everyday commands. Both install what the build needs first.
#   make run    build and start the game (the game alone: no tests, no benchmarks)
#   make test   build with warnings as errors and run every test headless
# make alone builds what make run starts (the release preset: the game, its
# icons and man page, ready for cmake --install) without starting it;
# make deps installs every tool the project knows, for every path.
# For packagers:
#   make package        the Debian package, build/package/zibbet_<version>_<arch>.deb
#   make package-check  the package, then desktop-file-validate, appstreamcli,
#                       the man page, reuse lint and lintian on it
# For Windows, from Debian (the README's "Windows"):
#   make windows        the game cross-built by MinGW-w64 against a Qt for
#                       MinGW (scripts/qt-mingw.sh finds or unpacks one), and
#                       what a Windows player downloads:
#                       build/windows/zibbet-<version>-windows-x86_64.zip and
#                       build/windows/zibbet-<version>-windows-x86_64-setup.exe
#   make windows-check  those, then the tests under Wine and the installer's
#                       round trip (install, start, uninstall) under Wine

DEPS = bash scripts/install-deps.sh

# With no locale set at all (a container, ssh, CI), Qt 6.8 and later warn in
# four lines from each of their tools the build runs (rcc) and from every Qt
# program, then switch to UTF-8 themselves. Saying UTF-8 for character types
# alone, as they would, keeps the output to what matters and changes nothing
# else (messages, numbers and dates stay in the C locale).
ifeq ($(LC_ALL)$(LC_CTYPE)$(LANG),)
export LC_CTYPE := C.UTF-8
endif

.PHONY: build deps run test nox11 asan bench package package-check windows windows-check clean
.DEFAULT_GOAL := build

build:
	@$(DEPS) player
	cmake --preset release
	cmake --build --preset release

deps:
	@$(DEPS) all

run: build
	./build/release/app/zibbet

test:
	@$(DEPS) test
	cmake --preset ci
	cmake --build --preset ci
	ctest --preset ci

# The game and its tests built without X11 (ZIBBET_X11=OFF), as on a system
# whose Qt has no xcb, and by the second compiler, clang, and run headless;
# the game must not link xcb itself.
nox11:
	@$(DEPS) test clang
	cmake --preset ci-nox11
	cmake --build --preset ci-nox11
	ctest --preset ci-nox11
	@if readelf -d build/ci-nox11/app/zibbet | grep 'NEEDED.*libxcb'; then \
	  echo "the game built without X11 links xcb" >&2; exit 1; fi
	@echo "the game built without X11 links no xcb"

asan:
	@$(DEPS) test
	cmake --preset asan
	cmake --build --preset asan
	ctest --preset asan

bench:
	@$(DEPS) bench
	cmake --preset bench
	cmake --build --preset bench
	./build/bench/bench/core_bench

package:
	@$(DEPS) package
	cmake --preset package
	cmake --build --preset package
	cpack --preset package

package-check: package
	@$(DEPS) package-check
	bash scripts/check-package.sh

windows:
	@$(DEPS) windows
	qt=$$(bash scripts/qt-mingw.sh) && ZIBBET_QT_MINGW=$$qt cmake --preset windows
	cmake --build --preset windows
	bash scripts/windows-package.sh

windows-check: windows
	ctest --preset windows
	bash scripts/windows-roundtrip.sh

clean:
	rm -rf build
