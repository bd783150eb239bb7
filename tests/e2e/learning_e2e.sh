#!/usr/bin/env bash
# Listen first and known sentences in the built program, on a private X display:
#   learning_e2e.sh PATH/TO/dorvane [SCREENSHOT_FOLDER]
# With listen_first=1 the French text waits while Peedy reads it, with no balloon, then slides
# in; a sentence stored as known is passed by in sequence mode; Exit writes the seen sentences;
# Ctrl+Alt+K marks the sentence on the bar, and the next start passes it by; a paused step and a
# slow replay read with Peedy's balloon.
set -uo pipefail
program="$1"
source "$(cd "$(dirname "$0")" && pwd)/lib.sh"
e2e_setup "${2:-}"

# 10118 is known, so the sequence plays 10119, a long sentence that takes seconds to read.
mkdir -p "$(dirname "$settings")"
cat >"$settings" <<'CONF'
[French]
xxx=1
rd=1
psave=1
guage=1
guagen=10118

[Learning]
listen_first=1
known=10118
CONF

start_program "$program" "$work/learning.log"
check "the bar appears" wait_until 5 viewable "$BAR"
# Playback starts when the standing welcome text is blanked (or a French line comes in).
left_now() { shot probe; text_left probe; }
welcome_standing() { local l; l="$(left_now)"; [ "$l" != none ] && [ "$l" -le 5 ]; }
playback_started() { local l; l="$(left_now)"; [ "$l" = none ] || [ "$l" -gt 60 ]; }
check "the welcome text stands, then playback starts" \
  eval 'wait_until 8 welcome_standing && wait_until 3 playback_started'
sleep 1
shot 01-listening
check "a second into playback the bar shows no French text yet" \
  [ "$(text_left 01-listening)" = none ]
check "Peedy reads it without a balloon" [ "$(mean_brightness 01-listening 200x20+690+540)" -lt 30 ]
check "the speaker sign beside the picture says the French is being read first" \
  [ "$(mean_brightness 01-listening 3x4+823+10)" -gt 150 ]
french_shown() { shot 02-text; [ "$(text_left 02-text)" != none ]; }
check "the French comes in once it has been read" wait_until 12 french_shown
# A sentence counts as seen once its line has come to rest.
french_at_rest() { shot 03-rest; local l; l="$(text_left 03-rest)"; [ "$l" != none ] && [ "$l" -lt 15 ]; }
check "and comes to rest" wait_until 5 french_at_rest

exit_through_menu
check "Exit ends the program" [ -z "$pid" ]
check "the known sentence was passed: the sequence stands after 10119 ($(setting guagen))" \
  [ "$(setting guagen)" = 10120 ]
check "Exit writes the seen sentence and keeps the known one and the mode" \
  eval '[ "$(setting seen)" = 10119 ] && [ "$(setting known)" = 10118 ] && [ "$(setting listen_first)" = 1 ]'

# "I know this one" on the first sentence of a topic, then a start from the topic's start.
sed -i 's/^guagen=.*/guagen=10101/; s/^listen_first=.*/listen_first=0/; s/^known=.*/known=/' "$settings"
start_program "$program" "$work/known.log"
check "the bar appears again" wait_until 5 viewable "$BAR"
check "the first sentence plays" eval 'wait_until 8 welcome_standing && wait_until 3 playback_started'
sleep 0.5
xdotool key ctrl+alt+k
check "Ctrl+Alt+K stores the sentence on the bar as known at once" \
  wait_until 2 bash -c "grep -q '^known=10101$' '$settings'"
# Readings the learner asks for show Peedy's balloon, as the cycle's own do.
balloon_shown() { shot "$1"; [ "$(mean_brightness "$1" 200x20+690+540)" -gt 30 ]; }
"$program" --pause; sleep 0.5
check "paused, Peedy is silent, without a balloon" eval '! balloon_shown 04-paused'
"$program" --next
check "a step while paused reads the French with the balloon" wait_until 3 balloon_shown 05-step
sleep 5
"$program" --replay-slowly
check "so does a slow replay" wait_until 3 balloon_shown 06-replay-slowly
"$program" --resume
exit_through_menu
sed -i 's/^guagen=.*/guagen=10101/' "$settings"
start_program "$program" "$work/skip.log"
check "the next start shows the bar" wait_until 5 viewable "$BAR"
exit_through_menu
check "a start from the topic's start passes the known sentence by ($(setting guagen))" \
  [ "$(setting guagen)" = 10103 ]

e2e_finish
