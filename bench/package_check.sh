#!/usr/bin/env bash
# Builds the .deb, checks it the way Debian and the desktops will, installs it
# and starts the program from its menu entry under Xvfb. Needs root (dpkg -i);
# not part of the test run.
#   bash bench/package_check.sh
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
deb=$(bash "$ROOT/scripts/package.sh" | tail -n 1)
EXTRA_PACKAGES="lintian desktop-file-utils appstream xvfb xauth"
missing=$(for p in $EXTRA_PACKAGES; do dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || echo "$p"; done)
[ -z "$missing" ] || DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing >/dev/null

echo "== lintian (errors fail the check)"
lintian --fail-on error "$deb"
echo "== desktop-file-validate"
desktop-file-validate "$ROOT/packaging/ru.morvane.ztconfig.desktop"
echo "== appstreamcli validate"
appstreamcli validate --no-net "$ROOT/packaging/ru.morvane.ztconfig.metainfo.xml"

echo "== install and start from the menu entry"
dpkg -i "$deb" >/dev/null
entry=/usr/share/applications/ru.morvane.ztconfig.desktop
exec_line=$(sed -n 's/^Exec=//p' "$entry" | sed 's/ %[fFuU]//')
command -v "${exec_line%% *}" >/dev/null
# Still running after 5 s means the window came up (a failure exits at once).
set +e
timeout 5 xvfb-run -a $exec_line
status=$?
set -e
[ "$status" -eq 124 ] && echo "started from $entry: $exec_line" || { echo "failed to start: $status"; exit 1; }
man -w ztconfig ztconfig-cli >/dev/null && echo "man pages installed"
