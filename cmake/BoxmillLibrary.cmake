# SPDX-License-Identifier: GPL-3.0-or-later
# One static library per folder, linking only the layers below it. Sources
# are the folder's own .cpp files; its ui/ subfolder is a library of its own.
function(boxmill_library name)
    cmake_parse_arguments(ARG "QT" "" "LINKS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${ARG_LINKS} PRIVATE boxmill_warnings)
    if(ARG_QT)
        target_compile_definitions(${name} PUBLIC QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII
                                   QT_NO_URL_CAST_FROM_STRING QT_NO_CAST_FROM_BYTEARRAY QT_USE_QSTRINGBUILDER)
    endif()
endfunction()
