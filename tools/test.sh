#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
# Usage: tools/test.sh [build-folder]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
bash tools/install-deps.sh
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j"$(nproc)"
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
