# SPDX-License-Identifier: MIT
# shellcheck shell=sh
# What the scripts and the tests' scripts share: a virtual X screen, and a build that is quiet
# unless it fails. Sourced (. scripts/lib.sh); plain POSIX sh, for the sh scripts as for bash.

# Runs a command with everything it says written to a log file, and shows the log (its last N
# lines with --last N) only when the command fails; returns the command's status.
#   velkaro_quietly [--last N] LOG COMMAND [ARGUMENTS...]
velkaro_quietly() {
    velkaro_last=
    if [ "$1" = --last ]; then
        velkaro_last=$2
        shift 2
    fi
    velkaro_log=$1
    shift
    mkdir -p "$(dirname "$velkaro_log")"
    if "$@" >"$velkaro_log" 2>&1; then
        return 0
    else
        velkaro_status=$?
    fi
    if [ -n "$velkaro_last" ]; then
        tail -n "$velkaro_last" "$velkaro_log"
    else
        cat "$velkaro_log"
    fi
    return "$velkaro_status"
}

# Configures and builds a preset of CMakePresets.json (in build/PRESET, from the top of the tree)
# on every core, quietly: the log is build/PRESET/build.log. TARGET is a target, or all.
#   velkaro_build PRESET TARGET [CONFIGURE OPTIONS...]
velkaro_build() {
    velkaro_preset=$1
    velkaro_target=$2
    shift 2
    velkaro_quietly "build/$velkaro_preset/build.log" velkaro_configure_and_build "$@"
}
velkaro_configure_and_build() {
    cmake --preset "$velkaro_preset" "$@" &&
        cmake --build --preset "$velkaro_preset" --target "$velkaro_target" --parallel "$(nproc)"
}

# Starts an Xvfb server on a display number of its own and waits until it takes clients (it
# writes that number then). Its log is FOLDER/xvfb.log; the options name the screen, as in
# -screen 0 1024x768x24. Once it is ready, DISPLAY is exported and VELKARO_XVFB_PID holds its
# process id; if it ends or is still not ready after 20 s, says so with its log on standard
# error, ends it and returns 1.
#   velkaro_start_xvfb FOLDER [XVFB OPTIONS...]
velkaro_start_xvfb() {
    velkaro_xvfb_folder=$1
    shift
    rm -f "$velkaro_xvfb_folder/xvfb.display"
    # Descriptor 9 is closed for it: the scripts hold their lock there, which a server left
    # running must not keep.
    Xvfb -displayfd 3 -nolisten tcp "$@" 3>"$velkaro_xvfb_folder/xvfb.display" 9>&- \
        </dev/null >"$velkaro_xvfb_folder/xvfb.log" 2>&1 &
    VELKARO_XVFB_PID=$!
    velkaro_tries=200
    until [ -s "$velkaro_xvfb_folder/xvfb.display" ]; do
        if [ "$velkaro_tries" -eq 0 ] || ! kill -0 "$VELKARO_XVFB_PID" 2>/dev/null; then
            echo "velkaro: Xvfb did not start:" >&2
            cat "$velkaro_xvfb_folder/xvfb.log" >&2
            velkaro_stop_xvfb
            return 1
        fi
        velkaro_tries=$((velkaro_tries - 1))
        sleep 0.1
    done
    DISPLAY=:$(head -n 1 "$velkaro_xvfb_folder/xvfb.display")
    export DISPLAY
}

# Ends the Xvfb server velkaro_start_xvfb started, if any, and waits for it.
velkaro_stop_xvfb() {
    velkaro_end "${VELKARO_XVFB_PID:-}"
    VELKARO_XVFB_PID=
}

# Ends a process this shell started and waits for it; nothing when PID is empty.
#   velkaro_end PID
velkaro_end() {
    if [ -n "$1" ]; then
        kill "$1" 2>/dev/null || true
        wait "$1" 2>/dev/null || true
    fi
}
