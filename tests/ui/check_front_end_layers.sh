#!/bin/sh
# Fails when a front-end reaches past app/ into a library (places, records): an include of
# LIBRARY/ or a LIBRARY:: name in the sources of the folders given, which it lists.
# check_front_end_layers.sh LIBRARY... -- FOLDER...
set -eu
libraries=
while [ $# -gt 0 ] && [ "$1" != "--" ]; do
    libraries="$libraries $1"
    shift
done
[ $# -gt 0 ] || { echo "usage: $0 LIBRARY... -- FOLDER..."; exit 2; }
shift
[ -n "$libraries" ] && [ $# -gt 0 ] || { echo "usage: $0 LIBRARY... -- FOLDER..."; exit 2; }
for folder in "$@"; do
    # The check would pass on a mistyped or empty folder.
    ls "$folder"/*.cpp >/dev/null 2>&1 || { echo "no sources in $folder"; exit 1; }
done
status=0
for library in $libraries; do
    found=$(grep -nE "#[[:space:]]*include[[:space:]]*[\"<]$library/|\\b$library::" "$@" -r \
        --include='*.cpp' --include='*.h' || true)
    if [ -n "$found" ]; then
        echo "front-end code reaching into $library/ (use app/):"
        echo "$found"
        status=1
    fi
done
[ $status -eq 0 ] && echo "no$libraries in $*"
exit $status
