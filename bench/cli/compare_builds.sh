#!/usr/bin/env bash
# Compares two builds of vexamo-cli: the outputs of batch (csv, jsonl) on 10,000 random births
# over years -99,999..99,999, of eval --json on 300 of them and of export (tsv, csv, jsonl) of a
# 1,000,000-record file must be byte for byte the same (batch's resolved_place/resolved_zone/
# utc_offset_minutes, which older builds lack, are left out); then the wall times of batch of
# 200,000 rows and of export (tsv and csv) of 300,000 records, old and new by turns, as new/old
# ratios.
# With --count-changes the outputs need not be the same: for each comparison it counts, field by
# field, the rows where the two builds differ (numbers compared as values) and lists every
# changed text or type with its birth (bench/cli/field_changes.py); eval --json then runs on all
# 10,000 births (EVAL_COUNT). Only a change of layout (fields, rows) fails.
# Usage: bench/cli/compare_builds.sh [--count-changes] OLD/vexamo-cli NEW/vexamo-cli
set -euo pipefail
count_changes=0
if [ "${1:-}" = --count-changes ]; then
    count_changes=1
    shift
fi
old=${1:?old vexamo-cli}
new=${2:?new vexamo-cli}
here=$(cd "$(dirname "$0")" && pwd)
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
if [ "$count_changes" = 1 ]; then
    eval_count=${EVAL_COUNT:-10000}
else
    eval_count=${EVAL_COUNT:-300}
fi

births() { # rows seed lowest-year highest-year [names]
    bash "$(dirname "$0")/../../scripts/random-births.sh" "$@"
}

strip_new() { # format file
    python3 - "$1" "$2" <<'PY'
import csv, json, sys
fmt, path = sys.argv[1], sys.argv[2]
new = ("resolved_place", "resolved_zone", "utc_offset_minutes")
out = sys.stdout
if fmt == "csv":
    rows = csv.reader(open(path, newline="", encoding="utf-8"))
    header = next(rows)
    keep = [i for i, k in enumerate(header) if k not in new]
    w = csv.writer(out, lineterminator="\n")
    w.writerow([header[i] for i in keep])
    for r in rows:
        w.writerow([r[i] for i in keep])
else:
    for line in open(path, encoding="utf-8"):
        o = json.loads(line)
        for k in new:
            o.pop(k, None)
        out.write(json.dumps(o) + "\n")
PY
}

# same what format old new [field_changes.py options]: in the default mode whether the two are
# byte for byte the same, with --count-changes the fields in which they differ.
same() {
    local what=$1 format=$2 a=$3 b=$4
    shift 4
    if [ "$count_changes" = 1 ]; then
        python3 "$here/field_changes.py" "$format" "$a" "$b" --what "$what" "$@" || status=1
    elif cmp -s "$a" "$b"; then
        echo "$what: identical"
    else
        echo "$what: DIFFERENT"; status=1
    fi
}

status=0
births 10000 3 -99999 99999 > "$dir/wide.csv"
for format in csv jsonl; do
    "$old" batch --before-1900 --format "$format" "$dir/wide.csv" > "$dir/old.$format" || true
    "$new" batch --before-1900 --format "$format" "$dir/wide.csv" > "$dir/new.$format" || true
    if [ "$count_changes" = 1 ]; then
        same "batch --format $format, 10,000 births -99,999..99,999" "$format" \
            "$dir/old.$format" "$dir/new.$format" --label-from "$dir/wide.csv" \
            --drop resolved_place resolved_zone utc_offset_minutes
    elif cmp -s <(strip_new "$format" "$dir/old.$format") <(strip_new "$format" "$dir/new.$format"); then
        echo "batch --format $format, 10,000 births -99,999..99,999: identical"
    else
        echo "batch --format $format: DIFFERENT"; status=1
    fi
done

# eval --json, one process per birth: the first $eval_count of the same births. Older builds write
# numbers with 17 significant digits, newer ones with the fewest that read back the same, so
# the objects are compared as values (Python reads every number to the nearest double).
evals() { # vexamo-cli: the JSON of each birth in turn, one line each, numbers in one form
    tail -n +2 "$dir/wide.csv" | head -"$eval_count" | while IFS=, read -r d m y h mi tz south const; do
        flags=(--json --before-1900 --tz "$tz")
        [ "$south" = 1 ] && flags+=(--southern)
        [ "$const" = 1 ] && flags+=(--const-zone)
        "$1" eval "${flags[@]}" -- "$d" "$m" "$y" "$h" "$mi" 2>&1 || true
        echo "--"
    done | python3 -c '
import json, sys
for text in sys.stdin.read().split("\n--\n")[:-1]:
    try:
        print(json.dumps(json.loads(text)))
    except ValueError:
        print("not JSON:", text)'
}
evals "$old" > "$dir/old.eval"
evals "$new" > "$dir/new.eval"
head -$((eval_count + 1)) "$dir/wide.csv" > "$dir/evaluated.csv"
same "eval --json, $eval_count births -99,999..99,999" jsonl "$dir/old.eval" "$dir/new.eval" \
    --label-from "$dir/evaluated.csv"

births 1000000 5 1900 2100 names > "$dir/million.csv"
"$new" import "$dir/million.dat" "$dir/million.csv"
for format in tsv csv jsonl; do
    "$old" export "$dir/million.dat" --format "$format" > "$dir/old.export" || true
    "$new" export "$dir/million.dat" --format "$format" > "$dir/new.export" || true
    same "export --format $format, 1,000,000 records" "$format" "$dir/old.export" \
        "$dir/new.export" --key "$([ "$format" = tsv ] && echo Name: || echo name)"
done
rm -f "$dir/old.export" "$dir/new.export"

births 200000 7 1900 2100 > "$dir/batch.csv"
births 300000 9 1900 2100 names > "$dir/export.csv"
"$new" import "$dir/export.dat" "$dir/export.csv"
seconds() { # command...: the wall time of one run
    /usr/bin/time -o "$dir/time" -f %e "$@" > /dev/null 2>&1 || true
    tail -1 "$dir/time"
}
# Old and new run by turns, seven times each, so that a slower spell of this shared machine
# falls on both: the best time of each, and the median of the seven new/old ratios.
for which in batch export-tsv export-csv; do
    case "$which" in
    batch) args=(batch "$dir/batch.csv") ;;
    export-tsv) args=(export "$dir/export.dat") ;;
    export-csv) args=(export "$dir/export.dat" --format csv) ;;
    esac
    pairs=""
    for _ in 1 2 3 4 5 6 7; do
        pairs+="$(seconds "$old" "${args[@]}") $(seconds "$new" "${args[@]}")"$'\n'
    done
    bo=$(printf '%s' "$pairs" | cut -d' ' -f1 | sort -g | head -1)
    bn=$(printf '%s' "$pairs" | cut -d' ' -f2 | sort -g | head -1)
    median=$(printf '%s' "$pairs" | awk '{ printf "%.4f\n", $2 / $1 }' | sort -g | sed -n 4p)
    echo "$which: old best $bo s, new best $bn s, ratio of bests" \
        "$(awk -v a="$bn" -v b="$bo" 'BEGIN { printf "%.2f", a / b }'), median ratio" \
        "$(printf '%.2f' "$median")"
done
exit $status
