#!/usr/bin/env python3
"""Parses product sources with the compiler of a build tree, without building.

Each source under the given folders is parsed (-fsyntax-only) with the exact
command its build uses, read from the build tree's compile_commands.json,
plus any extra flags. The libcxx preset uses it twice:

  - the Qt layers against libc++'s headers: Debian's Qt is built against
    libstdc++, so they cannot be linked there, but every line still has to
    compile with the Mac's C++ library;
  - the Qt-free layers as the Mac sees them (-U__linux__ -D__APPLE__ and the
    declarations in tests/darwin_view/), so every __APPLE__ branch is compiled.

With --unlisted, a .cpp file of those folders that the build does not compile
(one built only on the Mac, such as checks/sha256_commoncrypto.cpp) is parsed
with the command of a source in the same folder, or the nearest folder above.

Usage: parse-sources.py BUILD_DIR SOURCE_ROOT --folder F [--folder F ...]
           [--exclude F ...] [--unlisted] [--jobs N] [-- EXTRA FLAGS...]
Prints each source that does not parse with the compiler's messages and exits
1 when there is one.
"""

import argparse
import concurrent.futures
import json
import os
import shlex
import subprocess
import sys

# Flags that make an object file or a dependency file; a parse needs none.
DROP_WITH_VALUE = {"-o", "-MT", "-MF", "-MQ"}
DROP = {"-c", "-MD", "-MMD"}


def parse_command(entry, source):
    """The entry's compile command turned into a parse of `source`."""
    words = entry["arguments"] if "arguments" in entry else shlex.split(entry["command"])
    # A compiler launcher (ccache) is not the compiler.
    while words and os.path.basename(words[0]) in ("ccache", "sccache"):
        words = words[1:]
    result = [words[0]]
    skip = False
    for word in words[1:]:
        if skip:
            skip = False
            continue
        if word in DROP_WITH_VALUE:
            skip = True
            continue
        if word in DROP or word == entry["file"] or os.path.normpath(
                os.path.join(entry["directory"], word)) == os.path.normpath(entry["file"]):
            continue
        result.append(word)
    return result + ["-fsyntax-only", source]


def under(path, folder):
    return path == folder or path.startswith(folder.rstrip("/") + "/")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build_dir")
    parser.add_argument("source_root")
    parser.add_argument("--folder", action="append", required=True)
    parser.add_argument("--exclude", action="append", default=[])
    parser.add_argument("--unlisted", action="store_true")
    parser.add_argument("--jobs", type=int, default=2)
    argv = sys.argv[1:]
    extra = argv[argv.index("--") + 1:] if "--" in argv else []
    args = parser.parse_args(argv[:argv.index("--")] if "--" in argv else argv)

    root = os.path.realpath(args.source_root)
    database = os.path.join(args.build_dir, "compile_commands.json")
    try:
        with open(database, encoding="utf-8") as f:
            entries = json.load(f)
    except (OSError, ValueError) as error:
        print("Cannot read %s: %s." % (database, error))
        return 1

    def wanted(relative):
        return (any(under(relative, folder) for folder in args.folder)
                and not any(under(relative, folder) for folder in args.exclude))

    by_source = {}
    for entry in entries:
        path = os.path.realpath(os.path.join(entry["directory"], entry["file"]))
        relative = os.path.relpath(path, root).replace(os.sep, "/")
        if not relative.startswith("..") and wanted(relative):
            by_source.setdefault(relative, entry)

    jobs = {relative: (entry, relative) for relative, entry in by_source.items()}
    if args.unlisted:
        for folder in args.folder:
            for directory, _, files in os.walk(os.path.join(root, folder)):
                for name in files:
                    relative = os.path.relpath(os.path.join(directory, name), root).replace(os.sep, "/")
                    if not name.endswith(".cpp") or relative in jobs or not wanted(relative):
                        continue
                    # The nearest listed source in this folder or above lends its command.
                    here = os.path.dirname(relative)
                    while True:
                        siblings = sorted(s for s in by_source if os.path.dirname(s) == here)
                        if siblings or not here:
                            break
                        here = os.path.dirname(here)
                    if not siblings:
                        print("%s: no compiled source near it to take flags from." % relative)
                        return 1
                    jobs[relative] = (by_source[siblings[0]], relative)

    if not jobs:
        print("No sources under %s in %s." % (", ".join(args.folder), database))
        return 1

    def run(item):
        entry, relative = item
        command = parse_command(entry, os.path.join(root, relative))
        command[-1:-1] = extra
        done = subprocess.run(command, cwd=entry["directory"], capture_output=True, text=True)
        return relative, done.returncode, done.stdout + done.stderr

    failures = 0
    with concurrent.futures.ThreadPoolExecutor(max_workers=max(1, args.jobs)) as pool:
        for relative, status, output in pool.map(run, [jobs[k] for k in sorted(jobs)]):
            if status != 0:
                failures += 1
                print("==== %s does not parse:\n%s" % (relative, output))
    print("%d of %d sources parsed." % (len(jobs) - failures, len(jobs)))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
