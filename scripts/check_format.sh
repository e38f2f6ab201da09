#!/usr/bin/env bash
# Checks that the C++ files changed since BASE (default: where this branch left main; the last
# commit when there is no main) and not yet committed are formatted as .clang-format says; on
# main with nothing uncommitted, every C++ file.
# Usage: scripts/check_format.sh [BASE]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
base=${1:-$(git merge-base HEAD main 2>/dev/null || git rev-parse --verify -q HEAD~1 || true)}
if [ -z "$base" ]; then
  echo "format: no commit to compare with; nothing checked"
  exit 0
fi
# On main itself (as in CI's fresh clone) there is no branch to compare with: check every file.
if [ "$(git rev-parse "$base")" = "$(git rev-parse HEAD)" ] && git diff --quiet HEAD; then
  mapfile -t changed < <(git ls-files -- '*.cpp' '*.h')
else
  mapfile -t changed < <(git diff --name-only --diff-filter=ACMR "$base" -- '*.cpp' '*.h')
fi
if [ ${#changed[@]} -eq 0 ]; then
  echo "format: no C++ file changed since ${base:0:12}"
  exit 0
fi
if ! clang-format --dry-run --Werror "${changed[@]}"; then
  echo "format: run clang-format -i on the files above" >&2
  exit 1
fi
echo "format: ${#changed[@]} C++ files checked, all as .clang-format wants them"
