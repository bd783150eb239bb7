# Shared by scripts/windows-sdk, scripts/package-windows, scripts/test and the Wine run test:
# where the Qt for Windows SDK lives, and the files a Windows program folder holds.
# shellcheck shell=bash

WINDOWS_QT_VERSION=6.4.2
# The prebuilt SDK the project's machines find beside the checkout (../shared/windows-sdk/).
WINDOWS_SDK_ARCHIVE_NAME=qt-6.4.2-mingw-w64-x86_64.tar.xz
WINDOWS_SDK_ARCHIVE_SHA256=19ce6004dbb47ea416eb8e0a95bb6047a6360fb8d1004f7b14c87a0555924964
# Written into an SDK once it is complete; a half-unpacked or half-built one has none.
WINDOWS_SDK_STAMP=.dorvane-windows-sdk

# What building for Windows needs: the cross compiler, and Debian's Qt of the same version as
# host tools (moc, rcc, uic, syncqt), whose QtQmlIntegration header qtspeech also wants.
WINDOWS_PACKAGES=(cmake ninja-build g++-mingw-w64-x86-64-posix qt6-base-dev qt6-base-dev-tools
  qt6-declarative-dev xz-utils zip unzip nsis imagemagick)

windows_sdk_default() { echo "${DORVANE_WINDOWS_SDK:-$HOME/.cache/dorvane/qt-$WINDOWS_QT_VERSION-mingw}"; }
windows_sdk_complete() { [ -f "$1/$WINDOWS_SDK_STAMP" ] && [ -f "$1/lib/cmake/Qt6/Qt6Config.cmake" ]; }
windows_sdk_shared_archive() { echo "$REPO_ROOT/../shared/windows-sdk/$WINDOWS_SDK_ARCHIVE_NAME"; }

# The mingw runtime DLLs the program and Qt's DLLs load (posix threads: winpthread).
windows_runtime_dlls() {
  local dll found
  for dll in libgcc_s_seh-1.dll libstdc++-6.dll libwinpthread-1.dll; do
    found="$(x86_64-w64-mingw32-g++-posix -print-file-name="$dll")"
    [ -f "$found" ] || { echo "the mingw runtime's $dll was not found" >&2; return 1; }
    realpath "$found"
  done
}

# deploy_windows_program EXE SDK FOLDER SPEECH_PLUGIN: a folder that runs on Windows as it is:
# the program, the six Qt DLLs it links, the plugins it loads, the mingw runtime and the licence
# texts of Qt's LGPL. Qt 6.4 builds no windeployqt when cross-compiling, hence the list.
# SPEECH_PLUGIN: sapi, the plugin of Qt's engine, which stands in where SAPI itself is missing.
deploy_windows_program() {
  local exe="$1" sdk="$2" folder="$3" speech="$4" module plugin
  rm -rf "$folder"
  mkdir -p "$folder"/{platforms,imageformats,iconengines,styles,texttospeech,licenses}
  cp "$exe" "$folder/"
  for module in Core Gui Widgets Network Svg TextToSpeech; do
    cp "$sdk/bin/Qt6$module.dll" "$folder/"
  done
  for plugin in platforms/qwindows imageformats/qgif imageformats/qjpeg imageformats/qsvg \
    imageformats/qico iconengines/qsvgicon styles/qwindowsvistastyle \
    "texttospeech/qtexttospeech_$speech"; do
    cp "$sdk/plugins/$plugin.dll" "$folder/$plugin.dll"
  done
  cp $(windows_runtime_dlls) "$folder/"
  # Debian's mingw runtime and the SDK keep their symbols: a third of the size, no use to a
  # learner.
  find "$folder" -name '*.dll' -o -name '*.exe' | xargs x86_64-w64-mingw32-strip --strip-unneeded
  # Qt's modules are LGPL-3.0, whose text is the GPL-3.0's with added permissions: both go with
  # the DLLs, with the runtime's exception.
  cp /usr/share/common-licenses/LGPL-3 "$folder/licenses/LGPL-3.0.txt"
  cp /usr/share/common-licenses/GPL-3 "$folder/licenses/GPL-3.0.txt"
  cat >"$folder/licenses/README.txt" <<EOF
Dorvane uses Qt $WINDOWS_QT_VERSION (https://www.qt.io/), under the GNU Lesser General Public
License version 3 (LGPL-3.0.txt, which adds permissions to GPL-3.0.txt): the Qt6*.dll files and
the plugins in platforms/, imageformats/, iconengines/, styles/ and texttospeech/. They are
unmodified builds of Qt's own sources (qtbase as packaged by Debian, qtsvg and qtspeech
$WINDOWS_QT_VERSION), made with mingw-w64; you may replace them with your own builds of the same
Qt version. libgcc_s_seh-1.dll, libstdc++-6.dll and libwinpthread-1.dll are the GCC and
mingw-w64 runtime, under the GPL with the GCC Runtime Library Exception and under the
MIT/ZPL licences of mingw-w64 respectively.
EOF
}

# make_windows_setup FOLDER SETUP: the NSIS setup (packaging/windows/dorvane.nsi) that installs
# FOLDER, a folder deploy_windows_program made, file by file: the same list as the zip, and the
# uninstaller removes exactly those files.
make_windows_setup() {
  local folder setup="$2" lists file dir
  folder="$(realpath "$1")"
  lists="$(mktemp -d)"
  (
    cd "$folder" || exit 1
    find . -type d | sort | while read -r dir; do
      dir="${dir#.}"
      echo "SetOutPath \"\$INSTDIR${dir//\//\\}\""
      find ".$dir" -maxdepth 1 -type f | sort | while read -r file; do
        echo "File \"$folder/${file#./}\""
      done
    done >"$lists/files.nsh"
    find . -type f | sort | while read -r file; do
      file="${file#./}"
      echo "Delete \"\$INSTDIR\\${file//\//\\}\""
    done >"$lists/unfiles.nsh"
    # Deepest first, so each is empty when its turn comes.
    find . -mindepth 1 -type d | sort -r | while read -r dir; do
      dir="${dir#./}"
      echo "RMDir \"\$INSTDIR\\${dir//\//\\}\""
    done >>"$lists/unfiles.nsh"
  )
  # The first and last pages' picture: the program's icon on the bar's blue.
  convert -size 164x314 'xc:srgb(37,111,149)' "$REPO_ROOT/resources/icons/hicolor/128x128.png" \
    -gravity north -geometry +0+40 -composite -type truecolor "BMP3:$lists/wizard.bmp"
  local version
  version="$(sed -n 's/^project(Dorvane VERSION \([0-9.]*\).*/\1/p' "$REPO_ROOT/CMakeLists.txt")"
  rm -f "$setup"
  local status=0
  makensis -V2 -NOCD "-DVERSION=$version" "-DFOLDER=$folder" "-DFILES=$lists/files.nsh" \
    "-DUNFILES=$lists/unfiles.nsh" "-DSIZE_KB=$(du -sk "$folder" | cut -f1)" \
    "-DICON=$REPO_ROOT/resources/icons/dorvane.ico" "-DWIZARD=$lists/wizard.bmp" \
    "-DOUTFILE=$(realpath -m "$setup")" \
    "$REPO_ROOT/packaging/windows/dorvane.nsi" || status=$?
  rm -rf "$lists"
  return $status
}

# The tests' Qt for Windows: DORVANE_WINDOWS_SDK, the one scripts/test unpacks into the build
# folder, or the user's; nothing when none is complete.
windows_test_sdk() {
  local binary_dir="$1" candidate
  for candidate in "${DORVANE_WINDOWS_SDK:-}" "$binary_dir/windows-sdk/qt-$WINDOWS_QT_VERSION-mingw" \
    "$HOME/.cache/dorvane/qt-$WINDOWS_QT_VERSION-mingw"; do
    if [ -n "$candidate" ] && windows_sdk_complete "$candidate"; then
      echo "$candidate"
      return 0
    fi
  done
  return 1
}

# build_windows_test_program SOURCE_DIR BUILD_DIR SDK: dorvane.exe in BUILD_DIR, configured once
# per SDK (CMake keeps the Qt it found).
build_windows_test_program() {
  local source_dir="$1" build_dir="$2" sdk="$3"
  if [ "$(cat "$build_dir/sdk" 2>/dev/null)" != "$sdk" ]; then
    rm -rf "$build_dir"
    DORVANE_WINDOWS_SDK="$sdk" cmake -S "$source_dir" -B "$build_dir" --preset windows >/dev/null ||
      return 1
    echo "$sdk" >"$build_dir/sdk"
  fi
  # A failed build would leave the last dorvane.exe to be tested.
  nice -n 19 cmake --build "$build_dir" --target dorvane -j2 | grep -v '^\['
  [ "${PIPESTATUS[0]}" = 0 ] || { echo "dorvane.exe was not built"; return 1; }
}
