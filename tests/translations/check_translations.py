#!/usr/bin/env python3
"""Checks the program's translations before they ship.

  check_translations.py LUPDATE SOURCE_ROOT

Each translations/scoreboard_<lang>.ts (English's: its plural forms only), as committed and as lupdate would
make it from today's sources, must be finished: no unfinished, obsolete or
vanished entry, no message missing; every translation carries the same
numbered arguments (%1 ... %9) as its source, %n where the source counts,
the language's number of plural forms, and differs from its English source
unless translations/same-as-english.txt lists it. Prints every problem and
exits 1 when there is one.
"""
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLURAL_FORMS = {"de": 2, "en": 2, "es": 2, "fr": 2, "nl": 2}  # Qt's rules for these languages
SOURCE_FOLDERS = ["app", "match", "serial", "ui", "remote"]
ARGUMENT = re.compile(r"%(\d)")


def arguments(text):
    return sorted(set(ARGUMENT.findall(text)))


# The first literal of each text the code hands to the translation system.
CALL = re.compile(r'(?:\btr\(\s*|(?:QCoreApplication::translate|QT_TRANSLATE_NOOP)\(\s*"[^"]*"\s*,\s*)'
                  r'"((?:[^"\\]|\\.)*)"', re.S)


def texts_in_code(root):
    """(file, first literal) of every text the code translates. lupdate
    drops some calls it cannot read (a count written as `n - 2`) without a
    word: each must be found among the messages it wrote."""
    found = []
    for folder in SOURCE_FOLDERS:
        for path in sorted((root / folder).rglob("*")):
            if path.suffix not in (".cpp", ".h"):
                continue
            code = path.read_text(encoding="utf-8")
            for call in CALL.finditer(code):
                literal = call.group(1).encode().decode("unicode_escape").encode("latin-1").decode("utf-8")
                found.append((path.relative_to(root), literal))
    return found


def same_as_english(root):
    allowed = set()
    for line in (root / "translations" / "same-as-english.txt").read_text(encoding="utf-8").splitlines():
        if line.strip() and not line.startswith("#"):
            language, _, source = line.partition(" ")
            allowed.add((language, source))
    return allowed


def problems_in(ts, language, allowed):
    found = []
    for context in ET.parse(ts).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            where = f"{ts.name}: {name}: {source[:60]!r}"
            translation = message.find("translation")
            kind = translation.get("type") if translation is not None else "missing"
            if kind in ("unfinished", "obsolete", "vanished", "missing"):
                found.append(f"{where}: {kind}")
                continue
            counted = message.get("numerus") == "yes"
            forms = [f.text or "" for f in translation.iter("numerusform")] if counted else [translation.text or ""]
            if counted and len(forms) != PLURAL_FORMS.get(language, len(forms)):
                found.append(f"{where}: {len(forms)} plural forms, {language} has {PLURAL_FORMS[language]}")
            if counted and "%n" in source and not any("%n" in form for form in forms):
                found.append(f"{where}: the count %n is missing")
            for form in forms:
                if not form.strip():
                    found.append(f"{where}: empty")
                elif arguments(form) != arguments(source):
                    found.append(f"{where}: arguments {arguments(form)} in {form!r}, the source has {arguments(source)}")
                elif form == source and language != "en" and (language, source) not in allowed \
                        and ("*", source) not in allowed:
                    found.append(f"{where}: the same as the English")
    return found


def main():
    lupdate, root = sys.argv[1], pathlib.Path(sys.argv[2]).resolve()
    allowed = same_as_english(root)
    committed = sorted((root / "translations").glob("scoreboard_*.ts"))
    problems = []
    with tempfile.TemporaryDirectory() as scratch:
        # What lupdate makes of today's sources: a message added to the code
        # and not yet translated shows as unfinished, one taken out as a
        # message fewer, a text it cannot read as a warning.
        fresh_files = [pathlib.Path(scratch) / ts.name for ts in committed]
        for ts, fresh in zip(committed, fresh_files):
            shutil.copy(ts, fresh)
        english = [f for f in fresh_files if f.name == "scoreboard_en.ts"]
        others = [f for f in fresh_files if f.name != "scoreboard_en.ts"]
        for files, options in ((others, []), (english, ["-pluralonly"])):
            if not files:
                continue
            run = subprocess.run([lupdate, "-silent", *options, "-no-obsolete", "-locations", "none", "-extensions",
                                  "cpp,h", "-I", str(root), *[str(root / folder) for folder in SOURCE_FOLDERS],
                                  "-ts", *map(str, files)], check=True, capture_output=True, text=True)
            problems += sorted({f"lupdate: {line.replace(str(root) + '/', '')}" for line in run.stderr.splitlines()
                                if line.strip() and "Ignoring definition of undeclared qualified class" not in line})
        sources = {m.findtext("source") or "" for f in others[:1] for m in ET.parse(f).getroot().iter("message")}
        for path, literal in texts_in_code(root) if others else []:
            if literal and not any(source.startswith(literal) for source in sources):
                problems.append(f"{path}: {literal[:60]!r} is translated in the code, but lupdate did not read it")
        for ts, fresh in zip(committed, fresh_files):
            language = ts.stem.split("_", 1)[1]
            problems += problems_in(ts, language, allowed)
            before = sum(1 for _ in ET.parse(ts).getroot().iter("message"))
            after = sum(1 for _ in ET.parse(fresh).getroot().iter("message"))
            if after < before:
                problems.append(f"{ts.name}: {before - after} message(s) no longer in the program")
            problems += [p.replace(fresh.name, ts.name + " (as lupdate makes it)", 1)
                         for p in problems_in(fresh, language, allowed) if "unfinished" in p]
    for problem in problems:
        print(problem)
    if not committed:
        print("no translations found")
    print(f"{len(committed)} translation(s), {len(problems)} problem(s)")
    return 1 if problems or not committed else 0


if __name__ == "__main__":
    sys.exit(main())
