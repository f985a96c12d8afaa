# Helpers of check-fresh-debian.sh (sourced by it): reporting, the mounts
# under the temporary folder, and the clean-up that unmounts before it
# deletes. They use the script's variables tmp, mounts, ok_lines and xvfb_pid.
# shellcheck shell=bash

say() { printf '==> %s\n' "$*"; }

fail() {
    printf '\nFAILED: %s\n' "$*" >&2
    exit 1
}

ok() {
    ok_lines+=("ok: $*")
    printf 'ok: %s\n' "$*"
}

# Mount points at or under the given folder, deepest first, read from the
# kernel's own table so that mounts left by a killed mmdebstrap are found too.
mounts_under() {
    local base=$1
    awk -v base="$base" '{
        p = $5
        # mountinfo writes space, tab, newline and backslash as octal escapes
        gsub(/\\040/, " ", p); gsub(/\\011/, "\t", p); gsub(/\\012/, "\n", p); gsub(/\\134/, "\\", p)
        if (p == base || index(p, base "/") == 1) print length(p) "\t" p
    }' /proc/self/mountinfo | sort -rn | cut -f2-
}

cleanup() {
    local status=$?
    trap - EXIT ERR INT TERM
    if [[ -n $xvfb_pid ]]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    if [[ -n $tmp && -d $tmp ]]; then
        local m left
        # Unmount before deleting anything: a bound /dev or /proc must never
        # be walked by rm.
        for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do
            umount "${mounts[i]}" 2>/dev/null || umount -l "${mounts[i]}" 2>/dev/null || true
        done
        while IFS= read -r m; do
            [[ -n $m ]] || continue
            umount "$m" 2>/dev/null || umount -l "$m" 2>/dev/null || true
        done < <(mounts_under "$tmp")
        left=$(mounts_under "$tmp")
        if [[ -n $left ]]; then
            printf 'warning: still mounted, %s left in place:\n%s\n' "$tmp" "$left" >&2
        else
            rm -rf --one-file-system -- "$tmp"
        fi
    fi
    exit "$status"
}
