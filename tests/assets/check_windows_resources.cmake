# SPDX-License-Identifier: MIT
# Compiles the program's configured resource script with the MinGW resource compiler, reads the
# result back and checks the icon group and the version record.
#   cmake -DRC=velkaro.rc -DWORK_DIR=dir -DCOMPANY_NAME=... [-DWINDRES=...] -P this-file
# Prints "SKIPPED" (the test is then marked as skipped) only when no windres is installed.

if(NOT WINDRES)
    find_program(WINDRES NAMES x86_64-w64-mingw32-windres i686-w64-mingw32-windres windres)
endif()
if(NOT WINDRES)
    message("SKIPPED: no windres resource compiler found")
    return()
endif()

# Without the MinGW C compiler, windres can use the host's C preprocessor.
set(preprocessor "")
find_program(MINGW_GCC NAMES x86_64-w64-mingw32-gcc i686-w64-mingw32-gcc)
if(NOT MINGW_GCC)
    find_program(HOST_CPP NAMES cpp)
    if(HOST_CPP)
        set(preprocessor "--preprocessor=${HOST_CPP}" "--preprocessor-arg=-xc")
    endif()
endif()

file(MAKE_DIRECTORY "${WORK_DIR}")
execute_process(
    COMMAND "${WINDRES}" ${preprocessor} -i "${RC}" -o "${WORK_DIR}/velkaro.res"
    RESULT_VARIABLE result ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "windres cannot compile ${RC}:\n${errors}")
endif()
execute_process(
    COMMAND "${WINDRES}" -i "${WORK_DIR}/velkaro.res" -O rc -o "${WORK_DIR}/read-back.rc"
    RESULT_VARIABLE result ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "windres cannot read back velkaro.res:\n${errors}")
endif()
file(READ "${WORK_DIR}/read-back.rc" text)

set(failures "")
function(expect description regex)
    if(NOT text MATCHES "${regex}")
        set(failures "${failures}\n  ${description}" PARENT_SCOPE)
    endif()
endfunction()
function(expect_value name value)
    string(REPLACE "\"" "\"\"" written "${value}")
    string(FIND "${text}" "VALUE \"${name}\", \"${written}\"\n" at)
    if(at EQUAL -1)
        set(failures "${failures}\n  ${name} is not \"${value}\"" PARENT_SCOPE)
    endif()
endfunction()

# The icon group: a 32x32 and a 16x16 image, each 16 colours (4 bits per pixel).
expect("one icon group" "RT_GROUP_ICON")
expect("the icon group holds two images" "Has 2 elements")
expect("a 32x32 16-colour image" "\"\\\\040\\\\040\\\\020\\\\000\", 1, 4,")
expect("a 16x16 16-colour image" "\"\\\\020\\\\020\\\\020\\\\000\", 1, 4,")

expect("the version record has id 1" "\n1 VERSIONINFO\n")
expect("FILEVERSION 1,0,0,0" "FILEVERSION 1, 0, 0, 0\n")
expect("PRODUCTVERSION 1,0,0,0" "PRODUCTVERSION 1, 0, 0, 0\n")
expect("FILETYPE is an application" "FILETYPE 0x1\n")
expect("strings in US English, Unicode" "BLOCK \"040904B0\"")
expect("Translation 0x409, 1200" "VALUE \"Translation\", 0x409, 1200\n")
expect_value(FileVersion "1.00")
expect_value(ProductVersion "1.00")
expect_value(ProductName "Velkaro")
expect_value(InternalName "Velkaro")
expect_value(OriginalFilename "Velkaro.exe")
# windres writes characters outside ASCII as escapes; compare the name only when it is plain.
if(COMPANY_NAME MATCHES "^[ -~]*$")
    expect_value(CompanyName "${COMPANY_NAME}")
else()
    expect("a CompanyName" "VALUE \"CompanyName\", ")
endif()

if(failures)
    message(FATAL_ERROR "The Windows resources are wrong:${failures}\n\nRead back:\n${text}")
endif()
message(STATUS "Windows resources: icon group and version record as expected")
