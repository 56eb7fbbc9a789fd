#!/usr/bin/env bash
# Checks the Debian package as the distribution's tools see it:
#   lintian                 no error and no warning (information tags are shown, not fatal)
#   desktop-file-validate   no message at all on the packaged menu entry
#   appstreamcli validate   the packaged AppStream data, strict (network checks off)
# Usage: packaging/check-package.sh PACKAGE.deb
set -euo pipefail

deb=${1:?usage: check-package.sh PACKAGE.deb}
id=org.vexamo.Vexamo
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
dpkg-deb -x "$deb" "$tree"
status=0

echo "== lintian $(basename "$deb")"
lintian --info --display-info --fail-on error,warning "$deb" || status=1

echo "== desktop-file-validate $id.desktop"
messages=$(desktop-file-validate "$tree/usr/share/applications/$id.desktop" 2>&1) || status=1
if [ -n "$messages" ]; then
    echo "$messages"
    status=1
fi

echo "== appstreamcli validate $id.metainfo.xml"
appstreamcli validate --no-net --strict "$tree/usr/share/metainfo/$id.metainfo.xml" || status=1
echo "== appstreamcli validate-tree (menu entry, AppStream data and icons together)"
appstreamcli validate-tree --no-net --strict "$tree" || status=1

if [ "$status" -ne 0 ]; then
    echo "check-package: $(basename "$deb") FAILED" >&2
fi
exit "$status"
