#!/usr/bin/env bash
# wine_tests.sh SOURCE_DIR BUILD_DIR: builds the Win32 unit tests with mingw and runs them under
# Wine, in a Wine prefix and HOME inside BUILD_DIR, never the user's own.
set -euo pipefail
source_dir="$1"
build_dir="$2"
wine_bin=/usr/lib/wine

if [ ! -f "$build_dir/build.ninja" ]; then
  cmake -S "$source_dir/tests/windows" -B "$build_dir" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$source_dir/cmake/mingw-w64-x86_64.cmake"
fi
cmake --build "$build_dir" -j2

mkdir -p "$build_dir/home"
export HOME="$build_dir/home" XDG_CONFIG_HOME="$build_dir/home/.config"
export XDG_DATA_HOME="$build_dir/home/.local/share" XDG_CACHE_HOME="$build_dir/home/.cache"
export WINEPREFIX="$build_dir/wine-prefix" WINEDEBUG=-all
# No Mono or Gecko download prompts while the prefix is created, and no windows on a display.
export WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY

# Wine's server outlives the test and would keep CTest waiting on its output: the output goes to
# a file, and this prefix's server is ended on the way out.
trap '"$wine_bin/wineserver" -k 2>/dev/null || true' EXIT
log="$build_dir/win32_tests.log"
status=0
"$wine_bin/wine64" "$build_dir/win32_tests.exe" >"$log" 2>&1 </dev/null || status=$?
cat "$log"
exit "$status"
