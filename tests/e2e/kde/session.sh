#!/usr/bin/env bash
# The inside of with-desktop.sh kde, run as the session's user in a process
# group of its own: a session bus, KWin on a virtual output of 1280 x 800
# (its fake-input protocol open to the test's client), a plain background
# (swaybg, through KWin's layer shell), and the desktop portal with the KDE
# backend; then the command. SESSION names the session's folder.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/session-lib.sh"
session_begin KDE
printf '[preferred]\ndefault=kde\n' >"$XDG_CONFIG_HOME/xdg-desktop-portal/kde-portals.conf"
. "$here/kde-driver.sh"
export FAKE_INPUT=$here/tonik_fake_input  # given to with-desktop.sh, which copied it here
PORTAL_KDE=$(first_of /usr/lib/x86_64-linux-gnu/libexec/xdg-desktop-portal-kde /usr/libexec/xdg-desktop-portal-kde)
needs "KWin with its portal" kwin_wayland swaybg gdbus "$PORTAL_KDE" /usr/libexec/xdg-desktop-portal "$FAKE_INPUT"

start_bus session
# KWin's file capability may not be executable in a container; a copy without it runs.
cp "$(command -v kwin_wayland)" "$SESSION/kwin_wayland"
KWIN_WAYLAND_NO_PERMISSION_CHECKS=1 "$SESSION/kwin_wayland" --virtual --width 1280 --height 800 \
  --socket wayland-tonik >"$log/kwin" 2>&1 &
wait_for 30 test -S "$XDG_RUNTIME_DIR/wayland-tonik"
export WAYLAND_DISPLAY=wayland-tonik
wait_for 30 gdbus call --session --dest org.kde.KWin --object-path /KWin --method org.freedesktop.DBus.Peer.Ping
# KWin's colour picker is an effect that needs OpenGL compositing; KWin 6's
# virtual output composites with QPainter where there is no render node.
# Its effects load after KWin is on the bus, later on a busy machine.
if ! until_true 15 bash -c 'gdbus introspect --session --dest org.kde.KWin --object-path /ColorPicker |
                            grep -q org.kde.kwin.ColorPicker'; then
  echo "SKIP: KWin $(kwin_wayland --version 2>/dev/null | cut -d' ' -f2) offers no colour picker headless here" \
       "(it needs OpenGL compositing, which its virtual output lacks without a GPU)"
  exit 77
fi
wait_for 30 gdbus call --session --dest org.kde.KWin --object-path /Scripting --method org.freedesktop.DBus.Peer.Ping
desktop_background '#336699'
QT_QPA_PLATFORM=wayland "$PORTAL_KDE" >"$log/portal-kde" 2>&1 &
/usr/libexec/xdg-desktop-portal >"$log/portal" 2>&1 &
wait_for 20 has_portal

export DRIVER=$here/kde-driver.sh DESKTOP_NAME=KDE
"$@"
