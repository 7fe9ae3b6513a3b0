# SIGTERM while closing asks about an unsaved edit: the question goes, the
# program ends through its ordinary closing with the settings written, and
# the edit is kept in a recovery file beside the fixed signature file.
. "$(dirname "$0")/lib.sh"

desktop_start
tagrota_ready
click_fixed_editor
type_text "Asked about"
xdotool windowactivate --sync "$MAIN_WIN" key --clearmodifiers alt+F4
wait_until 10 question_shown || fail "closing asked nothing"

kill -TERM "$TAGROTA_PID"
tagrota_wait_end
[ ! -e "$APP/fixed.txt" ] || fail "the edit was saved over the fixed signature file"
set -- "$APP"/fixed.txt.recovered-*
[ -f "$1" ] && grep -q 'Asked about' "$1" || fail "no recovery file with the edit: $(ls "$APP")"
[ -n "$(ini_value SigDuration)" ] || fail "the settings were not written"
echo "ok: SIGTERM during the close question kept the edit and wrote the settings"
