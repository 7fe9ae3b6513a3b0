# The program under a real window manager: its window appears, the first
# signature is written, and the window manager's close ends it with every
# setting written.
. "$(dirname "$0")/lib.sh"

desktop_start
tagrota_start
wait_until 20 test -s "$APP/sig.txt" || fail "no signature written"
tagrota_close
for key in MainLeft MainTop MainWidth MainHeight SigDuration; do
    [ -n "$(ini_value $key)" ] || fail "setting $key was not written"
done
echo "ok: started under openbox, wrote a signature, closed with every setting"
