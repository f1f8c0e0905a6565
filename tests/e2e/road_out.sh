#!/usr/bin/env bash
# The road out of Tonik as a desktop meets it: a quit signal with the colour
# chooser or the About box open, signals ignored by nohup, a lock on the
# settings folder held by another process or by a second Tonik stopped in its
# save, a folder without file locks, a read-only settings file and one that
# cannot be written, and the X server going away. The user's own files beside the settings survive it all.
#   road_out.sh TONIK STOP_IN_SAVE_LIBRARY NO_FILE_LOCKS_LIBRARY
set -euo pipefail
TONIK=$1
STOP_IN_SAVE=$2
NO_FILE_LOCKS=$3
. "$(dirname "$0")/lib.sh"

RED=$(( 0x230000FF ))               # palette cell (2, 13) as a stored colour
fresh_settings() {
  mkdir -p "$(dirname "$(conf)")"
  printf '[Settings]\nForeground=1\nForeColor=0\nBackColor=16777215\n' >"$(conf)"
  for name in backup before AbC123; do echo "mine: $name" >"$(conf).$name"; done
}
# Nothing beside the settings but the user's own files: no temporary left, none of theirs lost.
expect_only_theirs() {
  local left
  left=$(cd "$(dirname "$(conf)")" && ls -A | grep -vxE 'tonik\.conf(\.(backup|before|AbC123))?' || true)
  [ -z "$left" ] || fail "left beside the settings: $left"
  for name in backup before AbC123; do
    [ "$(cat "$(conf).$name" 2>/dev/null)" = "mine: $name" ] || fail "the user's tonik.conf.$name was touched"
  done
}
pick_red() { palette_cell 2 13; click_dlu "$CX" "$CY" "${1:-1}"; }

# A quit signal with a nested window open: the window closes, the run is saved.
for nested in chooser about; do
  fresh_settings
  start_tonik
  pick_red
  if [ $nested = chooser ]; then click_dlu 255 82; title='^Select Color$'; else xdotool key F1; title='^About Tonik$'; fi
  timeout 10 xdotool search --sync --onlyvisible --name "$title" >/dev/null || fail "no $nested window"
  kill -TERM "$PID"
  ends_within 10
  expect_setting ForeColor $RED
  expect_only_theirs
done

# Started with nohup as a background job, Tonik keeps SIGHUP and SIGINT
# ignored; on a file system that refuses locks, its save goes ahead at once
# and leaves no temporary.
fresh_settings
LD_PRELOAD=$NO_FILE_LOCKS ASAN_OPTIONS=${ASAN_OPTIONS:-}:verify_asan_link_order=0 LAUNCH=nohup start_tonik
kill -HUP "$PID"; kill -INT "$PID"
sleep 0.5
kill -0 "$PID" 2>/dev/null || fail "an ignored signal ended Tonik"
pick_red
xdotool key Escape
ends_within 30
expect_setting ForeColor $RED
expect_only_theirs

# Another process holds the folder's lock: the close still ends, and saves.
fresh_settings
rm -f "$HOME/held"
python3 -c 'import fcntl, os, sys, time
fd = os.open(sys.argv[1], os.O_RDONLY); fcntl.flock(fd, fcntl.LOCK_EX); open(sys.argv[2], "w").close(); time.sleep(60)' \
  "$(dirname "$(conf)")" "$HOME/held" &
HOLDER=$!
for _ in $(seq 100); do [ -e "$HOME/held" ] && break; sleep 0.05; done
[ -e "$HOME/held" ] || fail "the lock holder did not take the lock"
start_tonik
pick_red
xdotool key Escape
ends_within 30
expect_setting ForeColor $RED
kill "$HOLDER"
wait "$HOLDER" 2>/dev/null || true


# A second Tonik stopped inside its save holds the lock: the first one's close
# ends, and once the stopped one goes on, both changes are in the file.
fresh_settings
LD_PRELOAD=$STOP_IN_SAVE ASAN_OPTIONS=${ASAN_OPTIONS:-}:verify_asan_link_order=0 start_tonik
STOPPED=$PID STOPPED_WIN=$WIN
xdotool windowmove --sync "$WIN" 0 0
pick_red 1
start_tonik
xdotool windowmove --sync "$WIN" 0 400
sleep 0.3
palette_cell 5 10
click_dlu "$CX" "$CY" 3
SECOND=$PID
PID=$STOPPED WIN=$STOPPED_WIN
xdotool windowfocus --sync "$WIN" 2>/dev/null || true
xdotool key Escape
for _ in $(seq 50); do
  [ "$(awk '{print $3}' "/proc/$STOPPED/stat")" = T ] && break
  sleep 0.1
done
[ "$(awk '{print $3}' "/proc/$STOPPED/stat")" = T ] || fail "the first Tonik did not stop in its save"
PID=$SECOND
xdotool search --onlyvisible --name '^Tonik$' windowfocus --sync 2>/dev/null || true
xdotool key Escape
ends_within 30
kill -CONT "$STOPPED"
PID=$STOPPED
ends_within 30
expect_setting ForeColor $RED
[ "$(setting BackColor)" != 16777215 ] || fail "the second Tonik's background was lost"
expect_only_theirs

# A settings file its user made read-only is left byte for byte.
fresh_settings
chmod 444 "$(conf)"
cp "$(conf)" "$HOME/frozen"
start_tonik
pick_red
xdotool key Escape
ends_within 30
cmp "$(conf)" "$HOME/frozen" || fail "the read-only settings file was replaced"

# A save that fails says so, names the colours it lost, and ends with status 1.
rm -rf "$(dirname "$(conf)")"
mkdir -p "$(conf)"
TONIK_STDERR=$HOME/stderr start_tonik
pick_red
xdotool key Escape
ends_within 30 1
grep -q "could not save the colours in $(conf) .*ForeColor #FF0000" "$HOME/stderr" || fail "the failed save was not said: $(cat "$HOME/stderr")"
# The X server goes away under a changed Tonik (a logout's SIGTERM, a crash's
# SIGKILL): the change is saved, and Tonik says so and ends with status 1.
for signal in TERM KILL; do
  rm -rf "$(dirname "$(conf)")" "$HOME/display"
  fresh_settings
  Xvfb -displayfd 4 -nolisten tcp -noreset 4>"$HOME/display" >/dev/null 2>&1 &
  XVFB=$!
  until [ -s "$HOME/display" ]; do sleep 0.05; done
  OUR_DISPLAY=$DISPLAY DISPLAY=:$(cat "$HOME/display")
  TONIK_STDERR=$HOME/stderr start_tonik
  pick_red
  kill -$signal $XVFB
  ends_within 50 1
  DISPLAY=$OUR_DISPLAY
  expect_setting ForeColor $RED
  grep -q "the display went away; the colours were saved in $(conf)" "$HOME/stderr" || fail "after SIG$signal: $(cat "$HOME/stderr")"
  expect_only_theirs
done
echo "road out: ok"
