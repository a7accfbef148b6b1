"""Paths and helpers shared by the demo tests; CTest passes the paths in."""

import os
import subprocess

RESOURCES_DIR = os.environ["VLMR_RESOURCES_DIR"]
HELPERS_DIR = os.environ["VLMR_HELPERS_DIR"]
BUNDLE_ID = os.environ["VLMR_GAME_BUNDLE_ID"]
GENERATOR = os.environ["VLMR_SAMPLE_GENERATOR"]
SAMPLE = os.environ["VLMR_TEST_SAMPLE"]  # written by the generator test, read by the rest

# The shell the installer runs the build script with: /bin/bash, which on the Mac is
# bash 3.2. VLMR_TEST_BASH names another one to run it with, such as a build of 3.2 here.
BASH = os.environ.get("VLMR_TEST_BASH") or "/bin/bash"
if not os.access(BASH, os.X_OK):
    raise SystemExit(f"VLMR_TEST_BASH: {BASH} is not an executable shell")

SCRIPT = os.path.join(RESOURCES_DIR, "src", "tools", "package_app.sh")
KNOWN_LIST = os.path.join(RESOURCES_DIR, "src", "packaging", "known_installers.sha256")
MARKER = b"VLMR-DEMO-GAME-FILES:Apps/SC3U.exe"
SAMPLE_SIZE = 62_914_560
APP_NAME = "Velmora 3000"

# The installer's process-group trampoline: python3 becomes the shell, leading its own group.
TRAMPOLINE = "import os,sys; os.setpgrp(); os.execv(sys.argv[1], sys.argv[1:])"


def script_environment(fast: bool) -> dict:
    """The environment the installer gives the build script."""
    tools = os.path.join(RESOURCES_DIR, "tools")
    env = {
        "HOME": os.environ.get("HOME", "/tmp"),
        "PATH": f"{tools}/bin:/usr/bin:/bin:/usr/sbin:/sbin",
        "VLMR_TOOLS_DIR": tools,
        "VLMR_SDL3_DIR": os.path.join(RESOURCES_DIR, "sdl3"),
        "VLMR_WHEELS_DIR": os.path.join(RESOURCES_DIR, "wheels"),
    }
    if fast:
        env["VLMR_DEMO_FAST"] = "1"
    return env


def script_command(*args: str) -> list:
    return ["/usr/bin/python3", "-c", TRAMPOLINE, BASH, SCRIPT, *args]


def run_script(*args: str, cwd=None, timeout=20) -> subprocess.CompletedProcess:
    """Runs the build script quickly, as the installer would, output merged."""
    return subprocess.run(script_command(*args), cwd=cwd, env=script_environment(fast=True),
                          stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                          stderr=subprocess.STDOUT, text=True, timeout=timeout)


def protocol_lines(output: str, prefix: str) -> list:
    return [line for line in output.splitlines() if line.startswith(prefix)]
