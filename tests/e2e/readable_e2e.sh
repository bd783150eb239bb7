#!/usr/bin/env bash
# Every sentence readable on the built program, read back from screenshots by OCR:
#   readable_e2e.sh PATH/TO/dorvane [SCREENSHOT_FOLDER]
# The table's longest sentence shows first the start and later the end of its French, then of
# its English; a pause during a slide or a rise leaves the line whole and at rest; Next while
# paused shows the next sentence at rest and stays paused; Ctrl+Alt+E turns it to English; Exit
# stores a position moved on by exactly one.
set -uo pipefail
program="$1"
source "$(cd "$(dirname "$0")" && pwd)/lib.sh"
e2e_setup "${2:-}"

# Sequence through "The Arts", one play a sentence, starting at its 10th sentence.
e2e_start_with '[French]\nxxx=1\nrd=1\npsave=1\nguage=21\nguagen=12110\nn=1\nleft=5680\n'

at_rest() { left="$(text_left "$1")" && [ "$left" != none ] && [ "$left" -lt 15 ]; }
# OCR only once a line has come to rest: reading a moving one takes it long.
check "the long French line shows its start" \
  wait_until 10 eval 'shot 01-french-start && at_rest 01-french-start && shows_text 01-french-start "Oui, quinze euros" 240'
rest_top="$(text_top 01-french-start)"
check "then its end" wait_until 12 shows_text 02-french-end "vingt heures trente."
# Reading a line on its way up takes OCR long; only a line at rest is read.
risen() { shot "$1" && top="$(text_top "$1")" && [ "$top" != none ] && [ "$top" -le $((rest_top + 1)) ]; }
check "the long English line shows its start" \
  wait_until 9 eval 'risen 03-english-start && shows_text 03-english-start "Yes, it" 240'
check "then its end" wait_until 12 shows_text 04-english-end "8:30 p.m. sharp."

# The next sentence's French slides in: pause it on the way.
sliding() { shot 05-sliding && left="$(text_left 05-sliding)" && [ "$left" != none ] && [ "$left" -gt 30 ]; }
check "the next sentence slides in" wait_until 8 sliding
xdotool key ctrl+alt+space
sleep 1
check "paused during the slide, the line is whole and at rest 1 s later" \
  eval 'shows_text 06-paused-slide "Combien de temps dure la pièce?" && at_rest 06-paused-slide'
sleep 2; shot 07-still-paused
check "and stays so, with the pause sign" eval 'same_text 06-paused-slide 07-still-paused && pause_sign_shown 07-still-paused'
xdotool key ctrl+alt+space

# Its English rises: pause it on the way.
rising() { shot 08-rising && top="$(text_top 08-rising)" && [ "$top" != none ] && [ "$top" -gt $((rest_top + 2)) ]; }
check "resumed, the English rises" wait_until 9 rising
xdotool key ctrl+alt+space
sleep 1
check "paused during the rise, the line is whole and at rest 1 s later" \
  eval 'shows_text 09-paused-rise "How long is the play?" && [ "$(text_top 09-paused-rise)" -le $((rest_top + 1)) ]'

xdotool key ctrl+alt+n
sleep 1
check "Next while paused shows the next sentence at rest" shows_text 10-stepped "Deux heures, avec un entracte."
sleep 2; shot 11-still-stepped
check "and stays paused" eval 'same_text 10-stepped 11-still-stepped && pause_sign_shown 11-still-stepped'
xdotool key ctrl+alt+e
sleep 0.5
check "Ctrl+Alt+E turns it to English" shows_text 12-turned "Two hours, with an intermission."

exit_through_menu
check "Exit stores the position moved on by exactly one" [ "$(setting guagen)" = 12113 ]
e2e_finish
