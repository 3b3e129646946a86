#!/usr/bin/env bash
# Prints how long `ztconfig-cli scan` takes to sweep addresses 1..247 at 9600
# 8N1 on a silent line (a pty pair whose far end a simulator that never
# answers holds), and what that comes to per address.
#   bench/scan.sh [runs]
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$ROOT/scripts/setup.sh"
dir=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; wait; rm -rf "$dir"' EXIT

socat pty,raw,echo=0,link="$dir/program" pty,raw,echo=0,link="$dir/module" 2>/dev/null &
for _ in $(seq 50); do [ -e "$dir/module" ] && break; sleep 0.1; done
"$BUILD_DIR/tools/ztsim/ztsim" --type PLB-2TI-4-20-M --device "$dir/module" --silent >"$dir/sim.out" 2>&1 &
for _ in $(seq 50); do grep -q ready "$dir/sim.out" && break; sleep 0.1; done

echo "sweep of addresses 1..247, 9600 8N1, silent line"
for run in $(seq "${1:-3}"); do
  start=$(date +%s%N)
  code=0
  "$BUILD_DIR/src/ztconfig-cli" scan --port "$dir/program" >/dev/null 2>&1 || code=$?
  ms=$(( ($(date +%s%N) - start) / 1000000 ))
  printf 'run %d: %d.%03d s, %d.%d ms per address (exit %d)\n' "$run" $((ms / 1000)) $((ms % 1000)) \
    $((ms / 247)) $((ms * 10 / 247 % 10)) "$code"
done
