#!/usr/bin/env bash
# Compiles a script of about 58 MB of RCDATA values over many lines (numbers in hex and decimal,
# WORDs and DWORDs, narrow and wide strings, in a few large statements) with restallow-rc and with
# llvm-rc-14 -no-preprocess, three runs each, and prints each one's CPU time (the least) and peak
# memory (the most) as /usr/bin/time -v gives them, the ratios, and whether the goals hold. Both
# outputs are compared byte for byte.
# Goal: restallow-rc's peak memory at most 4 times the script's size, and less CPU time than llvm-rc.
# Usage: bench/rc_data_bench.sh [BUILD_DIR]
set -euo pipefail
build=$(realpath "${1:-build}")
rc=$build/restallow-rc
llvm=$(command -v llvm-rc-14 || command -v llvm-rc || true)
[[ -x $rc ]] || { echo "no $rc: build the project first"; exit 1; }
[[ -n $llvm ]] || { echo "llvm-rc-14 is not installed"; exit 1; }
[[ -x /usr/bin/time ]] || { echo "/usr/bin/time is not installed (package time)"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Eight statements of 85,000 lines each: about 58 MB.
awk 'BEGIN {
  for (s = 1; s <= 8; s++) {
    printf "%d RCDATA\nBEGIN\n", s
    for (i = 0; i < 85000; i++) {
      printf "    0x%02x, 0x%04x, \"text %d\", %dL, %d, L\"wide\\tline\", 0x%xL, \"say \"\"hi\"\"\",\n",
        i % 256, (i * 7) % 65536, i, i * 3, i % 1000, i * 11
    }
    printf "    \"end\\0\"\nEND\n\n"
  }
}' > "$work/data.rc"
size=$(stat -c %s "$work/data.rc")

# measure NAME COMMAND...: "NAME SECONDS KB": the least CPU time (user + system) of three runs,
# and the largest peak resident memory of them
measure() {
  local name=$1 best="" most=0
  shift
  for _ in 1 2 3; do
    /usr/bin/time -v "$@" > "$work/$name.out" 2> "$work/$name.time" || { cat "$work/$name.time"; echo "$name failed"; exit 1; }
    local user sys rss cpu
    user=$(awk -F': ' '/User time/ {print $2}' "$work/$name.time")
    sys=$(awk -F': ' '/System time/ {print $2}' "$work/$name.time")
    rss=$(awk -F': ' '/Maximum resident/ {print $2}' "$work/$name.time")
    cpu=$(echo "$user + $sys" | bc)
    if [[ -z $best ]] || (( $(echo "$cpu < $best" | bc) )); then best=$cpu; fi
    (( rss > most )) && most=$rss
  done
  echo "$name $best $most"
}

read -r _ ours_cpu ours_kb < <(measure ours "$rc" -fo "$work/ours.res" "$work/data.rc")
read -r _ theirs_cpu theirs_kb < <(measure theirs "$llvm" -no-preprocess -fo "$work/theirs.res" "$work/data.rc")
[[ -n ${ours_kb:-} && -n ${theirs_kb:-} ]] || { echo "a compiler failed"; exit 1; }
printf 'script: %d bytes (%.1f MB)\n' "$size" "$(echo "scale=1; $size / 1000000" | bc)"
printf '  restallow-rc  %6.2f s CPU  %7d KB peak  (%.2f x the script)\n' "$ours_cpu" "$ours_kb" \
  "$(echo "scale=3; $ours_kb * 1024 / $size" | bc)"
printf '  llvm-rc       %6.2f s CPU  %7d KB peak  (%.2f x the script)\n' "$theirs_cpu" "$theirs_kb" \
  "$(echo "scale=3; $theirs_kb * 1024 / $size" | bc)"
printf '  restallow-rc / llvm-rc: time %.2f, memory %.2f\n' "$(echo "scale=3; $ours_cpu / $theirs_cpu" | bc)" \
  "$(echo "scale=3; $ours_kb / $theirs_kb" | bc)"
if cmp -s "$work/ours.res" "$work/theirs.res"; then echo "  the outputs are byte-equal"; else echo "  the outputs differ"; fi
status=0
if (( ours_kb * 1024 <= 4 * size )); then echo "  memory goal (at most 4 x the script): met"; else echo "  memory goal (at most 4 x the script): NOT met"; status=1; fi
if (( $(echo "$ours_cpu < $theirs_cpu" | bc) )); then echo "  time goal (faster than llvm-rc): met"; else echo "  time goal (faster than llvm-rc): NOT met"; status=1; fi
exit "$status"
