#!/usr/bin/env bash
# vexamo-cli.exe report where the system has no "Microsoft Print to PDF" (as under Wine): the
# arguments are checked as on Linux first (usage errors 2, refused births 1 with the form's
# message), then the missing printer is named and the command refuses (1), writing nothing.
#   report_without_pdf_printer.sh WORK_DIR EMULATOR... VEXAMO_CLI_EXE
set -uo pipefail
work=$1
shift
windows_cli=("${@:1:$#-1}" "$(realpath "${!#}")")
rm -rf "$work"
mkdir -p "$work"
cd "$work" || exit 1
failures=0

# expect STATUS TEXT ARGUMENTS...: the exit status, a text the messages hold, and no file.
expect() {
    local status=$1 text=$2
    shift 2
    LANGUAGE=en "${windows_cli[@]}" "$@" </dev/null >out.bin 2>err.txt
    local got=$?
    if [ "$got" -ne "$status" ] || ! grep -qF -- "$text" err.txt || [ -s out.bin ] ||
        [ -n "$(compgen -G '*.pdf')" ]; then
        echo "report $*: status $got (expected $status), messages:"
        cat err.txt
        failures=$((failures + 1))
    fi
    rm -f out.bin err.txt
}

expect 1 'The printer “Microsoft Print to PDF” is not installed' report -o sheet.pdf 1 2 2000 3 4
expect 1 'Microsoft Print to PDF' report -o - --name Anna 1 2 2000 3 4
expect 1 'Microsoft Print to PDF' report -o 'C:\sheets.d\one.pdf' 1 2 2000 3 4
expect 2 'the possible formats are pdf' report -o sheet.txt 1 2 2000 3 4
expect 2 '-o OUT' report 1 2 2000 3 4
expect 1 'month between 1 and 12' report -o sheet.pdf 1 13 2000 3 4
expect 1 '--before-1900' report -o sheet.pdf 1 2 1850 3 4
[ "$failures" -eq 0 ]
