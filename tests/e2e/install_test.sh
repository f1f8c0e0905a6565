#!/usr/bin/env bash
# cmake --install puts the executable, the desktop entry, the metainfo file and
# the icons in place, and the desktop files pass their validators.
#   install_test.sh BUILD_DIR
set -euo pipefail
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cmake --install "$1" --prefix "$stage/usr" >/dev/null
for f in bin/tonik share/applications/com.kavon.Tonik.desktop share/metainfo/com.kavon.Tonik.metainfo.xml \
         share/icons/hicolor/scalable/apps/com.kavon.Tonik.svg; do
  [ -f "$stage/usr/$f" ] || { echo "missing $f" >&2; exit 1; }
done
for size in 16 32 48 64 128 256; do
  icon=$stage/usr/share/icons/hicolor/${size}x${size}/apps/com.kavon.Tonik.png
  [ "$(identify -format '%wx%h' "$icon")" = "${size}x${size}" ] || { echo "no ${size} px icon" >&2; exit 1; }
done
desktop-file-validate "$stage/usr/share/applications/com.kavon.Tonik.desktop"
# Pedantic, but for the id's upper-case letters, which the desktop entry's name
# fixes, and for the developer's tags: appstream 1.0 (Debian 13) reads
# <developer> and calls <developer_name> deprecated, 0.16 (Debian 12) knows
# only <developer_name>, so the file has both.
report=$(appstreamcli validate --pedantic --no-net "$stage/usr/share/metainfo/com.kavon.Tonik.metainfo.xml" 2>&1) ||
  { echo "the metainfo file is not valid: $report" >&2; exit 1; }
if grep -E '^[EWIP]:' <<<"$report" |
   grep -vE 'cid-contains-uppercase-letter|developer-name-tag-deprecated|unknown-tag developer$'; then
  echo "the metainfo file is not clean: $report" >&2; exit 1
fi
# What software centres are built from: Tonik is listed, with its icons, and nothing is reported.
compose=$(appstreamcli compose --no-net --result-root="$stage/compose" --origin=tonik --prefix=/usr "$stage" 2>&1)
grep -q '^Success' <<<"$compose" || { echo "appstreamcli compose failed: $compose" >&2; exit 1; }
catalog=$(zcat "$stage/compose/usr/share/swcatalog/xml/tonik.xml.gz")
grep -q '<id>com.kavon.Tonik</id>' <<<"$catalog" || { echo "compose dropped Tonik: $compose" >&2; exit 1; }
grep -q 'width="128"' <<<"$catalog" || { echo "no 128 px icon in the catalog" >&2; exit 1; }
grep -q '<screenshot' <<<"$catalog" || { echo "no screenshot in the catalog" >&2; exit 1; }
# The summary in each language Tonik speaks, for the software centre; the desktop entry's comment too.
for language in de es fr; do
  grep -q "<summary xml:lang=\"$language\">" <<<"$catalog" || { echo "no $language summary in the catalog" >&2; exit 1; }
  grep -q "^Comment\[$language\]=" "$stage/usr/share/applications/com.kavon.Tonik.desktop" ||
    { echo "no $language comment in the desktop entry" >&2; exit 1; }
done
echo "install: ok"
