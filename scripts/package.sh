#!/usr/bin/env bash
# Builds the Debian package from this tree into dist/nabrilo_VERSION_ARCH.deb and checks it with
# lintian. Install it afterwards with: apt-get install ./dist/nabrilo_*.deb
# The build runs in a copy of the tree, so the sources stay as they are; scripts/setup.sh
# installs what it needs (debhelper, lintian and the build's own packages).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
for tool in dpkg-buildpackage dh lintian; do
  command -v "$tool" >/dev/null || { echo "package: $tool is missing; run scripts/setup.sh" >&2; exit 1; }
done

version=$(dpkg-parsechangelog -l "$top/debian/changelog" -S Version)
arch=$(dpkg-architecture -q DEB_HOST_ARCH)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
src=$work/nabrilo-$version
mkdir "$src"
tar -C "$top" --exclude=./.git --exclude='./build*' --exclude=./dist --exclude='./obj-*' \
  --exclude=./debian/nabrilo --exclude=./debian/.debhelper -cf - . | tar -C "$src" -xf -

(cd "$src" && DEB_BUILD_OPTIONS="parallel=$(nproc) ${DEB_BUILD_OPTIONS:-}" \
  dpkg-buildpackage -b -us -uc)

deb=nabrilo_${version}_${arch}.deb
mkdir -p "$top/dist"
cp "$work/$deb" "$top/dist/$deb"
echo "package: lintian"
# Any tag fails the package, warnings and informational tags included.
lintian --display-info --fail-on error,warning,info "$top/dist/$deb"
echo "package: built dist/$deb"
