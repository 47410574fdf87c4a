#!/usr/bin/env bash
# Runs every benchmark of bench/README.md one after the other and prints each one's figures
# under its goal; a benchmark that fails is reported with its exit status and the rest still run.
# Exits 1 when any failed. Usage: bench/run_all.sh [BUILD_DIR] [CORPUS_DIR]
set -uo pipefail
here=$(dirname "$(realpath "$0")")
build=$(realpath "${1:-build}")
corpus=$(realpath "${2:-$here/../../shared/rc-corpus}")
failed=0

# run NAME GOAL COMMAND...: the goal, then the figures indented below it.
run() {
  local name=$1 goal=$2
  shift 2
  printf '== %s\n   goal: %s\n' "$name" "$goal"
  local status
  "$@" 2>&1 | sed 's/^/   /'
  status=${PIPESTATUS[0]}
  if ((status != 0)); then
    printf '   FAILED (exit %d)\n' "$status"
    failed=1
  fi
}

run "list_bench: a Resource List of 50,000 entries" "each step under 150 ms, peak memory under 100 MB" \
  env QT_QPA_PLATFORM=offscreen "$build/bench/list_bench"
run "rc_bench: 2,000 entries (200 MB of files) and 20,000 strings" \
  "at least 2x faster than llvm-rc, within 1.5x of cat" "$here/rc_bench.sh" "$build"
run "rc_script_bench: 20,000 strings and 2,000 dialogs; 60 MB of plain text" \
  "at most 0.3 of llvm-rc -no-preprocess; preprocessing 100 MB/s" "$here/rc_script_bench.sh" "$build"
run "rc_data_bench: a 57 MB script of RCDATA values" "peak memory at most 4x the script, less CPU time than llvm-rc" \
  "$here/rc_data_bench.sh" "$build"
run "startup_bench: start-up to the first painted window" "at most 1.5x the empty window" \
  "$here/startup_bench.sh" "$build"
run "expand_bench: a 200 MB SZDD file" "ExpandFile within 1.2x of libmspack alone" "$here/expand_bench.sh" "$build"
run "preview_bench: a 24-megapixel JPEG" "within 1.2x of djpeg" "$here/preview_bench.sh" "$build"
run "pp_bench: preprocessing the corpus" "restallow-rc at most a tenth of cpp's time" \
  "$here/pp_bench.sh" "$build" "$corpus"
run "rc_corpus_bench: compiling the corpus" "restallow-rc at most a tenth of cpp + llvm-rc" \
  "$here/rc_corpus_bench.sh" "$build" "$corpus"
run "coff_bench: real scripts into COFF objects" "restallow-windres at most half of windres's time" \
  "$here/coff_bench.sh" "$build" "$corpus"
run "pp_llvm_compare: the preprocessor's output compiled by llvm-rc" "the same bytes as from cpp's output" \
  "$here/pp_llvm_compare.sh" "$build" "$corpus"
run "preview_memory_bench: a 300 MB AVI, a 40-frame cursor, a 72-megapixel bitmap" \
  "each under 250 MB, answered within 10 s" "$here/preview_memory_bench.sh" "$build"
exit "$failed"
