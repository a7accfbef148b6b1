#!/usr/bin/env python3
"""The bundle's layout under a multi-config generator.

Xcode, the Mac's own generator, and Ninja Multi-Config add a folder per
configuration to a target's output directory (Contents/MacOS/Debug/) unless
the directory holds a generator expression; a bundle laid out like that does
not start. The project is configured afresh with Ninja Multi-Config (no build:
CMake's file API names every target's output for every configuration), and
each program inside the bundle must land at one place in every configuration.
"""

import glob
import json
import os
import subprocess
import tempfile
import unittest

REPO = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
CMAKE = os.environ.get("VLMR_CMAKE", "cmake")
BUNDLE = "Velmora 3000 Installer.app/Contents/"

# Every program of the bundle and where it belongs, relative to the build folder.
EXPECTED = {
    "VelmoraInstaller": BUNDLE + "MacOS/VelmoraInstaller",
    "velmora_build_supervisor": BUNDLE + "Helpers/build-supervisor",
}


class MultiConfigLayout(unittest.TestCase):
    def test_bundle_programs_land_in_place_in_every_configuration(self):
        with tempfile.TemporaryDirectory(prefix="vlmr-multi-config-") as build:
            query = os.path.join(build, ".cmake", "api", "v1", "query")
            os.makedirs(query)
            open(os.path.join(query, "codemodel-v2"), "w").close()
            configured = subprocess.run(
                [CMAKE, "-G", "Ninja Multi-Config", "-S", REPO, "-B", build,
                 "-DVLMR_BUILD_TESTS=OFF", "-DVLMR_BUILD_BENCH=OFF"],
                stdin=subprocess.DEVNULL, capture_output=True, text=True, timeout=240)
            self.assertEqual(configured.returncode, 0, configured.stdout + configured.stderr)

            # target name -> configuration -> output paths
            outputs = {}
            reply = os.path.join(build, ".cmake", "api", "v1", "reply")
            [index] = glob.glob(os.path.join(reply, "codemodel-v2-*.json"))
            with open(index) as handle:
                codemodel = json.load(handle)
            for configuration in codemodel["configurations"]:
                for entry in configuration["targets"]:
                    with open(os.path.join(reply, entry["jsonFile"])) as handle:
                        target = json.load(handle)
                    paths = [a["path"] for a in target.get("artifacts", [])]
                    outputs.setdefault(target["name"], {})[configuration["name"]] = paths

            self.assertGreaterEqual(len(outputs.get("VelmoraInstaller", {})), 2, outputs.keys())
            for name, expected in EXPECTED.items():
                for configuration, paths in sorted(outputs[name].items()):
                    with self.subTest(target=name, configuration=configuration):
                        self.assertEqual(paths, [expected])
            # Nothing else that lands in the bundle depends on the configuration either.
            for name, by_configuration in sorted(outputs.items()):
                inside = {configuration: [p for p in paths if p.startswith(BUNDLE)]
                          for configuration, paths in by_configuration.items()}
                if any(inside.values()):
                    with self.subTest(target=name):
                        self.assertEqual(len({tuple(p) for p in inside.values()}), 1, inside)


if __name__ == "__main__":
    unittest.main()
