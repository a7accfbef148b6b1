#!/usr/bin/env python3
"""A dry run of scripts/package-macos.sh against stand-ins for Apple's tools.

The stand-ins (macdeployqt, otool, codesign, hdiutil, xcrun, spctl, ditto,
sleep) are written into a temporary folder put first on PATH; each records its
arguments in a log, and macdeployqt and hdiutil do enough of their work
(frameworks and the cocoa plug-in into the bundle; the image's contents kept
for attaching) for the script's later steps to act on. otool prints what a
table here says each Mach-O file links, in otool's own layout. The app in the
"mounted" image is a recorder that exits as told, since the fake Mach-O files
cannot run. `file` and python3 are the real ones, so which files count as
Mach-O is decided as on the Mac. What is checked: the order (deploy, library
check, inner code before the app, image, notarize, staple, verify, assess,
launch), the arguments that matter (hardened runtime and timestamp with an
identity only, entitlements, identity, keychain profile) and the refusals.
"""

import base64
import copy
import hashlib
import importlib.util
import json
import os
import plistlib
import shutil
import subprocess
import tempfile
import unittest
import zipfile

REPO = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
SCRIPT = os.path.join(REPO, "scripts", "package-macos.sh")
APP_NAME = "Velmora 3000 Installer.app"
IDENTITY = "Developer ID Application: Velmora Test (TEAM123456)"
PROFILE = "velmora-notary"
# The shell the script runs under: the Mac's /bin/bash is bash 3.2, and VLMR_TEST_BASH
# names another one, such as a build of 3.2 on Linux.
BASH = os.environ.get("VLMR_TEST_BASH") or "/bin/bash"
if not os.access(BASH, os.X_OK):
    raise SystemExit(f"VLMR_TEST_BASH: {BASH} is not an executable shell")

# A Mach-O header as `file` recognises it: 64-bit arm64, the file type given.
EXECUTE, DYLIB, BUNDLE = 2, 6, 8


def macho(kind):
    header = bytes([0xCF, 0xFA, 0xED, 0xFE, 0x0C, 0x00, 0x00, 0x01, 0, 0, 0, 0])
    return header + kind.to_bytes(4, "little") + bytes(16)


SEPARATOR = "\x1f"

# The archive helper the script runs, for reading signatures as it does.
_spec = importlib.util.spec_from_file_location("archive_code",
                                               os.path.join(REPO, "scripts", "archive-code.py"))
archive_code = importlib.util.module_from_spec(_spec)
_spec.loader.exec_module(archive_code)

# A wheel with compiled code, and one without; members in the order written.
NATIVE_WHEEL = "Resources/wheels/velmora_native-1.0-cp39-abi3-macosx_11_0_arm64.whl"
PURE_WHEEL = "Resources/wheels/velmora_pure-1.0-py3-none-any.whl"


def record_line(name, data):
    digest = base64.urlsafe_b64encode(hashlib.sha256(data).digest()).rstrip(b"=").decode()
    return f"{name},sha256={digest},{len(data)}"


def write_zip(path, members, modes=None):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as archive:
        for name, data in members.items():
            info = zipfile.ZipInfo(name, date_time=(2024, 5, 1, 12, 0, 0))
            info.external_attr = ((modes or {}).get(name, 0o644) | 0o100000) << 16
            info.compress_type = zipfile.ZIP_DEFLATED
            archive.writestr(info, data)


def write_wheel(path, package, members, modes=None):
    info = f"{package}-1.0.dist-info"
    members = dict(members)
    members[f"{info}/METADATA"] = f"Name: {package}\nVersion: 1.0\n".encode()
    record = [record_line(name, data) for name, data in members.items()]
    members[f"{info}/RECORD"] = ("\n".join(record + [f"{info}/RECORD,,"]) + "\n").encode()
    write_zip(path, members, modes)

STANDINS = {
    "macdeployqt": r"""
log macdeployqt "$@"
app="$1"
fw="$app/Contents/Frameworks/QtCore.framework"
mkdir -p "$fw/Versions/A/Resources" "$app/Contents/PlugIns/platforms"
python3 -c 'import sys; open(sys.argv[1], "wb").write(bytes.fromhex(sys.argv[2]))' \
  "$fw/Versions/A/QtCore" "$DYLIB_HEX"
echo '<plist/>' > "$fw/Versions/A/Resources/Info.plist"
ln -sfn A "$fw/Versions/Current"
ln -sfn Versions/Current/QtCore "$fw/QtCore"
if [ -z "${FAKE_NO_COCOA:-}" ]; then
  python3 -c 'import sys; open(sys.argv[1], "wb").write(bytes.fromhex(sys.argv[2]))' \
    "$app/Contents/PlugIns/platforms/libqcocoa.dylib" "$BUNDLE_HEX"
fi
""",
    "codesign": r"""
log codesign "$@"
# Signing a Mach-O file gives it a code signature load command, as the real
# codesign does, so the archive check can tell signed code from unsigned.
eval "target=\${$#}"
case " $* " in
  *" --sign "*) [ -f "$target" ] && python3 "$FAKE_SIGN" "$target" ;;
esac
exit 0
""",
    "ditto": r"""
log ditto "$@"
mkdir -p "$2"
cp -a "$1/." "$2/"
""",
    "hdiutil": r"""
log hdiutil "$@"
case "$1" in
  create)
    # The first FAKE_CREATE_FAILURES tries of a run fail, as a busy device makes them.
    failed=$(cat "$FAKE_STATE/create-failures" 2>/dev/null || echo 0)
    if [ "$failed" -lt "${FAKE_CREATE_FAILURES:-0}" ]; then
      echo $((failed + 1)) > "$FAKE_STATE/create-failures"
      echo "hdiutil: create failed - Resource busy" >&2
      exit 1
    fi
    src="" ; last=""
    while [ $# -gt 0 ]; do
      [ "$1" = "-srcfolder" ] && src="$2"
      last="$1"; shift
    done
    rm -rf "$FAKE_STATE/image"
    cp -a "$src" "$FAKE_STATE/image"
    echo "disk image" > "$last" ;;
  attach)
    mount=""
    while [ $# -gt 0 ]; do
      [ "$1" = "-mountpoint" ] && mount="$2"
      shift
    done
    cp -a "$FAKE_STATE/image/." "$mount/"
    # The image's executable is a Mach-O header that cannot run here: the app
    # the launch check starts is the recorder in its place.
    for exe in "$mount"/*.app/Contents/MacOS/*; do
      cp "$FAKE_APP" "$exe"
    done ;;
  detach)
    find "$2" -mindepth 1 -maxdepth 1 -exec rm -rf {} + ;;
esac
""",
    "xcrun": r"""
log xcrun "$@"
if [ "$1" = notarytool ]; then
  echo "Processing complete"
  echo "  id: 0f1e2d3c"
  echo "  status: ${FAKE_NOTARY_STATUS:-Accepted}"
  exit "${FAKE_NOTARY_EXIT:-0}"
fi
""",
    "spctl": r"""
log spctl "$@"
exit "${FAKE_SPCTL_EXIT:-0}"
""",
    "sleep": r"""
log sleep "$@"
""",
}

# The app's executable as started from the mounted image. With --snapshot it
# notes the Qt environment it was given and writes FAKE_SNAPSHOT_PNGS (12)
# PNG files.
FAKE_APP = r"""
log app "$0" "$@"
if [ "${1:-}" = --snapshot ]; then
  printf '%s\n' "QT_PLUGIN_PATH=${QT_PLUGIN_PATH-<unset>}" \
    "QT_QPA_PLATFORM=${QT_QPA_PLATFORM-<unset>}" > "$FAKE_STATE/snapshot-env"
  written=0
  for page in welcome missing drop building done error; do
    for look in light dark; do
      [ $written -lt "${FAKE_SNAPSHOT_PNGS:-12}" ] || break
      printf '\211PNG\r\n\032\n' > "$2/$page-$look.png"
      written=$((written + 1))
    done
  done
  exit "${FAKE_SNAPSHOT_EXIT:-0}"
fi
exit "${FAKE_APP_EXIT:-2}"
"""

# codesign's mark on a signed 64-bit Mach-O file: an LC_CODE_SIGNATURE load
# command after the others.
FAKE_SIGN = r"""
import struct, sys
path = sys.argv[1]
data = bytearray(open(path, "rb").read())
if data[:4] == bytes([0xCF, 0xFA, 0xED, 0xFE]):
    count, size = struct.unpack_from("<II", data, 16)
    data[32 + size:32 + size] = struct.pack("<IIII", 0x1D, 16, 0, 0)
    struct.pack_into("<II", data, 16, count + 1, size + 16)
    open(path, "wb").write(data)
"""

# otool, answering from the table in FAKE_LINKS for the file's path inside
# Contents: -L as otool prints it (a library's own name first, each slice of a
# universal file under its own heading), -l as load commands.
OTOOL = r"""#!/usr/bin/env python3
import json, os, sys
with open(os.environ["FAKE_LOG"], "a") as log:
    log.write("\x1f".join(["otool", *sys.argv[1:]]) + "\n")
flag, path = sys.argv[1], sys.argv[2]
with open(os.environ["FAKE_LINKS"]) as handle:
    table = json.load(handle)
entry = table.get(path.split(".app/Contents/", 1)[-1])
if flag not in ("-L", "-l") or entry is None:
    print(f"otool: {path}: not described by the test", file=sys.stderr)
    sys.exit(1)
own = [entry["id"]] if entry.get("id") else []
slices = ["x86_64", "arm64"] if entry.get("universal") else [None]
for arch in slices:
    print(f"{path} (architecture {arch}):" if arch else f"{path}:")
    if flag == "-L":
        for name in own + entry.get("libs", []):
            print(f"\t{name} (compatibility version 1.0.0, current version 1.0.0)")
        for name in entry.get("weak", []):
            print(f"\t{name} (compatibility version 1.0.0, current version 1.0.0, weak)")
        continue
    commands = [["      cmd LC_SEGMENT_64", "  cmdsize 72", "  segname __TEXT",
                 "   vmaddr 0x0000000100000000", "   nsects 1", "    flags 0x0"]]
    for kind, name in ([("LC_ID_DYLIB", n) for n in own] +
                       [("LC_LOAD_DYLIB", n) for n in entry.get("libs", [])] +
                       [("LC_LOAD_WEAK_DYLIB", n) for n in entry.get("weak", [])]):
        commands.append([f"          cmd {kind}", "      cmdsize 56",
                         f"         name {name} (offset 24)",
                         "   time stamp 2 Thu Jan  1 00:00:02 1970",
                         "      current version 1.0.0", "compatibility version 1.0.0"])
    for run_path in entry.get("rpaths", []):
        commands.append(["          cmd LC_RPATH", "      cmdsize 48",
                         f"         path {run_path} (offset 12)"])
    for number, lines in enumerate(commands):
        print(f"Load command {number}")
        print("\n".join(lines))
"""

QTCORE = "@rpath/QtCore.framework/Versions/A/QtCore"
LIBCXX = "/usr/lib/libc++.1.dylib"
LIBSYSTEM = "/usr/lib/libSystem.B.dylib"

# What each Mach-O file of the deployed bundle links, as macdeployqt leaves a
# sound bundle: Qt through the app's run path, the system's own libraries, a
# helper library next to its program through @loader_path.
LINKS = {
    "MacOS/VelmoraInstaller": {
        "universal": True,
        "libs": [QTCORE, "/System/Library/Frameworks/AppKit.framework/Versions/C/AppKit",
                 LIBCXX, LIBSYSTEM],
        "weak": ["/System/Library/Frameworks/UserNotifications.framework/Versions/A/"
                 "UserNotifications"],
        "rpaths": ["@executable_path/../Frameworks"],
    },
    "Frameworks/QtCore.framework/Versions/A/QtCore": {
        "id": QTCORE,
        "libs": ["/System/Library/Frameworks/IOKit.framework/Versions/A/IOKit",
                 "/usr/lib/libz.1.dylib", LIBCXX, LIBSYSTEM],
    },
    # Qt's plug-ins keep the run path of Qt's own layout, which leads nowhere
    # in the bundle; the app's run path finds QtCore.
    "PlugIns/platforms/libqcocoa.dylib": {
        "libs": [QTCORE, "/System/Library/Frameworks/AppKit.framework/Versions/C/AppKit",
                 LIBCXX, LIBSYSTEM],
        "rpaths": ["@loader_path/../../lib"],
    },
    "Helpers/vlmr-supervisor": {"libs": [LIBCXX, LIBSYSTEM]},
    "Resources/tools/bin/vlmr-shim": {
        "libs": ["@loader_path/../lib/libvlmr.dylib", LIBSYSTEM],
    },
    # Its own name names no file the app's run path finds: only a dependency counts.
    "Resources/tools/lib/libvlmr.dylib": {"id": "@rpath/libvlmr.dylib", "libs": [LIBSYSTEM]},
}

PRELUDE = """#!/usr/bin/env bash
set -eu
log() { (IFS=$'\\x1f'; printf '%s\\n' "$*") >> "$FAKE_LOG"; }
"""


class PackagingFixture(unittest.TestCase):
    """A temporary folder with the stand-ins on PATH and a built bundle; shared
    by a class's tests, since each run of the script takes a few seconds."""

    @classmethod
    def setUpClass(cls):
        cls.temp = tempfile.mkdtemp(prefix="vlmr-package-")
        cls.bin = os.path.join(cls.temp, "bin")
        cls.state = os.path.join(cls.temp, "state")
        os.makedirs(cls.bin)
        os.makedirs(cls.state)
        for name, body in STANDINS.items():
            path = os.path.join(cls.bin, name)
            with open(path, "w") as handle:
                handle.write(PRELUDE + body)
            os.chmod(path, 0o755)
        with open(os.path.join(cls.bin, "otool"), "w") as handle:
            handle.write(OTOOL)
        os.chmod(os.path.join(cls.bin, "otool"), 0o755)
        cls.fake_sign = os.path.join(cls.temp, "fake-sign.py")
        with open(cls.fake_sign, "w") as handle:
            handle.write(FAKE_SIGN)
        cls.fake_app = os.path.join(cls.temp, "fake-app")
        with open(cls.fake_app, "w") as handle:
            handle.write(PRELUDE + FAKE_APP)
        os.chmod(cls.fake_app, 0o755)
        cls.log = os.path.join(cls.temp, "calls.log")
        cls.app = cls.make_app(os.path.join(cls.temp, "build", APP_NAME))
        cls.out = os.path.join(cls.temp, "dist")

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.temp)

    @staticmethod
    def make_app(app):
        contents = os.path.join(app, "Contents")
        files = {
            "MacOS/VelmoraInstaller": (macho(EXECUTE), 0o755),
            "Helpers/vlmr-supervisor": (macho(EXECUTE), 0o755),
            "Resources/tools/bin/vlmr-shim": (macho(EXECUTE), 0o755),
            "Resources/tools/bin/vlmr-tools-info": (b"#!/bin/sh\necho tools\n", 0o755),
            "Resources/tools/lib/libvlmr.dylib": (macho(DYLIB), 0o644),
            "Resources/src/README.md": (b"sources\n", 0o644),
            "Resources/Velmora3000.icns": (b"icns\0\0\0\x08", 0o644),
            "PkgInfo": (b"APPL????", 0o644),
        }
        for relative, (data, mode) in files.items():
            path = os.path.join(contents, relative)
            os.makedirs(os.path.dirname(path), exist_ok=True)
            with open(path, "wb") as handle:
                handle.write(data)
            os.chmod(path, mode)
        write_wheel(os.path.join(contents, NATIVE_WHEEL), "velmora_native", {
            "velmora_native/__init__.py": b"from ._speedups import *\n",
            "velmora_native/_speedups.abi3.so": macho(BUNDLE),
        }, modes={"velmora_native/_speedups.abi3.so": 0o755})
        write_wheel(os.path.join(contents, PURE_WHEEL), "velmora_pure",
                    {"velmora_pure/__init__.py": b"VALUE = 1\n"})
        with open(os.path.join(contents, "Info.plist"), "wb") as handle:
            plistlib.dump({"CFBundleExecutable": "VelmoraInstaller",
                           "CFBundleShortVersionString": "1.0.0",
                           "CFBundleIdentifier": "org.velmora.installer"}, handle)
        return app

    def run_script(self, env=None, app=None, links=None, out=None, cwd=None):
        links_file = os.path.join(self.temp, "links.json")
        with open(links_file, "w") as handle:
            json.dump(LINKS if links is None else links, handle)
        # The calls and the failure count are those of this run alone.
        for path in (self.log, os.path.join(self.state, "create-failures")):
            if os.path.exists(path):
                os.remove(path)
        environment = {
            "PATH": self.bin + os.pathsep + os.environ.get("PATH", "/usr/bin:/bin"),
            "HOME": self.temp,
            "FAKE_LOG": self.log,
            "FAKE_STATE": self.state,
            "FAKE_LINKS": links_file,
            "FAKE_APP": self.fake_app,
            "FAKE_SIGN": self.fake_sign,
            # The runner's Qt exports it; the launch check must not be helped by it.
            "QT_PLUGIN_PATH": os.path.join(self.temp, "runner-qt", "plugins"),
            "DYLIB_HEX": macho(DYLIB).hex(),
            "BUNDLE_HEX": macho(BUNDLE).hex(),
        }
        environment.update(env or {})
        result = subprocess.run([BASH, SCRIPT, app or self.app, out or self.out], env=environment,
                                capture_output=True, text=True, timeout=60, cwd=cwd)
        return result

    def calls(self):
        if not os.path.exists(self.log):
            return []
        with open(self.log) as handle:
            return [line.rstrip("\n").split(SEPARATOR) for line in handle]

    def staged(self, path):
        """A path inside the staged copy of the app, as the script names it."""
        return os.path.join(self.out, ".package", "image", APP_NAME, path)

    def index_of(self, calls, predicate, what):
        for index, call in enumerate(calls):
            if predicate(call):
                return index
        self.fail(f"no call {what} in {calls}")


def is_signing(call):
    return call[0] == "codesign" and "--sign" in call


def signed_item(call):
    return call[-1]


class ReleasePackaging(PackagingFixture):
    """With an identity and a notary profile: the full release path."""

    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        cls.result = cls.run_script(cls, {"VLMR_SIGN_IDENTITY": IDENTITY,
                                          "VLMR_NOTARY_PROFILE": PROFILE})
        cls.log_calls = cls.calls(cls)

    def setUp(self):
        self.assertEqual(self.result.returncode, 0, self.result.stderr + self.result.stdout)

    def test_steps_run_in_order(self):
        calls = self.log_calls
        deploy = self.index_of(calls, lambda c: c[0] == "macdeployqt", "macdeployqt")
        app_sign = self.index_of(calls, lambda c: is_signing(c) and c[-1].endswith(APP_NAME),
                                 "signing the app")
        inner = [i for i, c in enumerate(calls) if is_signing(c) and
                 c[-1].startswith(self.staged("")) and not c[-1].endswith(APP_NAME)]
        image = self.index_of(calls, lambda c: c[:2] == ["hdiutil", "create"], "hdiutil create")
        image_sign = self.index_of(calls, lambda c: is_signing(c) and c[-1].endswith(".dmg"),
                                   "signing the image")
        notarize = self.index_of(calls, lambda c: c[:3] == ["xcrun", "notarytool", "submit"],
                                 "notarytool submit")
        staple = self.index_of(calls, lambda c: c[:3] == ["xcrun", "stapler", "staple"],
                               "stapler staple")
        verify = self.index_of(calls, lambda c: c[0] == "codesign" and "--verify" in c,
                               "codesign --verify")
        assess = self.index_of(calls, lambda c: c[0] == "spctl" and "--assess" in c,
                               "spctl --assess")
        launch = self.index_of(calls, lambda c: c[0] == "app", "the app's launch")
        detach = self.index_of(calls, lambda c: c[:2] == ["hdiutil", "detach"], "hdiutil detach")
        link_check = [i for i, c in enumerate(calls) if c[0] == "otool"]
        self.assertTrue(inner, calls)
        self.assertTrue(link_check, calls)
        self.assertLess(deploy, min(link_check))
        self.assertLess(max(link_check), min(inner))
        self.assertLess(max(inner), app_sign)
        self.assertLess(app_sign, image)
        self.assertLess(image, image_sign)
        self.assertLess(image_sign, notarize)
        self.assertLess(notarize, staple)
        self.assertLess(staple, verify)
        self.assertLess(verify, assess)
        self.assertLess(assess, launch)
        self.assertLess(launch, detach)

    def test_the_app_in_the_mounted_image_starts_headless_and_draws_its_pages(self):
        launches = [c for c in self.log_calls if c[0] == "app"]
        package = os.path.join(self.out, ".package")
        mounted = os.path.join(package, "mount", APP_NAME, "Contents", "MacOS", "VelmoraInstaller")
        self.assertEqual(launches, [["app", mounted, "--cli"],
                                    ["app", mounted, "--snapshot",
                                     os.path.join(package, "snapshots")]])
        # The GUI layer through the cocoa plug-in the bundle carries, not the runner's Qt.
        with open(os.path.join(self.state, "snapshot-env")) as handle:
            self.assertEqual(handle.read().splitlines(),
                             ["QT_PLUGIN_PATH=<unset>", "QT_QPA_PLATFORM=cocoa"])

    def test_libraries_of_every_mach_o_file_are_read_the_app_included(self):
        read = {}
        for call in self.log_calls:
            if call[0] == "otool":
                read.setdefault(call[2], set()).add(call[1])
        files = [self.staged("Contents/" + relative) for relative in LINKS]
        self.assertCountEqual(read.keys(), files)
        for path in files:
            self.assertEqual(read[path], {"-L", "-l"}, path)

    def test_every_piece_of_code_is_signed_once_and_nothing_else(self):
        signed = [signed_item(c) for c in self.log_calls if is_signing(c)
                  and c[-1].startswith(self.staged("")[:-1])]
        expected = [self.staged(p) for p in (
            "Contents/Frameworks/QtCore.framework",
            "Contents/Helpers/vlmr-supervisor",
            "Contents/PlugIns/platforms/libqcocoa.dylib",
            "Contents/Resources/tools/bin/vlmr-shim",
            "Contents/Resources/tools/lib/libvlmr.dylib",
        )] + [self.staged("")[:-1]]
        self.assertCountEqual(signed, expected)
        # Innermost first: nothing is signed after a folder that holds it.
        for index, item in enumerate(signed):
            for later in signed[index + 1:]:
                self.assertFalse(later.startswith(item + "/"), f"{later} signed after {item}")

    def test_code_is_signed_with_the_runtime_a_timestamp_and_the_identity(self):
        for call in self.log_calls:
            if not is_signing(call):
                continue
            with self.subTest(item=call[-1]):
                self.assertEqual(call[call.index("--sign") + 1], IDENTITY)
                self.assertIn("--timestamp", call)
                if not call[-1].endswith(".dmg"):
                    self.assertIn("--options", call)
                    self.assertEqual(call[call.index("--options") + 1], "runtime")

    def test_only_the_app_carries_the_apple_events_entitlement(self):
        entitled = [c for c in self.log_calls if is_signing(c) and "--entitlements" in c]
        self.assertEqual([c[-1] for c in entitled], [self.staged("")[:-1]])
        path = entitled[0][entitled[0].index("--entitlements") + 1]
        with open(path, "rb") as handle:
            entitlements = plistlib.load(handle)
        self.assertIs(entitlements.get("com.apple.security.automation.apple-events"), True)

    def test_image_holds_the_deployed_app_and_an_applications_link(self):
        image = os.path.join(self.state, "image")
        self.assertEqual(os.readlink(os.path.join(image, "Applications")), "/Applications")
        app = os.path.join(image, APP_NAME, "Contents")
        self.assertTrue(os.path.isfile(os.path.join(app, "PlugIns/platforms/libqcocoa.dylib")))
        self.assertTrue(os.path.isfile(os.path.join(app, "MacOS/VelmoraInstaller")))
        dmgs = [name for name in os.listdir(self.out) if name.endswith(".dmg")]
        self.assertEqual(dmgs, ["Velmora3000Installer-1.0.0.dmg"])
        # Nothing of the work is left beside it.
        self.assertEqual(sorted(os.listdir(self.out)), dmgs)

    def test_notarized_with_the_profile_and_stapled_to_the_image(self):
        dmg = os.path.join(self.out, "Velmora3000Installer-1.0.0.dmg")
        submit = next(c for c in self.log_calls if c[:3] == ["xcrun", "notarytool", "submit"])
        self.assertIn(dmg, submit)
        self.assertEqual(submit[submit.index("--keychain-profile") + 1], PROFILE)
        self.assertIn("--wait", submit)
        staple = next(c for c in self.log_calls if c[:3] == ["xcrun", "stapler", "staple"])
        self.assertEqual(staple[-1], dmg)

    def test_verification_is_deep_and_strict_on_the_app_in_the_image(self):
        verify = next(c for c in self.log_calls if c[0] == "codesign" and "--verify" in c)
        for flag in ("--deep", "--strict"):
            self.assertIn(flag, verify)
        self.assertTrue(verify[-1].endswith(os.path.join("mount", APP_NAME)), verify)

    def test_code_inside_a_wheel_is_signed_and_its_record_stays_true(self):
        image_app = os.path.join(self.state, "image", APP_NAME, "Contents")
        built = os.path.join(self.app, "Contents")
        with zipfile.ZipFile(os.path.join(built, NATIVE_WHEEL)) as before, \
                zipfile.ZipFile(os.path.join(image_app, NATIVE_WHEEL)) as after:
            self.assertEqual([(i.filename, i.external_attr, i.date_time) for i in after.infolist()],
                             [(i.filename, i.external_attr, i.date_time)
                              for i in before.infolist()])
            native = "velmora_native/_speedups.abi3.so"
            self.assertFalse(archive_code.is_signed(before.read(native)))
            self.assertTrue(archive_code.is_signed(after.read(native)))
            self.assertEqual(after.read("velmora_native/__init__.py"),
                             before.read("velmora_native/__init__.py"))
            # Every RECORD line names the member's hash and size as they now are.
            lines = after.read("velmora_native-1.0.dist-info/RECORD").decode().splitlines()
            for line in lines:
                name = line.split(",")[0]
                expected = (f"{name},," if name.endswith("/RECORD")
                            else record_line(name, after.read(name)))
                self.assertEqual(line, expected)
        # The member was signed like the rest of the code, and nothing of the
        # unpacked wheel is left.
        members = [c for c in self.log_calls if is_signing(c) and c[-1].endswith(native)]
        self.assertEqual(len(members), 1, self.log_calls)
        self.assertIn("runtime", members[0])
        with open(os.path.join(built, PURE_WHEEL), "rb") as before, \
                open(os.path.join(image_app, PURE_WHEEL), "rb") as after:
            self.assertEqual(after.read(), before.read(), "a wheel without code was repacked")

    def test_the_built_bundle_is_left_as_built(self):
        self.assertFalse(os.path.exists(os.path.join(self.app, "Contents", "Frameworks")))
        self.assertFalse(os.path.exists(os.path.join(self.app, "Contents", "PlugIns")))


class AdHocPackaging(PackagingFixture):
    """Without an identity: ad hoc signing, no timestamp, no notarization."""

    def test_ad_hoc_signs_without_runtime_timestamp_or_notarization_and_says_so(self):
        # Gatekeeper rejects ad hoc code: that is reported, not a failure.
        result = self.run_script({"FAKE_SPCTL_EXIT": "3"})
        self.assertEqual(result.returncode, 0, result.stderr + result.stdout)
        self.assertIn("ad hoc", result.stdout)
        calls = self.calls()
        signing = [c for c in calls if is_signing(c)]
        self.assertTrue(signing)
        for call in signing:
            with self.subTest(item=call[-1]):
                self.assertEqual(call[call.index("--sign") + 1], "-")
                self.assertNotIn("--timestamp", call)
                self.assertIn("--timestamp=none", call)
                # The hardened runtime's library validation would refuse the ad hoc
                # signed Qt frameworks, which name no team, and the app would not start.
                self.assertNotIn("--options", call)
                self.assertFalse([a for a in call if a.startswith("--options")], call)
                self.assertNotIn("runtime", call)
        self.assertFalse([c for c in calls if c[0] == "xcrun"], calls)
        self.assertTrue([c for c in calls if c[:2] == ["hdiutil", "create"]])
        self.assertTrue([c for c in calls if c[0] == "spctl"])
        self.assertEqual([c[2] for c in calls if c[0] == "app"], ["--cli", "--snapshot"])

    def test_a_relative_output_folder_is_made_absolute_before_mounting(self):
        result = self.run_script(out="dist-relative", cwd=self.temp)
        self.assertEqual(result.returncode, 0, result.stderr + result.stdout)
        out = os.path.join(self.temp, "dist-relative")
        attach = next(c for c in self.calls() if c[:2] == ["hdiutil", "attach"])
        mount = attach[attach.index("-mountpoint") + 1]
        self.assertTrue(os.path.isabs(mount), mount)
        # The shell resolves the folder it went to; compared as both resolve.
        self.assertEqual(os.path.realpath(mount),
                         os.path.realpath(os.path.join(out, ".package", "mount")))
        self.assertEqual(os.listdir(out), ["Velmora3000Installer-1.0.0.dmg"])
        shutil.rmtree(out)

    def test_a_busy_device_fails_hdiutil_once_and_the_next_try_makes_the_image(self):
        result = self.run_script({"FAKE_CREATE_FAILURES": "1"})
        self.assertEqual(result.returncode, 0, result.stderr + result.stdout)
        self.assertEqual(result.stderr, "")
        self.assertIn("Resource busy", result.stdout)
        calls = self.calls()
        tries = [i for i, c in enumerate(calls) if c[:2] == ["hdiutil", "create"]]
        pauses = [i for i, c in enumerate(calls) if c[0] == "sleep"]
        self.assertEqual(len(tries), 2, calls)
        self.assertEqual(len(pauses), 1, calls)
        self.assertLess(tries[0], pauses[0])
        self.assertLess(pauses[0], tries[1])
        self.assertTrue(os.path.isfile(os.path.join(self.out, "Velmora3000Installer-1.0.0.dmg")))


class RefusedPackaging(PackagingFixture):
    """Each refusal: a non-zero status, one sentence, and no step past the fault."""

    def test_refusals(self):
        release = {"VLMR_SIGN_IDENTITY": IDENTITY, "VLMR_NOTARY_PROFILE": PROFILE}
        cases = [
            # name, environment, bundle change, sentence, last tool allowed to run
            ("notarization rejected", dict(release, FAKE_NOTARY_STATUS="Invalid"), None,
             "Apple did not accept the image", "xcrun notarytool"),
            ("notarytool fails", dict(release, FAKE_NOTARY_EXIT="1"), None,
             "notarization failed", "xcrun notarytool"),
            ("Gatekeeper rejects a release", dict(release, FAKE_SPCTL_EXIT="3"), None,
             "Gatekeeper rejects the app", "spctl"),
            # --cli alone is a usage error: any other status means the app did not
            # get that far (134: dyld refused a library) or ignored its arguments.
            ("the app starts and succeeds", dict(release, FAKE_APP_EXIT="0"), None,
             "does not start: VelmoraInstaller --cli ended with status 0 instead of 2", "app"),
            ("the app fails", {"FAKE_APP_EXIT": "1"}, None,
             "ended with status 1 instead of 2", "app"),
            ("dyld stops the app", {"FAKE_APP_EXIT": "134"}, None,
             "ended with status 134 instead of 2", "app"),
            # The GUI layer fails to load (no platform plug-in: Qt aborts, 134), or
            # pages go missing.
            ("the cocoa plug-in does not load", dict(release, FAKE_SNAPSHOT_EXIT="134",
                                                     FAKE_SNAPSHOT_PNGS="0"), None,
             "cannot draw its pages: VelmoraInstaller --snapshot ended with status 134 "
             "and wrote 0 of 12 PNG files", "app"),
            ("a page is not drawn", {"FAKE_SNAPSHOT_PNGS": "11"}, None,
             "ended with status 0 and wrote 11 of 12 PNG files", "app"),
            ("an archive holds unsigned code", {}, "Contents/Resources/extra/blob.zip",
             "Contents/Resources/extra/blob.zip holds unsigned code: lib/native.so", "codesign"),
            ("the device stays busy", {"FAKE_CREATE_FAILURES": "99"}, None,
             "hdiutil could not make the disk image in 4 tries", "hdiutil"),
            ("no cocoa plug-in deployed", dict(release, FAKE_NO_COCOA="1"), None,
             "cocoa platform plug-in", "macdeployqt"),
            ("identity without a notary profile", {"VLMR_SIGN_IDENTITY": IDENTITY}, None,
             "VLMR_NOTARY_PROFILE is not set", None),
            ("the Linux stand-ins in the bundle", {}, "Contents/Helpers/xcrun",
             "Linux stand-in tools", None),
            ("no executable", {}, "-Contents/MacOS/VelmoraInstaller",
             "has no Contents/MacOS/VelmoraInstaller", None),
            ("no Info.plist", {}, "-Contents/Info.plist", "has no Contents/Info.plist", None),
            ("no bundle at all", {}, "-", "is not an app bundle", None),
        ]
        order = ["macdeployqt", "otool", "codesign", "hdiutil", "xcrun notarytool",
                 "xcrun stapler", "spctl", "app"]
        for name, env, change, sentence, last in cases:
            with self.subTest(name):
                self.tearDown_case()
                app = self.make_app(os.path.join(self.temp, "case", APP_NAME))
                if change == "-":
                    shutil.rmtree(app)
                elif change and change.startswith("-"):
                    os.remove(os.path.join(app, change[1:]))
                elif change and change.endswith(".zip"):
                    write_zip(os.path.join(app, change), {"lib/native.so": macho(BUNDLE)})
                elif change:
                    with open(os.path.join(app, change), "w") as handle:
                        handle.write("#!/bin/sh\n")
                result = self.run_script(env, app=app)
                self.assertNotEqual(result.returncode, 0, result.stdout)
                self.assertIn(sentence, result.stderr)
                self.assertEqual(len(result.stderr.strip().splitlines()), 1, result.stderr)
                self.assertNotIn("Traceback", result.stderr)
                ran = [" ".join(c[:2]) if c[0] == "xcrun" else c[0] for c in self.calls()]
                allowed = order[:order.index(last) + 1] if last else []
                for tool in ran:
                    if tool in ("ditto", "hdiutil", "sleep"):
                        continue  # copying aside, detaching and pausing are housekeeping
                    tool = "xcrun stapler" if tool.startswith("xcrun stapler") else tool
                    self.assertIn(tool, allowed, f"{tool} ran after the fault: {ran}")
                if "xcrun notarytool" in (last or ""):
                    self.assertNotIn("xcrun stapler", ran)
                if last == "hdiutil":
                    creates = [c for c in self.calls() if c[:2] == ["hdiutil", "create"]]
                    self.assertEqual(len(creates), 4, creates)
                    self.assertNotIn("app", ran)

    def test_leaking_libraries(self):
        # (name, file inside Contents, what it gains, the sentence naming file and library)
        cases = [
            ("a Homebrew library in a plug-in", "PlugIns/platforms/libqcocoa.dylib",
             {"libs": ["/opt/homebrew/opt/freetype/lib/libfreetype.6.dylib"]},
             "Contents/PlugIns/platforms/libqcocoa.dylib loads "
             "/opt/homebrew/opt/freetype/lib/libfreetype.6.dylib, "
             "which is neither inside the app nor part of macOS."),
            ("a /usr/local library in the app", "MacOS/VelmoraInstaller",
             {"libs": ["/usr/local/lib/libintl.8.dylib"]},
             "Contents/MacOS/VelmoraInstaller loads /usr/local/lib/libintl.8.dylib, "
             "which is neither inside the app nor part of macOS."),
            ("a name that climbs out of /usr/lib", "Frameworks/QtCore.framework/Versions/A/QtCore",
             {"libs": ["/usr/lib/../local/lib/libpcre2-16.0.dylib"]},
             "Contents/Frameworks/QtCore.framework/Versions/A/QtCore loads "
             "/usr/lib/../local/lib/libpcre2-16.0.dylib, "
             "which is neither inside the app nor part of macOS."),
            ("a framework that was never deployed", "MacOS/VelmoraInstaller",
             {"libs": ["@rpath/QtDBus.framework/Versions/A/QtDBus"]},
             "Contents/MacOS/VelmoraInstaller loads @rpath/QtDBus.framework/Versions/A/QtDBus, "
             "which none of its run paths finds inside the app."),
            # A program of its own does not get the app's run paths.
            ("Qt named by a helper without a run path", "Helpers/vlmr-supervisor",
             {"libs": [QTCORE]},
             f"Contents/Helpers/vlmr-supervisor loads {QTCORE}, "
             "which none of its run paths finds inside the app."),
            ("a run path into Homebrew", "MacOS/VelmoraInstaller",
             {"rpaths": ["/opt/homebrew/lib"]},
             "Contents/MacOS/VelmoraInstaller has the run path /opt/homebrew/lib, "
             "which lies outside the app and macOS."),
            ("@loader_path out of the bundle", "Resources/tools/bin/vlmr-shim",
             {"libs": ["@loader_path/../../../../../libvlmr.dylib"]},
             "Contents/Resources/tools/bin/vlmr-shim loads "
             "@loader_path/../../../../../libvlmr.dylib, which is no file inside the app."),
        ]
        for name, relative, gained, sentence in cases:
            with self.subTest(name):
                self.tearDown_case()
                links = copy.deepcopy(LINKS)
                for key, values in gained.items():
                    links[relative].setdefault(key, []).extend(values)
                result = self.run_script(app=self.make_app(os.path.join(self.temp, "case",
                                                                        APP_NAME)),
                                         links=links)
                self.assertNotEqual(result.returncode, 0, result.stdout)
                self.assertEqual(result.stderr, f"package-macos: {sentence}\n")
                ran = {c[0] for c in self.calls()}
                self.assertIn("otool", ran)
                self.assertNotIn("codesign", ran, "signed despite the leak")
                self.assertNotIn("hdiutil", ran, "made an image despite the leak")

    def test_every_leak_is_listed(self):
        self.tearDown_case()
        links = copy.deepcopy(LINKS)
        links["Helpers/vlmr-supervisor"]["libs"].append("/opt/homebrew/lib/libzstd.1.dylib")
        links["MacOS/VelmoraInstaller"]["libs"].append("/usr/local/lib/libintl.8.dylib")
        result = self.run_script(app=self.make_app(os.path.join(self.temp, "case", APP_NAME)),
                                 links=links)
        self.assertNotEqual(result.returncode, 0)
        self.assertEqual(len(result.stderr.splitlines()), 1, result.stderr)
        both = result.stderr + result.stdout
        self.assertIn("Contents/Helpers/vlmr-supervisor loads /opt/homebrew/lib/libzstd.1.dylib",
                      both)
        self.assertIn("Contents/MacOS/VelmoraInstaller loads /usr/local/lib/libintl.8.dylib", both)

    def tearDown_case(self):
        for path in (self.log, os.path.join(self.temp, "case"), self.out):
            if os.path.isdir(path):
                shutil.rmtree(path)
            elif os.path.exists(path):
                os.remove(path)


if __name__ == "__main__":
    unittest.main()
