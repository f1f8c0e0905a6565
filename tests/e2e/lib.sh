# Helpers for the end-to-end tests; sourced by each test, which runs on its own
# Xvfb (with-xvfb.sh) with a temporary HOME.

fail() { echo "FAIL: $*" >&2; exit 1; }

conf() { echo "$XDG_CONFIG_HOME/Kavon/tonik.conf"; }

# The stored value of a setting, or nothing.
setting() { sed -n "s/^$1=//p" "$(conf)" | tr -d '\r'; }

expect_setting() {
  local got
  got=$(setting "$1")
  [ "$got" = "$2" ] || fail "$1 is '$got', expected '$2'"
}

# Starts Tonik in the background with the arguments given (through $LAUNCH,
# such as nohup, when set) and waits for its window, a new one when others
# are open; sets PID and WIN.
start_tonik() {
  local before
  before=$(xdotool search --onlyvisible --name '^Tonik$' 2>/dev/null || true)
  ${LAUNCH:-} "$TONIK" "$@" >/dev/null 2>"${TONIK_STDERR:-/dev/null}" &
  PID=$!
  WIN=
  for _ in $(seq 200); do
    WIN=$(xdotool search --onlyvisible --name '^Tonik$' 2>/dev/null | grep -vxF "$before" | head -n1 || true)
    [ -n "$WIN" ] && break
    sleep 0.1
  done
  [ -n "$WIN" ] || fail "no Tonik window"
  xdotool windowfocus --sync "$WIN" 2>/dev/null || true
  sleep 0.3
}

# Expects Tonik (PID) to end within the tenths of a second given, with the
# status given (0 by default).
ends_within() {
  local status=0
  for _ in $(seq "$1"); do
    kill -0 "$PID" 2>/dev/null || { wait "$PID" || status=$?; [ "$status" -eq "${2:-0}" ] || fail "status $status"; return 0; }
    sleep 0.1
  done
  kill -KILL "$PID"
  fail "Tonik still runs after $(( $1 / 10 )) s"
}

# Waits for Tonik to end.
wait_tonik() {
  for _ in $(seq 100); do
    kill -0 "$PID" 2>/dev/null || { wait "$PID" || true; return 0; }
    sleep 0.1
  done
  kill "$PID"
  fail "Tonik did not end"
}

# Window geometry: sets WX, WY, WW, WH.
window_geometry() {
  eval "$(xdotool getwindowgeometry --shell "$WIN")"
  WX=$X; WY=$Y; WW=$WIDTH; WH=$HEIGHT
}

# Screen position of a point given in dialog units, fractions allowed (the
# dialog is 332 x 102 units, and 18 more with the contrast strip below, as it
# opens by default): sets SX and SY.
DLU_HEIGHT=${DLU_HEIGHT:-120}
dlu_to_screen() {
  window_geometry
  SX=$(awk -v x="$1" -v o="$WX" -v w="$WW" 'BEGIN { printf "%d", o + x * w / 332 }')
  SY=$(awk -v y="$2" -v o="$WY" -v h="$WH" -v u="$DLU_HEIGHT" 'BEGIN { printf "%d", o + y * h / u }')
}

# Dialog units of the centre of palette cell (row, column): sets CX and CY.
palette_cell() {
  CX=$(awk -v c="$2" 'BEGIN { print 10 + (c + 0.5) * 60 / 16 }')
  CY=$(awk -v r="$1" 'BEGIN { print 35 + (r + 0.5) * 55 / 16 }')
}

# Shows an image window at a screen position and waits for it: sets PATCH.
show_patch() {
  display -geometry "+$2+$3" "$1" >/dev/null 2>&1 &
  PATCH=$!
  timeout 20 xdotool search --sync --onlyvisible --name 'ImageMagick' >/dev/null || fail "no image window"
  sleep 0.3
}

# Drags the dropper from its icon to a screen point with a button (1 left, 3 right).
drag_dropper() {
  dlu_to_screen 19 24
  xdotool mousemove --sync "$SX" "$SY" mousedown "$1"
  sleep 0.2
  xdotool mousemove --sync "$(( $2 + 3 ))" "$(( $3 + 3 ))"
  sleep 0.1
  xdotool mousemove --sync "$2" "$3"
  sleep 0.2
  xdotool mouseup "$1"
  sleep 0.3
}

click_dlu() {
  dlu_to_screen "$1" "$2"
  xdotool mousemove --sync "$SX" "$SY" click "${3:-1}"
  sleep 0.2
}
