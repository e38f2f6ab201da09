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
for kind in bmp jpeg png; do
  corpus="$build/fuzz-corpus/$kind"
  mkdir -p "$corpus"
  echo "fuzz: $kind for ${seconds}s"
  ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1 \
  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 QT_QPA_PLATFORM=offscreen \
    "$build/tests/fuzz/fuzz_${kind}_load" -max_total_time="$seconds" -timeout=10 \
      -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$build/fuzz-crashes/$kind-" "$corpus" "$here/seeds/$kind" || status=1
done

gesture_seconds=${NABRILO_GESTURE_SECONDS:-60}
corpus="$build/fuzz-corpus/gestures"
mkdir -p "$corpus"
echo "fuzz: gestures for ${gesture_seconds}s"
ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1 \
UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 QT_QPA_PLATFORM=offscreen \
  "$build/tests/fuzz/fuzz_gestures" -max_total_time="$gesture_seconds" -timeout=20 \
    -max_len=1024 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$build/fuzz-crashes/gestures-" "$corpus" "$here/seeds/gestures" || status=1
exit $status
