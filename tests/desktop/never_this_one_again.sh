# Never This One Again, as a user meets it: Ctrl+Shift+N and the tray menu
# each set the quotation shown aside and write another at once; the rotation
# then keeps to the one left; the Set-Aside Quotations window takes one back.
. "$(dirname "$0")/lib.sh"

printf 'Alpha\r\n%%\r\nBeta\r\n%%\r\nGamma\r\n%%\r\n' >"$APP/collections-political.txt"

# quotation: the signature file's last line.
quotation() { tail -n 1 "$APP/sig.txt"; }
# set_aside: the quotations of the list kept for the collection, one a line.
set_aside() { find "$WORK/data" -name '*.never' -exec sed -e '1,3d' -e '/^%$/d' {} +; }
# never_writes <what> <action...>: the action sets the quotation shown aside
# and writes another.
never_writes() {
    shown=$(quotation)
    writes_signature "$@"
    [ "$(quotation)" != "$shown" ] || fail "$1 wrote $shown again"
    set_aside | grep -qx "$shown" || fail "$1 did not set $shown aside: $(set_aside)"
}

desktop_start tray
ini SigDuration 60
ini InSysTray True
tagrota_ready
sleep 1
never_writes "Ctrl+Shift+N" press ctrl+shift+n
wait_until 10 tray_icon >/dev/null || fail "no icon in the notification area"
never_writes "the tray menu" tray_menu v
left=$(quotation)
for i in 1 2 3; do
    tagrota_rotate
    sleep 0.5
    [ "$(quotation)" = "$left" ] || fail "rotation $i wrote $(quotation), which is set aside"
done
[ "$(set_aside | wc -l)" = 2 ] || fail "the list holds $(set_aside)"

# The list window, from the Commands menu; Take Back on the first line.
xdotool windowactivate --sync "$MAIN_WIN"
press alt+c
sleep 0.5
press a
wait_until 10 message_shown '^Set-Aside Quotations$' || fail "no Set-Aside Quotations window"
screenshot "$WORK/set-aside.png"
xdotool windowactivate --sync "$BOX"
press alt+t
wait_until 5 sh -c "[ \"\$(find '$WORK/data' -name '*.never' -exec sed -e '1,3d' -e '/^%\$/d' {} + | wc -l)\" = 1 ]" ||
    fail "Take Back left $(set_aside)"
press Escape
wait_until 5 sh -c "! xdotool getwindowname $BOX >/dev/null" || fail "Escape did not close the window"
tagrota_close
echo "ok: Never This One Again from Ctrl+Shift+N and the tray menu; Take Back"
