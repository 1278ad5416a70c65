# SPDX-License-Identifier: GPL-3.0-or-later
# A strict warning set for our own targets; third-party headers come in as
# system includes and stay quiet.
add_library(boxmill_warnings INTERFACE)
target_compile_options(boxmill_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wundef -Wformat=2 -Wnon-virtual-dtor
    -Wold-style-cast -Woverloaded-virtual -Wcast-align -Wshadow)
