# The X server goes away while the Fixed tab holds an unsaved edit: the
# program ends through its non-interactive closing, the edit kept in a
# recovery file and the settings written, without a crash.
. "$(dirname "$0")/lib.sh"

desktop_start
tagrota_ready
click_fixed_editor
type_text "Kept"
sleep 0.5
kill -KILL "$XVFB_PID"
wait_until 30 sh -c "! kill -0 $TAGROTA_PID" || fail "the program did not end"
status=0
wait "$TAGROTA_PID" || status=$?
TAGROTA_PID=''
[ "$status" -eq 1 ] || fail "the program ended with status $status"
set -- "$APP"/fixed.txt.recovered-*
[ -f "$1" ] && grep -q 'Kept' "$1" || fail "no recovery file with the edit: $(ls "$APP")"
[ -n "$(ini_value SigDuration)" ] || fail "the settings were not written"
echo "ok: the display gone, the edit was kept and the settings written"
