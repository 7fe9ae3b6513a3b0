# A German user's start: with the locale de_DE.UTF-8 the start-up message,
# its button, the window's tabs, menus and toolbar are German (in_german.py
# reads them from the accessibility bus). The collection in the settings
# holds no quotations, so the start tells the user.
. "$(dirname "$0")/lib.sh"

PYTHON=/usr/bin/python3
"$PYTHON" -c 'import pyatspi' 2>/dev/null || fail "no pyatspi (tools/install-deps installs it)"
export HOME="$WORK/home" XDG_CACHE_HOME="$WORK/cache"
mkdir -p "$HOME" "$XDG_CACHE_HOME"
printf 'One quotation and no separator.\n' >"$APP/none.txt"
printf 'Alpha\n%%\nBeta\n' >"$APP/collections-political.txt"
ini RandomFile "$APP/none.txt"

desktop_start
XDG_CONFIG_HOME="$WORK/config" XDG_DATA_HOME="$WORK/data" XDG_RUNTIME_DIR="$WORK/runtime" \
    GSETTINGS_BACKEND=memory QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
    dbus-run-session -- "$PYTHON" "$(dirname "$0")/in_german.py" "$APP/tagrota" \
    2>"$WORK/stderr" >"$WORK/result" || true
cat "$WORK/result"
grep -q '^ok:' "$WORK/result" || {
    grep -v 'dbus-daemon' "$WORK/stderr" | tail -n 20
    fail "the program does not speak German to a German user"
}
