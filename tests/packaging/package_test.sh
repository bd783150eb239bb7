#!/usr/bin/env bash
# package_test.sh BUILD_DIR [SHOTS]: makes the Debian package from BUILD_DIR, unpacks it into a throw-away
# root and checks its files, its control fields and lintian's verdict, then starts the unpacked
# program under Xvfb + openbox with a fresh home until its bar is on screen.
set -uo pipefail
build_dir="$(cd "$1" && pwd)"
source "$(dirname "$0")/../e2e/lib.sh"

e2e_setup "${2:-}" # screenshots kept in the second argument's folder, if given
cpack --config "$build_dir/CPackConfig.cmake" -G DEB -B "$work/package" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; exit 1; }
deb="$(ls "$work"/package/dorvane_*.deb)"
root="$work/root"
dpkg-deb -x "$deb" "$root"
echo "package: ${deb##*/}"

# Files: the program, its desktop integration and its documents, and nothing of the build tree.
expected_files=(
  usr/bin/dorvane
  usr/share/applications/dorvane.desktop
  usr/share/metainfo/org.example.dorvane.metainfo.xml
  usr/share/icons/hicolor/scalable/apps/dorvane.svg
  usr/share/man/man1/dorvane.1.gz
  usr/share/doc/dorvane/copyright
  usr/share/doc/dorvane/changelog.gz
)
for size in 16 22 24 32 48 64 128 256; do
  expected_files+=("usr/share/icons/hicolor/${size}x${size}/apps/dorvane.png")
done
actual="$(cd "$root" && find . -type f | sed 's|^\./||' | sort)"
check "exactly the expected files" \
  test "$actual" = "$(printf '%s\n' "${expected_files[@]}" | sort)"
check "the program is stripped and has no build-tree search path" \
  bash -c "file '$root/usr/bin/dorvane' | grep -q ', stripped' &&
           ! readelf -d '$root/usr/bin/dorvane' | grep -qE 'RPATH|RUNPATH'"
check "the manual page reads without warnings" \
  bash -c "[ -z \"\$(MANWIDTH=80 man --warnings -l '$root/usr/share/man/man1/dorvane.1.gz' 2>&1 >/dev/null)\" ]"

# Control fields: what the binary links (dpkg-shlibdeps) plus what it loads at run time.
field() { dpkg-deb -f "$deb" "$1"; }
check "package name and version" test "$(field Package) $(field Version)" = "dorvane 1.01"
check "depends on the speech plugin, the X11 plugin and the linked Qt libraries" \
  bash -c "grep -q 'qt6-speech-speechd-plugin' <<<'$(field Depends)' &&
           grep -q 'qt6-qpa-plugins' <<<'$(field Depends)' &&
           grep -q 'libqt6texttospeech6' <<<'$(field Depends)' &&
           grep -q 'libc6' <<<'$(field Depends)'"
check "recommends the speech daemon with espeak-ng" \
  test "$(field Recommends)" = "speech-dispatcher, speech-dispatcher-espeak-ng"
check "suggests the better voices" \
  test "$(field Suggests)" = "speech-dispatcher-pico, mbrola-fr4 | mbrola-fr1"
check "maintainer and summary" \
  test "$(field Maintainer) / $(field Description | head -1)" = \
  "Vesk <support@dorvane.example.org> / learn everyday spoken French from a caption bar"

lintian --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1
cat "$work/lintian.log"
check "lintian reports no error" bash -c "! grep -q '^E:' '$work/lintian.log'"

# The unpacked program, run from where it was installed, shows its bar.
start_program "$root/usr/bin/dorvane" "$work/program.log"
check "the unpacked program shows its bar" wait_for_bar 20
shot unpacked-program
[ "$failures" = 0 ] || cat "$work/program.log"
e2e_finish
