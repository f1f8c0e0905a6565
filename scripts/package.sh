#!/usr/bin/env bash
# Builds Tonik's Debian package with Debian's own tools (dpkg-buildpackage and
# the debian/ folder: Debian's hardening flags, stripped, no tests), from a
# copy of the source in a build folder of its own, and puts it in the output
# folder. Two builds of one commit give the same package, byte for byte.
#   scripts/package.sh [OUTPUT_DIR [BUILD_DIR]]   (defaults: . and build-deb)
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(mkdir -p "${1:-.}" && cd "${1:-.}" && pwd)
build=$(mkdir -p "${2:-build-deb}" && cd "${2:-build-deb}" && pwd)
# The build's date is the last commit's in a checkout (else dpkg-buildpackage
# takes the changelog's): GCC's __DATE__ and __TIME__ (the About box's build
# line), rcc's file times and the package's file times all take it.
if [ -z "${SOURCE_DATE_EPOCH:-}" ] && git rev-parse --git-dir >/dev/null 2>&1; then
  SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
  export SOURCE_DATE_EPOCH
fi
# The source as it is, tracked files and new ones, but no build folder.
rm -rf "$build/tonik"
mkdir -p "$build/tonik"
if git rev-parse --git-dir >/dev/null 2>&1; then
  git ls-files -z -co --exclude-standard | xargs -0 cp --parents -t "$build/tonik"
else
  tar --exclude='./build*' -cf - . | tar -C "$build/tonik" -xf -
fi
rm -f "$build"/tonik_*
(cd "$build/tonik" && dpkg-buildpackage -us -uc -b >"$build/dpkg-buildpackage.log" 2>&1) ||
  { tail -n 30 "$build/dpkg-buildpackage.log" >&2; exit 1; }
cp "$build"/tonik_*.deb "$out/"
ls "$out"/tonik_*.deb
