#!/usr/bin/env bash
# Start-up benchmark: starts the program RUNS times under its own Xvfb and prints the median
# time from process start to the main window shown and to it painted and taking input, and the
# median resident and proportional memory once start-up has settled (every window created).
#   bench/startup.sh [RUNS] [DATA-FOLDER]   (after ./run or ./test has built build/; the data
#                                            folder, build/app by default, holds the program)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-15}
probe="$root/build/bench/startup_probe"
app=${2:-$root/build/app}
[[ -x $probe && -x $app/abacolo ]] || { echo "build first: ./test or ./run" >&2; exit 1; }

display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp -br >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

echo "command: DISPLAY=$display $probe $app $app/abacolo  (x$runs, one warm-up run first)"
"$probe" "$app" "$app/abacolo" 500 >/dev/null   # warm the font and file caches
results=$(for _ in $(seq "$runs"); do "$probe" "$app" "$app/abacolo"; done)
median() { sort -n | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }
echo "start to main window shown, median of $runs: $(cut -d' ' -f1 <<<"$results" | median) ms"
echo "start to main window painted, median of $runs: $(cut -d' ' -f5 <<<"$results" | median) ms"
echo "start to main window painted and taking input, median of $runs: $(cut -d' ' -f3 <<<"$results" | median) ms"
echo "resident memory after start-up, median of $runs: $(cut -d' ' -f2 <<<"$results" | median | awk '{printf "%.1f", $1/1024}') MB"
echo "proportional memory (PSS) after start-up, median of $runs: $(cut -d' ' -f4 <<<"$results" | median | awk '{printf "%.1f", $1/1024}') MB"
