#!/bin/bash
# The real program read through the accessibility bus, as a screen reader
# reads it: a virtual X server, a session bus of its own (on which
# at-spi2-core's org.a11y.Bus service starts the accessibility bus on
# demand), the program with Qt's accessibility bridge always on, and
# atspi_walk.py reading and typing.
#
#   atspi.sh DEALWRIGHT
#
# Exit status: 0 when every check passed, 1 when one failed, 77 (skipped)
# when the tools are missing (xvfb-run, xauth, dbus-run-session,
# at-spi2-core, python3 with gi and Atspi 2.0).
set -u
exe=$1
here=$(cd "$(dirname "$0")" && pwd)

# Debian's python3 first: a python3 of one's own (pyenv, a venv) earlier in
# PATH usually has no gi.
python=
for candidate in /usr/bin/python3 python3; do
    if "$candidate" -c 'import gi; gi.require_version("Atspi", "2.0"); from gi.repository import Atspi' 2>/dev/null; then
        python=$candidate
        break
    fi
done

missing=()
command -v xvfb-run >/dev/null || missing+=(xvfb-run)
command -v xauth >/dev/null || missing+=(xauth)
command -v dbus-run-session >/dev/null || missing+=(dbus-run-session)
[ -x /usr/libexec/at-spi-bus-launcher ] || missing+=(at-spi-bus-launcher)
[ -n "$python" ] || missing+=("python3 with gi and Atspi 2.0")
if [ ${#missing[@]} -gt 0 ]; then
    echo "SKIP: missing ${missing[*]} (Debian: xvfb xauth dbus-daemon at-spi2-core python3-gi gir1.2-atspi-2.0)"
    exit 77
fi
if [ ! -x "$exe" ]; then
    echo "FAIL: no program at $exe"
    exit 1
fi

if [ -z "${DW_INSIDE_SESSION:-}" ]; then
    runtime=$(mktemp -d)
    chmod 700 "$runtime"
    trap 'rm -rf "$runtime"' EXIT
    # Not exec: the trap removes the runtime folder afterwards. Display
    # numbers from 140 on, apart from the other X test's (99 on), so that
    # the two can start at the same moment under ctest -j.
    DW_INSIDE_SESSION=1 XDG_RUNTIME_DIR=$runtime \
        xvfb-run -a -n 140 -s "-screen 0 1280x1024x24" dbus-run-session -- bash "$0" "$@"
    exit $?
fi

export QT_QPA_PLATFORM=xcb
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export QT_ACCESSIBILITY=1
export DEALWRIGHT_LOG_MESSAGES=1
# No desktop's theme or input method between the keys and the program.
unset QT_QPA_PLATFORMTHEME QT_IM_MODULE GTK_MODULES WAYLAND_DISPLAY DEALWRIGHT_EXIT_AFTER_SHOW
exec "$python" "$here/atspi_walk.py" "$exe"
