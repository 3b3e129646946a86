#!/usr/bin/env bash
# Builds everything and runs every test, headless. Then builds the tests
# again with AddressSanitizer and UndefinedBehaviorSanitizer and runs them
# once more (ZT_SANITIZE=0 skips that pass), and runs every fuzz target for
# 20 s (ZT_FUZZ=0 skips that).
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export QT_QPA_PLATFORM=offscreen

source "$ROOT/scripts/setup.sh"
(cd "$BUILD_DIR" && ctest -j2 --output-on-failure)

if [ "${ZT_SANITIZE:-1}" != 0 ]; then
  BUILD_DIR=$ROOT/build-asan CMAKE_ARGS="-DZT_SANITIZE=ON" build
  (cd "$ROOT/build-asan" && ctest -j2 --output-on-failure)
fi

if [ "${ZT_FUZZ:-1}" != 0 ]; then
  bash "$ROOT/scripts/fuzz.sh" -max_total_time=20
fi
