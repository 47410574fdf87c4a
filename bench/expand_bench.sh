#!/usr/bin/env bash
# Expands a 200 MB SZDD file with ExpandFile and with libmspack alone (best of three each), and
# times msexpand on a 5 MB file for scale (it reads a byte per system call).
# Needs mscompress (Debian package mscompress). Usage: bench/expand_bench.sh [BUILD_DIR]
set -euo pipefail
build=$(realpath "${1:-build}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
python3 -c "
import random
random.seed(1)
words = [bytes(random.choice(b'abcdefghij') for _ in range(random.randint(2, 9))) for _ in range(500)]
with open('big.bin', 'wb') as out:
    for _ in range(200):
        out.write(b' '.join(random.choice(words) for _ in range(200000))[:1000000])
"
head -c 5000000 big.bin > small.bin
mscompress big.bin small.bin
"$build/bench/expand_bench" big.bin_ big.out
cmp -s big.bin big.out && echo "expanded file equals the original"
start=$(date +%s%N); msexpand < small.bin_ > small.out; end=$(date +%s%N)
echo "msexpand on 5 MB  $(echo "scale=3; ($end - $start) / 1000000000" | bc) s"
