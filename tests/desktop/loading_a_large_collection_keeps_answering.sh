# A 250 MB collection chosen on the Settings tab and loaded after Yes: while
# it is read and while the Random tab fills with it, the window answers
# clicks (the toolbar's Help button opens the brief help, Escape closes it)
# and a second start (`tagrota --rotate`) is answered and ends. Once it is
# in, the signatures come from it.
. "$(dirname "$0")/lib.sh"

HELP_BUTTON='261 41'
cp "$(dirname "$PROGRAM")/tagrota_scintilla.so" "$(dirname "$PROGRAM")"/tab?.rtf \
    "$(dirname "$PROGRAM")/index.html" "$APP/"
printf -- '-- \r\nMe\r\n' >"$APP/fixed.txt"
printf 'Small one.\r\n%%\r\nSmall two.\r\n' >"$APP/small.txt"
awk 'BEGIN { for (i = 0; i < 16384; i++) printf "Large quotation %05d, one of very many.\r\n%%\r\n", i }' \
    >"$WORK/chunk"
i=0
while [ $i -lt 340 ]; do cat "$WORK/chunk"; i=$((i + 1)); done >"$APP/large.txt"
[ "$(wc -c <"$APP/large.txt")" -ge 250000000 ] || fail "the large collection is too small"
ini SigDuration 5
ini RandomFile "$APP/small.txt"

shown() { [ -n "$(tagrota_window "$1")" ]; }
gone() { [ -z "$(tagrota_window "$1")" ]; }
loaded() { grep -q 'Large quotation' "$APP/sig.txt"; }
# One round: a click answered, and a second start answered.
answers() {
    # shellcheck disable=SC2086
    click "$MAIN_WIN" $HELP_BUTTON
    wait_until 3 shown '^Tagrota Brief Help$' || fail "a click was not answered while loading ($1)"
    press Escape
    wait_until 3 gone '^Tagrota Brief Help$' || fail "Escape was not answered while loading ($1)"
    XDG_CONFIG_HOME="$WORK/config" XDG_DATA_HOME="$WORK/data" XDG_RUNTIME_DIR="$WORK/runtime" \
        QT_QPA_PLATFORM=xcb DBUS_SESSION_BUS_ADDRESS=disabled: \
        timeout 3 "$APP/tagrota" --rotate || fail "a second start was not answered while loading ($1)"
}

desktop_start
tagrota_ready
# The Random tab shown first: its view then fills with the large text too.
# shellcheck disable=SC2086
click "$MAIN_WIN" $RANDOM_BUTTON
xdotool windowactivate --sync "$MAIN_WIN" key --clearmodifiers alt+s
browse "$COLLECTION_BROWSE" '^Open Collection File$' large.txt
wait_until 10 message_shown '^Collection Change$' || fail "no question about the collection"
answer Return

rounds=0
while ! loaded || [ $rounds -lt 3 ]; do
    rounds=$((rounds + 1))
    [ $rounds -le 40 ] || fail "the large collection was not in use after 40 rounds"
    answers "round $rounds"
done
wait_rotation 10 || fail "no rotation after the load"
loaded || fail "the signature is not from the large collection: $(head -c 200 "$APP/sig.txt")"

tagrota_close
echo "ok: the window and a second start were answered while 250 MB loaded ($rounds rounds)"
