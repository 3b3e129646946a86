#!/usr/bin/env bash
# Prints what polling the live values costs: the round trip of one live
# read through RtuProvider beside mbpoll, 10,000 reads for memory growth
# and released replies, and the CPU share of a window polling for a minute.
#   bench/polling.sh [reads per round-trip run] [endurance reads] [idle seconds]
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$ROOT/scripts/setup.sh"
export QT_QPA_PLATFORM=offscreen
"$BUILD_DIR/bench/bench_roundtrip" "${1:-50}" 5
"$BUILD_DIR/bench/bench_endurance" "${2:-10000}"
"$BUILD_DIR/bench/bench_idle" "${3:-60}"
