#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a test program on an X server of its own (Xvfb, 1280x1024, 96 dpi),
# under the named window manager or under none, with every file either of
# them writes kept in a fresh temporary folder. Exits with 77 (skipped)
# where the X server or the window manager is not installed.
#
#   on_x_server.sh openbox|none PROGRAM [ARGUMENTS]
set -euo pipefail
# shellcheck source=scripts/lib.sh
. "$(dirname "$0")/../scripts/lib.sh"
wm=$1
shift
for tool in Xvfb $([ "$wm" = none ] || echo "$wm"); do
    command -v "$tool" >/dev/null || { echo "on_x_server: $tool is not installed" >&2; exit 77; }
done
work=$(mktemp -d)
wm_pid=
finish() {
    velkaro_end "$wm_pid"
    velkaro_stop_xvfb
    rm -rf "$work"
}
trap finish EXIT

velkaro_start_xvfb "$work" -screen 0 1280x1024x24 -dpi 96 || exit 1
mkdir -m 700 "$work/runtime"
export QT_QPA_PLATFORM=xcb HOME="$work" \
    XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache" XDG_RUNTIME_DIR="$work/runtime"
unset WAYLAND_DISPLAY VELKARO_TEST_WINDOW_MANAGER

case $wm in
none) ;;
openbox)
    # Ready once it runs its start-up command: it has then read its settings
    # and answers from the first request on.
    openbox --sm-disable --startup "touch $work/wm-ready" >"$work/wm.log" 2>&1 &
    wm_pid=$!
    for _ in $(seq 100); do
        [ -e "$work/wm-ready" ] && break
        kill -0 "$wm_pid" 2>/dev/null || { cat "$work/wm.log" >&2; exit 1; }
        sleep 0.1
    done
    [ -e "$work/wm-ready" ] || { echo "on_x_server: $wm did not start" >&2; exit 1; }
    export VELKARO_TEST_WINDOW_MANAGER=$wm
    ;;
*)
    echo "on_x_server: unknown window manager $wm" >&2
    exit 2
    ;;
esac

"$@"
