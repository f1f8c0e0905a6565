#!/usr/bin/env bash
# cmake --install puts the executable, the desktop entry, the metainfo file and
# the icons in place, and the desktop files pass their validators.
#   install_test.sh BUILD_DIR
set -euo pipefail
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cmake --install "$1" --prefix "$stage/usr" >/dev/null
for f in bin/tonik share/applications/com.kavon.Tonik.desktop share/metainfo/com.kavon.Tonik.metainfo.xml \
         share/icons/hicolor/16x16/apps/com.kavon.Tonik.png share/icons/hicolor/32x32/apps/com.kavon.Tonik.png \
         share/icons/hicolor/48x48/apps/com.kavon.Tonik.png; do
  [ -f "$stage/usr/$f" ] || { echo "missing $f" >&2; exit 1; }
done
desktop-file-validate "$stage/usr/share/applications/com.kavon.Tonik.desktop"
appstreamcli validate --no-net "$stage/usr/share/metainfo/com.kavon.Tonik.metainfo.xml"
echo "install: ok"
