#!/bin/sh
# Every program answers --version with its name and the project's version (a compiler may add
# what it is compatible with, after a comma) and --help with its
# usage on standard output (a line of its own beginning "usage: NAME"), both with exit code 0, without a display and without other arguments.
#   tool_options.sh VERSION PROGRAM...
set -eu
version=$1
shift
for program in "$@"; do
  name=$(basename "$program")
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" --version)
  case $out in
    "$name $version" | "$name $version, "*) ;;
    *) echo "$name --version: '$out'"; exit 1 ;;
  esac
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" --help)
  printf '%s\n' "$out" | grep -q "^usage: $name " || { echo "$name --help: '$out'"; exit 1; }
done
