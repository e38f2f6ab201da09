#!/usr/bin/env bash
# Replays one GDI reference case with our canvas and compares it with the reference picture.
# usage: tools/dev/cmp.sh CASE [BUILD_DIR [OUT_DIR]]
# Prints the difference; leaves CASE.bmp and CASE.diff.png in OUT_DIR (by default a new temporary
# directory, whose name is printed). LIST=N lists the first N differing pixels (default 10).
set -u
top=$(cd "$(dirname "$0")/../.." && pwd)
ref=$top/tests/reference/gdi
build=$(cd "${2:-$top/build}" && pwd) || exit 2
out=${3:-$(mktemp -d "${TMPDIR:-/tmp}/nabrilo-cmp.XXXXXX")}
mkdir -p "$out" && cd "$out" || exit 2
echo "cmp: pictures in $out"
QT_QPA_PLATFORM=offscreen "$build/nabrilo-replay" --canvas "$ref/$1.txt" || exit 2
python3 "$top/tools/dev/picdiff.py" "$ref/$1.bmp" "$1.bmp" --diff "$1.diff.png" --list "${LIST:-10}"
