#!/usr/bin/env bash
# The stand-in sound card takes each sound's own time, also when its writer keeps the FIFO open
# through a silence between two sentences, as the speech module does:
#   paced_sink_e2e.sh PATH/TO/paced_audio_sink
set -uo pipefail
sink_program="$1"
source "$(cd "$(dirname "$0")" && pwd)/lib.sh"
work="$(mktemp -d)"
trap 'kill "$sink" 2>/dev/null; rm -rf "$work"' EXIT
mkfifo "$work/fifo"
"$sink_program" "$work/fifo" "$work/out.raw" 44100 &
sink=$!
# Opening blocks until the sink opens its end: a sink that failed to start must not hang this.
exec 3<>"$work/fifo"
# write_ms BYTES: how long writing a sound of BYTES took, in ms (one second is 44100 bytes).
write_ms() { local t0; t0="$(now_ms)"; head -c "$1" /dev/zero >&3; echo $(( $(now_ms) - t0 )); }
first="$(write_ms 88200)"
sleep 3 # a silence, the FIFO still open
second="$(write_ms 88200)"
exec 3>&-
echo "# two seconds of sound took $first ms, then after a silence $second ms"
check "the first sound takes about its time" [ "$first" -ge 1500 ]
check "a sound after a silence takes its time too" [ "$second" -ge 1500 ]
check "every byte reaches the file" \
  wait_until 3 eval '[ "$(stat -c %s "$work/out.raw")" = 176400 ]'
e2e_finish
