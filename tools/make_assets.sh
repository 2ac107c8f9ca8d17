#!/bin/bash
# Regenerates every sound clip and picture under assets/:
#   assets/sounds/*.wav      (tools/assets/make_sounds.sh: espeak-ng + sox)
#   assets/pictures/*.bmp    (tools/assets/draw_pictures.cpp: Qt 6, QPainter)
#   assets/layout/*.bmp
# then checks them with tools/assets/check_assets.py.
#
# Needs: cmake, a C++20 compiler, qt6-base-dev, fonts-noto-cjk,
# fonts-noto-color-emoji, espeak-ng, sox, python3. The drawing tool is built
# in a temporary directory outside the repository. Safe to run again: the
# same package versions give the same files.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
assets="$root/assets"
build=$(mktemp -d)
trap 'rm -rf "$build"' EXIT

generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
cmake -S "$root/tools/assets" -B "$build" "${generator[@]}" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --parallel >/dev/null

XDG_RUNTIME_DIR="$build" QT_QPA_PLATFORM=offscreen "$build/draw_pictures" "$assets"
bash "$root/tools/assets/make_sounds.sh" "$assets"
python3 "$root/tools/assets/check_assets.py" "$assets"
