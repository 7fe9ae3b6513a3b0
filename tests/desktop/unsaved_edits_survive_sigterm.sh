# Ended by SIGTERM with unsaved edits in the Fixed tab: the fixed signature
# file stays as it was saved, the edits are kept in a recovery file beside it,
# and the next start says so in a message.
. "$(dirname "$0")/lib.sh"

printf -- '-- \r\nMe\r\n' >"$APP/fixed.txt"
cp "$APP/fixed.txt" "$WORK/fixed.saved"
desktop_start
tagrota_ready
click_fixed_editor
press ctrl+End
type_text "Not saved yet"
sleep 0.5

kill -TERM "$TAGROTA_PID"
tagrota_wait_end
cmp -s "$APP/fixed.txt" "$WORK/fixed.saved" || fail "the fixed signature file was changed"
set -- "$APP"/fixed.txt.recovered-*
[ $# -eq 1 ] && [ -f "$1" ] || fail "no single recovery file: $(ls "$APP")"
grep -q 'Not saved yet' "$1" || fail "the recovery file lacks the edits: $(cat "$1")"
[ "$(stat -c %a "$1")" = 600 ] || fail "the recovery file is readable by others"

# The next start tells where the edits are, once.
tagrota_start
wait_until 20 question_shown || fail "no message about the recovery file"
xdotool windowactivate --sync "$BOX" key --clearmodifiers Return
wait_until 10 sh -c "! xdotool getwindowname $BOX" || fail "the message did not close"
tagrota_close
[ -z "$(ini_value Fixed)" ] || fail "the note of the recovery file was kept: $(ini_value Fixed)"
[ -f "$1" ] || fail "the recovery file was removed"
echo "ok: SIGTERM kept the unsaved edits beside the file, and the next start said where"
