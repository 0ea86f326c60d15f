# SPDX-FileCopyrightText: The Tessaly developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Cross-compiling for 64-bit Windows with Debian's mingw-w64 compilers. The -posix variants
# give std::thread and std::mutex; the program and its static Qt are built with these.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TESSALY_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TESSALY_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TESSALY_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${TESSALY_MINGW}-windres)

# Look for headers, libraries and packages in the mingw tree (and in the prefixes the build
# adds, such as the static Qt), never among the machine's own Linux ones; run its own tools.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${TESSALY_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Single executables: the compiler's own runtime (libgcc, libstdc++, winpthread) goes inside.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
