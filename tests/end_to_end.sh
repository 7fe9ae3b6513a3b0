#!/bin/sh
# Starts the real program on a virtual X display in a fresh program folder with
# its own settings folder, waits for the first signature, photographs the
# window, ends the program with SIGTERM and checks that every setting was
# written.
#
# usage: end_to_end.sh <tagrota> <screen-grab program> <picture.png>
set -eu
program=$1 grab=$2 picture=$3

# Beside the picture, in the build tree: tagrota hands over only to a window
# program in a place closed to other users' writes, which /tmp is not.
work=$(mktemp -d "$(dirname "$picture")/end-to-end.XXXXXX")
chmod 755 "$work"
trap 'rm -rf "$work"' EXIT
mkdir "$work/app" "$work/config"
cp "$program" "$work/app/tagrota"
cp "$(dirname "$program")/tagrota-window" "$work/app/tagrota-window"

cat > "$work/run.sh" <<'INNER'
#!/bin/sh
set -eu
work=$1 grab=$2 picture=$3
"$work/app/tagrota" &
pid=$!
i=0
while [ ! -s "$work/app/sig.txt" ]; do
    i=$((i + 1))
    if [ $i -gt 200 ]; then echo "no signature file after 20 s"; kill $pid; exit 1; fi
    sleep 0.1
done
"$grab" "$picture"  # once the window has painted
kill -TERM $pid
wait $pid
INNER

# No session bus: the program needs none, and the bus library leaks at exit.
XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=xcb DBUS_SESSION_BUS_ADDRESS=disabled: \
    xvfb-run -a -s "-screen 0 1024x768x24" sh "$work/run.sh" "$work" "$grab" "$picture"

echo "screenshot of the main window: $picture"
ini="$work/config/Tagrota/Tagrota.ini"
status=0
for key in MainLeft MainTop MainWidth MainHeight WrapCount InSysTray SigPath DoWrap \
           RandomFile CurrentFile SigDuration StartMin UseSeq SigLineEnds; do
    if ! grep -q "^$key=" "$ini"; then echo "setting $key was not written"; status=1; fi
done
[ $status -eq 0 ] && echo "all fourteen settings written"
grep -q "^Empty Signature Collection File" "$work/app/collections-political.txt"
exit $status
