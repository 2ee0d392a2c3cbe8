# SPDX-FileCopyrightText: 2026 The Zibbet developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Run by the build (zibbet_check_includes() in layers.cmake):
#   cmake -DSOURCES=<file;...> -DALONE=<regex> -P check-includes.cmake
# Fails on a quoted include that climbs out of its file's folder, and on a
# header of the file's own folder whose name matches ALONE included from a
# file of another name.

set(breaches)
foreach(file IN LISTS SOURCES)
    if(NOT file MATCHES "\\.(h|cpp)$")
        continue()
    endif()
    cmake_path(GET file PARENT_PATH folder)
    cmake_path(GET file STEM stem)
    file(STRINGS ${file} lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(line IN LISTS lines)
        string(REGEX REPLACE "^[^\"]*\"([^\"]*)\".*$" "\\1" included "${line}")
        if(included MATCHES "(^|/)\\.\\.(/|$)")
            list(APPEND breaches "${file}: ${included} climbs out of its folder")
        elseif(ALONE AND NOT included MATCHES "/" AND included MATCHES "${ALONE}"
               AND EXISTS ${folder}/${included} AND NOT included STREQUAL "${stem}.h")
            cmake_path(GET included STEM owner)
            list(APPEND breaches "${file}: ${included} is for ${owner}.cpp alone")
        endif()
    endforeach()
endforeach()
if(breaches)
    list(JOIN breaches "\n  " text)
    message(FATAL_ERROR "Includes across the layers:\n  ${text}")
endif()
