#!/usr/bin/env bash
# At a scale factor of 2 the dropper still picks single device pixels: a patch
# of one-pixel stripes, red on even and blue on odd columns, gives each colour.
set -euo pipefail
TONIK=$1
. "$(dirname "$0")/lib.sh"
export QT_SCALE_FACTOR=${SCALE:-2}

stripes=$(mktemp --suffix=.png)
convert -size 2x1 xc:red -fill blue -draw 'point 1,0' -scale 2x40! -write mpr:s +delete \
  -size 40x40 tile:mpr:s "$stripes"
show_patch "$stripes" 20 20

for pick in "31 $(( 0xFF0000 ))" "30 255" "41 $(( 0xFF0000 ))"; do
  set -- $pick
  start_tonik
  drag_dropper 1 "$1" 40
  xdotool key Escape
  wait_tonik
  expect_setting ForeColor "$2"
done
kill "$PATCH" 2>/dev/null || true
rm -f "$stripes"
echo "dropper at scale $QT_SCALE_FACTOR: ok"
