#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the desktop program need.
# Does nothing when everything is already present.
set -euo pipefail

packages=(
    cmake make g++ pkg-config ccache lld
    libgtest-dev libgmock-dev libbenchmark-dev libmpfr-dev
    qt6-base-dev qt6-base-dev-tools libgl-dev qt6-translations-l10n
    fonts-dejavu-core fonts-wqy-microhei
    clang libclang-rt-14-dev
    xvfb xauth imagemagick xdotool
    locales
    dpkg-dev file gzip help2man lintian desktop-file-utils appstream
    libgeonames-dev tzdata
    nlohmann-json3-dev libutf8proc-dev
    poppler-utils
    parallel
    # The Windows build (make windows, make test-windows): the cross compiler, Wine to run its
    # tests, GoogleTest's sources to build for it, and CLDR's names of Windows' time zones.
    g++-mingw-w64-x86-64-posix wine wine64 googletest unicode-cldr-core
    # The Windows installer (makensis).
    nsis
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

ensure_test_locale() {
    # de_DE has a decimal comma, so the tests can show that no number depends on the locale; the
    # three together let the tests see vexamo-cli's messages in each of its languages.
    local name
    for name in de_DE fr_FR en_US; do
        if command -v localedef >/dev/null && ! locale -a 2>/dev/null | grep -qi "^${name}\.utf-\?8\$"; then
            $SUDO localedef -i "$name" -c -f UTF-8 "$name.UTF-8" >/dev/null 2>&1 || true
        fi
    done
}

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    SUDO="sudo"
fi

if [ ${#missing[@]} -eq 0 ]; then
    ensure_test_locale
    exit 0
fi

echo "Installing missing packages: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
ensure_test_locale
