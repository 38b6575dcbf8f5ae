#!/usr/bin/env bash
# Builds one fuzz harness with clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer and runs it for SECONDS over its corpus:
#   bash scripts/fuzz.sh project|settings|zeta|number|batch|curve|property_files|pipe_sizes SECONDS
# New inputs go to build-fuzz/corpus/NAME; a crash leaves crash-* in build-fuzz.
set -euo pipefail
cd "$(dirname "$0")/.."
name=${1:?harness name}
seconds=${2:-60}
bash scripts/install-deps.sh
packages=(clang libclang-rt-14-dev)
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || {
    [ "$(id -u)" -ne 0 ] && sudo_cmd=sudo || sudo_cmd=""
    $sudo_cmd apt-get install -y --no-install-recommends "${packages[@]}"; break; }
done
sanitize="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTOLVANE_BUILD_GUI=OFF -DTOLVANE_BUILD_BENCH=OFF -DTOLVANE_BUILD_TESTS=ON -DTOLVANE_FUZZ=ON \
  -DCMAKE_CXX_FLAGS="$sanitize -fsanitize=fuzzer-no-link" \
  -DCMAKE_EXE_LINKER_FLAGS="$sanitize"
cmake --build build-fuzz -j"$(nproc)" --target "fuzz_$name"
mkdir -p "build-fuzz/corpus/$name"
dict=""
[ -f "tests/fuzz/$name.dict" ] && dict="-dict=$PWD/tests/fuzz/$name.dict"
cd build-fuzz
exec "./bin/fuzz_$name" $dict -max_total_time="$seconds" -print_final_stats=1 \
  "corpus/$name" "../tests/fuzz/corpus/$name"
