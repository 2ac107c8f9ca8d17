#!/usr/bin/env bash
# Worksheet benchmark: under its own Xvfb, clicks every entry of the age tabs and prints the
# median time from the click to the print preview shown, and the median time to save the
# sheet as PDF.
#   bench/worksheet_bench.sh [BUILD-DIR] [RUNS]   (build the target worksheet_bench first)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
runs=${2:-3}
bench="$build/bench/worksheet_bench"
[[ -x $bench ]] || { echo "build first: cmake --build $build --target worksheet_bench" >&2; exit 1; }

display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp -br >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

echo "command: DISPLAY=$display $bench  (x$runs)"
for _ in $(seq "$runs"); do "$bench" 2>/dev/null; done
