# A window that starts minimised keeps its stored place and size, run after
# run: brought back from the task bar and closed, it stores what it was given.
. "$(dirname "$0")/lib.sh"

# Where the stored place (1500, 1200 twips: 100, 80 pixels) puts the client
# area inside openbox's frame. Openbox animates a window coming back from the
# task bar; it has arrived once it is there.
at_stored_place() {
    set -- $(frame_extents "$MAIN_WIN")
    [ "$(client_origin "$MAIN_WIN")" = "$((100 + $1)) $((80 + $3))" ]
}

desktop_start
ini MainLeft 1500
ini MainTop 1200
ini MainWidth 7500
ini MainHeight 7800
ini StartMin True
for run in 1 2 3 4 5; do
    rm -f "$APP/sig.txt"
    tagrota_start_unshown
    wait_until 10 is_state "$MAIN_WIN" Iconic || fail "run $run: the window is not minimised"
    # As a click on its entry in the task bar.
    xdotool windowactivate "$MAIN_WIN"
    wait_until 10 is_viewable "$MAIN_WIN" || fail "run $run: the window did not come back"
    wait_until 10 at_stored_place ||
        fail "run $run: the window came back at $(client_origin "$MAIN_WIN"), $(window_size "$MAIN_WIN")"
    tagrota_close
    stored="$(ini_value MainWidth) x $(ini_value MainHeight) at $(ini_value MainLeft), $(ini_value MainTop)"
    [ "$stored" = "7500 x 7800 at 1500, 1200" ] || fail "run $run stored $stored"
done
echo "ok: five minimised starts kept 7500 x 7800 at 1500, 1200"
