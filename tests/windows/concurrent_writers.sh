#!/usr/bin/env bash
# Two writers at once under Wine lose nothing: two loops of vexamo-cli.exe change one record file
# of 20,000 records at the same time, one by add, the other by import, each waiting for the
# other's lock. Every run must succeed, and the file must hold the records, each with its
# results, that the Linux build's holds after the same changes made one after the other (in
# another order, as the writers came in turn).
#   concurrent_writers.sh WORK_DIR LINUX_CLI EMULATOR... VEXAMO_CLI_EXE
set -euo pipefail
source "$(dirname "$0")/cli_pair.sh"

runs=20
births 20000 11 1900 2100 names >base.csv
on_linux import base.dat base.csv
for ((i = 0; i < runs; i++)); do
    {
        echo "name,day,month,year,hour,minute,tz"
        for r in 0 1 2; do
            echo "Ζωή $i.$r,$((i % 28 + 1)),$((r + 1)),$((1950 + i)),$r,$i,-2"
        done
    } >"import$i.csv"
done

writer_add() { # SIDE FILE
    for ((i = 0; i < runs; i++)); do
        "on_$1" add "$2" "Łukasz 李 $i" --tz $((i % 25 - 12)) $((i % 28 + 1)) 5 $((1900 + i)) 12 $i ||
            echo "add $i failed: $?"
    done
}
writer_import() { # SIDE FILE
    for ((i = 0; i < runs; i++)); do
        "on_$1" import "$2" "import$i.csv" || echo "import $i failed: $?"
    done
}

cp base.dat linux.dat
writer_add linux linux.dat >add.linux.log 2>&1
writer_import linux linux.dat >import.linux.log 2>&1

cp base.dat windows.dat
writer_add windows windows.dat >add.windows.log 2>&1 &
adder=$!
writer_import windows windows.dat >import.windows.log 2>&1 &
importer=$!
wait "$adder" "$importer"

status=0
for log in add.linux.log import.linux.log add.windows.log import.windows.log; do
    if [ -s "$log" ]; then
        echo "$log:"
        cat "$log"
        status=1
    fi
done
on_linux export linux.dat --format jsonl | sort >records.linux.out
on_windows export windows.dat --format jsonl </dev/null | sort >records.windows.out
same "the records after the writers" records.linux.out records.windows.out || status=1
echo "$runs adds and $runs imports of 3 records at once on a file of 20,000 records:" \
    "$(wc -l <records.windows.out) records at the end, $((20000 + 4 * runs)) expected"
[ "$(wc -l <records.linux.out)" -eq $((20000 + 4 * runs)) ] || status=1
[ $status -eq 0 ] || { echo "FAILED: a writer's change was refused or lost"; exit 1; }
echo "nothing lost"
