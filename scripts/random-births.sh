#!/usr/bin/env bash
# Random births as batch and import read them: a header row, then ROWS rows of day (1..28),
# month, year (LOW..HIGH), hour (0..24), minute, tz (-12..12), southern and const_zone, each row
# named P0, P1, ... with "names". The same SEED gives the same rows.
#   scripts/random-births.sh ROWS SEED LOW HIGH [names]
set -euo pipefail
awk -v n="$1" -v seed="$2" -v lo="$3" -v hi="$4" -v names="${5:-}" 'BEGIN {
    srand(seed);
    print (names ? "name," : "") "day,month,year,hour,minute,tz,southern,const_zone";
    for (i = 0; i < n; i++)
        printf "%s%d,%d,%d,%d,%d,%d,%d,%d\n", names ? "P" i "," : "", 1 + int(rand() * 28),
            1 + int(rand() * 12), lo + int(rand() * (hi - lo + 1)), int(rand() * 25),
            int(rand() * 60), int(rand() * 25) - 12, int(rand() * 2), int(rand() * 2)
}'
