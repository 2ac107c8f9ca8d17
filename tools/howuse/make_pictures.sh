#!/bin/bash
# Redraws the how-to-use window's pictures (assets/layout/howuse_*.png): screenshots of the
# activity windows and illustrations of the printed exercises. Builds the drawing tool in the
# given build folder (default: build/) and runs it offscreen.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=${1:-$root/build}
cmake -S "$root" -B "$build" -G Ninja >/dev/null
cmake --build "$build" --target howuse_pictures
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
XDG_RUNTIME_DIR="$runtime" QT_QPA_PLATFORM=offscreen ABACOLO_SOURCE_DIR="$root" \
    "$build/tests/howuse_pictures" "$root/assets/layout"
