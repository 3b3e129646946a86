#!/usr/bin/env bash
# Builds everything and runs every test, headless. Then builds the tests
# again with AddressSanitizer and UndefinedBehaviorSanitizer and runs them
# once more (ZT_SANITIZE=0 skips that pass), runs every fuzz target for 20 s
# (ZT_FUZZ=0 skips that), and builds everything with Qt 6 and runs every
# test once more (ZT_QT6=0 skips that).
# ZT_QT_MAJOR=6 runs the suite with Qt 6 alone (ZT_SANITIZE=1 and ZT_FUZZ=1
# add those passes, built with Qt 6 as well).
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export QT_QPA_PLATFORM=offscreen

source "$ROOT/scripts/setup.sh"
(cd "$BUILD_DIR" && ctest -j2 --output-on-failure)

# Qt 6 alone runs the suite only, unless asked for more.
[ "$ZT_QT_MAJOR" = 5 ] && passes=1 || passes=0
if [ "${ZT_SANITIZE:-$passes}" != 0 ]; then
  BUILD_DIR=$ROOT/build-asan$ZT_QT_SUFFIX CMAKE_ARGS="-DZT_SANITIZE=ON" build
  (cd "$ROOT/build-asan$ZT_QT_SUFFIX" && ctest -j2 --output-on-failure)
fi

if [ "${ZT_FUZZ:-$passes}" != 0 ]; then
  ZT_QT_MAJOR=$ZT_QT_MAJOR FUZZ_BUILD_DIR=$ROOT/build-fuzz$ZT_QT_SUFFIX \
    bash "$ROOT/scripts/fuzz.sh" -max_total_time=20
fi

# The same sources with Qt 6: the whole suite once more, not under the
# sanitizers.
if [ "$ZT_QT_MAJOR" = 5 ] && [ "${ZT_QT6:-1}" != 0 ]; then
  env -u BUILD_DIR -u ZT_SANITIZE -u ZT_FUZZ ZT_QT_MAJOR=6 bash "$ROOT/scripts/test.sh"
fi
