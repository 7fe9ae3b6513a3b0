"""What the accessibility-bus tests share: the program they start, and the
ways a screen reader walks and presses what it finds.

start(argv, env) starts the program; fail() ends it and the test.
"""

import subprocess
import sys
import time

import pyatspi

program = None


def start(argv, env=None):
    global program
    program = subprocess.Popen(argv, env=env)


def fail(message):
    print("FAIL: " + message)
    if program is not None:
        program.kill()
    sys.exit(1)


def wait_for(what, seconds, probe):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = probe()
        if found:
            return found
        time.sleep(0.1)
    fail(what)


def descendants(node):
    for child in node:
        if child is not None:
            yield child
            yield from descendants(child)


def top_level(name, role=None):
    """The program's top-level window of that name (and role)."""
    for app in pyatspi.Registry.getDesktop(0):
        for window in app or []:
            if window and window.name == name and role in (None, window.getRoleName()):
                return window
    return None


def action(node, name):
    actions = node.queryAction()
    for i in range(actions.nActions):
        if actions.getName(i) == name:
            return lambda: actions.doAction(i)
    return None


def press(node):
    pressing = action(node, "Press")
    if pressing is None:
        fail(f"'{node.name}' cannot be pressed")
    pressing()


def ends_cleanly(how):
    try:
        status = program.wait(timeout=30)
    except subprocess.TimeoutExpired:
        fail(f"the program did not end on {how}")
    if status != 0:
        fail(f"the program ended with status {status}")
