#!/usr/bin/env bash
# Start-up to the first painted window on an X server (a private Xvfb), with settings present:
# the main window (startup_probe, built as the program is) against an empty Qt Widgets window that
# links Qt Widgets alone (empty_window). 20 runs each after one warm-up run; the means count.
# The time runs from just before exec to the first paint event of the window; with --phases the
# script also prints where it goes ("main" is reached once the libraries are loaded).
# Usage: bench/startup_bench.sh [BUILD_DIR] [--phases]
set -euo pipefail
build=$(realpath "${1:-build}")
work=$(mktemp -d)
xvfb_pid=
cleanup() { [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT
mkdir -p "$work/Orvel"
printf '[Params]\nLanguage_Value=1\nShowInfo_Value=0\nOutfit_Value=4\n' > "$work/Orvel/Resource Tallowin.conf"
exec 3> "$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do [[ -s $work/display ]] && break; sleep 0.1; done
export DISPLAY=:$(cat "$work/display") XDG_CONFIG_HOME=$work QT_QPA_PLATFORM=xcb RESTALLOW_PHASES=1

# Prints "phase mean-ms" lines for one program: each phase's time after exec, and the whole run.
phases() {
  "$1" >/dev/null 2>&1
  for _ in $(seq 20); do
    local start end
    start=$(date +%s%N)
    "$1" 2>&1 >/dev/null | awk -v start="$start" '/^phase/ { printf "%s %.3f\n", $2 ($3 ~ /^[0-9]+$/ ? "" : "_" $3), ($NF - start) / 1e6 }'
    end=$(date +%s%N)
    echo "exit $(( (end - start) / 1000 ))" | awk '{ printf "%s %.3f\n", $1, $2 / 1e3 }'
  done | awk '{ sum[$1] += $2; n[$1]++; if (!($1 in seen)) { seen[$1] = 1; order[++count] = $1 } }
              END { for (i = 1; i <= count; ++i) printf "%s %.1f\n", order[i], sum[order[i]] / n[order[i]] }'
}
libs() { ldd "$1" | wc -l; }
tallow=$(phases "$build/bench/startup_probe")
empty=$(phases "$build/bench/empty_window")
painted() { awk '$1 == "painted" { print $2 }' <<< "$1"; }
echo "main window   $(painted "$tallow") ms to the first paint   ($(libs "$build/bench/startup_probe") libraries)"
echo "empty window  $(painted "$empty") ms to the first paint   ($(libs "$build/bench/empty_window") libraries)"
echo "ratio         $(echo "scale=2; $(painted "$tallow") / $(painted "$empty")" | bc)   (goal: at most 1.5)"
if [[ ${2:-} == --phases ]]; then
  echo "mean ms after exec:   main window / empty window"
  join <(sort <<< "$tallow") <(sort <<< "$empty") | sort -k2 -n | awk '{ printf "  %-16s %7.1f %7.1f\n", $1, $2, $3 }'
fi
