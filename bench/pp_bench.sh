#!/usr/bin/env bash
# Preprocesses the 35 scripts of the real-script corpus with `restallow-rc -E` (built-in headers)
# and with `i686-w64-mingw32-cpp -xc -DRC_INVOKED` (MinGW-w64 headers), with the include folders
# and defines of the corpus's run.sh, output to /dev/null. Each whole pass runs seven times, the
# passes taking turns; the best counts, as wall time and as the CPU time of the started
# processes (the machine may be busy with other work). For scale it also times the same pass
# starting `restallow-rc --version` only, which is what starting a process costs here.
# Prints the times and the ratio restallow-rc / cpp. Goal: at most 0.1.
# Usage: bench/pp_bench.sh [BUILD_DIR] [CORPUS_DIR]
set -euo pipefail
build=$(realpath "${1:-build}")
corpus=$(realpath "${2:-$(dirname "$0")/../../shared/rc-corpus}")
python3 - "$build/restallow-rc" "$corpus" <<'PY'
import os, resource, subprocess, sys, time
rc, corpus = sys.argv[1], sys.argv[2]
jobs = []
for line in open(os.path.join(corpus, 'corpus.tsv')):
    if line.startswith('#') or not line.strip(): continue
    script, bits, extra, defs, _ = line.rstrip('\n').split('\t')
    path = os.path.join(corpus, script)
    dirs = [os.path.dirname(path)] + ([os.path.join(corpus, x) for x in extra.split(':')] if extra != '-' else [])
    dirs.append(os.path.join(corpus, '_sdk'))
    defines = ['-D' + d for d in defs.split()] if defs != '-' else []
    ours = [rc, '-E'] + (['-31'] if bits == '16' else []) + [a for d in dirs for a in ('-i', d)] + defines + [path]
    cpp = ['i686-w64-mingw32-cpp', '-xc', '-DRC_INVOKED'] + ['-I' + d for d in dirs] + defines + [path, '-o', '/dev/null']
    jobs.append((ours, cpp))

def run(commands):
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    t0 = time.perf_counter()
    for command in commands:
        subprocess.run(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)
    wall = time.perf_counter() - t0
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    return wall * 1000, (after.ru_utime + after.ru_stime - before.ru_utime - before.ru_stime) * 1000

failed = [j[0] for j in jobs if subprocess.run(j[0], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode != 0]
# The passes take turns, so that a change in the machine's load reaches all three alike.
passes = {'ours': [j[0] for j in jobs], 'cpp': [j[1] for j in jobs], 'start': [[rc, '--version']] * len(jobs)}
best = {name: (float('inf'), float('inf')) for name in passes}
for _ in range(7):
    for name, commands in passes.items():
        wall, cpu = run(commands)
        best[name] = (min(best[name][0], wall), min(best[name][1], cpu))
ours, cpp, start = best['ours'], best['cpp'], best['start']
print(f'scripts: {len(jobs)} ({len(failed)} failed with restallow-rc -E)')
print(f'restallow-rc -E:       {ours[0]:7.1f} ms wall, {ours[1]:7.1f} ms CPU')
print(f'i686-w64-mingw32-cpp:  {cpp[0]:7.1f} ms wall, {cpp[1]:7.1f} ms CPU')
print(f'restallow-rc --version:{start[0]:7.1f} ms wall, {start[1]:7.1f} ms CPU (process starts alone)')
print(f'ratio restallow-rc / cpp: {ours[0] / cpp[0]:.3f} wall, {ours[1] / cpp[1]:.3f} CPU (goal: at most 0.100)')
PY
