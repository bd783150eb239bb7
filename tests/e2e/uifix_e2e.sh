#!/usr/bin/env bash
# The bar's menu picture, the dialogs' window states and the sequence tooltips, as a learner
# meets them under openbox:
#   uifix_e2e.sh PATH/TO/dorvane [SCREENSHOT_FOLDER]
set -uo pipefail
program="$1"
source "$(cd "$(dirname "$0")" && pwd)/lib.sh"
e2e_setup "${2:-}"

# Sequence mode from the start, so the lines carry tooltips.
e2e_start_with '[French]\nxxx=1\nrd=1\nguage=1\nguagen=10101\nleft=5680\n'
sleep 4.5 # the welcome is over and the first sentence is on its way

menu_shown() { # menu_shown SHOT: the light menu under the picture
  import -window root "$shots/$1.png" &&
    [ "$(mean_brightness "$1" 60x40+780+30)" -gt 150 ]
}

# --- One movement onto the picture opens the menu, once ------------------------------------
opened=0
for try in 1 2 3 4 5; do
  xdotool mousemove 700 300; sleep 0.4
  xdotool mousemove 846 12
  wait_until 1 menu_shown "01-menu-$try" && opened=$((opened + 1))
  xdotool key Escape; sleep 0.5
  menu_shown "02-menu-closed-$try" && opened=$((opened + 100)) # opened again at rest
done
check "a single movement onto the picture opens the menu ($opened of 5)" [ "$opened" = 5 ]

# --- The sequence tooltip shows while the pointer rests on the inactive bar -----------------
xdotool mousemove 480 12
tip_shown() { # a light box of some 300 pixels or more just under the pointer
  import -window root "$shots/03-tooltip.png" &&
    [ "$(convert "$shots/03-tooltip.png" -crop 200x30+470+24 +repage -colorspace gray \
      -threshold 80% -format '%[fx:int(mean*w*h)]' info:)" -gt 300 ]
}
check "resting on the French line shows its tooltip" wait_until 3 tip_shown

# --- A minimised Settings dialog comes back --------------------------------------------------
xdotool mousemove 700 300; sleep 0.3; xdotool mousemove 846 12; sleep 0.5
xdotool key s
check "Settings... opens the dialog" wait_until 2 viewable "Setting..."
dialog_at="$(geometry "Setting...")"
xdotool windowminimize "$(window_id "Setting...")"
sleep 0.05
check "a minimised Settings dialog is back on the screen, in its place" \
  wait_until 2 eval '[ "$(wm_state "Setting..." | grep -c Normal)" = 1 ] && viewable "Setting..." && [ "$(geometry "Setting...")" = "$dialog_at" ]'
shot 04-dialog-after-minimise
echo "# dialog: $(geometry "Setting...") was $dialog_at; $(wm_state "Setting..." | tr '\n' ' ')"
timeout 3 xdotool windowactivate --sync "$(window_id "Setting...")" key --clearmodifiers alt+F4
wait_until 2 bash -c "! xwininfo -root -tree | grep -q '\"Setting...\"'"

# --- The About window: exactly centred, and back from a minimise ----------------------------
xdotool mousemove 700 300; sleep 0.3; xdotool mousemove 846 12; sleep 0.5
xdotool key a
check "About... opens its window" wait_until 2 viewable Version
check "the About window stands exactly in the middle of the screen ($(geometry Version))" \
  [ "$(geometry Version)" = "407,244 210x280" ]
xdotool windowminimize "$(window_id Version)"
sleep 0.05
check "a minimised About window is back" \
  wait_until 2 eval '[ "$(wm_state Version | grep -c Normal)" = 1 ]'
shot 05-about

e2e_finish
