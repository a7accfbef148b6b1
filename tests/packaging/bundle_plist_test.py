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
        # The current identifier of .exe files beside the older one.
        self.assertIn("public.windows-executable", exe[0]["LSItemContentTypes"])
        self.assertEqual(exe[0]["CFBundleTypeRole"], "Viewer")
        # Alternate: offered under "Open With", never taking .exe files over.
        self.assertEqual(exe[0]["LSHandlerRank"], "Alternate")


PURPOSE_KEYS = ["NSDesktopFolderUsageDescription", "NSDocumentsFolderUsageDescription",
                "NSDownloadsFolderUsageDescription", "NSRemovableVolumesUsageDescription"]


def strings_file(path):
    """The key = value pairs of an InfoPlist.strings file as bundle-texts.py writes it."""
    pairs = {}
    with open(path, encoding="utf-8") as handle:
        for line in handle:
            found = re.match(r'^"((?:[^"\\]|\\.)*)" = "((?:[^"\\]|\\.)*)";$', line.rstrip("\n"))
            if found:
                pairs[found.group(1)] = found.group(2).replace('\\"', '"').replace("\\\\", "\\")
    return pairs


class FinderAndPrivacyTexts(unittest.TestCase):
    """What Finder, the Dock and the privacy prompts show, in every language."""

    def setUp(self):
        self.plist = load_plist()

    def test_finder_and_the_dock_show_the_localized_name(self):
        self.assertIs(self.plist.get("LSHasLocalizedDisplayName"), True)

    def test_a_reason_for_each_protected_place_a_chosen_installer_may_lie(self):
        for key in PURPOSE_KEYS:
            with self.subTest(key=key):
                self.assertIn("GOG installer", self.plist.get(key, ""))

    def test_every_language_carries_the_name_and_the_reasons_translated(self):
        resources = os.path.join(CONTENTS, "Resources")
        english = strings_file(os.path.join(resources, "en.lproj", "InfoPlist.strings"))
        keys = ["CFBundleDisplayName", "NSAppleEventsUsageDescription"] + PURPOSE_KEYS
        for key in keys:
            self.assertEqual(english.get(key), self.plist[key], key)
        folders = [name for name in os.listdir(resources)
                   if name.endswith(".lproj") and name != "en.lproj"]
        self.assertGreaterEqual(len(folders), 6, folders)
        for folder in folders:
            texts = strings_file(os.path.join(resources, folder, "InfoPlist.strings"))
            for key in keys[1:]:
                with self.subTest(language=folder, key=key):
                    self.assertTrue(texts.get(key), texts)
                    self.assertNotEqual(texts[key], english[key])


class PkgInfoMarksAnApplication(unittest.TestCase):
    def test_pkginfo_is_appl_with_no_creator(self):
        with open(os.path.join(CONTENTS, "PkgInfo"), "rb") as handle:
            self.assertEqual(handle.read(), b"APPL????")


if __name__ == "__main__":
    unittest.main()
