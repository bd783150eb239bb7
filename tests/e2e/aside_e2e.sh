#!/usr/bin/env bash
# The bar away, on the built program under a private X display with openbox:
#   aside_e2e.sh PATH/TO/dorvane [SCREENSHOT_FOLDER]
# With step_aside=1, a window made full screen hides the bar and Peedy within a second, and
# the bar is back within a second of that window leaving full screen or closing.
# "dorvane --snooze 1" hides them and they come back by themselves about a minute later.
set -uo pipefail
program="$1"
source "$(cd "$(dirname "$0")" && pwd)/lib.sh"
e2e_setup "${2:-}"

bar_hidden() { ! viewable "$BAR"; }
bar_shown() { viewable "$BAR"; }
peedy_hidden() { ! viewable Peedy; }

e2e_start_with '[French]\nxxx=1\nce=1\nn=5\nctime=3\netime=5\nrd=1\nvisi=0\nvoice=1\nguage=3\nguagen=10301\nleft=5680\n[Bar]\nstep_aside=1\n'
check "Peedy shows" wait_until 5 viewable Peedy
sleep 4 # past the welcome
shot 01-playing
placed="$(geometry "$BAR")"

xmessage -title "Full window" "a video" &
video=$!
managed() { wmctrl -l 2>/dev/null | grep -q "Full window"; }
wait_until 3 managed # openbox has it in its list
wmctrl -a "Full window"
wmctrl -r "Full window" -b add,fullscreen
check "a full-screen window hides the bar within a second" wait_until 1 bar_hidden
check "and Peedy" wait_until 1 peedy_hidden
shot 02-full-screen
wmctrl -r "Full window" -b remove,fullscreen
check "leaving full screen brings the bar back within a second" wait_until 1 bar_shown
check "and Peedy" wait_until 1 viewable Peedy
check "the bar is back at its place ($placed)" [ "$(geometry "$BAR")" = "$placed" ]
shot 03-back
wmctrl -r "Full window" -b add,fullscreen
check "full screen again: the bar steps aside again" wait_until 1 bar_hidden
kill "$video"
check "the window closing brings the bar back within a second" wait_until 1 bar_shown
sleep 2
check "and the sentence plays on" changes_within 9000 03-back 04-playing-on

"$program" --snooze 0 2>"$work/zero.err"
check "--snooze 0 is refused (exit 2)" [ $? = 2 ]
snoozed=$(now_ms)
"$program" --snooze 1
check "--snooze 1 is taken (exit 0)" [ $? = 0 ]
check "the snooze hides the bar within a second" wait_until 1 bar_hidden
check "and Peedy" wait_until 1 peedy_hidden
check "the snooze's end is stored" [ "$(setting snoozed_until)" -gt "$(date +%s)" ]
shot 05-snoozed
check "the bar stays away for most of the minute" eval '! wait_until 45 bar_shown'
check "and is back about a minute after the snooze" wait_until 20 bar_shown
back=$(( ($(now_ms) - snoozed) / 1000 ))
check "after ${back} s" [ "$back" -ge 58 ]
check "Peedy with it" wait_until 1 viewable Peedy
check "the stored snooze is cleared" [ "$(setting snoozed_until)" = 0 ]
shot 06-awake

"$program" --exit
wait_until 3 bash -c "! kill -0 $pid 2>/dev/null"
pid=""
"$program" --wake 2>"$work/nocopy.err"
check "with no copy running, --wake fails (exit 1)" [ $? = 1 ]
check "and says so" grep -q "no copy" "$work/nocopy.err"
e2e_finish
