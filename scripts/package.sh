#!/usr/bin/env bash
# Builds Tonik's Debian package with Debian's hardening flags (dpkg-buildflags)
# in a build folder of its own, and puts it in the output folder.
#   scripts/package.sh [OUTPUT_DIR [BUILD_DIR]]   (defaults: . and build-deb)
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(mkdir -p "${1:-.}" && cd "${1:-.}" && pwd)
build=${2:-build-deb}
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
# The build's date is the last commit's, so that two builds of one commit give
# the same package, byte for byte: GCC's __DATE__ and __TIME__ (the About
# box's build line), rcc's file times and the package's file times all take it.
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
  SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null || date -d "$(dpkg-parsechangelog -l res/debian/changelog -S Date)" +%s)
fi
export SOURCE_DATE_EPOCH QT_RCC_SOURCE_DATE_OVERRIDE=$SOURCE_DATE_EPOCH
# -Wdate-time warns of __DATE__, which the About box's build line shows on
# purpose; SOURCE_DATE_EPOCH makes it reproducible.
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS | sed 's/-Wdate-time//')"
LDFLAGS=$(dpkg-buildflags --get LDFLAGS)
export CXXFLAGS LDFLAGS
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=None -DTONIK_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target tonik tonik_docs
(cd "$build" && cpack -G DEB -B "$out" >/dev/null)
rm -rf "$out/_CPack_Packages"
ls "$out"/tonik_*.deb
