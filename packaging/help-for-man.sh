#!/usr/bin/env bash
# help-for-man.sh PROGRAM OPTION: PROGRAM's --help or --version text, as help2man reads it.
#
# A usage block written as a heading line followed by indented forms,
#   Usage:
#     prog eval [--tz N]
#               DAY MONTH YEAR
#     prog list FILE
# becomes the "Usage: ..." and "  or:  ..." lines from which help2man makes the synopsis (with the
# continuation lines joined). Any other text passes unchanged.
set -o pipefail
# The manual pages are in English, whatever the builder's language.
export LC_ALL=C.UTF-8
unset LANGUAGE
program=$1
shift
"$program" "$@" | awk '
    state == 0 && $0 == "Usage:" { state = 1; n = 0; next }
    state == 1 && /^  [^ ]/ { line[++n] = substr($0, 3); next }
    state == 1 && n > 0 && /^   +[^ ]/ { sub(/^ +/, ""); line[n] = line[n] " " $0; next }
    state == 1 {
        for (i = 1; i <= n; i++) print (i == 1 ? "Usage: " : "  or:  ") line[i]
        state = 2
    }
    { print }
    END { if (state == 1) for (i = 1; i <= n; i++) print (i == 1 ? "Usage: " : "  or:  ") line[i] }
'
