#!/usr/bin/env bash
# Checks that the version agrees where it is written by hand: the project version in
# CMakeLists.txt, the newest entry of debian/changelog and the newest release of the AppStream
# metainfo (which normally takes the project's through @PROJECT_VERSION@), and that the release
# date the metainfo and the manual page are given is the changelog entry's.
# Usage: scripts/check_version.sh
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
fail=0
problem() { echo "version: $*" >&2; fail=1; }

project=$(sed -n 's/^project(Nabrilo VERSION \([0-9.]*\).*/\1/p' "$top/CMakeLists.txt")
[ -n "$project" ] || problem "no project version in CMakeLists.txt"
changelog=$(sed -n '1s/^nabrilo (\([^)]*\)).*/\1/p' "$top/debian/changelog")
[ "${changelog%%-*}" = "$project" ] ||
  problem "debian/changelog says ${changelog:-nothing}, CMakeLists.txt says $project"

metainfo=$top/resources/desktop/nabrilo.metainfo.xml.in
release=$(grep -m1 -o '<release version="[^"]*"' "$metainfo" | sed 's/.*"\(.*\)"/\1/')
[ "$release" = "@PROJECT_VERSION@" ] || [ "$release" = "$project" ] ||
  problem "the metainfo's newest release is ${release:-missing}, CMakeLists.txt says $project"

# The changelog's date (RFC 2822) as YYYY-MM-DD, beside the one resources/desktop/ is given.
stamp=$(sed -n 's/^ -- .*>  \(.*\)$/\1/p' "$top/debian/changelog" | head -1)
changelog_date=$(date -u -d "$stamp" +%F 2>/dev/null || true)
release_date=$(sed -n 's/^set(NABRILO_RELEASE_DATE \([0-9-]*\))/\1/p' \
  "$top/resources/desktop/CMakeLists.txt")
[ -n "$changelog_date" ] && [ "$changelog_date" = "$release_date" ] ||
  problem "debian/changelog is dated ${changelog_date:-?}, the metainfo's release ${release_date:-?}"

[ $fail = 0 ] && echo "version: $project in CMakeLists.txt, debian/changelog and the metainfo"
exit $fail
