# Next Quotation writes a new signature at once, long before the period of a
# minute has run out: from the toolbar button, from Ctrl+N, from the tray
# icon's menu, and from `tagrota --rotate`.
. "$(dirname "$0")/lib.sh"

# The toolbar's Next Quotation button at the window's first size.
NEXT_BUTTON='289 41'

# next_writes <what> <action...>: the action replaces the signature file.
next_writes() {
    what=$1
    shift
    before=$(inode "$APP/sig.txt")
    "$@"
    wait_until 5 sh -c "[ \"\$(stat -c %i '$APP/sig.txt')\" != '$before' ]" ||
        fail "$what did not write a new signature"
}
tray_next() {
    xdotool mousemove --window "$(tray_icon)" 8 8 click 3
    sleep 0.5
    press n
}
rotate_command() {
    XDG_CONFIG_HOME="$WORK/config" XDG_DATA_HOME="$WORK/data" XDG_RUNTIME_DIR="$WORK/runtime" \
        "$APP/tagrota" --rotate || fail "tagrota --rotate ended with status $?"
}

desktop_start tray
ini SigDuration 60
ini InSysTray True
tagrota_ready
sleep 1
# shellcheck disable=SC2086
next_writes "the toolbar button" click "$MAIN_WIN" $NEXT_BUTTON
next_writes "Ctrl+N" press ctrl+n
wait_until 10 tray_icon >/dev/null || fail "no icon in the notification area"
next_writes "the tray menu" tray_next
next_writes "tagrota --rotate" rotate_command
tagrota_close
echo "ok: Next Quotation from the toolbar, Ctrl+N, the tray menu and --rotate"
