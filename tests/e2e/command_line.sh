#!/usr/bin/env bash
# --help and --version print and end without a window, with a display and
# without one; an unknown option or an argument prints the usage and ends with
# status 2; Qt's own options still reach Qt.
set -euo pipefail
TONIK=$1
. "$(dirname "$0")/lib.sh"

for display in "$DISPLAY" ""; do
  run() { DISPLAY=$display timeout 10 "$TONIK" "$@"; }
  out=$(run --version) || fail "--version failed (DISPLAY='$display')"
  [ "$out" = "tonik 2.0.6.0" ] || fail "--version printed '$out'"
  out=$(run --help) || fail "--help failed"
  grep -q '^Usage: .*tonik \[options\]' <<<"$out" || fail "--help printed no usage: $out"
  grep -q -- '--version' <<<"$out" || fail "--help does not name --version"
  for bad in --frobnicate -x somefile; do
    status=0
    err=$(run "$bad" 2>&1 >/dev/null) || status=$?
    [ "$status" -eq 2 ] || fail "'$bad' ended with status $status"
    grep -q '^Usage:' <<<"$err" || fail "'$bad' printed no usage"
  done
  [ -z "$(xdotool search --name '^Tonik$' 2>/dev/null || true)" ] || fail "a window opened"
done
out=$(timeout 10 "$TONIK" -platform offscreen --version) || fail "Qt's -platform refused"
[ "$out" = "tonik 2.0.6.0" ] || fail "-platform offscreen --version printed '$out'"
echo "command line: ok"
