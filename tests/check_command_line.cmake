# SPDX-License-Identifier: MIT
# Runs the built program as a player would from a terminal without a display: --help and
# --version, a wrong option, and start-ups whose display is missing or does not answer. Checks
# the exit codes and that each error is one line.
#   cmake -DVELKARO=path/to/velkaro -DVERSION=1.00 -P this-file

set(failures "")
# run(<name> <expected exit code> <regex for stdout> <regex for stderr> <env args> -- <args>)
function(run name code out err)
    set(env "")
    set(args "")
    set(target env)
    foreach(item IN LISTS ARGN)
        if(item STREQUAL "--")
            set(target args)
        else()
            list(APPEND ${target} "${item}")
        endif()
    endforeach()
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
            --unset=QT_QPA_PLATFORM ${env} "${VELKARO}" ${args}
        RESULT_VARIABLE result OUTPUT_VARIABLE stdout ERROR_VARIABLE stderr TIMEOUT 60)
    if(NOT result STREQUAL "${code}" OR NOT stdout MATCHES "${out}" OR NOT stderr MATCHES "${err}")
        string(APPEND failures "\n  ${name}: exit ${result} (expected ${code})\n"
            "    stdout: ${stdout}\n    stderr: ${stderr}")
        set(failures "${failures}" PARENT_SCOPE)
    endif()
endfunction()

set(one_line "^velkaro: [^\n]+\n$")
run("--version" 0 "^Velkaro ${VERSION}\n$" "^$" -- --version)
run("-v" 0 "^Velkaro ${VERSION}\n$" "^$" -- -v)
run("--help" 0 "^Usage: velkaro \\[options\\]\n.*--version" "^$" -- --help)
run("Qt options before --version" 0 "^Velkaro " "^$" -- -platform offscreen -style Fusion -reverse
    --version)
run("unknown option" 2 "^$" "^velkaro: unknown option 'bogus'[^\n]*\n$" -- --bogus)
run("an argument" 2 "^$" "${one_line}" -- 42)
run("no display" 1 "^$" "^velkaro: the game needs a graphical desktop[^\n]*xvfb-run[^\n]*\n$")
run("a display nobody serves" 1 "^$" "^velkaro: cannot open the display \"unix:65000\"[^\n]*\n$"
    DISPLAY=unix:65000)
run("-display nobody serves" 1 "^$" "^velkaro: cannot open the display \"unix:65001\"[^\n]*\n$"
    -- -display unix:65001)

if(failures)
    message(FATAL_ERROR "The command line misbehaves:${failures}")
endif()
