#!/usr/bin/env bash
# Builds the core, the batch tool and their tests with AddressSanitizer and
# UndefinedBehaviorSanitizer (gcc) and runs them.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
sanitize="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
cmake -S . -B build-sanitized -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOLVANE_BUILD_GUI=OFF \
  -DTOLVANE_BUILD_BENCH=OFF -DTOLVANE_BUILD_TESTS=ON \
  -DCMAKE_CXX_FLAGS="$sanitize" -DCMAKE_EXE_LINKER_FLAGS="$sanitize"
cmake --build build-sanitized -j"$(nproc)"
cd build-sanitized
LC_ALL=C ctest --output-on-failure -j"$(nproc)"
