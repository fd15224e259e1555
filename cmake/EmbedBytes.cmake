# SPDX-License-Identifier: MIT
# Writes a file's bytes as a C++ array: INPUT (a file), OUTPUT (the .inc to write), NAME (the
# array's name), set before include().
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" length)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x..,){16})" "\\1\n" bytes "${bytes}")
math(EXPR size "${length} / 2")
file(WRITE "${OUTPUT}" "// Generated from ${INPUT}; do not edit.\nconst unsigned char ${NAME}[${size}] = {\n${bytes}\n};\n")
