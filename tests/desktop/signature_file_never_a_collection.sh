# The rotation never writes over a collection the program holds. With
# collection A in use and B chosen for the next start (answered No), the
# current signature file is set to A, later to B: through a rotation each stays
# byte for byte as it was, a notice says that the file is refused, and the
# Random tab keeps A's text. Between the two, sig.txt is the target again and
# takes a signature.
. "$(dirname "$0")/lib.sh"

# The Random tab's editor, so that its text can be read.
cp "$(dirname "$PROGRAM")/tagrota_scintilla.so" "$APP/"
printf -- '-- \r\nMe\r\n' >"$APP/fixed.txt"
printf 'A one.\r\n%%\r\nA two.\r\n%%\r\nA three.\r\n' >"$APP/A.txt"
printf 'B one.\r\n%%\r\nB two.\r\n' >"$APP/B.txt"
cp "$APP/A.txt" "$WORK/A.txt.saved"
cp "$APP/B.txt" "$WORK/B.txt.saved"
ini SigDuration 5
ini RandomFile "$APP/A.txt"

settings_tab() { xdotool windowactivate --sync "$MAIN_WIN" key --clearmodifiers alt+s; }

# random_tab_text: the Random tab's whole text, as Ctrl+A and Ctrl+C copy it.
random_tab_text() {
    # shellcheck disable=SC2086
    click "$MAIN_WIN" $RANDOM_BUTTON
    # shellcheck disable=SC2086
    click "$MAIN_WIN" $FIXED_EDITOR
    : >"$WORK/clipboard"
    press ctrl+a ctrl+c
    wait_until 5 sh -c "xclip -o -selection clipboard >'$WORK/clipboard' && [ -s '$WORK/clipboard' ]" ||
        fail "nothing could be copied from the Random tab"
}

# refused <file>: chosen as the current signature file, it keeps its bytes for
# longer than a rotation period, and a notice of the program's says so.
refused() {
    settings_tab
    browse "$SIGNATURE_BROWSE" '^Open Signature File$' "$1"
    keeps_bytes 5500 "$APP/$1" "$WORK/$1.saved" ||
        fail "the rotation wrote over $1, a collection in use or chosen: $(bytes "$APP/$1")"
    wait_until 5 question_shown || fail "no notice that $1 is refused as the signature file"
    screenshot "${TMPDIR:-/tmp}/tagrota-refused-$1.png"
    answer Return
    random_tab_text
    tr -d '\r' <"$WORK/clipboard" >"$WORK/shown"
    tr -d '\r' <"$WORK/A.txt.saved" | cmp -s - "$WORK/shown" ||
        fail "with $1 as the signature file the Random tab shows: $(bytes "$WORK/clipboard")"
}

desktop_start
tagrota_ready
settings_tab
browse "$COLLECTION_BROWSE" '^Open Collection File$' B.txt
wait_until 10 message_shown '^Collection Change$' || fail "no question about the collection"
answer alt+n

refused A.txt

settings_tab
browse "$SIGNATURE_BROWSE" '^Open Signature File$' sig.txt
wait_rotation 10 || fail "sig.txt, the target again, took no signature"
is_signature "$APP/sig.txt" "$APP/fixed.txt" "$WORK/A.txt.saved" ||
    fail "sig.txt holds no signature from A, the collection in use: $(bytes "$APP/sig.txt")"

refused B.txt

tagrota_close
cmp -s "$APP/A.txt" "$WORK/A.txt.saved" || fail "A.txt was changed by the end: $(bytes "$APP/A.txt")"
cmp -s "$APP/B.txt" "$WORK/B.txt.saved" || fail "B.txt was changed by the end: $(bytes "$APP/B.txt")"
echo "ok: neither the collection in use nor the next one took a signature, and both were refused"
