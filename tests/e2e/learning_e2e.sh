#!/usr/bin/env bash
# Listen first and known sentences in the built program, on a private X display:
#   learning_e2e.sh PATH/TO/dorvane [SCREENSHOT_FOLDER]
# With listen_first=1 the French text waits while Peedy reads it, then slides in; a sentence
# stored as known is passed by in sequence mode; Exit writes the seen sentences.
set -uo pipefail
program="$1"
source "$(cd "$(dirname "$0")" && pwd)/lib.sh"
e2e_setup "${2:-}"

mkdir -p "$(dirname "$settings")"
cat >"$settings" <<'CONF'
[French]
xxx=1
rd=1
psave=1
guage=1
guagen=10101

[Learning]
listen_first=1
known=10101
CONF

started=$(date +%s%N)
start_program "$program" "$work/learning.log"
check "the bar appears" wait_until 3 viewable Form1
# Playback starts about 4.1 s after start; one second later Peedy is still reading.
elapsed=$(( ($(date +%s%N) - started) / 1000000 ))
sleep "$(awk -v e="$elapsed" 'BEGIN{s=(5100-e)/1000; print (s>0?s:0)}')"
shot 01-listening
check "a second into playback the bar shows no French text yet" \
  [ "$(text_left 01-listening)" = none ]
french_shown() { shot 02-text; [ "$(text_left 02-text)" != none ]; }
check "the French comes in once it has been read" wait_until 12 french_shown

exit_through_menu
check "Exit ends the program" [ -z "$pid" ]
check "the known first sentence was passed: the sequence stands after 10102 ($(setting guagen))" \
  [ "$(setting guagen)" = 10103 ]
check "Exit writes the seen sentence and keeps the known one and the mode" \
  eval '[ "$(setting seen)" = 10102 ] && [ "$(setting known)" = 10101 ] && [ "$(setting listen_first)" = 1 ]'

e2e_finish
