#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for the given seconds (default 60).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
bash tools/install-deps.sh
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
  -DHELIXPANE_FUZZ=ON -DHELIXPANE_TESTS=OFF -DHELIXPANE_BENCH=OFF
cmake --build build-fuzz -j"$(nproc)"
export ASAN_OPTIONS="detect_leaks=1"
for target in build-fuzz/bin/fuzz-*; do
  name="$(basename "$target")"
  corpus="build-fuzz/corpus/$name"
  mkdir -p "$corpus"
  echo "== $name for ${seconds}s"
  "$target" "$corpus" -max_total_time="$seconds" -timeout=1 -rss_limit_mb=2048 -print_final_stats=1
done
