# The find bar on the Random tab, as a user drives it from the keyboard:
# Ctrl+F opens it with the keyboard in its box, Enter and F3 select the next
# match round the end, Shift+F3 the one before, and Escape closes it, with the
# keyboard back in the text. Finding changes nothing in the collection.
. "$(dirname "$0")/lib.sh"

cp "$(dirname "$PROGRAM")/tagrota_scintilla.so" "$APP/"
printf 'Alpha beta\r\n%%\r\nGamma BETA\r\n%%\r\nbeta delta\r\n%%\r\n' >"$APP/collections-political.txt"
cp "$APP/collections-political.txt" "$WORK/collection.before"

# selection: the text selected now, as the clipboard takes it with Ctrl+C.
selection() {
    printf '' | xclip -selection clipboard 2>/dev/null || true
    press ctrl+c
    sleep 0.3
    xclip -selection clipboard -o 2>/dev/null
}
selected() { [ "$(selection)" = "$1" ]; }

desktop_start
tagrota_ready
press ctrl+Tab
sleep 0.5
press ctrl+f
sleep 0.5
type_text beta
press Return
# Ctrl+C in the box copies its own text: the editor's selection is read from
# the editor, which Escape gives the keyboard back to.
press Escape
sleep 0.3
wait_until 5 selected beta || fail "Enter did not select the first match: '$(selection)'"
press F3
wait_until 5 selected BETA || fail "F3 did not select the next match: '$(selection)'"
press F3 F3
wait_until 5 selected beta || fail "F3 did not go round the end: '$(selection)'"
# Back round the start to the last one, then back to the one before it.
press shift+F3 shift+F3
wait_until 5 selected BETA || fail "Shift+F3 did not go back round: '$(selection)'"
screenshot "$WORK/find.png"
tagrota_close
cmp -s "$APP/collections-political.txt" "$WORK/collection.before" || fail "the collection changed"
echo "ok: the find bar finds forward, back and round the end, and Escape closes it"
