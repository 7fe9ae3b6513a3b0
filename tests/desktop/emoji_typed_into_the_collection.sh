# Every typed character is kept in the Random tab, those outside the Basic
# Multilingual Plane too: "T😀Y" typed at the start of a Windows-1252
# collection and saved with Ctrl+S gives a file that holds all three, and
# which has turned UTF-8, since Windows-1252 cannot hold the emoji. Its own
# "é" (0xE9 before) is then the two bytes of UTF-8.
. "$(dirname "$0")/lib.sh"

cp "$(dirname "$PROGRAM")/tagrota_scintilla.so" "$APP/"
printf 'Caf\351 one.\r\n%%\r\nTwo.\r\n' >"$APP/old.txt"
ini SigDuration 60
ini RandomFile "$APP/old.txt"

desktop_start
tagrota_ready
# shellcheck disable=SC2086
click "$MAIN_WIN" $RANDOM_BUTTON
# shellcheck disable=SC2086
click "$MAIN_WIN" $FIXED_EDITOR
sleep 0.3
press ctrl+Home
# Slowly: xdotool types a character that no key has by mapping a spare key to
# it first, and a key pressed before the program has seen the new mapping is
# lost on a busy machine.
xdotool type --delay 250 "T😀Y"
sleep 0.3
press ctrl+s
wait_until 10 sh -c "head -c 6 '$APP/old.txt' | od -An -tx1 | tr -d ' \n' | grep -qx '54f09f988059'" ||
    fail "the typed text was not saved whole: $(bytes "$APP/old.txt")"
printf 'T\360\237\230\200YCaf\303\251 one.\r\n%%\r\nTwo.\r\n' | cmp -s - "$APP/old.txt" ||
    fail "the collection was not saved as UTF-8: $(bytes "$APP/old.txt")"

tagrota_close
echo "ok: an emoji typed into the Random tab was saved, and the collection turned UTF-8"
