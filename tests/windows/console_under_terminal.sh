#!/usr/bin/env bash
# A Windows program under a real terminal: Wine gives it a console there, which the program must
# count as a terminal, and which must show its UTF-8 output in every script.
#   console_under_terminal.sh WORK_DIR EMULATOR... CHILD
set -euo pipefail
work=$1
shift
mkdir -p "$work"
report="$work/console-report.txt"
rm -f "$report"
text='Łukasz,Ζωή,王小明'
command=""
for word in "$@" console "$report" "$text"; do
    command+=" $(printf '%q' "$word")"
done
# script(1) runs the program on a pseudo-terminal that speaks UTF-8, as a user's does; the
# console's cursor and erase sequences are taken out of what it shows.
shown=$(LC_ALL=C.UTF-8 timeout 120 script -qec "$command" /dev/null </dev/null |
    sed -e 's/\x1b\[[0-9;?]*[A-Za-z]//g' -e 's/\r//g')
status=0
if ! grep -qx 'stdout console' "$report" || ! grep -qx 'stderr console' "$report"; then
    echo "not taken for a console:"; cat "$report"; status=1
fi
if [[ "$shown" != *"$text"*"$text"* ]]; then
    echo "shown as: $shown"; status=1
fi
[ $status -eq 0 ] && echo "console detected and UTF-8 shown"
exit $status
