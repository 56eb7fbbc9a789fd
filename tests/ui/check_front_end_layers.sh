#!/bin/sh
# Fails when a front-end reaches past app/ into the library LIBRARY (places, records): an
# include of LIBRARY/ or a LIBRARY:: name in the sources of the folders given, which it lists.
# check_front_end_layers.sh LIBRARY FOLDER...
set -eu
library=$1
shift
for folder in "$@"; do
    # The check would pass on a mistyped or empty folder.
    ls "$folder"/*.cpp >/dev/null 2>&1 || { echo "no sources in $folder"; exit 1; }
done
found=$(grep -nE "#include \"$library/|\\b$library::" "$@" -r --include='*.cpp' --include='*.h' || true)
if [ -n "$found" ]; then
    echo "front-end code reaching into $library/ (use app/):"
    echo "$found"
    exit 1
fi
echo "no $library/ in $*"
