#!/usr/bin/env bash
# vexamo-cli.exe diagram under Wine draws what the Linux build's vexamo-cli diagram draws: for
# births of both hemispheres and several zones, at scales 1 (the control's own pixels) to 7, the
# PNG holds the same pixels (however each encoder packed them) and the SVG is the same bytes;
# a record of a file draws as on Linux; refusals give the same messages and exit statuses.
#   diagram_same.sh WORK_DIR LINUX_CLI EMULATOR... VEXAMO_CLI_EXE
set -euo pipefail
source "$(dirname "$0")/cli_pair.sh"

pixels() { python3 "$root/tests/windows/png_pixels.py" "$1"; }

# both_png NAME ARGS...: as both, the PNG on standard output compared by its pixels.
both_png() {
    local name=$1 which
    shift
    for which in linux windows; do
        side "$name" "$which" "$@"
        pixels "$name.$which.out" >"$name.$which.pixels" 2>&1 || true
    done
    same "$name (pixels): $*" "$name.linux.pixels" "$name.windows.pixels" || return 0
    same "$name (err): $*" "$name.linux.err" "$name.windows.err" || return 0
    same "$name (rc): $*" "$name.linux.rc" "$name.windows.rc" || return 0
}

births=(
    "14 3 1985 7 30"
    "--southern --tz -5 2 11 2001 23 5"
    "1 1 1900 0 0"
    "--tz 9 29 2 2024 12 0"
    "--before-1900 --southern 31 12 1850 23 59"
)
pictures=0
for i in "${!births[@]}"; do
    read -r -a birth <<<"${births[$i]}"
    for scale in 1 2 3 7; do
        for side in linux windows; do
            "on_$side" diagram -o "d$i-$scale.$side.png" --scale "$scale" "${birth[@]}" \
                >/dev/null 2>"d$i-$scale.$side.err" </dev/null ||
                echo "exit $? from $side: diagram --scale $scale ${birth[*]}" >>"d$i-$scale.$side.err"
            pixels "d$i-$scale.$side.png" >"d$i-$scale.$side.pixels" 2>&1 || true
        done
        same "PNG pixels --scale $scale ${birth[*]}" "d$i-$scale.linux.pixels" \
            "d$i-$scale.windows.pixels" || true
        same "messages --scale $scale ${birth[*]}" "d$i-$scale.linux.err" \
            "d$i-$scale.windows.err" || true
        pictures=$((pictures + 1))
    done
    both "svg-$i" diagram -o - --format svg "${birth[@]}"
done
# The control's size, and three times it: the pictures are what they claim.
grep -q '^261x128 ' d0-1.linux.pixels || { echo "scale 1 is not 261 x 128"; exit 1; }
grep -q '^783x384 ' d0-3.linux.pixels || { echo "scale 3 is not 783 x 384"; exit 1; }

# PNG to standard output, and a record of a file.
both_png "png-out" diagram -o - 20 3 2000 10 0
on_linux add records.dat Eva --southern --tz -5 2 11 2001 23 5 >/dev/null
both "record-svg" diagram -o - --format svg --file records.dat Eva
both_png "record-png" diagram -o - --scale 2 --file records.dat Eva

# Refusals: the same words and statuses, and no file left behind.
mkdir folder.png
refusals=(
    "--scale 0 -o r.png 1 2 2000 3 4"
    "--scale 17 -o r.png 1 2 2000 3 4"
    "--scale two -o r.png 1 2 2000 3 4"
    "-o r.gif 1 2 2000 3 4"
    "1 2 2000 3 4"
    "-o missing/r.png 1 2 2000 3 4"
    "-o folder.png 1 2 2000 3 4"
    "-o r.png 31 2 2000 3 4"
    "-o r.png --file records.dat Nobody"
    "-o r.png --file records.dat Eva 1 2 2000 3 4"
)
for k in "${!refusals[@]}"; do
    read -r -a words <<<"${refusals[$k]}"
    both "refusal-$k" diagram "${words[@]}"
    [ "$(cat "refusal-$k.linux.rc")" != 0 ] || { echo "accepted: diagram ${refusals[$k]}"; exit 1; }
    [ ! -e r.png ] && [ ! -e r.gif ] || { echo "a file was left: diagram ${refusals[$k]}"; exit 1; }
done
echo "diagram: $pictures PNG pictures, $((${#births[@]} + 1)) SVG documents, ${#refusals[@]} refusals compared"
finish "diagram"
