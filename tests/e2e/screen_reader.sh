#!/usr/bin/env bash
# Tonik as a screen reader meets it: a session bus of the test's own, the
# accessibility bus and registry of at-spi2-core on it, and a driver that
# drives Tonik on this test's Xvfb (with-xvfb.sh): by default a client of the
# Atspi library (screen_reader.py) that listens before Tonik starts; or the
# one named, orca_speech.py with the real Orca.
#   screen_reader.sh TONIK [DRIVER]
set -euo pipefail
TONIK=$1
here=$(cd "$(dirname "$0")" && pwd)
bus=$(mktemp -d)
dbus-daemon --session --nofork --print-address=3 --address="unix:tmpdir=$bus" 3>"$bus/address" >/dev/null 2>&1 &
daemon=$!
launcher=
cleanup() {
  [ -z "$launcher" ] || kill "$launcher" 2>/dev/null || true
  kill "$daemon" 2>/dev/null || true
  wait 2>/dev/null
  rm -rf "$bus"
}
trap cleanup EXIT
for _ in $(seq 100); do [ -s "$bus/address" ] && break; sleep 0.05; done
export DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$bus/address")
# The launcher starts the accessibility bus and the registry on it. Wait for
# it to own its name without calling it: a call would have the session bus
# start a second launcher, and the one that loses the name exits.
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
launcher=$!
for _ in $(seq 200); do
  owned=$(dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null || true)
  case $owned in *"boolean true"*) break ;; esac
  sleep 0.05
done
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0
/usr/bin/python3 "$here/${2:-screen_reader.py}" "$TONIK"
