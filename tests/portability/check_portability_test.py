#!/usr/bin/env python3
"""scripts/check-portability.py on small trees: each case writes one product
source and says which lines the script must report (none for a use that only
Linux compiles)."""

import os
import subprocess
import sys
import tempfile
import textwrap
import unittest

SCRIPT = os.path.join(os.path.dirname(__file__), "..", "..", "scripts", "check-portability.py")

# (case, file, source, reported lines as "line:name")
CASES = [
    ("bare call", "platform/pipe.cpp", """
        int f(int* fds) { return pipe2(fds, 0); }
        """, ["1:pipe2"]),
    ("inside __linux__", "platform/pipe.cpp", """
        #if defined(__linux__)
        int f(int* fds) { return pipe2(fds, 0); }
        #endif
        """, []),
    ("ifdef __linux__, nested if", "platform/pipe.cpp", """
        #ifdef __linux__
        #if HAVE_X
        int f(int* fds) { return pipe2(fds, 0); }
        #endif
        #endif
        int g(int* fds) { return pipe2(fds, 0); }
        """, ["6:pipe2"]),
    ("else of __APPLE__", "installing/move.cpp", """
        #if defined(__APPLE__)
        int r = renamex_np(a, b, RENAME_EXCL);
        #else
        int r = renameat2(AT_FDCWD, a, AT_FDCWD, b, RENAME_NOREPLACE);
        #endif
        """, []),
    ("fallback after Apple and Linux", "installing/move.cpp", """
        #if defined(__APPLE__)
        int r = renamex_np(a, b, RENAME_EXCL);
        #elif defined(__linux__)
        int r = renameat2(AT_FDCWD, a, AT_FDCWD, b, 0);
        #else
        int r = close_range(3, ~0u, 0);
        #endif
        """, ["6:close_range"]),
    ("elif after Apple that is not Linux", "platform/x.cpp", """
        #if defined(__APPLE__)
        #elif defined(__FreeBSD__)
        int fd = epoll_create1(0);
        #endif
        """, ["3:epoll"]),
    ("either Linux or another system", "platform/x.cpp", """
        #if defined(__linux__) || defined(__FreeBSD__)
        #include <sys/inotify.h>
        #endif
        """, ["2:inotify"]),
    ("not Apple, and a condition", "platform/x.cpp", """
        #if !defined(__APPLE__) && USE_STATX
        int s = statx(0, p, 0, 0, &b);
        #endif
        """, []),
    ("/proc in a string, and in comments", "platform/bundle.cpp", """
        // the executable is /proc/self/exe on Linux
        /* "/proc/self/exe" */
        const char* self = "/proc/self/exe";
        """, ["3:/proc"]),
    ("a Linux header and prctl", "platform/supervisor.cpp", """
        #include <linux/fs.h>
        #include <sys/prctl.h>
        void f() { prctl(PR_SET_PDEATHSIG, 9); }
        """, ["1:<linux/...>", "2:prctl", "3:prctl"]),
    ("glibc's closefrom file action", "platform/process.cpp", """
        void f(posix_spawn_file_actions_t* a) { posix_spawn_file_actions_addclosefrom_np(a, 3); }
        """, ["1:posix_spawn_file_actions_addclosefrom_np"]),
    ("QtDBus in the window", "window/desktop.cpp", """
        #include <QDBusConnection>
        #ifndef Q_OS_MACOS
        auto bus = QDBusConnection::sessionBus();
        #endif
        """, ["1:QtDBus"]),
    ("QtDBus in a Linux-only poster", "platform/qt/dbus_poster.cpp", """
        #include <QDBusConnection>
        """, []),
    ("a file named for Linux", "platform/supervisor_linux.cpp", """
        #include <sys/prctl.h>
        """, []),
    ("the stand-in tools", "platform/linux/helper.h", """
        int f(int* fds) { return pipe2(fds, 0); }
        """, []),
    ("longer names that merely contain one", "pipeline/x.cpp", """
        int my_pipe2_count = 0; int statx_like = 1; const char* p = "/procedures";
        """, []),
    ("continued condition", "platform/x.cpp", """
        #if defined(__linux__) && \\
            defined(HAVE_EPOLL)
        int fd = epoll_create1(0);
        #endif
        """, []),
    ("outside the product folders", "tests/core/x.cpp", """
        int f(int* fds) { return pipe2(fds, 0); }
        """, []),
]


class CheckPortability(unittest.TestCase):
    def run_on(self, relative, source):
        with tempfile.TemporaryDirectory() as root:
            path = os.path.join(root, relative)
            os.makedirs(os.path.dirname(path), exist_ok=True)
            with open(path, "w", encoding="utf-8") as f:
                f.write(textwrap.dedent(source).lstrip("\n"))
            return subprocess.run([sys.executable, SCRIPT, root], capture_output=True, text=True)

    def test_cases(self):
        for case, relative, source, expected in CASES:
            with self.subTest(case):
                result = self.run_on(relative, source)
                reported = [line.split(": ")[0] for line in result.stdout.splitlines()
                            if line.startswith(relative + ":")]
                names = [line.split(": ")[1].split(" is Linux-only")[0]
                         for line in result.stdout.splitlines() if line.startswith(relative + ":")]
                got = ["%s:%s" % (where.split(":")[1], name) for where, name in zip(reported, names)]
                self.assertEqual(got, expected, result.stdout)
                self.assertEqual(result.returncode, 1 if expected else 0, result.stdout)


if __name__ == "__main__":
    unittest.main()
