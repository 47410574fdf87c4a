#!/usr/bin/env bash
# Compiles real scripts into COFF objects with restallow-windres and with GNU windres (which runs
# i686-w64-mingw32-gcc's preprocessor on the script first), best of five runs each, wall time,
# and says whether the objects are byte-equal. The scripts: the demo program of
# tests/tools/rc/cross (an icon, strings, a dialog, a version; includes windows.h) and, where the
# corpus is, 7-zip's file manager (CPP/7zip/Bundles/Fm/resource.rc: 99 resources).
# Goal: restallow-windres at most half of windres's time.
# Usage: bench/coff_bench.sh [BUILD_DIR] [CORPUS_DIR]
set -euo pipefail
here=$(dirname "$(realpath "$0")")
build=$(realpath "${1:-build}")
corpus=$(realpath -m "${2:-$here/../../shared/rc-corpus}")
command -v i686-w64-mingw32-windres >/dev/null || { echo "i686-w64-mingw32-windres is not installed"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$here/../tests/tools/rc/cross" "$work/demo"
cp "$here/../tests/tools/rc/data/icon.ico" "$work/demo/app.ico"

best() {  # best of five runs, in milliseconds
  local best=1000000000000 start end
  for _ in 1 2 3 4 5; do
    start=$(date +%s%N); "$@" >/dev/null 2>&1; end=$(date +%s%N)
    (( end - start < best )) && best=$(( end - start ))
  done
  echo "scale=1; $best / 1000000" | bc
}

# measure NAME FOLDER SCRIPT [INCLUDE OPTION]...: both compilers on one script, in its folder
measure() {
  local name=$1 folder=$2 script=$3
  shift 3
  cd "$folder"
  "$build/restallow-windres" "$@" -O coff "$script" "$work/ours.o" || { echo "$name: restallow-windres failed"; return 1; }
  i686-w64-mingw32-windres "$@" -O coff "$script" "$work/theirs.o" || { echo "$name: windres failed"; return 1; }
  local ours theirs
  ours=$(best "$build/restallow-windres" "$@" -O coff "$script" "$work/ours.o")
  theirs=$(best i686-w64-mingw32-windres "$@" -O coff "$script" "$work/theirs.o")
  printf '%s (%s resources)\n' "$name" "$(i686-w64-mingw32-objdump -x "$work/ours.o" | grep -c 'Leaf:')"
  printf '  restallow-windres  %7s ms\n  windres            %7s ms   (restallow-windres / windres %.2f)\n' \
    "$ours" "$theirs" "$(echo "scale=3; $ours / $theirs" | bc)"
  if cmp -s "$work/ours.o" "$work/theirs.o"; then echo "  the objects are byte-equal"; else echo "  the objects differ"; fi
}

measure "demo program (tests/tools/rc/cross/app.rc)" "$work/demo" app.rc -I include
if [[ -f $corpus/7zip/CPP/7zip/Bundles/Fm/resource.rc ]]; then
  measure "7-zip file manager (rc-corpus 7zip/CPP/7zip/Bundles/Fm/resource.rc)" "$corpus/7zip/CPP/7zip/Bundles/Fm" resource.rc -I "$corpus/_sdk"
else
  echo "(no corpus at $corpus: 7-zip's script left out)"
fi
