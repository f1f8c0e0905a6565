#!/usr/bin/env bash
# Runs a command on its own Xvfb server (a free display), with a temporary HOME
# and XDG_CONFIG_HOME, and stops the server afterwards.
#   with-xvfb.sh [--size WxHxD] command args...
set -euo pipefail
size=1280x800x24
if [ "${1:-}" = "--size" ]; then size=$2; shift 2; fi

tmp=$(mktemp -d)
exec 3>"$tmp/display"
Xvfb -displayfd 3 -screen 0 "$size" -nolisten tcp -noreset >"$tmp/xvfb.log" 2>&1 &
xvfb=$!
cleanup() { kill "$xvfb" 2>/dev/null || true; wait "$xvfb" 2>/dev/null || true; rm -rf "$tmp"; }
trap cleanup EXIT
for _ in $(seq 100); do
  [ -s "$tmp/display" ] && break
  sleep 0.05
done
display=$(head -n1 "$tmp/display")
[ -n "$display" ] || { echo "Xvfb did not start" >&2; cat "$tmp/xvfb.log" >&2; exit 1; }
export DISPLAY=":$display"
export HOME="$tmp/home" XDG_CONFIG_HOME="$tmp/home/.config"
mkdir -p "$XDG_CONFIG_HOME"
unset QT_QPA_PLATFORM
"$@"
