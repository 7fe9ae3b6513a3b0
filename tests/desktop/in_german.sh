# A German user's start: with the locale de_DE.UTF-8 the start-up message,
# its button, the window's tabs, menus and toolbar are German (in_german.py
# reads them from the accessibility bus). The collection in the settings
# holds no quotations, so the start tells the user.
. "$(dirname "$0")/lib.sh"

printf 'One quotation and no separator.\n' >"$APP/none.txt"
printf 'Alpha\n%%\nBeta\n' >"$APP/collections-political.txt"
ini RandomFile "$APP/none.txt"
desktop_start
on_accessibility_bus in_german.py || fail "the program does not speak German to a German user"
