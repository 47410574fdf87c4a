#!/bin/sh
# Every program answers --version with its name and the project's version and --help with its
# usage on standard output, both with exit code 0, without a display and without other arguments.
#   tool_options.sh VERSION PROGRAM...
set -eu
version=$1
shift
for program in "$@"; do
  name=$(basename "$program")
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" --version)
  [ "$out" = "$name $version" ] || { echo "$name --version: '$out'"; exit 1; }
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" --help)
  case $out in
    "usage: $name "*) ;;
    *) echo "$name --help: '$out'"; exit 1 ;;
  esac
done
