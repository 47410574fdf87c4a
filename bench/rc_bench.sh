#!/usr/bin/env bash
# Compiles a generated script of 2,000 entries (about 200 MB of files, 500 of them icons) and
# 20,000 strings with restallow-rc, llvm-rc and windres, and copies the same files with cat.
# Each is run three times; the best time counts. Usage: bench/rc_bench.sh [BUILD_DIR]
set -euo pipefail
build=$(realpath "${1:-build}")
fixtures=$(realpath "$(dirname "$0")/../tests/tools/rc/data")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

python3 - "$fixtures" <<'PY'
import os, sys
fixtures = sys.argv[1]
icon = open(os.path.join(fixtures, "icon_png.ico"), "rb").read()
bitmap = open(os.path.join(fixtures, "rgb32.bmp"), "rb").read()
lines = []
raw_size = (200 * 1000 * 1000 - 500 * len(icon)) // 1500
chunk = os.urandom(1 << 20)
for i in range(2000):
    if i % 4 == 0:
        name = f"icon{i}.ico"
        open(name, "wb").write(icon)
        lines.append(f'Icon_{i} ICON  "{name}"')
    elif i % 4 == 1:
        name = f"pic{i}.bmp"
        body = bitmap + (chunk * (raw_size // len(chunk) + 1))[: raw_size - len(bitmap)]
        open(name, "wb").write(body)
        lines.append(f'Bitmap_{i} BITMAP  "{name}"')
    else:
        name = f"data{i}.bin"
        open(name, "wb").write((chunk * (raw_size // len(chunk) + 1))[:raw_size])
        lines.append(f'RCDATA_{i} RCDATA  "{name}"')
lines.append("STRINGTABLE\n{")
lines += [f' {1000 + i}, "String number {i} with some text in it"' for i in range(20000)]
lines.append("}")
open("big.rc", "w").write("\r\n".join(lines) + "\r\n")
PY
echo "files: $(du -sh --apparent-size . | cut -f1)"

best() {  # best of three runs, in seconds
  local best=1000000000000000 start end
  for _ in 1 2 3; do
    start=$(date +%s%N); "$@" >/dev/null 2>&1; end=$(date +%s%N)
    (( end - start < best )) && best=$(( end - start ))
  done
  echo "scale=3; $best / 1000000000" | bc
}

cat_files() { cat big.rc icon*.ico pic*.bmp data*.bin > cat.out; }
ours=$(best "$build/restallow-rc" -fo ours.res big.rc)
cat_time=$(best cat_files)
echo "restallow-rc  ${ours} s"
echo "cat           ${cat_time} s   (ratio $(echo "scale=2; $ours / $cat_time" | bc))"
if command -v llvm-rc >/dev/null; then
  llvm=$(best llvm-rc -no-preprocess -c 65001 -fo llvm.res big.rc)
  echo "llvm-rc       ${llvm} s   (llvm-rc / restallow-rc $(echo "scale=2; $llvm / $ours" | bc))"
  cmp -s ours.res llvm.res && echo "outputs of restallow-rc and llvm-rc are identical"
fi
if command -v i686-w64-mingw32-windres >/dev/null; then
  windres=$(best i686-w64-mingw32-windres --preprocessor=cpp -i big.rc -O res -o windres.res)
  echo "windres       ${windres} s   (windres / restallow-rc $(echo "scale=2; $windres / $ours" | bc))"
fi
