# SPDX-License-Identifier: MIT
# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (the posix-threads compilers):
# cmake -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake ...
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(VELKARO_MINGW x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${VELKARO_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VELKARO_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${VELKARO_MINGW}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${VELKARO_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One file with nothing beside it: the C++ and threads runtimes linked in. -municode: the entry
# point is wWinMain.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# The tests run under Wine, in a prefix the wrapper makes in the build tree.
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run")
