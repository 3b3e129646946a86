#!/usr/bin/env bash
# Prints what the view of the exchange with the module costs: CPU while
# polling with it closed and open, time per row and memory when full, and
# how many lines reached stderr meanwhile (capturing must add none).
#   bench/traffic.sh [seconds per phase] [rows]
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$ROOT/scripts/setup.sh"
export QT_QPA_PLATFORM=offscreen
errors=$(mktemp)
"$BUILD_DIR/bench/bench_traffic" "${1:-30}" "${2:-100000}" 2>"$errors"
echo "stderr: $(wc -l <"$errors") lines"
rm -f "$errors"
