#!/usr/bin/env bash
# run_program.sh SOURCE_DIR BINARY_DIR [SCREENSHOT_FOLDER]: links the real dorvane.exe against the
# Qt for Windows SDK, lays it out as the Windows zip does, and drives it under Wine on a private
# Xvfb + openbox display, with the Wine prefix and HOME in BINARY_DIR/windows-run. Wine's SAPI
# has no French voice (a last run gives it two it cannot speak with, and checks that the
# program lists them, says so and plays on; killed then, it starts again over the lock it
# left). Without an SDK it exits 77: skipped.
set -uo pipefail
source_dir="$1"
binary_dir="$2"
REPO_ROOT="$source_dir"
source "$source_dir/scripts/lib/windows.sh"

sdk=""
for candidate in "${DORVANE_WINDOWS_SDK:-}" "$binary_dir/windows-sdk/qt-$WINDOWS_QT_VERSION-mingw" \
  "$HOME/.cache/dorvane/qt-$WINDOWS_QT_VERSION-mingw"; do
  if [ -n "$candidate" ] && windows_sdk_complete "$candidate"; then
    sdk="$candidate"
    break
  fi
done
if [ -z "$sdk" ]; then
  echo "SKIPPED: no Qt for Windows SDK. Make one with scripts/windows-sdk (about 40 minutes), or"
  echo "unpack a prebuilt one: scripts/windows-sdk --from ../shared/windows-sdk/$WINDOWS_SDK_ARCHIVE_NAME"
  exit 77
fi
echo "# Qt for Windows: $sdk"

work="$binary_dir/windows-run"
mkdir -p "$work"
export DORVANE_WINDOWS_SDK="$sdk"
# Configured once per SDK: CMake keeps the Qt it found.
if [ "$(cat "$work/program-build/sdk" 2>/dev/null)" != "$sdk" ]; then
  rm -rf "$work/program-build"
  cmake -S "$source_dir" -B "$work/program-build" --preset windows >/dev/null || exit 1
  echo "$sdk" >"$work/program-build/sdk"
fi
nice -n 19 cmake --build "$work/program-build" --target dorvane -j2 | grep -v '^\[' || true
[ -f "$work/program-build/dorvane.exe" ] || { echo "dorvane.exe was not linked"; exit 1; }
folder="$work/Dorvane"
deploy_windows_program "$work/program-build/dorvane.exe" "$sdk" "$folder" sapi || exit 1

# Everything Wine and the program write stays in here; Wine finds no display while it sets up
# its prefix, so no first-run windows show.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_CACHE_HOME="$work/home/.cache"
export XDG_DATA_HOME="$work/home/.local/share" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
export WINEPREFIX="$work/wine-prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset WAYLAND_DISPLAY QT_QPA_PLATFORM
wine=/usr/lib/wine/wine64
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "# creating the Wine prefix"
  (unset DISPLAY; "$wine" wineboot -i >"$work/wineboot.log" 2>&1; /usr/lib/wine/wineserver -w)
fi
source "$source_dir/tests/e2e/lib.sh"
shots="${3:-$work/shots}"
rm -rf "$shots"
mkdir -p "$shots"
cleanup() {
  /usr/lib/wine/wineserver -k 2>/dev/null # this prefix's server and programs, nobody else's
  stop_private_display
}
trap cleanup EXIT
start_private_display 1024x768x24 || exit 1

# Wine's first program of a session starts its desktop process, which needs the display: every
# Wine command from here on runs with it. A fresh registry each run: the settings, the Run value,
# the test's voices and the program's lock.
"$wine" reg delete 'HKCU\Software\Vesk' /f >/dev/null 2>&1
"$wine" reg delete 'HKCU\Software\Microsoft\Windows\CurrentVersion\Run' /v French /f >/dev/null 2>&1
"$wine" reg delete 'HKLM\SOFTWARE\Microsoft\Speech\Voices\Tokens\DorvaneTestDesktop' /f >/dev/null 2>&1
"$wine" reg delete 'HKCU\SOFTWARE\Microsoft\Speech_OneCore' /f >/dev/null 2>&1
rm -rf "$WINEPREFIX"/drive_c/users/*/AppData/Local/Dorvane "$WINEPREFIX"/drive_c/users/*/AppData/Roaming/Dorvane

reg_value() { "$wine" reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | awk -v v="$2" '$1 == v {$1=""; $2=""; sub(/^  /, ""); print}'; }
menu_shown() { shot "$1" && [ "$(mean_brightness "$1" 60x40+780+30)" -gt 150 ]; }
balloon_shown() { # a light balloon above Peedy's beak, in the bottom-right corner
  shot "$1" && [ "$(mean_brightness "$1" 20x12+876+546)" -gt 150 ]
}
ended() { ! kill -0 "$1" 2>/dev/null; }

# Sequence mode from the first sentence, so the bar's first sentence is known.
for entry in xxx=1 rd=1 guage=1 guagen=10101 left=5680; do
  "$wine" reg add 'HKCU\Software\Vesk\French' /v "${entry%%=*}" /d "${entry#*=}" /f >/dev/null
done

# The program is started from its own folder, on Wine's Z: drive, as a learner starts it from
# Explorer: a lock taken for a folder would land at that drive's root, the Linux root here.
cd "$folder" || exit 1
touch "$work/started"
log="$work/dorvane.log"
# Standard error in text mode ends lines with CR LF. Qt's SAPI plugin writes a warning for each
# turn of its endless loop under Wine; those are left out.
start_windows_program() {
  "$wine" "$folder/dorvane.exe" \
    > >(sed -u 's/\r$//' | grep --line-buffered -v 'ISpDataKey::EnumValues failed' >"$1") 2>&1 &
  pid=$!
}
start_windows_program "$log"
check "the splash shows first" wait_until 15 viewable Version
shot 01-splash
check "the bar appears" wait_until 10 viewable "$BAR"
check "the bar is at the top of the screen ($(geometry "$BAR"))" \
  [ "$(geometry "$BAR")" = "379,0 477x23" ]
check "it shows the welcome line" wait_until 4 shows_text 02-welcome "Welcome to use Dorvane"
check "then the first French sentence" wait_until 12 shows_text 03-sentence "Bonjour"
check "Peedy shows" viewable Peedy
check "Peedy's balloon shows the sentence" wait_until 3 balloon_shown 04-peedy
check "the speech engine answered (Wine's SAPI has no French voice)" \
  wait_until 5 grep -q '^speech: no French voice is installed' "$log"
lock="$(find "$WINEPREFIX/drive_c/users" -path '*/AppData/Local/Dorvane/Software-Vesk.instance.lock')"
check "the lock is in the user's application data folder" [ -n "$lock" ]

# --- The hover menu, Settings..., and the menu again after the dialog -----------------------
xdotool mousemove 700 300; sleep 0.4
xdotool mousemove 846 12
check "moving onto the picture opens the menu" wait_until 2 menu_shown 05-menu
# Chosen with the mouse: the pointer leaves the picture while the menu holds it.
xdotool mousemove 770 37; sleep 0.2; xdotool click 1
check "Settings... opens the dialog" wait_until 5 viewable "Setting..."
read -r dialog_x dialog_y _ < <(geometry "Setting..." | tr ',' ' ')
# "Start with windows start": 2880,5340 twips inside the dialog.
xdotool mousemove $((${dialog_x:-0} + 200)) $((${dialog_y:-0} + 364)) click 1
sleep 0.5
shot 06-dialog
xdotool key --window "$(window_id "Setting...")" --clearmodifiers alt+F4
check "the dialog closes" wait_until 5 bash -c "! xwininfo -root -tree | grep -q '\"Setting...\"'"
run_value="$(reg_value 'HKCU\Software\Microsoft\Windows\CurrentVersion\Run' French)"
check "ticking \"Start with windows start\" wrote the Run value ($run_value)" \
  [ "$run_value" = "\"Z:$(tr / '\\' <<<"$folder/dorvane.exe")\"" ]
xdotool mousemove 700 300; sleep 0.4
xdotool mousemove 846 12
check "after the dialog, one jump onto the picture opens the menu again" \
  wait_until 2 menu_shown 07-menu-after-dialog
# A click beside it closes the menu (Wine gives the keyboard to none of the program's windows
# once the dialog has gone, so Escape would not).
xdotool mousemove 600 400 click 1; sleep 0.3

# --- A second copy, then Exit ----------------------------------------------------------------
second_started=$(now_ms)
"$wine" "$folder/dorvane.exe" >"$work/second.log" 2>&1 &
second=$!
check "a second copy ends at once" wait_until 10 ended "$second"
echo "# the second copy ended in $(( $(now_ms) - second_started )) ms"
check "the first copy runs on" kill -0 "$pid"
# Not the same pixel: the menu was closed with the pointer outside the program's windows, and
# Qt's Windows plugin drops a plain move to the place of the last move it saw (it takes it for
# the one Windows sends when a window appears under the pointer).
xdotool mousemove 700 300; sleep 0.4
xdotool mousemove 843 14
check "the menu opens for Exit" wait_until 2 menu_shown 08-menu-for-exit
# Exit, the last entry, under Learn and the two links.
xdotool mousemove 755 186 click 1
check "Exit ends the program" wait_until 5 ended "$pid"
status=none
ended "$pid" && { wait "$pid"; status=$?; }
check "with exit code 0 ($status)" [ "$status" = 0 ]
pid=""
check "the settings are under HKCU\\Software\\Vesk\\French" \
  [ "$(reg_value 'HKCU\Software\Vesk\French' guagen)" != "" ]
check "the learning marks under HKCU\\Software\\Vesk\\Learning" \
  "$wine" reg query 'HKCU\Software\Vesk\Learning'

# --- The learner's own sentences: imported and added from the command line, played ---------
printf 'Fran\xe7ais;Anglais\r\nBon app\xe9tit !;Enjoy your meal!\r\n"Il fait froid; couvre-toi";"It is cold; wrap up"\r\n' \
  >"$work/repas.csv" # as French Excel saves it: Windows-1252, semicolons, CR LF
summary="$("$wine" "$folder/dorvane.exe" --import "Z:$work/repas.csv" --deck Repas 2>&1 | tr -d '\r')"
check "dorvane.exe --import makes a deck, with no copy running ($summary)" grep -q "2 added" <<<"$summary"
"$wine" "$folder/dorvane.exe" --add "Il neige." "It is snowing." >/dev/null 2>&1
added=("$WINEPREFIX"/drive_c/users/*/AppData/Roaming/Dorvane/decks/"My sentences.tsv")
check "--add writes \"My sentences\" in the user's roaming application data" test -f "${added[0]}"
"$wine" "$folder/dorvane.exe" --play-deck Repas >/dev/null 2>&1
start_windows_program "$work/decks.log"
check "with the deck chosen, the bar appears" wait_until 20 viewable "$BAR"
check "and plays the deck's first sentence" wait_until 20 shows_text 08b-deck "Bon app"
/usr/lib/wine/wineserver -k 2>/dev/null
pid=""
"$wine" "$folder/dorvane.exe" --play-deck "" >/dev/null 2>&1

# --- SAPI itself, as the zip has it: two French voices Wine has no engine for ---------------
# One token in each of SAPI's two lists, the OneCore one the user's own. (Qt's SAPI plugin, which
# loops forever under Wine, is in the folder as in the zip, but never loaded: SAPI is there.)
add_voice_token() {
  "$wine" reg add "$1" /ve /d "$2" /f >/dev/null
  "$wine" reg add "$1" /v CLSID /d '{2D8F3F5C-0000-4000-8000-00000000D0A1}' /f >/dev/null
  "$wine" reg add "$1\Attributes" /v Name /d "$2" /f >/dev/null
  "$wine" reg add "$1\Attributes" /v Language /d 40C /f >/dev/null
  "$wine" reg add "$1\Attributes" /v Gender /d Female /f >/dev/null
}
add_voice_token 'HKLM\SOFTWARE\Microsoft\Speech\Voices\Tokens\DorvaneTestDesktop' 'Voix de bureau'
add_voice_token 'HKCU\SOFTWARE\Microsoft\Speech_OneCore\Voices\Tokens\DorvaneTestOneCore' 'Voix OneCore'
start_windows_program "$work/sapi.log"
check "the bar appears again" wait_until 20 viewable "$BAR"
check "no French voice can be used, it says" \
  wait_until 20 grep -q '^speech: no French voice can be used' "$work/sapi.log"
cpu_ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
ticks_before=$(cpu_ticks)
shot 09-sapi-before
sleep 20
ticks=$(( $(cpu_ticks) - ticks_before ))
check "using under 5 % of a core over 20 s ($ticks ticks of processor time, $(getconf CLK_TCK) to a second)" \
  [ "$ticks" -lt $(( $(getconf CLK_TCK) * 20 * 5 / 100 )) ]
bar_changed() { shot 10-sapi-after && ! same_text 09-sapi-before 10-sapi-after; }
check "and the bar plays on" wait_until 15 bar_changed
for voice in "Voix de bureau" "Voix OneCore"; do
  check "\"$voice\" is said to be unusable, once" \
    [ "$(grep -c "^speech: the voice \"$voice\" cannot be used: " "$work/sapi.log")" = 1 ]
done
# The Voice submenu, under Learn: the bar's menu, Learn (its submenu opens to the left), Voice.
xdotool mousemove 700 300; sleep 0.4
xdotool mousemove 846 12
check "the menu opens for the voices" wait_until 2 menu_shown 11-menu-for-voices
xdotool mousemove 770 103; sleep 0.8
xdotool mousemove 650 103; sleep 0.2
xdotool mousemove 480 629; sleep 1 # below the bar's and the decks' entries
shot 12-voice-submenu
voices_listed="$(convert "$shots/12-voice-submenu.png" -crop 136x44+706+617 +repage -resize 300% \
  "$work/voices.png" && tesseract "$work/voices.png" - --psm 6 2>/dev/null | tr -s ' \n' ' ')"
for voice in "Voix de bureau" "Voix OneCore"; do
  check "the Voice submenu lists \"$voice\" ($voices_listed)" grep -q "$voice" <<<"$voices_listed"
done
/usr/lib/wine/wineserver -k 2>/dev/null
pid=""

# --- Killed, as a crash ends it: the next start takes the lock left behind over --------------
# The first program a fresh Wine server starts is given the same process id each time: killed
# with its server, the copy after that finds its own id in the lock.
lock_pid() { head -1 "$lock" 2>/dev/null | tr -d '\r'; }
for round in after-kill after-second-kill; do
  stale="$(lock_pid)"
  start_windows_program "$work/$round.log"
  check "after the program was killed (its lock names process $stale), a start shows the bar again" \
    wait_until 20 viewable "$BAR"
  check "having taken the lock over ($(grep -m1 'lock file' "$work/$round.log"))" \
    grep -q '^dorvane: taking over the lock file .*Software-Vesk.instance.lock: ' "$work/$round.log"
  /usr/lib/wine/wineserver -k 2>/dev/null
  pid=""
done
check "the second time the lock named the starting process itself ($stale, now $(lock_pid))" \
  grep -q 'Software-Vesk.instance.lock: it names this very process$' "$work/after-second-kill.log"

# Only a real folder holds the lock: nothing named after the registry at the root of Wine's two
# drives (C: and Z:, the Linux root) or in the program's folder, where the run started.
hkey_traces() {
  find /HKEY_CURRENT_USER "$WINEPREFIX/drive_c/HKEY_CURRENT_USER" "$folder/HKEY_CURRENT_USER" \
    -newer "$work/started" 2>/dev/null
}
check "no HKEY_CURRENT_USER folder in the file system $(hkey_traces)" [ -z "$(hkey_traces)" ]
grep -v -E 'EnableNonClientDpiScaling|SetProcessDpiAwarenessContext' "$log" "$work/sapi.log" \
  "$work/after-kill.log" "$work/after-second-kill.log" | sed 's/^/# /'
e2e_finish
