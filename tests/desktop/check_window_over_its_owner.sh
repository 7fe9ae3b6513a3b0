# The Collection Check window opens centred over the main window, frame over
# frame, wherever the main window stands; near the screen's edge it stays on
# the screen.
. "$(dirname "$0")/lib.sh"

printf 'Same\r\n%%\r\nOther\r\n%%\r\nSame\r\n%%\r\n' >"$APP/collections-political.txt"
ini MainLeft 6000
ini MainTop 3300
desktop_start
tagrota_ready

# frame <window>: "left top right bottom" of the window with its frame.
frame() {
    set -- $(client_origin "$1") $(window_size "$1") $(frame_extents "$1")
    echo "$(($1 - $5)) $(($2 - $7)) $(($1 + $3 + $6)) $(($2 + $4 + $8))"
}
# open_check: the check window from the Commands menu; CHECK is its X id.
open_check() {
    xdotool windowactivate --sync "$MAIN_WIN"
    press alt+c c
    wait_until 10 sh -c '[ -n "$(xdotool search --all --onlyvisible --name "^Collection Check$")" ]' ||
        fail "the Collection Check window did not open"
    CHECK=$(tagrota_window '^Collection Check$')
    wait_until 10 is_viewable "$CHECK" || fail "the Collection Check window is not on the screen"
    sleep 0.5
}
# centred <what>: the check window's frame centred on the main window's, but
# for the grip openbox puts below a window that can be resized (twice the
# distance between the centres is checked).
centred() {
    set -- "$1" $(frame "$MAIN_WIN") $(frame "$CHECK")
    dx=$(($6 + $8 - $2 - $4)) dy=$(($7 + $9 - $3 - $5))
    [ ${dx#-} -le 4 ] && [ ${dy#-} -le 12 ] ||
        fail "$1: the check window ($6 $7 $8 $9) is not centred over the main window ($2 $3 $4 $5)"
}

open_check
centred "at the first open"
press Escape
wait_until 10 sh -c '[ -z "$(xdotool search --all --onlyvisible --name "^Collection Check$")" ]' ||
    fail "Escape did not close the check window"

# Moved to the screen's top left corner, the main window is narrower than the
# check window, which then stands at the screen's left edge, centred down.
xdotool windowmove --sync "$MAIN_WIN" 0 0
sleep 0.5
open_check
set -- $(frame "$MAIN_WIN") $(frame "$CHECK")
[ "$5" -eq 0 ] || fail "the check window's left edge is at $5, not at the screen's"
dy=$(($6 + $8 - $2 - $4))
[ ${dy#-} -le 12 ] || fail "the check window ($5 $6 $7 $8) is not centred down the main window ($1 $2 $3 $4)"
press Escape
tagrota_close
echo "ok: the check window opens centred over the main window"
