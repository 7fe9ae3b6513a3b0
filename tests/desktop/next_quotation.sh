# Next Quotation writes a new signature at once, long before the period of a
# minute has run out: from the toolbar button, from Ctrl+N, from the tray
# icon's menu, and from `tagrota --rotate`.
. "$(dirname "$0")/lib.sh"

# The toolbar's Next Quotation button at the window's first size.
NEXT_BUTTON='289 41'

desktop_start tray
ini SigDuration 60
ini InSysTray True
tagrota_ready
sleep 1
# shellcheck disable=SC2086
writes_signature "the toolbar button" click "$MAIN_WIN" $NEXT_BUTTON
writes_signature "Ctrl+N" press ctrl+n
wait_until 10 tray_icon >/dev/null || fail "no icon in the notification area"
writes_signature "the tray menu" tray_menu n
writes_signature "tagrota --rotate" tagrota_rotate
tagrota_close
echo "ok: Next Quotation from the toolbar, Ctrl+N, the tray menu and --rotate"
