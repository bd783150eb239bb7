#!/usr/bin/env bash
# setup_under_wine.sh SOURCE_DIR BINARY_DIR [SCREENSHOT_FOLDER]: makes the Windows setup from
# the program the Wine run test links, and installs, upgrades and uninstalls it silently in a
# fresh Wine prefix in a temporary folder, on a private display. Without an SDK it exits 77:
# skipped.
set -uo pipefail
source_dir="$1"
binary_dir="$2"
REPO_ROOT="$source_dir"
source "$source_dir/scripts/lib/windows.sh"

if ! sdk="$(windows_test_sdk "$binary_dir")"; then
  echo "SKIPPED: no Qt for Windows SDK. Make one with scripts/windows-sdk (about 40 minutes), or"
  echo "unpack a prebuilt one: scripts/windows-sdk --from ../shared/windows-sdk/$WINDOWS_SDK_ARCHIVE_NAME"
  exit 77
fi
command -v makensis >/dev/null || { echo "makensis is missing: install Debian's nsis"; exit 1; }
echo "# Qt for Windows: $sdk"
build_windows_test_program "$source_dir" "$binary_dir/windows-run/program-build" "$sdk" || exit 1

source "$source_dir/tests/e2e/lib.sh"
work="$(mktemp -d)"
shots="${3:-$work/shots}"
mkdir -p "$shots"
cleanup() {
  /usr/lib/wine/wineserver -k 2>/dev/null # this prefix's server and programs, nobody else's
  stop_private_display
  rm -rf "$work"
}
trap cleanup EXIT
deploy_windows_program "$binary_dir/windows-run/program-build/dorvane.exe" "$sdk" "$work/Dorvane" \
  sapi || exit 1
make_windows_setup "$work/Dorvane" "$work/dorvane-setup.exe" || exit 1
echo "# the setup: $(du -h "$work/dorvane-setup.exe" | cut -f1)"

use_private_home "$work"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM
export WINEPREFIX="$work/wine-prefix" WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=,winemenubuilder.exe=d" # no menu entries in the home
wine=/usr/lib/wine/wine64
(unset DISPLAY; "$wine" wineboot -i >"$work/wineboot.log" 2>&1; /usr/lib/wine/wineserver -w)
start_private_display 1024x768x24 || exit 1

uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Dorvane'
run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
reg_value() { "$wine" reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | awk -v v="$2" '$1 == v {$1=""; $2=""; sub(/^  /, ""); print}'; }
ended() { ! kill -0 "$1" 2>/dev/null; }
# A learner's setting, which neither an upgrade nor the uninstaller may touch.
"$wine" reg add 'HKCU\Software\Vesk\French' /v guagen /d 10101 /f >/dev/null

# --- Installed silently -----------------------------------------------------------------------
"$wine" "$work/dorvane-setup.exe" /S
check "setup.exe /S succeeds" [ $? = 0 ]
location="$(reg_value "$uninstall_key" InstallLocation)"
install="$("$wine" winepath -u "$location" 2>/dev/null | tr -d '\r')"
in_local_programs() { case "$location" in 'C:\users\'*'\AppData\Local\Programs\Dorvane') ;; *) false ;; esac; }
check "it installed into the user's AppData\\Local\\Programs\\Dorvane ($location)" in_local_programs
missing() { (cd "$work/Dorvane" && find . -type f | while read -r f; do [ -f "$install/$f" ] || echo "$f"; done); }
check "every file of the program folder is there $(missing)" [ -z "$(missing)" ]
check "with its uninstaller" [ -f "$install/uninstall.exe" ]
lnk="$(find "$WINEPREFIX/drive_c/users" -path '*/Start Menu/Programs/Dorvane.lnk')"
check "the Start menu shortcut Dorvane is there" [ -n "$lnk" ]
target="$(strings "$lnk" 2>/dev/null | grep -m1 -i '^[A-Z]:\\.*\\dorvane\.exe$')"
check "pointing at the installed dorvane.exe ($target)" [ "$target" = "$location\\dorvane.exe" ]
for entry in "DisplayName=Dorvane" "DisplayVersion=1.01" "Publisher=Vesk" \
  "DisplayIcon=$location\\dorvane.exe,0" "UninstallString=\"$location\\uninstall.exe\"" \
  "QuietUninstallString=\"$location\\uninstall.exe\" /S" "NoModify=0x1" "NoRepair=0x1"; do
  check "the uninstall entry's ${entry%%=*} is ${entry#*=}" \
    [ "$(reg_value "$uninstall_key" "${entry%%=*}")" = "${entry#*=}" ]
done
size=$(( $(reg_value "$uninstall_key" EstimatedSize) ))
check "its EstimatedSize is the folder's, in KB ($size)" \
  [ "$size" = "$(du -sk "$work/Dorvane" | cut -f1)" ]

# --- Started from the shortcut's target, then upgraded while it runs --------------------------
start_installed() {
  (cd "$install" && exec "$wine" "$target") > >(sed -u 's/\r$//' >"$work/$1.log") 2>&1 &
  pid=$!
}
start_installed first
check "the installed program shows its bar" wait_until 60 viewable "$BAR"
shot 01-installed-bar
lock="$(find "$WINEPREFIX/drive_c/users" -path '*/AppData/Local/Dorvane/Software-Vesk.instance.lock')"
rm "$install/licenses/README.txt" # the upgrade must write every file again
"$wine" "$work/dorvane-setup.exe" /S
check "a second setup.exe /S while it runs succeeds" [ $? = 0 ]
check "the running copy ended" wait_until 10 ended "$pid"
status=none
ended "$pid" && { wait "$pid"; status=$?; }
check "as Exit ends it: code 0 ($status)" [ "$status" = 0 ]
check "and its lock released (a killed copy leaves it)" [ ! -f "$lock" ]
check "the files were written again" [ -f "$install/licenses/README.txt" ]
check "the learner's settings are kept" \
  [ "$(reg_value 'HKCU\Software\Vesk\French' guagen)" = 10101 ]

# --- Uninstalled silently while it runs -------------------------------------------------------
start_installed second
check "started again, it shows its bar" wait_until 30 viewable "$BAR"
"$wine" reg add "$run_key" /v French /d "\"$location\\dorvane.exe\"" /f >/dev/null
"$wine" "$install/uninstall.exe" /S # hands over to a copy of itself in the temporary folder
check "the uninstaller ends the running copy" wait_until 15 ended "$pid"
status=none
ended "$pid" && { wait "$pid"; status=$?; }
check "as Exit ends it: code 0 ($status)" [ "$status" = 0 ]
pid=""
check "and leaves no install folder" wait_until 15 [ ! -e "$install" ]
check "no Start menu shortcut" [ ! -e "$lnk" ]
check "no uninstall entry" bash -c "! '$wine' reg query '$uninstall_key' >/dev/null 2>&1"
check "no Run value" [ -z "$(reg_value "$run_key" French)" ]
check "the learner's settings are kept" \
  [ "$(reg_value 'HKCU\Software\Vesk\French' guagen)" = 10101 ]

# --- /D= chooses the folder -------------------------------------------------------------------
"$wine" "$work/dorvane-setup.exe" /S '/D=C:\Apps\Dorvane'
check "/D= installs into the folder it names" \
  [ -f "$WINEPREFIX/drive_c/Apps/Dorvane/dorvane.exe" ]
check "and the uninstall entry says so" \
  [ "$(reg_value "$uninstall_key" InstallLocation)" = 'C:\Apps\Dorvane' ]

# --- Uninstalled by hand, "Also remove my settings and progress" ticked -----------------------
"$wine" 'C:\Apps\Dorvane\uninstall.exe' >/dev/null 2>&1 &
uninstall_page() { shot 02-uninstall && [ "$(mean_brightness 02-uninstall 40x20+600+530)" -gt 150 ]; }
check "the uninstaller shows its first page" wait_until 20 uninstall_page
# The page sits in the middle of the screen: the second box of its list, then Uninstall.
xdotool mousemove 448 380 click 1; sleep 0.5
shot 03-uninstall-ticked
xdotool mousemove 623 539 click 1
check "it removes the folder" wait_until 20 [ ! -e "$WINEPREFIX/drive_c/Apps/Dorvane" ]
check "and, ticked, the learner's settings" \
  wait_until 5 bash -c "! '$wine' reg query 'HKCU\Software\Vesk' >/dev/null 2>&1"
check "and the program's own folder in AppData\\Local" \
  [ -z "$(find "$WINEPREFIX/drive_c/users" -path '*/AppData/Local/Dorvane')" ]
e2e_finish
