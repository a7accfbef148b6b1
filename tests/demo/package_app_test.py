"""The demo build script against the contract the installer relies on."""

import os
import plistlib
import queue
import signal
import subprocess
import tempfile
import threading
import time
import unittest

from demo_env import (APP_NAME, BUNDLE_ID, MARKER, SAMPLE, protocol_lines, run_script,
                      script_command, script_environment)


class SuccessfulBuild(unittest.TestCase):
    def check_app(self, app: str):
        with open(os.path.join(app, "Contents", "Info.plist"), "rb") as handle:
            info = plistlib.load(handle)
        self.assertEqual(info["CFBundleIdentifier"], BUNDLE_ID)
        self.assertEqual(info["CFBundleName"], APP_NAME)
        self.assertEqual(info["CFBundleExecutable"], APP_NAME)
        self.assertTrue(info["CFBundleShortVersionString"])
        launcher = os.path.join(app, "Contents", "MacOS", info["CFBundleExecutable"])
        ran = subprocess.run([launcher], stdout=subprocess.PIPE, text=True, timeout=10)
        self.assertEqual(ran.returncode, 0)
        self.assertTrue(ran.stdout.strip())

    def test_sample_builds_an_app_announced_by_done_after_nine_stages(self):
        with tempfile.TemporaryDirectory() as tmp:
            # Arguments in any order; a relative --out still gives an absolute "##done".
            cases = [
                ("installer order", ["--installer", SAMPLE, "--out", os.path.join(tmp, "a")],
                 os.path.join(tmp, "a")),
                ("reversed, cache, relative out",
                 ["--cache", os.path.join(tmp, "cache"), "--out", "b", "--installer", SAMPLE],
                 os.path.join(tmp, "b")),
            ]
            # An earlier build in the output folder is replaced as a whole.
            stale = os.path.join(tmp, "a", APP_NAME + ".app", "Contents")
            os.makedirs(stale)
            open(os.path.join(stale, "stale-file"), "w").close()

            for name, args, out in cases:
                with self.subTest(name):
                    started = time.monotonic()
                    result = run_script(*args, cwd=tmp)
                    self.assertLess(time.monotonic() - started, 3, "VLMR_DEMO_FAST=1 ignored")
                    self.assertEqual(result.returncode, 0, result.stdout)
                    stages = protocol_lines(result.stdout, "##stage ")
                    self.assertEqual([s.split(" ")[1] for s in stages],
                                     [f"{n}/9" for n in range(1, 10)])
                    self.assertTrue(all(len(s.split(" ", 2)) == 3 and s.split(" ", 2)[2]
                                        for s in stages), stages)
                    # The script names the app by an absolute path; a relative
                    # folder it resolves, as the Mac's /var -> /private/var may.
                    app = os.path.join(out, APP_NAME + ".app")
                    done = protocol_lines(result.stdout, "##done ")
                    self.assertEqual(len(done), 1, done)
                    named = done[0][len("##done "):]
                    self.assertTrue(os.path.isabs(named), named)
                    self.assertTrue(os.path.samefile(named, app), named)
                    self.assertEqual(result.stdout.splitlines()[-1], done[0])
                    self.assertEqual(protocol_lines(result.stdout, "##error"), [])
                    self.assertEqual(sorted(os.listdir(out)), [APP_NAME + ".app"])
                    self.assertFalse(os.path.exists(os.path.join(stale, "stale-file")))
                    self.check_app(app)


class RejectedInputs(unittest.TestCase):
    def test_each_bad_input_ends_with_its_error_line_and_status(self):
        no_exe = "##error The installer is not a Windows executable (it does not start with MZ)."
        no_game = "##error The installer does not contain Apps/SC3U.exe."
        filler = bytes(range(256)) * 64
        with tempfile.TemporaryDirectory() as tmp:
            out = os.path.join(tmp, "out")
            missing = os.path.join(tmp, "missing.exe")
            # (name, installer bytes or None for no file, extra arguments, error line, status)
            cases = [
                ("ZM signature", b"ZM" + MARKER + filler, [], no_exe, 1),
                ("lower-case mz", b"mz" + MARKER + filler, [], no_exe, 1),
                ("empty file", b"", [], no_exe, 1),
                ("no marker", b"MZ" + filler, [], no_game, 1),
                ("marker cut short", b"MZ" + filler + MARKER[:-1], [], no_game, 1),
                ("missing file", None, [], f"##error The installer {missing} can't be read.", 1),
                ("unknown argument", b"MZ" + MARKER, ["--fast"],
                 "##error Unknown argument: --fast.", 2),
                ("option without value", b"MZ" + MARKER, ["--cache"],
                 "##error The option --cache needs a value.", 2),
            ]
            for name, content, extra, error, status in cases:
                with self.subTest(name):
                    if content is not None:
                        installer = os.path.join(tmp, "setup.exe")
                        with open(installer, "wb") as handle:
                            handle.write(content)
                    else:
                        installer = missing
                    result = run_script("--installer", installer, "--out", out, *extra)
                    self.assertEqual(result.returncode, status, result.stdout)
                    self.assertEqual(protocol_lines(result.stdout, "##error"), [error])
                    self.assertEqual(protocol_lines(result.stdout, "##done"), [])
                    self.assertFalse(os.path.exists(out) and os.listdir(out), "left output behind")

    def test_missing_out_is_a_usage_error(self):
        result = run_script("--installer", SAMPLE)
        self.assertEqual(result.returncode, 2)
        self.assertEqual(len(protocol_lines(result.stdout, "##error ")), 1)


class Cancellation(unittest.TestCase):
    def start_slow_build(self, out: str):
        process = subprocess.Popen(
            script_command("--installer", SAMPLE, "--out", out),
            env=script_environment(fast=False), stdin=subprocess.DEVNULL,
            stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
        lines = queue.Queue()

        def read():
            for line in process.stdout:
                lines.put(line.rstrip("\n"))
            lines.put(None)

        threading.Thread(target=read, daemon=True).start()
        return process, lines

    def wait_for_line(self, lines: queue.Queue, wanted: str, seen: list):
        deadline = time.monotonic() + 15
        while time.monotonic() < deadline:
            line = lines.get(timeout=deadline - time.monotonic())
            if line is None:
                self.fail(f"output ended before {wanted!r}: {seen}")
            seen.append(line)
            if line.startswith(wanted):
                return
        self.fail(f"no {wanted!r} in time")

    def group_is_gone(self, pgid: int, within: float) -> bool:
        deadline = time.monotonic() + within
        while time.monotonic() < deadline:
            try:
                os.killpg(pgid, 0)
            except ProcessLookupError:
                return True
            time.sleep(0.02)
        return False

    def test_sigterm_stops_script_and_its_jobs_and_leaves_no_half_app(self):
        # The compile stage keeps two 1.6 s "compiler" jobs running; during signing
        # a half-built app lies in the output folder.
        cases = [
            ("compiling, signal to the shell alone", os.kill, "##stage 6/9", 0.3),
            ("signing, signal to the process group", os.killpg, "##stage 8/9", 0.1),
        ]
        for name, send, stage, delay in cases:
            with self.subTest(name), tempfile.TemporaryDirectory() as tmp:
                process, lines = self.start_slow_build(tmp)
                seen = []
                try:
                    self.wait_for_line(lines, stage, seen)
                    time.sleep(delay)
                    started = time.monotonic()
                    send(process.pid, signal.SIGTERM)
                    status = process.wait(timeout=5)
                    self.assertLess(time.monotonic() - started, 0.8, "the trap did not fire promptly")
                    self.assertEqual(status, 143)
                    self.assertTrue(self.group_is_gone(process.pid, within=0.5),
                                    "background jobs outlived the script")
                finally:
                    if process.poll() is None:
                        os.killpg(process.pid, signal.SIGKILL)
                        process.wait()
                rest = []
                while (line := lines.get(timeout=5)) is not None:
                    rest.append(line)
                self.assertEqual(protocol_lines("\n".join(seen + rest), "##done"), [])
                self.assertEqual(os.listdir(tmp), [])


if __name__ == "__main__":
    unittest.main()
