#!/usr/bin/env bash
# Prints what the trend window costs with a day of samples kept: the CPU
# share of a core while it follows a live block every 700 ms, for each span
# choice, the time of one redraw, and the memory of the samples and the window.
#   bench/trend.sh [seconds per span] [picture.png]
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$ROOT/scripts/setup.sh"
export QT_QPA_PLATFORM=offscreen
"$BUILD_DIR/bench/bench_trend" "${1:-60}" ${2:+"$2"}
