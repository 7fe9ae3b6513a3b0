# Files edited by another program reach the signatures with the window
# untouched: fixed.txt edited in vim (which writes a new file and renames it
# over the old one when it keeps a backup), then rewritten in place, then the
# collection replaced by a rename. Closing then asks nothing and writes none
# of them.
. "$(dirname "$0")/lib.sh"

printf -- '-- \r\nMe\r\n' >"$APP/fixed.txt"
printf 'Old one.\r\n%%\r\nOld two.\r\n' >"$APP/quotes.txt"
ini SigDuration 5
ini RandomFile "$APP/quotes.txt"
in_signature() { grep -q "$1" "$APP/sig.txt"; }

desktop_start
tagrota_ready

vim -u NONE -i NONE -N -n -es -c 'set backup writebackup backupcopy=no' \
    -c '%s/Me/Edited in vim/' -c 'wq' "$APP/fixed.txt" </dev/null || fail "vim failed"
wait_until 20 in_signature 'Edited in vim' || fail "the edit in vim did not reach the signature"

printf -- '-- \r\nRewritten in place\r\n' >"$APP/fixed.txt"
wait_until 20 in_signature 'Rewritten in place' || fail "a rewrite in place did not arrive"

printf 'New one.\r\n%%\r\nNew two.\r\n' >"$WORK/quotes.new"
mv "$WORK/quotes.new" "$APP/quotes.txt"
wait_until 20 in_signature 'New ' || fail "the replaced collection did not reach the signature"

cp "$APP/fixed.txt" "$WORK/fixed.seen"
cp "$APP/quotes.txt" "$WORK/quotes.seen"
tagrota_close
cmp -s "$APP/fixed.txt" "$WORK/fixed.seen" || fail "closing wrote fixed.txt: $(bytes "$APP/fixed.txt")"
cmp -s "$APP/quotes.txt" "$WORK/quotes.seen" || fail "closing wrote the collection"
echo "ok: outside edits reached the signatures with the window untouched"
