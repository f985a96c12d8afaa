#!/usr/bin/python3
"""Every shipped language keeps up with the program's English texts.

Runs lupdate over the program's sources into a copy of each
translations/dealwright_<code>.ts (the files themselves stay as they are)
and fails, naming the texts, when a language
  - lacks a text: a tr() text added or changed in the sources that the .ts
    does not translate yet (lupdate marks it unfinished), or one left
    unfinished or empty in the file;
  - keeps a text the sources no longer have (lupdate marks it vanished);
  - translates a text without its placeholders (%1 ... %9; %n may be left
    out of a plural form, as in Arabic "ورقة واحدة") or with others;
  - gives a direction other than LTR or RTL for QT_LAYOUT_DIRECTION.
Fails too when a source of the program that holds translatable texts is
left out of the scan (its folder missing from translations/CMakeLists.txt):
its texts would stay English in every language without any entry showing.
Prints each language's number of entries.

  check_translations.py --lupdate LUPDATE --sources LIST --source-dir DIR --languages de;fr;...
"""

import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%(?:L?[1-9]|n|Ln)")
# A text handed to Qt's translation system in C++.
TRANSLATABLE = re.compile(r'\b(?:tr|translate)\s*\(\s*"|\bQT_TR(?:ANSLATE)?_N?_?NOOP\b')
# Folders whose texts the program never shows: tests, benchmarks, the art
# generator.
NOT_PROGRAM = {"tests", "bench", "tools"}


def unscanned_sources(source_dir, scanned):
    """The program's C++ files with translatable texts that the scan leaves out."""
    scanned = {os.path.realpath(path) for path in scanned}
    missing = []
    for folder, subfolders, files in os.walk(source_dir):
        relative = os.path.relpath(folder, source_dir)
        top = relative.split(os.sep)[0]
        # Build trees (of this or any configuration) and hidden folders hold no sources.
        if relative != "." and (top in NOT_PROGRAM or top.startswith(".") or "CMakeCache.txt" in files):
            subfolders[:] = []
            continue
        for name in files:
            path = os.path.join(folder, name)
            if not name.endswith((".cpp", ".h")) or os.path.realpath(path) in scanned:
                continue
            with open(path, encoding="utf-8", errors="replace") as source:
                if TRANSLATABLE.search(source.read()):
                    missing.append(os.path.relpath(path, source_dir))
    return sorted(missing)


def placeholders(text, numerus):
    found = set(m.replace("L", "") for m in PLACEHOLDER.findall(text or ""))
    if numerus:
        found.discard("%n")
    return found


def check(ts_path, language):
    problems = []
    entries = 0
    root = ET.parse(ts_path).getroot()
    for context in root.findall("context"):
        cname = context.findtext("name")
        for message in context.findall("message"):
            entries += 1
            source = message.findtext("source") or ""
            where = f"[{cname}] {source!r}"
            translation = message.find("translation")
            kind = translation.get("type") if translation is not None else "missing"
            if kind in ("vanished", "obsolete"):
                problems.append(f"no longer in the sources: {where}")
                continue
            if kind == "unfinished":
                problems.append(f"not translated: {where}")
                continue
            numerus = message.get("numerus") == "yes"
            texts = [f.text or "" for f in translation.findall("numerusform")] if numerus else [translation.text or ""]
            if not texts or any(not t.strip() for t in texts):
                problems.append(f"empty translation: {where}")
                continue
            wanted = placeholders(source, numerus)
            for text in texts:
                got = placeholders(text, numerus)
                if got != wanted:
                    problems.append(f"placeholders {sorted(got)} instead of {sorted(wanted)}: {where} -> {text!r}")
            if numerus and "%n" in source and not any("%n" in t for t in texts):
                problems.append(f"no plural form shows the number: {where}")
            if cname == "QGuiApplication" and source == "QT_LAYOUT_DIRECTION" and texts[0] not in ("LTR", "RTL"):
                problems.append(f"QT_LAYOUT_DIRECTION is {texts[0]!r}, not LTR or RTL")
    return entries, problems


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--lupdate", required=True)
    parser.add_argument("--sources", required=True, help="file listing the translatable sources, one per line")
    parser.add_argument("--source-dir", required=True)
    parser.add_argument("--languages", required=True)
    args = parser.parse_args()
    languages = [l for l in re.split(r"[;,]", args.languages) if l]
    failed = False
    with open(args.sources, encoding="utf-8") as listing:
        scanned = [line.strip() for line in listing if line.strip()]
    for path in unscanned_sources(args.source_dir, scanned):
        print(f"FAIL: {path} has texts to translate but is not scanned for them (translations/CMakeLists.txt)")
        failed = True
    with tempfile.TemporaryDirectory() as work:
        copies = []
        for language in languages:
            original = os.path.join(args.source_dir, "translations", f"dealwright_{language}.ts")
            if not os.path.exists(original):
                print(f"FAIL {language}: no {original}")
                failed = True
                continue
            copy = os.path.join(work, os.path.basename(original))
            shutil.copyfile(original, copy)
            copies.append((language, copy))
        if not copies:
            return 1
        # The same scan as the build's update_translations, but keeping what
        # vanished so that it shows.
        command = [args.lupdate, "-silent", "-locations", "none", "-no-ui-lines", "-I", args.source_dir,
                   "@" + args.sources, "-ts"] + [c for _, c in copies]
        result = subprocess.run(command, capture_output=True, text=True)
        if result.returncode != 0:
            print("FAIL: lupdate:", result.stdout, result.stderr)
            return 1
        for language, copy in copies:
            entries, problems = check(copy, language)
            if problems:
                failed = True
                print(f"FAIL {language}: {entries} entries, {len(problems)} behind the English texts:")
                for problem in problems:
                    print("    " + problem)
            else:
                print(f"ok {language}: {entries} entries, all translated")
    if failed:
        print("Update the files with: cmake --build <build> --target update_translations, then translate what is"
              " unfinished (docs/translations.md).")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
