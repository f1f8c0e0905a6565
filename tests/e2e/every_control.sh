#!/usr/bin/env bash
# Palette clicks, typing, Copy and Safe, and the dropper dragged over a window
# of a known colour with either button, on a real X server with the real
# executable; the settings written at Escape hold the colours picked.
set -euo pipefail
TONIK=$1
. "$(dirname "$0")/lib.sh"

patch=$(mktemp --suffix=.png)
convert -size 100x100 xc:'#3366CC' "$patch"
show_patch "$patch" 20 20

start_tonik
palette_cell 2 13                   # FF0000, tag 0x23
click_dlu "$CX" "$CY" 1
palette_cell 0 0                    # FFFFFF, tag 0x01
click_dlu "$CX" "$CY" 3

click_dlu 300 21                    # the red number field
xdotool key ctrl+a
xdotool type --delay 50 128
sleep 0.2
click_dlu 217 82                    # Copy
copied=$(xclip -o -selection clipboard)
[ "$copied" = "#80FFFF" ] || fail "Copy put '$copied' on the clipboard"

click_dlu 142 82                    # Safe: 128 rounds to 153
click_dlu 217 82
copied=$(xclip -o -selection clipboard)
[ "$copied" = "#99FFFF" ] || fail "after Safe the code is '$copied'"

xdotool key Escape
wait_tonik
expect_setting ForeColor $(( 0x230000FF ))
expect_setting BackColor $(( 0x01FFFF99 ))
expect_setting Foreground 0

start_tonik
drag_dropper 1 70 70                # left: the text colour
expect_focus_colour=$(( 0x00CC6633 ))
drag_dropper 3 60 60                # right: the background colour
xdotool key Escape
wait_tonik
expect_setting ForeColor "$expect_focus_colour"
expect_setting BackColor "$expect_focus_colour"
expect_setting Foreground 0
kill "$PATCH" 2>/dev/null || true
rm -f "$patch"

# Paste Colour by its key and Copy As from the window menu; text that is no
# colour changes nothing.
start_tonik
echo -n 'oklch(50% 0.099 250.4)' | xclip -i -selection clipboard
xdotool key ctrl+shift+v
sleep 0.2
xdotool key alt+space y r           # Copy As, RGB
sleep 0.3
copied=$(xclip -o -selection clipboard)
[ "$copied" = "rgb(51 102 153)" ] || fail "Paste Colour then Copy As RGB gave '$copied'"
echo -n 'not a colour' | xclip -i -selection clipboard
xdotool key ctrl+shift+v
sleep 0.2
xdotool key Escape
wait_tonik
expect_setting BackColor $(( 0x00996633 ))
echo "every control: ok"
