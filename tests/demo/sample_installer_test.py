"""The sample installer generator: deterministic, listed, atomic."""

import hashlib
import os
import subprocess
import sys
import tempfile
import unittest

from demo_env import GENERATOR, KNOWN_LIST, MARKER, SAMPLE, SAMPLE_SIZE


def generate(path: str) -> subprocess.CompletedProcess:
    return subprocess.run([sys.executable, GENERATOR, path], stdout=subprocess.PIPE,
                          stderr=subprocess.PIPE, text=True, timeout=60)


def sha256(path: str) -> str:
    digest = hashlib.sha256()
    with open(path, "rb") as handle:
        for chunk in iter(lambda: handle.read(1 << 20), b""):
            digest.update(chunk)
    return digest.hexdigest()


def listed_digests() -> set:
    entries = set()
    with open(KNOWN_LIST, encoding="utf-8") as handle:
        for line in handle:
            line = line.strip()
            if line and not line.startswith("#"):
                entries.add(line.split(" ", 1)[0])
    return entries


class SampleIsTheListedInstaller(unittest.TestCase):
    """Writes the sample the build-script tests use (CTest fixture)."""

    def test_sample_is_reproducible_and_on_the_known_list(self):
        # A stale, larger file in the way must be replaced, not overwritten in place.
        os.makedirs(os.path.dirname(SAMPLE), exist_ok=True)
        with open(SAMPLE, "wb") as stale:
            stale.truncate(SAMPLE_SIZE + 4096)
        first = generate(SAMPLE)
        self.assertEqual((first.returncode, first.stdout, first.stderr), (0, "", ""))
        with tempfile.TemporaryDirectory() as tmp:
            second = os.path.join(tmp, "nested", "game.exe")
            self.assertEqual(generate(second).returncode, 0)
            self.assertEqual(sha256(second), sha256(SAMPLE), "two runs gave different bytes")

        self.assertEqual(os.path.getsize(SAMPLE), SAMPLE_SIZE)
        with open(SAMPLE, "rb") as handle:
            data = handle.read()
        self.assertEqual(data[:2], b"MZ")
        self.assertEqual(data.count(MARKER), 1)
        self.assertIn(sha256(SAMPLE), listed_digests(),
                      "the generator changed but known_installers.sha256 was not updated")


class GeneratorFailsCleanly(unittest.TestCase):
    def test_unwritable_destination_gives_one_sentence_and_leaves_no_temp_file(self):
        with tempfile.TemporaryDirectory() as tmp:
            a_file = os.path.join(tmp, "file")
            open(a_file, "w").close()
            a_dir = os.path.join(tmp, "taken.exe")
            os.mkdir(a_dir)
            for name, target in [("parent is a file", os.path.join(a_file, "x.exe")),
                                 ("destination is a folder", a_dir)]:
                with self.subTest(name):
                    result = generate(target)
                    self.assertNotEqual(result.returncode, 0)
                    self.assertEqual(result.stdout, "")
                    self.assertEqual(len(result.stderr.strip().splitlines()), 1, result.stderr)
                    self.assertEqual(sorted(os.listdir(tmp)), ["file", "taken.exe"])
                    self.assertEqual(os.listdir(a_dir), [])


if __name__ == "__main__":
    unittest.main()
