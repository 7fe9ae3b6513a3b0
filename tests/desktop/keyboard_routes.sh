# The main window's commands from the keyboard: F1 and Escape for the brief
# help, Alt+H and Escape for the user guide, Ctrl+S for the tab in front,
# Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+PgDown and Ctrl+PgUp between the tabs,
# Ctrl+R for random or sequential, Ctrl+Q to close.
. "$(dirname "$0")/lib.sh"

shown() { [ -n "$(tagrota_window "$1")" ]; }
gone() { [ -z "$(tagrota_window "$1")" ]; }
# The brief help opened and closed: also shows that the keys before it have
# been handled.
brief_help() {
    press F1
    wait_until 10 shown '^Tagrota Brief Help$' || fail "F1 did not open the brief help ($1)"
    press Escape
    wait_until 10 gone '^Tagrota Brief Help$' || fail "Escape did not close the brief help ($1)"
}
# type_in_fixed <text>: typed at the end of the Fixed tab's editor.
type_in_fixed() {
    click "$MAIN_WIN" 200 260
    press ctrl+End
    type_text "$1"
}

cp "$(dirname "$PROGRAM")"/tab?.rtf "$(dirname "$PROGRAM")"/index.html "$APP/"
desktop_start
tagrota_start
xdotool windowactivate --sync "$MAIN_WIN"

brief_help "at the start"
press alt+h
wait_until 10 shown '^Tagrota Help$' || fail "Alt+H did not open the user guide"
press Escape
wait_until 10 gone '^Tagrota Help$' || fail "Escape did not close the user guide"

# Ctrl+S saves the tab in front only: not the Fixed tab from the tab that
# Ctrl+Tab (or Ctrl+PgDown) leads to, but from the one Ctrl+Shift+Tab (or
# Ctrl+PgUp) leads back to.
type_in_fixed "Typed"
press ctrl+Tab ctrl+s
brief_help "on the Random tab"
[ ! -e "$APP/fixed.txt" ] || fail "Ctrl+S after Ctrl+Tab saved the Fixed tab"
press ctrl+shift+Tab ctrl+s
wait_until 10 grep -q Typed "$APP/fixed.txt" || fail "Ctrl+S after Ctrl+Shift+Tab did not save the Fixed tab"

type_in_fixed "Again"
press ctrl+Next ctrl+s
brief_help "on the Random tab"
grep -q Again "$APP/fixed.txt" && fail "Ctrl+S after Ctrl+PgDown saved the Fixed tab"
press ctrl+Prior ctrl+s
wait_until 10 grep -q Again "$APP/fixed.txt" || fail "Ctrl+S after Ctrl+PgUp did not save the Fixed tab"

press ctrl+r
press ctrl+q
tagrota_wait_end
[ "$(ini_value UseSeq)" = True ] || fail "Ctrl+R did not switch to sequential (UseSeq=$(ini_value UseSeq))"
echo "ok: help, saving, tabs, sequential and closing from the keyboard"
