#!/usr/bin/env bash
# Compares two vexamo-cli binaries: standard output, messages and exit status of random births
# (eval, eval --json), of list/show/export on the record files under tests/ and fuzz/corpus, and
# the files left by random add/remove sequences, byte for byte.
#
#   scripts/compare-cli.sh OLD NEW [BIRTHS] [SEED]
#
# Prints the number of cases and of differences; exits 1 when any case differs.
set -uo pipefail

if [ $# -lt 2 ]; then
    echo "usage: $0 OLD NEW [BIRTHS] [SEED]" >&2
    exit 2
fi
old=$(realpath "$1")
new=$(realpath "$2")
births=${3:-3000}
RANDOM=${4:-1}
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cases=0
diffs=0

# Runs both binaries on the arguments (in the current folder) and compares all three outputs.
compare() {
    "$old" "$@" >"$work/o.out" 2>"$work/o.err"
    echo $? >"$work/o.rc"
    "$new" "$@" >"$work/n.out" 2>"$work/n.err"
    echo $? >"$work/n.rc"
    cases=$((cases + 1))
    local part
    for part in out err rc; do
        if ! cmp -s "$work/o.$part" "$work/n.$part"; then
            diffs=$((diffs + 1))
            printf 'DIFFERS (%s):' "$part"
            printf ' %q' "$@"
            printf '\n'
            return
        fi
    done
}

pick() { # pick one of the arguments
    local n=$#
    local i=$((RANDOM % n + 1))
    echo "${!i}"
}

range() { # range LOW HIGH
    echo $(($1 + (RANDOM * 32768 + RANDOM) % ($2 - $1 + 1)))
}

field() { # field LOW HIGH: mostly in range, sometimes just outside, rarely far or not a number
    case $((RANDOM % 20)) in
    0) echo $(($1 - 1 - RANDOM % 3)) ;;
    1) echo $(($2 + 1 + RANDOM % 3)) ;;
    2) pick -2147483648 2147483647 99999999999 x 1.5 +7 -0 "" ;;
    *) range "$1" "$2" ;;
    esac
}

year() {
    case $((RANDOM % 10)) in
    0) range -99999 99999 ;;
    1) pick -100000 100000 -99999 99999 1899 1900 0 -1 200000 ;;
    2) range 1500 1899 ;;
    *) range 1900 2100 ;;
    esac
}

# One random birth as arguments: five values with options before or among them.
birth_args() { # birth_args EXTRA_FLAG...
    local values=("$(field 1 31)" "$(field 1 12)" "$(year)" "$(field 0 24)" "$(field 0 59)")
    local options=()
    case $((RANDOM % 6)) in
    0) ;;
    1) options+=(--tz "$(range -14 14)") ;;
    2) options+=("--tz=$(range -14 14)") ;;
    3) options+=(--tz "$(pick -1 -12 12 13 -13 x "" 1e3)") ;;
    *) options+=(--tz "$(range -12 12)") ;;
    esac
    local flag
    for flag in --southern --const-zone "$@"; do
        [ $((RANDOM % 3)) -eq 0 ] && options+=("$flag")
    done
    [ $((RANDOM % 40)) -eq 0 ] && options+=("$(pick --bogus -x --southern=1 --tz -h --help --version -)")
    local args=()
    if [ $((RANDOM % 2)) -eq 0 ]; then
        args=("${options[@]}")
        [ $((RANDOM % 10)) -eq 0 ] && args+=(--)
        args+=("${values[@]}")
    else
        # options spread among the values
        local v o=0
        for v in "${values[@]}"; do
            while [ $o -lt ${#options[@]} ] && [ $((RANDOM % 2)) -eq 0 ]; do
                args+=("${options[$o]}")
                o=$((o + 1))
            done
            args+=("$v")
        done
        while [ $o -lt ${#options[@]} ]; do
            args+=("${options[$o]}")
            o=$((o + 1))
        done
    fi
    [ $((RANDOM % 50)) -eq 0 ] && unset 'args[-1]'
    printf '%s\0' "${args[@]}"
}

cd "$work" || exit 2

# Random births.
for ((i = 0; i < births; i++)); do
    mapfile -d '' args < <(birth_args --before-1900 --json)
    compare eval "${args[@]}"
done
eval_cases=$cases
echo "eval: $eval_cases cases"

# Record files shipped with the sources.
for f in "$root"/tests/records/regressions/*.dat "$root"/fuzz/corpus/*.dat; do
    compare list "$f"
    compare export "$f"
    mapfile -t names < <("$old" list "$f" 2>/dev/null | head -5)
    for name in "${names[@]}" "missing" ""; do
        compare show "$f" "$name"
    done
done
echo "list/show/export of stored files: $((cases - eval_cases)) cases"
before_add=$cases

# Random add/remove sequences: each binary works on its own file; the files must stay equal.
names=(Muster "J$(printf '\xc3\xbc')rgen" A R a "$(printf '\xe2\x82\xac')uro" "" "$(printf '\xe6\x97\xa5')" Eva "x y" "-n")
file_diffs=0
for ((s = 0; s < births / 100 + 1; s++)); do
    rm -f old.dat new.dat
    for ((k = 0; k < 40; k++)); do
        name=$(pick "${names[@]}")
        case $((RANDOM % 4)) in
        0) command=(remove) ;;
        *) command=(add) ;;
        esac
        if [ "${command[0]}" = add ]; then
            mapfile -d '' args < <(birth_args --replace)
        else
            args=()
        fi
        "$old" "${command[@]}" old.dat "$name" "${args[@]}" >o.out 2>o.err
        echo $? >o.rc
        "$new" "${command[@]}" new.dat "$name" "${args[@]}" >n.out 2>"n.err"
        echo $? >n.rc
        sed -i 's/new\.dat/old.dat/g' n.err
        cases=$((cases + 1))
        if ! cmp -s o.out n.out || ! cmp -s o.err n.err || ! cmp -s o.rc n.rc; then
            diffs=$((diffs + 1))
            printf 'DIFFERS: %q ' "${command[@]}" "$name" "${args[@]}"
            printf '\n'
        fi
        if [ -e old.dat ] || [ -e new.dat ]; then
            if ! cmp -s old.dat new.dat; then
                file_diffs=$((file_diffs + 1))
                diffs=$((diffs + 1))
                echo "FILES DIFFER after ${command[*]} $name"
            fi
        fi
    done
    for command in list export; do
        "$old" $command old.dat >o.out 2>o.err
        "$new" $command new.dat >n.out 2>n.err
        sed -i 's/new\.dat/old.dat/g' n.err
        cases=$((cases + 1))
        if ! cmp -s o.out n.out || ! cmp -s o.err n.err; then
            diffs=$((diffs + 1))
            echo "DIFFERS: $command after sequence $s"
        fi
    done
done
echo "add/remove/list/export on written files: $((cases - before_add)) cases, $file_diffs file differences"

# Damaged record files: a written file cut short or with bytes changed, and a few made by hand.
before_damaged=$cases
"$new" add base.dat Muster 20 3 2000 8 0 >/dev/null 2>&1
"$new" add base.dat "J$(printf '\xc3\xbc')rgen" 1 1 1990 12 30 >/dev/null 2>&1
"$new" add base.dat Far 1 1 2000000000 0 0 >/dev/null 2>&1
size=$(stat -c %s base.dat)
for ((d = 0; d < births / 20 + 10; d++)); do
    if [ $((RANDOM % 2)) -eq 0 ]; then
        head -c $((RANDOM % size)) base.dat >damaged.dat
    else
        cp base.dat damaged.dat
        for ((b = 0; b < RANDOM % 4 + 1; b++)); do
            printf "\\x$(printf %02x $((RANDOM % 256)))" |
                dd of=damaged.dat bs=1 seek=$((RANDOM % size)) conv=notrunc status=none
        done
    fi
    compare list damaged.dat
    compare export damaged.dat
done
printf '\x01\x00\xff\xfe\xff\x01\x42\x30' >wide.dat
head -c 36 /dev/zero >>wide.dat
printf '\x01\x00\xff\xfe\xff\x01\x00\xd8' >surrogate.dat
head -c 36 /dev/zero >>surrogate.dat
printf '\x01\x00\x03a\x00b' >nul.dat
head -c 36 /dev/zero >>nul.dat
printf '\xff\xff\xff\xff\xff\xff\xff\xff\xff\xff\xff\xff\xff\xff' >huge.dat
mkdir -p folder.dat
for f in wide.dat surrogate.dat nul.dat huge.dat folder.dat missing.dat /dev/null; do
    compare list "$f"
    compare remove "$f" x
done
echo "damaged files: $((cases - before_damaged)) cases"

# Output that cannot be written.
for args in "eval 20 3 2000 8 0" "eval --json 20 3 2000 8 0" "--help" "eval --help"; do
    # shellcheck disable=SC2086
    "$old" $args >/dev/full 2>o.err
    echo $? >>o.err
    # shellcheck disable=SC2086
    "$new" $args >/dev/full 2>n.err
    echo $? >>n.err
    cases=$((cases + 1))
    if ! cmp -s o.err n.err; then
        diffs=$((diffs + 1))
        echo "DIFFERS on a full device: $args"
    fi
done

echo "total: $cases cases, $diffs differences"
[ "$diffs" -eq 0 ]
