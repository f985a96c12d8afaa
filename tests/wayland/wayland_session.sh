#!/bin/bash
# The program on Wayland: a headless weston of its own (its debug extension
# on, so that the tests can read where it shows the windows), then
#   1. the real program started natively on Wayland, once for each window
#      it can open with (the chooser, the draw window, the batch
#      generator), until its first window is exposed;
#   2. the in-process test of the windows (test_wayland) on the same
#      compositor.
#
#   wayland_session.sh DEALWRIGHT TEST_WAYLAND
#
# Exit status: 0 when everything passed, 1 when something failed, 77
# (skipped) when weston, its headless backend or Qt's Wayland plugin
# (Debian: weston, qt6-wayland) are missing.
set -u
exe=$1
test_binary=$2

plugin_present() {
    local dir
    for dir in /usr/lib/*/qt6/plugins/platforms /usr/lib/qt6/plugins/platforms; do
        [ -e "$dir/libqwayland-generic.so" ] && return 0
    done
    dpkg-query -W -f='${Status}' qt6-wayland 2>/dev/null | grep -q "install ok installed"
}

missing=()
command -v weston >/dev/null || missing+=(weston)
command -v weston-debug >/dev/null || missing+=(weston-debug)
ls /usr/lib/*/libweston-*/headless-backend.so >/dev/null 2>&1 || missing+=("weston's headless backend")
plugin_present || missing+=("Qt's Wayland platform plugin")
if [ ${#missing[@]} -gt 0 ]; then
    echo "SKIP: missing ${missing[*]} (Debian: weston qt6-wayland)"
    exit 77
fi

work=$(mktemp -d)
runtime=$work/runtime
mkdir -m 700 "$runtime"
socket=dealwright-$$
weston_pid=
cleanup() {
    if [ -n "$weston_pid" ]; then
        kill "$weston_pid" 2>/dev/null
        wait "$weston_pid" 2>/dev/null
    fi
    rm -rf "$work"
}
trap cleanup EXIT

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "PASS: $*"; }

wait_until() {  # wait_until SECONDS COMMAND...
    local deadline=$((SECONDS + $1)); shift
    until "$@"; do
        [ $SECONDS -ge $deadline ] && return 1
        sleep 0.05
    done
}

export XDG_RUNTIME_DIR=$runtime
unset DISPLAY WAYLAND_SOCKET QT_QPA_PLATFORMTHEME QT_WAYLAND_SHELL_INTEGRATION DEALWRIGHT_EXIT_AFTER_SHOW
weston --backend=headless-backend.so --socket="$socket" --idle-time=0 \
    --width=1280 --height=720 --debug --log="$work/weston.log" &
weston_pid=$!
weston_ready() { [ -S "$runtime/$socket" ] || ! kill -0 "$weston_pid" 2>/dev/null; }
if ! wait_until 20 weston_ready || ! kill -0 "$weston_pid" 2>/dev/null; then
    echo "FAIL: weston did not start"
    cat "$work/weston.log"
    exit 1
fi
export WAYLAND_DISPLAY=$socket
export QT_QPA_PLATFORM=wayland

# 1. The real program, as installed (its folder found beside it), until its
#    first window is exposed. The client's protocol log shows that the
#    window is a toplevel of this compositor, titled after the program.
start() {  # start NAME [SETTINGS LINE...]
    local name=$1; shift
    local config=$work/config-$RANDOM
    mkdir -p "$config"
    { echo "[Dealwright]"; for line in "$@"; do echo "$line"; done; } > "$config/Marrowfen.ini"
    local status=0
    env -u DEALWRIGHT_PROGRAM_DIR XDG_CONFIG_HOME="$config" DEALWRIGHT_LOG_MESSAGES=1 DEALWRIGHT_EXIT_AFTER_SHOW=1 \
        WAYLAND_DEBUG=client timeout 60 "$exe" 2> "$work/err" || status=$?
    local shown
    shown=$(grep -E '^shown [0-9.]+ ms rss [0-9]+ kB$' "$work/err")
    if [ $status -eq 0 ] && [ -n "$shown" ]; then
        pass "$name: the program opened its window on Wayland and ended ($shown)"
    else
        fail "$name: exit status $status, no 'shown' line"
        grep -v '^\[' "$work/err" | tail -n 20
    fi
    if grep -qE 'xdg_toplevel@[0-9]+\.set_title\("Dealwright"\)' "$work/err"; then
        pass "$name: the window is a Wayland toplevel titled 'Dealwright'"
    else
        fail "$name: no Wayland toplevel titled 'Dealwright' was made"
    fi
    if grep -q '^message:' "$work/err"; then
        fail "$name: unexpected message: $(grep '^message:' "$work/err" | tr '\n' ' ')"
    fi
}
start "chooser"
start "draw window (Form3Start=2)" Form3Start=2 Option1=True Option2=False
start "batch window (Form3Start=3)" Form3Start=3

# 2. The windows driven in-process on the same compositor.
export DEALWRIGHT_WESTON_DEBUG
DEALWRIGHT_WESTON_DEBUG=$(command -v weston-debug)
if "$test_binary" -maxwarnings 0; then
    pass "test_wayland"
else
    fail "test_wayland"
fi

if ! kill -0 "$weston_pid" 2>/dev/null; then
    fail "weston ended during the tests"
    tail -n 30 "$work/weston.log"
fi
if [ $failures -ne 0 ]; then
    echo "$failures failed"
    exit 1
fi
echo "the program works on Wayland"
