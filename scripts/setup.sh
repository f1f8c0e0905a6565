#!/usr/bin/env bash
# Installs every Debian package that building, testing and benchmarking Tonik needs.
# Quick when everything is already there: apt is only called for missing packages.
set -euo pipefail

PACKAGES=(
  g++ build-essential cmake ninja-build pkg-config dpkg-dev debhelper file
  qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-l10n-tools libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libxcb1-dev
  dbus-daemon dbus-bin procps python3
  at-spi2-core gir1.2-atspi-2.0 python3-gi orca
  sway swaybg xwayland wayvnc grim slurp pipewire qt6-wayland xdg-desktop-portal xdg-desktop-portal-wlr
  gnome-shell xdg-desktop-portal-gnome libglib2.0-bin
  kwin-wayland xdg-desktop-portal-kde qtwayland5 plasma-wayland-protocols libwayland-dev
  xvfb xauth xdotool xclip x11-utils x11-xserver-utils imagemagick fonts-dejavu-core
  desktop-file-utils appstream appstream-compose lintian qt6-translations-l10n
  locales-all
  binutils-mingw-w64-x86-64
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update
$SUDO apt-get install -y --no-install-recommends "${missing[@]}"
