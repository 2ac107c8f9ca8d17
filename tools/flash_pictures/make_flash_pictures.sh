#!/bin/bash
# Draws the speaker and game-button pictures again into flash/pictures/.
# Needs cmake, a C++20 compiler, qt6-base-dev and fonts-noto-color-emoji.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=$(mktemp -d)
trap 'rm -rf "$build"' EXIT
cmake -S "$root/tools/flash_pictures" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" >/dev/null
mkdir -p "$root/flash/pictures"
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$build" "$build/draw_flash_pictures" "$root/flash/pictures"
