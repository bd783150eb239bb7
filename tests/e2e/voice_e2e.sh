#!/usr/bin/env bash
# The voice of the built program on a private X display, speech going to a file:
#   voice_e2e.sh PATH/TO/dorvane [SCREENSHOT_FOLDER]
# One line on standard error names the engine and the voice picked on purpose, and the first
# sentence is heard even though the engine comes up after it was due.
set -uo pipefail
program="$1"
source "$(cd "$(dirname "$0")" && pwd)/lib.sh"
e2e_setup "${2:-}"

start_program "$program" "$work/voice.log"
check "the bar shows without waiting for the speech engine" wait_for_bar 3
check "one line names the engine, the voice and the start-up time" wait_until 60 \
  grep -qE '^speech: engine speechd, voice "French \(France\)" \(espeak-ng\), ready in [0-9]+\.[0-9] s$' \
  "$work/voice.log"
grep '^speech:' "$work/voice.log"
check "the first French sentence is read aloud" wait_until 20 \
  bash -c "[ \$(stat -c %s '$work/speech.raw' 2>/dev/null || echo 0) -gt 20000 ]"
shot voice-first-sentence
check "nothing else about speech went to standard error" \
  [ "$(grep -c '^speech:' "$work/voice.log")" = 1 ]
exit_through_menu
e2e_finish
