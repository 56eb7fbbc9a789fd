#!/usr/bin/env bash
# Starts the desktop program from a build folder; until it exists, evaluates the present moment.
set -euo pipefail
build=${1:-build}
if [ -x "$build/ui/vexamo" ]; then
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
        echo "No display found: the desktop program needs a graphical session." >&2
        echo "Without one, try:  xvfb-run make run" >&2
        exit 1
    fi
    exec "$build/ui/vexamo" "${@:2}"
fi
exec "$build/cli/vexamo-cli" eval $(date '+%-d %-m %Y %-H %-M')
