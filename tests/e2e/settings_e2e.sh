#!/usr/bin/env bash
# The Settings dialog as a learner uses it: numbers typed into its boxes are kept, and it closes
# with its own OK button or Esc also where no window manager draws a close box:
#   settings_e2e.sh PATH/TO/dorvane [SCREENSHOT_FOLDER]
set -uo pipefail
program="$1"
source "$(cd "$(dirname "$0")" && pwd)/lib.sh"
e2e_setup "${2:-}"

# open_settings: hover the bar's picture, choose Settings... with its key.
open_settings() {
  xdotool mousemove 700 300; sleep 0.3; hover_menu_picture; sleep 0.6
  xdotool key s
  wait_until 3 viewable "Setting..."
}
dialog_closed() { ! xwininfo -root -tree | grep -q '"Setting..."'; }
# in_dialog X Y: moves the pointer to that pixel of the dialog and clicks.
in_dialog() {
  local at; at="$(geometry "Setting...")"; at="${at% *}"
  xdotool mousemove $(( ${at%,*} + $1 )) $(( ${at#*,} + $2 )) click 1
}
# type_into X Y TEXT: selects what the box at that pixel holds and types over it.
type_into() { in_dialog "$1" "$2"; sleep 0.2; xdotool key ctrl+a; xdotool type --delay 60 "$3"; }

# --- Typed numbers, under openbox ------------------------------------------------------------
e2e_start_with '[French]\nxxx=1\nssave=1\nn=2\netime=5\nctime=3\nleft=5680\n'
sleep 4.5 # past the welcome
check "Settings... opens the dialog" open_settings
sleep 0.5
type_into 110 345 12 # French Display, within 5 to 15
xdotool key Tab
type_into 110 369 40 # English Display, above 15
xdotool key Return
type_into 118 318 abc # Per sentence play: not a number
sleep 0.3
shot 01-typed
in_dialog 309 416 # OK
check "OK closes the dialog" wait_until 3 dialog_closed
check "the typed French time is kept (etime=$(setting etime))" [ "$(setting etime)" = 12 ]
check "a time above the range is brought to its end (ctime=$(setting ctime))" \
  [ "$(setting ctime)" = 15 ]
check "anything else leaves the value as it was (n=$(setting n))" [ "$(setting n)" = 2 ]
exit_through_menu

# --- No window manager: OK, and Esc wherever the pointer and the focus are -----------------
kill "$OPENBOX_PID"; wait "$OPENBOX_PID" 2>/dev/null; OPENBOX_PID=""
start_program "$program" "$work/log-bare"
check "the bar shows without a window manager" wait_for_bar 3
sleep 4.5
check "Settings... opens the dialog without a window manager" open_settings
shot 02-bare-dialog
xdotool mousemove 100 700
xdotool key Escape
check "Esc closes it with the pointer elsewhere" wait_until 3 dialog_closed
open_settings
in_dialog 30 30 # a topic button takes the focus
xdotool mousemove 100 700
xdotool key Escape
check "Esc closes it after a click in it" wait_until 3 dialog_closed
open_settings
in_dialog 309 416
check "OK closes it" wait_until 3 dialog_closed
check "the menu opens again afterwards: playback runs" open_settings
in_dialog 309 416
exit_through_menu
check "Exit ends the program" [ -z "$pid" ]

e2e_finish
