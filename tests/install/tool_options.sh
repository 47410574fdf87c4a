#!/bin/sh
# Every program answers --version with its name and the project's version (a note may follow
# after a comma) and --help with its usage (a line "usage: NAME ...", perhaps after the version)
# on standard output, both with exit code 0, without a display and without other arguments.
#   tool_options.sh VERSION PROGRAM...
set -eu
version=$1
shift
for program in "$@"; do
  name=$(basename "$program")
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" --version)
  # A compatibility note may follow, as restallow-rc names the compilers it stands in for.
  case $out in
    "$name $version" | "$name $version, "*) ;;
    *) echo "$name --version: '$out'"; exit 1 ;;
  esac
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" --help)
  printf '%s\n' "$out" | grep -q "^usage: $name " || { echo "$name --help: '$out'"; exit 1; }
done
