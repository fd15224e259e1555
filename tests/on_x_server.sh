#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a test program on an X server of its own (Xvfb, 1280x1024, 96 dpi),
# under the named window manager or under none, with every file either of
# them writes kept in a fresh temporary folder. Exits with 77 (skipped)
# where the X server or the window manager is not installed.
#
#   on_x_server.sh openbox|none PROGRAM [ARGUMENTS]
set -euo pipefail
wm=$1
shift
for tool in Xvfb $([ "$wm" = none ] || echo "$wm"); do
    command -v "$tool" >/dev/null || { echo "on_x_server: $tool is not installed" >&2; exit 77; }
done
work=$(mktemp -d)
pids=()
finish() {
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap finish EXIT

# Waits up to 10 s, while the program started last still runs, for a file
# test (-s FILE: written to, -e FILE: made) to hold; shows its log if it ends.
wait_for() { # test, file, name, log
    for _ in $(seq 100); do
        test "$1" "$2" && return 0
        kill -0 "${pids[0]}" 2>/dev/null || { cat "$4" >&2; exit 1; }
        sleep 0.1
    done
    echo "on_x_server: $3 did not start" >&2
    exit 1
}

Xvfb -displayfd 3 -screen 0 1280x1024x24 -dpi 96 -nolisten tcp \
    3>"$work/display" 2>"$work/xvfb.log" &
pids=("$!")
wait_for -s "$work/display" Xvfb "$work/xvfb.log"
mkdir -m 700 "$work/runtime"
export DISPLAY=":$(head -n1 "$work/display")" QT_QPA_PLATFORM=xcb HOME="$work" \
    XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache" XDG_RUNTIME_DIR="$work/runtime"
unset WAYLAND_DISPLAY VELKARO_TEST_WINDOW_MANAGER

case $wm in
none) ;;
openbox)
    # Ready once it runs its start-up command: it has then read its settings
    # and answers from the first request on.
    openbox --sm-disable --startup "touch $work/wm-ready" >"$work/wm.log" 2>&1 &
    pids=("$!" "${pids[@]}")
    wait_for -e "$work/wm-ready" "$wm" "$work/wm.log"
    export VELKARO_TEST_WINDOW_MANAGER=$wm
    ;;
*)
    echo "on_x_server: unknown window manager $wm" >&2
    exit 2
    ;;
esac

"$@"
