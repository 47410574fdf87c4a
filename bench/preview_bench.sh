#!/usr/bin/env bash
# Previews a 24-megapixel JPEG picture (6000 x 4000) and times it against djpeg decoding the
# same file fully (best of five each). Needs ImageMagick and djpeg (libjpeg-turbo-progs).
# Usage: bench/preview_bench.sh [BUILD_DIR]
set -euo pipefail
build=$(realpath "${1:-build}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
convert -size 1500x1000 plasma:fractal -resize 6000x4000! -quality 90 "$work/big.jpg"
ours=$("$build/bench/preview_bench" "$work/big.jpg")
best=999
for _ in 1 2 3 4 5; do
  start=$(date +%s%N); djpeg -outfile /dev/null "$work/big.jpg"; end=$(date +%s%N)
  t=$(echo "scale=4; ($end - $start) / 1000000000" | bc)
  (( $(echo "$t < $best" | bc) )) && best=$t
done
echo "preview of a 24 MP JPEG  ${ours} s"
echo "djpeg, full decode       ${best} s   (ratio $(echo "scale=2; $ours / $best" | bc))"
