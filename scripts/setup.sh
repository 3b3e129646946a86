#!/usr/bin/env bash
# Installs what the build needs (Debian 12 packages) and builds into build/.
# Sourced by run.sh and test.sh; BUILD_DIR, CMAKE_ARGS and EXTRA_PACKAGES may
# be set before.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD_DIR=${BUILD_DIR:-$ROOT/build}

PACKAGES=(
  cmake g++ make pkg-config
  qtbase5-dev libqt5serialbus5-dev libqt5serialport5-dev
  qttools5-dev qttools5-dev-tools   # lupdate/lrelease, the English catalogue
  libmodbus-dev socat mbpoll
  fonts-dejavu-core
  libqwt-qt5-dev             # the trend window's plots
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
  cmake -S "$ROOT" -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo ${CMAKE_ARGS:-} >/dev/null
  cmake --build "$BUILD_DIR" -j"$(nproc)"
}

install_packages
build
