# Sourced by the checks that run vexamo-cli.exe under Wine beside the Linux build's vexamo-cli
# on the same input. A check is called as
#   CHECK WORK_DIR LINUX_CLI EMULATOR... VEXAMO_CLI_EXE
# (VEXAMO_LINUX_CLI in the environment takes the place of LINUX_CLI). Without a Linux vexamo-cli
# the check is skipped (exit 77), never passed. The checks work in WORK_DIR, emptied first, and
# give both programs the same relative paths, so that their messages naming a file are alike.
work=$1
linux_cli=${VEXAMO_LINUX_CLI:-$2}
shift 2
windows_cli=("${@:1:$#-1}" "$(realpath "${!#}")")
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

if [ ! -x "$linux_cli" ]; then
    echo "SKIPPED: no Linux vexamo-cli at '$linux_cli' to compare with (make test builds" \
        "build/cli/vexamo-cli; or set VEXAMO_LINUX_CLI)"
    exit 77
fi
linux_cli=$(cd "$(dirname "$linux_cli")" && pwd)/$(basename "$linux_cli")
rm -rf "$work"
mkdir -p "$work"
cd "$work"
# Both programs in one language: English messages and place names.
export LC_ALL=C.UTF-8
unset LANGUAGE LANG

differences=0

births() { # rows seed lowest-year highest-year [names]
    bash "$root/scripts/random-births.sh" "$@"
}

on_linux() { "$linux_cli" "$@"; }
on_windows() { "${windows_cli[@]}" "$@"; }

# side NAME ARGS...: runs the program of side linux or windows with ARGS, its standard output
# to NAME.SIDE.out, its messages to NAME.SIDE.err and its exit status to NAME.SIDE.rc.
side() {
    local name=$1 which=$2
    shift 2
    local rc=0
    "on_$which" "$@" >"$name.$which.out" 2>"$name.$which.err" </dev/null || rc=$?
    echo "$rc" >"$name.$which.rc"
}

text() { [ "$(tr -d '\000' <"$1" | wc -c)" -eq "$(stat -c %s "$1")" ]; } # FILE: holds no NUL

# same WHAT A B: whether files A and B are the same bytes; where they part when not, and the
# first lines that differ in a text.
same() {
    if cmp -s "$2" "$3"; then
        return 0
    fi
    echo "DIFFERENT: $1"
    echo "  $(cmp "$2" "$3" 2>&1 | head -n 1 || true); $(stat -c %s "$2" 2>/dev/null || echo no) and" \
        "$(stat -c %s "$3" 2>/dev/null || echo no) bytes"
    if [ -f "$2" ] && [ -f "$3" ] && text "$2" && text "$3"; then
        diff "$2" "$3" | head -n 12 | cut -c 1-400 || true
    fi
    differences=$((differences + 1))
    return 1
}

# both NAME ARGS...: runs both programs with ARGS and compares output, messages and exit status.
both() {
    local name=$1
    shift
    side "$name" linux "$@"
    side "$name" windows "$@"
    local part
    for part in out err rc; do
        same "$name ($part): $*" "$name.linux.$part" "$name.windows.$part" || return 0
    done
}

# finish WHAT: the verdict of a check.
finish() {
    if [ "$differences" -ne 0 ]; then
        echo "FAILED: $differences difference(s) between the Linux and the Windows build ($1)"
        exit 1
    fi
    echo "no difference ($1)"
}
