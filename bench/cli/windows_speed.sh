#!/usr/bin/env bash
# The wall time of batch of 200,000 random births (1900..2100) by vexamo-cli.exe under Wine
# against the Linux build's vexamo-cli on the same machine: seven runs each, by turns, so that a
# slower spell of a shared machine falls on both; the best time of each, the median of the seven
# Windows/Linux ratios, and whether the ratio of the best times is within 1.5.
# Usage: bench/cli/windows_speed.sh [LINUX_CLI] [WINDOWS_BUILD]
#   (defaults build/cli/vexamo-cli and build-windows, from the top of the sources)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
linux_cli=$(realpath "${1:-$root/build/cli/vexamo-cli}")
windows_build=$(realpath "${2:-$root/build-windows}")
exe=$windows_build/cli/vexamo-cli.exe
for program in "$linux_cli" "$exe"; do
    [ -f "$program" ] || { echo "no $program: build it first (make test, make windows)"; exit 2; }
done
source "$root/scripts/wine-session.sh" "$windows_build"
dir=$(mktemp -d)
trap 'cd /; rm -rf "$dir"; exec 9>&-; wineserver --kill || true' EXIT
cd "$dir"
bash "$root/scripts/random-births.sh" 200000 7 1900 2100 >births.csv

seconds() { # command...: the wall time of one run
    /usr/bin/time -o time -f %e "$@" births.csv >out 2>/dev/null
    tail -1 time
}
"$linux_cli" batch births.csv >linux.out
wine "$exe" batch births.csv >windows.out
cmp -s linux.out windows.out || { echo "the outputs differ"; exit 1; }
pairs=""
for _ in 1 2 3 4 5 6 7; do
    pairs+="$(seconds "$linux_cli" batch) $(seconds wine "$exe" batch)"$'\n'
done
best_linux=$(printf '%s' "$pairs" | cut -d' ' -f1 | sort -g | head -1)
best_windows=$(printf '%s' "$pairs" | cut -d' ' -f2 | sort -g | head -1)
median=$(printf '%s' "$pairs" | awk '{ printf "%.4f\n", $2 / $1 }' | sort -g | sed -n 4p)
ratio=$(awk -v w="$best_windows" -v l="$best_linux" 'BEGIN { printf "%.2f", w / l }')
echo "batch of 200,000 rows ($(nproc) cores): Linux best $best_linux s, Wine best $best_windows s," \
    "ratio of bests $ratio, median ratio $(printf '%.2f' "$median")"
awk -v r="$ratio" 'BEGIN { exit !(r <= 1.5) }' || { echo "slower than 1.5 times the Linux build"; exit 1; }
