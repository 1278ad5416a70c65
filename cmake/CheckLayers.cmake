# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a file under SOURCE_DIR includes a folder its layer may not
# use: every library links only downward, and the compiler alone would not
# notice an include of a header whose code is never called.
#   cmake -DSOURCE_DIR=<tree>/src -P CheckLayers.cmake
cmake_minimum_required(VERSION 3.22)
include(${CMAKE_CURRENT_LIST_DIR}/Layers.cmake)
foreach(layer IN LISTS BOXMILL_LAYERS)
    boxmill_layer_reach(${layer} allowed_${layer})
endforeach()

# The layer of a path relative to src/, or of an include path.
function(layer_of path out)
    string(REGEX MATCH "^[^/]+(/ui)?" layer "${path}")
    if(layer MATCHES "^ui$")
        set(layer "ui/common")
    endif()
    set(${out} "${layer}" PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE files RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.h ${SOURCE_DIR}/*.cpp)
set(violations "")
foreach(file IN LISTS files)
    layer_of("${file}" layer)
    if(NOT DEFINED allowed_${layer})
        string(APPEND violations "\n  ${file}: folder '${layer}' is in no layer")
        continue()
    endif()
    file(STRINGS ${SOURCE_DIR}/${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]+\"[^\"]*/")
    foreach(line IN LISTS includes)
        string(REGEX REPLACE "^[^\"]*\"([^\"]*)\".*$" "\\1" target "${line}")
        layer_of("${target}" used)
        # Windows change the session only through its commands.
        if(target STREQUAL "session/SessionAccess.h" AND NOT layer MATCHES "^(session|cli)$")
            string(APPEND violations "\n  ${file}: reaches into the session's state past its commands")
        endif()
        if(NOT used IN_LIST allowed_${layer})
            string(APPEND violations "\n  ${file}: includes \"${target}\" from layer '${used}'")
        endif()
    endforeach()
endforeach()
if(violations)
    message(FATAL_ERROR "Includes that run up or across the layers:${violations}")
endif()
