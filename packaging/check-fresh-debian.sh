#!/usr/bin/env bash
# Checks that the Debian package works on a freshly installed, bare Debian
# system: its Depends must bring onto the machine everything the program needs.
#
# What it does:
#   1. builds the package from the source tree this script sits in, in its own
#      build folder (RelWithDebInfo, without tests and benchmarks);
#   2. makes a fresh minimal Debian root (mmdebstrap --variant=minbase, or
#      debootstrap --variant=minbase when mmdebstrap is missing) from the same
#      Debian mirror as this machine's apt sources, in a temporary folder;
#   3. installs the package there with that root's own apt, so that apt has to
#      pull in every dependency from Debian's archive;
#   4. inside the root, as an unprivileged user, runs dealwright --version, two
#      headless batches (52 bitmaps, 5 large PNG files), the windows on Qt's
#      offscreen platform (first the chooser, then with a settings file
#      that opens the draw window first), and a start without any display,
#      which must end with status 2 and one line on standard error;
#   5. prints a summary: the package, its size, its installed size, the
#      packages apt pulled in, one "ok: ..." line per check.
#
# Run, as root, from anywhere:
#   packaging/check-fresh-debian.sh [BUILD_FOLDER]
# BUILD_FOLDER (or the environment variable DEALWRIGHT_PACKAGE_BUILD) defaults
# to build-package at the root of the source tree. Further environment
# variables: DEALWRIGHT_SUITE (default bookworm), DEALWRIGHT_MIRROR (default:
# the host's apt mirror, else http://deb.debian.org/debian),
# DEALWRIGHT_BOOTSTRAP (mmdebstrap or debootstrap; default mmdebstrap when it
# is installed), TMPDIR (where the temporary root is made; default /var/tmp,
# it needs about 1 GB).
#
# It needs root (chroot, mounts) and Debian's archive over the network, and it
# takes several minutes, so it is not part of the normal test run.
# It exits 0 when every check passed and non-zero, naming what failed, otherwise.

# dpkg-query's ${Field} formats are meant for dpkg-query, not for the shell.
# shellcheck disable=SC2016
set -euo pipefail

script_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
src=$(cd "$script_dir/.." && pwd)
build=${1:-${DEALWRIGHT_PACKAGE_BUILD:-$src/build-package}}
suite=${DEALWRIGHT_SUITE:-bookworm}
start_time=$(date +%s)

# The user that runs the program inside the root.
user_name=dealer
# A command inside the root gets this long before it counts as hung.
run_timeout=120

declare -a ok_lines=()
declare -a mounts=()
declare -a notes=()
tmp=
xvfb_pid=

# Reporting, the mounts and the clean-up on exit.
# shellcheck source=packaging/fresh-debian-lib.sh
source "$script_dir/fresh-debian-lib.sh"

trap cleanup EXIT
trap 'printf "\nFAILED: interrupted\n" >&2; exit 130' INT
trap 'printf "\nFAILED: terminated\n" >&2; exit 143' TERM
trap 'printf "\nFAILED: line %s: %s (status %s)\n" "$LINENO" "$BASH_COMMAND" "$?" >&2' ERR

[[ $(id -u) -eq 0 ]] || fail "this script needs root (chroot, mount)"
for tool in cmake ninja dpkg-deb chroot mount umount; do
    command -v "$tool" >/dev/null || fail "$tool is not installed"
done
if [[ -n ${DEALWRIGHT_BOOTSTRAP:-} ]]; then
    bootstrap=$DEALWRIGHT_BOOTSTRAP
    [[ $bootstrap == mmdebstrap || $bootstrap == debootstrap ]] ||
        fail "DEALWRIGHT_BOOTSTRAP is $bootstrap, not mmdebstrap or debootstrap"
    command -v "$bootstrap" >/dev/null || fail "$bootstrap is not installed"
elif command -v mmdebstrap >/dev/null; then
    bootstrap=mmdebstrap
elif command -v debootstrap >/dev/null; then
    bootstrap=debootstrap
else
    fail "neither mmdebstrap nor debootstrap is installed"
fi

# --- the host's Debian mirror ------------------------------------------------
# Prints "URI SUITE" for every package source of the host, as apt itself
# reads them (one-line and deb822 files alike).
host_sources() {
    apt-cache policy | awk '$1 ~ /^[0-9]+$/ && $2 ~ /:\/\// { split($3, a, "/"); print $2, a[1] }' | sort -u
}

first_uri_for() {
    host_sources | awk -v want="$1" '$2 == want { print $1; exit }'
}

mirror=${DEALWRIGHT_MIRROR:-$(first_uri_for "$suite")}
mirror=${mirror:-http://deb.debian.org/debian}
mirror=${mirror%/}
updates_mirror=$(first_uri_for "$suite-updates")
security_mirror=$(first_uri_for "$suite-security")
# The root gets the same sources a freshly installed system has: the release,
# and its updates and security archives when the host uses them.
declare -a source_lines=("deb $mirror $suite main")
[[ -n $updates_mirror ]] && source_lines+=("deb ${updates_mirror%/} $suite-updates main")
[[ -n $security_mirror ]] && source_lines+=("deb ${security_mirror%/} $suite-security main")

# --- 1. the package ----------------------------------------------------------
say "building the package in $build"
cd "$src"
# Old packages in the build folder would make "the one .deb" ambiguous.
rm -f -- "$build"/*.deb
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DDEALWRIGHT_TESTS=OFF -DDEALWRIGHT_BENCH=OFF
cmake --build "$build" --target package

shopt -s nullglob
debs=("$build"/*.deb)
shopt -u nullglob
[[ ${#debs[@]} -eq 1 ]] || fail "expected one .deb in $build, found ${#debs[@]}: ${debs[*]:-none}"
deb=$(cd "$(dirname "${debs[0]}")" && pwd)/$(basename "${debs[0]}")
deb_name=$(basename "$deb")
deb_bytes=$(stat -c %s "$deb")
pkg_name=$(dpkg-deb -f "$deb" Package)
pkg_version=$(dpkg-deb -f "$deb" Version)
pkg_installed_kb=$(dpkg-deb -f "$deb" Installed-Size)
pkg_depends=$(dpkg-deb -f "$deb" Depends)
ok "package built: $deb_name"

# --- 2. a fresh Debian root ---------------------------------------------------
tmp=$(mktemp -d "${TMPDIR:-/var/tmp}/dealwright-fresh.XXXXXX")
chmod 755 "$tmp"
root=$tmp/root
logs=$tmp/logs
mkdir -p "$logs"

say "making a minimal $suite root with $bootstrap from $mirror"
if [[ $bootstrap == mmdebstrap ]]; then
    mmdebstrap --mode=root --format=directory --variant=minbase \
        "$suite" "$root" "${source_lines[@]}" >"$logs/bootstrap.log" 2>&1 ||
        { tail -n 40 "$logs/bootstrap.log" >&2; fail "mmdebstrap could not make the root"; }
else
    debootstrap --variant=minbase "$suite" "$root" "$mirror" >"$logs/bootstrap.log" 2>&1 ||
        { tail -n 40 "$logs/bootstrap.log" >&2; fail "debootstrap could not make the root"; }
    printf '%s\n' "${source_lines[@]}" >"$root/etc/apt/sources.list"
fi
ok "fresh $suite minbase root made ($(du -sh --one-file-system "$root" | cut -f1))"

# The program finds its own folder through /proc/self/exe; apt and the
# program's children want the usual device nodes.
mount -t proc proc "$root/proc"
mounts+=("$root/proc")
if [[ ! -c $root/dev/null ]]; then
    mount --bind /dev "$root/dev"
    mounts+=("$root/dev")
fi
# Name resolution for the root's apt.
rm -f "$root/etc/resolv.conf"
cp -L /etc/resolv.conf "$root/etc/resolv.conf"

in_root() { chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 \
    DEBIAN_FRONTEND=noninteractive "$@"; }

# --- 3. the package installed by the root's own apt ---------------------------
say "installing $deb_name with the root's apt"
in_root dpkg-query -W -f '${Package}\n' | sort >"$logs/before.txt"
cp "$deb" "$root/tmp/$deb_name"
chmod 644 "$root/tmp/$deb_name"
in_root apt-get update >"$logs/apt-update.log" 2>&1 ||
    { cat "$logs/apt-update.log" >&2; fail "apt-get update in the root"; }
if ! in_root apt-get install -y --no-install-recommends "/tmp/$deb_name" >"$logs/apt-install.log" 2>&1; then
    cat "$logs/apt-install.log" >&2
    fail "apt-get install of $deb_name in the fresh root"
fi
in_root dpkg-query -W -f '${Package}\n' | sort >"$logs/after.txt"
mapfile -t pulled < <(comm -13 "$logs/before.txt" "$logs/after.txt" | grep -vx "$pkg_name")
status_line=$(in_root dpkg-query -W -f '${Status} ${Version}' "$pkg_name" 2>/dev/null || true)
[[ $status_line == "install ok installed $pkg_version" ]] ||
    fail "$pkg_name is not installed in the root (dpkg says: ${status_line:-nothing})"
ok "installed with apt-get install --no-install-recommends, ${#pulled[@]} packages pulled in"

for path in /usr/bin/dealwright /usr/lib/dealwright/dealwright; do
    [[ -e $root$path ]] || fail "$path is missing after the install"
done
# Every library that the executable, the package's own run-time modules and
# Qt's window-system plugins link against is found in the root: the plugins
# and modules are loaded only at run time, so dpkg-shlibdeps alone does not
# prove them.
ldd_targets=$(in_root sh -c 'ls -1 /usr/lib/dealwright/dealwright; \
    find /usr/lib/dealwright -name "*.so" -type f; \
    find /usr/lib/*/qt6/plugins/platforms -name "*.so" -type f 2>/dev/null' | sort -u)
: >"$logs/ldd.txt"
while IFS= read -r target; do
    printf '%s:\n' "$target" >>"$logs/ldd.txt"
    in_root ldd "$target" >>"$logs/ldd.txt" 2>&1 ||
        { cat "$logs/ldd.txt" >&2; fail "ldd $target in the root"; }
done <<<"$ldd_targets"
if grep -q 'not found' "$logs/ldd.txt"; then
    cat "$logs/ldd.txt" >&2
    fail "libraries missing in the fresh root (see the 'not found' lines above)"
fi
ok "every linked library found: the executable, $(grep -c '^/usr/lib/dealwright/.*\.so$' <<<"$ldd_targets") module(s) of its own, $(grep -c '/platforms/' <<<"$ldd_targets") Qt platform plugins"

# --- 4. the program, run as an unprivileged user ------------------------------
in_root useradd --create-home --user-group --shell /bin/sh "$user_name"
user_uid=$(in_root id -u "$user_name")
user_gid=$(in_root id -g "$user_name")
# The runtime folder a login session gives the user.
in_root install -d -m 700 -o "$user_uid" -g "$user_gid" "/run/user/$user_uid"

# Runs a command inside the root as the user with a clean environment (no
# DISPLAY, WAYLAND_DISPLAY or QT_* from the host); extra VAR=value words
# before the command are added to that environment. Its standard output and
# error go to $logs/<name>.out and .err; its status is left in run_status.
run_status=0
run_as_user() {
    local name=$1
    shift
    run_status=0
    timeout --kill-after=10 "$run_timeout" \
        chroot --userspec="$user_uid:$user_gid" --groups="$user_gid" "$root" \
        /usr/bin/env -i PATH=/usr/bin:/bin HOME="/home/$user_name" USER="$user_name" \
        LOGNAME="$user_name" LANG=C.UTF-8 XDG_RUNTIME_DIR="/run/user/$user_uid" "$@" \
        >"$logs/$name.out" 2>"$logs/$name.err" </dev/null || run_status=$?
}

show_run() {
    local name=$1
    printf -- '--- %s: status %s; standard output:\n' "$name" "$run_status" >&2
    cat "$logs/$name.out" >&2
    printf -- '--- standard error:\n' >&2
    cat "$logs/$name.err" >&2
}

run_fail() {
    show_run "$1"
    fail "$2"
}

# --version
say "running the program"
run_as_user version dealwright --version
[[ $run_status -eq 0 ]] || run_fail version "dealwright --version exited with status $run_status"
version_line=$(head -n 1 "$logs/version.out")
[[ -n $version_line ]] || run_fail version "dealwright --version printed no version line"
[[ $version_line == *"${pkg_version%%-*}"* ]] ||
    run_fail version "dealwright --version does not name version ${pkg_version%%-*}"
ok "dealwright --version: $version_line"

# 52 bitmaps. The program writes into a folder that exists (a missing one is
# refused with status 2), as a user would give it one.
run_as_user mkdir-out mkdir -p /tmp/cards /tmp/png
[[ $run_status -eq 0 ]] || run_fail mkdir-out "mkdir /tmp/cards /tmp/png as $user_name"
run_as_user batch52 dealwright --batch 52 --out /tmp/cards
[[ $run_status -eq 0 ]] || run_fail batch52 "dealwright --batch 52 --out /tmp/cards exited with status $run_status"
cards=$root/tmp/cards
[[ -d $cards ]] || run_fail batch52 "/tmp/cards was not made"
count=$(find "$cards" -mindepth 1 -maxdepth 1 | wc -l)
[[ $count -eq 52 ]] || { ls -la "$cards" >&2; fail "/tmp/cards holds $count entries, not 52"; }
for n in $(seq 1 52); do
    f="$cards/Card $n.bmp"
    [[ -f $f && ! -L $f ]] || fail "/tmp/cards/Card $n.bmp is missing"
    [[ $(head -c 2 "$f") == BM ]] || fail "/tmp/cards/Card $n.bmp does not start with BM"
done
ok "dealwright --batch 52 --out /tmp/cards: Card 1.bmp .. Card 52.bmp, each a bitmap (BM)"

# 5 PNG files 1050 pixels high
run_as_user batch5png dealwright --batch 5 --out /tmp/png --format png --height 1050
[[ $run_status -eq 0 ]] || run_fail batch5png "dealwright --batch 5 --out /tmp/png --format png --height 1050 exited with status $run_status"
pngs=$root/tmp/png
[[ -d $pngs ]] || run_fail batch5png "/tmp/png was not made"
count=$(find "$pngs" -mindepth 1 -maxdepth 1 | wc -l)
[[ $count -eq 5 ]] || { ls -la "$pngs" >&2; fail "/tmp/png holds $count entries, not 5"; }
# Each file is named after the card drawn ("Card N.png", N from 1 to 52), so
# five distinct cards give five distinct names.
png_sizes=()
for f in "$pngs"/*; do
    n=$(basename "$f")
    [[ $n =~ ^Card\ ([1-9]|[1-4][0-9]|5[0-2])\.png$ && -f $f && ! -L $f ]] ||
        { ls -la "$pngs" >&2; fail "/tmp/png/$n is not a file named Card N.png with N from 1 to 52"; }
    n=${BASH_REMATCH[1]}
    # The eight-byte PNG signature, then the IHDR chunk with width and height.
    [[ $(od -An -tx1 -N8 "$f" | tr -d ' \n') == 89504e470d0a1a0a ]] ||
        fail "/tmp/png/Card $n.png is not a PNG file"
    width=$((16#$(od -An -tx1 -j16 -N4 "$f" | tr -d ' \n')))
    height=$((16#$(od -An -tx1 -j20 -N4 "$f" | tr -d ' \n')))
    [[ $height -eq 1050 ]] || fail "/tmp/png/Card $n.png is $height pixels high, not 1050"
    png_sizes+=("${width}x$height")
done
ok "dealwright --batch 5 --out /tmp/png --format png --height 1050: 5 PNG files, ${png_sizes[0]} pixels"

# The windows on the offscreen platform: first with no settings (the main
# window), then with a settings file that opens the draw window first.
run_as_user shown-main QT_QPA_PLATFORM=offscreen DEALWRIGHT_EXIT_AFTER_SHOW=1 XDG_CONFIG_HOME=/tmp/cfg \
    dealwright
[[ $run_status -eq 0 ]] || run_fail shown-main "the chooser (offscreen) exited with status $run_status"
shown=$(grep -m1 '^shown ' "$logs/shown-main.err" || true)
[[ -n $shown ]] || run_fail shown-main "the chooser (offscreen) printed no \"shown\" line"
ok "chooser painted offscreen, empty settings folder: $shown"

in_root install -d -o "$user_uid" -g "$user_gid" /tmp/cfg2
printf '[Dealwright]\nForm3Start=2\n' >"$root/tmp/cfg2/Marrowfen.ini"
chown "$user_uid:$user_gid" "$root/tmp/cfg2/Marrowfen.ini"
run_as_user shown-draw QT_QPA_PLATFORM=offscreen DEALWRIGHT_EXIT_AFTER_SHOW=1 XDG_CONFIG_HOME=/tmp/cfg2 \
    dealwright
[[ $run_status -eq 0 ]] || run_fail shown-draw "the draw window (offscreen, Form3Start=2) exited with status $run_status"
shown=$(grep -m1 '^shown ' "$logs/shown-draw.err" || true)
[[ -n $shown ]] || run_fail shown-draw "the draw window (offscreen, Form3Start=2) printed no \"shown\" line"
# The program reads the switch and then stores Form3Start=0, so that the next
# start opens the chooser again: the file was read and written.
grep -qx 'Form3Start=0' "$root/tmp/cfg2/Marrowfen.ini" ||
    { cat "$root/tmp/cfg2/Marrowfen.ini" >&2; fail "the settings file was not reset to Form3Start=0 after the start"; }
ok "draw window painted offscreen, settings Form3Start=2 (then reset to 0): $shown"

# A real X server, when this machine has Xvfb: the program in the root then
# goes through Qt's xcb plugin and the X libraries that the root's apt put
# there. The root shares the host's network namespace, so the X server's
# abstract socket is reachable from inside it.
if command -v Xvfb >/dev/null; then
    Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp 5>"$logs/xvfb.display" 2>"$logs/xvfb.log" &
    xvfb_pid=$!
    for _ in $(seq 1 100); do
        [[ -s $logs/xvfb.display ]] && break
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.1
    done
    x_display=$(head -n 1 "$logs/xvfb.display")
    [[ -n $x_display ]] || { cat "$logs/xvfb.log" >&2; fail "Xvfb did not start on the host"; }
    run_as_user shown-x11 DISPLAY=":$x_display" DEALWRIGHT_EXIT_AFTER_SHOW=1 XDG_CONFIG_HOME=/tmp/cfg3 \
        dealwright
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=
    [[ $run_status -eq 0 ]] || run_fail shown-x11 "the chooser on X (Xvfb) exited with status $run_status"
    shown=$(grep -m1 '^shown ' "$logs/shown-x11.err" || true)
    [[ -n $shown ]] || run_fail shown-x11 "the chooser on X (Xvfb) printed no \"shown\" line"
    ok "chooser painted on X through the xcb plugin (host Xvfb): $shown"
else
    notes+=("X11 run skipped: no Xvfb on this machine")
fi

# No display at all, and no QT_QPA_PLATFORM.
run_as_user nodisplay dealwright
[[ $run_status -eq 2 ]] || run_fail nodisplay "dealwright without a display exited with status $run_status, not 2"
err_lines=$(wc -l <"$logs/nodisplay.err")
[[ $err_lines -eq 1 ]] || run_fail nodisplay "dealwright without a display wrote $err_lines lines on standard error, not 1"
ok "no display: status 2, one line: $(cat "$logs/nodisplay.err")"

# What the window runs wrote on standard error besides their "shown" line:
# Qt's warnings there point at something missing in the root.
for name in shown-main shown-draw shown-x11; do
    [[ -f $logs/$name.err ]] || continue
    while IFS= read -r line; do
        notes+=("$name wrote: $line")
    done < <(grep -v '^shown ' "$logs/$name.err" || true)
done

# --- 5. summary ---------------------------------------------------------------
elapsed=$(($(date +%s) - start_time))
printf '\n========== fresh Debian machine check ==========\n'
printf 'package:        %s (%s bytes, %s KiB)\n' "$deb" "$deb_bytes" "$(((deb_bytes + 1023) / 1024))"
printf 'version:        %s\n' "$pkg_version"
printf 'installed-size: %s KiB\n' "$pkg_installed_kb"
printf 'depends:        %s\n' "$pkg_depends"
printf 'root:           %s minbase by %s from %s\n' "$suite" "$bootstrap" "$mirror"
printf 'pulled in:      %s packages besides %s\n' "${#pulled[@]}" "$pkg_name"
printf '%s\n' "${pulled[@]}" | fmt -w 76 | sed 's/^/    /'
if [[ ${#notes[@]} -gt 0 ]]; then
    printf 'note: %s\n' "${notes[@]}"
fi
printf '%s\n' "${ok_lines[@]}"
printf 'fresh-machine check passed (%d s)\n' "$elapsed"
