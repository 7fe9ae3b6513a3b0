"""The main window as a screen reader finds it on the accessibility bus.

Run by screen_reader_names.sh on a session bus of its own: starts the program
given as its argument, walks the window's tree of accessible objects, and
ends the program with the toolbar's Exit button as a screen reader presses it.
Every control a user can reach has a name; the toolbar's buttons are buttons,
never check boxes, and the two that stay pressed say so; the scroll bars
report their values; the collection's editor, made when its tab first shows,
has a name too.
"""

import sys

import pyatspi

from accessibility import action, descendants, ends_cleanly, fail, start, top_level, wait_for

# The roles of the objects a user reaches and works with.
INTERACTIVE = {"push button", "toggle button", "check box", "text", "scroll bar",
               "page tab", "menu item", "list"}
BUTTONS = {"push button", "toggle button"}

start([sys.argv[1]])


def main_window():
    return top_level("Tagrota!", "frame")


def role(node):
    return node.getRoleName()


def where(node):
    """The node's role, its tool tip, and the nearest named object around it."""
    around = node.parent
    while around is not None and not around.name and role(around) != "frame":
        around = around.parent
    tip = f" ('{node.description}')" if node.description else ""
    return f"a {role(node)}{tip} in '{around.name if around is not None else ''}'"


def unnamed(frame):
    return [where(o) for o in descendants(frame)
            if role(o) in INTERACTIVE and not o.name.strip()]


def states(node):
    return node.getState()


window = wait_for("the main window did not appear on the accessibility bus", 30, main_window)
missing = unnamed(window)
if missing:
    fail("controls without a name: " + "; ".join(missing))

toolbar = next(o for o in descendants(window) if role(o) == "tool bar")
buttons = [b for b in toolbar if b is not None and role(b) not in ("filler", "separator")]
wrong = [f"'{b.name}' ({role(b)})" for b in buttons if role(b) not in BUTTONS]
if wrong:
    fail("toolbar buttons that are not buttons: " + ", ".join(wrong))
toggles = [b for b in buttons if action(b, "Toggle")]
if len(toggles) != 2:
    fail(f"{len(toggles)} toolbar buttons toggle; Stop and Bullets do")
stop = next(b for b in toggles if b.name == "Stop Changing")
for pressed in (True, False):
    action(stop, "Toggle")()
    wait_for(f"Stop did not say it is {'' if pressed else 'not '}pressed", 10,
             lambda: states(stop).contains(pyatspi.STATE_PRESSED) == pressed)

for bar in (o for o in descendants(window) if role(o) == "scroll bar"):
    try:
        value = bar.queryValue()
    except NotImplementedError:
        fail(f"the scroll bar '{bar.name}' reports no value")
    if not value.minimumValue <= value.currentValue <= value.maximumValue:
        fail(f"the scroll bar '{bar.name}' reports {value.currentValue}, "
             f"outside {value.minimumValue} to {value.maximumValue}")

# The collection's editor is made when its tab first shows.
texts = sum(1 for o in descendants(window) if role(o) == "text")
tabs = [o for o in descendants(window) if role(o) == "page tab"]
action(tabs[1], "Press")()
wait_for("no editor appeared on the Random tab", 30,
         lambda: sum(1 for o in descendants(window) if role(o) == "text") > texts)
missing = unnamed(window)
if missing:
    fail("on the Random tab, controls without a name: " + "; ".join(missing))

objects = sum(1 for _ in descendants(window))
exit_button = next(b for b in buttons if b.name == "Exit")
action(exit_button, "Press")()
ends_cleanly("Exit")
print(f"ok: {objects} objects, every control named, "
      f"{len(buttons)} toolbar buttons of which {len(toggles)} toggles")
