#!/usr/bin/env bash
# The inside of with-desktop.sh gnome, run as the session's user in a process
# group of its own: a session bus, a second bus as the system bus (GNOME Shell
# does not start without one), a headless GNOME Shell on a virtual monitor of
# 1280 x 800 in unsafe mode (so that org.gnome.Shell.Eval drives it), and the
# desktop portal with the GNOME backend; then the command. SESSION names the
# session's folder.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/session-lib.sh"
session_begin GNOME
printf '[preferred]\ndefault=gnome;gtk;\n' >"$XDG_CONFIG_HOME/xdg-desktop-portal/gnome-portals.conf"
. "$here/gnome-driver.sh"
PORTAL_GNOME=$(first_of /usr/libexec/xdg-desktop-portal-gnome /usr/lib/x86_64-linux-gnu/libexec/xdg-desktop-portal-gnome)
needs "GNOME Shell with its portal" gnome-shell gdbus "$PORTAL_GNOME" /usr/libexec/xdg-desktop-portal

start_bus session
start_bus system
gnome-shell --headless --wayland --no-x11 --virtual-monitor 1280x800 --unsafe-mode >"$log/gnome-shell" 2>&1 &
wait_for 60 shell_eval true
export WAYLAND_DISPLAY=wayland-0
# A plain background of one colour, no overview, and a pointer and keyboard of the test's own.
shell_eval "
  const s = new imports.gi.Gio.Settings({schema_id: 'org.gnome.desktop.background'});
  s.set_string('picture-uri', ''); s.set_string('picture-uri-dark', '');
  s.set_string('color-shading-type', 'solid'); s.set_string('primary-color', '#336699');
  Main.overview.hide();
  const seat = imports.gi.Clutter.get_default_backend().get_default_seat();
  global._tonikPointer = seat.create_virtual_device(imports.gi.Clutter.InputDeviceType.POINTER_DEVICE);
  global._tonikKeyboard = seat.create_virtual_device(imports.gi.Clutter.InputDeviceType.KEYBOARD_DEVICE);
  true" >/dev/null
# The backend first, and the frontend once the backend owns its name: a
# frontend started before would have the bus start a second backend, and
# GNOME 48's two backends would share one display connection of mutter's
# (its service channel keeps one per kind of client), which the first one
# loses while it starts, keeping only its settings.
"$PORTAL_GNOME" >"$log/portal-gnome" 2>&1 &
wait_for 20 has_owner org.freedesktop.impl.portal.desktop.gnome
/usr/libexec/xdg-desktop-portal >"$log/portal" 2>&1 &
wait_for 20 has_portal

export DRIVER=$here/gnome-driver.sh DESKTOP_NAME=GNOME
"$@"
