# Keys typed after the toolbar has switched away from the Fixed tab reach no
# hidden editor: click into the Fixed editor, switch to the Current tab by the
# toolbar, type, and the next signature written holds none of it.
. "$(dirname "$0")/lib.sh"

# Places in the window (pixels from its top left corner, below the frame) at
# its first size: the toolbar's "Current" button and the Fixed tab's editor.
CURRENT_BUTTON='154 41'
FIXED_EDITOR='192 213'

ini SigDuration 5
desktop_start
tagrota_start
wait_until 20 test -s "$APP/sig.txt" || fail "no signature written"
xdotool windowactivate --sync "$MAIN_WIN"

# The editor takes the focus from the click; then the toolbar changes tabs.
# shellcheck disable=SC2086
click "$MAIN_WIN" $FIXED_EDITOR
sleep 0.3
# shellcheck disable=SC2086
click "$MAIN_WIN" $CURRENT_BUTTON
sleep 0.3
type_text "Zqxjkv"
press ctrl+a Delete
type_text "Wvbkq"

wait_rotation 20 || fail "no rotation after the typing"
if grep -q 'Zqxj\|Wvbk' "$APP/sig.txt"; then
    fail "the typed text reached the signature: $(cat "$APP/sig.txt")"
fi
grep -q 'example.org' "$APP/sig.txt" || fail "the fixed signature was changed: $(cat "$APP/sig.txt")"

# Nothing was edited, so closing asks nothing.
tagrota_close
[ ! -e "$APP/fixed.txt" ] || fail "a fixed signature file was written"
echo "ok: typing after a toolbar tab switch changed no hidden text"
