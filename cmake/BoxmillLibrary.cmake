# SPDX-License-Identifier: GPL-3.0-or-later
# One static library per folder, linking the layers that cmake/Layers.cmake
# says it uses and, through LINKS, outside libraries only. Sources are the
# folder's own .cpp files; its ui/ subfolder is a library of its own.
#   boxmill_library(<layer> [QT] [LINKS <outside libraries>...])
function(boxmill_library layer)
    cmake_parse_arguments(ARG "QT" "" "LINKS" ${ARGN})
    boxmill_layer_target(${layer} name)
    boxmill_layer_links(${layer} layer_links)
    foreach(link IN LISTS ARG_LINKS)
        if(link MATCHES "^boxmill")
            message(FATAL_ERROR "${name}: the layers it links come from cmake/Layers.cmake, not LINKS (${link})")
        endif()
    endforeach()
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${layer_links} ${ARG_LINKS} PRIVATE boxmill_warnings)
    if(ARG_QT)
        target_compile_definitions(${name} PUBLIC QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII
                                   QT_NO_URL_CAST_FROM_STRING QT_NO_CAST_FROM_BYTEARRAY QT_USE_QSTRINGBUILDER)
        boxmill_precompile_qt(${name})
    endif()
endfunction()

# Qt's widget headers are most of what a window's file costs to compile:
# they are read once, for ui/common, and every window library above it
# reuses that (same flags, same definitions). The painting library stays
# without them, so a widget there still fails to compile.
option(BOXMILL_PRECOMPILE_QT "Precompile Qt's headers for the windows" ON)
function(boxmill_precompile_qt target)
    if(NOT BOXMILL_PRECOMPILE_QT OR target STREQUAL "boxmill_paint")
        return()
    endif()
    if(target STREQUAL "boxmill_ui_common")
        target_precompile_headers(${target} PRIVATE <QtWidgets/QtWidgets>)
    else()
        target_precompile_headers(${target} REUSE_FROM boxmill_ui_common)
    endif()
endfunction()
