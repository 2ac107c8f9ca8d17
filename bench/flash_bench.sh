#!/usr/bin/env bash
# Movie player benchmark: time from a lesson button of the digit chooser to the lesson's first
# frame, cold (no movie engine yet) and warm (engine started by the chooser), and the resident
# memory of the whole process tree alone, while playing and after the engine is released.
#   bench/flash_bench.sh [BUILD-DIR] [WARM-RUNS]     (default: build/, 7 runs)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
runs=${2:-7}
cmake --build "$build" --target flash_bench >/dev/null
app="$build/app"

display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

echo "command: DISPLAY=$display $build/bench/flash_bench $app $runs"
"$build/bench/flash_bench" "$app" "$runs"
