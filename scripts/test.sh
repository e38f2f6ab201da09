#!/usr/bin/env bash
# Sets up, builds and runs every test: the C++ files this branch changed are checked against
# .clang-format, then the normal build (warnings as errors), then the same tests built with
# AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer, then short fuzzing runs.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

"$top/scripts/setup.sh" --preset ci
"$top/scripts/check_format.sh"
ctest --test-dir "$top/build" --output-on-failure -j "$jobs"

if [ "${NABRILO_SKIP_SANITIZERS:-0}" != 1 ]; then
  "$top/scripts/setup.sh" --preset sanitizers
  # scripts/lsan.supp is where a leak of Qt's own would be named, with its reason.
  ASAN_OPTIONS=detect_leaks=1 \
  LSAN_OPTIONS=suppressions="$top/scripts/lsan.supp":print_suppressions=0 \
  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    ctest --test-dir "$top/build-asan" --output-on-failure -j "$jobs" -LE bench
fi

if [ "${NABRILO_SKIP_FUZZ:-0}" != 1 ]; then
  "$top/tests/fuzz/run.sh" "$top/build-fuzz" "${NABRILO_FUZZ_SECONDS:-20}"
fi
echo "test: all passed"
