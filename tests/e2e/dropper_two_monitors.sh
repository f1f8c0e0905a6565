#!/usr/bin/env bash
# The dropper picks a pixel of either monitor of the X screen, at any scale
# (QT_SCALE_FACTOR or QT_SCREEN_SCALE_FACTORS from the test's environment);
# below the monitors there is nothing to pick; with monitors of two scales, a
# window moved from one to the other takes its size there. Runs on an Xvfb of
# 2560 x 1000 split into two RandR monitors of 1280 x 800 side by side.
set -euo pipefail
TONIK=$1
. "$(dirname "$0")/lib.sh"

xrandr --setmonitor right 1280/338x800/270+1280+0 none
xrandr --setmonitor left 1280/338x800/270+0+0 screen
xrandr --output screen --primary
[ "$(xrandr --listmonitors | head -n1)" = "Monitors: 2" ] || fail "two monitors expected: $(xrandr --listmonitors)"

patches=$(mktemp -d)
convert -size 100x100 xc:'#3366CC' "$patches/right.png"
convert -size 100x100 xc:'#CC3366' "$patches/left.png"
show_patch "$patches/right.png" 1500 100
RIGHT=$PATCH
show_patch "$patches/left.png" 1100 600
xdotool mousemove 200 200            # Tonik opens on the monitor under the pointer
start_tonik
drag_dropper 1 1550 150             # the text colour, from the right monitor
drag_dropper 3 1150 650             # the background colour, from the left monitor
drag_dropper 1 100 900              # below both monitors: nothing
FORE=$(( 0x00CC6633 )) BACK=$(( 0x006633CC ))
# Moved to the monitor of the other scale and back, the window's size and
# controls follow the monitor it is on, and the dropper still picks on both.
if [ -n "${QT_SCREEN_SCALE_FACTORS:-}" ]; then
  window_geometry
  W=$WW H=$WH
  for move in "1290 400 2 1 1150 650" "20 20 1 3 1550 150"; do
    read -r X Y SCALE BUTTON PX PY <<<"$move"
    xdotool windowmove --sync "$WIN" "$X" "$Y"
    sleep 0.5
    window_geometry
    [ "$WW $WH" = "$(( W * SCALE )) $(( H * SCALE ))" ] || fail "at scale $SCALE the window is $WW x $WH"
    drag_dropper "$BUTTON" "$PX" "$PY"  # the other monitor's colour for the other role
  done
  FORE=$(( 0x006633CC )) BACK=$(( 0x00CC6633 ))
fi
xdotool key Escape
wait_tonik
expect_setting ForeColor $FORE
expect_setting BackColor $BACK
kill "$PATCH" "$RIGHT" 2>/dev/null || true
rm -rf "$patches"
echo "dropper on two monitors (${QT_SCALE_FACTOR:-}${QT_SCREEN_SCALE_FACTORS:-}): ok"
