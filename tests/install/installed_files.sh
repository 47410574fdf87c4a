#!/bin/sh
# Installs the build into a staging folder (stripped, as the package ships it) and checks that the
# media module lies where the installed program looks for it, and that no installed file names
# the build or the source folder: nothing is looked up there, and the files are the same
# wherever they were built.
#   installed_files.sh CMAKE BUILD_DIR SOURCE_DIR PREFIX BINDIR MEDIA_FROM_BIN
set -eu
cmake=$1 build=$2 source=$3 prefix=$4 bindir=$5 media=$6
staged=$(mktemp -d)
trap 'rm -rf "$staged"' EXIT
DESTDIR="$staged" "$cmake" --install "$build" --strip > /dev/null
module="$staged$prefix/$bindir/$media/librestallow_media.so"
[ -f "$module" ] || { echo "no media module at $module"; exit 1; }
[ -x "$staged$prefix/$bindir/restallow" ] || { echo "no program installed"; exit 1; }
# Qt's string literals are UTF-16: both encodings are searched.
found=$( (find "$staged" -type f -exec strings -a {} + && find "$staged" -type f -exec strings -a -el {} +) |
         grep -F -e "$build" -e "$source" || true)
if [ -n "$found" ]; then
  echo "installed files name the build or source folder:"
  echo "$found" | head -20
  exit 1
fi
