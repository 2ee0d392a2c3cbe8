#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zibbet developers
# SPDX-License-Identifier: GPL-3.0-or-later

# MinGW's runtime DLLs, which the Qt DLLs and the game link: C++'s, GCC's
# and the posix threads'. Where the compiler keeps them (the folder is named
# after GCC's version), as the compiler itself says.
#   mingw-dlls.sh         each DLL's path, one a line
#   mingw-dlls.sh dirs    the folders that hold them
set -euo pipefail
for dll in libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll; do
  path=$(realpath -e "$(x86_64-w64-mingw32-g++-posix -print-file-name=$dll)")
  if [ "${1:-}" = dirs ]; then dirname "$path"; else echo "$path"; fi
done | awk '!seen[$0]++'
