# SPDX-FileCopyrightText: The Tessaly developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Gathers the files the zip and the installer ship into STAGE, the executables stripped:
# cmake -DSTAGE=<folder> -DSTRIP=<strip> -DFILES=<file|...> -P stage.cmake
file(REMOVE_RECURSE ${STAGE})
file(MAKE_DIRECTORY ${STAGE})
string(REPLACE "|" ";" FILES "${FILES}")
foreach(file ${FILES})
    file(COPY ${file} DESTINATION ${STAGE})
    get_filename_component(name ${file} NAME)
    if(name MATCHES "\\.exe$")
        execute_process(COMMAND ${STRIP} --strip-unneeded ${STAGE}/${name} COMMAND_ERROR_IS_FATAL ANY)
    endif()
endforeach()
