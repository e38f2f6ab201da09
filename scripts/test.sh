#!/usr/bin/env bash
# Sets up, builds and runs every test: the normal build, then the same tests built with
# AddressSanitizer and UndefinedBehaviorSanitizer, then short fuzzing runs.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

"$top/scripts/setup.sh" "$top/build"
ctest --test-dir "$top/build" --output-on-failure -j "$jobs"

if [ "${NABRILO_SKIP_SANITIZERS:-0}" != 1 ]; then
  BUILD_TYPE=Debug CC=clang CXX=clang++ "$top/scripts/setup.sh" "$top/build-asan" -DNABRILO_SANITIZE=ON
  ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    ctest --test-dir "$top/build-asan" --output-on-failure -j "$jobs" -LE bench
fi

if [ "${NABRILO_SKIP_FUZZ:-0}" != 1 ]; then
  "$top/tests/fuzz/run.sh" "$top/build-fuzz" "${NABRILO_FUZZ_SECONDS:-20}"
fi
echo "test: all passed"
