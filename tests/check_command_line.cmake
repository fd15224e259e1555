# SPDX-License-Identifier: MIT
# Runs the built program as a player would from a terminal without a display: --help and
# --version, wrong options and arguments, Qt's options in every spelling, broken scale settings
# and start-ups whose display or platform cannot give a window. Checks the exit codes and that
# each error is one short line, with anything unprintable that it repeats escaped.
#   cmake -DVELKARO=path/to/velkaro -DVERSION=1.00 -P this-file

set(failures "")
# run(<name> <expected exit code> <regex for stdout> <regex for stderr> <env args> -- <args>)
# A semicolon inside an env arg or arg is written <semicolon>.
function(run name code out err)
    set(env "")
    set(args "")
    set(target env)
    foreach(item IN LISTS ARGN)
        if(item STREQUAL "--")
            set(target args)
        else()
            string(REPLACE "<semicolon>" "\\;" item "${item}")
            list(APPEND ${target} "${item}")
        endif()
    endforeach()
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
            --unset=QT_QPA_PLATFORM --unset=QT_SCALE_FACTOR --unset=QT_SCREEN_SCALE_FACTORS
            --unset=QT_FONT_DPI ${env} ${launcher} "${VELKARO}" ${args}
        RESULT_VARIABLE result OUTPUT_VARIABLE stdout ERROR_VARIABLE stderr TIMEOUT 90)
    string(LENGTH "${stderr}" length)
    if(NOT result STREQUAL "${code}" OR NOT stdout MATCHES "${out}" OR NOT stderr MATCHES "${err}"
       OR length GREATER 600)
        string(APPEND failures "\n  ${name}: exit ${result} (expected ${code})\n"
            "    stdout: ${stdout}\n    stderr: ${stderr}")
        set(failures "${failures}" PARENT_SCOPE)
    endif()
endfunction()

string(ASCII 27 esc)
string(ASCII 7 bel)
string(REPEAT "a" 100000 long)
set(one_line "^velkaro: [^\n]+\n$")
set(no_desktop "velkaro: the game needs a graphical desktop[^\n]*xvfb-run[^\n]*\n$")
set(no_screen "^velkaro: cannot open a window[^\n]*\n$")
set(no_fb "linuxfb:fb=/nonexistent/fb0")

run("--version" 0 "^Velkaro ${VERSION}\n$" "^$" -- --version)
run("-v" 0 "^Velkaro ${VERSION}\n$" "^$" -- -v)
run("--help" 0 "^Usage: velkaro \\[options\\]\n.*--version" "^$" -- --help)
run("Qt options before --version" 0 "^Velkaro " "^$" -- -platform offscreen -style Fusion -reverse
    --version)
run("unknown option" 2 "^$" "^velkaro: unknown option 'bogus'[^\n]*\n$" -- --bogus)
run("an argument" 2 "^$" "${one_line}" -- 42)
run("no display" 1 "^$" "^${no_desktop}")
run("a display nobody serves" 1 "^$" "^velkaro: cannot open the display \"unix:65000\"[^\n]*\n$"
    DISPLAY=unix:65000)
run("-display nobody serves" 1 "^$" "^velkaro: cannot open the display \"unix:65001\"[^\n]*\n$"
    -- -display unix:65001)

# A platform without a screen fails when the first window is made, after the application.
run("no framebuffer" 1 "^$" "${no_screen}" -- -platform ${no_fb})

# Scale settings Qt cannot draw with are left out, with one warning each.
foreach(value 0 nan inf 1e9 -1 0.001)
    run("QT_SCALE_FACTOR=${value}" 1 "^$"
        "^velkaro: QT_SCALE_FACTOR=${value} ignored[^\n]*\n${no_desktop}"
        QT_SCALE_FACTOR=${value})
endforeach()
run("QT_SCREEN_SCALE_FACTORS=-1;1e9" 1 "^$"
    "^velkaro: QT_SCREEN_SCALE_FACTORS=-1;1e9 ignored[^\n]*\n${no_desktop}"
    QT_SCREEN_SCALE_FACTORS=-1<semicolon>1e9)
run("QT_SCREEN_SCALE_FACTORS=name=0" 1 "^$"
    "^velkaro: QT_SCREEN_SCALE_FACTORS=name=0 ignored[^\n]*\n${no_desktop}"
    QT_SCREEN_SCALE_FACTORS=name=0)
run("QT_FONT_DPI=10000000" 1 "^$" "^velkaro: QT_FONT_DPI=10000000 ignored[^\n]*\n${no_desktop}"
    QT_FONT_DPI=10000000)
run("usable scale settings" 1 "^$" "^${no_desktop}" QT_SCALE_FACTOR=1.5
    QT_SCREEN_SCALE_FACTORS=1<semicolon>2 QT_FONT_DPI=120)
# The bounds themselves are usable.
foreach(scale 0.1 10)
    run("QT_SCALE_FACTOR=${scale}, a bound" 1 "^$" "^${no_desktop}" QT_SCALE_FACTOR=${scale})
endforeach()
run("QT_SCREEN_SCALE_FACTORS at the bounds" 1 "^$" "^${no_desktop}"
    QT_SCREEN_SCALE_FACTORS=0.1<semicolon>10)
foreach(dpi 10 960)
    run("QT_FONT_DPI=${dpi}, a bound" 1 "^$" "^${no_desktop}" QT_FONT_DPI=${dpi})
endforeach()

# Qt's options written with = and two dashes, and its X11 aliases.
run("--display=" 1 "^$" "^velkaro: cannot open the display \"unix:65002\"[^\n]*\n$"
    -- --display=unix:65002)
run("-display=" 1 "^$" "^velkaro: cannot open the display \"unix:65003\"[^\n]*\n$"
    -- -display=unix:65003)
run("--platform=" 1 "^$" "${no_screen}" -- --platform=${no_fb})
run("-title" 1 "^$" "^${no_desktop}" -- -title x)
run("-icon" 1 "^$" "^${no_desktop}" -- -icon x)
run("--title=" 1 "^$" "^${no_desktop}" -- --title=x -qwindowtitle y -name z -visual 0x21)

# What a message repeats is shown escaped and short.
run("control characters in an argument" 2 "^$"
    "^velkaro: unexpected argument 'a\\\\033]0;x\\\\007b'[^\n]*\n$" -- "a${esc}]0;x${bel}b")
run("control characters in an option" 2 "^$" "^velkaro: unknown option '\\\\033\\[2J'[^\n]*\n$"
    -- "--${esc}[2J")
run("control characters in a display" 1 "^$"
    "^velkaro: cannot open the display \"\\\\033\\[2J\"[^\n]*\n$" -- -display "${esc}[2J")
run("a long argument" 2 "^$" "^velkaro: unexpected argument 'aaaa[a]*\\.\\.\\.'[^\n]*\n$"
    -- "${long}")
run("a long option" 2 "^$" "^velkaro: unknown option 'aaaa[a]*\\.\\.\\.'[^\n]*\n$" -- "--${long}")

# A screen number that X cannot have.
run("DISPLAY with screen -1" 1 "^$" "^velkaro: cannot open the display \":79\\.-1\"[^\n]*\n$"
    DISPLAY=:79.-1)
run("-display with screen 2^32-1" 1 "^$"
    "^velkaro: cannot open the display \":79\\.4294967295\"[^\n]*\n$" -- -display :79.4294967295)

# On a real X server, where a scale of zero used to leave the window unmade: the window appears
# (exit code 0 from on_xvfb.sh) and the setting is named once.
find_program(XVFB Xvfb)
find_program(XWININFO xwininfo)
if(XVFB AND XWININFO)
    set(launcher sh "${CMAKE_CURRENT_LIST_DIR}/on_xvfb.sh")
    run("QT_SCALE_FACTOR=0 on Xvfb" 0 "^$" "^velkaro: QT_SCALE_FACTOR=0 ignored[^\n]*\n"
        QT_SCALE_FACTOR=0)
    unset(launcher)
else()
    message(STATUS "Xvfb or xwininfo missing: the case on an X server is left out")
endif()

if(failures)
    message(FATAL_ERROR "The command line misbehaves:${failures}")
endif()
