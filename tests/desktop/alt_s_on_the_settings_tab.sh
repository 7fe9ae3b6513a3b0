# On the Settings tab, Alt+S is the Settings menu's key: it leaves the focus
# where it was (here on the wrap width's bar, which Right then moves) and does
# not go to the "Start Minimized" check box.
. "$(dirname "$0")/lib.sh"

desktop_start
ini DoWrap True
ini WrapCount 65
tagrota_start
xdotool windowactivate --sync "$MAIN_WIN"
press alt+s  # the Settings menu: the Settings tab
# Into the path box of the signature file, then along the tab order past its
# browse button and the other one to the wrap width's bar.
click "$MAIN_WIN" 40 316
press Tab Tab Tab
press alt+s
press Right
tagrota_close
[ "$(ini_value StartMin)" = False ] || fail "Alt+S on the Settings tab changed Start Minimized"
[ "$(ini_value WrapCount)" = 66 ] ||
    fail "after Alt+S on the Settings tab, Right gave the wrap width $(ini_value WrapCount), not 66: the focus left the bar"
echo "ok: Alt+S on the Settings tab is the Settings menu's"
