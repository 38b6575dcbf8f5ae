#!/usr/bin/env bash
# Installs what is missing, builds Tolvane and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOLVANE_BUILD_TESTS=OFF -DTOLVANE_BUILD_BENCH=OFF
cmake --build build -j"$(nproc)"
exec ./build/bin/tolvane "$@"
