#!/usr/bin/env bash
# Performance figures of the shipped program, medians over several runs, with the commands used:
#   1. process start to the main window shown, and to the main window painted and taking input
#      (bench/startup_probe: see its header);
#   2. resident and proportional memory after start-up, every window created;
#   3. CPU while the program sits idle with its hidden animations running (utime + stime from
#      /proc/<pid>/stat over IDLE-SECONDS, as a share of one core);
#   4. click to the first sample of a cue played by the sound server (measured by the audio
#      end-to-end test from its recording of a null sink's monitor).
#
#   bench/performance.sh [BUILD-DIR] [RUNS] [IDLE-SECONDS]     (defaults: build/, 9, 60)
# The build must have the program, the probe and the audio test:
#   cmake --build <build> --target abacolo startup_probe test_e2e_audio
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/bench/common.sh"
build=$(cd "${1:-$root/build}" && pwd)
runs=${2:-9}
idle=${3:-60}
app="$build/app"
probe="$build/bench/startup_probe"
audio="$build/tests/e2e/test_e2e_audio"
for needed in "$app/abacolo" "$probe" "$audio"; do
    [[ -x $needed ]] || { echo "missing $needed: build the targets named in this script's header" >&2; exit 1; }
done

work=$(mktemp -d)
xvfb=""
program=""
cleanup() {
    [[ -n $program ]] && kill "$program" 2>/dev/null || true
    [[ -n $xvfb ]] && kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

bench_copy_data "$app" "$work/data"
bench_start_xvfb +extension RANDR
export QT_QPA_PLATFORM=xcb
export PULSE_SERVER="unix:$work/no-sound-server"   # silent: no sound server for 1-3
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"


echo "== start-up and memory: $runs runs after one warm-up"
echo "command: DISPLAY=$DISPLAY $probe $work/data $app/abacolo"
"$probe" "$work/data" "$app/abacolo" 500 >/dev/null
results=$(for _ in $(seq "$runs"); do "$probe" "$work/data" "$app/abacolo"; done)
echo "start to main window shown:           $(cut -d' ' -f1 <<<"$results" | median) ms   (target 300 ms)"
echo "start to main window taking input:    $(cut -d' ' -f3 <<<"$results" | median) ms   (target 120 ms)"
echo "resident memory after start-up:       $(cut -d' ' -f2 <<<"$results" | median | awk '{printf "%.1f", $1/1024}') MB   (target 65 MB)"
echo "proportional memory (PSS):            $(cut -d' ' -f4 <<<"$results" | median | awk '{printf "%.1f", $1/1024}') MB   (target 45 MB)"

idleRuns=$(( runs < 3 ? runs : 3 ))
echo "== idle CPU: $idleRuns runs of $idle s, 5 s after the main window is shown"
echo "command: (cd $work/data && $app/abacolo) ; /proc/<pid>/stat utime+stime before and after"
ticks=$(getconf CLK_TCK)
cpu() { awk '{sub(/.*\) /, ""); print $12 + $13}' "/proc/$1/stat"; }
shares=$(for _ in $(seq "$idleRuns"); do
    (cd "$work/data" && exec "$app/abacolo" >/dev/null 2>&1) &
    program=$!
    timeout 30 xdotool search --sync --name 'Abacolo  v6.7' >/dev/null
    sleep 5
    before=$(cpu "$program")
    sleep "$idle"
    after=$(cpu "$program")
    kill "$program"; wait "$program" 2>/dev/null || true
    program=""
    awk -v d=$((after - before)) -v t="$ticks" -v s="$idle" 'BEGIN {printf "%.3f\n", 100 * d / t / s}'
done)
echo "idle CPU, share of one core:          $(median <<<"$shares") %   (target 0.5 %; runs: $(tr '\n' ' ' <<<"$shares"))"

echo "== cue delay: $runs runs of the audio end-to-end test"
echo "command: ABACOLO_DATA_DIR=$app $audio"
delays=$(for _ in $(seq "$runs"); do
    ABACOLO_DATA_DIR="$app" "$audio" 2>&1 | sed -n 's/.*click to first sample played: right answer \([-0-9.]*\) ms, wrong answer \([-0-9.]*\) ms.*/\1 \2/p'
done)
echo "click to first sample of a cue:       $(tr ' ' '\n' <<<"$delays" | grep . | median) ms   (target 30 ms; $(wc -l <<<"$delays") runs, right and wrong cues)"
