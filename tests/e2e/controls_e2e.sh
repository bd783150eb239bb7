#!/usr/bin/env bash
# The learner's controls on the built program, on a private X display with openbox and a tray:
#   controls_e2e.sh PATH/TO/dorvane [SCREENSHOT_FOLDER]
# Ctrl+Alt+Space brings the sentence sliding in to rest and holds it, a second press lets the
# cycle go on; Ctrl+Alt+N, a
# wheel notch and the tray menu's Next each bring the next sentence of the sequence, and Exit
# stores the position those steps reached. The keys work whatever Num Lock and Caps Lock say,
# and a second grabber of them is told which it cannot have.
set -uo pipefail
program="$1"
source "$(cd "$(dirname "$0")" && pwd)/lib.sh"
e2e_setup "${2:-}"

# A tray host along the bottom edge, started before the program so it finds a tray.
trayer --edge bottom --align right --widthtype pixel --width 120 --height 24 \
  --transparent false >"$work/tray.log" 2>&1 &
tray_pid=$!
trap 'kill "$tray_pid" 2>/dev/null; e2e_cleanup' EXIT
wait_until 3 bash -c "xwininfo -root -tree | grep -q '\"panel\"'"

# Sequence through topic 3, fifteen seconds of French a cycle, so nothing moves on its own
# while the checks look.
mkdir -p "$XDG_CONFIG_HOME"
cat >"$settings" <<'CONF'
[French]
xxx=1
ce=1
n=5
ctime=3
etime=15
rd=1
psave=1
ssave=0
visi=0
voice=1
guage=3
guagen=10301
left=5680
CONF

started=$(now_ms)
start_program "$program" "$work/program.log"
check "the bar appears" wait_for_bar 3
# The French begins to slide in about 4.1 s after the start; pause it half-way.
sleep "$(awk -v e="$(( $(now_ms) - started ))" 'BEGIN{s=(5600-e)/1000; print (s>0?s:0)}')"
xdotool key ctrl+alt+space
sleep 0.3; shot 01-paused
sleep 12; shot 02-still-paused
a="$(text_left 01-paused)"
check "Ctrl+Alt+Space brought the sliding sentence to rest and held it for 12 s (at $a)" \
  eval '[ "$a" != none ] && [ "$a" -lt 15 ] && same_text 01-paused 02-still-paused'
check "the paused bar shows the pause sign" pause_sign_shown 02-still-paused
xdotool key Num_Lock ctrl+alt+space Num_Lock # Num Lock on makes no difference
sleep 3.2; shot 03-resumed
b="$(text_left 03-resumed)"
check "a second press lets the sentence play on ($a -> $b)" \
  eval '[ "$b" != none ] && [ "$b" -lt 15 ] && ! pause_sign_shown 03-resumed'

xdotool key Caps_Lock ctrl+alt+n Caps_Lock # nor does Caps Lock
check "Ctrl+Alt+N starts another sentence within 1.5 s" changes_within 1500 03-resumed 04-next
sleep 3.2; shot 05-next-in
check "the next sentence has slid in" \
  eval '! same_text 03-resumed 05-next-in && [ "$(text_left 05-next-in)" -lt 15 ]'

xdotool mousemove 500 12 click 5
check "a wheel notch down starts another sentence within 1.5 s" \
  changes_within 1500 05-next-in 06-wheel
sleep 3.2; shot 07-wheel-in

# The tray icon sits in the tray along the bottom edge; N picks Next in its menu.
panel="$(window_id panel)"
icon_at="$(xwininfo -id "$panel" -tree 2>/dev/null | awk '/"Dorvane"/ {print $NF; exit}')"
check "the tray holds the program's icon ($icon_at)" [ -n "$icon_at" ]
IFS=+ read -r _ ix iy <<<"$icon_at"
xdotool mousemove $((ix + 11)) $((iy + 11)) click 3
sleep 0.6; shot 08-tray-menu
xdotool key n
check "the tray menu's Next starts another sentence within 1.5 s" \
  changes_within 1500 07-wheel-in 09-tray-next

# A copy for another user on the same display finds all eight keys taken, and says so.
(
  use_private_home "$work/other"
  timeout 3 "$program" >"$work/other.log" 2>&1
  stop_speech_dispatcher
)
check "keys another program holds are named on standard error, one line each" \
  [ "$(grep -c 'is held by another program' "$work/other.log")" = 8 ]

exit_through_menu
check "Exit stores the position the three steps reached" [ "$(setting guagen)" = 10305 ]
check "every shortcut could be grabbed" bash -c "! grep -q 'shortcut' '$work/program.log'"
e2e_finish
