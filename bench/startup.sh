#!/usr/bin/env bash
# Prints how long ZTConfig takes from start to its main window mapped, and
# its peak memory, beside a bare Qt window of the same size, under Xvfb;
# then where the window's own construction spends its time.
#   bench/startup.sh [runs]
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$ROOT/scripts/setup.sh"
xvfb-run -a -s "-screen 0 1280x1024x24" \
  "$BUILD_DIR/bench/bench_startup" "${1:-10}" "$BUILD_DIR/src/ztconfig" "$BUILD_DIR/bench/bench_barewindow"
QT_QPA_PLATFORM=offscreen "$BUILD_DIR/bench/bench_formcost" 20
