#!/usr/bin/env bash
# Replays one GDI reference case with our canvas and compares it with the reference picture.
# usage: tools/dev/cmp.sh CASE [BUILD_DIR]   (prints the difference; writes /tmp/cmp/CASE.*)
set -u
top=$(cd "$(dirname "$0")/../.." && pwd)
ref=$top/tests/reference/gdi
build=${2:-$top/build}
mkdir -p /tmp/cmp && cd /tmp/cmp || exit 2
QT_QPA_PLATFORM=offscreen "$build/nabrilo-replay" --canvas "$ref/$1.txt" || exit 2
python3 /work/shared/tools/bmpdiff.py "$ref/$1.bmp" "/tmp/cmp/$1.bmp" --diff "/tmp/cmp/$1.diff.png" --list ${LIST:-10}
