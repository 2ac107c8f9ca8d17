#!/usr/bin/env bash
# Topic button to the window's first frame: starts the program RUNS times under its own Xvfb;
# each time, once the main window is painted, bench/topic_probe clicks every topic button in
# turn and times the click to the first frame of the window it brings up (see its header),
# then closes that window. Prints the median per topic, the first opening in each run.
#   bench/open_windows.sh [RUNS] [DATA-FOLDER]   (build the targets abacolo and topic_probe;
#                                                 the data folder is build/app by default)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/bench/common.sh"
runs=${1:-7}
app=$(cd "${2:-$root/build/app}" && pwd)
probe="$root/build/bench/topic_probe"
[[ -x $probe && -x $app/abacolo ]] || { echo "build first: cmake --build build --target abacolo topic_probe" >&2; exit 1; }

bench_work_with_data "$app"
bench_start_xvfb
export PULSE_SERVER="unix:$work/no-sound-server"   # silent
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

echo "command: DISPLAY=$DISPLAY $probe $work/data $work/data/abacolo  (x$runs, one warm-up run first)"
"$probe" "$work/data" "$work/data/abacolo" >/dev/null 2>&1
for _ in $(seq "$runs"); do "$probe" "$work/data" "$work/data/abacolo" 2>/dev/null; done >"$work/results"
echo "topic  click to first frame (median of $runs)  window"
for topic in $(cut -d' ' -f1 "$work/results" | sort -n | uniq); do
    lines=$(awk -v t="$topic" '$1 == t' "$work/results")
    caption=$(awk '{print $3}' <<<"$lines" | sort | uniq -c | sort -rn | awk 'NR == 1 {print $2}')
    if [[ $caption == - ]]; then
        printf '%5s  %s\n' "$topic" "(opens nothing)"
    else
        printf '%5s  %8s ms  %s\n' "$topic" "$(awk '{print $2}' <<<"$lines" | median)" "${caption//_/ }"
    fi
done
