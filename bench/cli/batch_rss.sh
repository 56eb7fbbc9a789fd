#!/usr/bin/env bash
# Maximum resident memory of "vexamo-cli batch" on 100,000 and on 1,000,000 rows: the two
# should be about the same, since batch streams. Usage: bench/cli/batch_rss.sh path/to/vexamo-cli
set -euo pipefail
cli=${1:?path to vexamo-cli}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
for rows in 100000 1000000; do
    awk -v n="$rows" 'BEGIN {
        srand(7); print "name,day,month,year,hour,minute,tz,southern,const_zone";
        for (i = 0; i < n; i++)
            printf "\"Person %d\",%d,%d,%d,%d,%d,%d,%d,%d\n", i, 1 + int(rand() * 28),
                1 + int(rand() * 12), 1900 + int(rand() * 200), int(rand() * 25),
                int(rand() * 60), int(rand() * 25) - 12, int(rand() * 2), int(rand() * 2)
    }' > "$dir/in.csv"
    rss=$(/usr/bin/time -v "$cli" batch "$dir/in.csv" 2>&1 >/dev/null |
          awk -F': ' '/Maximum resident set size/ {print $2}')
    echo "batch of $rows rows: maximum resident set size $rss kB"
done
