#!/usr/bin/env bash
# Runs a command with a display: the one set in DISPLAY, else a private Xvfb server.
# Mesa's software OpenGL draws there, so picture tests need no GPU.
set -u
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  exec "$@"
fi
# Xvfb picks a free display number itself and tells it through a pipe, so runs in
# parallel never race for the same number.
fifo="$(mktemp -u /tmp/helixpane-display-XXXXXX)"
mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
server=$!
trap 'kill "$server" 2>/dev/null' EXIT
read -r -t 30 number <"$fifo"
rm -f "$fifo"
if [ -z "${number:-}" ]; then
  echo "with-display: Xvfb did not start" >&2
  kill "$server" 2>/dev/null
  exit 1
fi
export DISPLAY=":$number"
export LIBGL_ALWAYS_SOFTWARE=1
"$@"
