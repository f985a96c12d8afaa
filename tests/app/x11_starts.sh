#!/bin/bash
# The real program, started several times under a virtual X server from
# prepared settings files, its windows closed the way a window manager closes
# them. What one run leaves in the settings file is what the next run finds.
#
#   x11_starts.sh DEALWRIGHT XWIN
set -u
exe=$1
xwin=${2:-}

if [ -z "$xwin" ] || ! command -v xvfb-run >/dev/null || ! command -v xauth >/dev/null; then
    echo "SKIP: needs xvfb-run, xauth and Xlib"
    exit 77
fi
if [ -z "${DW_INSIDE_XVFB:-}" ]; then
    DW_INSIDE_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi

work=$(mktemp -d)
pid=
watcher=
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    [ -n "$watcher" ] && kill "$watcher" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

export XDG_CONFIG_HOME=$work/config
export QT_QPA_PLATFORM=xcb
export DEALWRIGHT_LOG_MESSAGES=1
unset DEALWRIGHT_PROGRAM_DIR WAYLAND_DISPLAY
mkdir -p "$XDG_CONFIG_HOME"
settings=$XDG_CONFIG_HOME/Marrowfen.ini

# Each window by its role (its name) and, where the design fixes it, its
# client size at 96 dots per inch (15 twips per pixel), as a pattern: the
# draw window's designed 552 x 464 lie below its menu bar (6 to 35 pixels
# high, by the desktop's font).
MAIN="Form1 536x76"
DRAW="Form2 552x4[7-9][0-9]"
BATCH="Form3"

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

stored() {  # the value of a key in [Dealwright], or "(missing)"
    local line
    line=$(sed -n "/^\[Dealwright\]/,/^\[/p" "$settings" 2>/dev/null | grep -i "^$1=" | head -1)
    if [ -z "$line" ]; then echo "(missing)"; else echo "${line#*=}"; fi
}

prepare() {  # prepare KEY=VALUE ... : a settings file holding exactly these
    { echo "[Dealwright]"; for kv in "$@"; do echo "$kv"; done; } > "$settings"
}

wait_until() {  # wait_until SECONDS COMMAND...
    local deadline=$((SECONDS + $1)); shift
    until "$@"; do
        [ $SECONDS -ge $deadline ] && return 1
        sleep 0.05
    done
}

is_stored() { [ "$(stored "$1")" = "$2" ]; }
gone() { ! kill -0 "$pid" 2>/dev/null; }

# start NAME EXPECTED-SIZE: starts the program, waits for its first window
# and checks that the only window ever mapped is the expected one.
start() {
    local name=$1 expected=$2
    echo "--- $name"
    rm -f "$work/stop"
    "$xwin" maps Dealwright "$work/stop" > "$work/maps" &
    watcher=$!
    wait_until 10 grep -q watching "$work/maps" || fail "$name: the map watcher did not start"
    "$exe" 2> "$work/err" &
    pid=$!
    if ! "$xwin" wait Dealwright 30 > "$work/shown"; then
        fail "$name: no window appeared"; cat "$work/err"; return 1
    fi
    case "$(cat "$work/shown")" in
        $expected|$expected\ *) ;;
        *) fail "$name: shows $(cat "$work/shown" | tr '\n' ' '), expected $expected";;
    esac
    wait_until 10 is_stored Form3Start 0 || fail "$name: Form3Start is $(stored Form3Start) while running, expected 0"
}

# finish NAME HOW: ends the run (close: the window manager's close; kill:
# the session ends it) and checks what was mapped and what was said.
finish() {
    local name=$1 how=$2 expected=$3
    if [ "$how" = close ]; then
        "$xwin" close Dealwright || fail "$name: nothing to close"
        wait_until 20 gone || fail "$name: the program did not end after its window was closed"
        wait "$pid"; local status=$?
        [ $status -eq 0 ] || fail "$name: exit status $status"
    else
        kill -TERM "$pid"; wait "$pid" 2>/dev/null
    fi
    pid=
    touch "$work/stop"; wait "$watcher"; watcher=
    local mapped; mapped=$(grep -v watching "$work/maps" | sort -u)
    echo "mapped: $mapped"
    case "$mapped" in
        $expected|$expected\ *) [ "$(echo "$mapped" | wc -l)" = 1 ] || fail "$name: windows mapped during the run: $mapped";;
        *) fail "$name: windows mapped during the run: $mapped, expected $expected";;
    esac
    if grep -q '^message:' "$work/err"; then echo "$name said:"; grep '^message:' "$work/err"; fi
}

no_messages() { grep -q '^message:' "$work/err" && fail "$1: unexpected message: $(grep '^message:' "$work/err")"; }

# 1. First start with an empty store: the chooser; closing it ends the
#    program and writes nothing more.
rm -f "$settings"
start "first start" "$MAIN"
finish "first start" close "$MAIN"
no_messages "first start"
[ "$(stored Form3Start)" = 0 ] || fail "first start: Form3Start $(stored Form3Start)"
[ "$(grep -c = "$settings")" = 1 ] || fail "first start wrote more than Form3Start: $(cat "$settings")"

# 2. The draw window was closed last, in the mode "put back".
prepare Form3Start=2 Option1=False Option2=True
start "draw window reopened" "$DRAW"
finish "draw window reopened" close "$DRAW"
no_messages "draw window reopened"
[ "$(stored Form3Start)" = 2 ] || fail "closing the draw window stored $(stored Form3Start)"
[ "$(stored Option2)" = True ] || fail "the mode was not kept: Option2=$(stored Option2)"

# 3. What run 2 left: the draw window again; this run is ended by the session
#    (not by a window), so "0" stays and the next start is the chooser.
start "draw window again" "$DRAW"
finish "draw window again" kill "$DRAW"
[ "$(stored Form3Start)" = 0 ] || fail "draw window again: Form3Start $(stored Form3Start)"
start "chooser after that" "$MAIN"
finish "chooser after that" close "$MAIN"

# 4. The batch window, with a count of the wrong form in the store.
prepare Form3Start=3 "Number%20Of%20Cards=many"
start "batch window reopened" "$BATCH"
finish "batch window reopened" close "$BATCH"
no_messages "batch window reopened"
[ "$(stored Form3Start)" = 3 ] || fail "closing the batch window stored $(stored Form3Start)"
# The load leaves the stored count as it was written, escapes and all: a
# value goes back only once the user changes it.
[ "$(stored 'Number%20Of%20Cards')" = many ] || fail "the count changed: $(stored 'Number%20Of%20Cards')"
[ "$(stored 'Number Of Cards')" = "(missing)" ] || fail "the count was stored again: $(stored 'Number Of Cards')"
start "batch window again" "$BATCH"
finish "batch window again" close "$BATCH"

# 5. A Form3Start that is not a number: one report (step 128), then the draw
#    window only, and "0".
prepare Form3Start=abc
start "Form3Start not a number" "$DRAW"
finish "Form3Start not a number" kill "$DRAW"
reports=$(grep -c '^message: \[Application Error\]' "$work/err")
[ "$reports" = 1 ] || fail "expected one error report, got $reports"
grep -q 'Form1.Form_Load at line 128' "$work/err" || fail "the report does not name step 128"
[ "$(stored Form3Start)" = 0 ] || fail "Form3Start not reset: $(stored Form3Start)"

# 6. A truth value of the wrong form: the draw window's load reports step 110.
prepare Form3Start=2 Option1=perhaps
start "Option1 not a truth value" "$DRAW"
finish "Option1 not a truth value" close "$DRAW"
grep -q 'Form2.Form_Load at line 110' "$work/err" || fail "no report of step 110"
[ "$(stored Form3Start)" = 2 ] || fail "Form3Start $(stored Form3Start)"

if [ $failures -ne 0 ]; then
    echo "$failures failed"
    exit 1
fi
echo "all starts behaved"
