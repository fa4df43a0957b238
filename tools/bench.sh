#!/usr/bin/env bash
# Builds and runs the frame-drawing benchmark: the program's drawing against the stock
# scene manager's over the same cubes, with the null driver and, on a display (a private
# virtual one when none is set), with OpenGL. Prints the program / stock ratios at the end.
# Usage: tools/bench.sh [build-folder] [benchmark options...]   (default: build)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-build}"
[ $# -gt 0 ] && shift
cd "$root"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHELIXPANE_BENCH=ON >/dev/null
cmake --build "$build" -j2 --target helixpane-bench-draw-all
bench="$build/bin/helixpane-bench-draw-all"
# The machine is shared: repetitions with medians keep one slow moment from deciding.
set -- --benchmark_repetitions=5 --benchmark_report_aggregates_only=true "$@"
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  exec "$bench" "$@"
fi
exec "$root/tests/support/with-display.sh" "$bench" "$@"
