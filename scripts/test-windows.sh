#!/usr/bin/env bash
# Runs the Windows build's tests under Wine: test-windows.sh BUILD_DIR JOBS, in one Wine session
# (scripts/wine-session.sh) so that each of the hundreds of test processes starts in
# milliseconds. Every test, and the run as a whole, is bounded in time.
set -euo pipefail
build=$1
jobs=${2:-2}
source "$(dirname "$0")/wine-session.sh" "$build"
# One window of the desktop program's tests first, so that Wine's desktop is up before the run.
gui_tests="$build/tests/win/vexamo_win_tests.exe"
if [ -f "$gui_tests" ]; then
    timeout 120 wine "$gui_tests" --gtest_filter='LayoutTest.*' </dev/null >/dev/null 2>&1 || true
fi

start=$(date +%s)
cd "$build"
timeout "${VEXAMO_WINDOWS_TEST_SECONDS:-1800}" \
    ctest --output-on-failure -j "$jobs" --timeout 300 --no-tests=error
echo "Tests under Wine took $(($(date +%s) - start)) s"
