#!/usr/bin/env bash
# For every script of the real-script corpus: preprocesses it with `restallow-rc -E` and with
# `i686-w64-mingw32-cpp -xc -DRC_INVOKED` (the include folders and defines of the corpus's run.sh),
# compiles both texts with `llvm-rc -no-preprocess` and says whether the two .res files are the
# same bytes. Last line: "N of M byte-equal (K compiled by llvm-rc from cpp output)".
# Usage: bench/pp_llvm_compare.sh [BUILD_DIR] [CORPUS_DIR]
set -uo pipefail
build=$(realpath "${1:-build}")
corpus=$(realpath "${2:-$(dirname "$0")/../../shared/rc-corpus}")
rc=$build/restallow-rc
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
codepage_of() {
  local p
  p=$(grep -a -o -i -E '^[[:space:]]*#[[:space:]]*pragma[[:space:]]+code_page[[:space:]]*\([[:space:]]*[0-9]+' "$1" | head -1 | grep -o -E '[0-9]+$')
  echo "${p:-1252}"
}
total=0 ref_ok=0 equal=0 pp_ok=0
while IFS=$'\t' read -r script bits extra defs origin; do
  [[ -z $script || $script == \#* ]] && continue
  total=$((total + 1))
  id=${script//\//_} dir=$(dirname "$corpus/$script")
  incs=(-I"$dir") iflags=(-i "$dir")
  if [[ $extra != - ]]; then
    IFS=: read -r -a xs <<<"$extra"
    for x in "${xs[@]}"; do incs+=(-I"$corpus/$x"); iflags+=(-i "$corpus/$x"); done
  fi
  dflags=(); [[ $defs != - ]] && for d in $defs; do dflags+=(-D"$d"); done
  win16=(); [[ $bits == 16 ]] && win16=(-31)
  cpp_out=$work/$id.cpp.rc ours=$work/$id.ours.rc
  i686-w64-mingw32-cpp -xc -DRC_INVOKED "${incs[@]}" -I"$corpus/_sdk" "${dflags[@]}" "$corpus/$script" -o "$cpp_out" 2>/dev/null
  ( cd "$dir" && "$rc" -E "${win16[@]}" "${iflags[@]}" -i "$corpus/_sdk" "${dflags[@]}" "$corpus/$script" ) >"$ours" 2>"$ours.err"
  pprc=$?
  [[ $pprc == 0 ]] && pp_ok=$((pp_ok + 1))
  ( cd "$dir" && llvm-rc -no-preprocess -c "$(codepage_of "$cpp_out")" "${incs[@]}" -fo "$work/$id.ref.res" "$cpp_out" ) >/dev/null 2>&1 || rm -f "$work/$id.ref.res"
  ( cd "$dir" && llvm-rc -no-preprocess -c "$(codepage_of "$ours")" "${incs[@]}" -fo "$work/$id.ours.res" "$ours" ) >"$work/$id.ours.log" 2>&1 || rm -f "$work/$id.ours.res"
  verdict="llvm-rc refuses the cpp output"
  if [[ -f $work/$id.ref.res ]]; then
    ref_ok=$((ref_ok + 1))
    if [[ ! -f $work/$id.ours.res ]]; then verdict="DIFFERENT: llvm-rc refuses our output: $(head -c 160 "$work/$id.ours.log" | tr '\n' ' ')"
    elif cmp -s "$work/$id.ref.res" "$work/$id.ours.res"; then verdict="byte-equal"; equal=$((equal + 1))
    else verdict="DIFFERENT bytes"; fi
  fi
  [[ $pprc != 0 ]] && verdict="restallow-rc -E failed: $(head -1 "$ours.err")"
  printf '%-55s %s\n' "$script" "$verdict"
done < "$corpus/corpus.tsv"
echo "restallow-rc -E succeeded on $pp_ok of $total scripts"
echo "$equal of $ref_ok byte-equal ($ref_ok of $total compiled by llvm-rc from cpp output)"
