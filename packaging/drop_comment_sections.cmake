# SPDX-FileCopyrightText: The Tessaly developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Run by CPack on the staged files, after stripping and before packing: removes the .comment
# section (the compilers' version strings) from every ELF file, as Debian's own packages do.
file(GLOB_RECURSE staged LIST_DIRECTORIES false "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
foreach(file ${staged})
    if(IS_SYMLINK "${file}")
        continue()
    endif()
    file(READ "${file}" magic LIMIT 4 HEX)
    if(magic STREQUAL "7f454c46")
        execute_process(COMMAND "${CPACK_TESSALY_OBJCOPY}" --remove-section=.comment "${file}"
                        COMMAND_ERROR_IS_FATAL ANY)
    endif()
endforeach()
