# SPDX-FileCopyrightText: 2026 The Zibbet developers
# SPDX-License-Identifier: GPL-3.0-or-later

# In a cross build, the tools the build runs (render-art, render-icon) are
# built for the machine that builds, by its own compiler against its own Qt,
# in host-tools/ of the build folder, and stand in for the targets a native
# build makes of them: rules that name render-art or render-icon run these.
# A native build never reads this file.
include(ExternalProject)
set(host_tools_dir ${CMAKE_BINARY_DIR}/host-tools)
# Always asked to build: the outer build cannot see the tools' sources
# change; when nothing did, it is a no-op of a few milliseconds.
ExternalProject_Add(host-tools
    SOURCE_DIR ${CMAKE_CURRENT_LIST_DIR}/host-tools
    BINARY_DIR ${host_tools_dir}
    CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release
    BUILD_ALWAYS ON
    BUILD_BYPRODUCTS ${host_tools_dir}/render-art ${host_tools_dir}/render-icon
    INSTALL_COMMAND ""
    USES_TERMINAL_BUILD OFF)
foreach(tool render-art render-icon)
    add_executable(${tool} IMPORTED GLOBAL)
    set_target_properties(${tool} PROPERTIES IMPORTED_LOCATION ${host_tools_dir}/${tool})
    add_dependencies(${tool} host-tools)
endforeach()
