# A private X display with a small window manager, for machines without a screen.
# shellcheck shell=bash

XVFB_PID=""
OPENBOX_PID=""

# Starts Xvfb on a free display number (Xvfb picks it) and openbox on it; exports DISPLAY.
start_private_display() {
  local size="${1:-1024x768x24}"
  local fifo
  fifo="$(mktemp -u)"
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 "$size" -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  XVFB_PID=$!
  local number
  read -r -t 10 number <"$fifo" || true
  rm -f "$fifo"
  if [ -z "${number:-}" ]; then
    echo "Xvfb did not start" >&2
    return 1
  fi
  export DISPLAY=":$number"
  openbox >/dev/null 2>&1 &
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
