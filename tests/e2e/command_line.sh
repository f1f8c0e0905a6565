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
  # --contrast: the strip's line, Fix's colour below 7:1, the verdict as status.
  status=0; out=$(run --contrast '#777' ' color: WHITE; ') || status=$?
  [ "$status" -eq 1 ] && [ "$out" = $'Contrast 4.47:1   \u2717 AA   \u2713 AA large   \u2717 AAA   \u2717 AAA large\nFix: #767676 (4.54:1)' ] ||
    fail "--contrast #777 white: status $status, '$out'"
  out=$(run --contrast 'oklch(0% 0 0)' 'hsl(0 0% 100% / 1)') || fail "--contrast black white failed"
  [ "$out" = $'Contrast 21.00:1   \u2713 AA   \u2713 AA large   \u2713 AAA   \u2713 AAA large' ] || fail "black on white: '$out'"
  # --vision: a line for each reader; status 1 when any of them fails AA.
  status=0; out=$(run --contrast blue yellow --vision) || status=$?
  [ "$status" -eq 0 ] && [ "$(sed -n '2,5s/:.*//p' <<<"$out" | tr '\n' ' ')" = "Protanopia Deuteranopia Tritanopia Achromatopsia " ] &&
    grep -qx $'Protanopia: Contrast 4.69:1   \u2713 AA   \u2713 AA large   \u2717 AAA   \u2713 AAA large' <<<"$out" ||
    fail "--contrast blue yellow --vision: status $status, '$out'"
  status=0; out=$(run --vision --contrast red black) || status=$?
  [ "$status" -eq 1 ] && [ "$(run --contrast red black >/dev/null; echo $?)" -eq 0 ] ||
    fail "red on black, passing AA as it is, failing with protanopia: status $status, '$out'"
  for bad in "--contrast red" "--contrast red notacolour" "--contrast background-color:red white" \
             "--contrast background:red white" "--contrast rgb(+-5,0,0) white" "--vision" "--vision red white"; do
    status=0; err=$(run $bad 2>&1 >/dev/null) || status=$?
    [ "$status" -eq 2 ] && [ -n "$err" ] || fail "'$bad' ended with status $status"
  done
  [ -z "$(xdotool search --name '^Tonik$' 2>/dev/null || true)" ] || fail "a window opened"
done
# Without a display (as over ssh): one line that names --contrast, status 1, no abort.
for environment in "" "DISPLAY=:4095" "WAYLAND_DISPLAY=nowhere XDG_RUNTIME_DIR=$HOME"; do
  status=0
  err=$(env -i PATH="$PATH" HOME="$HOME" $environment timeout 10 "$TONIK" 2>&1 >/dev/null) || status=$?
  [ "$status" -eq 1 ] && [ "$(wc -l <<<"$err")" -eq 1 ] && grep -q -- '--contrast' <<<"$err" ||
    fail "without a display ($environment): status $status, '$err'"
done
out=$(timeout 10 "$TONIK" -platform offscreen --version) || fail "Qt's -platform refused"
[ "$out" = "tonik 2.0.6.0" ] || fail "-platform offscreen --version printed '$out'"
echo "command line: ok"
