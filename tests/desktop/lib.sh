# Shared by the real-desktop tests: a virtual X display with a real window
# manager (openbox) and, on request, a notification area host (trayer), the
# program started in a fresh folder of its own, and xdotool to click and type as
# a user does. Source it, then call desktop_start and tagrota_start.
#
# Each test script takes the program as its first argument:
#   sh tests/desktop/<test>.sh <tagrota>
set -eu

PROGRAM=$(realpath "$1")
# In the build tree beside the program's folder: tagrota hands over only to a
# window program in a place closed to other users' writes, which /tmp is not.
WORK=$(mktemp -d "$(dirname "$(dirname "$PROGRAM")")/desktop-test.XXXXXX")
chmod 755 "$WORK"
APP="$WORK/app"         # the program folder: sig.txt, fixed.txt, the collection
INI="$WORK/config/Tagrota/Tagrota.ini"
mkdir -p "$APP" "$WORK/config/Tagrota" "$WORK/data" "$WORK/runtime"
chmod 700 "$WORK/runtime"
cp "$PROGRAM" "$APP/tagrota"
cp "$(dirname "$PROGRAM")/tagrota-window" "$APP/tagrota-window"

XVFB_PID='' WM_PID='' TRAY_PID='' TAGROTA_PID=''

desktop_cleanup() {
    for pid in $TAGROTA_PID $TRAY_PID $WM_PID $XVFB_PID; do
        kill "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
    rm -rf "$WORK"
}
trap desktop_cleanup EXIT

fail() {
    printf 'FAIL: %s\n' "$*"
    if [ -n "${DISPLAY:-}" ] && command -v import >/dev/null 2>&1; then
        import -window root "${TMPDIR:-/tmp}/tagrota-desktop-failure.png" 2>/dev/null &&
            echo "screen at the failure: ${TMPDIR:-/tmp}/tagrota-desktop-failure.png"
    fi
    exit 1
}

# wait_until <seconds> <command...>: polls the command (a program or one of
# these functions) every 50 ms until it succeeds, or fails after the deadline.
wait_until() {
    limit=$1
    shift
    deadline=$(($(date +%s) + limit))
    until "$@" 2>/dev/null; do
        [ "$(date +%s)" -lt "$deadline" ] || return 1
        sleep 0.05
    done
}

# desktop_start [tray]: Xvfb on a free display, openbox on it, and with "tray"
# a notification area host.
desktop_start() {
    fifo="$WORK/displayfd"
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    XVFB_PID=$!
    read -r number <"$fifo"
    export DISPLAY=":$number"
    openbox --sm-disable >/dev/null 2>&1 &
    WM_PID=$!
    # Ready once it announces what it supports, window activation among it.
    wait_until 30 sh -c 'xprop -root _NET_SUPPORTED | grep -q _NET_ACTIVE_WINDOW' ||
        fail "openbox did not start"
    if [ "${1:-}" = tray ]; then
        trayer --edge bottom --align right --widthtype pixel --width 100 --height 24 \
            >/dev/null 2>&1 &
        TRAY_PID=$!
        wait_until 30 xdotool search --class trayer >/dev/null || fail "no notification area host"
    fi
}

# ini <key> <value>: a setting for the next start.
ini() {
    [ -s "$INI" ] || printf '[Settings]\n' >"$INI"
    printf '%s=%s\n' "$1" "$2" >>"$INI"
}

# ini_value <key>: a setting as the program wrote it.
ini_value() {
    sed -n "s/^$1=//p" "$INI" | tail -n 1
}

# Places in the main window at its first size, in pixels from the top left
# corner below its frame: the toolbar's "Random" and "Current" buttons, the
# editor of the tab in front, and the Settings tab's browse buttons of the
# collection and of the current signature file.
RANDOM_BUTTON='114 41'
CURRENT_BUTTON='154 41'
FIXED_EDITOR='192 213'
COLLECTION_BROWSE='373 269'
SIGNATURE_BROWSE='373 314'

# tagrota_start [arguments]: starts the program with its own settings, data and
# runtime folders, and waits until its main window is shown; MAIN_WIN is then
# that window's X id.
tagrota_start() {
    tagrota_launch "$@"
    wait_until 30 main_window_mapped || fail "the main window did not appear"
}

# tagrota_launch [arguments]: starts the program as tagrota_start does, and
# waits for nothing: for a start that shows a message before its window.
tagrota_launch() {
    XDG_CONFIG_HOME="$WORK/config" XDG_DATA_HOME="$WORK/data" XDG_RUNTIME_DIR="$WORK/runtime" \
        QT_QPA_PLATFORM=xcb DBUS_SESSION_BUS_ADDRESS=disabled: \
        "$APP/tagrota" "$@" &
    TAGROTA_PID=$!
}

main_window_mapped() {
    MAIN_WIN=$(xdotool search --all --onlyvisible --pid "$TAGROTA_PID" --name '^Tagrota!$' | head -n 1)
    [ -n "$MAIN_WIN" ]
}

# tagrota_window <name>: the X id of a visible window of the program, by title.
tagrota_window() {
    xdotool search --all --onlyvisible --pid "$TAGROTA_PID" --name "$1" | head -n 1
}

# tray_icon: the X id of the program's icon in the notification area, once
# the host has embedded it.
tray_icon() {
    for w in $(xdotool search --pid "$TAGROTA_PID" --classname '^tagrota$'); do
        [ "$(xdotool getwindowname "$w")" = Tagrota ] && echo "$w" && return 0
    done
    return 1
}

# tagrota_close: closes the main window as the window manager's close button
# does, and waits for the program to end. On a busy machine the window may not
# have the keyboard yet when the key comes: the close is asked again while the
# main window (and no question of the program's) is the active one.
tagrota_close() {
    tries=0
    while kill -0 "$TAGROTA_PID" 2>/dev/null && [ $tries -lt 5 ]; do
        active=$(xdotool getactivewindow 2>/dev/null || true)
        if [ $tries -eq 0 ] || [ "$active" = "$MAIN_WIN" ] || [ -z "$active" ]; then
            xdotool windowactivate --sync "$MAIN_WIN" key --clearmodifiers alt+F4 2>/dev/null || true
        fi
        tries=$((tries + 1))
        wait_until 5 sh -c "! kill -0 $TAGROTA_PID" || true
    done
    tagrota_wait_end
}

tagrota_wait_end() {
    wait_until 30 sh -c "! kill -0 $TAGROTA_PID" || fail "the program did not end"
    wait "$TAGROTA_PID" || fail "the program ended with status $?"
    TAGROTA_PID=''
}

# click <window> <x> <y>: a left click at a point of the window (pixels).
click() {
    xdotool mousemove --window "$1" "$2" "$3" click 1
}

# type_text <text>, press <keys...>: keyboard input to the focused window.
type_text() { xdotool type --delay 20 "$1"; }
press() { xdotool key --clearmodifiers "$@"; }

# screenshot <file.png>: the whole screen, for a person to look at.
screenshot() { import -window root "$1"; }

# inode <file>: the file's inode number; a rotation replaces the file, so a
# new number means a new signature was written.
inode() { stat -c %i "$1"; }

# wait_rotation <seconds>: waits until the signature file has been replaced.
wait_rotation() {
    before=$(inode "$APP/sig.txt")
    wait_until "$1" sh -c "[ \"\$(stat -c %i '$APP/sig.txt')\" != '$before' ]"
}

# tagrota_start_unshown [arguments]: tagrota_start for a start whose window is
# not on the screen (minimised, or hidden in the tray): waits for the first
# signature and for the window to exist; MAIN_WIN is then its X id.
tagrota_start_unshown() {
    tagrota_launch "$@"
    wait_until 30 test -s "$APP/sig.txt" || fail "no signature written"
    wait_until 30 main_window_exists || fail "the main window was not created"
}

main_window_exists() {
    MAIN_WIN=$(xdotool search --all --pid "$TAGROTA_PID" --name '^Tagrota!$' | head -n 1)
    [ -n "$MAIN_WIN" ]
}

# wm_state <window>: Normal, Iconic (minimised), or nothing for a window the
# window manager does not manage (hidden).
wm_state() {
    xprop -id "$1" WM_STATE 2>/dev/null | sed -n 's/^[[:space:]]*window state: //p'
}

# is_state <window> <state>: for wait_until.
is_state() { [ "$(wm_state "$1")" = "$2" ]; }

# in_task_list <window>: whether the window manager lists the window among
# its clients, as task bars show them.
in_task_list() {
    xprop -root _NET_CLIENT_LIST | grep -qi "$(printf '0x%x' "$1")"
}

# is_viewable <window>: mapped and on the screen.
is_viewable() {
    xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'
}

# window_size <window>: "width height" of its client area, in pixels.
window_size() {
    xwininfo -id "$1" | awk '/^  Width:/ {w=$2} /^  Height:/ {h=$2} END {print w, h}'
}

# frame_extents <window>: "left right top bottom" of the frame openbox puts
# around it.
frame_extents() {
    xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ,
}

# drag_corner <window> <dx> <dy>: grabs the bottom right corner of the
# window's frame and drags it by so many pixels, as a user resizes a window.
drag_corner() {
    set -- "$1" "$2" "$3" $(client_origin "$1") $(window_size "$1") $(frame_extents "$1")
    x=$(($4 + $6 + $9 - 1)) y=$(($5 + $7 + ${11} - 1))
    xdotool mousemove "$x" "$y" sleep 0.1 mousedown 1 sleep 0.1 \
        mousemove "$((x + $2 / 2))" "$((y + $3 / 2))" sleep 0.1 \
        mousemove "$((x + $2))" "$((y + $3))" sleep 0.1 mouseup 1
}

# allowed_actions <window>: what the window manager offers for it
# (_NET_WM_ACTION_RESIZE, _MINIMIZE, _MAXIMIZE_HORZ and so on).
allowed_actions() {
    xprop -id "$1" _NET_WM_ALLOWED_ACTIONS
}

# client_origin <window>: "x y" of its client area's top left corner on the
# screen, in pixels.
client_origin() {
    xwininfo -id "$1" | awk '/Absolute upper-left X:/ {x=$4} /Absolute upper-left Y:/ {y=$4} END {print x, y}'
}

# tagrota_ready [arguments]: tagrota_start, then the first signature written
# and the main window the active one.
tagrota_ready() {
    tagrota_start "$@"
    wait_until 20 test -s "$APP/sig.txt" || fail "no signature written"
    xdotool windowactivate --sync "$MAIN_WIN"
}

# click_fixed_editor: a click into the Fixed tab's editor, which takes the
# keyboard.
click_fixed_editor() {
    # shellcheck disable=SC2086
    click "$MAIN_WIN" $FIXED_EDITOR
    sleep 0.3
}

# question_shown: whether a message box of the program is open (its title is
# the program's name); BOX is then its X id. Not for tray tests: the tray
# icon's window has that name too.
question_shown() {
    BOX=$(tagrota_window '^Tagrota$')
    [ -n "$BOX" ]
}

# message_shown <title>: whether a window of the program with that title (a
# pattern) is open; BOX is then its X id.
message_shown() {
    BOX=$(tagrota_window "$1")
    [ -n "$BOX" ]
}

# answer <key>: presses the key in the message in BOX, and waits until it has
# closed.
answer() {
    xdotool windowactivate --sync "$BOX" key --clearmodifiers "$1"
    wait_until 10 sh -c "! xdotool getwindowname $BOX >/dev/null" || fail "the message did not close"
}

# browse <place> <dialog title> <file name>: clicks a browse button of the
# Settings tab (in front) and picks a file of the folder the dialog opens in by
# typing its name.
browse() {
    # shellcheck disable=SC2086
    click "$MAIN_WIN" $1
    wait_until 10 message_shown "$2" || fail "no dialog $2"
    xdotool windowactivate --sync "$BOX"
    type_text "$3"
    press Return
    wait_until 10 sh -c "! xdotool getwindowname $BOX >/dev/null" || fail "the dialog $2 did not close"
}

# keeps_bytes <milliseconds> <file> <copy>: watches the file for so long, and
# fails at the first moment it differs from the copy.
keeps_bytes() {
    end=$(($(date +%s%3N) + $1))
    while [ "$(date +%s%3N)" -lt "$end" ]; do
        cmp -s "$2" "$3" || return 1
        sleep 0.05
    done
}

# is_signature <file> <fixed> <collection>: whether the file holds exactly a
# signature as it is written for mail readers: the fixed signature, a line
# end and one whole entry of the collection (either may have CR LF), in LF line ends
# with one closing the text.
is_signature() {
    tr -d '\r' <"$2" >"$WORK/fixed.lf"
    fixed_size=$(wc -c <"$WORK/fixed.lf")
    head -c "$fixed_size" "$1" | cmp -s - "$WORK/fixed.lf" || return 1
    [ "$(tail -c +"$((fixed_size + 1))" "$1" | head -c 1 | od -An -c | tr -d ' ')" = '\n' ] ||
        return 1
    tail -c +"$((fixed_size + 2))" "$1" >"$WORK/quotation"
    [ -s "$WORK/quotation" ] || return 1
    rm -rf "$WORK/entries" && mkdir "$WORK/entries"
    awk -v dir="$WORK/entries" 'BEGIN { RS = "\r?\n%\r?\n" }
        { gsub(/\r/, ""); sub(/\n+$/, ""); printf "%s\n", $0 > (dir "/" NR) }' "$3"
    for entry in "$WORK"/entries/*; do
        cmp -s "$WORK/quotation" "$entry" && return 0
    done
    return 1
}

# bytes <file>: its content for a failure message, every byte visible.
bytes() {
    if [ -s "$1" ]; then od -An -c "$1" | tr -s ' ' | tr -d '\n'; else echo "(empty)"; fi
}

# writes_signature <what> <action...>: runs the action and fails unless it
# replaces the signature file within 5 seconds.
writes_signature() {
    what=$1
    shift
    before=$(inode "$APP/sig.txt")
    "$@"
    wait_until 5 sh -c "[ \"\$(stat -c %i '$APP/sig.txt')\" != '$before' ]" ||
        fail "$what did not write a new signature"
}

# tray_menu <key>: opens the tray icon's menu and presses the key there.
tray_menu() {
    xdotool mousemove --window "$(tray_icon)" 8 8 click 3
    sleep 0.5
    press "$1"
}

# tagrota_rotate: `tagrota --rotate` with the running copy's folders.
tagrota_rotate() {
    XDG_CONFIG_HOME="$WORK/config" XDG_DATA_HOME="$WORK/data" XDG_RUNTIME_DIR="$WORK/runtime" \
        "$APP/tagrota" --rotate || fail "tagrota --rotate ended with status $?"
}

# on_accessibility_bus <script.py>: runs the Python script of this folder with
# the program as its argument, on a session bus and an accessibility bus of
# the test's own, as a screen reader's session has them (accessibility.py
# holds what the scripts share). Succeeds when the script's report starts
# with "ok:".
on_accessibility_bus() {
    /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || fail "no pyatspi (tools/install-deps installs it)"
    mkdir -p "$WORK/home" "$WORK/cache"
    HOME="$WORK/home" XDG_CACHE_HOME="$WORK/cache" XDG_CONFIG_HOME="$WORK/config" \
        XDG_DATA_HOME="$WORK/data" XDG_RUNTIME_DIR="$WORK/runtime" GSETTINGS_BACKEND=memory \
        QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
        dbus-run-session -- /usr/bin/python3 "$(dirname "$0")/$1" "$APP/tagrota" \
        2>"$WORK/stderr" >"$WORK/result" || true
    cat "$WORK/result"
    grep -q '^ok:' "$WORK/result" && return 0
    grep -v 'dbus-daemon' "$WORK/stderr" | tail -n 20
    return 1
}
