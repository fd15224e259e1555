# SPDX-License-Identifier: MIT
# Runs a validator on a file and fails on anything it reports: appstreamcli's "E:", "W:", "I:"
# and pedantic "P:" lines, desktop-file-validate's "error:" and "warning:" (its hints are printed
# but allowed). Prints "SKIPPED" (the test is then marked as skipped) when the validator is not
# installed.
#   cmake -DTOOL=name "-DARGS=arg;arg" -DFILE=path -P this-file
#
# One info is allowed: AppStream before 1.0 (Debian 12 has 0.16) does not know the <developer>
# element that AppStream 1.0 puts in place of <developer_name>, and says "unknown-tag developer".

find_program(tool_path NAMES ${TOOL})
if(NOT tool_path)
    message("SKIPPED: ${TOOL} is not installed")
    return()
endif()
execute_process(COMMAND "${tool_path}" ${ARGS} "${FILE}"
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
message("${output}")
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${TOOL} rejects ${FILE}")
endif()

set(allowed "")
if(TOOL STREQUAL "appstreamcli")
    execute_process(COMMAND "${tool_path}" --version OUTPUT_VARIABLE version)
    if(version MATCHES "([0-9]+\\.[0-9]+(\\.[0-9]+)?)" AND CMAKE_MATCH_1 VERSION_LESS 1.0)
        set(allowed "^I: [^ ]+: unknown-tag developer$")
    endif()
endif()

string(REPLACE "\n" ";" lines "${output}")
foreach(line IN LISTS lines)
    if(line MATCHES "^[EWIP]: " OR line MATCHES ": (error|warning): ")
        if(allowed AND line MATCHES "${allowed}")
            continue()
        endif()
        message(FATAL_ERROR "${TOOL} reports on ${FILE}: ${line}")
    endif()
endforeach()
