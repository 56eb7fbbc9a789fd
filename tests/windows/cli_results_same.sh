#!/usr/bin/env bash
# The results of vexamo-cli.exe under Wine are the Linux build's, byte for byte: batch (csv and
# jsonl) of 10,000 random births over years -99,999..99,999, eval --json of 300 of them, and
# export (tsv, csv, jsonl) of a 100,000-record file with names in several scripts.
#   cli_results_same.sh WORK_DIR LINUX_CLI EMULATOR... VEXAMO_CLI_EXE
set -euo pipefail
source "$(dirname "$0")/cli_pair.sh"

births 10000 3 -99999 99999 >wide.csv
for format in csv jsonl; do
    both "batch-$format" batch --before-1900 --format "$format" wide.csv
done
rows=$(($(wc -l <batch-csv.linux.out) - 1))
echo "batch --format csv and jsonl: $rows births compared"
[ "$rows" -eq 10000 ] || { echo "the Linux build's batch gave $rows rows, not 10,000"; exit 1; }

# eval, one process per birth (the first 300), all outputs in a row with each exit status.
evals() { # SIDE
    local d m y h mi tz south const flags
    sed -n 2,301p wide.csv | while IFS=, read -r d m y h mi tz south const; do
        flags=(--json --before-1900 --tz "$tz")
        [ "$south" = 1 ] && flags+=(--southern)
        [ "$const" = 1 ] && flags+=(--const-zone)
        "on_$1" eval "${flags[@]}" -- "$d" "$m" "$y" "$h" "$mi" 2>&1 </dev/null && echo "-- 0" ||
            echo "-- $?"
    done
}
evals linux >eval.linux.out
evals windows >eval.windows.out
same "eval --json" eval.linux.out eval.windows.out || true
echo "eval --json: $(grep -c '^-- 0$' eval.linux.out) births compared"
[ "$(grep -c '^-- 0$' eval.linux.out)" -eq 300 ] || { echo "the Linux build's eval failed"; exit 1; }

# The record file: every seventh name in Polish, Greek or Chinese (stored in the wide form).
births 100000 5 -99999 99999 names |
    awk -F, -v OFS=, 'NR > 1 && NR % 7 == 0 { split("Łukasz Żółć|Νίκος Ζωή|李小龙", n, "|");
                                               $1 = n[NR % 3 + 1] " " $1 } { print }' >records.csv
side import linux import records.dat records.csv
cp records.dat records.linux.dat
for format in tsv csv jsonl; do
    both "export-$format" export records.dat --format "$format"
done
records=$(($(wc -l <export-csv.linux.out) - 1))
echo "export --format tsv, csv and jsonl: $records records compared"
[ "$records" -eq 100000 ] || { echo "the Linux build exported $records records, not 100,000"; exit 1; }
finish "batch, eval --json, export"
