#!/usr/bin/env python3
"""Write the demo's stand-in for the game installer.

Usage: make-sample-installer.py <output path>

The file is 60 MiB, begins with a DOS "MZ" header, carries the demo's game-files
marker (which the demo build script looks for) and is otherwise filled with
SHAKE-256 output from fixed seeds, so every run on every machine produces the
same bytes and its SHA-256 can be listed in the snapshot's known-installer list.
It holds nothing of any real game or installer.

The file is written next to its destination and renamed into place, so a reader
never sees a half-written installer. Prints nothing on success; on failure one
sentence on standard error and a non-zero status.
"""

import errno
import hashlib
import os
import sys
import tempfile

TOTAL_SIZE = 60 * 1024 * 1024  # 62,914,560 bytes: above the 50 MiB the installer insists on.
BLOCK_SIZE = 1024 * 1024
SEED = b"velmora-3000-demo-installer/v1/"

# The demo build script treats a file holding this string as carrying the game.
GAME_FILES_MARKER = b"VLMR-DEMO-GAME-FILES:Apps/SC3U.exe"


def header() -> bytes:
    """The first block's head: a DOS stub, then the game-files marker."""
    dos = bytearray(0x80)
    dos[0:2] = b"MZ"
    dos[2:16] = bytes.fromhex("90000300000004000000ffff0000")
    dos[0x3C:0x40] = (0x80).to_bytes(4, "little")  # e_lfanew: where a PE header would start
    stub = b"This program cannot be run in DOS mode.\r\r\n$"
    dos[0x4E:0x4E + len(stub)] = stub
    return bytes(dos) + b"\0" * 0x80 + GAME_FILES_MARKER + b"\0"


def block(index: int) -> bytes:
    """Block `index` of the filler; SHAKE-256 is standardised, so it never drifts."""
    return hashlib.shake_256(SEED + index.to_bytes(4, "big")).digest(BLOCK_SIZE)


def write_sample(path: str) -> None:
    directory = os.path.dirname(os.path.abspath(path))
    if os.path.lexists(directory) and not os.path.isdir(directory):
        raise NotADirectoryError(errno.ENOTDIR, os.strerror(errno.ENOTDIR), directory)
    os.makedirs(directory, exist_ok=True)
    fd, tmp = tempfile.mkstemp(prefix=".sample-", suffix=".tmp", dir=directory)
    try:
        with os.fdopen(fd, "wb") as out:
            for index in range(TOTAL_SIZE // BLOCK_SIZE):
                data = block(index)
                if index == 0:
                    head = header()
                    data = head + data[len(head):]
                out.write(data)
        # mkstemp makes the file private; an installer file is ordinarily readable.
        umask = os.umask(0)
        os.umask(umask)
        os.chmod(tmp, 0o666 & ~umask)
        os.replace(tmp, path)
    except BaseException:
        try:
            os.unlink(tmp)
        except OSError:
            pass
        raise


def main(argv: list) -> int:
    if len(argv) != 2 or not argv[1]:
        print("Usage: make-sample-installer.py <output path>", file=sys.stderr)
        return 2
    try:
        write_sample(argv[1])
    except OSError as err:
        reason = err.strerror or str(err)
        print(f"Could not write the sample installer to {argv[1]}: {reason}.", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
