# The scroll bars of the Settings tab answer the arrow keys the way their
# arrows point: Right raises the value, Left lowers it.
. "$(dirname "$0")/lib.sh"

desktop_start
ini DoWrap True
ini WrapCount 65
ini SigDuration 20
tagrota_start
xdotool windowactivate --sync "$MAIN_WIN"
press alt+s  # the Settings menu: the Settings tab
# Into the path box of the signature file, then along the tab order past
# its browse button and the other one to the wrap width's bar.
click "$MAIN_WIN" 40 316
press Tab Tab Tab
press Right Right
press Tab  # the duration's bar
press Right Right Right Left
tagrota_close
[ "$(ini_value WrapCount)" = 67 ] || fail "two Rights on the wrap width gave $(ini_value WrapCount), not 67"
[ "$(ini_value SigDuration)" = 22 ] || fail "three Rights and a Left on the duration gave $(ini_value SigDuration), not 22"
echo "ok: Right raises and Left lowers both scroll bars"
