# Two builds of one commit, in two folders, give the same Debian package, byte
# for byte; where they do not, says which of its files differ.
#
#   sh tests/twin_packages.sh <first.deb> <second.deb>
set -eu
set -- "$(realpath "$1")" "$(realpath "$2")"
cmp -s "$1" "$2" && { echo "ok: $1 and $2 are the same, byte for byte"; exit 0; }
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
for n in 1 2; do
    eval deb=\$$n
    mkdir -p "$WORK/$n/data" "$WORK/$n/control"
    (cd "$WORK/$n" && ar x "$deb" && ar tv "$deb" >members)
    tar -xf "$WORK/$n"/data.tar.* -C "$WORK/$n/data"
    tar -xf "$WORK/$n"/control.tar.* -C "$WORK/$n/control"
    tar -tvf "$WORK/$n"/data.tar.* >"$WORK/$n/listing"
done
echo "FAIL: two builds of one commit gave different packages:"
diff "$WORK/1/members" "$WORK/2/members" || true
diff "$WORK/1/listing" "$WORK/2/listing" || true
diff -rq "$WORK/1/data" "$WORK/2/data" || true
diff -rq "$WORK/1/control" "$WORK/2/control" || true
exit 1
