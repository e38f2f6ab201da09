#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in BUILD_DIR (configured there if needed) and runs
# each for SECONDS, starting from the seeds; inputs that crash are kept in BUILD_DIR/fuzz-crashes.
# The gesture fuzzer, which drives the whole window, runs for NABRILO_GESTURE_SECONDS (default 60).
# Usage: tests/fuzz/run.sh BUILD_DIR SECONDS
set -euo pipefail
build=${1:?usage: run.sh BUILD_DIR SECONDS}
seconds=${2:?usage: run.sh BUILD_DIR SECONDS}
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../.." && pwd)

CC=${CC:-clang} CXX=${CXX:-clang++} cmake -S "$top" -B "$build" -G Ninja \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNABRILO_FUZZ=ON -DNABRILO_BENCH=OFF >/dev/null
cmake --build "$build" --target fuzz_bmp_load fuzz_jpeg_load fuzz_png_load
cmake --build "$build" --target fuzz_gestures

mkdir -p "$build/fuzz-crashes"
status=0
# run TARGET SEEDS SECONDS [libFuzzer options...]: new finds go to the build's corpus, crashes to
# fuzz-crashes.
run() {
  local target=$1 seeds=$2 time=$3
  shift 3
  local corpus="$build/fuzz-corpus/$seeds"
  mkdir -p "$corpus"
  echo "fuzz: $seeds for ${time}s"
  ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1 \
  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 QT_QPA_PLATFORM=offscreen \
    "$build/tests/fuzz/$target" -max_total_time="$time" -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$build/fuzz-crashes/$seeds-" "$@" "$corpus" "$here/seeds/$seeds" || status=1
}
# The decoders' own complaints about broken files (libpng prints one per input) are closed off;
# libFuzzer's and the sanitizers' reports still come through.
for kind in bmp jpeg png; do
  run "fuzz_${kind}_load" "$kind" "$seconds" -timeout=10 -close_fd_mask=2
done
run fuzz_gestures gestures "${NABRILO_GESTURE_SECONDS:-60}" -timeout=20 -max_len=1024
exit $status
