#!/usr/bin/env bash
# The Debian package builds with CPack, holds the executable and the desktop
# files, depends on the Qt platform plugins, and its executable carries the
# version block.
#   package_test.sh BUILD_DIR VERSIONDUMP
set -euo pipefail
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
(cd "$1" && cpack -G DEB -B "$out" >/dev/null)
deb=$(ls "$out"/tonik_*_*.deb)
contents=$(dpkg-deb -c "$deb")
for f in ./usr/bin/tonik ./usr/share/applications/com.kavon.Tonik.desktop \
         ./usr/share/metainfo/com.kavon.Tonik.metainfo.xml ./usr/share/icons/hicolor/48x48/apps/com.kavon.Tonik.png; do
  grep -qF " $f" <<<"$contents" || { echo "the package lacks $f" >&2; exit 1; }
done
dpkg-deb -f "$deb" Depends | grep -q qt6-qpa-plugins || { echo "no dependency on the Qt platform plugins" >&2; exit 1; }
dpkg-deb -f "$deb" Recommends | grep -q "qt6-wayland, xdg-desktop-portal" || { echo "the Wayland packages are not recommended" >&2; exit 1; }
[ "$(dpkg-deb -f "$deb" Version)" = "2.0.6.0" ] || { echo "wrong version" >&2; exit 1; }
dpkg-deb -x "$deb" "$out/root"
"$2" "$out/root/usr/bin/tonik" | grep -qx "ProductName=Tonik HTML Color Picker"
echo "package: ok ($(basename "$deb"))"
