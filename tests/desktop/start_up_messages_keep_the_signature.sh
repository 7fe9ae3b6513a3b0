# Nothing writes the signature file while a message of the start waits: mail
# readers take whatever it holds. A settings file cut off in the middle of a
# key, and a collection without any "%" line (with no default collection
# either), each give a message before the window; for longer than the rotation
# timer's first period sig.txt keeps its old signature (never empty, never the
# fixed text alone), and after OK it holds a whole new one.
. "$(dirname "$0")/lib.sh"

printf -- '-- \r\nMe\r\n' >"$APP/fixed.txt"
printf 'Q one.\r\n%%\r\nQ two,\r\non two lines.\r\n%%\r\nQ three.\r\n' >"$APP/quotes.txt"
printf 'A single quotation and no separator.\r\n' >"$APP/no-separator.txt"

# waits <title> <milliseconds> <what>: the start shows a message with that
# title before its window; while it waits so long, sig.txt keeps its old
# bytes. Then OK, and the window and a new signature come.
waits() {
    cp "$APP/sig.txt" "$WORK/sig.old"
    tagrota_launch
    wait_until 20 message_shown "$1" || fail "$3: no message"
    keeps_bytes "$2" "$APP/sig.txt" "$WORK/sig.old" ||
        fail "$3: while the message waited, sig.txt became: $(bytes "$APP/sig.txt")"
    screenshot "${TMPDIR:-/tmp}/tagrota-start-message.png"
    answer Return
    wait_until 20 main_window_mapped || fail "$3: the main window did not appear after OK"
    wait_until 10 sh -c "! cmp -s '$APP/sig.txt' '$WORK/sig.old'" || fail "$3: no new signature after OK"
}

desktop_start

# The settings message comes while Timer1 still has the period it was created
# with (3 s).
printf 'old signature\r\n' >"$APP/sig.txt"
printf '[Settings]\nRandomFile=%s\nSigDuration=5\nDoWr' "$APP/quotes.txt" >"$INI"
waits '^Tagrota$' 4500 "a settings file cut off"
is_signature "$APP/sig.txt" "$APP/fixed.txt" "$APP/quotes.txt" ||
    fail "after the settings message, sig.txt holds: $(bytes "$APP/sig.txt")"
tagrota_close

# The collection message comes after the period is set: 5 s.
rm -f "$INI" "$INI".damaged*
ini RandomFile "$APP/no-separator.txt"
ini SigDuration 5
printf 'old signature, again\r\n' >"$APP/sig.txt"
waits '^ERROR$' 6500 "a collection without a separator"
default="$APP/collections-political.txt"
[ -s "$default" ] || fail "no default collection was written"
is_signature "$APP/sig.txt" "$APP/fixed.txt" "$default" ||
    fail "after the collection message, sig.txt holds: $(bytes "$APP/sig.txt")"
tagrota_close
echo "ok: while a start-up message waited the old signature stayed, and after OK a whole new one came"
