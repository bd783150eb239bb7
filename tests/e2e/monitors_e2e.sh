#!/usr/bin/env bash
# The bar on two monitors made with xrandr on one wide Xvfb screen:
#   monitors_e2e.sh PATH/TO/dorvane [SCREENSHOT_FOLDER]
# Let go on the right monitor, the bar goes to its top edge and starts there again, Peedy where
# he was left; a kept top strip keeps a maximised window below the bar; at Whole width and
# Larger text the bar spans its monitor, taller; unplugged, the monitor sends it to the primary.
set -uo pipefail
program="$1"
export E2E_SCREEN=2048x768x24
source "$(cd "$(dirname "$0")" && pwd)/lib.sh"
e2e_setup "${2:-}"
monitor() { xrandr --setmonitor "$1" "1024/271x768/203+$2+0" "$3" >/dev/null 2>&1; }
monitor LEFT 0 screen
monitor RIGHT 1024 none
check "two monitors on the screen" bash -c "xrandr --listmonitors | grep -q '^Monitors: 2'"

# Press at FROM, move by steps to TO, let go; the program follows the pointer as it samples it
# every 60 ms, so the pointer rests and nudges once at the end.
drag() { # drag FROM_X FROM_Y TO_X TO_Y
  xdotool mousemove "$1" "$2" sleep 0.3 mousedown 1 sleep 0.2
  local i
  for i in 1 2 3 4 5 6 7 8; do
    xdotool mousemove $(($1 + ($3 - $1) * i / 8)) $(($2 + ($4 - $2) * i / 8)) sleep 0.1
  done
  xdotool sleep 0.3 mousemove_relative 1 0 sleep 0.2 mousemove_relative -- -1 0 sleep 0.3 mouseup 1
}
exit_at() { # through the hover menu of a bar whose left edge is at X
  xdotool mousemove $(($1 + 100)) 40 sleep 0.3 mousemove $(($1 + 466)) 12 sleep 0.1 \
    mousemove $(($1 + 467)) 13 sleep 0.6 key Up Return
  wait_until 3 bash -c "! kill -0 $pid 2>/dev/null"
  pid=""
}
xy() { IFS=', x' read -r x y _ <<<"$(geometry "$1")"; }
strut() { xprop -id "$(window_id "$BAR")" _NET_WM_STRUT_PARTIAL; }

e2e_start_with '[French]\nxxx=1\nrd=1\nleft=5680\n' 10
check "the bar starts on the primary monitor as ever" [ "$(geometry "$BAR")" = "379,0 477x23" ]
check "Peedy shows" wait_until 10 viewable Peedy
check "no strip is kept" bash -c "! xprop -id $(window_id "$BAR") | grep -q _NET_WM_STRUT"
sleep 1
drag 400 10 1500 300
on_right_top() { xy "$BAR"; [ "$x" -ge 1024 ] && [ $((x + 477)) -le 2048 ] && [ "$y" = 0 ]; }
check "let go on the right monitor, the bar is on its top edge" wait_until 3 on_right_top
placed="$(geometry "$BAR")" && bar_x="${placed%%,*}"
check "which is remembered ($(setting monitor))" [ "$(setting monitor)" = "RIGHT 1024x768+1024+0" ]
check "Peedy goes to the right monitor's corner" wait_until 3 eval 'xy Peedy; [ "$x" -ge 1024 ]'
shot right-monitor
xy Peedy && drag $((x + 356)) $((y + 150)) $((x + 56)) $((y - 150)) # by his body
peedy_left="$(geometry Peedy)"
check "where Peedy is left is kept ($(setting peedy))" \
  [ "$(setting peedy)" = "\"RIGHT $((x - 300 - 1024)),$((y - 300))\"" ] # quoted for its comma
exit_at "$bar_x"
check "left counts from the monitor's left edge ($(setting left))" \
  [ "$(setting left)" = $(((bar_x - 1024) * 15)) ]

sed -i 's/^\[Bar\]$/[Bar]\nreserve=1/' "$settings"
start_program "$program" "$work/log"
check "started again, the bar is on the right monitor" \
  wait_until 10 eval '[ "$(geometry "$BAR")" = "$placed" ]'
check "Peedy where he was left" wait_until 3 eval '[ "$(geometry Peedy)" = "$peedy_left" ]'
check "the kept strip is the right monitor's top 23 rows ($(strut))" wait_until 3 eval \
  '[ "$(strut)" = "_NET_WM_STRUT_PARTIAL(CARDINAL) = 0, 0, 23, 0, 0, 0, 0, 0, 1024, 2047, 0, 0" ]'
xmessage -title Work -geometry 300x100+1200+200 "a learner's own window" 2>/dev/null &
work_pid=$!
wait_until 5 viewable Work
wmctrl -r Work -b add,maximized_vert,maximized_horz
check "a window maximised on that monitor is below the bar" \
  wait_until 3 eval 'xy Work; [ "$x" -ge 1024 ] && [ "$y" -ge 23 ]'
shot top-strip-kept
kill "$work_pid" 2>/dev/null
exit_at "$bar_x"

sed -i 's/^reserve=1$/reserve=0\nwidth=2\ntext_size=2/' "$settings"
start_program "$program" "$work/log"
check "at Whole width and Larger text the bar spans its monitor, half as tall again" \
  wait_until 10 eval '[ "$(geometry "$BAR")" = "1024,0 1024x34" ]'
check "the strip is kept no more" bash -c "! xprop -id $(window_id "$BAR") | grep -q _NET_WM_STRUT"
sleep 3
shot whole-width-larger-text
xrandr --delmonitor RIGHT >/dev/null 2>&1
check "its monitor unplugged, the bar goes to the primary one" \
  wait_until 5 eval '[ "$(geometry "$BAR")" = "0,0 1024x34" ]'
shot unplugged
monitor RIGHT 1024 none
check "and back when it returns" wait_until 5 eval '[ "$(geometry "$BAR")" = "1024,0 1024x34" ]'

e2e_finish
