#!/bin/bash
# Runs a test program on a virtual X server with a window manager (openbox):
# windows get frames, are placed by the manager unless they ask for a place,
# and are moved by it on a pager's request.
#
#   with_openbox.sh PROGRAM [ARGUMENTS...]
#
# Exit status: the program's, or 77 (skipped) when xvfb-run, xauth or
# openbox is missing.
set -u
for tool in xvfb-run xauth openbox; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: needs $tool (Debian: xvfb xauth openbox)"
        exit 77
    fi
done
if [ -z "${DW_INSIDE_XVFB:-}" ]; then
    # Display numbers from 160 on, apart from the other X tests'.
    DW_INSIDE_XVFB=1 exec xvfb-run -a -n 160 -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi
home=$(mktemp -d)
# The manager's own settings: its defaults, nothing of the user's.
# It runs its start-up command once it manages windows.
XDG_CONFIG_HOME=$home/config HOME=$home openbox --sm-disable --startup "touch $home/ready" >"$home/openbox.log" 2>&1 &
manager=$!
trap 'kill "$manager" 2>/dev/null; wait "$manager" 2>/dev/null; rm -rf "$home"' EXIT
for _ in $(seq 1 400); do
    [ -e "$home/ready" ] && break
    kill -0 "$manager" 2>/dev/null || break
    sleep 0.05
done
if [ ! -e "$home/ready" ]; then
    echo "FAIL: openbox did not start"; cat "$home/openbox.log"; exit 1
fi
export DEALWRIGHT_TEST_WINDOW_MANAGER=1
"$@"
status=$?
[ $status -eq 0 ] || { echo "openbox said:"; cat "$home/openbox.log"; }
exit $status
