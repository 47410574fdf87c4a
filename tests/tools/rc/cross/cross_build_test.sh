#!/usr/bin/env bash
# Cross-builds the demo program of this folder with a build system and restallow's resource
# compiler, and again with GNU windres, and checks that both programs hold the same resources
# (wrestool's list and each resource's bytes). With ninja it also touches the header the script
# includes and checks that the script is compiled again. cmake-rc builds the .res of CMake's
# rc.exe rule, which GNU ld cannot link, and compares it with restallow-rc -fo.
# make-x86-64 builds the 64-bit program with make, restallow-windres -F pe-x86-64 against
# x86_64-w64-mingw32-windres, whose objects must also be byte-equal.
# Usage: cross_build_test.sh make|make-x86-64|cmake-windres|cmake-rc|meson BUILD_DIR
# Exits 77 (skipped) when the MinGW tools (the x86-64 ones for make-x86-64), or Meson for meson, are missing.
set -euo pipefail
mode=$1
build=$(realpath "$2")
here=$(cd "$(dirname "$0")" && pwd)
skip() { echo "SKIPPED: $*"; exit 77; }
for tool in i686-w64-mingw32-gcc i686-w64-mingw32-windres wrestool make; do
  command -v "$tool" >/dev/null || skip "$tool is not installed (gcc-mingw-w64-i686, binutils-mingw-w64-i686, icoutils, make)"
done
[[ $mode != meson ]] || command -v meson >/dev/null || skip "meson is not installed"
if [[ $mode == make-x86-64 ]]; then
  command -v x86_64-w64-mingw32-gcc >/dev/null && command -v x86_64-w64-mingw32-windres >/dev/null ||
    skip "the x86-64 MinGW tools are not installed (gcc-mingw-w64-x86-64)"
fi
[[ -x $build/restallow-windres ]] || { echo "no $build/restallow-windres"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

prepare() {  # a copy of the project under $work/$1
  mkdir -p "$work/$1"
  cp -r "$here"/. "$work/$1/"
  cp "$here/../data/icon.ico" "$work/$1/app.ico"
}

# Both programs hold the same resources, and those are the ones of app.rc.
same_resources() {
  local ours=$1 theirs=$2
  wrestool -l "$ours" | sed 's/offset=0x[0-9a-f]* //' > "$work/ours.txt"
  wrestool -l "$theirs" | sed 's/offset=0x[0-9a-f]* //' > "$work/theirs.txt"
  cat "$work/ours.txt"
  diff "$work/ours.txt" "$work/theirs.txt"
  for kind in icon group_icon string dialog version; do grep -q "type=$kind " "$work/ours.txt" || { echo "no $kind resource"; exit 1; }; done
  rm -rf "$work/x-ours" "$work/x-theirs"
  mkdir "$work/x-ours" "$work/x-theirs"
  wrestool -x --raw -o "$work/x-ours" "$ours"
  wrestool -x --raw -o "$work/x-theirs" "$theirs"
  diff -r "$work/x-ours" "$work/x-theirs"
  echo "the same $(wc -l < "$work/ours.txt") resources as the windres build"
}

# ninja has nothing to do; after the header is touched it compiles the script again.
recompiles_after_touch() {
  local dir=$1 source=$2
  [[ $(ninja -C "$dir" -n | tail -1) == "ninja: no work to do." ]] || { echo "ninja has work left before the touch"; exit 1; }
  sleep 1
  touch "$source/include/resource.h"
  # Read whole before grep looks at it: grep -q stopping early would fail ninja's pipe under pipefail.
  local plan
  plan=$(ninja -C "$dir" -n -d explain 2>&1)
  grep -E '^\[[0-9]+/[0-9]+\] .*(app\.rc|RC object)' <<< "$plan" || { echo "touching resource.h does not recompile the script"; exit 1; }
  ninja -C "$dir" > /dev/null
  echo "touching include/resource.h compiles the script again"
}

cmake_build() {  # NAME RC_COMPILER
  cmake -S "$work/src" -B "$work/$1" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$work/src/toolchain-mingw32.cmake" \
    -DCMAKE_RC_COMPILER="$2" > "$work/$1.log" 2>&1 || { cat "$work/$1.log"; exit 1; }
}

meson_build() {  # NAME WINDRES
  cat > "$work/$1.ini" <<EOF
[binaries]
c = 'i686-w64-mingw32-gcc'
ar = 'i686-w64-mingw32-ar'
strip = 'i686-w64-mingw32-strip'
windres = '$2'

[host_machine]
system = 'windows'
cpu_family = 'x86'
cpu = 'i686'
endian = 'little'
EOF
  meson setup --cross-file "$work/$1.ini" "$work/$1" "$work/src" > "$work/$1.log" 2>&1 || { cat "$work/$1.log"; exit 1; }
  grep "Windows resource compiler" "$work/$1.log"
  ninja -C "$work/$1" > /dev/null
}

prepare src
case $mode in
make)
  prepare theirs
  PATH="$build:$PATH" make -C "$work/src" WINDRES=restallow-windres
  make -C "$work/theirs" > /dev/null
  same_resources "$work/src/app.exe" "$work/theirs/app.exe"
  ;;
make-x86-64)
  prepare theirs
  PATH="$build:$PATH" make -C "$work/src" CC=x86_64-w64-mingw32-gcc WINDRES="restallow-windres -F pe-x86-64"
  make -C "$work/theirs" CC=x86_64-w64-mingw32-gcc WINDRES=x86_64-w64-mingw32-windres > /dev/null
  cmp "$work/src/app_res.o" "$work/theirs/app_res.o"
  x86_64-w64-mingw32-objdump -f "$work/src/app_res.o" | grep 'file format pe-x86-64'
  same_resources "$work/src/app.exe" "$work/theirs/app.exe"
  ;;
cmake-windres)
  cmake_build ours "$build/restallow-windres"
  cmake_build theirs i686-w64-mingw32-windres
  ninja -C "$work/ours" -v | grep -E 'restallow-windres -O coff'
  ninja -C "$work/theirs" > /dev/null
  same_resources "$work/ours/app.exe" "$work/theirs/app.exe"
  recompiles_after_touch "$work/ours" "$work/src"
  ;;
cmake-rc)
  cmake_build ours "$build/restallow-rc"
  object=$(ninja -C "$work/ours" -t targets all | grep -oE '^[^:]*app\.rc\.[a-z]+' | head -1)
  ninja -C "$work/ours" -v "$object" | grep -E 'restallow-rc .*/fo '
  "$build/restallow-rc" -DDEMO_BUILD=1 -I "$work/src/include" -fo "$work/expected.res" "$work/src/app.rc"
  cmp "$work/ours/$object" "$work/expected.res"
  "$build/restallow-rc" --dump "$work/ours/$object"
  echo "CMake's rc rule wrote $object, the same bytes as restallow-rc -fo"
  ;;
meson)
  meson_build ours "$build/restallow-windres"
  meson_build theirs "$(command -v i686-w64-mingw32-windres)"
  same_resources "$work/ours/app.exe" "$work/theirs/app.exe"
  recompiles_after_touch "$work/ours" "$work/src"
  ;;
*)
  echo "unknown mode $mode"
  exit 1
  ;;
esac
