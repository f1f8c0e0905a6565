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

# Starts Tonik in the background and waits for its window; sets PID and WIN.
start_tonik() {
  "$TONIK" >/dev/null 2>&1 &
  PID=$!
  WIN=$(timeout 20 xdotool search --sync --onlyvisible --name '^Tonik$' | head -n1) || fail "no Tonik window"
  xdotool windowfocus --sync "$WIN" 2>/dev/null || true
  sleep 0.3
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

# Screen position of a point given in dialog units (the dialog is 332 x 102).
dlu_to_screen() {
  window_geometry
  SX=$(( WX + $1 * WW / 332 ))
  SY=$(( WY + $2 * WH / 102 ))
}

click_dlu() {
  dlu_to_screen "$1" "$2"
  xdotool mousemove --sync "$SX" "$SY" click "${3:-1}"
  sleep 0.2
}
