# Started minimised in tray mode, the window is only in the tray; a
# double-click on the tray icon shows it, normal, and so does each later one
# after a minimise.
. "$(dirname "$0")/lib.sh"

not_listed() { ! in_task_list "$1"; }
# A double-click on the icon, then up to two seconds for the window. Clicks in
# the first moment after the icon appears can be lost to a pointer grab while
# the notification area settles, so it is tried three times.
double_click_shows() {
    for try in 1 2 3; do
        xdotool mousemove --window "$(tray_icon)" 8 8 click --repeat 2 --delay 60 1
        wait_until 2 is_viewable "$MAIN_WIN" && return 0
    done
    return 1
}

desktop_start tray
ini InSysTray True
ini StartMin True
tagrota_start_unshown
wait_until 10 tray_icon >/dev/null || fail "no icon in the notification area"
wait_until 10 is_viewable "$(tray_icon)" || fail "the icon is not shown in the notification area"
wait_until 10 not_listed "$MAIN_WIN" || fail "started minimised in tray mode, the window is in the task bar"
is_viewable "$MAIN_WIN" && fail "the window is on the screen"
for round in 1 2 3; do
    double_click_shows || fail "round $round: a double-click did not show the window"
    wait_until 10 is_state "$MAIN_WIN" Normal || fail "round $round: shown as $(wm_state "$MAIN_WIN")"
    xdotool windowminimize "$MAIN_WIN"
    wait_until 10 not_listed "$MAIN_WIN" || fail "round $round: minimising did not hide it in the tray"
done
# SIGTERM: the ordinary closing, from the tray.
kill "$TAGROTA_PID"
tagrota_wait_end
echo "ok: a double-click on the tray icon shows the window every time"
