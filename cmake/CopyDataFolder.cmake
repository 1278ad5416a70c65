# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DSOURCE=data -DTARGET=program -P CopyDataFolder.cmake
# Copies the shipped data files; the readable default cabinet and the
# placeholders that keep empty folders in git stay behind.
file(MAKE_DIRECTORY ${TARGET})
file(GLOB_RECURSE entries RELATIVE ${SOURCE} LIST_DIRECTORIES true ${SOURCE}/*)
foreach(entry IN LISTS entries)
    if(IS_DIRECTORY ${SOURCE}/${entry})
        file(MAKE_DIRECTORY ${TARGET}/${entry})
    elseif(NOT entry MATCHES "(^|/)\\.gitkeep$" AND NOT entry STREQUAL "Newcab.txt")
        configure_file(${SOURCE}/${entry} ${TARGET}/${entry} COPYONLY)
    endif()
endforeach()
