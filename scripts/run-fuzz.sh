#!/usr/bin/env bash
# Runs the ".dat" loader fuzzer for a bounded time on a copy of the seed corpus.
# Usage: scripts/run-fuzz.sh BUILD_DIR SECONDS
# Exits non-zero when the fuzzer finds a crash, a sanitizer report or a hang; the failing
# input is kept in BUILD_DIR/fuzz-artifacts/.
set -euo pipefail

if [ $# -ne 2 ]; then
    echo "usage: $0 BUILD_DIR SECONDS" >&2
    exit 2
fi
build=$1
seconds=$2
repo=$(cd "$(dirname "$0")/.." && pwd)
fuzzer="$build/fuzz/vexamo-fuzz-load"
if [ ! -x "$fuzzer" ]; then
    echo "run-fuzz: $fuzzer not built (configure with CXX=clang++ -DVEXAMO_FUZZ=ON)" >&2
    exit 2
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/corpus" "$build/fuzz-artifacts"
cp "$repo"/fuzz/corpus/* "$work/corpus/"
cp "$repo"/tests/records/regressions/*.dat "$work/corpus/" 2>/dev/null || true

status=0
"$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=4096 \
    -print_final_stats=1 -artifact_prefix="$build/fuzz-artifacts/" "$work/corpus" || status=$?
if [ "$status" -ne 0 ]; then
    echo "run-fuzz: the fuzzer failed (status $status); inputs in $build/fuzz-artifacts/" >&2
fi
exit "$status"
