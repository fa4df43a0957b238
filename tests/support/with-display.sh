#!/usr/bin/env bash
# Runs a command with a display: the one set in DISPLAY, else a private Xvfb server.
# Mesa's software OpenGL draws there, so picture tests need no GPU.
set -u
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  exec "$@"
fi
export LIBGL_ALWAYS_SOFTWARE=1
exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$@"
