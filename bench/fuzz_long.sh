#!/usr/bin/env bash
# Runs every fuzz target for FUZZ_SECONDS (default 600, ten minutes) from a random seed, with the
# real scripts of RC_CORPUS (default ../shared/rc-corpus) among the script fuzzers' seeds when that
# folder exists: the long run a developer makes before stopping, where CI's short repeatable run
# (scripts/fuzz) finds only what a fixed seed reaches. Nine targets take an hour and a half.
# A finding stops nothing: every target runs, the summary names each that failed, and its input
# is in build-fuzz/<target>-*; mend the fault and commit the input as
# tests/fuzz/regressions/<target>/<fault-name>.
# Usage: [FUZZ_SECONDS=N] bench/fuzz_long.sh
set -euo pipefail
cd "$(dirname "$0")/.."
FUZZ_SECONDS=${FUZZ_SECONDS:-600} exec scripts/fuzz
