#!/usr/bin/env bash
# Compiles the 35 scripts of the real-script corpus as they stand with restallow-rc (its own
# preprocessor and headers) and with what llvm-rc needs for the same work: i686-w64-mingw32-cpp
# -xc -DRC_INVOKED, then llvm-rc -no-preprocess on its output. Same include folders, defines and
# code page as the corpus's run.sh. Each whole pass runs five times; the best counts, as wall
# time and as the CPU time of the started processes. Outputs go to a scratch folder.
# Prints both times and the ratio. Goal: restallow-rc at most a tenth of cpp + llvm-rc.
# Usage: bench/rc_corpus_bench.sh [BUILD_DIR] [CORPUS_DIR]
set -euo pipefail
build=$(realpath "${1:-build}")
corpus=$(realpath "${2:-$(dirname "$0")/../../shared/rc-corpus}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 - "$build/restallow-rc" "$corpus" "$work" <<'PY'
import os, re, resource, subprocess, sys, time
rc, corpus, work = sys.argv[1:4]

def code_page(path):
    text = open(path, 'rb').read()
    match = re.search(rb'^[ \t]*#[ \t]*pragma[ \t]+code_page[ \t]*\([ \t]*([0-9]+)', text, re.M | re.I)
    return match.group(1).decode() if match else '1252'

jobs = []
for n, line in enumerate(open(os.path.join(corpus, 'corpus.tsv'))):
    if line.startswith('#') or not line.strip(): continue
    script, bits, extra, defs, _ = line.rstrip('\n').split('\t')
    path = os.path.join(corpus, script)
    folder = os.path.dirname(path)
    dirs = [folder] + ([os.path.join(corpus, x) for x in extra.split(':')] if extra != '-' else [])
    defines = ['-D' + d for d in defs.split()] if defs != '-' else []
    sdk = os.path.join(corpus, '_sdk')
    pp = os.path.join(work, f'{n}.rc')
    cp = ['-c', code_page(path)]
    ours = [[rc] + cp + [a for d in dirs + [sdk] for a in ('-i', d)] + defines + ['-fo', os.path.join(work, f'{n}.ours.res'), path]]
    theirs = [['i686-w64-mingw32-cpp', '-xc', '-DRC_INVOKED'] + ['-I' + d for d in dirs + [sdk]] + defines + [path, '-o', pp],
              ['llvm-rc', '-no-preprocess'] + cp + ['-I' + d for d in dirs] + ['-fo', os.path.join(work, f'{n}.llvm.res'), pp]]
    jobs.append((folder, ours, theirs))

def run(pick):
    wall, cpu = [], []
    for _ in range(5):
        before = resource.getrusage(resource.RUSAGE_CHILDREN)
        t0 = time.perf_counter()
        for job in jobs:
            for command in pick(job):
                subprocess.run(command, cwd=job[0], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)
        wall.append(time.perf_counter() - t0)
        after = resource.getrusage(resource.RUSAGE_CHILDREN)
        cpu.append(after.ru_utime + after.ru_stime - before.ru_utime - before.ru_stime)
    return min(wall) * 1000, min(cpu) * 1000

ours = run(lambda job: job[1])
theirs = run(lambda job: job[2])
made = sum(os.path.exists(os.path.join(work, f)) for f in os.listdir(work) if f.endswith('.ours.res'))
print(f'scripts: {len(jobs)}, compiled by restallow-rc: {made}')
print(f'restallow-rc (raw scripts):       {ours[0]:8.1f} ms wall, {ours[1]:8.1f} ms CPU')
print(f'cpp + llvm-rc -no-preprocess:     {theirs[0]:8.1f} ms wall, {theirs[1]:8.1f} ms CPU')
print(f'ratio restallow-rc / (cpp + llvm-rc): {ours[0] / theirs[0]:.3f} wall, {ours[1] / theirs[1]:.3f} CPU (goal: at most 0.100)')
PY
