"""The program in German, as a German user's session starts it.

Run by in_german.sh on a session bus of its own, with the program given as
its argument and a collection that holds no quotations in its settings: the
start-up message, its button, the window's tabs, menus and toolbar speak
German, read from the accessibility bus as a screen reader reads them. Ends
the program with the toolbar's Exit button.
"""

import os
import sys

from accessibility import descendants, ends_cleanly, fail, press, start, top_level, wait_for

start([sys.argv[1]], dict(os.environ, LC_ALL="de_DE.UTF-8", LANG="de_DE.UTF-8", LANGUAGE="de"))

message = wait_for("no start-up message titled FEHLER", 30, lambda: top_level("FEHLER"))
said = " ".join(o.name for o in descendants(message) if o.getRoleName() == "label")
if "Sammlungsdatei" not in said:
    fail(f"the start-up message is not German: {said!r}")
ok = [o for o in descendants(message) if o.getRoleName() == "push button"]
if [b.name for b in ok] != ["OK"]:
    fail(f"the message's buttons: {[b.name for b in ok]}")
press(ok[0])

window = wait_for("the main window did not appear", 30, lambda: top_level("Tagrota!"))
tabs = [o.name for o in descendants(window) if o.getRoleName() == "page tab"]
if tabs != ["Fest", "Zufällig", "Aktuell", "Einstellungen"]:
    fail(f"the tabs: {tabs}")
menus = [o.name for o in descendants(window)
         if o.getRoleName() == "menu item" and o.parent.getRoleName() == "menu bar"]
if "Datei" not in menus or "File" in menus:
    fail(f"the menus: {menus}")
toolbar = next(o for o in descendants(window) if o.getRoleName() == "tool bar")
buttons = [b for b in toolbar if b is not None and b.getRoleName() in ("push button",
                                                                      "toggle button")]
exit_button = next((b for b in buttons if b.name == "Beenden"), None)
if exit_button is None:
    fail(f"no Beenden among the toolbar's buttons: {[b.name for b in buttons]}")
press(exit_button)
ends_cleanly("Beenden")
print(f"ok: message, tabs {tabs}, menus {menus} and toolbar in German")
