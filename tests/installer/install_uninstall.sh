#!/usr/bin/env bash
# A silent per-user install into a folder of the Wine prefix leaves every file of CONTENTS, the
# Start menu entry, the ".dat" association and the entry of the system's apps; the silent
# uninstall that entry names leaves none of them. The portable zip holds the same files.
# install_uninstall.sh SETUP ZIP CONTENTS CMAKE (under Wine, WINEPREFIX set). The folder has no blank:
# NSIS takes /D= unquoted, which Wine quotes.
set -euo pipefail
setup=$1
zip=$2
contents=$3
cmake=$4
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=,winemenubuilder.exe=d"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

dir_win='C:\vexamo-install-test\Vexamo'
dir=$(winepath -u "$dir_win" 2>/dev/null)
rm -rf "$(dirname "$dir")"
timeout 120 wine "$setup" /S /CurrentUser "/D=$dir_win" </dev/null
appdata=$(winepath -u "$(wine cmd /c echo %APPDATA% </dev/null | tr -d '\r')")
link="$appdata/Microsoft/Windows/Start Menu/Programs/Vexamo.lnk"

query() { wine reg query "$@" </dev/null 2>/dev/null | tr -d '\r' | grep -v "Unable to find"; }
classes='HKCU\Software\Classes'
uninstall='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vexamo'

while read -r f; do
    [ -e "$dir/$f" ] || fail "$f not installed"
done <"$contents"
[ -f "$dir/uninstall.exe" ] || fail "no uninstaller"
[ -f "$link" ] || fail "no Start menu entry"
gui=$(head -n 1 "$contents")
query "$classes\\.dat" /ve | grep -q 'Vexamo\.Datei' || fail ".dat not associated"
query "$classes\\Vexamo.Datei" /ve | grep -q 'Vexamo-Datei' || fail "no file type Vexamo-Datei"
query "$classes\\Vexamo.Datei\\shell\\open\\command" /ve | grep -qF "\"$dir_win\\$gui\" \"%1\"" ||
    fail "the association does not open $gui"
entry=$(query "$uninstall")
for value in 'DisplayName +REG_SZ +Vexamo$' 'DisplayVersion +REG_SZ +1\.0\.0$' \
    'Publisher +REG_SZ +.+' 'EstimatedSize +REG_DWORD +0x[0-9a-f]*[1-9a-f]' 'UninstallString +REG_SZ +.+'; do
    grep -qE "$value" <<<"$entry" || fail "uninstall entry lacks $value"
done
# Nothing for all users.
query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vexamo' && fail "an entry for all users"

# The uninstaller as the system's apps start it, silent.
command=$(grep -E 'QuietUninstallString' <<<"$entry" | sed -E 's/.*REG_SZ +//')
[[ $command == *'/S'* ]] || fail "no silent uninstall command"
eval "set -- $(sed 's/\\/\\\\/g' <<<"$command")"
timeout 120 wine "$@" </dev/null
# The uninstaller runs from a copy of itself: wait for it to finish.
for _ in $(seq 60); do
    [ -e "$dir" ] || break
    sleep 1
done
[ ! -e "$dir" ] || fail "files left: $(find "$dir" | head)"
[ ! -e "$link" ] || fail "Start menu entry left"
query "$classes\\Vexamo.Datei" && fail "file type left"
query "$classes\\.dat" /ve | grep -q 'Vexamo' && fail ".dat still associated"
query "$uninstall" && fail "uninstall entry left"

# The portable copy: the same files below one folder.
(cd "$work" && "$cmake" -E tar xf "$zip")
while read -r f; do
    [ -e "$work/Vexamo/$f" ] || fail "$f not in the portable zip"
done <"$contents"
echo "installed, associated, listed and removed; the portable zip holds every file"
