# Shared by scripts/run and scripts/test: Debian packages, configure and build.
# shellcheck shell=bash

REPO_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"

# What building and running the program needs.
RUN_PACKAGES=(
  cmake ninja-build g++ pkgconf
  qt6-base-dev qt6-svg-dev libxcb1-dev qt6-speech-dev qt6-declarative-dev qt6-speech-speechd-plugin
  libqt6svg6 qt6-qpa-plugins
  speech-dispatcher speech-dispatcher-espeak-ng espeak-ng
  fonts-liberation
  xvfb xauth openbox x11-utils imagemagick
)
# What the tests need beyond that.
TEST_PACKAGES=(
  libgtest-dev
  hunspell hunspell-fr-classical hunspell-en-us
  xdotool desktop-file-utils appstream procps libglib2.0-bin trayer
  # A window made full screen, as a video player makes itself, in the step-aside test, and one
  # maximised beside the bar that keeps its strip.
  wmctrl
  # Shrinking the private display's screen under the running program, and monitors made on it.
  x11-xserver-utils
  tesseract-ocr tesseract-ocr-eng tesseract-ocr-fra dbus-daemon
  alsa-utils libasound2-plugins sox
  # Another user's listening socket in the single-copy test.
  python3-minimal
  # Windows, checked here: mingw compiles the program, Wine runs the Win32 unit tests and
  # dorvane.exe (unpacked from the prebuilt Qt for Windows, hence xz).
  g++-mingw-w64-x86-64-posix wine64 dpkg-dev googletest xz-utils
  # The Windows setup, made and installed under Wine.
  nsis
  # The Debian package and its test.
  lintian file man-db binutils
)
# What scripts/package needs beyond building.
PACKAGE_PACKAGES=(dpkg-dev lintian file man-db)

say() { printf '\033[1m==> %s\033[0m\n' "$*"; }

# Installs the packages that are missing, and only those, so a second run costs nothing.
ensure_packages() {
  local missing=()
  local pkg
  for pkg in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$pkg")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0

  say "Installing Debian packages: ${missing[*]}"
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null; then
      sudo=(sudo)
    else
      echo "These packages are missing and installing them needs root: ${missing[*]}" >&2
      exit 1
    fi
  fi
  export DEBIAN_FRONTEND=noninteractive
  "${sudo[@]}" apt-get update -qq
  "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Configures once, then builds what changed.
build() {
  cd "$REPO_ROOT"
  if [ ! -f build/build.ninja ]; then
    say "Configuring into build/"
    cmake --preset default >/dev/null
  fi
  say "Building"
  cmake --build --preset default
}
