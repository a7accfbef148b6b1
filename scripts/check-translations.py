#!/usr/bin/env python3
"""check-translations.py LUPDATE SOURCE_DIR TS_FILE... -- LUPDATE_OPTION... -- SOURCE...

Fails, naming each problem, when a catalogue is out of step with the sources or
incomplete: a text the sources mark that the catalogue lacks, a text it carries
that the sources no longer mark, a message without its translation, or a
translation whose value places ("%@", "%1".."%9", "%n") differ from its source's.

The catalogues are compared with what lupdate makes of the sources now, on
copies: the files in the tree are never touched.
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree


def messages(path):
    """(context, source, disambiguation) -> (numerus, [translations], unfinished) of one
    catalogue: one source may be two messages, told apart by their disambiguation."""
    found = {}
    for context in ElementTree.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source")
            comment = message.findtext("comment") or ""
            translation = message.find("translation")
            numerus = message.get("numerus") == "yes"
            if numerus:
                texts = [form.text or "" for form in translation.iter("numerusform")]
            else:
                texts = [translation.text or ""]
            state = translation.get("type")
            found[(name, source, comment)] = (numerus, texts, state)
    return found


def places(text):
    """The value places of `text`: how many "%@", which "%1".."%9", whether "%n"."""
    numbered = sorted(set(re.findall(r"%([1-9])", text)))
    return text.count("%@"), numbered, "%n" in text


def places_agree(source, translation):
    count, numbered, counted = places(source)
    t_count, t_numbered, t_counted = places(translation)
    if counted != t_counted:
        return False
    if numbered:
        return t_numbered == numbered and t_count == count
    if t_count == count and not t_numbered:
        return True
    # "%@" values may be given numbers where a language needs another order.
    return t_count == 0 and t_numbered == [str(i) for i in range(1, count + 1)]


def check(lupdate, source_dir, catalogue, options, sources):
    problems = []
    committed = messages(catalogue)
    with tempfile.TemporaryDirectory() as scratch:
        current_path = os.path.join(scratch, os.path.basename(catalogue))
        shutil.copy(catalogue, current_path)
        result = subprocess.run(
            [lupdate, "-I", source_dir] + options + sources + ["-ts", current_path],
            capture_output=True, text=True)
        if result.returncode != 0:
            return [f"lupdate failed: {result.stderr.strip()}"]
        current = messages(current_path)
    name = os.path.basename(catalogue)
    for key in sorted(set(current) - set(committed)):
        problems.append(f"{name}: lacks [{key[0]}] {key[1]!r}")
    for key in sorted(set(committed) - set(current)):
        problems.append(f"{name}: carries the obsolete [{key[0]}] {key[1]!r}")
    for key, (numerus, texts, state) in sorted(committed.items()):
        if key not in current:
            continue
        if state in ("unfinished", "obsolete", "vanished") or not all(texts):
            problems.append(f"{name}: no translation for [{key[0]}] {key[1]!r}")
            continue
        for text in texts:
            if not places_agree(key[1], text):
                problems.append(
                    f"{name}: [{key[0]}] {key[1]!r} and its translation {text!r} differ in places")
    return problems


def main(argv):
    try:
        first = argv.index("--")
        second = argv.index("--", first + 1)
    except ValueError:
        print(__doc__.strip().splitlines()[0], file=sys.stderr)
        return 2
    lupdate, source_dir, *catalogues = argv[1:first]
    options = argv[first + 1:second]
    sources = argv[second + 1:]
    problems = []
    for catalogue in catalogues:
        problems += check(lupdate, source_dir, catalogue, options, sources)
    for problem in problems:
        print(problem)
    if problems:
        print(f"{len(problems)} problems in the catalogues; "
              "`cmake --build <build> --target update_translations` brings them up to date "
              "with the sources, then translate what is new.")
        return 1
    print(f"{len(catalogues)} catalogues complete and in step with the sources")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
