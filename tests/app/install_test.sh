#!/bin/bash
# The installed program: `cmake --install` into a temporary prefix, and the
# Debian package unpacked with dpkg-deb; both must hold what the program
# needs and run from where they are.
#
#   install_test.sh BUILD-DIR CMAKE CPACK
set -u
build=$1
cmake=$2
cpack=$3

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

unset DEALWRIGHT_PROGRAM_DIR DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
export XDG_CONFIG_HOME=$work/config
mkdir -p "$XDG_CONFIG_HOME"

# check_tree ROOT: the program folder, the launcher, the menu entry, the icons.
check_tree() {
    local root=$1 what=$2
    local program=$root/lib/dealwright
    for f in "$program/dealwright" "$program/plugins/dealwright-svg.so" "$program/HAND-M.CUR" "$program/x/o.cjs" \
             "$root/share/applications/dealwright.desktop"; do
        [ -f "$f" ] || fail "$what: missing $f"
    done
    [ -x "$program/dealwright" ] || fail "$what: the program is not executable"
    [ -L "$root/bin/dealwright" ] || fail "$what: bin/dealwright is not a symlink"
    [ "$(readlink -f "$root/bin/dealwright")" = "$(readlink -f "$program/dealwright")" ] \
        || fail "$what: bin/dealwright points to $(readlink "$root/bin/dealwright")"
    local icons
    icons=$(cd "$root/share/icons/hicolor" 2>/dev/null && ls -d */apps/dealwright.png 2>/dev/null | tr '\n' ' ')
    case "$icons" in *48x48/apps/dealwright.png*) ;; *) fail "$what: no 48x48 icon (has: $icons)";; esac
    grep -qx 'Exec=dealwright' "$root/share/applications/dealwright.desktop" || fail "$what: desktop entry Exec"
    grep -qx 'Icon=dealwright' "$root/share/applications/dealwright.desktop" || fail "$what: desktop entry Icon"
    if command -v desktop-file-validate >/dev/null; then
        desktop-file-validate "$root/share/applications/dealwright.desktop" || fail "$what: desktop entry invalid"
    fi
}

# check_runs ROOT: runs the launcher from the tree, without a display.
check_runs() {
    local root=$1 what=$2
    local out
    out=$("$root/bin/dealwright" --version) || fail "$what: --version failed"
    [ "$out" = "dealwright 1.0.0" ] || fail "$what: --version says '$out'"
    mkdir -p "$work/cards-$what"
    out=$("$root/bin/dealwright" --batch 3 --out "$work/cards-$what") || fail "$what: --batch failed"
    [ "$(echo "$out" | wc -l)" = 3 ] || fail "$what: --batch printed '$out'"
    [ "$(ls "$work/cards-$what" | grep -c '^Card [0-9]*\.bmp$')" = 3 ] || fail "$what: --batch wrote $(ls "$work/cards-$what")"
    # Large cards are rendered by the SVG module found in the program
    # folder; without it the program would say that it scales them.
    local warnings
    mkdir -p "$work/large-$what"
    warnings=$("$root/bin/dealwright" --batch 1 --out "$work/large-$what" --format png --height 480 2>&1 >/dev/null) \
        || fail "$what: --batch --format png failed: $warnings"
    [ -z "$warnings" ] || fail "$what: large cards were not rendered by the module: $warnings"
    # Through the symlink the program still finds its own folder: a broken
    # hand pointer file there is reported with its full path.
    local err
    err=$(QT_QPA_PLATFORM=offscreen DEALWRIGHT_LOG_MESSAGES=1 DEALWRIGHT_EXIT_AFTER_SHOW=1 "$root/bin/dealwright" 2>&1)
    echo "$err" | grep -q '^shown ' || fail "$what: the windows did not start: $err"
    echo "$err" | grep -q '^message:' && fail "$what: unexpected message: $err"
    cp "$root/lib/dealwright/HAND-M.CUR" "$work/hand.cur"
    echo "not a cursor" > "$root/lib/dealwright/HAND-M.CUR"
    err=$(QT_QPA_PLATFORM=offscreen DEALWRIGHT_LOG_MESSAGES=1 DEALWRIGHT_EXIT_AFTER_SHOW=1 "$root/bin/dealwright" 2>&1)
    local expected
    expected="$(cd "$root/lib/dealwright" && pwd -P)/HAND-M.CUR"
    echo "$err" | grep -qF "Invalid picture: $expected" \
        || fail "$what: the program did not look for its pointer in $expected: $err"
    cp "$work/hand.cur" "$root/lib/dealwright/HAND-M.CUR"
    # The translations are found from the program's folder where they are
    # installed: the command line speaks German under a German locale.
    [ -f "$root/share/locale/de/LC_MESSAGES/dealwright.qm" ] || fail "$what: no German translation"
    err=$(env -u LC_ALL -u LC_MESSAGES -u LANGUAGE LANG=de_DE.UTF-8 "$root/bin/dealwright" --batch 99 --out "$work" 2>&1 >/dev/null)
    [ "$err" = "dealwright: --batch 99: Höchstens 52 Karten erlaubt" ] || fail "$what: not in German: $err"
}

# 1. cmake --install
prefix=$work/prefix
"$cmake" --install "$build" --prefix "$prefix" > "$work/install.log" 2>&1 || { cat "$work/install.log"; fail "cmake --install failed"; }
check_tree "$prefix" installed
check_runs "$prefix" installed

# 2. The Debian package
if ! command -v dpkg-deb >/dev/null || ! command -v dpkg-shlibdeps >/dev/null; then
    echo "SKIP: the package part needs dpkg-deb and dpkg-shlibdeps (dpkg-dev)"
    [ $failures -eq 0 ] && exit 77 || exit 1
fi
(cd "$build" && "$cpack" -G DEB -B "$work/package" > "$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; fail "cpack failed"; }
deb=$(ls "$work"/package/*.deb 2>/dev/null | head -1)
if [ -z "$deb" ]; then
    fail "no package made"
else
    echo "package: $(basename "$deb")"
    depends=$(dpkg-deb -f "$deb" Depends)
    echo "Depends: $depends"
    for d in libqt6widgets6 libqt6gui6 libqt6core6 libqt6svg6 libgif7 libsodium23 fonts-liberation qt6-qpa-plugins qt6-wayland libc6 libstdc++6; do
        echo "$depends" | grep -q "\b$d\b" || fail "the package does not depend on $d"
    done
    [ "$(dpkg-deb -f "$deb" Package)" = dealwright ] || fail "package name"
    dpkg-deb -c "$deb" > "$work/contents"
    grep -q ' \./usr/bin/dealwright -> \.\./lib/dealwright/dealwright$' "$work/contents" || fail "no relative launcher link in the package"
    others=$(awk '{print $6}' "$work/contents" | grep -v '/$' \
        | grep -vE '^\./usr/(bin/dealwright|lib/dealwright/(dealwright|plugins/dealwright-svg\.so|HAND-M\.CUR|x/o\.cjs)|share/applications/dealwright\.desktop|share/metainfo/example\.dealwright\.Dealwright\.metainfo\.xml|share/icons/hicolor/([0-9]+x[0-9]+/apps/dealwright\.png|scalable/apps/dealwright\.svg)|share/man/man1/dealwright\.1\.gz|share/locale/[a-zA-Z_]+/LC_MESSAGES/dealwright\.qm|share/doc/dealwright/.*)$')
    [ -z "$others" ] || fail "the package holds files the program does not need: $others"
    root=$work/unpacked
    dpkg-deb -x "$deb" "$root"
    check_tree "$root/usr" package
    check_runs "$root/usr" package
fi

if [ $failures -ne 0 ]; then
    echo "$failures failed"
    exit 1
fi
echo "installed tree and package are complete"
