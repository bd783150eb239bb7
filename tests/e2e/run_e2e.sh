#!/usr/bin/env bash
# Drives the built program like a learner would, on a private X display with openbox:
#   run_e2e.sh PATH/TO/dorvane [SCREENSHOT_FOLDER]
# Start-up (splash, then the bar at the top), the welcome text, the first French sentence,
# the hover menu, the settings dialog and what it changes, Exit, the next start, and a
# second copy that ends at once.
set -uo pipefail
program="$1"
source "$(cd "$(dirname "$0")" && pwd)/lib.sh"
e2e_setup "${2:-}"

# --- First start -------------------------------------------------------------------------
started=$(date +%s%N)
"$program" >"$work/first.log" 2>&1 &
pid=$!
check "the splash shows within a second, before the bar" \
  wait_until 1 viewable Version
viewable "$BAR" && bar_early=yes || bar_early=no
check "the bar is still hidden while the splash shows" [ "$bar_early" = no ]
shot 01-splash
check "the splash shows its picture" [ "$(mean_brightness 01-splash 210x280+445+264)" -gt 150 ]

check "the bar appears at the top within two seconds" wait_until 2 viewable "$BAR"
check "the splash has closed when the bar shows" wait_until 1 bash -c "! xwininfo -root -tree | grep -q '\"Version\"'"
check "the bar sits at x 379 on the top edge, 477 x 23" [ "$(geometry "$BAR")" = "379,0 477x23" ]
sleep 0.2; shot 02-welcome-a
sleep 0.5; shot 03-welcome-b
a="$(text_left 02-welcome-a)"; b="$(text_left 03-welcome-b)"
check "the welcome text moves to the left ($a -> $b)" \
  eval '[ "$a" != none ] && [ "$b" != none ] && [ "$b" -lt "$a" ]'

elapsed=$(( ($(date +%s%N) - started) / 1000000 ))
sleep "$(awk -v e="$elapsed" 'BEGIN{s=(4700-e)/1000; print (s>0?s:0)}')"
shot 04-french-arriving
sleep 2.8; shot 05-french-in
c="$(text_left 04-french-arriving)"; d="$(text_left 05-french-in)"
check "a French sentence slides in after about 4 s ($c -> $d)" \
  eval '[ "$c" != none ] && [ "$d" != none ] && [ "$c" -gt 60 ] && [ "$d" -lt 15 ]'
check "Peedy is on the screen" viewable Peedy

# --- The menu and the settings dialog ------------------------------------------------------
xdotool mousemove 845 12; sleep 0.1; xdotool mousemove 846 13
check "hovering the picture opens the menu" wait_until 2 bash -c \
  "import -window root '$shots/06-menu.png' && [ \$(convert '$shots/06-menu.png' -crop 60x40+780+30 +repage -colorspace gray -format '%[fx:int(mean*255)]' info:) -gt 150 ]"
xdotool key s
check "Settings... opens the dialog" wait_until 2 viewable "Setting..."
dialog="$(window_id "Setting...")"
read -r dx dy < <(xwininfo -id "$dialog" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4} END{print x, y}')
click() { xdotool mousemove $((dx + $1)) $((dy + $2)) click 1; sleep 0.15; }
click 30 86     # "The family"
click 31 279    # "Sequence"
click 124 338   # French time up: 6
click 124 338   # and 7
click 132 324   # plays per sentence down: 1
click 198 318   # "Auto Hide"
shot 07-dialog
xdotool windowactivate --sync "$dialog" key --clearmodifiers alt+F4
check "closing the dialog applies and stores the choices" wait_until 2 bash -c \
  "grep -q '^guage=3' '$settings' && grep -q '^rd=1' '$settings' && grep -q '^etime=7' '$settings' && grep -q '^visi=1' '$settings'"
xdotool mousemove 500 400
check "auto-hide now folds the bar to a strip when the pointer leaves" \
  wait_until 2 bash -c "xwininfo -id $(window_id "$BAR") | grep -q 'Height: 1$'"
shot 08-collapsed
xdotool mousemove 600 0
check "the strip opens again from the top edge" \
  wait_until 2 bash -c "xwininfo -id $(window_id "$BAR") | grep -q 'Height: 23$'"

# --- Exit, and the next start --------------------------------------------------------------
# With one play per sentence the sequence moves on within a cycle of 7 + 3 seconds.
sleep 10.5
xdotool mousemove 600 0
xdotool mousemove 845 12; sleep 0.1; xdotool mousemove 846 13; sleep 0.6
xdotool key Up Return
check "Exit ends the program" wait_until 3 bash -c "! kill -0 $pid 2>/dev/null"
pid=""
first_position="$(setting guagen)"
check "Exit keeps the bar's place and the sequence position (guagen $first_position)" \
  eval '[ "$(setting left)" = 5680 ] && [ "${first_position:-0}" -gt 10301 ] && [ "$first_position" -le 10335 ]'

"$program" >"$work/second.log" 2>&1 &
pid=$!
check "the next start shows the bar again" wait_until 3 viewable "$BAR"
"$program" >"$work/third.log" 2>&1 &
third=$!
check "a second copy ends at once" wait_until 2 bash -c "! kill -0 $third 2>/dev/null"
wait "$third"; third_status=$?
# Only the copies this test started count: other copies may run on the machine.
check "the second copy ends cleanly, leaving the first running" \
  eval '[ "$third_status" = 0 ] && kill -0 "$pid" 2>/dev/null'
sleep 4.5
xdotool mousemove 600 0; sleep 0.3; xdotool mousemove 845 12; sleep 0.1; xdotool mousemove 846 13; sleep 0.6
xdotool key Up Return
wait_until 3 bash -c "! kill -0 $pid 2>/dev/null"
pid=""
last_position="$(setting guagen)"
check "the settings were kept, and the sequence went on from where it stopped ($last_position)" \
  eval '[ "$(setting guage)" = 3 ] && [ "$(setting visi)" = 1 ] && [ "$last_position" = $((first_position + 1)) ]'

e2e_finish
