# The main window as a screen reader finds it on the accessibility bus
# (AT-SPI, with pyatspi): every control a user can reach has a name, the
# toolbar's buttons are buttons and its two toggles say when they are pressed,
# and the scroll bars report their values (screen_reader.py). The program, the
# session bus and the accessibility bus run in this test's own folder.
. "$(dirname "$0")/lib.sh"

PYTHON=/usr/bin/python3
"$PYTHON" -c 'import pyatspi' 2>/dev/null || fail "no pyatspi (tools/install-deps installs it)"
cp "$(dirname "$PROGRAM")/tagrota_scintilla.so" "$APP/"
export HOME="$WORK/home" XDG_CACHE_HOME="$WORK/cache"
mkdir -p "$HOME" "$XDG_CACHE_HOME"

desktop_start
XDG_CONFIG_HOME="$WORK/config" XDG_DATA_HOME="$WORK/data" XDG_RUNTIME_DIR="$WORK/runtime" \
    GSETTINGS_BACKEND=memory QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
    dbus-run-session -- "$PYTHON" "$(dirname "$0")/screen_reader.py" "$APP/tagrota" \
    2>"$WORK/stderr" >"$WORK/result" || true
cat "$WORK/result"
grep -q '^ok:' "$WORK/result" || {
    grep -v 'dbus-daemon' "$WORK/stderr" | tail -n 20
    fail "the window is not what a screen reader needs"
}
