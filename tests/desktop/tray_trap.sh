# Minimising the window in tray mode while a dialog of the program is open
# keeps it in the task bar (hidden, it would take the dialog out of reach), and
# a click on the tray icon brings the dialog back.
. "$(dirname "$0")/lib.sh"

shown() { DIALOG=$(tagrota_window "$1") && [ -n "$DIALOG" ]; }

desktop_start tray
ini InSysTray True
tagrota_start
wait_until 10 tray_icon >/dev/null || fail "no icon in the notification area"
xdotool windowactivate --sync "$MAIN_WIN"
press alt+a
wait_until 10 shown '^About Tagrota$' || fail "the About box did not open"

xdotool windowminimize "$MAIN_WIN"
wait_until 10 is_state "$MAIN_WIN" Iconic || fail "the window was hidden, not minimised (state: $(wm_state "$MAIN_WIN"))"
in_task_list "$MAIN_WIN" || fail "the window left the task bar"

click "$(tray_icon)" 8 8
wait_until 10 is_viewable "$DIALOG" || fail "a click on the tray icon did not bring the About box back"
wait_until 10 is_viewable "$MAIN_WIN" || fail "the main window did not come back"
press Escape
wait_until 10 sh -c "[ -z \"\$(xdotool search --all --onlyvisible --pid $TAGROTA_PID --name '^About Tagrota$')\" ]" ||
    fail "the About box did not close"

# With the dialog gone, minimising puts the window in the tray again.
xdotool windowminimize "$MAIN_WIN"
wait_until 10 sh -c "! xprop -root _NET_CLIENT_LIST | grep -qi $(printf '0x%x' "$MAIN_WIN")" ||
    fail "without a dialog, minimising did not hide the window in the tray"
# SIGTERM: the ordinary closing, from the tray.
kill "$TAGROTA_PID"
tagrota_wait_end
echo "ok: minimised under a dialog the window stays in reach, and the tray icon brings the dialog back"
