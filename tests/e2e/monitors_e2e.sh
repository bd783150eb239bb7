#!/usr/bin/env bash
# The bar on a desktop of two monitors, made with xrandr on one wide Xvfb screen:
#   monitors_e2e.sh PATH/TO/dorvane [SCREENSHOT_FOLDER]
# Let go on the right monitor, the bar goes to that monitor's top edge and starts there again;
# keeping the top strip, a maximised window on that monitor starts below the bar; at Whole width
# the bar spans its monitor; with Larger text it is taller. Peedy, moved, starts where he was left.
set -uo pipefail
program="$1"
export E2E_SCREEN=2048x768x24
source "$(cd "$(dirname "$0")" && pwd)/lib.sh"
e2e_setup "${2:-}"
xrandr --setmonitor LEFT 1024/271x768/203+0+0 screen >/dev/null 2>&1
xrandr --setmonitor RIGHT 1024/271x768/203+1024+0 none >/dev/null 2>&1
check "two monitors on the screen" bash -c "xrandr --listmonitors | grep -q '^Monitors: 2'"
french='[French]\nxxx=1\nrd=1\nleft=5680\n'

# The bar at x,y with the pointer held on it moves by steps to X,Y and is let go there; the
# program samples the pointer every 60 ms.
drag_bar() { # drag_bar FROM_X FROM_Y TO_X TO_Y
  xdotool mousemove "$1" "$2"; sleep 0.3
  xdotool mousedown 1; sleep 0.2
  local i
  for i in 1 2 3 4 5 6 7 8; do
    xdotool mousemove $(($1 + ($3 - $1) * i / 8)) $(($2 + ($4 - $2) * i / 8)); sleep 0.1
  done
  # The drag follows the pointer as last sampled: one more small move once it is there.
  sleep 0.3; xdotool mousemove_relative 1 0; sleep 0.2; xdotool mousemove_relative -- -1 0; sleep 0.3
  xdotool mouseup 1
}
# Exit through the hover menu of a bar whose left edge is at X.
exit_at() {
  xdotool mousemove $(($1 + 100)) 40; sleep 0.3
  xdotool mousemove $(($1 + 466)) 12; sleep 0.1; xdotool mousemove $(($1 + 467)) 13; sleep 0.6
  xdotool key Up Return
  wait_until 3 bash -c "! kill -0 $pid 2>/dev/null"
  pid=""
}
strut() { xprop -id "$(window_id "$BAR")" _NET_WM_STRUT_PARTIAL; }

e2e_start_with "$french" 10
check "the bar starts on the primary monitor as ever" [ "$(geometry "$BAR")" = "379,0 477x23" ]
check "Peedy shows" wait_until 10 viewable Peedy
check "no strip is kept by default" bash -c "! xprop -id $(window_id "$BAR") | grep -q _NET_WM_STRUT"
sleep 1
drag_bar 400 10 1500 300
on_right_top() {
  local x y
  IFS=', x' read -r x y _ <<<"$(geometry "$BAR")"
  [ "$x" -ge 1024 ] && [ $((x + 477)) -le 2048 ] && [ "$y" = 0 ]
}
check "let go on the right monitor, the bar is on its top edge ($(geometry "$BAR"))" \
  wait_until 3 on_right_top
placed="$(geometry "$BAR")"
bar_x="${placed%%,*}"
check "which is remembered (monitor: $(setting monitor))" [ "$(setting monitor)" = "RIGHT 1024x768+1024+0" ]
on_right() { local x; IFS=', x' read -r x _ <<<"$(geometry Peedy)"; [ "$x" -ge 1024 ]; }
check "Peedy goes to the right monitor's corner" wait_until 3 on_right
shot right-monitor
# The learner moves Peedy up and to the left on that monitor, by his body.
IFS=', x' read -r px py _ <<<"$(geometry Peedy)"
xdotool mousemove $((px + 356)) $((py + 150)); sleep 0.2; xdotool mousedown 1; sleep 0.2
xdotool mousemove $((px + 256)) $((py + 50)); sleep 0.2
xdotool mousemove $((px + 56)) $((py - 150)); sleep 0.3; xdotool mouseup 1; sleep 0.3
peedy_left="$(geometry Peedy)"
check "where Peedy is left is kept ($(setting peedy))" \
  [ "$(setting peedy)" = "\"RIGHT $((px - 300 - 1024)),$((py - 300))\"" ] # quoted for its comma
exit_at "$bar_x"
check "the left edge is kept from the monitor's own left ($(setting left))" \
  [ "$(setting left)" = $(((bar_x - 1024) * 15)) ]

start_program "$program" "$work/log"
check "started again, the bar is back on the right monitor" \
  wait_until 10 eval '[ "$(geometry "$BAR")" = "$placed" ]'
check "and Peedy where he was left ($(geometry Peedy))" \
  wait_until 3 eval '[ "$(geometry Peedy)" = "$peedy_left" ]'
exit_at "$bar_x"

sed -i 's/^\[Bar\]$/[Bar]\nreserve=1/' "$settings"
start_program "$program" "$work/log"
check "keeping the top strip, the bar shows" wait_for_bar 10
check "its strut covers the right monitor's top 23 rows ($(strut))" \
  wait_until 3 eval '[ "$(strut)" = "_NET_WM_STRUT_PARTIAL(CARDINAL) = 0, 0, 23, 0, 0, 0, 0, 0, 1024, 2047, 0, 0" ]'
xmessage -title Work -geometry 300x100+1200+200 "a learner's own window" 2>/dev/null &
work_pid=$!
wait_until 5 viewable Work
wmctrl -r Work -b add,maximized_vert,maximized_horz
sleep 1
below_bar() { local x y; IFS=', x' read -r x y _ <<<"$(geometry Work)"; [ "$x" -ge 1024 ] && [ "$y" -ge 23 ]; }
check "a maximised window on that monitor starts below the bar ($(geometry Work))" wait_until 3 below_bar
shot top-strip-kept
kill "$work_pid" 2>/dev/null
exit_at "$bar_x"

sed -i 's/^reserve=1$/reserve=0\nwidth=2/' "$settings"
start_program "$program" "$work/log"
check "at Whole width the bar spans its monitor" \
  wait_until 10 eval '[ "$(geometry "$BAR")" = "1024,0 1024x23" ]'
check "and keeps no strip once that is off" bash -c "! xprop -id $(window_id "$BAR") | grep -q _NET_WM_STRUT"
shot whole-width
exit_at $((2048 - 477))

sed -i 's/^width=2$/width=0\ntext_size=2/' "$settings"
start_program "$program" "$work/log"
# Whole width took the bar to its monitor's left edge, where it stays.
check "with Larger text the bar is half as tall again" \
  wait_until 10 eval '[ "$(geometry "$BAR")" = "1024,0 477x34" ]'
sleep 4
shot larger-text
xrandr --delmonitor RIGHT >/dev/null 2>&1
check "its monitor unplugged, the bar goes to the primary one at once" \
  wait_until 5 eval '[ "$(geometry "$BAR")" = "0,0 477x34" ]'
shot unplugged
xrandr --setmonitor RIGHT 1024/271x768/203+1024+0 none >/dev/null 2>&1
check "and back when it returns" wait_until 5 eval '[ "$(geometry "$BAR")" = "1024,0 477x34" ]'

e2e_finish
