#!/usr/bin/env bash
# A speech daemon that stalls across readings, on the built program:
#   speech_stall_e2e.sh PATH/TO/dorvane [SCREENSHOT_FOLDER]
# One sentence plays again and again. Its daemon (this run's own, by pid) is stopped right after
# a reading and let go two readings later: what is heard then is one reading of the sentence on
# the bar, not the readings that were handed over meanwhile.
set -uo pipefail
program="$1"
source "$(cd "$(dirname "$0")" && pwd)/lib.sh"
e2e_setup "${2:-}"

# The first sentence of the first topic, in sequence, twelve plays of 8 s.
e2e_start_with '[French]\nxxx=1\nrd=1\nguage=1\nguagen=10101\nn=12\nleft=5680\n' 0
check "the speech engine comes up" wait_until 60 grep -q '^speech: engine' "$work/log"

audio_bytes() { stat -c %s "$work/speech.raw" 2>/dev/null || echo 0; }
grown() { [ "$(audio_bytes)" -gt "$1" ]; }
still() { local a; a="$(audio_bytes)"; sleep 0.6; [ "$(audio_bytes)" = "$a" ]; }
sleep_until() { local ms=$(($1 - $(now_ms))); [ "$ms" -gt 0 ] && sleep "$((ms / 1000)).$(printf %03d $((ms % 1000)))"; }
within() { [ $(($1 * 100)) -ge $(($2 * 95)) ] && [ $(($1 * 100)) -le $(($2 * 105)) ]; }

# The first reading may be cut short by the next play if the engine came up late: the second
# one is the measure of one reading, and its start the beat of the plays.
wait_until 20 grown 0 && wait_until 8 still
from="$(audio_bytes)"
wait_until 12 grown "$from"
started="$(now_ms)"
wait_until 8 still
one=$(($(audio_bytes) - from))
daemon="$(cat "$XDG_RUNTIME_DIR/speech-dispatcher/pid/speech-dispatcher.pid")"
kill -STOP "$daemon"
# The next two plays hand the sentence over to the stalled daemon; it resumes a second after
# the second, well before the third.
sleep_until $((started + 17000))
from="$(audio_bytes)"
kill -CONT "$daemon"
wait_until 5 grown "$from" && wait_until 5 still
heard=$(($(audio_bytes) - from))
echo "one reading: $one bytes; heard after the daemon resumed: $heard bytes"
check "one reading is heard after the daemon resumes, not the ones that waited" within "$heard" "$one"
exit_through_menu
e2e_finish
