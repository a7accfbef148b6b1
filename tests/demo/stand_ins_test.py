"""The Linux stand-ins for ditto, PlistBuddy, xcode-select and xcrun."""

import os
import plistlib
import stat
import subprocess
import tempfile
import unittest

from demo_env import HELPERS_DIR


def tool(name: str, *args: str, env=None) -> subprocess.CompletedProcess:
    return subprocess.run([os.path.join(HELPERS_DIR, name), *args], env=env,
                          stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                          stderr=subprocess.PIPE, text=True, timeout=20)


class PlistBuddyPrint(unittest.TestCase):
    def test_prints_values_of_xml_and_binary_plists_and_fails_on_anything_else(self):
        info = {"CFBundleIdentifier": "org.example.game", "CFBundleVersion": "12",
                "Count": 3, "Enabled": True, "Nested": {"Inner": "deep"}}
        with tempfile.TemporaryDirectory() as tmp:
            paths = {}
            for fmt, name in [(plistlib.FMT_XML, "xml"), (plistlib.FMT_BINARY, "binary")]:
                paths[name] = os.path.join(tmp, name + ".plist")
                with open(paths[name], "wb") as handle:
                    plistlib.dump(info, handle, fmt=fmt)
            paths["garbage"] = os.path.join(tmp, "garbage.plist")
            with open(paths["garbage"], "wb") as handle:
                handle.write(b"<?xml version='1.0'?><plist><dict><key>x</key>")
            paths["missing"] = os.path.join(tmp, "missing.plist")
            paths["folder"] = tmp

            # (plist, command, status, stdout, stderr)
            cases = []
            for fmt in ["xml", "binary"]:
                cases += [
                    (fmt, "Print :CFBundleIdentifier", 0, "org.example.game\n", ""),
                    (fmt, "Print :Count", 0, "3\n", ""),
                    (fmt, "Print :Enabled", 0, "true\n", ""),
                    (fmt, "Print :Nested:Inner", 0, "deep\n", ""),
                    (fmt, "Print :Missing", 1, "", 'Print: Entry, ":Missing", Does Not Exist\n'),
                    (fmt, "Print :CFBundleIdentifier:More", 1, "",
                     'Print: Entry, ":CFBundleIdentifier:More", Does Not Exist\n'),
                ]
            cases += [(name, "Print :CFBundleIdentifier", 1, "", None)
                      for name in ["garbage", "missing", "folder"]]
            for plist, command, status, out, err in cases:
                with self.subTest(plist=plist, command=command):
                    result = tool("PlistBuddy", "-c", command, paths[plist])
                    self.assertEqual(result.returncode, status, result.stderr)
                    self.assertEqual(result.stdout, out)
                    if err is not None:
                        self.assertEqual(result.stderr, err)
                    else:
                        self.assertTrue(result.stderr.strip())


def snapshot(root: str) -> dict:
    """Every entry below root: symlink targets, file modes and contents."""
    entries = {}
    for folder, dirs, files in os.walk(root):
        for name in dirs + files:
            path = os.path.join(folder, name)
            rel = os.path.relpath(path, root)
            info = os.lstat(path)
            if stat.S_ISLNK(info.st_mode):
                entries[rel] = ("link", os.readlink(path))
            elif stat.S_ISDIR(info.st_mode):
                entries[rel] = ("dir", stat.S_IMODE(info.st_mode))
            else:
                with open(path, "rb") as handle:
                    entries[rel] = ("file", stat.S_IMODE(info.st_mode), handle.read())
    return entries


class DittoCopy(unittest.TestCase):
    def make_app(self, root: str) -> str:
        app = os.path.join(root, "Game.app")
        os.makedirs(os.path.join(app, "Contents", "MacOS"))
        os.makedirs(os.path.join(app, "Contents", "Frameworks", "Lib.framework", "Versions", "A"))
        launcher = os.path.join(app, "Contents", "MacOS", "Game")
        with open(launcher, "w") as handle:
            handle.write("#!/bin/sh\n")
        os.chmod(launcher, 0o755)
        with open(os.path.join(app, "Contents", "Info.plist"), "w") as handle:
            handle.write("<plist/>")
        framework = os.path.join(app, "Contents", "Frameworks", "Lib.framework")
        os.symlink("A", os.path.join(framework, "Versions", "Current"))
        os.symlink("Versions/Current/Lib", os.path.join(framework, "Lib"))  # dangling
        os.symlink("/etc/hostname", os.path.join(app, "Contents", "absolute-link"))
        return app

    def test_copies_tree_with_symlinks_into_missing_parents(self):
        with tempfile.TemporaryDirectory() as tmp:
            app = self.make_app(tmp)
            dest = os.path.join(tmp, "deep", "er", "Game.app.installing")
            result = tool("ditto", app, dest)
            self.assertEqual((result.returncode, result.stderr), (0, ""))
            self.assertEqual(snapshot(dest), snapshot(app))
            self.assertTrue(os.path.islink(os.path.join(dest, "Contents", "absolute-link")))

    def test_accepts_and_ignores_noqtn(self):
        with tempfile.TemporaryDirectory() as tmp:
            app = self.make_app(tmp)
            dest = os.path.join(tmp, "Applications", "Game.app.installing")
            result = tool("ditto", "--noqtn", app, dest)
            self.assertEqual((result.returncode, result.stderr), (0, ""))
            self.assertEqual(snapshot(dest), snapshot(app))

    def test_failures_report_and_return_non_zero(self):
        with tempfile.TemporaryDirectory() as tmp:
            app = self.make_app(tmp)
            a_file = os.path.join(tmp, "file")
            open(a_file, "w").close()
            cases = [
                ("missing source", [os.path.join(tmp, "nope"), os.path.join(tmp, "out")]),
                ("parent is a file", [app, os.path.join(a_file, "out", "Game.app")]),
                ("one argument", [app]),
                ("an option it does not know", ["--rsrc", app, os.path.join(tmp, "out")]),
            ]
            for name, args in cases:
                with self.subTest(name):
                    result = tool("ditto", *args)
                    self.assertNotEqual(result.returncode, 0)
                    self.assertTrue(result.stderr.strip())
                    self.assertFalse(os.path.exists(os.path.join(tmp, "out")))


class ToolchainProbes(unittest.TestCase):
    def test_probes_follow_the_compilers_on_path(self):
        with tempfile.TemporaryDirectory() as tmp:
            dirs = {}
            for name, tools in [("both", ["clang", "cc"]), ("cc-only", ["cc"]), ("none", [])]:
                dirs[name] = os.path.join(tmp, name)
                os.mkdir(dirs[name])
                for tool_name in tools:
                    path = os.path.join(dirs[name], tool_name)
                    with open(path, "w") as handle:
                        handle.write("#!/bin/sh\n")
                    os.chmod(path, 0o755)
            # A cc that is not executable does not count.
            open(os.path.join(dirs["none"], "cc"), "w").close()

            # (tool and arguments, PATH, status, stdout)
            cases = [
                (["xcode-select", "-p"], "both", 0, dirs["both"] + "\n"),
                (["xcode-select", "-p"], "cc-only", 0, dirs["cc-only"] + "\n"),
                (["xcode-select", "-p"], "none", 2, ""),
                (["xcrun", "-f", "clang"], "both", 0, os.path.join(dirs["both"], "clang") + "\n"),
                (["xcrun", "-f", "clang"], "cc-only", 0,
                 os.path.join(dirs["cc-only"], "cc") + "\n"),
                (["xcrun", "-f", "clang"], "none", 72, ""),
            ]
            for args, path, status, out in cases:
                with self.subTest(args=args, path=path):
                    result = tool(*args, env={"PATH": dirs[path]})
                    self.assertEqual((result.returncode, result.stdout), (status, out),
                                     result.stderr)

    def test_install_request_explains_the_debian_packages_and_fails(self):
        result = tool("xcode-select", "--install")
        self.assertEqual(result.returncode, 1)
        self.assertIn("sudo apt-get install build-essential clang", result.stdout)


if __name__ == "__main__":
    unittest.main()
