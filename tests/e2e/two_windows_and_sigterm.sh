#!/usr/bin/env bash
# Two Tonik windows that change different colours both keep their change, and
# SIGTERM (what a desktop session sends at logout) saves the run and ends
# Tonik with status 0.
set -euo pipefail
TONIK=$1
. "$(dirname "$0")/lib.sh"

cat >"$(mkdir -p "$(dirname "$(conf)")" && conf)" <<'CONF'
[Settings]
Foreground=1
ForeColor=0
BackColor=16777215
CONF

start_tonik
FIRST_PID=$PID FIRST_WIN=$WIN
xdotool windowmove --sync "$FIRST_WIN" 0 0
"$TONIK" >/dev/null 2>&1 &
SECOND_PID=$!
for _ in $(seq 100); do
  SECOND_WIN=$(xdotool search --onlyvisible --name '^Tonik$' | grep -vx "$FIRST_WIN" | head -n1 || true)
  [ -n "$SECOND_WIN" ] && break
  sleep 0.1
done
[ -n "$SECOND_WIN" ] || fail "no second window"
xdotool windowmove --sync "$SECOND_WIN" 0 400
sleep 0.3

palette_cell 2 13                   # FF0000: the first window's text colour
PID=$FIRST_PID WIN=$FIRST_WIN
xdotool windowfocus --sync "$WIN" 2>/dev/null || true
click_dlu "$CX" "$CY" 1
palette_cell 5 10                   # the second window's background
WIN=$SECOND_WIN
xdotool windowfocus --sync "$WIN" 2>/dev/null || true
click_dlu "$CX" "$CY" 3

PID=$FIRST_PID WIN=$FIRST_WIN
xdotool windowfocus --sync "$WIN" 2>/dev/null || true
xdotool key Escape
wait_tonik
WIN=$SECOND_WIN
kill -TERM "$SECOND_PID"
status=0
wait "$SECOND_PID" || status=$?
[ "$status" -eq 0 ] || fail "SIGTERM ended Tonik with status $status"
expect_setting ForeColor $(( 0x230000FF ))
back=$(setting BackColor)
[ "$back" != 16777215 ] && [ -n "$back" ] || fail "the second window's background was lost ($back)"
expect_setting Foreground 0         # the second window closed last
echo "two windows and SIGTERM: ok"
