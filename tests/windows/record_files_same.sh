#!/usr/bin/env bash
# The record files vexamo-cli.exe writes under Wine are the Linux build's, byte for byte: one
# random sequence of add, remove and import on each, compared after every step (output, messages,
# exit status and the file), with names in Polish, Greek, Chinese and Windows-1252 (8-bit and wide
# names in one file) and the file in folders named in those scripts; then the same file written
# at an absolute Windows path C:\Users\Łukasz\... inside the Wine prefix's drive.
#   record_files_same.sh WORK_DIR LINUX_CLI EMULATOR... VEXAMO_CLI_EXE
# VEXAMO_WINE_DRIVE_C: the Unix folder of the prefix's drive C: (else Z:, the Unix root, is used).
set -euo pipefail
source "$(dirname "$0")/cli_pair.sh"

names=("Łukasz Żak" "Zoë" "Νίκος" "Ζωή Παπαδοπούλου" "李小龙" "王小明" "Müller" "Eva" "Gdańsk Łódź"
       "Jürgen" "Ωμέγα" "北京")
folder="Łukasz/Γεννήσεις 出生"
mkdir -p "linux/$folder" "windows/$folder"
file="$folder/Geburten Żółć 李.dat"
# The CSV files import takes: a few births each, some names already stored.
RANDOM=30
for ((c = 0; c < 4; c++)); do
    {
        echo "name,day,month,year,hour,minute,tz,southern,const_zone"
        for ((r = 0; r < 5; r++)); do
            echo "${names[RANDOM % ${#names[@]}]} $c$r,$((RANDOM % 28 + 1)),$((RANDOM % 12 + 1)),$((RANDOM % 400 + 1800)),$((RANDOM % 24)),$((RANDOM % 60)),$((RANDOM % 25 - 12)),$((RANDOM % 2)),$((RANDOM % 2))"
        done
        [ $c -ge 2 ] && echo "${names[c]},1,1,2000,12,0,1,0,0"
    } >"import$c.csv"
    cp "import$c.csv" linux/ && cp "import$c.csv" windows/
done

steps=0
step() { # ARGS...: one command on each side's file, then the outputs and the files compared
    local rc=0
    (cd linux && side ../step linux "$@") || rc=$?
    (cd windows && side ../step windows "$@") || rc=$?
    local part
    for part in out err rc; do
        same "step $steps ($part): $*" "step.linux.$part" "step.windows.$part" || break
    done
    if [ -e "linux/$file" ] || [ -e "windows/$file" ]; then
        same "the file after step $steps: $*" "linux/$file" "windows/$file" || true
    fi
    steps=$((steps + 1))
}

adds=0 removes=0 imports=0
# Up to the first difference: what follows it would differ for that reason alone.
for ((s = 0; s < 48 && differences == 0; s++)); do
    name=${names[RANDOM % ${#names[@]}]}
    case $((RANDOM % 8)) in
    0 | 1)
        step remove "$file" "$name"
        removes=$((removes + 1))
        ;;
    2)
        flags=("import$((RANDOM % 4)).csv")
        [ $((RANDOM % 2)) = 0 ] && flags+=(--replace)
        step import "$file" "${flags[@]}"
        imports=$((imports + 1))
        ;;
    *)
        flags=(--tz $((RANDOM % 25 - 12)))
        [ $((RANDOM % 3)) = 0 ] && flags+=(--southern)
        [ $((RANDOM % 3)) = 0 ] && flags+=(--replace)
        step add "$file" "$name" "${flags[@]}" $((RANDOM % 28 + 1)) $((RANDOM % 12 + 1)) \
            $((RANDOM % 300 + 1850)) $((RANDOM % 24)) $((RANDOM % 60))
        adds=$((adds + 1))
        ;;
    esac
done
step list "$file"
step export "$file" --format jsonl
stored=$(wc -l <step.linux.out)
echo "$steps steps ($adds add, $removes remove, $imports import, list, export) compared with" \
    "the file after each; $stored records at the end"
[ "$stored" -gt 10 ] || { echo "only $stored records stored: the sequence tested little"; exit 1; }
for script in Ł Ν 李; do
    grep -q "$script" step.linux.out || { echo "no name with $script was stored"; exit 1; }
done

# An absolute Windows path in Polish, Greek and Chinese: the Windows build writes through it
# the file the Linux build writes at the same Unix folder.
if [ -n "${VEXAMO_WINE_DRIVE_C:-}" ]; then
    unix_folder="$VEXAMO_WINE_DRIVE_C/users/Łukasz/Γεννήσεις 李"
    windows_folder='C:\Users\Łukasz\Γεννήσεις 李'
else
    unix_folder="$work/absolute/Łukasz/Γεννήσεις 李"
    windows_folder="Z:${unix_folder//\//\\}"
fi
rm -rf "$unix_folder"
mkdir -p "$unix_folder"
on_linux add "$work/absolute-linux.dat" "Łukasz Żak" 24 12 1987 23 45 >/dev/null
on_linux add "$work/absolute-linux.dat" "李小龙" --tz -8 27 11 1940 7 12 >/dev/null
on_windows add "$windows_folder\\Geburten.dat" "Łukasz Żak" 24 12 1987 23 45 >/dev/null
on_windows add "$windows_folder\\Geburten.dat" "李小龙" --tz -8 27 11 1940 7 12 >/dev/null
on_linux export "$work/absolute-linux.dat" >absolute.linux.out
on_windows export "$windows_folder\\Geburten.dat" >absolute.windows.out
if same "the file written at $windows_folder\\Geburten.dat" "$work/absolute-linux.dat" \
        "$unix_folder/Geburten.dat" &&
    same "export of $windows_folder\\Geburten.dat" absolute.linux.out absolute.windows.out; then
    echo "a file at $windows_folder\\Geburten.dat: written and read as on Linux"
fi
rm -rf "$unix_folder"
finish "record files"
