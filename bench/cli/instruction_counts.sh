#!/usr/bin/env bash
# Instructions executed by two builds of vexamo-cli on one thread (valgrind's callgrind, which
# counts instead of timing and so is steady on a busy machine): batch of 20,000 random rows and
# export --format csv of 30,000 records, with the new/old ratios. The outputs must be the same.
# Usage: bench/cli/instruction_counts.sh OLD/vexamo-cli NEW/vexamo-cli
set -euo pipefail
old=${1:?old vexamo-cli}
new=${2:?new vexamo-cli}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

births() { # rows seed [with names]
    awk -v n="$1" -v seed="$2" -v names="${3:-}" 'BEGIN {
        srand(seed);
        print (names ? "name," : "") "day,month,year,hour,minute,tz,southern,const_zone";
        for (i = 0; i < n; i++)
            printf "%s%d,%d,%d,%d,%d,%d,%d,%d\n", names ? "P" i "," : "", 1 + int(rand() * 28),
                1 + int(rand() * 12), 1900 + int(rand() * 201), int(rand() * 25),
                int(rand() * 60), int(rand() * 25) - 12, int(rand() * 2), int(rand() * 2)
    }'
}
count() { # command...: instructions executed
    valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" 2>&1 >/dev/null |
        awk '/ refs:/ { gsub(",", "", $NF); print $NF }'
}

births 20000 7 > "$dir/batch.csv"
births 30000 9 names > "$dir/export.csv"
"$new" import "$dir/export.dat" "$dir/export.csv"
# Builds from before --jobs run on one thread anyway.
one() { # cli: "--jobs 1" where the build knows it
    if head -1 "$dir/batch.csv" | "$1" batch --jobs 1 > /dev/null 2>&1; then echo "--jobs 1"; fi
}
status=0
for which in batch export; do
    if [ "$which" = batch ]; then
        args=(batch "$dir/batch.csv")
    else
        args=(export "$dir/export.dat" --format csv)
    fi
    # shellcheck disable=SC2046
    if ! cmp -s <("$old" "${args[@]}" $(one "$old")) <("$new" "${args[@]}" $(one "$new")); then
        echo "$which: outputs DIFFER (as they do for builds without the zone columns; compare_builds.sh compares those)"; status=1
    fi
    # shellcheck disable=SC2046
    o=$(count "$old" "${args[@]}" $(one "$old")); n=$(count "$new" "${args[@]}" $(one "$new"))
    echo "$which: old $o, new $n instructions, ratio $(awk -v a="$n" -v b="$o" 'BEGIN { printf "%.2f", a / b }')"
done
exit $status
