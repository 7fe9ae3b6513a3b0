# The main window as a screen reader finds it on the accessibility bus
# (AT-SPI, with pyatspi): every control a user can reach has a name, the
# toolbar's buttons are buttons and its two toggles say when they are pressed,
# and the scroll bars report their values (screen_reader.py). The program, the
# session bus and the accessibility bus run in this test's own folder.
. "$(dirname "$0")/lib.sh"

cp "$(dirname "$PROGRAM")/tagrota_scintilla.so" "$APP/"
desktop_start
on_accessibility_bus screen_reader.py || fail "the window is not what a screen reader needs"
