#!/usr/bin/env bash
# Renders the picture at the top of the README: the installer page with a
# usable verdict, light and dark side by side, from the program's own page
# snapshots (--snapshot), joined by python3 alone; and the same picture in
# every language the installer ships (cmake/Languages.cmake).
#
# Usage: scripts/update-readme-picture.sh [build folder]   (default: build/default)
# Builds the installer there first when it is missing; writes
# docs/images/installer-page.png and docs/images/installer-page-<language>.png.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$root/build/default"}
exe="$build/Velmora 3000 Installer.app/Contents/MacOS/VelmoraInstaller"
languages=$(sed -n '/^set(VLMR_LANGUAGES/,/^)/{/^  [A-Za-z_]*$/p}' "$root/cmake/Languages.cmake")

if [ ! -x "$exe" ]; then
  [ -f "$build/build.ninja" ] || cmake --preset default -S "$root"
  cmake --build "$build" --target VelmoraInstaller
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# join_side_by_side LEFT.png RIGHT.png OUT.png
join_side_by_side() {
python3 - "$@" <<'PY'
"""Joins PNG files side by side with a transparent gap (8-bit RGB or RGBA,
not interlaced, as the snapshots are)."""
import struct
import sys
import zlib

GAP = 24


def chunks(data):
    at = 8
    while at < len(data):
        (length,) = struct.unpack(">I", data[at:at + 4])
        kind = data[at + 4:at + 8]
        yield kind, data[at + 8:at + 8 + length]
        at += 12 + length


def read_png(path):
    with open(path, "rb") as f:
        data = f.read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        sys.exit(f"{path}: not a PNG file")
    idat = b""
    for kind, body in chunks(data):
        if kind == b"IHDR":
            width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
    if depth != 8 or colour not in (2, 6) or interlace:
        sys.exit(f"{path}: only 8-bit RGB or RGBA PNG files without interlacing are joined")
    channels = 4 if colour == 6 else 3
    raw = zlib.decompress(idat)
    stride = width * channels
    rows, previous = [], bytearray(stride)
    for y in range(height):
        kind = raw[y * (stride + 1)]
        line = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for x in range(stride):
            left = line[x - channels] if x >= channels else 0
            up = previous[x]
            corner = previous[x - channels] if x >= channels else 0
            if kind == 1:
                line[x] = (line[x] + left) & 0xFF
            elif kind == 2:
                line[x] = (line[x] + up) & 0xFF
            elif kind == 3:
                line[x] = (line[x] + (left + up) // 2) & 0xFF
            elif kind == 4:
                p = left + up - corner
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                pred = left if pa <= pb and pa <= pc else (up if pb <= pc else corner)
                line[x] = (line[x] + pred) & 0xFF
        previous = line
        if channels == 3:  # to RGBA, opaque
            line = b"".join(bytes(line[i:i + 3]) + b"\xff" for i in range(0, stride, 3))
        rows.append(bytes(line))
    return width, height, rows


def write_png(path, width, height, rows):
    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))

    raw = b"".join(b"\x00" + row for row in rows)
    data = (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))
    with open(path, "wb") as f:
        f.write(data)


*inputs, output = sys.argv[1:]
images = [read_png(p) for p in inputs]
height = max(h for _, h, _ in images)
width = sum(w for w, _, _ in images) + GAP * (len(images) - 1)
rows = []
for y in range(height):
    parts = []
    for i, (w, h, image_rows) in enumerate(images):
        if i:
            parts.append(b"\x00" * 4 * GAP)
        parts.append(image_rows[y] if y < h else b"\x00" * 4 * w)
    rows.append(b"".join(parts))
write_png(output, width, height, rows)
print(f"wrote {output} ({width}x{height})")
PY
}

for language in en $languages; do
  out="$root/docs/images/installer-page.png"
  [ "$language" = en ] || out="$root/docs/images/installer-page-$language.png"
  rm -rf "$scratch/$language"
  "$exe" --snapshot "$scratch/$language" --language "$language" >/dev/null
  join_side_by_side "$scratch/$language/drop-light.png" "$scratch/$language/drop-dark.png" "$out"
done
