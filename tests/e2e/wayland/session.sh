#!/usr/bin/env bash
# The inside of with-desktop.sh wayland, run as the session's user in a process group of
# its own: a session bus, PipeWire, a headless sway with Xwayland, wayvnc on a
# UNIX socket (the seat's pointer and keyboard), xdg-desktop-portal with the
# wlr backend; then the command. SESSION names the session's folder.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/session-lib.sh"
session_begin sway

# Cursors that draw nothing, as the headless output paints the cursor into
# the frames the picker reads.
python3 "$here/invisible_cursors.py" "$SESSION/cursors"
export XCURSOR_PATH=$SESSION/cursors XCURSOR_THEME=invisible XCURSOR_SIZE=24

# xdg-desktop-portal 1.16 offers Screenshot only when some backend provides
# Access, which the wlr backend does not; PickColor never asks it.
export XDG_DESKTOP_PORTAL_DIR=$SESSION/portals
mkdir -p "$XDG_DESKTOP_PORTAL_DIR"
cat >"$XDG_DESKTOP_PORTAL_DIR/wlr.portal" <<'PORTAL'
[portal]
DBusName=org.freedesktop.impl.portal.desktop.wlr
Interfaces=org.freedesktop.impl.portal.Screenshot;org.freedesktop.impl.portal.ScreenCast;org.freedesktop.impl.portal.Access;
UseIn=sway;
PORTAL

# Newer portals choose their backend by portals.conf, as desktops ship it.
printf '[preferred]\ndefault=wlr\n' >"$XDG_CONFIG_HOME/xdg-desktop-portal/sway-portals.conf"

start_bus session

# xdg-desktop-portal-wlr 0.7 ends when PipeWire does not run.
pipewire >"$log/pipewire" 2>&1 &
wait_for 10 test -S "$XDG_RUNTIME_DIR/pipewire-0"

cat >"$SESSION/sway.conf" <<'CONF'
output HEADLESS-1 resolution 1280x800 position 0 0 bg #336699 solid_color
seat seat0 xcursor_theme invisible 24
xwayland enable
default_border none
default_floating_border none
for_window [title="^Tonik$"] floating enable, move absolute position 400 300
CONF
WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
  sway -c "$SESSION/sway.conf" >"$log/sway" 2>&1 &
wait_for 20 bash -c 'ls "$XDG_RUNTIME_DIR"/sway-ipc.*.sock'
export SWAYSOCK=$(ls "$XDG_RUNTIME_DIR"/sway-ipc.*.sock | head -n1)
export WAYLAND_DISPLAY=$(cd "$XDG_RUNTIME_DIR" && ls wayland-* | grep -v lock | head -n1)

export VNC_SOCKET=$SESSION/vnc.sock
wayvnc -u "$VNC_SOCKET" >"$log/wayvnc" 2>&1 &
wait_for 10 test -S "$VNC_SOCKET"
# A first key through wayvnc's keyboard gives the seat a keymap (slurp needs one).
python3 "$here/rfb.py" "$VNC_SOCKET" key ffe1

/usr/libexec/xdg-desktop-portal-wlr >"$log/portal-wlr" 2>&1 &
/usr/libexec/xdg-desktop-portal >"$log/portal" 2>&1 &
wait_for 20 has_portal

export RFB="$here/rfb.py"
"$@"
