#!/usr/bin/env bash
# Makes each case's .res with zig rc, which writes rc.exe's bytes: every <case>.rc here gives
# <case>.res (in OUT when given). The scripts name files of the folder above. Run with the zig program:
#   ZIG=/path/to/zig tests/tools/rc/data/zig/make_zig_goldens.sh [OUT]
# headers.rc and utf16.rc take zig's bundled MinGW-w64 headers. utf16.rc, which zig cannot read,
# is given to it as UTF-8 behind a first #pragma code_page(65001): that reads the text as Unicode
# and leaves narrow strings in code page 1252, as rc.exe compiles a UTF-16 script.
set -euo pipefail
out=$(realpath "${1:-$(dirname "$0")}")
cd "$(dirname "$0")"
zig=${ZIG:?set ZIG to the zig program}
for script in *.rc; do
  name=${script%.rc} includes=none input=$script
  case $name in
    headers) includes=gnu ;;
    utf16) includes=gnu input=$out/utf16.utf8.tmp; { echo '#pragma code_page(65001)'; iconv -f UTF-16 -t UTF-8 "$script"; } > "$input" ;;
  esac
  "$zig" rc /:auto-includes "$includes" /fo "$out/$name.res" -- "$input"
done
rm -f "$out/utf16.utf8.tmp"
