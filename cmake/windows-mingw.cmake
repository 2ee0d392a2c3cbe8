# SPDX-FileCopyrightText: 2026 The Zibbet developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Toolchain: the game for 64-bit Windows, built on Debian by MinGW-w64 with
# posix threads (the variant a Qt for MinGW is built with: std::thread and
# its kin need them), against a Qt for MinGW, with Debian's own Qt of the
# same version for the tools Qt runs at build time (moc, rcc, uic).
#
#   ZIBBET_QT_MINGW   the Qt for MinGW (its prefix, holding lib/cmake/Qt6);
#                     scripts/qt-mingw.sh prints where it unpacked one
#
# What the build makes runs under Wine: ctest starts each test through it.
# CMake reads this file
# again for each of its compiler checks, without the cache: the Qt is taken
# from the environment as well.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

if(NOT ZIBBET_QT_MINGW AND DEFINED ENV{ZIBBET_QT_MINGW})
    set(ZIBBET_QT_MINGW "$ENV{ZIBBET_QT_MINGW}")
endif()
set(ZIBBET_QT_MINGW "${ZIBBET_QT_MINGW}" CACHE PATH "The Qt for MinGW: its prefix")
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES ZIBBET_QT_MINGW)

# Libraries and headers from MinGW and that Qt alone, never the build
# machine's; programs from the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${ZIBBET_QT_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_PREFIX_PATH ${ZIBBET_QT_MINGW})
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/${CMAKE_HOST_SYSTEM_PROCESSOR}-linux-gnu/cmake)

# Each program the build or ctest runs goes through cmake/wine.sh, which
# finds the DLLs of that Qt and of MinGW for it.
set(CMAKE_CROSSCOMPILING_EMULATOR bash ${CMAKE_CURRENT_LIST_DIR}/wine.sh ${ZIBBET_QT_MINGW})
