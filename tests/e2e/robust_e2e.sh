#!/usr/bin/env bash
# The program's ends and starts that a learner does not click, on a private X display:
#   robust_e2e.sh PATH/TO/dorvane [SCREENSHOT_FOLDER]
# A second start during the splash ends at once, and a start brings the bar in front of a window
# that covers it; SIGTERM, SIGHUP and SIGINT save what Exit saves; so does the display going away.
set -uo pipefail
program="$1"
source "$(cd "$(dirname "$0")" && pwd)/lib.sh"
e2e_setup "${2:-}"
cover_window="$(dirname "$program")/tests/e2e_cover_window"

# In sequence mode, one play per sentence, from the first sentence of topic 1. No "voice":
# only a save writes it.
seed_settings() {
  cat >"$settings" <<'CONF'
[French]
ce=1
n=1
ctime=3
etime=5
rd=1
psave=1
ssave=1
visi=0
guage=1
guagen=10101
red=0
mark=0
xxx=1
left=4500
sspeed=150
CONF
}
# Mean red and blue (0-255) of a screenshot's area.
red_over_blue() {
  convert "$shots/$1.png" -crop "$2" +repage -format '%[fx:int(mean.r*255)] %[fx:int(mean.b*255)]' info: |
    awk '{ exit !($1 > $2) }'
}
ended_within() { wait_until "$1" bash -c "! kill -0 $pid 2>/dev/null"; }

# --- Second starts ------------------------------------------------------------------------
seed_settings
start_program "$program" "$work/first.log"
check "the splash shows" wait_until 2 viewable Version
viewable "$BAR" && bar_early=yes || bar_early=no
"$program" >"$work/second.log" 2>&1 &
second=$!
check "a second copy started during the splash ends at once" \
  wait_until 3 bash -c "! kill -0 $second 2>/dev/null"
wait "$second"; second_status=$?
check "the second copy ends cleanly, with the bar still hidden when it started" \
  eval '[ "$second_status" = 0 ] && [ "$bar_early" = no ]'
check "the bar appears" wait_until 3 viewable "$BAR"

# A focused always-on-top window put over the bar; a start then brings the bar in front.
"$cover_window" >/dev/null 2>&1 &
cover=$!
wait_until 3 viewable Cover
xdotool windowactivate --sync "$(window_id Cover)" >/dev/null 2>&1
sleep 0.3; shot 01-bar-covered
check "the covering window hides the bar" red_over_blue 01-bar-covered 200x12+320+4
# Started from another environment (its own TMPDIR, no runtime folder): still the same store.
mkdir -p "$work/other-tmp"
TMPDIR="$work/other-tmp" env -u XDG_RUNTIME_DIR "$program" >"$work/third.log" 2>&1 &
third=$!
check "a start from another environment finds the running copy and ends" \
  wait_until 3 bash -c "! kill -0 $third 2>/dev/null"
sleep 0.3; shot 02-bar-forward
check "a start brings the bar in front of it" eval '! red_over_blue 02-bar-forward 200x12+320+4'
kill "$cover"; wait "$cover" 2>/dev/null

# --- SIGTERM is an Exit -------------------------------------------------------------------
# The first sentence is on the bar after about 4 s; the position then names the next one.
sleep 3
shot 03-first-sentence
kill -TERM "$pid"
check "SIGTERM ends the program within a second" ended_within 1
pid=""
check "and leaves no lock file beside the store" [ ! -e "$settings.instance.lock" ]
check "SIGTERM saved the speech switch, the place and the position ($(setting guagen))" \
  eval '[ "$(setting voice)" = 1 ] && [ "$(setting left)" = 4500 ] && [ "$(setting guagen)" = 10102 ]'

for signal in HUP INT; do
  sed -i '/^voice=/d' "$settings"
  start_program "$program" "$work/sig$signal.log"
  wait_for_bar 4
  kill -"$signal" "$pid"
  check "SIG$signal ends the program and saves as Exit does" \
    eval 'ended_within 1 && [ "$(setting voice)" = 1 ]'
  pid=""
done

# --- The display going away is an Exit too ------------------------------------------------
sed -i '/^voice=/d' "$settings"
start_program "$program" "$work/fourth.log"
check "the next start shows the bar" wait_until 3 viewable "$BAR"
kill "$XVFB_PID"
check "losing the display ends the program" ended_within 3
pid=""
check "and saves as Exit does ($(setting guagen))" \
  eval '[ "$(setting voice)" = 1 ] && [ "$(setting guagen)" -gt 10102 ]'

e2e_finish
