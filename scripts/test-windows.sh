#!/usr/bin/env bash
# Runs the Windows build's tests under Wine: test-windows.sh BUILD_DIR JOBS. One Wine prefix in
# the build folder, made once; a wineserver that stays up for the whole run, so that each of the
# hundreds of test processes starts in milliseconds instead of seconds. Every test, and the run as
# a whole, is bounded in time.
set -euo pipefail
build=$1
jobs=${2:-2}
here=$(cd "$(dirname "$0")" && pwd)
prefix=$(cd "$build" && pwd)/wine-prefix
export WINEPREFIX="$prefix" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

# The desktop program's tests make windows: without a display, one X server of their own for the
# whole run, up before Wine's first program so that its desktop uses it.
xvfb_pid=
if [ -z "${DISPLAY:-}" ] && command -v Xvfb >/dev/null; then
    display_file=$(mktemp)
    Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp 5>"$display_file" >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [ -s "$display_file" ] && break
        sleep 0.1
    done
    export DISPLAY=":$(cat "$display_file")"
    rm -f "$display_file"
fi

if [ ! -f "$prefix/system.reg" ]; then
    echo "Making the Wine prefix $prefix"
    timeout 300 wineboot --init
    timeout 60 wineserver --wait
fi
# Already up when another run of this prefix is under way.
wineserver --persistent || true
# Wine's own services start with the first program and end with the last; a program that waits
# for input keeps them up for the whole run. Otherwise each test program would start them anew,
# and they would keep its output pipe open after it ended.
keeper_input=$(mktemp -u)
mkfifo "$keeper_input"
wine cmd <"$keeper_input" >/dev/null 2>&1 &
exec 9>"$keeper_input"
rm -f "$keeper_input"
trap 'exec 9>&-; wineserver --kill || true; [ -z "$xvfb_pid" ] || kill "$xvfb_pid" || true' EXIT
# Once a first program has run, the services are up.
timeout 120 wine cmd /c exit </dev/null >/dev/null 2>&1
# Wine's desktop starts with the first window a program makes and stays up; started by a test,
# it would keep that test's output pipe open. One window of the desktop program's tests first.
gui_tests="$build/tests/win/vexamo_win_tests.exe"
if [ -f "$gui_tests" ]; then
    timeout 120 wine "$gui_tests" --gtest_filter='LayoutTest.*' </dev/null >/dev/null 2>&1 || true
fi

start=$(date +%s)
cd "$build"
timeout "${VEXAMO_WINDOWS_TEST_SECONDS:-1800}" \
    ctest --output-on-failure -j "$jobs" --timeout 300 --no-tests=error
echo "Tests under Wine took $(($(date +%s) - start)) s"
