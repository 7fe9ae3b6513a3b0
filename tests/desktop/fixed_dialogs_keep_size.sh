# The About box and the brief help have fixed frames: the window manager
# offers no resizing, minimising or maximising, and a drag on a corner leaves
# them as they are.
. "$(dirname "$0")/lib.sh"

shown() { DIALOG=$(tagrota_window "$1") && [ -n "$DIALOG" ]; }
gone() { [ -z "$(tagrota_window "$1")" ]; }

# check_fixed <what>: the dialog in DIALOG keeps its size.
check_fixed() {
    wait_until 10 sh -c "xprop -id $DIALOG _NET_WM_ALLOWED_ACTIONS | grep -q ACTION_CLOSE" ||
        fail "$1: the window manager does not manage it"
    offered=$(allowed_actions "$DIALOG")
    case "$offered" in
        *RESIZE* | *MAXIMIZE*) fail "$1 can be resized: $offered" ;;
    esac
    # Nor does it ask for a minimise button (openbox gives every dialog one
    # all the same): the functions of its Motif hints hold neither minimise
    # (8) nor maximise (16).
    functions=$(xprop -id "$DIALOG" _MOTIF_WM_HINTS | sed -n 's/.*= [^,]*, \([^,]*\),.*/\1/p')
    [ -n "$functions" ] && [ $((functions & 24)) -eq 0 ] || fail "$1 asks for the functions $functions"
    before=$(window_size "$DIALOG")
    drag_corner "$DIALOG" -120 -100
    [ "$(window_size "$DIALOG")" = "$before" ] || fail "$1 shrank from $before to $(window_size "$DIALOG")"
    drag_corner "$DIALOG" 120 100
    [ "$(window_size "$DIALOG")" = "$before" ] || fail "$1 grew from $before to $(window_size "$DIALOG")"
    xdotool windowactivate --sync "$DIALOG"
}

# The brief help's pages, as they lie beside the program.
cp "$(dirname "$PROGRAM")"/tab?.rtf "$APP/"
desktop_start
tagrota_start
xdotool windowactivate --sync "$MAIN_WIN"

press alt+a
wait_until 10 shown '^About Tagrota$' || fail "the About box did not open"
check_fixed "the About box"
press Escape
wait_until 10 gone '^About Tagrota$' || fail "the About box did not close"

press F1
wait_until 10 shown '^Tagrota Brief Help$' || fail "the brief help did not open"
check_fixed "the brief help"
press Escape
wait_until 10 gone '^Tagrota Brief Help$' || fail "the brief help did not close"

tagrota_close
echo "ok: the About box and the brief help keep their size"
