#!/usr/bin/env bash
# On a headless sway desktop with the desktop portal (with-desktop.sh wayland), the
# dropper picks the pixel of another client that the user clicks after
# clicking the dropper icon: with the left button the text colour, with the
# right button the background; Escape in the desktop's picker changes
# nothing; Escape on Tonik writes the colours. Tonik runs as a native Wayland
# client and through Xwayland, natively on the output scaled by 2 and by 1.5,
# and natively after a move to an output of scale 2 and back. Prints the time from the click on the pixel to the portal's answer.
# Debian 12's wlr portal backend (0.7) answers every pick on an output scaled
# by 2 with an error (response 2); Tonik then keeps its colour and asks the
# portal again at the next click on the icon.
set -euo pipefail
TONIK=$1
. "$(dirname "$0")/session-lib.sh"
fail() { echo "FAIL: $*" >&2; exit 1; }
conf=$XDG_CONFIG_HOME/Kavon/tonik.conf
setting() { sed -n "s/^$1=//p" "$conf" | tr -d '\r'; }
expect_setting() {
  [ "$(setting "$1")" = "$2" ] || fail "$ROAD: $1 is '$(setting "$1")', expected '$2'"
}
background() { swaymsg -q output '*' bg "$1" solid_color; sleep 0.5; }
key() { python3 "$RFB" "$VNC_SOCKET" key "$1"; }
# Clicks a point of the output given in its logical coordinates; the VNC
# server's frame has the output's device pixels.
click() {
  python3 "$RFB" "$VNC_SOCKET" click "$(python3 -c "print(int($1 * $SCALE))")" \
    "$(python3 -c "print(int($2 * $SCALE))")" "$3"
}
# The Tonik window's rectangle on the output: sets TX, TY, TW, TH.
tonik_rect() {
  eval "$(swaymsg -t get_tree | python3 -c '
import json, sys
def walk(node):
    if node.get("name") == "Tonik" and node.get("visible"):
        r = node["rect"]
        print("TX=%d TY=%d TW=%d TH=%d" % (r["x"], r["y"], r["width"], r["height"]))
        print("APP_ID=%s" % (node.get("app_id") or ""))
        raise SystemExit
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        walk(child)
walk(json.load(sys.stdin))')"
  [ -n "${TX:-}" ]
}
picker_runs() { pgrep -u "$(id -u)" -x slurp >/dev/null; }
# Clicks the dropper icon (dialog units 19, 24 of 332 x 120) with a button.
click_icon() {
  click $(( TX + 19 * TW / 332 )) $(( TY + 24 * TH / 120 )) "$1" >/dev/null
  until_true 10 picker_runs || fail "$ROAD: the desktop's picker did not open"
}
# Clicks the background far from Tonik and times the portal's answer.
click_pixel() {
  local clicked answered
  clicked=$(click 30 30 1)
  until_true 10 bash -c '! pgrep -u "$(id -u)" -x slurp >/dev/null' || fail "$ROAD: the picker did not end"
  until_true 5 grep -q 'member=Response' "$SESSION/responses" || fail "$ROAD: no answer from the portal"
  answered=$(sed -n 's/.* time=\([0-9.]*\) .*member=Response.*/\1/p' "$SESSION/responses" | tail -n1)
  CODE=$(grep -a -A1 'member=Response' "$SESSION/responses" | sed -n 's/^ *uint32 //p' | tail -n1)
  # The colour the portal answered, as Tonik stores it (0x00BBGGRR).
  ANSWER=$(sed -n 's/^ *double //p' "$SESSION/responses" | tail -n3 |
    python3 -c 'import sys; r, g, b = (min(255, max(0, int(float(v) * 255 + 0.5))) for v in sys.stdin.read().split()); print(b << 16 | g << 8 | r)' 2>/dev/null || echo 0)
  : >"$SESSION/responses"
  echo "$ROAD at scale $SCALE: click on the pixel to the portal's answer (response $CODE): $(python3 -c "print('%.1f ms' % (($answered - $clicked) * 1000))")"
  sleep 0.3
}

# Debian 13's headless sway (1.10) hands no client a key from the test's
# virtual keyboards (wayvnc's, and wtype's likewise), and its wlr backend
# answers another colour than the pixel's at scale 1.5. Neither is Tonik's
# road: there the test says so, ends the picker (the portal then answers
# without a colour) or Tonik (with SIGTERM, which saves as Escape does)
# itself, and checks that Tonik stores what the portal answered. Debian 12's
# sway must do both right.
SWAY_VERSION=$(dpkg-query -W -f='${Version}' sway 2>/dev/null || true)
stack_fault() {
  [[ "$SWAY_VERSION" != 1.7* ]] || fail "$ROAD at scale $SCALE: $1"
  echo "$ROAD at scale $SCALE: $1 (on sway $SWAY_VERSION; not Tonik's doing)"
}
# true_colour COLORREF: the portal answered the pixel's colour.
true_colour() {
  [ "$CODE" != 0 ] || [ "$ANSWER" = "$1" ] || stack_fault "the portal answered $ANSWER for the pixel $1"
}

dbus-monitor --session "type='signal',interface='org.freedesktop.portal.Request',member='Response'" \
  >"$SESSION/responses" 2>/dev/null &
monitor=$!
# Xwayland's display, as sway hands it to the programs it starts.
swaymsg -q exec "echo \$DISPLAY >$SESSION/display"
until_true 10 test -s "$SESSION/display" || fail "no Xwayland display"

for RUN in "wayland 1" "xcb 1" "wayland 2" "wayland 1.5" "moved 1"; do
  read -r ROAD SCALE <<<"$RUN"
  swaymsg -q output HEADLESS-1 scale "$SCALE"
  rm -f "$conf"
  background '#336699'
  if [ "$ROAD" != xcb ]; then
    # Under the sanitizers, Qt's Wayland plugins leave an allocation that
    # LeakSanitizer cannot name (its library is gone by the report); Tonik's
    # own code is checked for leaks by every other test.
    ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0" QT_QPA_PLATFORM=wayland "$TONIK" >"$SESSION/log/tonik-$ROAD" 2>&1 &
  else
    DISPLAY=$(cat "$SESSION/display") QT_QPA_PLATFORM=xcb "$TONIK" >"$SESSION/log/tonik-$ROAD" 2>&1 &
  fi
  PID=$!
  unset TX
  until_true 20 tonik_rect || fail "$ROAD: no Tonik window"
  # Wholly on the output, whose logical size shrinks with its scale.
  swaymsg -q '[title="^Tonik$"] move absolute position 60 120'
  sleep 0.3
  unset TX
  tonik_rect || fail "$ROAD: no Tonik window"
  # Natively the app id is the desktop entry's id, so the dock shows Tonik's launcher.
  [ "$ROAD" = xcb ] || [ "$APP_ID" = com.kavon.Tonik ] || fail "app id '$APP_ID'"
  # Moved to an output of scale 2 and back, the window keeps its size; it picks afterwards.
  if [ "$ROAD" = moved ]; then
    swaymsg -q create_output
    swaymsg -q output HEADLESS-2 resolution 1280x800 position 1280 0 scale 2
    SIZE="$TW $TH"
    for place in "HEADLESS-2 1300" "HEADLESS-1 60"; do
      read -r OUTPUT X <<<"$place"
      swaymsg -q "[title=\"^Tonik\$\"] move output $OUTPUT, move absolute position $X 120"
      sleep 1
      unset TX
      tonik_rect && [ "$TW $TH" = "$SIZE" ] || fail "moved to $OUTPUT, the window is $TW x $TH, not $SIZE"
    done
  fi
  sleep 0.5

  click_icon 1                        # the text colour
  click_pixel
  FORE=$(( CODE == 0 ? ANSWER : 0 ))  # a failed pick keeps the colour of a first run
  true_colour $(( 0x996633 ))
  background '#CC3311'
  click_icon 3                        # the background colour, through the portal again
  click_pixel
  BACK=$(( CODE == 0 ? ANSWER : 0xFFFFFF ))
  true_colour $(( 0x1133CC ))
  background '#11AA22'
  click_icon 1
  key ff1b                            # Escape in the picker: nothing changes
  if ! until_true 5 bash -c '! pgrep -u "$(id -u)" -x slurp >/dev/null'; then
    stack_fault "Escape did not end the picker"
    pkill -u "$(id -u)" -x slurp
  fi
  until_true 10 bash -c '! pgrep -u "$(id -u)" -x slurp >/dev/null' || fail "$ROAD: the picker did not end"
  sleep 0.5
  key ff1b                            # Escape on Tonik ends it
  if ! until_true 5 bash -c "! kill -0 $PID 2>/dev/null"; then
    stack_fault "Escape did not end Tonik"
    kill -TERM "$PID"
  fi
  wait "$PID" || fail "$ROAD: Tonik ended with status $?"
  expect_setting ForeColor "$FORE"
  expect_setting BackColor "$BACK"
  [ "$SCALE" = 2 ] || [ "$FORE" != 0 ] || fail "$ROAD at scale $SCALE: the portal failed the pick"
  expect_setting Foreground 1
  echo "$ROAD at scale $SCALE: ok"
done

kill "$monitor"

# Sway goes away under a first run's Tonik, native and on Xwayland: each
# writes its whole file, says so and ends with status 1. Where Qt can connect
# again (Qt 6.6 on, QT_WAYLAND_RECONNECT), a Tonik whose compositor comes back
# on its socket goes on with its window there, and its end is a plain one.
complete() {
  for name in Foreground ForeColor BackColor CustColor15 ShowContrast; do
    grep -q "^$name=" "$SESSION/$1/Kavon/tonik.conf" || fail "$1: no $name saved: $(cat "$SESSION/$1/tonik.err")"
  done
}
start_first_run() {
  mkdir -p "$SESSION/$1"
  env XDG_CONFIG_HOME="$SESSION/$1" ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0" "${@:2}" "$TONIK" 2>"$SESSION/$1/tonik.err" &
}
start_first_run wayland QT_QPA_PLATFORM=wayland; NATIVE=$!
start_first_run xcb QT_QPA_PLATFORM=xcb DISPLAY="$(cat "$SESSION/display")"; XWAYLAND=$!
TONIKS=2 FIRST_SWAY=$SWAYSOCK
if dpkg --compare-versions "$(dpkg-query -W -f='${Version}' qt6-base-dev)" ge 6.6; then
  ln -s "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" "$SESSION/compositor"
  start_first_run reconnect QT_QPA_PLATFORM=wayland QT_WAYLAND_RECONNECT=1 WAYLAND_DISPLAY="$SESSION/compositor"
  AGAIN=$! TONIKS=3
fi
toniks() { [ "$(swaymsg -t get_tree | grep -c '"name": "Tonik"')" = "$1" ]; }
until_true 20 toniks $TONIKS || fail "not $TONIKS Tonik windows"
if [ -n "${AGAIN:-}" ]; then
  ls "$XDG_RUNTIME_DIR" >"$SESSION/before"
  WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman sway -c "$SESSION/sway.conf" >"$SESSION/log/sway-again" 2>&1 &
  added() { ls "$XDG_RUNTIME_DIR" | grep -vxFf "$SESSION/before" | grep -x "$1"; }
  until_true 20 added 'sway-ipc.*' >/dev/null || fail "no second sway"
  export SWAYSOCK=$XDG_RUNTIME_DIR/$(added 'sway-ipc.*')
  ln -sfn "$XDG_RUNTIME_DIR/$(added 'wayland-[0-9]*')" "$SESSION/compositor"
fi
SWAYSOCK=$FIRST_SWAY swaymsg -q exit 2>/dev/null || true  # it ends before it answers
for road in wayland:$NATIVE xcb:$XWAYLAND; do
  PID=${road#*:} ROAD=${road%:*}
  until_true 20 bash -c "! kill -0 $PID 2>/dev/null" || fail "$ROAD: Tonik still runs without its display"
  status=0; wait "$PID" || status=$?
  [ $status = 1 ] || fail "$ROAD: status $status without its display"
  grep -q "the display went away; the colours were saved in $SESSION/$ROAD/Kavon/tonik.conf" "$SESSION/$ROAD/tonik.err" ||
    fail "$ROAD: $(cat "$SESSION/$ROAD/tonik.err")"
  complete "$ROAD"
done
if [ -n "${AGAIN:-}" ]; then
  until_true 20 toniks 1 || fail "Tonik's window is not back on the sway that came back"
  kill -0 "$AGAIN" || fail "Tonik ended although its compositor came back"
  complete reconnect
  kill -TERM "$AGAIN"
  wait "$AGAIN" || fail "reconnected, Tonik ended with status $?"
fi
echo "wayland dropper: ok"
