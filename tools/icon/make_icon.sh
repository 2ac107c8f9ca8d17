#!/bin/bash
# Draws the program's icon again into packaging/icons/: the scalable SVG and the PNG sizes of
# the hicolor theme (tools/icon/draw_icon.cpp, Qt's painter). Needs cmake, a C++20 compiler,
# qt6-base-dev and qt6-svg-dev. The results are committed; the build needs no generator.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=$(mktemp -d)
trap 'rm -rf "$build"' EXIT

generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
cmake -S "$root/tools/icon" -B "$build" "${generator[@]}" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --parallel >/dev/null
XDG_RUNTIME_DIR="$build" QT_QPA_PLATFORM=offscreen "$build/draw_icon" "$root/packaging/icons"
