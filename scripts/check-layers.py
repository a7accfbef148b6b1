#!/usr/bin/env python3
"""Fails on an include that the build's link graph does not allow.

Each layer is a folder with a CMakeLists.txt of its own, and its targets link
only the layers below it. The layers, their order and each one's job are
written in one place, docs/design.md ("Layers"); what this check enforces is
the link graph itself: a folder may include its own headers and those of the
folders whose targets it links, directly or through the targets those link,
and nothing else. platform/qt sits inside platform but is a layer of its own:
only a folder that links velmora_platform_qt may include it, so the Qt-free
core stays Qt-free.

The graph comes from the configured build: the top-level CMakeLists.txt writes
every target, its folder and what it links to <build>/layer_graph.json
(cmake/LayerGraph.cmake). A folder is a layer when it defines a target and is
none of NOT_LAYERS below. The check fails
  - on an include or import ("folder/file.h", <folder/file.h>, or a path
    relative to the including file) in a layer's source that names a header
    of a layer the including layer does not link, or anything under a folder
    that is not a layer (tests/, bench/, demo/, ...);
  - on a layer whose targets link a target of a folder that is not a layer;
  - on layers that link each other, directly or round a longer loop: then
    neither is below the other.
tests/ and bench/ are not layers and are not checked: a test or a benchmark
may include whatever it exercises.

Usage: check-layers.py <build folder or its layer_graph.json> [source root].
The source root defaults to the one the graph names. Prints each offence as
"file:line: <layer> may not include <folder>" (or "<layer> links <folder>
(...)") and exits 1 when there is one, 2 when there is no graph to read.
"""

import json
import os
import re
import sys

# Folders that hold no layer, however many targets they define; a layer never
# includes from them nor links them.
NOT_LAYERS = ["tests", "bench", "fuzz", "demo", "assets", "scripts", "docs", "translations"]

SOURCE_SUFFIXES = (".h", ".hpp", ".cpp", ".cc", ".mm")
INCLUDE = re.compile(r'^\s*#\s*(?:include|import)\s*(?:"([^"]+)"|<([^>]+)>)')
# The characters of a target's name, to find the names inside a link item
# such as "$<LINK_ONLY:velmora_base>".
NAME = re.compile(r"[A-Za-z0-9_.+-]+")


def is_layer_folder(folder):
    """Whether a folder that defines targets is a layer."""
    if folder in ("", ".") or folder.startswith(".."):
        return False  # the top level (velmora_warnings), or outside the tree
    return folder.split("/", 1)[0] not in NOT_LAYERS


def read_graph(path):
    """The graph's source root, and {target: (folder, [target it links, ...])}
    for the project's own targets."""
    if os.path.isdir(path):
        path = os.path.join(path, "layer_graph.json")
    with open(path, encoding="utf-8") as text:
        graph = json.load(text)
    targets = graph["targets"]
    links = {}
    for name, target in targets.items():
        linked = []
        for item in target.get("links", []):
            for word in NAME.findall(item):
                if word in targets and word != name and word not in linked:
                    linked.append(word)
        links[name] = (os.path.normpath(target["folder"]) if target["folder"] else "", linked)
    return graph.get("source"), links


def folder_links(links):
    """{layer: set of folders its targets link directly}, for every layer."""
    direct = {}
    for folder, linked in links.values():
        if is_layer_folder(folder):
            direct.setdefault(folder, set())
            direct[folder].update(links[other][0] for other in linked
                                  if is_layer_folder(links[other][0]))
    for folder in direct:
        direct[folder].discard(folder)
    return direct


def reachable(direct):
    """{layer: every folder it links, directly or through others}."""
    closure = {}
    for start in direct:
        seen, pending = set(), list(direct[start])
        while pending:
            folder = pending.pop()
            if folder in seen:
                continue
            seen.add(folder)
            pending.extend(direct.get(folder, ()))
        closure[start] = seen
    return closure


def link_offences(links, closure):
    """A layer linking a folder that is no layer, and layers that link one
    another round a loop."""
    found = []
    for name, (folder, linked) in sorted(links.items()):
        if not is_layer_folder(folder):
            continue
        for other in linked:
            other_folder = links[other][0]
            if other_folder and not is_layer_folder(other_folder):
                found.append(f"{folder}: {folder} links {other_folder} ({name} links {other})")
    loops = {tuple(sorted({folder} | {other for other in closure[folder]
                                      if folder in closure.get(other, ())}))
             for folder in closure if folder in closure[folder]}
    for loop in sorted(loops):
        found.append(f"{loop[0]}: {' and '.join([', '.join(loop[:-1]), loop[-1]])} link one "
                     "another round a loop: none of them is below the others")
    return found


def layer_of(path, layers):
    """The layer a repository-relative path belongs to (longest folder wins)."""
    best = None
    for layer in layers:
        if path.startswith(layer + "/") and (best is None or len(layer) > len(best)):
            best = layer
    return best


def included_path(root, source, name, quoted):
    """The repository-relative path an include names: for "name", next to the
    including file when it is there; else from the root, as the build's search
    path has it."""
    if quoted:
        beside = os.path.normpath(os.path.join(os.path.dirname(source), name))
        if not beside.startswith("..") and os.path.exists(os.path.join(root, beside)):
            return beside
    return os.path.normpath(name)


def include_offences(root, closure):
    found = []
    layers = sorted(closure)
    for layer in layers:
        for folder, subfolders, files in os.walk(os.path.join(root, layer)):
            subfolders.sort()
            for file in sorted(files):
                if not file.endswith(SOURCE_SUFFIXES):
                    continue
                source = os.path.relpath(os.path.join(folder, file), root)
                if layer_of(source, layers) != layer:
                    continue  # a nested layer's file, checked as that layer
                with open(os.path.join(root, source), encoding="utf-8", errors="replace") as text:
                    for number, line in enumerate(text, 1):
                        match = INCLUDE.match(line)
                        if not match:
                            continue
                        quoted = match.group(1) is not None
                        name = match.group(1) if quoted else match.group(2)
                        target = included_path(root, source, name, quoted)
                        other = layer_of(target, layers)
                        if other is None:
                            top = target.split("/", 1)[0]
                            if "/" in target and top in NOT_LAYERS:
                                other = top
                            else:
                                continue  # a generated file, a system or Qt header
                        if other != layer and other not in closure[layer]:
                            found.append(f"{source}:{number}: {layer} may not include {other}")
    return found


def main(arguments):
    if not arguments or len(arguments) > 2:
        print("usage: check-layers.py <build folder or its layer_graph.json> [source root]")
        return 2
    try:
        source, links = read_graph(arguments[0])
    except (OSError, ValueError, KeyError) as error:
        print(f"check-layers: no link graph in {arguments[0]} ({error}); configure the build first")
        return 2
    root = os.path.abspath(arguments[1] if len(arguments) > 1 else source or ".")
    direct = folder_links(links)
    if not direct:
        print(f"check-layers: the link graph in {arguments[0]} names no layer")
        return 2
    missing = [layer for layer in sorted(direct) if not os.path.isdir(os.path.join(root, layer))]
    if missing:
        print(f"check-layers: no folder for the layer(s) {', '.join(missing)} under {root}")
        return 2
    closure = reachable(direct)
    found = link_offences(links, closure) + include_offences(root, closure)
    for line in found:
        print(line)
    if found:
        print(f"{len(found)} offence(s) against the layer order; a layer may include only "
              "the layers its targets link")
        return 1
    print(f"layers: every include points downward ({len(direct)} layers)")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
