#!/usr/bin/env bash
# "Pal" opens Qt's colour chooser in the user's language (Qt's translations),
# while Tonik's own texts stay those of its template.
set -euo pipefail
TONIK=$1
. "$(dirname "$0")/lib.sh"

for case in "de_DE.UTF-8 Farbauswahl" "C.UTF-8 Select Color"; do
  read -r lang title <<<"$case"
  LANG=$lang LC_ALL=$lang start_tonik
  click_dlu 255 82                    # Pal
  chooser=$(timeout 10 xdotool search --sync --onlyvisible --name "^$title\$" | head -n1) \
    || fail "no chooser titled '$title' under $lang"
  xdotool windowfocus --sync "$chooser" 2>/dev/null || true
  xdotool key Escape
  sleep 0.3
  [ "$(xdotool getwindowname "$WIN")" = "Tonik" ] || fail "Tonik's caption changed under $lang"
  xdotool key Escape
  wait_tonik
done
echo "chooser language: ok"
