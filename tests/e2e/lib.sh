# Shared by the end-to-end scripts: a private home and X display, checks, waits, screenshots and
# reading the bar's pixels. Source it, then call e2e_setup.
# shellcheck shell=bash

E2E_HERE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$E2E_HERE/../../scripts/lib/xvfb.sh"

# One thread for tesseract: its threads spin while they wait, and on a busy machine that made
# reading one line take seconds.
export OMP_THREAD_LIMIT=1

# The caption bar's window, by its title.
BAR="Dorvane caption bar"
failures=0
passes=0
pid=""

# e2e_setup [SCREENSHOT_FOLDER]: a throw-away home, speech into a file, Xvfb + openbox; the
# screen is 1024x768 unless E2E_SCREEN names another size ("2048x768x24").
e2e_setup() {
  work="$(mktemp -d)"
  shots="${1:-$work/shots}"
  mkdir -p "$shots"
  use_private_home "$work"
  unset WAYLAND_DISPLAY QT_QPA_PLATFORM
  settings="$XDG_CONFIG_HOME/Vesk.conf"
  trap e2e_cleanup EXIT
  # Speech goes to a file, not to a sound card this machine may not have; through the paced
  # sink (when the test runner names it) a sentence takes as long as it would aloud.
  if [ -n "${DORVANE_PACED_SINK:-}" ]; then
    mkfifo "$work/speech.fifo"
    "$DORVANE_PACED_SINK" "$work/speech.fifo" "$work/speech.raw" 44100 &
    SINK_PID=$!
    "$E2E_HERE/../support/speech-to-file" "$work/speech.fifo"
  else
    "$E2E_HERE/../support/speech-to-file" "$work/speech.raw"
  fi
  start_private_display "${E2E_SCREEN:-1024x768x24}" || exit 1
}

e2e_cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  [ -n "${SINK_PID:-}" ] && kill "$SINK_PID" 2>/dev/null
  stop_speech_dispatcher
  stop_private_display
  rm -rf "$work"
}

# Prints the tally in the form CTest's log readers know, and fails if any check failed.
e2e_finish() {
  echo "$passes passed, $failures failed"
  [ "$failures" = 0 ]
}

check() { # check DESCRIPTION COMMAND...
  local what="$1"; shift
  if "$@"; then echo "ok   - $what"; passes=$((passes + 1))
  else echo "FAIL - $what"; failures=$((failures + 1)); fi
}

window_id() { xwininfo -root -tree 2>/dev/null | awk -v t="\"$1\":" 'index($0, t) {print $1; exit}'; }
viewable() { local id; id="$(window_id "$1")"; [ -n "$id" ] && xwininfo -id "$id" | grep -q IsViewable; }
# Both "none" when there is no such window (an empty id would make xwininfo wait for a click).
geometry() { local id; id="$(window_id "$1")"; [ -n "$id" ] || { echo none; return; }; xwininfo -id "$id" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4} /Width/{w=$2} /Height/{h=$2} END{print x","y" "w"x"h}'; }
wm_state() { local id; id="$(window_id "$1")"; [ -n "$id" ] || { echo none; return; }; xprop -id "$id" WM_STATE _NET_WM_STATE; }
now_ms() { echo $(( $(date +%s%N) / 1000000 )); }
wait_until() { # wait_until SECONDS COMMAND...
  local deadline=$(( $(now_ms) + $1 * 1000 )); shift
  until "$@"; do [ "$(now_ms)" -ge "$deadline" ] && return 1; sleep 0.05; done
}
shot() { import -window root "$shots/$1.png"; }
# Left edge of the white text on the bar (first start's place), or "none"; the signs beside the
# picture are left out.
text_left() {
  local out
  out="$(convert "$shots/$1.png" -crop 434x17+382+4 +repage -fill black -fuzz 35% +opaque white \
    -trim -format '%X' info: 2>/dev/null)"
  case "$out" in +*) echo "${out#+}" ;; *) echo none ;; esac
}
mean_brightness() { convert "$shots/$1.png" -crop "$2" +repage -colorspace gray -format '%[fx:int(mean*255)]' info:; }
text_crop() { convert "$shots/$1.png" -crop 440x17+382+4 +repage "$work/$1.crop.png"; }
same_text() { # same_text SHOT_A SHOT_B: the bar's text region is pixel for pixel the same
  text_crop "$1"; text_crop "$2"
  [ "$(compare -metric AE "$work/$1.crop.png" "$work/$2.crop.png" null: 2>&1)" = 0 ]
}
changes_within() { # changes_within MS BEFORE_SHOT NAME: the text differs from BEFORE_SHOT
  local deadline=$(( $(now_ms) + $1 ))
  until shot "$3"; ! same_text "$2" "$3"; do [ "$(now_ms)" -ge "$deadline" ] && return 1; done
}
pause_sign_shown() { [ "$(mean_brightness "$1" 4x8+822+8)" -gt 150 ]; }
# Top row of the white text on the bar, or "none": a rising English line is lower than one at rest.
text_top() {
  local out
  out="$(convert "$shots/$1.png" -crop 440x22+382+1 +repage -fill black -fuzz 35% +opaque white \
    -trim -format '%Y' info: 2>/dev/null)"
  case "$out" in +*) echo "${out#+}" ;; *) echo none ;; esac
}
# The text on the bar in a screenshot (its first start's place), read back: enlarged, the white
# text made black on white, one line.
bar_text() { # bar_text SHOT [WIDTH]: WIDTH pixels from the bar's left end, all of them by default
  convert "$shots/$1.png" -crop "${2:-454}x23+379+0" +repage -colorspace gray -negate -resize 400% \
    -threshold 45% "$work/ocr-$1.png" 2>/dev/null &&
    timeout 3 tesseract "$work/ocr-$1.png" - --psm 7 -l fra+eng 2>/dev/null | tr -s ' \n' ' '
}
# shows_text SHOT WORDS [WIDTH]: a screenshot taken now has those words on the bar (case and
# spacing aside).
shows_text() {
  local words
  words="$(sed "s/’/'/g" <<<"$2" | tr '[:upper:]' '[:lower:]')"
  shot "$1" && bar_text "$1" "${3:-}" | sed "s/’/'/g" | tr '[:upper:]' '[:lower:]' | grep -qF "$words"
}
setting() { sed -n "s/^$1=//p" "$settings"; }

# start_program PROGRAM LOG: starts a copy in the background and sets pid.
start_program() {
  "$1" >"$2" 2>&1 &
  pid=$!
}
# Waits until the program it started has shown its bar and the first French sentence is due.
wait_for_bar() { wait_until "${1:-3}" viewable "$BAR"; }
# e2e_start_with SETTINGS [SECONDS]: the store holds SETTINGS (a settings file's text, with
# printf's backslash escapes) and the program under test ($program) starts on it, writing to
# $work/log; sets pid. Its bar must show within SECONDS (3 by default); 0 leaves the waiting to
# the script.
e2e_start_with() {
  mkdir -p "$(dirname "$settings")"
  printf '%b' "$1" >"$settings"
  start_program "$program" "$work/log"
  [ "${2:-3}" = 0 ] || check "the bar shows" wait_for_bar "${2:-3}"
}
# Hovers the menu picture at the bar's right end (first start's place).
hover_menu_picture() { xdotool mousemove 845 12; sleep 0.1; xdotool mousemove 846 13; }
# Exit through the hover menu, and waits for the program to end.
exit_through_menu() {
  xdotool mousemove 600 0; sleep 0.3; hover_menu_picture; sleep 0.6
  xdotool key Up Return
  wait_until 3 bash -c "! kill -0 $pid 2>/dev/null"
  pid=""
}
