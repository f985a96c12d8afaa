#!/bin/bash
# Start-up time and memory of the program beside a bare Qt Widgets program
# built with the same flags, measured the same way: each program is run with
# DEALWRIGHT_EXIT_AFTER_SHOW=1, reports "shown <ms> ms rss <kB> kB" once its
# first window has painted its first frame and ends at once. The wall time of
# the whole run (exec to exit) is taken from outside; runs alternate, medians
# are reported. The yardstick ("floor") is the bare program showing a window
# of the chooser's size with the chooser's two captioned buttons:
# what any window that shows text costs. The program and the floor run in
# English (LC_ALL=C.UTF-8) and in German (LANG=de_DE.UTF-8, the program then
# loading its own and Qt's German translations). Also times the headless
# "--batch 52" run.
#
#   bench/startup.sh [BUILD-DIR] [RUNS]
# Runs under a virtual X server (xvfb-run) when there is no display; set
# QT_QPA_PLATFORM=offscreen to measure without X.
set -eu
build=${1:-build}
runs=${2:-15}
exe=$build/program/dealwright
bare=$build/bench/bare_window
for f in "$exe" "$bare"; do
    [ -x "$f" ] || { echo "missing $f (build the targets dealwright and bare_window)"; exit 2; }
done

if [ -z "${DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ] && [ -z "${DW_INSIDE_XVFB:-}" ]; then
    if command -v xvfb-run >/dev/null; then
        DW_INSIDE_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
    fi
    export QT_QPA_PLATFORM=offscreen
fi

work=$(mktemp -d)
shm=
trap 'rm -rf "$work" ${shm:+"$shm"}' EXIT
export XDG_CONFIG_HOME=$work/config
export DEALWRIGHT_EXIT_AFTER_SHOW=1
unset DEALWRIGHT_PROGRAM_DIR
mkdir -p "$XDG_CONFIG_HOME" "$work/out"

now() { date +%s%N; }

# measure NAME SETUP COMMAND...: one run; appends "wall_ms self_ms rss_kB".
measure() {
    local name=$1 setup=$2; shift 2
    $setup
    local t0 t1 report
    t0=$(now)
    report=$("$@" 2>&1 >/dev/null | grep '^shown ' || true)
    t1=$(now)
    [ -n "$report" ] || { echo "$name: no window was shown"; exit 1; }
    set -- $report
    echo "$(( (t1 - t0) / 1000 )) $2 $5" >> "$work/$name"
}

# Empty settings: the chooser opens (and start-up stores Form3Start=0).
main_window() { rm -f "$XDG_CONFIG_HOME"/Marrowfen.ini*; }
draw_window() { printf '[Dealwright]\nForm3Start=2\n' > "$XDG_CONFIG_HOME/Marrowfen.ini"; }
nothing() { :; }
english() { env -u LANGUAGE -u LC_MESSAGES LC_ALL=C.UTF-8 "$@"; }
german() { env -u LANGUAGE -u LC_MESSAGES -u LC_ALL LANG=de_DE.UTF-8 "$@"; }

# A first run of each warms the file cache. "empty" is the bare window
# without any text; "floor" the bare window with the two captioned buttons.
measure warmup nothing "$bare" --text; measure warmup main_window "$exe"
measure warmup main_window german "$exe"
for ((i = 0; i < runs; i++)); do
    measure empty nothing english "$bare"
    measure floor nothing english "$bare" --text
    measure main main_window english "$exe"
    measure draw draw_window english "$exe"
    measure floor_de nothing german "$bare" --text
    measure main_de main_window german "$exe"
done

median() {  # median of column $2 of file $1
    sort -n -k"$2" "$1" | awk -v c="$2" '{ v[NR] = $c } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

printf 'platform: %s, %d runs each, medians\n' "${QT_QPA_PLATFORM:-xcb (xvfb)}" "$runs"
printf '%-34s %10s %12s %10s\n' program "wall ms" "in-main ms" "rss kB"
for name in empty floor main draw floor_de main_de; do
    case $name in
        empty) label="bare Qt window, empty";;
        floor) label="bare Qt window, two buttons";;
        main) label="dealwright, chooser";;
        draw) label="dealwright, draw window (deck)";;
        floor_de) label="bare window, two buttons, German";;
        main_de) label="dealwright, chooser, German";;
    esac
    wall=$(median "$work/$name" 1)
    printf '%-34s %10.1f %12.1f %10d\n' "$label" "$(awk -v w="$wall" 'BEGIN { print w / 1000 }')" "$(median "$work/$name" 2)" "$(median "$work/$name" 3)"
done
ratio() {  # ratio NAME-A NAME-B COLUMN
    awk -v a="$(median "$work/$1" "$3")" -v b="$(median "$work/$2" "$3")" 'BEGIN { printf "%.3f", a / b }'
}
printf 'start-up, chooser / floor: %s (goal <= 1.10)\n' "$(ratio main floor 1)"
printf 'memory, chooser / floor:   %s (goal <= 1.20)\n' "$(ratio main floor 3)"
printf 'German: start-up, chooser / floor: %s (goal <= 1.10); memory %s\n' "$(ratio main_de floor_de 1)" "$(ratio main_de floor_de 3)"
printf 'against the empty window: start-up %s, memory %s\n' "$(ratio main empty 1)" "$(ratio main empty 3)"

# The headless batch: a whole run of --batch 52, into a folder on the disk
# (each file is synced to the disk when it is written) and, for the
# program's own share, into a folder in memory where /dev/shm exists.
unset DEALWRIGHT_EXIT_AFTER_SHOW
batch_run() {  # batch_run NAME FOLDER
    local name=$1 out=$2
    mkdir -p "$out"
    for ((i = 0; i < runs; i++)); do
        rm -f "$out"/*
        t0=$(now)
        env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$exe" --batch 52 --out "$out" > /dev/null
        t1=$(now)
        echo "$(( (t1 - t0) / 1000 ))" >> "$work/$name"
    done
    [ "$(ls "$out" | wc -l)" = 52 ] || { echo "--batch 52 wrote $(ls "$out" | wc -l) files"; exit 1; }
    printf -- '--batch 52, whole run, %-8s %.1f ms (goal < 150)\n' "$name:" "$(awk -v w="$(median "$work/$name" 1)" 'BEGIN { print w / 1000 }')"
}
batch_run disk "$work/out"
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
    shm=$(mktemp -d /dev/shm/dealwright-bench.XXXXXX)
    batch_run memory "$shm"
fi
