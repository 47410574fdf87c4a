#!/usr/bin/env bash
# Peak memory and answer time of the preview for a 300 MB raw AVI clip, an animated cursor of 40
# frames of 4000 x 4000 pixels and a 9000 x 8000 bitmap (bench/make_big_media.py writes them). Goal: each under 250 MB
# and answered within 10 s. Usage: bench/preview_memory_bench.sh [BUILD_DIR] [SECONDS_TO_PLAY]
set -euo pipefail
build=$(realpath "${1:-build}")
seconds=${2:-8}
here=$(dirname "$(realpath "$0")")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 "$here/make_big_media.py" "$work"
ls -l "$work/big.avi" "$work/big.ani" "$work/big.bmp" | awk '{ printf "%s %d bytes\n", $9, $5 }' | sed "s|$work/||"
"$build/bench/preview_memory_bench" avi "$work/big.avi" "$seconds"
"$build/bench/preview_memory_bench" ani "$work/big.ani" "$seconds"
"$build/bench/preview_memory_bench" bmp "$work/big.bmp" 1
