#!/usr/bin/env bash
# The dropper picks a pixel of the second monitor of the X screen, as well as
# of the first; between and beyond the monitors there is nothing to pick.
# Runs on an Xvfb two monitors wide, split into two RandR monitors.
set -euo pipefail
TONIK=$1
. "$(dirname "$0")/lib.sh"

xrandr --setmonitor right 1280/338x800/270+1280+0 none
xrandr --setmonitor left 1280/338x800/270+0+0 screen
xrandr --output screen --primary
[ "$(xrandr --listmonitors | head -n1)" = "Monitors: 2" ] || fail "two monitors expected: $(xrandr --listmonitors)"

patch=$(mktemp --suffix=.png)
convert -size 100x100 xc:'#3366CC' "$patch"
show_patch "$patch" 1500 100
start_tonik
drag_dropper 1 1550 150             # the text colour, from the right monitor
xdotool key Escape
wait_tonik
expect_setting ForeColor $(( 0x00CC6633 ))
kill "$PATCH" 2>/dev/null || true
rm -f "$patch"
echo "dropper on two monitors: ok"
