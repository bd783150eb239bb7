# A private X display with a small window manager, for machines without a screen, and a
# private home for a program run on it.
# shellcheck shell=bash

XVFB_PID=""
OPENBOX_PID=""

# Starts Xvfb on a free display number (Xvfb picks it) and openbox on it; exports DISPLAY.
# Both run in a session of their own, so a Ctrl-C in the terminal reaches the program on the
# display but not the display itself, which must outlive the program's end.
start_private_display() {
  local size="${1:-1024x768x24}"
  local fifo
  fifo="$(mktemp -u)"
  mkfifo "$fifo"
  setsid Xvfb -displayfd 3 -screen 0 "$size" -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  XVFB_PID=$!
  local number
  read -r -t 10 number <"$fifo" || true
  rm -f "$fifo"
  if [ -z "${number:-}" ]; then
    echo "Xvfb did not start" >&2
    return 1
  fi
  export DISPLAY=":$number"
  setsid openbox >/dev/null 2>&1 &
  OPENBOX_PID=$!
  # openbox manages new windows once it has published its client list; a window mapped
  # before that may never be shown.
  local i
  for i in $(seq 100); do
    xprop -root _NET_CLIENT_LIST 2>/dev/null | grep -q 'WINDOW' && break
    sleep 0.05
  done
}

stop_private_display() {
  [ -n "$OPENBOX_PID" ] && kill "$OPENBOX_PID" 2>/dev/null || true
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
  wait 2>/dev/null || true
}

# Points HOME and the XDG folders into FOLDER, so nothing touches the user's own settings.
use_private_home() {
  local folder="$1"
  mkdir -p "$folder/home/.config" "$folder/run"
  chmod 700 "$folder/run"
  export HOME="$folder/home" XDG_CONFIG_HOME="$folder/home/.config" XDG_RUNTIME_DIR="$folder/run"
  export XDG_DATA_HOME="$folder/home/.local/share" XDG_CACHE_HOME="$folder/home/.cache"
}

# Whether a speech daemon runs for this runtime folder.
speech_dispatcher_running() {
  kill -0 "$(cat "${XDG_RUNTIME_DIR:-/nonexistent}/speech-dispatcher/pid/speech-dispatcher.pid" \
    2>/dev/null)" 2>/dev/null
}

# The speech daemon a program started for this runtime folder outlives the program.
stop_speech_dispatcher() {
  kill "$(cat "${XDG_RUNTIME_DIR:-/nonexistent}/speech-dispatcher/pid/speech-dispatcher.pid" \
    2>/dev/null)" 2>/dev/null || true
}
