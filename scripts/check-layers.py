#!/usr/bin/env python3
"""Fails on an include that points against the order of the layers.

Each layer is one folder and one CMake target and may include only itself and
the layers below it. From the bottom:

    base          plain helpers: Error, paths, files, UTF-8 text
    platform      bundle, home, system tools, queues, processes (Qt-free)
    platform/qt   the Qt binding of the main queue and desktop services
    pipeline      one run of the build script, the installer log (Qt-free)
    checks        probe, validation, free space, hashing (Qt-free; may use pipeline)
    installing    installing into Applications, the Finder folder (Qt-free)
    session       the session and its rules: advice, stage mapping, notification texts (Qt-free)
    components    palette, appearance, custom-drawn views
    window        the pages, the controller, the build's run
    modes         main, options, headless build, windowed mode, snapshots

pipeline, checks, installing and session sit in that order above platform;
none of them may include platform/qt, so the Qt-free core stays Qt-free.
platform/qt is included only from components up.

Every quoted include ("folder/file.h", or a path relative to the including
file) in every source under a layer folder is checked. tests/ and bench/ are
not layers and are not checked: a test or a benchmark may include whatever it
exercises. No layer may include anything from them, nor from demo/ or assets/.

Usage: check-layers.py [repository root]. Prints each offending include as
"file:line: <layer> may not include <layer>" and exits 1 when there is one.
"""

import os
import re
import sys

# Each layer and the layers it may include besides itself.
_PLAIN = ["base"]
_PLATFORM = _PLAIN + ["platform"]
_CORE = _PLATFORM + ["pipeline", "checks", "installing", "session"]
MAY_INCLUDE = {
    "base": [],
    "platform": _PLAIN,
    "platform/qt": _PLATFORM,
    "pipeline": _PLATFORM,
    "checks": _PLATFORM + ["pipeline"],
    "installing": _PLATFORM + ["pipeline", "checks"],
    "session": _PLATFORM + ["pipeline", "checks", "installing"],
    "components": _CORE + ["platform/qt"],
    "window": _CORE + ["platform/qt", "components"],
    "modes": _CORE + ["platform/qt", "components", "window"],
}

# Folders that hold no layer; a layer never includes from them.
NOT_LAYERS = ["tests", "bench", "demo", "assets", "scripts", "docs"]

SOURCE_SUFFIXES = (".h", ".hpp", ".cpp", ".cc", ".mm")
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"')


def layer_of(path):
    """The layer a repository-relative path belongs to (longest folder wins)."""
    best = None
    for layer in MAY_INCLUDE:
        if path.startswith(layer + "/") and (best is None or len(layer) > len(best)):
            best = layer
    return best


def included_path(root, source, name):
    """The repository-relative path an include names: next to the including
    file when it is there, else from the root, as the build's search path has it."""
    beside = os.path.normpath(os.path.join(os.path.dirname(source), name))
    if not beside.startswith("..") and os.path.exists(os.path.join(root, beside)):
        return beside
    return os.path.normpath(name)


def offences(root):
    found = []
    for layer in sorted(MAY_INCLUDE):
        for folder, subfolders, files in os.walk(os.path.join(root, layer)):
            subfolders.sort()
            for file in sorted(files):
                if not file.endswith(SOURCE_SUFFIXES):
                    continue
                source = os.path.relpath(os.path.join(folder, file), root)
                if layer_of(source) != layer:
                    continue  # a nested layer's file, checked as that layer
                with open(os.path.join(root, source), encoding="utf-8", errors="replace") as text:
                    for number, line in enumerate(text, 1):
                        match = INCLUDE.match(line)
                        if not match:
                            continue
                        target = included_path(root, source, match.group(1))
                        other = layer_of(target)
                        if other is None:
                            top = target.split("/", 1)[0]
                            if "/" in target and top in NOT_LAYERS:
                                other = top
                            else:
                                continue  # a generated file or a system header
                        if other != layer and other not in MAY_INCLUDE[layer]:
                            found.append(f"{source}:{number}: {layer} may not include {other}")
    return found


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..")
    root = os.path.abspath(root)
    missing = [layer for layer in MAY_INCLUDE if not os.path.isdir(os.path.join(root, layer))]
    if missing:
        print(f"check-layers: no folder for the layer(s) {', '.join(missing)} under {root}")
        return 2
    found = offences(root)
    for line in found:
        print(line)
    if found:
        print(f"{len(found)} include(s) against the layer order")
        return 1
    print(f"layers: every include points downward ({len(MAY_INCLUDE)} layers)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
