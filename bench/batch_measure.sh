#!/usr/bin/env bash
# The batch tool as a whole process on the batch benchmark's random steps
# (bench/batch_steps.h): hyperfine's time of `tolvane-cli calc`, and the
# instructions of one run under callgrind with the share of Calculate.
#   bench/batch_measure.sh [BUILD] [STEPS]   (build, 10000 steps)
set -euo pipefail
build=$(realpath "${1:-build}")
steps=${2:-10000}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
"$build/bin/tolvane_batch_input" "$steps" > "$scratch/steps.json"
hyperfine -N -w 3 -r 20 -i "$build/bin/tolvane-cli calc $scratch/steps.json -o $scratch/out.json"
valgrind --tool=callgrind --callgrind-out-file="$scratch/cg" \
    "$build/bin/tolvane-cli" calc "$scratch/steps.json" -o "$scratch/out.json" 2>"$scratch/log" || true
grep -o 'Collected : [0-9]*' "$scratch/log" | sed 's/Collected :/instructions:/'
callgrind_annotate --inclusive=yes "$scratch/cg" 2>/dev/null |
    grep -m1 'tolvane::Calculate(' | awk '{print "in Calculate:", $1, $2}'
