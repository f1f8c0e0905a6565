#!/usr/bin/env bash
# The code copied with "Copy" can still be pasted after Tonik ended (no
# clipboard manager runs here), and Tonik's keeper of it ends when another
# program copies something.
set -euo pipefail
TONIK=$1
. "$(dirname "$0")/lib.sh"

# Tonik's clipboard keepers on this test's display.
keepers() {
  local p
  for p in $(pgrep -x tonik-clipboard || true); do
    tr '\0' '\n' <"/proc/$p/environ" 2>/dev/null | grep -qx "DISPLAY=$DISPLAY" && echo "$p"
  done
  return 0
}

start_tonik
palette_cell 2 13                   # FF0000
click_dlu "$CX" "$CY" 1
click_dlu 217 82                    # Copy
xdotool key Escape
wait_tonik
pasted=$(timeout 5 xclip -o -selection clipboard) || fail "nothing to paste after Tonik ended"
[ "$pasted" = "#FF0000" ] || fail "pasted '$pasted'"
keeper=$(keepers)
[ -n "$keeper" ] || fail "no keeper process"
[ "$(wc -l <<<"$keeper")" -eq 1 ] || fail "more than one keeper: $keeper"

echo -n other | xclip -i -selection clipboard
for _ in $(seq 50); do
  kill -0 "$keeper" 2>/dev/null || break
  sleep 0.1
done
! kill -0 "$keeper" 2>/dev/null || fail "the keeper still runs after another copy"
[ "$(timeout 5 xclip -o -selection clipboard)" = "other" ] || fail "the other program's copy was lost"

# Nothing copied: no keeper.
start_tonik
xdotool key Escape
wait_tonik
[ -z "$(keepers)" ] || fail "a keeper started without a copy"
echo "clipboard keeper: ok"
