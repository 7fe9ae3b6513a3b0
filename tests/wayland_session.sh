# The program on a Wayland desktop: weston without a screen, Qt's own Wayland
# platform (no XWayland, no X display). The main window's contract on the real
# compositor (tests QtAnyDesktop.*: start minimised within reach, the stored
# size back and the stored place kept, the closing question; every toolbar
# button and every caption whole in English, German and French); then the program
# itself starts, writes its signature, answers `tagrota --rotate` and ends
# cleanly on SIGTERM with its settings written, plainly, started minimised,
# and in tray mode with no tray on this desktop.
#
#   sh tests/wayland_session.sh <tagrota> <tagrota_qt_tests>
set -eu

PROGRAM=$(realpath "$1")
QT_TESTS=$(realpath "$2")
SUPPRESSIONS=$(realpath "$(dirname "$0")/wayland-leaks.supp")
# Beside the build: the launcher hands over only to a window program in a
# place closed to other users' writes.
WORK=$(mktemp -d "$(dirname "$(dirname "$PROGRAM")")/wayland-test.XXXXXX")
chmod 755 "$WORK"
APP="$WORK/app"
INI="$WORK/config/Tagrota/Tagrota.ini"
mkdir -p "$APP" "$WORK/config/Tagrota" "$WORK/data" "$WORK/runtime"
chmod 700 "$WORK/runtime"
cp "$PROGRAM" "$(dirname "$PROGRAM")/tagrota-window" "$APP/"
cp "$(dirname "$PROGRAM")/tagrota_scintilla.so" "$APP/" 2>/dev/null || true

WESTON_PID='' TAGROTA_PID=''
cleanup() {
    for pid in $TAGROTA_PID $WESTON_PID; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$WORK"
}
trap cleanup EXIT
fail() {
    printf 'FAIL: %s\n' "$*"
    exit 1
}
wait_until() {
    deadline=$(($(date +%s) + $1))
    shift
    until "$@" 2>/dev/null; do
        [ "$(date +%s)" -lt "$deadline" ] || return 1
        sleep 0.05
    done
}

unset DISPLAY
export XDG_RUNTIME_DIR="$WORK/runtime" XDG_CONFIG_HOME="$WORK/config" XDG_DATA_HOME="$WORK/data"
export WAYLAND_DISPLAY=tagrota-test QT_QPA_PLATFORM=wayland DBUS_SESSION_BUS_ADDRESS=disabled:
# The Wayland client libraries keep a few allocations to the end.
export LSAN_OPTIONS="suppressions=$SUPPRESSIONS:fast_unwind_on_malloc=0"
weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --width=1024 --height=768 \
    --idle-time=0 >"$WORK/weston.log" 2>&1 &
WESTON_PID=$!
wait_until 30 test -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" || fail "weston did not start"

"$QT_TESTS" --gtest_filter='QtAnyDesktop.*:QtTranslation.*:QtMainWindow.EveryToolbarButtonShowsAtTheFirstWidth' >"$WORK/qt-tests.log" 2>&1 ||
    { cat "$WORK/qt-tests.log"; fail "the main window's tests failed on Wayland"; }

# run <what> <setting=value...>: a start with these settings, its first
# signature, a rotation asked by a second start, and SIGTERM.
run() {
    what=$1
    shift
    rm -f "$APP/sig.txt"
    printf '[Settings]\nSigDuration=60\nMainLeft=3000\nMainTop=2000\nMainWidth=9000\nMainHeight=8000\n' >"$INI"
    for setting in "$@"; do printf '%s\n' "$setting" >>"$INI"; done
    "$APP/tagrota" >"$WORK/tagrota.log" 2>&1 &
    TAGROTA_PID=$!
    wait_until 30 test -s "$APP/sig.txt" || fail "$what: no signature written"
    before=$(stat -c %i "$APP/sig.txt")
    "$APP/tagrota" --rotate || fail "$what: tagrota --rotate ended with status $?"
    wait_until 5 sh -c "[ \"\$(stat -c %i '$APP/sig.txt')\" != '$before' ]" ||
        fail "$what: --rotate wrote no new signature"
    kill -TERM "$TAGROTA_PID"
    status=0
    wait "$TAGROTA_PID" || status=$?
    TAGROTA_PID=''
    [ "$status" = 0 ] || { cat "$WORK/tagrota.log"; fail "$what: ended with status $status"; }
    for kept in MainLeft=3000 MainTop=2000 MainWidth=9000 MainHeight=8000 "$@"; do
        grep -qx "$kept" "$INI" || fail "$what: the settings written lack $kept"
    done
}

run "a plain start"
run "a start minimised" StartMin=True
run "tray mode without a tray" InSysTray=True StartMin=True
echo "ok: the window's contract, start, --rotate and SIGTERM on Wayland"
