# SIGTERM while a menu of the program is open, the tray icon's and then the
# File menu: the menu goes, the program ends through its ordinary closing with
# the settings written, and it does not crash.
. "$(dirname "$0")/lib.sh"

# menu_open: whether a popup menu of the program is on the screen.
menu_open() {
    for w in $(xdotool search --all --onlyvisible --pid "$TAGROTA_PID" --name ''); do
        xprop -id "$w" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q 'POPUP_MENU\|DROPDOWN_MENU\|_OVERRIDE' && return 0
    done
    return 1
}

desktop_start tray
ini InSysTray True
tagrota_start
wait_until 10 tray_icon >/dev/null || fail "no icon in the notification area"
xdotool mousemove --window "$(tray_icon)" 8 8 click 3
wait_until 10 menu_open || fail "the tray icon's menu did not open"
kill -TERM "$TAGROTA_PID"
tagrota_wait_end
[ "$(ini_value InSysTray)" = True ] || fail "the settings were not written: $(cat "$INI")"

rm "$INI"
tagrota_ready
press alt+f
wait_until 10 menu_open || fail "the File menu did not open"
kill -TERM "$TAGROTA_PID"
tagrota_wait_end
[ -n "$(ini_value SigDuration)" ] || fail "the settings were not written"
echo "ok: SIGTERM with the tray menu or the File menu open closes as ever"
