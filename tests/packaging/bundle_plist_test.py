#!/usr/bin/env python3
"""The built bundle's Info.plist and PkgInfo: what Finder, the Dock and
Launch Services read to launch the app, show its icon and name it.

Reads the bundle of the build tree (VLMR_APP_DIR), so what is checked is the
file the build wrote, not the template.
"""

import os
import plistlib
import re
import unittest

APP_DIR = os.environ["VLMR_APP_DIR"]
CONTENTS = os.path.join(APP_DIR, "Contents")


def load_plist():
    with open(os.path.join(CONTENTS, "Info.plist"), "rb") as handle:
        return plistlib.load(handle)


class InfoPlistNamesWhatTheBundleHolds(unittest.TestCase):
    def setUp(self):
        self.plist = load_plist()

    def test_executable_named_is_the_built_program(self):
        name = self.plist["CFBundleExecutable"]
        self.assertEqual(name, os.environ["VLMR_EXECUTABLE_NAME"])
        self.assertNotIn("/", name)
        executable = os.path.join(CONTENTS, "MacOS", name)
        self.assertTrue(os.path.isfile(executable), executable)
        self.assertTrue(os.access(executable, os.X_OK), executable)

    def test_icon_named_is_an_icns_in_resources(self):
        icon = os.path.join(CONTENTS, "Resources", self.plist["CFBundleIconFile"])
        self.assertTrue(os.path.isfile(icon), icon)
        with open(icon, "rb") as handle:
            self.assertEqual(handle.read(4), b"icns")

    def test_identifier_is_the_installers_own(self):
        identifier = self.plist["CFBundleIdentifier"]
        self.assertRegex(identifier, r"^[A-Za-z0-9-]+(\.[A-Za-z0-9-]+)+$")
        # The game's identifier marks the apps the installer may replace: the
        # installer must never pass for one of them.
        self.assertNotEqual(identifier, os.environ["VLMR_GAME_BUNDLE_ID"])

    def test_fixed_keys(self):
        version = os.environ["VLMR_PROJECT_VERSION"]
        cases = [
            ("CFBundleName", "Velmora 3000 Installer"),
            ("CFBundleDisplayName", "Velmora 3000 Installer"),
            ("CFBundlePackageType", "APPL"),
            ("CFBundleShortVersionString", version),
            ("CFBundleVersion", version),
            ("LSMinimumSystemVersion", "15.0"),
            ("NSHighResolutionCapable", True),
            ("CFBundleInfoDictionaryVersion", "6.0"),
        ]
        for key, expected in cases:
            with self.subTest(key=key):
                self.assertEqual(self.plist.get(key), expected)

    def test_no_placeholder_left_unconfigured(self):
        with open(os.path.join(CONTENTS, "Info.plist"), encoding="utf-8") as handle:
            text = handle.read()
        self.assertIsNone(re.search(r"@[A-Za-z_]+@|\$\{", text))

    def test_category_and_apple_events_reason(self):
        self.assertIn(self.plist["LSApplicationCategoryType"],
                      {"public.app-category.games", "public.app-category.utilities"})
        # Without it macOS refuses the Finder script's Apple events outright.
        self.assertTrue(self.plist["NSAppleEventsUsageDescription"].strip())

    def test_opens_windows_executables_as_an_alternate_viewer(self):
        types = self.plist["CFBundleDocumentTypes"]
        exe = [entry for entry in types
               if "com.microsoft.windows-executable" in entry.get("LSItemContentTypes", [])]
        self.assertEqual(len(exe), 1, types)
        self.assertEqual(exe[0]["CFBundleTypeRole"], "Viewer")
        # Alternate: offered under "Open With", never taking .exe files over.
        self.assertEqual(exe[0]["LSHandlerRank"], "Alternate")


class PkgInfoMarksAnApplication(unittest.TestCase):
    def test_pkginfo_is_appl_with_no_creator(self):
        with open(os.path.join(CONTENTS, "PkgInfo"), "rb") as handle:
            self.assertEqual(handle.read(), b"APPL????")


if __name__ == "__main__":
    unittest.main()
