#!/usr/bin/env bash
# The display of the built program:
#   screen_e2e.sh PATH/TO/dorvane [SCREENSHOT_FOLDER]
# Without a display a start says so in one line and ends with status 1, while the offscreen
# platform and the options that need no display still work.
set -uo pipefail
program="$1"
source "$(cd "$(dirname "$0")" && pwd)/lib.sh"
e2e_setup "${2:-}"
seed() { printf '[French]\nxxx=1\nrd=1\nleft=5680\n' >"$settings"; }

no_display() { env -u DISPLAY -u WAYLAND_DISPLAY -u XDG_SESSION_TYPE "$@"; }
out="$(no_display "$program" 2>&1)"
rc=$?
check "no display: one line says so ($out)" [ "$out" = "dorvane: cannot open the display (DISPLAY=)" ]
check "and the status is 1, not an abort ($rc)" [ "$rc" = 1 ]
out="$(no_display WAYLAND_DISPLAY=wayland-none XDG_SESSION_TYPE=wayland "$program" 2>&1)"
check "in a Wayland session both displays are named ($out)" \
  [ "$out" = "dorvane: cannot open the display (DISPLAY=, WAYLAND_DISPLAY=wayland-none)" ]
check "--version needs no display" bash -c "env -u DISPLAY '$program' --version | grep -q '^Dorvane '"
seed
no_display QT_QPA_PLATFORM=offscreen timeout -k 5 4 "$program" >"$work/offscreen.log" 2>&1
rc=$?
check "the offscreen platform is left alone: still running after 4 s ($rc)" [ "$rc" = 124 ]

e2e_finish
