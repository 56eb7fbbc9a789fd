#!/usr/bin/env bash
# Runs each fuzzer for a bounded time: the loader alone (load), the loader against a decoder of
# its own (decode), store operations against a model (store-ops), and the CSV reader of batch
# and import against a parser of its own (csv). The file fuzzers start from the seed corpus and
# the regression inputs, the CSV fuzzer from its own seeds.
# Usage: scripts/run-fuzz.sh BUILD_DIR SECONDS_PER_HARNESS
# Prints runs, time and coverage of each; exits non-zero when a fuzzer finds a crash, a
# sanitizer report or a hang; the failing input is kept in BUILD_DIR/fuzz-artifacts/.
set -euo pipefail

if [ $# -ne 2 ]; then
    echo "usage: $0 BUILD_DIR SECONDS_PER_HARNESS" >&2
    exit 2
fi
build=$1
seconds=$2
repo=$(cd "$(dirname "$0")/.." && pwd)
harnesses="load decode store-ops csv"
for h in $harnesses; do
    if [ ! -x "$build/fuzz/vexamo-fuzz-$h" ]; then
        echo "run-fuzz: $build/fuzz/vexamo-fuzz-$h not built (configure with CXX=clang++ -DVEXAMO_FUZZ=ON)" >&2
        exit 2
    fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$build/fuzz-artifacts"

status=0
summary=""
for h in $harnesses; do
    mkdir -p "$work/$h"
    max_len=4096
    if [ "$h" = csv ]; then
        cp "$repo"/fuzz/csv_corpus/* "$work/$h/"
    elif [ "$h" != store-ops ]; then
        cp "$repo"/fuzz/corpus/* "$work/$h/"
        cp "$repo"/tests/records/regressions/*.dat "$work/$h/" 2>/dev/null || true
    else
        max_len=1024
    fi
    log="$work/$h.log"
    start=$(date +%s)
    rc=0
    "$build/fuzz/vexamo-fuzz-$h" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -max_len="$max_len" -print_final_stats=1 -artifact_prefix="$build/fuzz-artifacts/$h-" \
        "$work/$h" >"$log" 2>&1 || rc=$?
    elapsed=$(( $(date +%s) - start ))
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    last=$(grep -E '^#[0-9]+' "$log" | tail -1 || true)
    cov=$(sed -n 's/.* cov: \([0-9]*\).*/\1/p' <<<"$last")
    ft=$(sed -n 's/.* ft: \([0-9]*\).*/\1/p' <<<"$last")
    corpus=$(sed -n 's/.* corp: \([0-9]*\/[0-9a-zA-Z]*\).*/\1/p' <<<"$last")
    line="fuzz $h: ${runs:-?} runs in ${elapsed} s, cov ${cov:-?}, ft ${ft:-?}, corpus ${corpus:-?}"
    summary+="$line"$'\n'
    if [ "$rc" -ne 0 ]; then
        tail -n 60 "$log" >&2
        echo "run-fuzz: $h failed (status $rc); inputs in $build/fuzz-artifacts/" >&2
        status=$rc
    fi
done
printf '%s' "$summary"
exit "$status"
