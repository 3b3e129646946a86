#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, apart from the main build, into
# build-fuzz/ (or FUZZ_BUILD_DIR), and runs each from a copy of its seed
# corpus, fuzz/corpus/NAME.
# The arguments go to every run:
#   scripts/fuzz.sh -max_total_time=20    a short run, as CI does
#   scripts/fuzz.sh -runs=1000000         bench/fuzz.sh
# Prints one line of figures per target. A finding, or a run that outlasts
# FUZZ_WALL_SECONDS (default 120), fails the script; the input that found
# it stays in build-fuzz/findings/.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD_DIR=${FUZZ_BUILD_DIR:-$ROOT/build-fuzz}
CMAKE_ARGS="-DZT_FUZZ=ON -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++"
source "$ROOT/scripts/setup.sh"

findings=$BUILD_DIR/findings
mkdir -p "$findings"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The settings target writes every input to a file: on tmpfs that costs no
# disk sync.
[ -d /dev/shm ] && [ -w /dev/shm ] && export TMPDIR=/dev/shm

status=0
for target in fuzz_replies fuzz_settingsfile fuzz_manifest; do
  cp -r "$ROOT/fuzz/corpus/${target#fuzz_}" "$work/$target"
  options=(-timeout=10 -print_final_stats=1 -artifact_prefix="$findings/$target-")
  # Qt 5.15's JSON parser leaks the value of a key that comes twice in an
  # object: the library's, not the manifest reader's. Off for that target,
  # per input and at exit alike (libFuzzer's flag covers only the former).
  leaks=1
  [ "$target" = fuzz_manifest ] && leaks=0 && options+=(-detect_leaks=0)
  # The tokens of the input's format, where the target has a list of them.
  [ -f "$ROOT/fuzz/$target.dict" ] && options+=(-dict="$ROOT/fuzz/$target.dict")
  log=$work/$target.log
  if ASAN_OPTIONS="detect_leaks=$leaks${ASAN_OPTIONS:+:$ASAN_OPTIONS}" \
       timeout -k 10 "${FUZZ_WALL_SECONDS:-120}" "$BUILD_DIR/fuzz/$target" "${options[@]}" "$@" \
       "$work/$target" >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
    rss=$(sed -n 's/^stat::peak_rss_mb: *//p' "$log")
    seconds=$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$log")
    echo "$target: $runs runs in $seconds s ($rate/s), peak RSS $rss MB, no finding"
  else
    echo "$target: FAILED (exit $?), inputs kept in $findings" >&2
    tail -n 40 "$log" >&2
    status=1
  fi
done
exit $status
