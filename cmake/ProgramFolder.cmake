# SPDX-License-Identifier: GPL-3.0-or-later
# The program folder the build lays out: data/ as shipped, with Newcab.dat
# compiled from its readable source. Run scripts copy it to a writable place.
set(BOXMILL_PROGRAM_DIR ${CMAKE_BINARY_DIR}/program)
file(GLOB_RECURSE BOXMILL_DATA_FILES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/data/*)
add_custom_command(
    OUTPUT ${BOXMILL_PROGRAM_DIR}/Newcab.dat
    COMMAND ${CMAKE_COMMAND} -DSOURCE=${PROJECT_SOURCE_DIR}/data -DTARGET=${BOXMILL_PROGRAM_DIR}
            -P ${PROJECT_SOURCE_DIR}/cmake/CopyDataFolder.cmake
    COMMAND boxmill-newcab ${PROJECT_SOURCE_DIR}/data ${BOXMILL_PROGRAM_DIR}/Newcab.dat
    DEPENDS boxmill-newcab ${BOXMILL_DATA_FILES} ${PROJECT_SOURCE_DIR}/cmake/CopyDataFolder.cmake
    COMMENT "Laying out the program folder"
    VERBATIM)
add_custom_target(program_folder ALL DEPENDS ${BOXMILL_PROGRAM_DIR}/Newcab.dat)

# Installed, the program folder is read-only data that each user's own
# program folder is made from on first start (see core/ProgramFolder).
install(DIRECTORY ${BOXMILL_PROGRAM_DIR}/ DESTINATION share/boxmill/program)
