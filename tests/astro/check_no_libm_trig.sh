#!/bin/sh
# Fails when the static library $1 references the C library's sin, cos, tan, atan, asin or sincos
# (in any precision), lists the references otherwise found and the library's own functions.
set -eu
lib=$1
refs=$(nm -u "$lib" | awk '{print $NF}' | sed 's/@.*//' |
    grep -E '^_*(sin|cos|tan|atan|asin|sincos)(f|l|f128)?(_finite)?$' || true)
if [ -n "$refs" ]; then
    echo "$lib references: $refs"
    exit 1
fi
# The check would pass on an empty or unreadable archive: the library's own functions must be
# there.
for f in CrSin CrCos CrTan CrAtan CrAsin; do
    nm --defined-only -C "$lib" | grep -q " T $f(double)" || { echo "$f missing from $lib"; exit 1; }
done
echo "no C library trigonometry in $lib"
