#!/usr/bin/env bash
# compile_program.sh SOURCE_DIR BUILD_DIR: compiles every source of the program, its libraries and
# its resource script with mingw for Windows (cmake/windows_compile_check.cmake), links nothing.
set -euo pipefail
source_dir="$1"
build_dir="$2"

if [ ! -f "$build_dir/build.ninja" ]; then
  # Qt's CMake packages are the host's: Debian keeps them under its multiarch folder.
  qt_cmake="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake"
  cmake -S "$source_dir" -B "$build_dir" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$source_dir/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_PROJECT_Dorvane_INCLUDE="$source_dir/cmake/windows_compile_check.cmake" \
    -DQt6_DIR="$qt_cmake/Qt6" -DBUILD_TESTING=OFF
fi
cmake --build "$build_dir" -j2
