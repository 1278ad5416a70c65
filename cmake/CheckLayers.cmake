# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a file under SOURCE_DIR includes a folder its layer may not
# use: every library links only downward, and the compiler alone would not
# notice an include of a header whose code is never called.
#   cmake -DSOURCE_DIR=<tree>/src -P CheckLayers.cmake
cmake_minimum_required(VERSION 3.22)
set(plain core geometry cutlist designer views panels print help sheets jobs)
set(allowed_core core)
set(allowed_geometry core geometry)
set(allowed_cutlist core geometry cutlist)
set(allowed_designer core geometry designer)
set(allowed_views core geometry cutlist designer views)
set(allowed_panels core geometry panels)
set(allowed_sheets core geometry cutlist sheets)
set(allowed_jobs core geometry cutlist designer sheets jobs)
set(allowed_help core help)
set(allowed_print core geometry cutlist designer views panels sheets help print)
set(allowed_session ${plain} session)
# The command line paints its PDF shop drawings with the windows' own
# renderer, on Qt's offscreen platform.
set(allowed_cli ${plain} session ui/common cli)
set(allowed_ui/common ${plain} session ui/common)
set(allowed_app ${plain} session ui/common app)
foreach(feature IN LISTS plain)
    # A feature's windows use their own plain code and what all windows share.
    set(allowed_${feature}/ui ${plain} session ui/common ${feature}/ui)
    list(APPEND allowed_app ${feature}/ui)
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
        if(NOT used IN_LIST allowed_${layer})
            string(APPEND violations "\n  ${file}: includes \"${target}\" from layer '${used}'")
        endif()
    endforeach()
endforeach()
if(violations)
    message(FATAL_ERROR "Includes that run up or across the layers:${violations}")
endif()
