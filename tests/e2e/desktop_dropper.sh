#!/usr/bin/env bash
# The dropper through a desktop's own colour picker, on a headless desktop of
# with-desktop.sh (GNOME or KDE), driven by the functions of its DRIVER: a
# left click on the dropper icon, then a click on a pixel, gives the text
# colour; a right click on the icon, then a click, the background colour;
# Escape in the picker changes nothing. Tonik runs as a native Wayland client.
#   desktop_dropper.sh TONIK [TOOL...]   (tools of the driver, such as KDE's
#                                        tonik_fake_input, given to be copied in)
set -euo pipefail
TONIK=$1
. "$(dirname "$0")/session-lib.sh"
. "$DRIVER"
fail() { echo "FAIL: $DESKTOP_NAME: $*" >&2; exit 1; }
conf=$XDG_CONFIG_HOME/Kavon/tonik.conf
setting() { sed -n "s/^$1=//p" "$conf" | tr -d '\r'; }
responses() { grep -c 'member=Response' "$SESSION/responses" || true; }
# COLORREF (0x00BBGGRR) of '#RRGGBB'.
colorref() { echo $(( 0x${1:5:2} << 16 | 0x${1:3:2} << 8 | 0x${1:1:2} )); }

# Clicks the dropper icon (dialog units 19, 24 of 332 x 120) with a button:
# the desktop's picker opens, and the click itself picks nothing.
click_icon() {
  before=$(responses)
  desktop_window_rect Tonik || fail "no Tonik window"
  desktop_click $(( TX + 19 * TW / 332 )) $(( TY + 24 * TH / 120 )) "$1"
  until_true 10 desktop_picker_up || fail "the desktop's picker did not open"
  sleep 0.5
  [ "$(responses)" = "$before" ] || fail "the click on the icon itself was taken for the pick"
}
# pick BUTTON X Y: the icon with a button, then the pixel at X Y (away from
# where the desktop places Tonik); sets PICKED to the desktop's colour there.
pick() {
  PICKED=$(desktop_pixel "$2" "$3") || fail "the desktop tells no colour at $2, $3"
  click_icon "$1"
  desktop_click "$2" "$3" 1
  until_true 10 test "$(responses)" -gt "$before" || fail "no answer from the portal"
}

dbus-monitor --session "type='signal',interface='org.freedesktop.portal.Request',member='Response'" \
  >"$SESSION/responses" 2>/dev/null &
monitor=$!
rm -f "$conf"
desktop_background '#336699'
# Tonik's own decorations off, so that the window's frame is its dialog; no
# leak check under the sanitizers, whose report cannot name the allocation
# Qt's Wayland plugins leave (as in wayland_dropper.sh).
ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0" QT_QPA_PLATFORM=wayland QT_WAYLAND_DISABLE_WINDOWDECORATION=1 "$TONIK" >"$SESSION/log/tonik" 2>&1 &
PID=$!
until_true 20 desktop_window_rect Tonik || fail "no Tonik window"
sleep 1

pick 1 100 500
FORE=$PICKED
desktop_background '#CC3311'
pick 3 100 500
BACK=$PICKED
desktop_background '#11AA22'
click_icon 1
desktop_escape                        # Escape in the picker: nothing changes
until_true 10 test "$(responses)" -gt "$before" || fail "Escape did not end the picker"
sleep 0.5
kill -TERM "$PID"                     # the session's end saves the colours
wait "$PID" || fail "Tonik ended with status $?"
kill "$monitor"
[ "$(setting ForeColor)" = "$(colorref "$FORE")" ] || fail "ForeColor $(setting ForeColor), expected $FORE"
[ "$(setting BackColor)" = "$(colorref "$BACK")" ] || fail "BackColor $(setting BackColor), expected $BACK"
[ "$(setting Foreground)" = 1 ] || fail "the Escape did not leave the text colour selected"
echo "$DESKTOP_NAME dropper: ok (text $FORE, background $BACK)"
