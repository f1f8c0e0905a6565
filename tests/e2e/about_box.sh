#!/usr/bin/env bash
# The system menu opens with Alt+Space, its last entry opens the About box,
# and the About text, selected and copied, holds Tonik's version lines and
# the build's date, also when the executable was removed after it started
# (as a package upgrade replaces it).
set -euo pipefail
BUILT=$1
. "$(dirname "$0")/lib.sh"

upgraded=$(mktemp -d)
TONIK=$upgraded/tonik
cp "$BUILT" "$TONIK"
start_tonik
rm "$TONIK"
xdotool key alt+space
sleep 0.4
xdotool key a
ABOUT=$(timeout 10 xdotool search --sync --onlyvisible --name '^About Tonik$' | head -n1) || fail "no About box"
[ "$(xdotool getwindowname "$ABOUT")" = "About Tonik" ] || fail "caption"
eval "$(xdotool getwindowgeometry --shell "$ABOUT")"
# The text field covers the left of the box (5..185 x 5..75 of 235 x 81 units).
xdotool mousemove --sync $(( X + WIDTH * 40 / 235 )) $(( Y + HEIGHT * 30 / 81 )) click 1
xdotool key ctrl+a ctrl+c
sleep 0.3
text=$(xclip -o -selection clipboard | tr -d '\r')
# The build line is the compile time of the build, which is the day the
# executable was linked, or the day before when the build ran over midnight.
linked=$(stat -c %Y "$BUILT")
expected_date="($(LC_ALL=C date -d "@$linked" +%Y-%b-%d)|$(LC_ALL=C date -d "@$(( linked - 86400 ))" +%Y-%b-%d))"
mapfile -t lines <<<"$text"
[ "${#lines[@]}" -eq 4 ] || fail "About text has ${#lines[@]} lines: $text"
[ "${lines[0]}" = "Tonik HTML Color Picker" ] || fail "line 1: ${lines[0]}"
[ "${lines[1]}" = "Release V2.0.6.0" ] || fail "line 2: ${lines[1]}"
[ "${lines[2]}" = "Copyright (C) 2026 Kavon" ] || fail "line 3: ${lines[2]}"
[[ "${lines[3]}" =~ ^Built\ on\ ${expected_date}\ [0-9]{2}:[0-9]{2}:[0-9]{2}$ ]] || fail "line 4: ${lines[3]}"
xdotool key Escape
sleep 0.3
xdotool key Escape
wait_tonik
rmdir "$upgraded"
echo "about box: ok"
