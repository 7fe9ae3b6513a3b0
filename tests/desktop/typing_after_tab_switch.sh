# Keys typed after the toolbar has switched away from the Fixed tab reach no
# hidden editor: click into the Fixed editor, switch to the Current tab by the
# toolbar, type, and the next signature written holds none of it.
. "$(dirname "$0")/lib.sh"

ini SigDuration 5
desktop_start
tagrota_ready

# The editor takes the focus from the click; then the toolbar changes tabs.
click_fixed_editor
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
