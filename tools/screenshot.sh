#!/usr/bin/env bash
# Builds the demo, runs it on a display (a private virtual one when none is set), takes a
# screenshot of its window with the tests' own capture and writes it, 640 pixels wide, to
# docs/demo.png for the README.
# Usage: tools/screenshot.sh [build-folder]   (default: build)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-build}"
cd "$root"
command -v convert >/dev/null || { echo "screenshot.sh: needs imagemagick" >&2; exit 1; }
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2 --target demo

work="$(mktemp -d /tmp/helixpane-screenshot-XXXXXX)"
trap 'rm -rf "$work"' EXIT
# The loading image stays up at least four seconds; the capture comes after it, as a user
# would see the demo (without -debug, so without the debug console).
PLAYER_WAIT=6 "$root/tests/support/with-display.sh" "$root/tests/support/playerWindow.sh" \
  "$build/bin/helixpane-demo" "$work/demo" focus -windowed
mkdir -p docs
convert "$work/demo.png" -resize 640x -strip docs/demo.png
echo "screenshot.sh: wrote docs/demo.png ($(identify -format '%wx%h' docs/demo.png))"
