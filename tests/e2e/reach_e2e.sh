#!/usr/bin/env bash
# Every learner command within reach without a tray, on a private session bus:
#   reach_e2e.sh PATH/TO/dorvane [SCREENSHOT_FOLDER]
# The hover menu's Learn submenu lists the commands with their keys and its Next moves on; the
# command line talks to the running copy (and says when there is none, or the option is
# wrong); the desktop's media controls (MPRIS) step, pause and show the sentence on the bar.
# A tray that comes 4 s after the start, as a panel at login often does, gets the icon, and a
# click on it pauses and resumes.
set -uo pipefail
[ -n "${DORVANE_E2E_BUS:-}" ] || exec env DORVANE_E2E_BUS=1 dbus-run-session -- bash "$0" "$@"
program="$1"
source "$(cd "$(dirname "$0")" && pwd)/lib.sh"
e2e_setup "${2:-}"

# Sequence through topic 3, fifteen seconds of French a cycle: nothing moves on its own.
printf '[French]\nxxx=1\nrd=1\npsave=1\nguage=3\nguagen=10301\nn=5\netime=15\nleft=5680\n[Learning]\nknown=10330\n' >"$settings"
"$program" --next >"$work/none.log" 2>&1; status=$?
check "with no copy running, --next exits 1 with one line" \
  eval '[ $status = 1 ] && [ "$(wc -l <"$work/none.log")" = 1 ]'
"$program" --bogus >"$work/bogus.log" 2>&1; status=$?
check "an unknown option exits 2 and says so" eval '[ $status = 2 ] && grep -q bogus "$work/bogus.log"'

started=$(now_ms)
start_program "$program" "$work/log"
check "the bar appears with no tray on the desktop" wait_for_bar 3
sleep "$(awk -v e="$(( $(now_ms) - started ))" 'BEGIN{s=(4000-e)/1000; print (s>0?s:0)}')"
check "there is no tray, and it is said once" [ "$(grep -c 'no system tray' "$work/log")" = 1 ]

# The tray host comes now, along the bottom edge.
trayer --edge bottom --align right --widthtype pixel --width 120 --height 24 \
  --transparent false >"$work/tray.log" 2>&1 &
tray_pid=$!
trap 'kill "$tray_pid" 2>/dev/null; e2e_cleanup' EXIT
tray_came=$(now_ms)
icon_at() { # the icon's place in the tray, or nothing
  local panel; panel="$(window_id panel)"
  [ -n "$panel" ] && xwininfo -id "$panel" -tree 2>/dev/null | awk '/"Dorvane"/ {print $NF; exit}'
}
check "the tray that came late gets the icon within 5 s" wait_until 5 eval '[ -n "$(icon_at)" ]'
[ -n "$(icon_at)" ] && echo "     (in the tray $(( $(now_ms) - tray_came )) ms after the tray host started)"
check "it is said once that a tray has appeared" \
  [ "$(grep -c 'system tray has appeared' "$work/log")" = 1 ]
sleep 1 # the welcome is over, 10301 is on the bar

mpris() { # mpris METHOD_OR_PROPERTY [get]
  if [ "${2:-}" = get ]; then
    gdbus call --session --dest org.mpris.MediaPlayer2.dorvane --object-path /org/mpris/MediaPlayer2 \
      --method org.freedesktop.DBus.Properties.Get org.mpris.MediaPlayer2.Player "$1"
  else
    gdbus call --session --dest org.mpris.MediaPlayer2.dorvane --object-path /org/mpris/MediaPlayer2 \
      --method "org.mpris.MediaPlayer2.Player.$1" >/dev/null
  fi
}
title() { mpris Metadata get | grep -o "'xesam:title': <'[^']*'>" | sed "s/^'xesam:title': <'//; s/'>$//"; }
first="$(title)"
check "the media controls show the sentence on the bar ($first)" [ -n "$first" ]
IFS=+ read -r _ ix iy <<<"$(icon_at)"
xdotool mousemove $((ix + 11)) $((iy + 11)) click 1
check "a click on the icon pauses" wait_until 1 eval 'mpris PlaybackStatus get | grep -q Paused'
sleep 0.6; xdotool click 1 # not so soon that the two make a double click
check "and another resumes" wait_until 1 eval 'mpris PlaybackStatus get | grep -q Playing'

# The Learn submenu of the hover menu, opened with its mnemonic; N picks its Next.
hover_menu_picture; sleep 0.6
xdotool key l; sleep 0.6
shot 01-learn-menu
# The submenu opens to the left of the menu; OCR reads "Ctrl" as "Ctri" now and then.
# read_menu THRESHOLD: the submenu's text; at 60% a greyed-out entry is left out, at 85% read.
read_menu() {
  convert "$shots/01-learn-menu.png" -crop 430x540+300+75 +repage -colorspace gray -normalize \
    -threshold "$1" -resize 300% "$work/menu.png"
  tesseract "$work/menu.png" - --psm 6 -l eng 2>/dev/null | sed 's/Ctr[a-z]*+/Ctrl+/g'
}
read_menu 60% >"$work/menu.txt"
for entry in "Pause.*Ctrl\+Alt\+Space" "Replay .*Ctrl\+Alt\+R" "Replay slowly.*Ctrl\+Alt\+S" \
  "Previous.*Ctrl\+Alt\+B" "Next.*Ctrl\+Alt\+N" "know this one.*Ctrl\+Alt\+K" \
  "Listen first" "Hide the translation" "Forget the sentences . know in this topic" \
  "Progress" "Snooze" "Step aside for full-screen windows" "Import sentences" \
  "Add a sentence" "Decks" "Play from" "oice"; do
  check "the Learn submenu shows \"$entry\"" grep -qE "$entry" "$work/menu.txt"
done
check "while playing, \"Show the other language\" is greyed out" \
  eval '! grep -q "other language" "$work/menu.txt" && read_menu 85% | grep -qE "Show the other language.*Ctrl\+Alt\+E"'
xdotool key n
check "its Next moves the bar on" wait_until 2 eval '[ "$(title)" != "$first" ]'
second="$(title)"

"$program" --next; status=$?
check "dorvane --next tells the running copy and exits 0" [ "$status" = 0 ]
check "which moves on within a second" wait_until 1 eval '[ "$(title)" != "$second" ]'
third="$(title)"

mpris Next
check "MPRIS Next moves on" wait_until 1 eval '[ "$(title)" != "$third" ]'
mpris Pause
check "PlaybackStatus reads Paused after Pause" wait_until 1 eval 'mpris PlaybackStatus get | grep -q Paused'
sleep 0.5
check "the Metadata's title is the French on the bar" shows_text 02-paused "$(title)"
mpris PlayPause
check "PlayPause resumes" wait_until 1 eval 'mpris PlaybackStatus get | grep -q Playing'

"$program" --exit; status=$?
check "dorvane --exit is answered and exits 0" [ "$status" = 0 ]
check "the running copy ends as Exit ends it" wait_until 3 bash -c "! kill -0 $pid 2>/dev/null"
pid=""
check "and stores the position the three steps reached" [ "$(setting guagen)" = 10305 ]
e2e_finish
