#!/bin/sh
# SPDX-License-Identifier: MIT
# Runs a program on a fresh Xvfb server until its main window exists, then ends it and the server.
#   on_xvfb.sh program [arguments]
# Exit code 0 when the window appeared; the program's own code when it ended first (a crash, a
# sanitizer's report); 3 when no window appeared within 40 s (a hang); 4 when Xvfb did not start.
# The program's standard error is passed on.
set -u
# shellcheck source=scripts/lib.sh
. "$(dirname "$0")/../scripts/lib.sh"
work=$(mktemp -d)
program=
cleanup() {
    [ -n "$program" ] && kill "$program" 2>/dev/null
    velkaro_stop_xvfb
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

velkaro_start_xvfb "$work" -screen 0 1024x768x24 || exit 4

"$@" &
program=$!
for _ in $(seq 400); do
    if ! kill -0 "$program" 2>/dev/null; then
        wait "$program"
        code=$?
        program=
        exit "$code"
    fi
    # The main window carries the program's class; Qt's helper windows carry none.
    if xwininfo -root -tree 2>/dev/null | grep -q '("velkaro" "Velkaro")'; then
        exit 0
    fi
    sleep 0.1
done
exit 3
