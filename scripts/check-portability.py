#!/usr/bin/env python3
"""Fails on a Linux-only call or header outside a Linux branch or file.

The installer is built for the Mac from the same tree, so a Linux-only
interface in shared code breaks the Mac build, usually where nobody notices
until a Mac runner tries. Every product source (the layer folders below) is
read with its comments removed, and each use of a Linux-only name is accepted
only where Linux alone compiles it:

  - in a Linux-only file: anything under platform/linux/, a file whose name
    ends in "_linux" before its suffix, and platform/qt/dbus_* (built only
    when not on Apple, see platform/qt/CMakeLists.txt);
  - inside a Linux branch of the preprocessor: a branch whose condition
    requires __linux__ (or Q_OS_LINUX), one that requires not __APPLE__ (or not
    Q_OS_MACOS/Q_OS_DARWIN), or the #else / #elif of a chain whose earlier
    conditions were all Apple ones (`#if defined(__APPLE__) ... #else`).
    An #elif after Apple conditions counts only if it requires Linux itself.
    A branch nested inside such a branch counts too. A condition joined with
    `||` is never taken for Linux-only.

Usage: check-portability.py [root]. Prints each offence as
"file:line: <name> is Linux-only; ..." and exits 1 when there is one.
"""

import os
import re
import sys

# The product's source folders (the layers of scripts/check-layers.py).
PRODUCT_FOLDERS = ["base", "platform", "pipeline", "checks", "installing", "session",
                   "components", "window", "modes"]
SOURCE_SUFFIXES = (".h", ".hpp", ".cpp", ".cc", ".mm")

# Linux-only files, as repository-relative paths with "/" separators.
LINUX_ONLY_FOLDERS = ["platform/linux/"]
LINUX_ONLY_PREFIXES = ["platform/qt/dbus_"]
LINUX_ONLY_STEM = re.compile(r"_linux$")

# What Linux alone offers (glibc-only calls included), as
# (what the report calls it, pattern over comment-free source text).
LINUX_ONLY = [
    ("/proc", re.compile(r'"/proc(/|")')),
    ("prctl", re.compile(r"\bprctl\b|<sys/prctl\.h>")),
    ("pipe2", re.compile(r"\bpipe2\b")),
    ("dup3", re.compile(r"\bdup3\b")),
    ("accept4", re.compile(r"\baccept4\b")),
    ("epoll", re.compile(r"\bepoll_\w+|<sys/epoll\.h>")),
    ("inotify", re.compile(r"\binotify_\w+|<sys/inotify\.h>")),
    ("signalfd", re.compile(r"\bsignalfd\b|<sys/signalfd\.h>")),
    ("eventfd", re.compile(r"\beventfd\b|<sys/eventfd\.h>")),
    ("timerfd", re.compile(r"\btimerfd_\w+|<sys/timerfd\.h>")),
    ("memfd_create", re.compile(r"\bmemfd_create\b")),
    ("renameat2", re.compile(r"\brenameat2\b|\bRENAME_NOREPLACE\b|\bRENAME_EXCHANGE\b")),
    ("close_range", re.compile(r"\bclose_range\b")),
    ("statx", re.compile(r"\bstatx\b")),
    ("sysinfo", re.compile(r"<sys/sysinfo\.h>")),
    ("posix_spawn_file_actions_addclosefrom_np",
     re.compile(r"\bposix_spawn_file_actions_addclosefrom_np\b")),
    ("<linux/...>", re.compile(r"#\s*include\s*<linux/")),
    ("QtDBus", re.compile(r"\bQDBus\w*|\bQtDBus\b")),
]

LINUX_MACROS = {"__linux__", "__linux", "Q_OS_LINUX"}
APPLE_MACROS = {"__APPLE__", "Q_OS_MACOS", "Q_OS_MACX", "Q_OS_MAC", "Q_OS_DARWIN", "Q_OS_IOS"}
TERM = re.compile(r"^(!?)(?:defined\(?([A-Za-z_]\w*)\)?|([A-Za-z_]\w*))$")


def strip_comments(text):
    """`text` with comments blanked out (line breaks kept), strings kept."""
    out = []
    i, n = 0, len(text)
    while i < n:
        c = text[i]
        if c == "/" and text.startswith("//", i):
            j = text.find("\n", i)
            i = n if j < 0 else j
        elif c == "/" and text.startswith("/*", i):
            j = text.find("*/", i + 2)
            j = n if j < 0 else j + 2
            out.append("".join(ch if ch == "\n" else " " for ch in text[i:j]))
            i = j
        elif c in "\"'":
            j = i + 1
            while j < n and text[j] != c and text[j] != "\n":
                j += 2 if text[j] == "\\" else 1
            out.append(text[i:j + 1])
            i = j + 1
        else:
            out.append(c)
            i += 1
    return "".join(out)


def terms(condition):
    """The (negated, macro) conjuncts of a condition joined by `&&`, or None
    when it is joined by `||` or a conjunct is more than a macro test."""
    condition = re.sub(r"\s+", "", condition)
    if "||" in condition:
        return None
    result = []
    for part in condition.split("&&"):
        while part.startswith("(") and part.endswith(")") and part.count("(") == part.count(")"):
            part = part[1:-1]
        match = TERM.match(part)
        if match is None:
            result.append((False, None))
            continue
        result.append((match.group(1) == "!", match.group(2) or match.group(3)))
    return result


def requires_linux(condition):
    """Whether a branch with this condition is compiled only on Linux."""
    conjuncts = terms(condition)
    if conjuncts is None:
        return False
    return any((not negated and macro in LINUX_MACROS) or (negated and macro in APPLE_MACROS)
               for negated, macro in conjuncts)


def is_apple(condition):
    """Whether this condition is exactly an Apple test (`defined(__APPLE__)`)."""
    conjuncts = terms(condition)
    return (conjuncts is not None and len(conjuncts) == 1 and not conjuncts[0][0]
            and conjuncts[0][1] in APPLE_MACROS)


DIRECTIVE = re.compile(r"^\s*#\s*(if|ifdef|ifndef|elif|else|endif)\b(.*)$")


class Frame:
    """One #if chain: whether its current branch is Linux-only, and whether
    every condition before it was an Apple one."""

    def __init__(self, linux, all_apple):
        self.linux = linux
        self.all_apple = all_apple


def offences(text):
    """(line, name) for each Linux-only use outside a Linux branch."""
    found = []
    stack = []
    lines = strip_comments(text).split("\n")
    number = 0
    while number < len(lines):
        line = lines[number]
        start = number
        # Join continued lines so a directive's condition is whole.
        while line.endswith("\\") and number + 1 < len(lines):
            number += 1
            line = line[:-1] + " " + lines[number]
        number += 1
        directive = DIRECTIVE.match(line)
        if directive:
            kind, rest = directive.group(1), directive.group(2).strip()
            if kind == "ifdef":
                rest = "defined(%s)" % rest
            elif kind == "ifndef":
                rest = "!defined(%s)" % rest
            if kind in ("if", "ifdef", "ifndef"):
                stack.append(Frame(requires_linux(rest), is_apple(rest)))
            elif kind == "elif" and stack:
                frame = stack[-1]
                frame.linux = requires_linux(rest)
                frame.all_apple = frame.all_apple and is_apple(rest)
            elif kind == "else" and stack:
                frame = stack[-1]
                frame.linux = frame.all_apple
                frame.all_apple = False
            elif kind == "endif" and stack:
                stack.pop()
            # A feature test such as `#ifdef RENAME_NOREPLACE` is portable.
            continue
        if any(frame.linux for frame in stack):
            continue
        for name, pattern in LINUX_ONLY:
            if pattern.search(line):
                found.append((start + 1, name))
    return found


def linux_only_file(relative):
    stem = os.path.splitext(os.path.basename(relative))[0]
    return (any(relative.startswith(folder) for folder in LINUX_ONLY_FOLDERS)
            or any(relative.startswith(prefix) for prefix in LINUX_ONLY_PREFIXES)
            or LINUX_ONLY_STEM.search(stem) is not None)


def main(argv):
    root = os.path.abspath(argv[1] if len(argv) > 1 else os.path.join(os.path.dirname(__file__), ".."))
    problems = []
    for folder in PRODUCT_FOLDERS:
        for directory, _, files in os.walk(os.path.join(root, folder)):
            for name in sorted(files):
                if not name.endswith(SOURCE_SUFFIXES):
                    continue
                path = os.path.join(directory, name)
                relative = os.path.relpath(path, root).replace(os.sep, "/")
                if linux_only_file(relative):
                    continue
                with open(path, encoding="utf-8", errors="replace") as source:
                    text = source.read()
                for line, what in offences(text):
                    problems.append("%s:%d: %s is Linux-only; put it inside #if defined(__linux__) "
                                    "or in a Linux-only file" % (relative, line, what))
    for problem in sorted(problems):
        print(problem)
    if problems:
        print("%d Linux-only use(s) outside a Linux branch." % len(problems))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
