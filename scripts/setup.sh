#!/usr/bin/env bash
# Installs what the build needs (Debian 12, as root) when it is missing, then configures and
# builds everything, or only TARGET and what it needs.
# Usage: scripts/setup.sh [--target TARGET] [BUILD_DIR [extra cmake arguments...]]
#    or: scripts/setup.sh --preset NAME [extra cmake arguments...]  (CMakePresets.json)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
preset=
targets=()
if [ "${1:-}" = --target ]; then
  targets=(--target "${2:?usage: setup.sh --target TARGET}")
  shift 2
fi
if [ "${1:-}" = --preset ]; then
  preset=${2:?usage: setup.sh --preset NAME}
  shift 2
else
  build=${1:-$top/build}
  shift || true
fi

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libgl-dev libfontconfig-dev
  libturbojpeg0-dev libjpeg62-turbo-dev libpng-dev
  fonts-ipafont-gothic qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev clang-format
  desktop-file-utils appstream man-db debhelper lintian
  python3 imagemagick
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  if [ "$(id -u)" -ne 0 ]; then
    echo "setup: these Debian packages are missing and installing them needs root: ${missing[*]}" >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

if [ -n "$preset" ]; then
  (cd "$top" && cmake --preset "$preset" "$@" >/dev/null && cmake --build --preset "$preset")
else
  cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" "$@" >/dev/null
  cmake --build "$build" "${targets[@]}"
fi
