#!/usr/bin/env bash
# Sets up, builds and starts the editor.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup.sh" "$top/build"
exec "$top/build/nabrilo" "$@"
