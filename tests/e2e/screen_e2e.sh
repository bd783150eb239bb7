#!/usr/bin/env bash
# The display and the screen of the built program, on a private X display:
#   screen_e2e.sh PATH/TO/dorvane [SCREENSHOT_FOLDER]
# Without a display a start says so in one line and ends with status 1, while the offscreen
# platform and the options that need no display still work. A screen that shrinks under the
# running program (RandR) brings the bar's menu picture and Peedy back onto it.
set -uo pipefail
program="$1"
source "$(cd "$(dirname "$0")" && pwd)/lib.sh"
e2e_setup "${2:-}"
seed() { printf '[French]\nxxx=1\nrd=1\nleft=5680\n' >"$settings"; }

no_display() { env -u DISPLAY -u WAYLAND_DISPLAY -u XDG_SESSION_TYPE "$@"; }
out="$(no_display "$program" 2>&1)"
rc=$?
check "no display: one line says so ($out)" [ "$out" = "dorvane: cannot open the display (DISPLAY=)" ]
check "and the status is 1, not an abort ($rc)" [ "$rc" = 1 ]
out="$(no_display WAYLAND_DISPLAY=wayland-none XDG_SESSION_TYPE=wayland "$program" 2>&1)"
check "in a Wayland session both displays are named ($out)" \
  [ "$out" = "dorvane: cannot open the display (DISPLAY=, WAYLAND_DISPLAY=wayland-none)" ]
check "--version needs no display" bash -c "env -u DISPLAY '$program' --version | grep -q '^Dorvane '"
seed
no_display QT_QPA_PLATFORM=offscreen timeout -k 5 4 "$program" >"$work/offscreen.log" 2>&1
rc=$?
check "the offscreen platform is left alone: still running after 4 s ($rc)" [ "$rc" = 124 ]

seed
start_program "$program" "$work/log"
check "the bar shows" wait_for_bar 10
check "the bar sits at 379,0 477x23" [ "$(geometry "$BAR")" = "379,0 477x23" ]
check "Peedy shows" wait_until 10 viewable Peedy
peedy_at="$(geometry Peedy)"
# The output no longer fits and goes (xrandr says so); the screen shrinks all the same.
xrandr --fb 640x480 >/dev/null 2>&1
check "the screen is 640x480 now" bash -c "xwininfo -root | grep -q 'geometry 640x480'"
check "the bar comes back onto it, its menu picture at its right edge" \
  wait_until 5 eval '[ "$(geometry "$BAR")" = "166,0 477x23" ]'
on_small_screen() {
  local x y w h
  IFS=', x' read -r x y w h <<<"$(geometry Peedy)"
  [ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ $((x + w)) -le 640 ] && [ $((y + h)) -le 480 ]
}
check "Peedy comes into the small screen's corner" wait_until 5 on_small_screen
echo "# Peedy at $peedy_at on 1024x768, at $(geometry Peedy) on 640x480"
shot small-screen
xrandr --fb 1024x768 >/dev/null 2>&1
sleep 1
check "a screen that grows again leaves the bar where it is" [ "$(geometry "$BAR")" = "166,0 477x23" ]
# Exit from the menu at the bar's new place.
xdotool mousemove 400 0; sleep 0.3; xdotool mousemove 630 12; sleep 0.1; xdotool mousemove 631 13
sleep 0.6
xdotool key Up Return
check "the menu at the new place ends the program" wait_until 3 bash -c "! kill -0 $pid 2>/dev/null"
pid=""
check "which saves the place on the screen" [ "$(setting left)" = 2490 ]

e2e_finish
