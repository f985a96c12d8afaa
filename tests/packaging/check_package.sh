#!/bin/bash
# Builds the Debian package from a finished build and checks it:
#   - lintian (errors, warnings and information tags, pedantic ones too)
#     reports no error, no warning and nothing about hardening;
#   - the AppStream metadata and the menu entry validate without complaint;
#   - the package holds the licence in Debian's machine-readable copyright
#     file (the same text as LICENSE), a changelog that dpkg reads, the
#     manual page, the metadata, the icons (the scalable one included), the
#     executable with its SVG module and files, and the command link;
#   - the program loads its SVG module only from its own folder.
#   - every shipped language (translations/dealwright_<code>.ts) has its
#     compiled translation, its menu entry texts and its metadata texts; the
#     fonts of Chinese, Japanese and Arabic and Qt's translations are
#     recommended, not required; the desktop's card decks are suggested.
#
#   tests/packaging/check_package.sh BUILD-DIR SOURCE-DIR
set -euo pipefail
build=$(cd "$1" && pwd)
source=$(cd "$2" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
ok() { echo "ok: $*"; }

cpack --config "$build/CPackConfig.cmake" -B "$work/out" > "$work/cpack.log" 2>&1 || {
    cat "$work/cpack.log"; echo "FAIL: cpack"; exit 1; }
deb=$(ls "$work"/out/*.deb)
[ "$(echo "$deb" | wc -l)" = 1 ] || { echo "FAIL: expected one package, got: $deb"; exit 1; }
ok "built $(basename "$deb")"

# lintian: every tag it can show, overrides included, so that nothing is hidden.
lintian --info --display-info --pedantic --show-overrides --tag-display-limit 0 "$deb" \
    > "$work/lintian.txt" 2> "$work/lintian.err" || true
if grep -q "^E: \|^W: " "$work/lintian.txt"; then
    fail "lintian reports errors or warnings:"; grep "^E: \|^W: " "$work/lintian.txt"
elif grep -q "hardening" "$work/lintian.txt"; then
    fail "lintian reports missing hardening:"; grep "hardening" "$work/lintian.txt"
elif grep -qv "^running with root privileges" "$work/lintian.err"; then
    fail "lintian could not check the package:"; cat "$work/lintian.err"
else
    ok "lintian: no error, no warning, no hardening tag"
fi
# What it still says, for the log.
sed 's/^/    lintian: /' "$work/lintian.txt"

root=$work/root
dpkg-deb -x "$deb" "$root"
control=$(dpkg-deb -f "$deb" Section Version Depends)
depends=$(dpkg-deb -f "$deb" Depends)
recommends=$(dpkg-deb -f "$deb" Recommends)
suggests=$(dpkg-deb -f "$deb" Suggests)

metainfo=$root/usr/share/metainfo/example.dealwright.Dealwright.metainfo.xml
if [ ! -f "$metainfo" ]; then
    fail "no AppStream metadata in the package"
else
    validation=$(appstreamcli validate --no-net "$metainfo" 2>&1) && status=0 || status=$?
    if [ "$status" -ne 0 ] || echo "$validation" | grep -q "^[EW]: "; then
        fail "appstreamcli validate: $validation"
    else
        ok "appstreamcli validate --no-net"
    fi
    grep -q '<launchable type="desktop-id">dealwright.desktop</launchable>' "$metainfo" \
        && [ -f "$root/usr/share/applications/dealwright.desktop" ] \
        || fail "the metadata's launchable is not the installed menu entry"
    grep -q '<binary>dealwright</binary>' "$metainfo" && [ -L "$root/usr/bin/dealwright" ] \
        || fail "the metadata's binary is not installed"
fi

desktop=$root/usr/share/applications/dealwright.desktop
complaints=$(desktop-file-validate "$desktop" 2>&1) || true
[ -z "$complaints" ] && ok "desktop-file-validate" || fail "desktop-file-validate: $complaints"

# The licence: the copyright file is machine-readable and carries the same
# permission text as LICENSE.
copyright=$root/usr/share/doc/dealwright/copyright
normalise() { tr -s ' \n' '  ' | sed 's/ \. / /g; s/^ //; s/ $//'; }
if [ ! -f "$copyright" ]; then
    fail "no copyright file"
else
    head -1 "$copyright" | grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
        || fail "the copyright file is not in the machine-readable format"
    grep -q '^Copyright: .*The Dealwright authors' "$copyright" || fail "the copyright file names no holder"
    licence_text=$(sed -n '/^Permission is hereby granted/,$p' "$source/LICENSE" | normalise)
    packaged_text=$(sed -n '/^License: Expat$/,$p' "$copyright" | sed -n '/Permission is hereby granted/,$p' | normalise)
    [ -n "$licence_text" ] && [ "$licence_text" = "$packaged_text" ] \
        && ok "copyright file carries the MIT licence of LICENSE" \
        || fail "the copyright file's licence text differs from LICENSE"
fi

changelog=$root/usr/share/doc/dealwright/changelog.gz
if [ -f "$changelog" ]; then
    zcat "$changelog" > "$work/changelog"
    version=$(dpkg-parsechangelog -l "$work/changelog" -S Version)
    [ "$version" = "$(dpkg-deb -f "$deb" Version)" ] && ok "changelog.gz for version $version" \
        || fail "the changelog's version $version is not the package's"
else
    fail "no changelog.gz"
fi

manual=$root/usr/share/man/man1/dealwright.1.gz
if [ -f "$manual" ]; then
    lexgrog "$manual" | grep -q 'dealwright - ' || fail "the manual page has no NAME line"
    text=$(MANWIDTH=80 man -l "$manual" 2>&1)
    for option in --batch --out --format --height --help --version; do
        echo "$text" | grep -q -- "$option" || fail "the manual page does not document $option"
    done
    for section in "EXIT STATUS" FILES Marrowfen.ini; do
        echo "$text" | grep -q "$section" || fail "the manual page has no $section"
    done
    ok "manual page dealwright(1)"
else
    fail "no manual page"
fi

for size in 16 24 32 48 64 128 256; do
    [ -f "$root/usr/share/icons/hicolor/${size}x${size}/apps/dealwright.png" ] || fail "no ${size}px icon"
done
svg=$root/usr/share/icons/hicolor/scalable/apps/dealwright.svg
grep -q '<svg' "$svg" 2>/dev/null && cmp -s "$svg" "$source/assets/icon/dealwright.svg" \
    && ok "scalable icon" || fail "no scalable icon, or not the generated one"

for file in lib/dealwright/dealwright lib/dealwright/plugins/dealwright-svg.so lib/dealwright/HAND-M.CUR lib/dealwright/x/o.cjs; do
    [ -f "$root/usr/$file" ] || fail "/usr/$file is missing"
done
[ "$(readlink "$root/usr/bin/dealwright")" = "../lib/dealwright/dealwright" ] || fail "the command link is wrong"

# The SVG module comes only from the program's own folder: a library in a
# folder named by DEALWRIGHT_MODULE_DIR (which only the build tree's test
# programs honour) is neither loaded nor looked at, even where the program
# needs the module (cards of 200 pixels), and the program's own module is
# used (Qt warns on standard error when it cannot load one).
program=$root/usr/lib/dealwright/dealwright
strings "$program" > "$work/program.strings"
if grep -q DEALWRIGHT_MODULE_DIR "$work/program.strings"; then
    fail "the packaged program reads DEALWRIGHT_MODULE_DIR"
fi
mkdir -p "$work/elsewhere" "$work/cards"
printf '#include <stdio.h>\n__attribute__((constructor)) static void loaded(void) { fclose(fopen("%s", "w")); }\n' \
    "$work/elsewhere-loaded" > "$work/elsewhere.c"
if ${CC:-cc} -shared -fPIC -o "$work/elsewhere/dealwright-svg.so" "$work/elsewhere.c" 2> "$work/cc.log"; then
    DEALWRIGHT_MODULE_DIR=$work/elsewhere "$program" --batch 1 --out "$work/cards" --height 200 \
        > /dev/null 2> "$work/module.err" && status=0 || status=$?
    if [ -e "$work/elsewhere-loaded" ]; then
        fail "the packaged program loaded a module from DEALWRIGHT_MODULE_DIR"
    elif [ "$status" -ne 0 ] || [ -s "$work/module.err" ]; then
        fail "the packaged program did not use its own module (status $status): $(cat "$work/module.err")"
    else
        ok "the SVG module only from the program's folder"
    fi
else
    fail "no C compiler for the module check: $(cat "$work/cc.log")"
fi
echo "$control" | grep -q '^Section: utils$' || fail "section: $control"
echo "$control" | grep -q 'libqt6svg6' || fail "the SVG module's library is not a dependency: $control"

languages=$(cd "$source/translations" && ls dealwright_*.ts | sed 's/^dealwright_//; s/\.ts$//')
[ -n "$languages" ] || fail "no shipped language found in $source/translations"
missing=""
for language in $languages; do
    qm=$root/usr/share/locale/$language/LC_MESSAGES/dealwright.qm
    [ -s "$qm" ] || missing="$missing $language(translation)"
    for key in Name GenericName Comment; do
        grep -q "^$key\[$language\]=." "$desktop" || missing="$missing $language($key)"
    done
    for element in name summary p li; do
        grep -q "<$element xml:lang=\"$language\">" "$metainfo" || missing="$missing $language(<$element>)"
    done
done
[ -z "$missing" ] && ok "every language: translation, menu entry, metadata ($(echo $languages | tr '\n' ' '))" \
    || fail "languages without all their parts:$missing"
grep -q '<translation type="qt">dealwright</translation>' "$metainfo" || fail "the metadata names no Qt translation"
for font in fonts-noto-cjk fonts-noto-ui-core qt6-translations-l10n; do
    echo "$recommends" | grep -q "\b$font\b" || fail "$font is not recommended: $recommends"
    echo "$depends" | grep -q "\b$font\b" && fail "$font is required, not recommended: $depends"
done
# The desktop's card decks: more card designs, suggested, never required.
if echo "$suggests" | grep -qx "kdegames-card-data-kf5" && ! echo "$depends $recommends" | grep -q "kdegames-card-data"; then
    ok "the card decks (kdegames-card-data-kf5) suggested, not required"
else
    fail "the card decks are not suggested alone: Suggests: $suggests; Depends: $depends; Recommends: $recommends"
fi

[ "$failures" -eq 0 ] && echo "package checks passed" || { echo "$failures package check(s) failed"; exit 1; }
