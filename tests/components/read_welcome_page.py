#!/usr/bin/python3
"""read_welcome_page.py EXECUTABLE: starts the installer and reads its first page over AT-SPI as a
screen reader does; fails unless it hears the page title, the three checklist rows and the page's
button, each with a name, the button reachable from the keyboard."""
import subprocess
import sys
import time

import pyatspi

VARIANTS = {  # title -> the page's button
    "One quick check first": "Continue",
    "One thing to install first": "Install Command Line Tools",
}
ROWS = ("Xcode Command Line Tools", "Python 3", "Apple Silicon · macOS 15+")


def tree(acc, depth=0):
    """Every object under acc as (role, name, states)."""
    if acc is None or depth > 40:
        return []
    states = acc.getState()
    found = [(acc.getRoleName(), acc.name or "", states)]
    for i in range(acc.childCount):
        found += tree(acc.getChildAtIndex(i), depth + 1)
    return found


def find_app(name, seconds):
    deadline = time.time() + seconds
    while time.time() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and name in (app.name or ""):
                objects = tree(app)
                # The page is up once one of its titles is there with its
                # variant's button: the page shown while the check runs has
                # the same title and no button yet.
                buttons = {n for r, n, _ in objects if r == "push button"}
                if any(n in VARIANTS and VARIANTS[n] in buttons for _, n, _ in objects):
                    return objects
        time.sleep(0.5)
    return None


def main():
    app = subprocess.Popen([sys.argv[1]], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        objects = find_app("VelmoraInstaller", 30)
        if objects is None:
            print("no accessible welcome page within 30 s")
            return 1
        for role, name, _ in objects:
            print(f"{role}|{name}")
        problems = []
        titles = [n for r, n, _ in objects if n in VARIANTS and r in ("heading", "label")]
        if not titles:
            problems.append("no page title read as text")
            return report(problems)
        shown = [(r, n) for r, n, s in objects if s.contains(pyatspi.STATE_SHOWING)]
        for row in ROWS:
            if not any(r == "label" and n.startswith(row) and len(n) > len(row) for r, n in shown):
                problems.append(f"checklist row '{row}' not read with its value")
        button = VARIANTS[titles[0]]
        buttons = [s for r, n, s in objects if r == "push button" and n == button]
        if not buttons:
            problems.append(f"no button '{button}'")
        elif not (buttons[0].contains(pyatspi.STATE_SENSITIVE) and
                  buttons[0].contains(pyatspi.STATE_FOCUSABLE)):
            problems.append(f"button '{button}' is not enabled and focusable")
        unnamed = [r for r, n, s in objects if r == "filler" and not n and s.contains(pyatspi.STATE_SHOWING)]
        print(f"{len(unnamed)} unnamed fillers (panels and the page)")
        return report(problems)
    finally:
        app.kill()
        app.wait()


def report(problems):
    for problem in problems:
        print("FAIL: " + problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
