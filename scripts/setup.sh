#!/usr/bin/env bash
# Installs what is missing from scripts/packages.txt, then configures and builds in build/
# (build/app is the data folder).
#   setup.sh program   the program, its data folder and the player module (what ./run needs)
#   setup.sh all       everything, the tests included (what ./test needs)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
what=${1:-all}
case $what in
    program) targets=(--target abacolo abacolo_data abacolo_flashplayer) ;;
    all) targets=() ;;
    *) echo "usage: $0 [program|all]" >&2; exit 2 ;;
esac

mapfile -t wanted < <(grep -v -E '^\s*(#|$)' "$root/scripts/packages.txt")
missing=()
for package in "${wanted[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ $status == "install ok installed" ]] || missing+=("$package")
done
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo=""
    [[ $(id -u) -eq 0 ]] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The movie emulator of the player module, pinned in flash/player/package-lock.json. npm comes
# with some nodejs builds and is a package of its own in Debian's.
if ! command -v npm >/dev/null; then
    $([[ $(id -u) -eq 0 ]] || echo sudo) env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -qq --no-install-recommends npm
fi
# Reinstalled only when the lock file has changed since the last install (a stamp beside the
# installed modules holds the lock file's checksum).
player="$root/flash/player"
stamp="$player/node_modules/.abacolo-lock.sha256"
lock_sum=$(sha256sum "$player/package-lock.json" | cut -d' ' -f1)
installed=no
if [[ ! -f $stamp || $(cat "$stamp") != "$lock_sum" ]]; then
    (cd "$player" && npm ci --no-audit --no-fund --loglevel=error)
    echo "$lock_sum" >"$stamp"
    installed=yes
fi

# A build folder keeps the generator it was made with (the README's plain `cmake -S . -B build`
# makes Makefiles); a new one uses Ninja when it is there. The build configures itself again
# when a CMake file changes; fresh player modules need it too (the build lists their files).
if [[ ! -f $root/build/CMakeCache.txt ]]; then
    generator=()
    command -v ninja >/dev/null && generator=(-G Ninja)
    cmake -S "$root" -B "$root/build" "${generator[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo
elif [[ $installed == yes ]]; then
    cmake -S "$root" -B "$root/build"
fi
cmake --build "$root/build" "${targets[@]}" -j "$(nproc)"
