#!/usr/bin/env bash
# A vexamo-cli.exe killed under Wine while it saves leaves the old file or the new one, never a
# mixture: an import of 50,000 records into a file of 50,000 is killed (SIGKILL, as a crash or a
# power cut ends it) as soon as its temporary file appears, and in other runs after a random
# delay. Each time the file must be the old or the new one byte for byte, and the next writer must
# get the dead one's lock, save, and take away the temporary file left behind.
#   killed_save.sh WORK_DIR EMULATOR... VEXAMO_CLI_EXE
set -euo pipefail
work=$1
shift
windows_cli=("${@:1:$#-1}" "$(realpath "${!#}")")
root=$(cd "$(dirname "$0")/../.." && pwd)
rm -rf "$work"
mkdir -p "$work"
cd "$work"

bash "$root/scripts/random-births.sh" 50000 13 1900 2100 names >old.csv
bash "$root/scripts/random-births.sh" 50000 17 1900 2100 names | sed 's/^P/Q/' >new.csv
"${windows_cli[@]}" import old.dat old.csv </dev/null
cp old.dat new.dat
start=$(date +%s%N)
"${windows_cli[@]}" import new.dat new.csv </dev/null
import_ms=$((($(date +%s%N) - start) / 1000000))
cmp -s old.dat new.dat && { echo "the import changed nothing"; exit 1; }

temporaries() { compgen -G '.vx*-????????' || true; }
status=0
during_save=0
old_left=0
new_left=0
trials=10
for ((t = 0; t < trials; t++)); do
    cp old.dat target.dat
    "${windows_cli[@]}" import target.dat new.csv </dev/null >/dev/null 2>&1 &
    pid=$!
    if [ $t -lt 6 ]; then
        # At the first sight of its temporary file.
        until [ -n "$(temporaries)" ] || ! kill -0 "$pid" 2>/dev/null; do :; done
    else
        sleep "$(awk -v t="$t" -v ms="$import_ms" 'BEGIN { srand(t); print rand() * ms / 1000 }')"
    fi
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    left=$(temporaries)
    [ -n "$left" ] && during_save=$((during_save + 1))
    if cmp -s target.dat old.dat; then
        old_left=$((old_left + 1))
    elif cmp -s target.dat new.dat; then
        new_left=$((new_left + 1))
    else
        echo "TORN: after the kill of run $t the file is neither the old nor the new one" \
            "($(stat -c %s target.dat) bytes)"
        status=1
        continue
    fi
    if ! "${windows_cli[@]}" add target.dat "Żaneta $t" 1 2 1990 3 4 </dev/null >/dev/null; then
        echo "after the kill of run $t the next save failed"
        status=1
    fi
    if [ -n "$left" ] && [ -n "$(temporaries)" ]; then
        echo "after the kill of run $t the next save left the temporary file $(temporaries)"
        status=1
    fi
    rm -f .vx*
done
echo "$trials imports killed ($import_ms ms unkilled), $during_save of them while their" \
    "temporary file existed: $old_left left the old file, $new_left the new one, $((trials -
    old_left - new_left)) a torn one"
if [ "$during_save" -eq 0 ]; then
    echo "FAILED: no kill fell inside a save"
    status=1
fi
exit $status
