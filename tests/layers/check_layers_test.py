#!/usr/bin/env python3
"""scripts/check-layers.py on small trees with a link graph of their own, laid
out as the build writes it: each case adds sources (and links) to the tree
below and says what the script must report."""

import json
import os
import subprocess
import sys
import tempfile
import unittest

SCRIPT = os.path.join(os.path.dirname(__file__), "..", "..", "scripts", "check-layers.py")

# The tree's targets: name -> (folder, link items as CMake keeps them).
TARGETS = {
    "velmora_warnings": ("", []),
    "velmora_base": ("base", ["velmora_warnings", "$<LINK_ONLY:velmora_warnings>"]),
    "velmora_platform": ("platform", ["velmora_base", "Threads::Threads"]),
    "velmora_build_supervisor": ("platform", ["velmora_base"]),
    "velmora_platform_qt": ("platform/qt", ["velmora_platform", "Qt6::Core", "$<LINK_ONLY:Qt6::Gui>"]),
    "velmora_pipeline": ("pipeline", ["velmora_platform"]),
    # Linked only through a generator expression, as a private link of a
    # static library is in INTERFACE_LINK_LIBRARIES.
    "velmora_session": ("session", ["$<LINK_ONLY:velmora_pipeline>"]),
    "velmora_components": ("components", ["velmora_base", "Qt6::Widgets"]),
    "velmora_window": ("window", ["velmora_components", "velmora_session", "velmora_platform_qt"]),
    "velmora_bundle_resources": ("demo", []),
    "velmora_test_support": ("tests", ["velmora_platform"]),
    "velmora_window_tests": ("tests/window", ["velmora_window", "velmora_test_support"]),
}

# Headers the cases include; an include resolves beside the including file
# only when the file is there.
HEADERS = ["base/text.h", "platform/home.h", "platform/qt/queue.h", "pipeline/pipeline.h",
           "session/advice.h", "components/palette.h", "window/page.h",
           "tests/support/test_support.h"]

# (fault the case guards, {file: source}, {target: extra link items}, reported lines)
CASES = [
    ("an include of a higher layer", {
        "pipeline/run.cpp": '#include "pipeline/pipeline.h"\n#include "window/page.h"\n',
    }, {}, ["pipeline/run.cpp:2: pipeline may not include window"]),
    ("a lower layer that the folder does not link", {
        "components/views.cpp": '#include "base/text.h"\n#include "pipeline/pipeline.h"\n',
    }, {}, ["components/views.cpp:2: components may not include pipeline"]),
    ("the same include once the folder links that layer", {
        "components/views.cpp": '#include "base/text.h"\n#include "pipeline/pipeline.h"\n',
    }, {"velmora_components": ["velmora_pipeline"]}, []),
    ("layers reached through the layers linked, a generator expression among them", {
        "window/shell.cpp": '#include "base/text.h"\n#include "pipeline/pipeline.h"\n'
                            '#include "platform/qt/queue.h"\n#include "session/advice.h"\n',
        "session/advice.cpp": '#include "pipeline/pipeline.h"\n',
    }, {}, []),
    ("the Qt side of platform from the Qt-free core, and from platform itself", {
        "session/notify.cpp": '#include "platform/qt/queue.h"\n',
        "platform/home.cpp": '#include "platform/home.h"\n#include "platform/qt/queue.h"\n',
        "platform/qt/queue.cpp": '#include "platform/qt/queue.h"\n#include "platform/home.h"\n'
                                 '#include "base/text.h"\n',
    }, {}, ["platform/home.cpp:2: platform may not include platform/qt",
            "session/notify.cpp:1: session may not include platform/qt"]),
    ("an upward include by a path relative to the including file", {
        "components/views/drop.cpp": '#include "../palette.h"\n#include "../../window/page.h"\n',
    }, {}, ["components/views/drop.cpp:2: components may not include window"]),
    ("a header of the tests", {
        "window/shell.cpp": '#include "tests/support/test_support.h"\n',
    }, {}, ["window/shell.cpp:1: window may not include tests"]),
    ("an upward #import, and an include in angle brackets", {
        "platform/mac/viewer.mm": '#import <Foundation/Foundation.h>\n#import "window/page.h"\n',
        "pipeline/run.cpp": '#include <vector>\n#include <QtCore/QObject>\n#include <session/advice.h>\n',
    }, {}, ["pipeline/run.cpp:3: pipeline may not include session",
            "platform/mac/viewer.mm:2: platform may not include window"]),
    ("the supervisor's folder, whatever its targets link", {
        "platform/supervisor/main.cpp": '#include "platform/home.h"\n#include "pipeline/pipeline.h"\n',
    }, {}, ["platform/supervisor/main.cpp:2: platform may not include pipeline"]),
    ("a test, which may include anything", {
        "tests/window/pages_test.cpp": '#include "window/page.h"\n#include "pipeline/pipeline.h"\n',
    }, {}, []),
    ("a layer linking a test target", {}, {"velmora_window": ["velmora_test_support"]},
     ["window: window links tests (velmora_window links velmora_test_support)"]),
    ("layers that link one another round a loop", {}, {"velmora_base": ["velmora_session"]},
     ["base: base, pipeline, platform and session link one another round a loop: "
      "none of them is below the others"]),
    ("two layers that link each other", {}, {"velmora_platform": ["velmora_platform_qt"]},
     ["platform: platform and platform/qt link one another round a loop: "
      "none of them is below the others"]),
]


def write_tree(root, files, extra_links):
    for path in HEADERS:
        os.makedirs(os.path.join(root, os.path.dirname(path)), exist_ok=True)
        open(os.path.join(root, path), "w").close()
    for path, source in files.items():
        os.makedirs(os.path.join(root, os.path.dirname(path)), exist_ok=True)
        with open(os.path.join(root, path), "w", encoding="utf-8") as f:
            f.write(source)
    targets = {name: {"folder": folder, "type": "STATIC_LIBRARY",
                      "links": links + extra_links.get(name, [])}
               for name, (folder, links) in TARGETS.items()}
    build = os.path.join(root, "build")
    os.makedirs(build)
    with open(os.path.join(build, "layer_graph.json"), "w", encoding="utf-8") as f:
        json.dump({"source": root, "targets": targets}, f)
    return build


def run(*arguments):
    return subprocess.run([sys.executable, SCRIPT, *arguments], capture_output=True, text=True)


class CheckLayers(unittest.TestCase):
    def test_cases(self):
        for case, files, extra_links, expected in CASES:
            with self.subTest(case), tempfile.TemporaryDirectory() as root:
                result = run(write_tree(root, files, extra_links))
                reported = [line for line in result.stdout.splitlines()
                            if not line.startswith(("layers:", "check-layers:"))
                            and "offence(s)" not in line]
                self.assertEqual(sorted(reported), sorted(expected), result.stdout + result.stderr)
                self.assertEqual(result.returncode, 1 if expected else 0, result.stdout)

    def test_a_tree_without_a_graph_does_not_pass(self):
        with tempfile.TemporaryDirectory() as root:
            result = run(os.path.join(root, "build"), root)
            self.assertEqual(result.returncode, 2, result.stdout)
            self.assertIn("no link graph", result.stdout)

    def test_a_graph_without_layers_does_not_pass(self):
        with tempfile.TemporaryDirectory() as root:
            os.makedirs(os.path.join(root, "build"))
            with open(os.path.join(root, "build", "layer_graph.json"), "w") as f:
                json.dump({"source": root, "targets": {"velmora_warnings": {
                    "folder": "", "type": "INTERFACE_LIBRARY", "links": []}}}, f)
            result = run(os.path.join(root, "build"))
            self.assertEqual(result.returncode, 2, result.stdout)


if __name__ == "__main__":
    unittest.main()
