#!/bin/sh
# mutt sends a message with Tagrota's signature: once from the signature file
# the running program wrote, and from `tagrota --print|` beside that running
# copy and with none. mutt leaves the
# signature out in batch mode, so it runs as a user runs it, on a terminal
# (script(1) gives it one): its editor is a stand-in that types a line at the
# end of the draft, below the signature, and "y" sends. A sendmail stand-in
# keeps each message as a file. Every message must hold no CR, mutt's "-- "
# line right above the fixed signature, and the typed line on a line of its
# own, not joined to the signature's last line.
#
# usage: mutt_signature.sh <tagrota>
set -eu
program=$(realpath "$1")

command -v mutt >/dev/null || { echo "FAIL: mutt is missing (tools/install-deps installs it)"; exit 1; }

# Beside the program, not in /tmp: the launcher starts no window program from
# a folder every user can write to.
work=$(mktemp -d "$(dirname "$program")/mutt.XXXXXX")
pid=''
cleanup() {
    [ -z "$pid" ] || kill "$pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    printf 'FAIL: %s\n' "$*"
    exit 1
}

app="$work/app"
mkdir -p "$app" "$work/config/Tagrota" "$work/data" "$work/runtime" "$work/sent" "$work/Mail"
chmod 700 "$work/runtime"
cp "$program" "$app/tagrota"
cp "$(dirname "$program")/tagrota-window" "$app/tagrota-window"
export HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" \
    XDG_RUNTIME_DIR="$work/runtime" DBUS_SESSION_BUS_ADDRESS=disabled:

# Windows line ends in both files, as a user's files from elsewhere may have.
printf 'Alan Kay\r\nhttps://example.org/' >"$app/fixed.txt"
printf 'The best way to predict the future\r\nis to invent it.\r\n%%\r\n' >"$app/quotes.txt"
printf '[Settings]\nRandomFile=%s\nSigDuration=5\n' "$app/quotes.txt" \
    >"$work/config/Tagrota/Tagrota.ini"

# The stand-ins: sendmail keeps the message, the editor types below the draft.
cat >"$work/sendmail" <<EOF
#!/bin/sh
cat >"$work/sent/\$\$.part"
mv "$work/sent/\$\$.part" "$work/sent/\$\$.eml"
EOF
cat >"$work/editor" <<EOF
#!/bin/sh
printf 'Typed below.\n' >>"\$1"
touch "$work/edited"
EOF
chmod +x "$work/sendmail" "$work/editor"
printf 'Hello.\n' >"$work/body.txt"

# wait_for <seconds> <command...>: polls every 100 ms.
wait_for() {
    limit=$(($1 * 10))
    shift
    i=0
    until "$@" 2>/dev/null; do
        i=$((i + 1))
        [ $i -le $limit ] || return 1
        sleep 0.1
    done
}
sent_one() { ls "$work"/sent/*.eml >/dev/null 2>&1; }

# send <signature setting> <name>: one message, kept as sent/<name>.mail.
send() {
    cat >"$work/muttrc" <<EOF
set sendmail="$work/sendmail"
set signature="$1"
set from="user@example.org"
set use_from=yes
set record=""
set postpone=no
set charset="utf-8"
set send_charset="utf-8"
set sig_dashes=yes
set editor="$work/editor"
set edit_headers=yes
set autoedit=yes
EOF
    rm -f "$work/edited"
    # "y" once the draft is edited, then the terminal stays open until the
    # message is out.
    {
        wait_for 30 test -e "$work/edited" && sleep 0.5 && printf y
        wait_for 30 sent_one || true
    } | TERM=vt100 timeout 90 script -qec \
        "mutt -n -F '$work/muttrc' -s Tagrota -i '$work/body.txt' friend@example.org" \
        /dev/null >"$work/screen.log" 2>&1 || true
    sent_one || fail "mutt sent nothing ($2): $(tr -c '[:print:]\n' ' ' <"$work/screen.log" | tail -c 600)"
    mv "$work"/sent/*.eml "$work/sent/$2.mail"
}

# check <name>: the message as the signature must leave it.
check() {
    message="$work/sent/$1.mail"
    ! grep -q "$(printf '\r')" "$message" || fail "a CR in the message ($1): $(od -c "$message" | tail -20)"
    body=$(sed '1,/^$/d' "$message")
    printf '%s\n' "$body" | grep -A1 -x -- '-- ' | grep -qx 'Alan Kay' ||
        fail "no '-- ' line right above the fixed signature ($1):
$body"
    # What is typed below the signature starts on a line of its own.
    printf '%s\n' "$body" | grep -A1 -x 'is to invent it.' | grep -qx 'Typed below.' ||
        fail "the line typed below the signature is not on a line of its own ($1):
$body"
}

# The signature file, as the running program wrote it.
QT_QPA_PLATFORM=offscreen "$app/tagrota" >"$work/program.log" 2>&1 &
pid=$!
wait_for 30 test -s "$app/sig.txt" || fail "no signature file after 30 s: $(cat "$work/program.log")"
send "$app/sig.txt" file
check file

# A fresh signature for the message, from the command, beside the running
# copy: it gives the collection that copy uses, even when the settings file
# (written at closing) names another.
printf 'Another collection.\r\n%%\r\n' >"$app/other.txt"
printf '[Settings]\nRandomFile=%s\nSigDuration=5\n' "$app/other.txt" \
    >"$work/config/Tagrota/Tagrota.ini"
send "$app/tagrota --print|" running
check running
kill -TERM "$pid"
wait "$pid" || fail "the program did not end cleanly: $(cat "$work/program.log")"
pid=''

# With no running copy, from the files: the closing wrote the collection in use.
send "$app/tagrota --print|" print
check print

echo "ok: mutt sent Tagrota's signature from the file and from --print (beside a running copy and alone), as Unix text"
