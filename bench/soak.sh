#!/usr/bin/env bash
# Connects, polls and writes against the simulator while faults strike at
# random, then prints how the window came out of each and its memory.
#   bench/soak.sh [minutes] [seed]
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$ROOT/scripts/setup.sh"
QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="*.warning=false" "$BUILD_DIR/bench/bench_soak" "${1:-30}" ${2:+"$2"}
