#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the bundled demo. Without a usable
# display the demo runs for a few seconds on a private virtual display and a screenshot of
# it is saved instead.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
demo="$root/build/bin/helixpane-demo"
screenshot="$root/build/demo-screenshot.png"
run_seconds=8

fail() {
  echo "demo.sh: $*" >&2
  exit 1
}

cd "$root"
"$root/tools/install-deps.sh" || fail "installing the dependencies failed"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo || fail "configuring the build failed"
cmake --build build -j"$(nproc)" || fail "building failed"
[ -x "$demo" ] || fail "the build made no $demo"

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  exec "$demo" -windowed
fi

xvfb_pid=""
demo_pid=""
stop() {
  local pid=$1
  [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null || return 0
  kill -TERM "$pid" 2>/dev/null || true
  for _ in 1 2 3 4 5 6 7 8 9 10; do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.2
  done
  kill -KILL "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
}
cleanup() {
  stop "$demo_pid"
  stop "$xvfb_pid"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# Other programs on this machine may start virtual displays too: take the first number
# that has no lock file, and move on when the server still loses the race.
start_virtual_display() {
  local n
  for n in $(seq 90 190); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 50); do
      if DISPLAY=":$n" xdpyinfo >/dev/null 2>&1; then
        export DISPLAY=":$n"
        return 0
      fi
      kill -0 "$xvfb_pid" 2>/dev/null || break
      sleep 0.1
    done
    stop "$xvfb_pid"
    xvfb_pid=""
  done
  return 1
}

command -v Xvfb >/dev/null || fail "no display and no Xvfb to make one (package xvfb)"
command -v import >/dev/null || fail "no screenshot tool (package imagemagick)"
start_virtual_display || fail "could not start a virtual display"
echo "demo.sh: no display; running the demo on the virtual display $DISPLAY for $run_seconds seconds"

LIBGL_ALWAYS_SOFTWARE=1 "$demo" -windowed &
demo_pid=$!
# A virtual display has no window manager: give the demo's window the focus, as a user's
# click would, or the player treats it as inactive and draws no frames.
if command -v xdotool >/dev/null; then
  root_size="$(xwininfo -root | awk '/geometry/ {print $2}' | cut -d+ -f1)"
  for _ in $(seq 1 50); do
    window="$(xdotool search --onlyvisible --maxdepth 1 --name '' 2>/dev/null | tail -1)"
    size="$( [ -n "$window" ] && xwininfo -id "$window" | awk '/geometry/ {print $2}' | cut -d+ -f1)"
    if [ -n "$window" ] && [ "$size" != "$root_size" ]; then
      xdotool windowfocus "$window" 2>/dev/null && break
    fi
    sleep 0.2
  done
fi
sleep "$run_seconds"
kill -0 "$demo_pid" 2>/dev/null || fail "the demo ended before the screenshot could be taken"
import -window root "$screenshot" || fail "taking the screenshot failed"
stop "$demo_pid"
demo_pid=""
echo "demo.sh: screenshot of the running demo: $screenshot"
