#!/usr/bin/env bash
# Review in the built program, on a private X display and session bus:
#   review_e2e.sh PATH/TO/dorvane [SCREENSHOT_FOLDER]
# With review on, --hard sends the sentence on the bar away for a minute and the bar moves on;
# once the minute is up that sentence is the next on the bar, before the sequence's own; the
# log holds its Again line, then its Good line once it is heard through.
set -uo pipefail
[ -n "${DORVANE_E2E_BUS:-}" ] || exec env DORVANE_E2E_BUS=1 dbus-run-session -- bash "$0" "$@"
program="$1"
source "$(cd "$(dirname "$0")" && pwd)/lib.sh"
e2e_setup "${2:-}"
log="$XDG_DATA_HOME/Dorvane/review-log.csv"

title() {
  gdbus call --session --dest org.mpris.MediaPlayer2.dorvane --object-path /org/mpris/MediaPlayer2 \
    --method org.freedesktop.DBus.Properties.Get org.mpris.MediaPlayer2.Player Metadata 2>/dev/null |
    grep -o "'xesam:title': <[\"'][^\"']*" | sed "s/^'xesam:title': <.//"
}

# Topic 3 in sequence, once each, as short as the settings go: a sentence every 8 s or so.
e2e_start_with '[French]\nxxx=1\nrd=1\nguage=3\nguagen=10301\nn=1\nctime=3\netime=5\nleft=5680\n\n[Review]\nenabled=1\n' 5
check "the first sentence is on the bar" wait_until 10 eval '[ -n "$(title)" ]'
sleep 5 # the welcome is over: the commands act
hard="$(title)"
"$program" --hard
check "--hard moves the bar on ($hard)" wait_until 3 eval '[ "$(title)" != "$hard" ]'
check "and logs an Again for that sentence, new until then" \
  wait_until 2 grep -qE '^10301,[0-9]{13},1,0,[0-9]+$' "$log"
check "the log starts with the optimizers' header" \
  eval '[ "$(head -1 "$log")" = card_id,review_time,review_rating,review_state,review_duration ]'
marked=$(now_ms)
away_for() { # away_for SECONDS: the sentence marked hard is not on the bar all that time
  local i
  for i in $(seq "$1"); do [ "$(title)" = "$hard" ] && return 1; sleep 1; done
}
check "the sentence marked hard is not back within the minute" away_for 50
check "once the minute is up it is on the bar again" wait_until 25 eval '[ "$(title)" = "$hard" ]'
echo "     (back $(( ($(now_ms) - marked) / 1000 )) s after --hard)"
shot 01-back
check "heard through, it is logged as remembered" \
  wait_until 15 grep -qE '^10301,[0-9]{13},3,1,[0-9]+$' "$log"
check "and the sequence goes on after it" eval '[ "$(title)" != "$hard" ]'
exit_through_menu
e2e_finish
