# SPDX-License-Identifier: MIT
# The web edition with Debian's Emscripten: cmake -DCMAKE_TOOLCHAIN_FILE=cmake/emscripten.cmake ...
# Emscripten's JavaScript optimiser, run when linking, finds its Node.js modules (acorn) where
# Debian puts them only with NODE_PATH.
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)
