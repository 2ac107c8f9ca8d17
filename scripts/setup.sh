#!/usr/bin/env bash
# Installs what is missing from scripts/packages.txt, then configures and builds the program
# and its data folder in build/ (build/app is the data folder).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

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
(cd "$root/flash/player" && npm ci --no-audit --no-fund --loglevel=error)

cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$root/build" -j "$(nproc)"
