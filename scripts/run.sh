#!/usr/bin/env bash
# Builds ZTConfig and starts it. Arguments go to the program, for example
#   scripts/run.sh --port /dev/ttyUSB0
#   scripts/run.sh settings.ztset
# or, without hardware, with a simulated module on a pty pair:
#   scripts/run.sh --demo ZT-2TI-2AO
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

demo_type=
args=()
while [ $# -gt 0 ]; do
  case "$1" in
    --demo) demo_type=${2:?"--demo needs a module type, e.g. ZT-2TI-2AO"}; shift 2 ;;
    --demo=*) demo_type=${1#--demo=}; shift ;;
    *) args+=("$1"); shift ;;
  esac
done

if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}" ]; then
  echo "run.sh: no display (DISPLAY is not set): ZTConfig is a desktop program." >&2
  echo "Start it from a desktop session, or use xvfb-run -a scripts/run.sh, or QT_QPA_PLATFORM=offscreen." >&2
  exit 2
fi

source "$ROOT/scripts/setup.sh"

if [ -n "$demo_type" ]; then
  dir=$(mktemp -d)
  pids=()
  cleanup() { kill "${pids[@]}" 2>/dev/null || true; rm -rf "$dir"; }
  trap cleanup EXIT
  socat pty,raw,echo=0,link="$dir/ttyZT" pty,raw,echo=0,link="$dir/ttySIM" &
  pids+=($!)
  for _ in $(seq 50); do [ -e "$dir/ttySIM" ] && [ -e "$dir/ttyZT" ] && break; sleep 0.1; done
  "$BUILD_DIR/tools/ztsim/ztsim" --type "$demo_type" --device "$dir/ttySIM" --state "$dir/state" >/dev/null &
  pids+=($!)
  echo "Simulated $demo_type on $dir/ttyZT: press \"Соединиться\"."
  "$BUILD_DIR/src/ztconfig" --port "$dir/ttyZT" "${args[@]}"
else
  exec "$BUILD_DIR/src/ztconfig" "${args[@]}"
fi
