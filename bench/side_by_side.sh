#!/usr/bin/env bash
# Abacolo beside two free programs parents use for the same purpose, GCompris (Debian
# gcompris-qt) and TuxMath (Debian tuxmath), installed here with apt-get if missing (this
# script only; never part of the tests). All three run under one Xvfb of this script's, in
# alternating order, RUNS times each, each with a home of its own kept across its runs (one
# unmeasured first start makes their first-run files). For each program it prints the medians
# of:
#   start to first window mapped  bench/map_probe: fork/exec of the program to the X server's
#                                 MapNotify of its first top-level window (menus and tips
#                                 excluded), watched on the root window, no polling; for
#                                 Abacolo that first window is its splash;
#   RSS, PSS                      summed over the program and any process it started, from
#                                 /proc/<pid>/smaps_rollup, SETTLE-MS after that window;
# and Abacolo's ratio to each. Sound goes nowhere (no sound server; SDL's dummy driver).
#   bench/side_by_side.sh [RUNS] [SETTLE-MS]    (defaults 7 and 5000; build the targets
#                                                abacolo and map_probe first)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/bench/common.sh"
runs=${1:-7}
settle=${2:-5000}
app="$root/build/app"
probe="$root/build/bench/map_probe"
[[ -x $probe && -x $app/abacolo ]] || { echo "build first: cmake --build build --target abacolo map_probe" >&2; exit 1; }

missing=()
for package in gcompris-qt tuxmath; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed' || missing+=("$package")
done
if ((${#missing[@]})); then
    sudo=""
    [[ $(id -u) == 0 ]] || sudo=sudo
    $sudo apt-get install -y --no-install-recommends "${missing[@]}" >/dev/null
fi

bench_work_with_data "$app"
bench_start_xvfb +extension GLX
export PULSE_SERVER="unix:$work/no-sound-server" SDL_AUDIODRIVER=dummy
programs=(abacolo gcompris tuxmath)
declare -A names=([abacolo]=Abacolo [gcompris]=GCompris [tuxmath]=TuxMath)
run() { # <program>: one measured start
    local home="$work/home-$1"
    mkdir -p "$home/runtime"
    chmod 700 "$home/runtime"
    case $1 in
        abacolo) (cd "$work/data" && HOME=$home XDG_RUNTIME_DIR=$home/runtime "$probe" "$settle" ./abacolo) ;;
        gcompris) HOME=$home XDG_RUNTIME_DIR=$home/runtime "$probe" "$settle" /usr/games/gcompris-qt ;;
        tuxmath) HOME=$home XDG_RUNTIME_DIR=$home/runtime "$probe" "$settle" /usr/games/tuxmath --windowed ;;
    esac 2>/dev/null
}
echo "command: DISPLAY=$DISPLAY $probe $settle <program>, $runs runs each, alternating, after one unmeasured start each"
echo "  Abacolo: (cd <copy of build/app> && ./abacolo); GCompris: /usr/games/gcompris-qt; TuxMath: /usr/games/tuxmath --windowed"
for p in "${programs[@]}"; do run "$p" >/dev/null; done
for _ in $(seq "$runs"); do
    for p in "${programs[@]}"; do echo "$p $(run "$p")"; done
done >"$work/results"

declare -A mapped rss pss
for p in "${programs[@]}"; do
    mapped[$p]=$(awk -v p="$p" '$1 == p {print $2}' "$work/results" | median)
    rss[$p]=$(awk -v p="$p" '$1 == p {print $3 / 1024}' "$work/results" | median)
    pss[$p]=$(awk -v p="$p" '$1 == p {print $4 / 1024}' "$work/results" | median)
done
printf '%-9s %26s %10s %10s\n' program "start to first window (ms)" "RSS (MB)" "PSS (MB)"
for p in "${programs[@]}"; do
    printf '%-9s %26.0f %10.1f %10.1f\n' "${names[$p]}" "${mapped[$p]}" "${rss[$p]}" "${pss[$p]}"
done
for p in gcompris tuxmath; do
    awk -v n="${names[$p]}" -v m="${mapped[abacolo]}" -v mo="${mapped[$p]}" -v r="${rss[abacolo]}" \
        -v ro="${rss[$p]}" -v s="${pss[abacolo]}" -v so="${pss[$p]}" \
        'BEGIN {printf "Abacolo / %-8s start %.2f, RSS %.2f, PSS %.2f\n", n, m / mo, r / ro, s / so}'
done
