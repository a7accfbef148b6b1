#!/usr/bin/env python3
"""The code inside zip archives of the app bundle (Python wheels above all).

Apple's notary service opens archives and refuses any Mach-O file inside
that is not signed, but codesign signs only files on disk. So a wheel that
holds compiled code is unpacked, its Mach-O members signed by the caller,
and packed again with its RECORD (the wheel's list of hashes, which pip
checks) rewritten for the signed files.

Usage:
  archive-code.py unpack ARCHIVE DIR   extracts ARCHIVE into DIR (which must
                                       not exist) and prints the path of each
                                       Mach-O member, each ended by a NUL
  archive-code.py repack ARCHIVE DIR   replaces ARCHIVE by DIR's files packed
                                       in ARCHIVE's order, names, dates and
                                       modes, with RECORD's hashes and sizes
                                       made anew
  archive-code.py check ROOT           lists every Mach-O member without a
                                       signature in a zip archive under ROOT,
                                       one line each; exits 1 when there is one
"""

import base64
import csv
import hashlib
import io
import os
import struct
import sys
import zipfile

MACHO_THIN = {b"\xfe\xed\xfa\xce", b"\xce\xfa\xed\xfe", b"\xfe\xed\xfa\xcf", b"\xcf\xfa\xed\xfe"}
FAT_MAGIC = b"\xca\xfe\xba\xbe"
FAT_MAGIC_64 = b"\xca\xfe\xba\xbf"
LC_CODE_SIGNATURE = 0x1D
ARCHIVE_SUFFIXES = (".whl", ".zip", ".egg", ".jar")


def is_macho(data):
    head = data[:8]
    if head[:4] in MACHO_THIN or head[:4] == FAT_MAGIC_64:
        return True
    # Java class files share the fat magic; as `file` does, a small count of
    # architectures tells a universal binary.
    return head[:4] == FAT_MAGIC and len(head) == 8 and 0 < struct.unpack(">I", head[4:])[0] < 30


def slices(data):
    """(offset) of every thin Mach-O image in `data`."""
    magic = data[:4]
    if magic in MACHO_THIN:
        return [0]
    wide = magic == FAT_MAGIC_64
    count = struct.unpack(">I", data[4:8])[0]
    entry = 32 if wide else 20
    offsets = []
    for index in range(count):
        start = 8 + index * entry
        if wide:
            offsets.append(struct.unpack(">Q", data[start + 8:start + 16])[0])
        else:
            offsets.append(struct.unpack(">I", data[start + 8:start + 12])[0])
    return offsets


def slice_is_signed(data, offset):
    magic = data[offset:offset + 4]
    if magic not in MACHO_THIN:
        return False
    order = "<" if magic in (b"\xce\xfa\xed\xfe", b"\xcf\xfa\xed\xfe") else ">"
    wide = magic in (b"\xfe\xed\xfa\xcf", b"\xcf\xfa\xed\xfe")
    ncmds = struct.unpack(order + "I", data[offset + 16:offset + 20])[0]
    position = offset + (32 if wide else 28)
    for _ in range(ncmds):
        if position + 8 > len(data):
            return False
        command, size = struct.unpack(order + "II", data[position:position + 8])
        if command == LC_CODE_SIGNATURE:
            return True
        if size < 8:
            return False
        position += size
    return False


def is_signed(data):
    try:
        offsets = slices(data)
        return bool(offsets) and all(slice_is_signed(data, offset) for offset in offsets)
    except struct.error:
        return False


def member_path(root, name):
    path = os.path.normpath(os.path.join(root, name))
    if os.path.isabs(name) or not path.startswith(os.path.normpath(root) + os.sep):
        raise SystemExit(f"archive-code: {name} would land outside the archive's folder")
    return path


def unpack(archive, folder):
    os.makedirs(folder)
    with zipfile.ZipFile(archive) as source:
        for info in source.infolist():
            path = member_path(folder, info.filename)
            if info.is_dir():
                os.makedirs(path, exist_ok=True)
                continue
            os.makedirs(os.path.dirname(path), exist_ok=True)
            data = source.read(info)
            with open(path, "wb") as handle:
                handle.write(data)
            mode = (info.external_attr >> 16) & 0o777
            if mode:
                os.chmod(path, mode | 0o600)
            if is_macho(data):
                sys.stdout.write(path + "\0")


def record_hash(data):
    digest = hashlib.sha256(data).digest()
    return "sha256=" + base64.urlsafe_b64encode(digest).rstrip(b"=").decode("ascii")


def remade_record(text, folder):
    rows = []
    for row in csv.reader(io.StringIO(text)):
        if len(row) >= 3 and row[1]:
            with open(member_path(folder, row[0]), "rb") as handle:
                data = handle.read()
            row = [row[0], record_hash(data), str(len(data))] + row[3:]
        rows.append(row)
    out = io.StringIO()
    csv.writer(out, lineterminator="\n").writerows(rows)
    return out.getvalue().encode("utf-8")


def repack(archive, folder):
    temporary = archive + ".repacking"
    with zipfile.ZipFile(archive) as source, zipfile.ZipFile(temporary, "w") as target:
        for info in source.infolist():
            if info.is_dir():
                target.writestr(info, b"")
                continue
            if info.filename.endswith(".dist-info/RECORD"):
                data = remade_record(source.read(info).decode("utf-8"), folder)
            else:
                with open(member_path(folder, info.filename), "rb") as handle:
                    data = handle.read()
            target.writestr(info, data, compress_type=info.compress_type)
    os.replace(temporary, archive)


def unsigned_members(path, data=None, outer=""):
    """Names of unsigned Mach-O members in the archive at `path` (or in
    `data`), archives inside archives included."""
    found = []
    with zipfile.ZipFile(io.BytesIO(data) if data is not None else path) as archive:
        for info in archive.infolist():
            if info.is_dir():
                continue
            member = archive.read(info)
            name = outer + info.filename
            if is_macho(member):
                if not is_signed(member):
                    found.append(name)
            elif info.filename.lower().endswith(ARCHIVE_SUFFIXES) and zipfile.is_zipfile(
                    io.BytesIO(member)):
                found += unsigned_members(None, member, name + "/")
    return found


def check(root):
    problems = []
    for folder, _, files in os.walk(root):
        for name in sorted(files):
            path = os.path.join(folder, name)
            if os.path.islink(path) or not name.lower().endswith(ARCHIVE_SUFFIXES):
                continue
            if not zipfile.is_zipfile(path):
                continue
            for member in unsigned_members(path):
                problems.append(f"{os.path.relpath(path, root)} holds unsigned code: {member}")
    for line in problems:
        print(line)
    return 1 if problems else 0


def main(argv):
    if len(argv) == 4 and argv[1] == "unpack":
        unpack(argv[2], argv[3])
        return 0
    if len(argv) == 4 and argv[1] == "repack":
        repack(argv[2], argv[3])
        return 0
    if len(argv) == 3 and argv[1] == "check":
        return check(argv[2])
    print(__doc__.split("Usage:")[1], file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
