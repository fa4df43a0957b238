#!/usr/bin/env bash
# Builds with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DHELIXPANE_SANITIZE=ON -DHELIXPANE_BENCH=OFF
cmake --build build-asan -j"$(nproc)"
# The engine and the GL stack keep some allocations for the process lifetime.
export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir build-asan --output-on-failure -j"$(nproc)"
