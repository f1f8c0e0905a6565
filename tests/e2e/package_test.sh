#!/usr/bin/env bash
# The Debian package, built as the README says (scripts/package.sh, with
# Debian's hardening flags), holds the executable stripped, the desktop files,
# the icons, the manual page, the copyright and the changelog; depends on the
# Qt platform plugins and recommends what Wayland needs; its executable
# carries the version block; and lintian, pedantic, finds nothing.
#   package_test.sh BUILD_DIR VERSIONDUMP
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
"$here/../../scripts/package.sh" "$out" "$1/deb" >/dev/null
deb=$(ls "$out"/tonik_*_*.deb)
[ "$(dpkg-deb -f "$deb" Version)" = "2.0.6.0-1" ] || fail "version $(dpkg-deb -f "$deb" Version)"
contents=$(dpkg-deb -c "$deb")
for f in ./usr/bin/tonik ./usr/share/applications/com.kavon.Tonik.desktop \
         ./usr/share/metainfo/com.kavon.Tonik.metainfo.xml ./usr/share/icons/hicolor/256x256/apps/com.kavon.Tonik.png \
         ./usr/share/icons/hicolor/scalable/apps/com.kavon.Tonik.svg ./usr/share/man/man1/tonik.1.gz \
         ./usr/share/doc/tonik/copyright ./usr/share/doc/tonik/changelog.Debian.gz; do
  grep -qF " $f" <<<"$contents" || fail "the package lacks $f"
done
dpkg-deb -f "$deb" Depends | grep -q qt6-qpa-plugins || fail "no dependency on the Qt platform plugins"
dpkg-deb -f "$deb" Recommends | grep -q "qt6-wayland, xdg-desktop-portal" || fail "the Wayland packages are not recommended"
dpkg-deb -f "$deb" Description | awk 'length > 79 { exit 1 }' || fail "a description line is 80 columns or more"
dpkg-deb -x "$deb" "$out/root"
"$2" "$out/root/usr/bin/tonik" | grep -qx "ProductName=Tonik HTML Color Picker" || fail "no version block"
file "$out/root/usr/bin/tonik" | grep -q ', stripped' || fail "the executable is not stripped"
# Pedantic, informational tags included; overrides carry their reason in debian/lintian-overrides.
report=$(lintian -I --pedantic --tag-display-limit 0 "$deb" 2>&1 | grep -v 'running with root privileges' || true)
if grep -E '^[EWIP]:' <<<"$report"; then
  fail "lintian: $report"
fi
echo "package: ok ($(basename "$deb"))"
