# What the bench scripts share; sourced by them.

# bench_copy_data <data-folder> <copy>: a copy of the data folder, so that the build's tables
# stay as they are; the movies and the player module are linked, not copied.
bench_copy_data() {
    mkdir "$2"
    local entry
    for entry in "$1"/*; do
        case $(basename "$entry") in
            numbers|plugins) ln -s "$entry" "$2/" ;;
            *) cp -r "$entry" "$2/" ;;
        esac
    done
}

# bench_work_with_data <data-folder>: a scratch folder `work` holding a copy of the data folder
# in work/data; the folder and the X server of bench_start_xvfb go when the script ends.
bench_work_with_data() {
    work=$(mktemp -d)
    xvfb=""
    trap 'bench_clean_up' EXIT
    bench_copy_data "$1" "$work/data"
}

bench_clean_up() {
    [[ -n $xvfb ]] && kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}

# bench_start_xvfb [Xvfb options...]: an X server of the script's own, 1024 × 768, on a free
# display; sets DISPLAY, and xvfb to its process id.
bench_start_xvfb() {
    local number
    exec 3< <(Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp -br -noreset "$@" 2>/dev/null)
    read -r -t 20 number <&3
    xvfb=$!
    export DISPLAY=":$number"
}

# median: the median of the numbers on stdin, one a line ("n/a" for none).
median() {
    sort -g | awk '{a[NR]=$1} END {if (NR == 0) print "n/a"; else print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'
}
