#!/usr/bin/env bash
# Prints how long connecting takes, against the simulator on a pty pair at
# the pace of a real 9600-baud line and at pty speed, and behind a Modbus TCP
# gateway on 127.0.0.1.
#   bench/connect_time.sh [runs]
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$ROOT/scripts/setup.sh"
QT_QPA_PLATFORM=offscreen "$BUILD_DIR/bench/bench_connect" "${1:-5}"
