#!/usr/bin/env bash
# Builds ZTConfig without tests and makes a Debian package of it in build-deb/
# (CPack; the dependencies come from dpkg-shlibdeps). With ZT_QT_MAJOR=6 the
# package is built with Qt 6, in build-deb-qt6/.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export BUILD_DIR=$ROOT/build-deb
if [ "${ZT_QT_MAJOR:-5}" = 6 ]; then
  BUILD_DIR=$ROOT/build-deb-qt6
fi
export CMAKE_ARGS="-DBUILD_TESTING=OFF -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr"
export EXTRA_PACKAGES="dpkg-dev file"
source "$ROOT/scripts/setup.sh"
(cd "$BUILD_DIR" && cpack -G DEB >/dev/null)
ls -t "$BUILD_DIR"/ztconfig_*.deb | head -n 1
