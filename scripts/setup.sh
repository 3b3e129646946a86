#!/usr/bin/env bash
# Installs what the build needs (Debian 12 packages) and builds into build/.
# Sourced by run.sh and test.sh; BUILD_DIR, CMAKE_ARGS and EXTRA_PACKAGES may
# be set before. ZT_QT_MAJOR=6 builds with Qt 6 instead of Qt 5.15, into
# build-qt6/ (ZT_QT_SUFFIX, "-qt6", tells the other scripts' folders apart).
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
ZT_QT_MAJOR=${ZT_QT_MAJOR:-5}
case "$ZT_QT_MAJOR" in
  5)
    ZT_QT_SUFFIX=
    QT_PACKAGES=(
      qtbase5-dev libqt5serialbus5-dev libqt5serialport5-dev
      qttools5-dev qttools5-dev-tools   # lupdate/lrelease, the English catalogue
      libqwt-qt5-dev                    # the trend window's plots
    )
    ;;
  6)
    # Debian packages no Qwt for Qt 6: that build has no trend window.
    ZT_QT_SUFFIX=-qt6
    QT_PACKAGES=(
      qt6-base-dev qt6-serialbus-dev qt6-serialport-dev libgl-dev
      qt6-tools-dev qt6-l10n-tools      # lupdate/lrelease, the English catalogue
    )
    ;;
  *) echo "ZT_QT_MAJOR is 5 or 6, not '$ZT_QT_MAJOR'" >&2; exit 2 ;;
esac
BUILD_DIR=${BUILD_DIR:-$ROOT/build$ZT_QT_SUFFIX}

PACKAGES=(
  cmake g++ make pkg-config
  "${QT_PACKAGES[@]}"
  libmodbus-dev socat mbpoll
  fonts-dejavu-core
  libsodium-dev              # the update check's signatures
  clang libclang-rt-14-dev   # the fuzz targets (scripts/fuzz.sh)
  xvfb libx11-dev            # the start-up benchmark (bench/startup.sh)
  ${EXTRA_PACKAGES:-}
)

install_packages() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=
  [ "$(id -u)" -ne 0 ] && sudo=sudo
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build() {
  cmake -S "$ROOT" -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZT_QT_MAJOR="$ZT_QT_MAJOR" ${CMAKE_ARGS:-} >/dev/null
  cmake --build "$BUILD_DIR" -j"$(nproc)"
}

install_packages
build
