#!/usr/bin/env bash
# Places and time zones under Wine are the Linux build's, byte for byte: batch with a place
# column (2,000 place queries) and with a zone column (2,000 zones), each at moments between 1850
# and 2037, many of them in, at the edges of, or around hours skipped or repeated by a change of
# clock; with and without --round (and --no-dst for the zones); and single runs of places and
# zone.
#   places_zones_same.sh WORK_DIR LINUX_CLI EMULATOR... VEXAMO_CLI_EXE
# The zone folder whose changes of clock are sought: VEXAMO_ZONE_FOLDER, else the system's.
set -euo pipefail
source "$(dirname "$0")/cli_pair.sh"

python3 "$root/tests/windows/place_zone_queries.py" "$linux_cli" \
    "${VEXAMO_ZONE_FOLDER:-/usr/share/zoneinfo}" 2037

for what in places zones; do
    both "$what-batch" batch --before-1900 "$what.csv"
    both "$what-batch-round" batch --before-1900 --round --format jsonl "$what.csv"
done
# Winter time for every repeated hour: a matter of the zone alone.
both zones-batch-no-dst batch --before-1900 --no-dst --format jsonl zones.csv
rows() { tail -n +2 "$1.csv" | wc -l; }
ok() { grep -c $',ok,\r$' "$1-batch.linux.out" || true; }
echo "batch: $(rows places) place queries and $(rows zones) zones, each at its moment (as given," \
    "with --round; zones also with --no-dst); $(ok places) and $(ok zones) rows with a time difference"
for kind in skipped twice; do
    case $kind in
    skipped) pattern='did not exist' ;;
    twice) pattern='occurred twice' ;;
    esac
    count=$(cat places-batch.linux.out zones-batch.linux.out | grep -c "$pattern" || true)
    echo "  $count rows at a time that $pattern"
    [ "$count" -gt 50 ] || { echo "too few such rows: the moments miss the changes of clock"; exit 1; }
done
[ "$(ok places)" -gt 500 ] && [ "$(ok zones)" -gt 500 ] ||
    { echo "too few rows with a time difference: the queries test little"; exit 1; }

calls=0 listed=0
while IFS=$'\t' read -r -a args; do
    both call "${args[@]}"
    calls=$((calls + 1))
    if [ "${args[0]}" = places ]; then
        listed=$((listed + $(grep -c ' — \|"zone"' call.linux.out || true)))
    fi
done <calls.tsv
echo "single runs: $calls of places and zone, $listed places listed"
finish "places and zones"
