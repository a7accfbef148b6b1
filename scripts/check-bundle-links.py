#!/usr/bin/env python3
"""Fails when code in the app bundle would load a library from outside the
bundle and the system.

macdeployqt copies Qt and what Qt links into the bundle and rewrites the
names, but it leaves as it is any library it cannot resolve, without failing:
the app then starts on the Mac that packaged it (where /opt/homebrew/... or
/usr/local/... exists) and nowhere else. So every Mach-O file is read with
otool: `otool -L` for the libraries it names, `otool -l` for its own install
name (a library lists itself first) and its run paths (LC_RPATH).

A library name is fine when it is
  - part of the system: under /System/Library/ or /usr/lib/;
  - @rpath/...: found inside the bundle through one of the file's run paths,
    or, for code loaded into the app (anything but a program of its own),
    through the app executable's run paths, as dyld looks them up;
  - @executable_path/... or @loader_path/...: a file inside the bundle.
A run path is fine when it lies inside the bundle or the system. Anything
else is a leak.

Usage: check-bundle-links.py APP MAIN KIND PATH [KIND PATH ...]
  APP    the bundle;  MAIN  the app's executable;
  KIND   "executable" for a program that runs on its own (the app, a helper),
         "loaded" for code the app loads (frameworks, libraries, plug-ins).
Prints one sentence per leak, paths relative to the bundle, and exits 1 when
there is one; exits 2 when otool cannot read a file.
"""

import os
import re
import subprocess
import sys

SYSTEM = ("/System/Library/", "/usr/lib/")
LIBRARY_LINE = re.compile(r"^\t(.*) \(compatibility version [^)]*\)$")
NAMED_FIELD = re.compile(r"^\s*(name|path) (.*) \(offset \d+\)$")


class OtoolFailed(Exception):
    pass


def otool(flag, path):
    try:
        run = subprocess.run(["otool", flag, path], stdin=subprocess.DEVNULL,
                             capture_output=True, text=True)
    except OSError as error:
        raise OtoolFailed(f"otool could not be run ({error.strerror})") from error
    if run.returncode != 0:
        raise OtoolFailed(f"otool {flag} could not read {path}")
    return run.stdout


def install_name_and_run_paths(path):
    """The file's own install name (None for a program or plug-in) and its run
    paths, from its load commands; a universal file lists each slice."""
    own, run_paths, command = None, [], None
    for line in otool("-l", path).splitlines():
        fields = line.split()
        if len(fields) == 2 and fields[0] == "cmd":
            command = fields[1]
            continue
        match = NAMED_FIELD.match(line)
        if not match:
            continue
        if command == "LC_ID_DYLIB" and match.group(1) == "name":
            own = match.group(2)
        elif command == "LC_RPATH" and match.group(1) == "path":
            if match.group(2) not in run_paths:
                run_paths.append(match.group(2))
    return own, run_paths


def libraries(path, own):
    names = []
    for line in otool("-L", path).splitlines():
        if not line.startswith("\t"):
            continue  # "<file>:" or "<file> (architecture arm64):"
        match = LIBRARY_LINE.match(line)
        name = match.group(1) if match else line.strip()
        if name != own and name not in names:
            names.append(name)
    return names


class Bundle:
    def __init__(self, app, main):
        self.root = os.path.realpath(app)
        self.main = main

    def shown(self, path):
        return os.path.relpath(os.path.realpath(path), self.root)

    def holds(self, path):
        real = os.path.realpath(path)
        return real == self.root or real.startswith(self.root + os.sep)

    def holds_file(self, path):
        return self.holds(path) and os.path.isfile(path)


def is_system(path):
    return os.path.isabs(path) and os.path.normpath(path).startswith(SYSTEM)


def expand(name, loader_dir, executable_dir):
    """A name with @loader_path or @executable_path spelled out; others as they are."""
    for prefix, folder in (("@loader_path/", loader_dir), ("@executable_path/", executable_dir)):
        if name.startswith(prefix):
            return os.path.normpath(os.path.join(folder, name[len(prefix):]))
    return name


def leaks(bundle, items):
    main_dir = os.path.dirname(bundle.main)
    _, main_run_paths = install_name_and_run_paths(bundle.main)
    # The app's run paths, as dyld applies them to whatever the app loads.
    app_run_paths = [expand(r, main_dir, main_dir) for r in main_run_paths]
    found = []
    for kind, path in items:
        own, run_paths = install_name_and_run_paths(path)
        loader_dir = os.path.dirname(path)
        executable_dir = loader_dir if kind == "executable" else main_dir
        shown = bundle.shown(path)

        searched = []
        for run_path in run_paths:
            expanded = expand(run_path, loader_dir, executable_dir)
            if not (is_system(expanded) or (os.path.isabs(expanded) and bundle.holds(expanded))):
                found.append(f"{shown} has the run path {run_path}, "
                             "which lies outside the app and macOS.")
                continue
            searched.append(expanded)
        if kind != "executable":
            searched += [r for r in app_run_paths if r not in searched]

        for name in libraries(path, own):
            if is_system(name):
                continue
            if name.startswith("@rpath/"):
                rest = name[len("@rpath/"):]
                if any(is_system(r) or bundle.holds_file(os.path.join(r, rest))
                       for r in searched if os.path.isabs(r)):
                    continue
                found.append(f"{shown} loads {name}, "
                             "which none of its run paths finds inside the app.")
            elif name.startswith(("@loader_path/", "@executable_path/")):
                if bundle.holds_file(expand(name, loader_dir, executable_dir)):
                    continue
                found.append(f"{shown} loads {name}, which is no file inside the app.")
            else:
                found.append(f"{shown} loads {name}, "
                             "which is neither inside the app nor part of macOS.")
    return found


def main(argv):
    if len(argv) < 3 or len(argv) % 2 != 1:
        print("usage: check-bundle-links.py APP MAIN KIND PATH [KIND PATH ...]", file=sys.stderr)
        return 2
    bundle = Bundle(argv[1], argv[2])
    items = list(zip(argv[3::2], argv[4::2]))
    try:
        found = leaks(bundle, items)
    except OtoolFailed as error:
        print(f"{error}.")
        return 2
    for sentence in found:
        print(sentence)
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
