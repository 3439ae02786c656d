"""Starts the calculator and checks over the accessibility bus, as a screen
reader sees it, that every window is announced as a window under its caption,
that the controls keep their names, that nothing inside a window is announced
as a window, and that a message box is an alert.

Usage: accessibility_check.py PROGRAM. Needs a display and a session bus;
exits 77 (skipped) when the accessibility tools are missing."""

import os
import subprocess
import sys
import time

BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"

try:
    import pyatspi
    from gi.repository import Atspi, GLib
except ImportError:
    print("skipped: python3-pyatspi is not installed")
    sys.exit(77)
if not os.path.exists(BUS_LAUNCHER):
    print(f"skipped: {BUS_LAUNCHER} is missing (package at-spi2-core)")
    sys.exit(77)

WINDOW_ROLES = {pyatspi.ROLE_FRAME, pyatspi.ROLE_WINDOW}
MESSAGE_ROLES = {pyatspi.ROLE_ALERT, pyatspi.ROLE_DIALOG}
NAMED_ROLES = {pyatspi.ROLE_TEXT, pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_LABEL}

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
        print("FAIL:", message)


# A minute: each of these is there within two seconds on a slow, busy machine.
def wait_for(what, find, timeout=60.0):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        found = find()
        if found:
            return found
        time.sleep(0.2)
    raise SystemExit(f"FAIL: timed out waiting for {what}")


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "sumwright":
            return app
    return None


def top_level(name, roles=None):
    def find():
        app = application()
        for window in app or []:
            if window is not None and window.name == name and window.getState().contains(
                    pyatspi.STATE_SHOWING):
                if roles is None or window.getRole() in roles:
                    return window
        return None
    return find


def descendants(node):
    for child in node:
        if child is None:
            continue
        yield child
        yield from descendants(child)


def find_child(node, role, name):
    for child in descendants(node):
        if child.getRole() == role and child.name == name:
            return child
    raise SystemExit(f"FAIL: no {pyatspi.Role(role)} named {name!r} in {node.name!r}")


def press(node):
    node.queryAction().doAction(0)


def choose(window, entry):
    press(find_child(window, pyatspi.ROLE_MENU_ITEM, entry))


def open_modal(window, entry):
    """Chooses a menu entry that opens a modal box. The program answers the
    request only once the box is closed, so the request is left to time out."""
    Atspi.set_timeout(1000, -1)
    try:
        choose(window, entry)
    except GLib.Error:
        pass
    finally:
        Atspi.set_timeout(-1, -1)


def check_window(caption):
    window = wait_for(f"the window {caption!r}", top_level(caption))
    check(window.getRole() in WINDOW_ROLES,
          f"{caption!r} is announced as {window.getRoleName()!r}, not as a window")
    for control in descendants(window):
        if control.getRole() in NAMED_ROLES:
            check(control.name != "",
                  f"a {control.getRoleName()} in {caption!r} has no accessible name")
        check(control.getRole() not in WINDOW_ROLES,
              f"{control.name!r} inside {caption!r} is announced as a window")
    return window


def main():
    program = sys.argv[1]
    environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    calculator = subprocess.Popen([program], env=environment)
    try:
        loan = check_window("Sumwright Calculator")
        choose(loan, "Uniform Draw Down Calculator")
        draw_down = check_window("Uniform Draw-Down Calculator")
        choose(draw_down, "Sumwright Calculator")
        loan = check_window("Sumwright Calculator")
        choose(loan, "Amortization Table")
        check_window("Amortization Table")

        open_modal(loan, "How To")
        box = wait_for("the How To message box", top_level("Using the Sumwright Calculator"))
        check(box.getRole() in MESSAGE_ROLES,
              f"the message box is announced as {box.getRoleName()!r}, not as an alert")
        press(find_child(box, pyatspi.ROLE_PUSH_BUTTON, "OK"))
        wait_for("the message box to close",
                 lambda: top_level("Using the Sumwright Calculator")() is None)
    finally:
        calculator.terminate()
        calculator.wait()
    if failures:
        sys.exit(1)
    print("PASS: every window is announced as a window, every message box as an alert")


if __name__ == "__main__":
    main()
