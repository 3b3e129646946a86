#!/usr/bin/env bash
# Runs every fuzz target for a million executions (or the count given) and
# prints runs, speed and peak memory; a finding fails the script.
#   bench/fuzz.sh [runs]
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
FUZZ_WALL_SECONDS=${FUZZ_WALL_SECONDS:-3600} exec bash "$ROOT/scripts/fuzz.sh" -runs="${1:-1000000}"
