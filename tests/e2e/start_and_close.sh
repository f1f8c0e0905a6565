#!/usr/bin/env bash
# Tonik starts on a real X server, ends with Escape and with Enter, and writes
# its settings file each time.
set -euo pipefail
TONIK=$1
. "$(dirname "$0")/lib.sh"

start_tonik
# Docks match the window with its launcher by the X11 class.
class=$(xprop -id "$WIN" WM_CLASS | sed 's/.*= "[^"]*", "\([^"]*\)"/\1/')
entry=$(sed -n 's/^StartupWMClass=//p' "$(dirname "$0")/../../res/com.kavon.Tonik.desktop")
[ "$class" = "$entry" ] || fail "window class '$class', desktop entry's StartupWMClass '$entry'"
xdotool key Escape
wait_tonik
[ -f "$(conf)" ] || fail "no settings file at $(conf)"
expect_setting Foreground 0
expect_setting ForeColor 0
expect_setting BackColor 16777215
for i in $(seq -w 0 15); do expect_setting "CustColor$i" 0; done

cat >"$(conf)" <<'CONF'
[Settings]
Foreground=1
ForeColor=255
BackColor=65280
CustColor07=123
CONF
start_tonik
xdotool key Return
wait_tonik
expect_setting Foreground 1
expect_setting ForeColor 255
expect_setting BackColor 65280
expect_setting CustColor07 123
echo "start and close: ok"
