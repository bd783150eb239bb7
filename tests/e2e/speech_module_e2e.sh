#!/usr/bin/env bash
# A speech output module that dies, on the built program:
#   speech_module_e2e.sh PATH/TO/dorvane [SCREENSHOT_FOLDER]
# This run's daemon speaks through a private copy of the espeak-ng module. While one sentence
# plays again and again, the module's process (the one running that copy) is killed and the copy
# taken away: the daemon still answers but reads nothing. One line says so, and once the module
# is back a fresh daemon speaks again.
set -uo pipefail
program="$1"
source "$(cd "$(dirname "$0")" && pwd)/lib.sh"
e2e_setup "${2:-}"

module="$work/modules/sd_espeak-ng"
mkdir -p "$work/modules"
cp /usr/lib/speech-dispatcher-modules/sd_espeak-ng "$module"
printf 'AddModule "espeak-ng" "%s" "espeak-ng.conf"\nDefaultModule espeak-ng\n' "$module" \
  >>"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf"

# The first sentence of the first topic, in sequence, twelve plays of 8 s.
e2e_start_with '[French]\nxxx=1\nrd=1\nguage=1\nguagen=10101\nn=12\nleft=5680\n' 0
check "the speech engine comes up" wait_until 90 grep -q '^speech: engine' "$work/log"

audio_bytes() { stat -c %s "$work/speech.raw" 2>/dev/null || echo 0; }
grown() { [ "$(audio_bytes)" -gt "$1" ]; }
still() { local a; a="$(audio_bytes)"; sleep 0.6; [ "$(audio_bytes)" = "$a" ]; }
daemon_pid() { cat "$XDG_RUNTIME_DIR/speech-dispatcher/pid/speech-dispatcher.pid" 2>/dev/null; }
module_pid() {
  local p
  for p in /proc/[0-9]*; do
    [ "$(readlink "$p/exe" 2>/dev/null)" = "$module" ] && echo "${p#/proc/}"
  done
}
check "a sentence is heard" wait_until 30 grown 0
wait_until 10 still
old_daemon="$(daemon_pid)"
process="$(module_pid)"
check "the module's process is found" [ -n "$process" ]
kill "$process"
mv "$module" "$module.away"
killed_at="$(now_ms)"
silent="$(audio_bytes)"
said='^speech: the engine stopped working \(a sentence handed to it was not begun within 5 s\); it is started again$'
check "the silence is said within 25 s" wait_until 25 grep -qE "$said" "$work/log"
echo "# said after $(($(now_ms) - killed_at)) ms"
sleep 8
check "nothing was heard while the module was away" [ "$(audio_bytes)" = "$silent" ]
mv "$module.away" "$module"
back_at="$(now_ms)"
check "speech is back within 90 s of the module" wait_until 90 grown "$silent"
echo "# heard again $(($(now_ms) - back_at)) ms after the module came back"
check "from a fresh daemon" [ "$(daemon_pid)" != "$old_daemon" ]
check "the silence was said once" [ "$(grep -cE "$said" "$work/log")" = 1 ]
grep '^speech:' "$work/log"
exit_through_menu
e2e_finish
