# SPDX-License-Identifier: GPL-3.0-or-later
# A strict warning set for our own targets; third-party headers come in as
# system includes and stay quiet.
add_library(boxmill_warnings INTERFACE)
target_compile_options(boxmill_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wundef -Wformat=2 -Wnon-virtual-dtor
    -Wold-style-cast -Woverloaded-virtual -Wcast-align -Wshadow)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    # GCC 12 reports -Wrestrict inside libstdc++'s own string concatenation
    # at -O2 (GCC bug 105329); the warning says nothing about our code.
    target_compile_options(boxmill_warnings INTERFACE -Wno-restrict)
endif()
