#!/usr/bin/env bash
# Sets up, builds and runs every test: the C++ files this branch changed are checked against
# .clang-format, the includes against the layering of src/README.md and the version against
# debian/ and the metainfo; then the normal build (warnings as errors, in build-ci), then the same
# tests built with AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer, then short
# fuzzing runs. The test options of each build live in the test presets of CMakePresets.json.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

"$top/scripts/setup.sh" --preset ci
"$top/scripts/check_format.sh"
"$top/scripts/check_layers.py"
"$top/scripts/check_version.sh"
(cd "$top" && ctest --preset ci -j "$jobs")

if [ "${NABRILO_SKIP_SANITIZERS:-0}" != 1 ]; then
  "$top/scripts/setup.sh" --preset sanitizers
  (cd "$top" && ctest --preset sanitizers -j "$jobs")
fi

if [ "${NABRILO_SKIP_FUZZ:-0}" != 1 ]; then
  "$top/tests/fuzz/run.sh" "$top/build-fuzz" "${NABRILO_FUZZ_SECONDS:-20}"
fi
echo "test: all passed"
