# Closing with an unsaved edit in the Fixed tab asks first: Escape (Cancel)
# keeps the program running with its settings unwritten; Alt+S (Save, by its
# mnemonic) saves the edit, and then the program ends.
. "$(dirname "$0")/lib.sh"

question_gone() { ! xdotool getwindowname "$BOX" >/dev/null 2>&1; }

desktop_start
tagrota_ready
click_fixed_editor
press ctrl+End
type_text "Kept by Save"
sleep 0.3

xdotool windowactivate --sync "$MAIN_WIN" key --clearmodifiers alt+F4
wait_until 10 question_shown || fail "closing asked nothing"
xdotool windowactivate --sync "$BOX" key --clearmodifiers Escape
wait_until 10 question_gone || fail "the question did not close"
sleep 0.5
kill -0 "$TAGROTA_PID" 2>/dev/null || fail "Cancel ended the program"
[ ! -s "$INI" ] || fail "Cancel wrote the settings: $(cat "$INI")"
[ ! -e "$APP/fixed.txt" ] || fail "Cancel saved the edit"

xdotool windowactivate --sync "$MAIN_WIN" key --clearmodifiers alt+F4
wait_until 10 question_shown || fail "closing asked nothing the second time"
xdotool windowactivate --sync "$BOX" key --clearmodifiers alt+s
tagrota_wait_end
grep -q 'Kept by Save' "$APP/fixed.txt" || fail "Save did not write the edit"
[ -n "$(ini_value SigDuration)" ] || fail "the settings were not written"
echo "ok: closing asked; Cancel kept the program running, Save saved and closed"
