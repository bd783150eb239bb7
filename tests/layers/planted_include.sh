#!/usr/bin/env bash
# planted_include.sh SRC_DIR: the layer check fails on an include planted upwards, and names it.
set -euo pipefail
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp -r "$1" "$work/src"
sed -i '1a #include "ui/bar/caption_bar.h"' "$work/src/core/playback/timer.cpp"
if out="$(bash "$(dirname "$0")/check_layers.sh" "$work/src")"; then
  echo "the planted include passed the check"
  exit 1
fi
grep -F 'upward include (app -> ui -> platform -> core): core/playback/timer.cpp:2:' <<<"$out"
