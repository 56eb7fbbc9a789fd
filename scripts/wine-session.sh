# Sourced: a Wine session for running many Windows programs of a build quickly.
#   source scripts/wine-session.sh BUILD_DIR
# The Wine prefix of the build folder (made once), a wineserver that stays up, and Wine's own
# services kept up by a program that waits for input, so that each program starts in
# milliseconds instead of seconds; all of it ends with the calling script.
wine_prefix=$(cd "$1" && pwd)/wine-prefix
export WINEPREFIX="$wine_prefix" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

if [ ! -f "$wine_prefix/system.reg" ]; then
    echo "Making the Wine prefix $wine_prefix"
    timeout 300 wineboot --init
    timeout 60 wineserver --wait
fi
# Already up when another run of this prefix is under way.
wineserver --persistent || true
# Wine's own services start with the first program and end with the last; without a program
# that keeps them up, each program would start them anew, and they would keep its output pipe
# open after it ended.
wine_keeper_input=$(mktemp -u)
mkfifo "$wine_keeper_input"
wine cmd <"$wine_keeper_input" >/dev/null 2>&1 &
exec 9>"$wine_keeper_input"
rm -f "$wine_keeper_input"
trap 'exec 9>&-; wineserver --kill || true' EXIT
# Once a first program has run, the services are up.
timeout 120 wine cmd /c exit </dev/null >/dev/null 2>&1
