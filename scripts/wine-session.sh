# Sourced: a Wine session for running many Windows programs of a build quickly.
#   source scripts/wine-session.sh BUILD_DIR
# The Wine prefix of the build folder (made once), a wineserver that stays up, and Wine's own
# services kept up by a program that waits for input, so that each program starts in
# milliseconds instead of seconds; all of it ends with the calling script.
wine_prefix=$(cd "$1" && pwd)/wine-prefix
export WINEPREFIX="$wine_prefix" WINEARCH=win64 WINEDEBUG=-all \
    WINEDLLOVERRIDES="mscoree,mshtml=,winemenubuilder.exe=d"

# The desktop program's tests make windows: without a display, one X server of their own for the
# whole session, up before Wine's first program so that its desktop uses it.
wine_xvfb_pid=
if [ -z "${DISPLAY:-}" ] && command -v Xvfb >/dev/null; then
    wine_display_file=$(mktemp)
    Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp 5>"$wine_display_file" >/dev/null 2>&1 &
    wine_xvfb_pid=$!
    for _ in $(seq 100); do
        [ -s "$wine_display_file" ] && break
        sleep 0.1
    done
    export DISPLAY=":$(cat "$wine_display_file")"
    rm -f "$wine_display_file"
fi

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
trap 'exec 9>&-; wineserver --kill || true; [ -z "$wine_xvfb_pid" ] || kill "$wine_xvfb_pid" || true' EXIT
# Once a first program has run, the services are up.
timeout 120 wine cmd /c exit </dev/null >/dev/null 2>&1
# The first program that draws on the display starts Wine's desktop process, which would keep
# that program's output pipe open after it ended: it is started here, with its output elsewhere.
wine explorer.exe /desktop </dev/null >/dev/null 2>&1 &
