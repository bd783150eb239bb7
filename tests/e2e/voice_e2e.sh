#!/usr/bin/env bash
# The voice of the built program on a private X display, speech going to a file:
#   voice_e2e.sh PATH/TO/dorvane [SCREENSHOT_FOLDER]
# One line on standard error names the engine and the voice picked on purpose, and the first
# sentence is heard even though the engine comes up after it was due. When the speech daemon
# dies, that is said at once, a new daemon is started at once, and speech is soon back.
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

# The daemon this run started, by its pid file: killed while nothing is being read.
daemon_pid() { cat "$XDG_RUNTIME_DIR/speech-dispatcher/pid/speech-dispatcher.pid" 2>/dev/null; }
audio_bytes() { stat -c %s "$work/speech.raw" 2>/dev/null || echo 0; }
audio_still() { local a; a="$(audio_bytes)"; sleep 0.5; [ "$(audio_bytes)" = "$a" ]; }
wait_until 20 audio_still
old_daemon="$(daemon_pid)"
killed_at="$(now_ms)"
kill "$old_daemon"
new_daemon() { local p; p="$(daemon_pid)"; [ -n "$p" ] && [ "$p" != "$old_daemon" ]; }
check "the daemon's death is said within 2 s" wait_until 2 \
  grep -q '^speech: the engine stopped working (speech-dispatcher went away); it is started again$' \
  "$work/voice.log"
check "a new daemon is started within 5 s" wait_until 5 new_daemon
new_at="$(now_ms)"
heard="$(audio_bytes)"
check "and the engine is up on it again" wait_until 60 \
  bash -c "[ \$(grep -c '^speech: engine speechd' '$work/voice.log') = 2 ]"
up_at="$(now_ms)"
check "a sentence is read within 12 s of the engine being up again" wait_until 12 \
  bash -c "[ \$(stat -c %s '$work/speech.raw') -gt $((heard + 20000)) ]"
echo "daemon killed; new daemon after $((new_at - killed_at)) ms, engine up after" \
  "$((up_at - killed_at)) ms, speech again after $(($(now_ms) - killed_at)) ms"
grep '^speech:' "$work/voice.log"
exit_through_menu
e2e_finish
