#!/usr/bin/env bash
# Start-up of the program until its main window and the calculation table
# stand on the screen: the unattended installation check starts as usual and
# ends right there. Prints hyperfine's time of whole runs (CPU and wall) and
# the instructions of one run under callgrind, which repeat to the last few
# thousand on any load.
#   bench/startup_measure.sh [PROGRAM] [RUNS]   (build/bin/tolvane, 20 runs)
# Runs on the offscreen platform unless DISPLAY names a display to use; the
# settings are kept in a scratch home.
set -euo pipefail
program=$(realpath "${1:-build/bin/tolvane}")
runs=${2:-20}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export HOME=$scratch XDG_CONFIG_HOME=$scratch/config TOLVANE_CHECK_INSTALLATION=1
[ -n "${DISPLAY:-}" ] || export QT_QPA_PLATFORM=offscreen
"$program" >/dev/null 2>&1 || true  # the first start writes its settings
hyperfine -N -w 3 -r "$runs" "$program"
valgrind --tool=callgrind --callgrind-out-file="$scratch/cg" "$program" >/dev/null 2>"$scratch/log" || true
grep -o 'Collected : [0-9]*' "$scratch/log" | sed 's/Collected :/instructions:/'
