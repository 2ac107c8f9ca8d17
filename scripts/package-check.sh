#!/usr/bin/env bash
# Builds the Debian package from a built tree (default build/), checks it with lintian and its
# AppStream metadata with appstreamcli, unpacks it into a throw-away root and runs the installed
# program there as a new user would: HOME in a temporary folder, an Xvfb of 1920 × 1080 (a screen
# without a 1024 × 768 mode). Checks that the user's tables appear in ~/.local/share/abacolo, that
# a counter written there survives a restart, that the main window fills the screen's height,
# centred on a dark background, and that nothing was written under share/abacolo.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)

unset DISPLAY # our own X server only
work=$(mktemp -d)
xvfb=""
program=""
cleanup() {
    [[ -n $program ]] && kill "$program" 2>/dev/null && wait "$program" 2>/dev/null
    [[ -n $xvfb ]] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "package-check: $*" >&2
    [[ -n ${DISPLAY:-} ]] && import -window root "$build/package-check-failed.png" \
        && echo "package-check: the screen is in $build/package-check-failed.png" >&2
    exit 1
}

echo "== package"
(cd "$build" && cpack -G DEB -B "$work/package" >/dev/null) || fail "cpack failed"
deb=$(ls "$work"/package/abacolo_*.deb)
dpkg-deb --field "$deb" Package Version Depends

echo "== lintian"
lintian --fail-on error --display-level '>=warning' "$deb" || fail "lintian reports errors"

echo "== unpack"
installed="$work/root"
dpkg-deb -x "$deb" "$installed"
prefix="$installed/usr"
appstreamcli validate --no-net "$prefix"/share/metainfo/*.metainfo.xml || fail "AppStream metadata refused"
for size in 16x16 24x24 32x32 48x48 64x64 128x128 256x256 scalable; do
    ls "$prefix/share/icons/hicolor/$size/apps/"abacolo.* >/dev/null || fail "no $size icon"
done
manifest() { (cd "$prefix/share/abacolo" && find . -printf '%p %s %m %T@\n' | sort); }
before=$(manifest)

echo "== command line"
home="$work/home"
mkdir -p "$home" "$work/run"
chmod 700 "$work/run"
user_env=(env -u XDG_DATA_HOME -u XDG_CONFIG_HOME -u QT_QPA_PLATFORM -u QT_SCALE_FACTOR
          -u WAYLAND_DISPLAY HOME="$home" XDG_RUNTIME_DIR="$work/run")
version=$("${user_env[@]}" "$prefix/bin/abacolo" --version)
[[ $version == "Abacolo "* ]] || fail "--version printed: $version"
"${user_env[@]}" "$prefix/bin/abacolo" --help | grep -q "$home/.local/share/abacolo" \
    || fail "--help does not name the user's data folder"

echo "== Xvfb 1920x1080"
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp -noreset 3>"$work/display" \
    >"$work/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 100); do
    [[ -s $work/display ]] && break
    sleep 0.1
done
[[ -s $work/display ]] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(cat "$work/display")"

# Starts the installed program and waits for its main window; sets main_geometry (WxH+X+Y).
start_program() {
    DISPLAY=$DISPLAY "${user_env[@]}" "$prefix/bin/abacolo" >"$work/program.log" 2>&1 &
    program=$!
    for _ in $(seq 150); do
        main_geometry=$(xwininfo -root -tree 2>/dev/null \
            | awk '/Abacolo  v6\.7/ && $0 ~ /[0-9]+x[0-9]+\+/ {for (i = 1; i <= NF; i++) if ($i ~ /^[0-9]+x[0-9]+\+-?[0-9]+\+-?[0-9]+$/) {print $i; exit}}')
        [[ $main_geometry == 1440x1080+* || $main_geometry == 1441x1080+* ]] && return 0
        kill -0 "$program" 2>/dev/null || fail "the program ended: $(cat "$work/program.log")"
        sleep 0.2
    done
    fail "no main window filling the screen's height (last seen: ${main_geometry:-none})"
}
stop_program() {
    kill -TERM "$program"
    wait "$program" 2>/dev/null || true
    program=""
}
num4() { sqlite3 "$home/.local/share/abacolo/sys.db" 'SELECT num4 FROM sys LIMIT 1'; }
# Clicks the counting game's topic button (design position 516, 255) and waits for its count.
count_once() {
    local expected=$1 x y
    IFS='x+' read -r width height left top <<<"$main_geometry"
    x=$((left + 516 * width / 1024))
    y=$((top + 255 * height / 768))
    xdotool mousemove "$x" "$y" click 1
    for _ in $(seq 100); do
        [[ $(num4) == "$expected" ]] && return 0
        sleep 0.1
    done
    fail "the counter num4 is $(num4), not $expected, after opening the counting game"
}

echo "== first start"
start_program
IFS='x+' read -r width height left top <<<"$main_geometry"
((left >= 239 && left <= 241 && top == 0)) || fail "main window at $main_geometry, not centred"
tables=$(cd "$home/.local/share/abacolo" && ls)
[[ $tables == $'changcolor.db\nfillblank.db\nsubtration.DB\nsys.db' ]] \
    || fail "the user's data folder holds: $tables"
# The backdrop is mapped with the main window and painted a moment later.
for _ in $(seq 50); do
    backdrop=$(import -window root -crop 1x1+100+540 -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}')
    [[ $backdrop == "#181A20" ]] && break
    sleep 0.1
done
[[ $backdrop == "#181A20" ]] || fail "the screen beside the design is $backdrop, not the dark backdrop"
first=$(num4)
count_once $((first + 1))
# A window that can sound is open: the sound output is loaded from the installed modules.
for _ in $(seq 50); do
    grep -q "$prefix/lib/abacolo/abacolo_cueoutput.so" "/proc/$program/maps" && break
    sleep 0.1
done
grep -q "$prefix/lib/abacolo/abacolo_cueoutput.so" "/proc/$program/maps" \
    || fail "the installed program did not load its sound output module"
import -window root "$build/package-check.png"
stop_program

echo "== restart"
start_program
[[ $(num4) == $((first + 1)) ]] || fail "the counter did not survive the restart: $(num4)"
count_once $((first + 2))
stop_program

[[ $(manifest) == "$before" ]] || fail "something was written under share/abacolo"
echo "package-check: $deb passed (screenshot: $build/package-check.png)"
