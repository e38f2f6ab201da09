#!/usr/bin/env bash
# Sets up, builds the editor (only it and what it needs: no tests, no benchmarks) and starts it.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup.sh" --target nabrilo "$top/build"
exec "$top/build/nabrilo" "$@"
