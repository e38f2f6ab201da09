#!/usr/bin/env bash
# Installs the build into an empty prefix and checks what a desktop finds there: exactly the
# expected files, a valid menu entry and AppStream metadata, icons of the sizes their folders
# name, a manual page that formats without warnings, and a program that runs.
# Usage: check_install.sh BUILD_DIR PREFIX VERSION
set -euo pipefail
build=$1
prefix=$2
want_version=$3
id=org.nabrilo.Nabrilo
fail=0
problem() { echo "install: $*" >&2; fail=1; }

rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null

sizes=(16 24 32 48 64 128 256)
expected=(bin/nabrilo "share/applications/$id.desktop" share/man/man1/nabrilo.1
          "share/metainfo/$id.metainfo.xml")
for s in "${sizes[@]}"; do expected+=("share/icons/hicolor/${s}x$s/apps/$id.png"); done
diff <(printf '%s\n' "${expected[@]}" | sort) <(cd "$prefix" && find . -type f -printf '%P\n' | sort) ||
  problem "the installed files differ from the expected ones (< expected, > installed)"

out=$(desktop-file-validate "$prefix/share/applications/$id.desktop" 2>&1) ||
  problem "desktop-file-validate failed"
[ -z "$out" ] || problem "desktop-file-validate: $out"
grep -qx "Icon=$id" "$prefix/share/applications/$id.desktop" || problem "the entry names another icon"

out=$(appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" 2>&1) ||
  problem "appstreamcli validate: $out"
grep -q '^E:' <<<"$out" && problem "appstreamcli validate: $out"

# The width and height of a PNG are the big-endian words at bytes 16 and 20.
for s in "${sizes[@]}"; do
  png=$prefix/share/icons/hicolor/${s}x$s/apps/$id.png
  [ -f "$png" ] || continue
  read -r w h < <(od -An -tu1 -j16 -N8 "$png" |
    awk '{ print $1*16777216 + $2*65536 + $3*256 + $4, $5*16777216 + $6*65536 + $7*256 + $8 }')
  [ "$w x $h" = "$s x $s" ] || problem "$png is $w x $h"
done

out=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$prefix/share/man/man1/nabrilo.1" \
  2>&1 >/dev/null) || problem "man failed"
[ -z "$out" ] || problem "man: $out"

version=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/nabrilo" --version) ||
  problem "the installed program does not run"
[ "$version" = "Nabrilo $want_version" ] || problem "the installed program says '$version'"

exit $fail
