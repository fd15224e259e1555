# Runs a validator on a file and fails on any error or warning it reports (appstreamcli's "E:" and
# "W:" lines, desktop-file-validate's "error:" and "warning:"); hints, infos and pedantic notes
# are printed but allowed. Prints "SKIPPED" (the test is then marked as skipped) when the
# validator is not installed.
#   cmake -DTOOL=name "-DARGS=arg;arg" -DFILE=path -P this-file

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
if(output MATCHES "(^|\n)[EW]: " OR output MATCHES ": (error|warning): ")
    message(FATAL_ERROR "${TOOL} warns about ${FILE}")
endif()
