# The tray icon through the StatusNotifierItem protocol on D-Bus, as Plasma,
# GNOME's AppIndicator extension, XFCE and waybar show it: a stand-in watcher
# on a private session bus takes the icon; its tip, image, status and menu read
# as a host reads them; its activation (the host's click) brings the minimised
# window back; the menu a host shows by itself (dbusmenu) and the popup that the
# host's ContextMenu call opens both offer Next Quotation and Restore, and
# Close there ends the program with tray mode kept for the next start.
#
#   sh tests/tray_status_notifier.sh <tagrota> <tagrota_sni_watcher>
. "$(dirname "$0")/desktop/lib.sh"

WATCHER=$(realpath "$2")
BUS_PID='' WATCHER_PID=''
trap 'kill $WATCHER_PID $BUS_PID 2>/dev/null || true; desktop_cleanup' EXIT

desktop_start
export DBUS_SESSION_BUS_ADDRESS="unix:path=$WORK/bus"
dbus-daemon --session --address="$DBUS_SESSION_BUS_ADDRESS" --nofork --nopidfile \
    >"$WORK/dbus.log" 2>&1 &
BUS_PID=$!
wait_until 10 test -S "$WORK/bus" || fail "no session bus"
"$WATCHER" "$WORK/items" >"$WORK/watcher.log" 2>&1 &
WATCHER_PID=$!
watcher_there() {
    gdbus call --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
        --method org.freedesktop.DBus.NameHasOwner org.kde.StatusNotifierWatcher | grep -q true
}
wait_until 10 watcher_there || fail "the stand-in watcher did not take its name"

ini InSysTray True
ini SigDuration 60
XDG_CONFIG_HOME="$WORK/config" XDG_DATA_HOME="$WORK/data" XDG_RUNTIME_DIR="$WORK/runtime" \
    QT_QPA_PLATFORM=xcb "$APP/tagrota" &
TAGROTA_PID=$!
wait_until 30 main_window_mapped || fail "the main window did not appear"
wait_until 20 test -s "$APP/sig.txt" || fail "no signature written"
wait_until 10 test -s "$WORK/items" || fail "the icon did not register with the watcher"
read -r NAME ITEM <"$WORK/items"

property() {
    gdbus call --session --dest "$NAME" --object-path "$ITEM" \
        --method org.freedesktop.DBus.Properties.Get org.kde.StatusNotifierItem "$1"
}
# item <method>: the host calls the item's method, at a place on the screen.
item() {
    gdbus call --session --dest "$NAME" --object-path "$ITEM" \
        --method "org.kde.StatusNotifierItem.$1" 10 10 >/dev/null
}
property ToolTip | grep -q 'Tagrota! Signature Changer' || fail "the tip reads $(property ToolTip)"
property Status | grep -q Active || fail "the status reads $(property Status)"
[ "$(property IconPixmap | wc -c)" -gt 200 ] || fail "no image: $(property IconPixmap)"

# The menu as a host shows it: the item's "Menu", read with dbusmenu's
# GetLayout, one "id label" line per entry; Qt writes the mnemonic's "&" as "_".
menu() { "$WATCHER" menu "$NAME" "$ITEM"; }
labels=$(menu | cut -d ' ' -f 2-) || fail "the item's menu cannot be read"
[ "$labels" = "$(printf '%s\n' '_Restore Tagrota!' '_Next Quotation' 'Ne_ver This One Again' - \
    _Close)" ] || fail "the item's menu reads: $labels"
# menu_choose <label>: the user picks the entry in the host's menu.
menu_choose() {
    id=$(menu | awk -v label="$1" '{ id = $1; sub(/^[^ ]* /, "") } $0 == label { print id }')
    [ -n "$id" ] || fail "no entry $1 in the item's menu"
    "$WATCHER" click "$NAME" "$ITEM" "$id"
}

xdotool windowminimize "$MAIN_WIN"
wait_until 5 sh -c "! xwininfo -id $MAIN_WIN | grep -q IsViewable" ||
    fail "the minimised window did not go to the tray"
item Activate
wait_until 5 is_viewable "$MAIN_WIN" || fail "the icon's activation did not bring the window back"

# The context menu opens inside the call; the host does not wait for it.
context_menu() {
    item ContextMenu &
    sleep 0.7
    press "$1"
}
writes_signature "the context menu's Next Quotation" context_menu n
writes_signature "the item's menu's Next Quotation" menu_choose '_Next Quotation'
minimise() {
    xdotool windowminimize "$MAIN_WIN"
    wait_until 5 sh -c "! xwininfo -id $MAIN_WIN | grep -q IsViewable" ||
        fail "the minimised window did not go to the tray again"
}
minimise
context_menu r
wait_until 5 is_viewable "$MAIN_WIN" || fail "the context menu's Restore did not bring the window back"
minimise
menu_choose '_Restore Tagrota!'
wait_until 5 is_viewable "$MAIN_WIN" || fail "the item's menu's Restore did not bring the window back"
# The program may end before it answers the event.
menu_choose _Close || true
tagrota_wait_end
[ "$(ini_value InSysTray)" = True ] || fail "tray mode not kept: InSysTray=$(ini_value InSysTray)"
echo "ok: tip, image, menu, activation and context menu through the StatusNotifierItem protocol"
