#!/usr/bin/env bash
# The code copied with "Copy" can still be pasted after Tonik ended (no
# clipboard manager runs here), and Tonik's keeper of it ends when another
# program copies something. The keeper serves the display Tonik ran on (here
# given with -display while $DISPLAY names none) and holds nothing of Tonik's:
# only its X connection and /dev/null, working in /.
set -euo pipefail
TONIK=$1
. "$(dirname "$0")/lib.sh"

# Tonik's clipboard keepers on this test's display.
keepers() {
  local p
  for p in $(pgrep -x tonik-clipboard || true); do
    tr '\0' '\n' <"/proc/$p/cmdline" 2>/dev/null | grep -qx "$DISPLAY" && echo "$p"
  done
  return 0
}

cd "$(mktemp -d)"                   # a folder the keeper must not hold
LAUNCH="env DISPLAY=:424242" start_tonik -display "$DISPLAY"
palette_cell 2 13                   # FF0000
click_dlu "$CX" "$CY" 1
click_dlu 217 82                    # Copy
xdotool key Escape
wait_tonik
cd /
pasted=$(timeout 5 xclip -o -selection clipboard) || fail "nothing to paste after Tonik ended"
[ "$pasted" = "#FF0000" ] || fail "pasted '$pasted'"
keeper=$(keepers)
[ -n "$keeper" ] || fail "no keeper process"
[ "$(wc -l <<<"$keeper")" -eq 1 ] || fail "more than one keeper: $keeper"
[ "$(readlink "/proc/$keeper/cwd")" = / ] || fail "the keeper works in $(readlink "/proc/$keeper/cwd")"
held=$(for fd in /proc/"$keeper"/fd/*; do echo "${fd##*/} $(readlink "$fd")"; done)
[ "$(grep -c ' /dev/null$' <<<"$held")" -eq 3 ] && [ "$(grep -c ' socket:' <<<"$held")" -eq 1 ] &&
  [ "$(wc -l <<<"$held")" -eq 4 ] || fail "the keeper holds: $held"

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
