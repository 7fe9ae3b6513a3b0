#!/bin/sh
# Checks an installed copy of Tagrota the way a desktop and a user meet it: the
# files in their places, the desktop entry and the software-centre metadata
# valid, and the program, started from its installed place by a user with a
# fresh home, keeping its files in that user's data folder.
#
# usage: installed_copy.sh install <cmake build folder>
#        installed_copy.sh package <tagrota_*.deb>
#   install: installs the build into a temporary prefix.
#   package: unpacks the package into a throw-away root; with APT_INSTALL=1
#            (CI, as root) also installs it on this machine with apt-get,
#            runs /usr/bin/tagrota, and removes it again.
set -eu
mode=$1 what=$2
here=$(cd "$(dirname "$0")" && pwd)
id=io.github.tagrota.Tagrota
# The multiarch library folder, which holds the Scintilla module.
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)

# An installed copy counts as one only where every folder above its files is
# owned by root or this user and closed to other users' writes, as /usr is:
# the copy goes into the build tree where that holds, into the user's cache
# folder where the tree is under a shared folder such as /tmp.
trusted() {
    d=$(realpath "$1")
    while :; do
        owner=$(stat -c %u "$d")
        { [ "$owner" = 0 ] || [ "$owner" = "$(id -u)" ]; } || return 1
        [ -z "$(find "$d" -maxdepth 0 -perm /022)" ] || return 1
        [ "$d" = / ] && return 0
        d=$(dirname "$d")
    done
}
case $mode in
install) near=$what ;;
*) near=$(dirname "$(realpath "$what")") ;;
esac
if ! trusted "$near"; then
    near="${XDG_CACHE_HOME:-$HOME/.cache}"
    mkdir -p "$near"
fi
work=$(mktemp -d "$near/installed-copy.XXXXXX")
chmod 755 "$work"
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL: $*"; exit 1; }

# The program in <root>/usr must lay out its files as the desktop expects.
check_layout() {
    (cd "$1" && find usr -type f | LC_ALL=C sort) > "$work/files"
    cat > "$work/expected" <<LIST
usr/bin/tagrota
usr/lib/$multiarch/tagrota/tagrota-window
usr/lib/$multiarch/tagrota/tagrota_scintilla.so
usr/share/applications/$id.desktop
usr/share/doc/tagrota/changelog.gz
usr/share/doc/tagrota/copyright
usr/share/icons/hicolor/16x16/apps/$id.png
usr/share/icons/hicolor/256x256/apps/$id.png
usr/share/icons/hicolor/32x32/apps/$id.png
usr/share/icons/hicolor/48x48/apps/$id.png
usr/share/icons/hicolor/scalable/apps/$id.svg
usr/share/man/man1/tagrota.1.gz
usr/share/metainfo/$id.metainfo.xml
usr/share/tagrota/index.html
usr/share/tagrota/tab0.rtf
usr/share/tagrota/tab1.rtf
usr/share/tagrota/tab2.rtf
usr/share/tagrota/tab3.rtf
LIST
    diff -u "$work/expected" "$work/files" || fail "installed files differ"
    desktop-file-validate "$1/usr/share/applications/$id.desktop" || fail "desktop entry"
    grep -qx "Icon=$id" "$1/usr/share/applications/$id.desktop" || fail "desktop entry icon"
    appstreamcli validate --no-net "$1/usr/share/metainfo/$id.metainfo.xml" || fail "metadata"
    # QScintilla is loaded with the Scintilla module, when the Random tab is
    # first shown, not at every start.
    # The command line (--print, --rotate) loads no GUI library: Qt is the
    # window program's alone.
    readelf -d "$1/usr/bin/tagrota" | grep NEEDED | grep -qi -e qt6 -e qscintilla &&
        fail "the command line links Qt"
    readelf -d "$1/usr/lib/$multiarch/tagrota/tagrota-window" | grep NEEDED | grep -q qscintilla &&
        fail "the window program links QScintilla itself"
    readelf -d "$1/usr/lib/$multiarch/tagrota/tagrota_scintilla.so" | grep NEEDED | grep -q qscintilla ||
        fail "the Scintilla module does not link QScintilla"
}

# Runs <program> as a user with a fresh home (no XDG variables), waits for the
# first signature, ends it with SIGTERM and checks where its files went. With
# a second argument "x11" the program runs in a real window on a virtual X
# display, otherwise offscreen.
check_run() {
    program=$1
    home=$(mktemp -d "$work/home.XXXXXX")
    data="$home/.local/share/Tagrota"
    cat > "$work/run.sh" <<'INNER'
set -eu
"$PROGRAM" &
pid=$!
i=0
while [ ! -s "$DATA/sig.txt" ]; do
    i=$((i + 1))
    if [ $i -gt 300 ]; then kill $pid; echo "no signature in $DATA after 30 s"; exit 1; fi
    sleep 0.1
done
kill -TERM $pid
wait $pid
INNER
    if [ "${2:-}" = x11 ]; then
        runner="xvfb-run -a" platform=xcb
    else
        runner="" platform=offscreen
    fi
    env -u XDG_CONFIG_HOME -u XDG_DATA_HOME -u XDG_RUNTIME_DIR HOME="$home" \
        QT_QPA_PLATFORM=$platform DBUS_SESSION_BUS_ADDRESS=disabled: \
        PROGRAM="$program" DATA="$data" $runner sh "$work/run.sh" ||
        fail "$program did not write its signature and end cleanly"
    [ -s "$data/collections-political.txt" ] || fail "no default collection in $data"
    grep -q "^CurrentFile=$data/sig.txt" "$home/.config/Tagrota/Tagrota.ini" ||
        fail "settings do not name the data folder"
    for f in sig.txt collections-political.txt fixed.txt; do
        [ ! -e "$(dirname "$program")/$f" ] || fail "$f written beside $program"
    done
    echo "ok: $program keeps its files in $data"
}

case $mode in
install)
    cmake --install "$what" --prefix "$work/root/usr" > /dev/null
    check_layout "$work/root"
    check_run "$work/root/usr/bin/tagrota"
    ;;
package)
    dpkg-deb -x "$what" "$work/root"
    check_layout "$work/root"
    depends=$(dpkg-deb -f "$what" Depends)
    for lib in libqt6core6 libqt6gui6 libqt6widgets6 libqscintilla2-qt6 libc6; do
        echo "$depends" | grep -q "$lib" || fail "the package does not depend on $lib"
    done
    check_run "$work/root/usr/bin/tagrota" x11
    if [ "${APT_INSTALL:-0}" = 1 ]; then
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$(realpath "$what")" > /dev/null
        check_run /usr/bin/tagrota x11
        DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq --purge tagrota > /dev/null
        [ ! -e /usr/bin/tagrota ] && [ ! -e /usr/share/tagrota ] || fail "files left after removal"
        echo "ok: installed and removed with apt-get"
    fi
    ;;
*) fail "unknown mode $mode" ;;
esac
