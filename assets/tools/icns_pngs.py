#!/usr/bin/env python3
"""Writes the images of an .icns file as PNG files, NAME-<pixels>.png.

The pages load the product icon from these: Qt reads PNG by itself, while an
.icns needs the icns image plug-in of qtimageformats, which the Mac app does
not ship. Each file is the .icns entry's own PNG data, byte for byte, so the
pages look the same whichever of the two they load. Like the pages' reading of
the .icns, it leaves out the 1024-pixel artwork (ic10, and ic14 beside it).

Usage: icns_pngs.py ICNS OUTPUT_DIR NAME SIZE...
Fails, writing nothing, unless the images it keeps are PNG entries of exactly
the sizes given (so the build's list of output files stays true).
"""

import os
import struct
import sys

PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"
ARTWORK = {b"ic10", b"ic14"}
# Entries that hold no image.
METADATA = {b"TOC ", b"icnV", b"name", b"info"}


def fail(message):
    print(f"icns_pngs: {message}", file=sys.stderr)
    sys.exit(1)


def images(path):
    """(entry type, PNG data, width) of each image entry but the artwork, in file order."""
    try:
        with open(path, "rb") as handle:
            data = handle.read()
    except OSError as error:
        fail(f"cannot read {path}: {error.strerror}")
    if len(data) < 8 or data[:4] != b"icns" or struct.unpack(">I", data[4:8])[0] != len(data):
        fail(f"{path} is not an icon file (icns header and length)")
    found = []
    at = 8
    while at < len(data):
        if at + 8 > len(data):
            fail(f"{path}: an entry is cut short at byte {at}")
        kind = data[at:at + 4]
        length = struct.unpack(">I", data[at + 4:at + 8])[0]
        if length < 8 or at + length > len(data):
            fail(f"{path}: the entry {kind!r} at byte {at} claims {length} bytes")
        body = data[at + 8:at + length]
        at += length
        if kind in METADATA or kind in ARTWORK:
            continue
        if body[:8] != PNG_SIGNATURE or len(body) < 24 or body[12:16] != b"IHDR":
            fail(f"{path}: the entry {kind.decode('latin-1')} is not a PNG image")
        width, height = struct.unpack(">II", body[16:24])
        if width != height:
            fail(f"{path}: the entry {kind.decode('latin-1')} is {width}x{height}, not square")
        found.append((kind, body, width))
    return found


def main(argv):
    if len(argv) < 5:
        print("usage: icns_pngs.py ICNS OUTPUT_DIR NAME SIZE...", file=sys.stderr)
        return 2
    icns, out_dir, name = argv[1:4]
    try:
        wanted = sorted(int(size) for size in argv[4:])
    except ValueError:
        fail("the sizes are whole numbers of pixels")
    found = images(icns)
    sizes = sorted(width for _, _, width in found)
    if sizes != wanted:
        fail(f"{icns} holds images of {sizes} pixels, the build expects {wanted}; "
             "update the list of sizes beside the call")
    os.makedirs(out_dir, exist_ok=True)
    for _, body, width in found:
        target = os.path.join(out_dir, f"{name}-{width}.png")
        with open(target + ".tmp", "wb") as handle:
            handle.write(body)
        os.replace(target + ".tmp", target)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
