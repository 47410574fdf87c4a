#!/usr/bin/env bash
# Cold start to the first shown window (offscreen, settings present), against an empty Qt main
# window built the same way; 20 runs each, the mean counts. Usage: bench/startup_bench.sh [BUILD_DIR]
set -euo pipefail
build=$(realpath "${1:-build}")
config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
mkdir -p "$config/Orvel"
printf '[Params]\nLanguage_Value=1\nShowInfo_Value=0\nOutfit_Value=4\n' > "$config/Orvel/Resource Tallowin.conf"
export XDG_CONFIG_HOME=$config QT_QPA_PLATFORM=offscreen
mean() {
  local start end
  start=$(date +%s%N)
  for _ in $(seq 20); do "$build/bench/startup_probe" "$1" >/dev/null 2>&1; done
  end=$(date +%s%N)
  echo "scale=1; ($end - $start) / 20 / 1000000" | bc
}
tallow=$(mean tallow)
empty=$(mean empty)
echo "main window   ${tallow} ms"
echo "empty window  ${empty} ms   (ratio $(echo "scale=2; $tallow / $empty" | bc))"
