#!/usr/bin/env bash
# Draws Tonik's icons and the dropper cursor into res/icons with ImageMagick.
# Run by hand when the drawings change; the PNGs are kept in the repository.
set -euo pipefail
out="$(dirname "$0")/../res/icons"
mkdir -p "$out"

# Icon 130: a blue text square in front of an orange background square; the
# same drawing as res/icons/tonik.svg.
for size in 16 32 48 64 128 256; do
  s=$(( size - 1 )); a=$(( size * 3 / 8 )); b=$(( size * 5 / 8 ))
  convert -size ${size}x${size} xc:none -strokewidth $(( size >= 64 ? size / 24 : size >= 32 ? 2 : 1 )) \
    -stroke black -fill '#FF9933' -draw "rectangle $a,$a $s,$s" \
    -stroke black -fill '#3366CC' -draw "rectangle 0,0 $b,$b" \
    "PNG32:$out/tonik-$size.png"
done

# Icon 132: an eyedropper, bulb top right, tip bottom left.
# 64 pixels is the 32-pixel icon at a scale of 2.
for size in 16 32 64; do
  k=$(echo "$size / 32" | bc -l)
  p() { printf '%.0f,%.0f' "$(echo "$1 * $k" | bc -l)" "$(echo "$2 * $k" | bc -l)"; }
  convert -size ${size}x${size} xc:none \
    -stroke black -strokewidth $(( size >= 64 ? 6 : size >= 32 ? 3 : 2 )) -draw "line $(p 3 28) $(p 19 12)" \
    -stroke black -strokewidth $(( size / 32 > 0 ? size / 32 : 1 )) -fill '#C0C0C0' -draw "polygon $(p 14 11) $(p 20 17) $(p 24 13) $(p 18 7)" \
    -fill '#CC3333' -draw "circle $(p 25 6) $(p 29 6)" \
    "PNG32:$out/dropper-$size.png"
done

# Cursor 131: the dropper with its tip on the hot spot (16, 15), black
# outlined in white so that it shows on any colour.
convert -size 32x32 xc:none \
  -stroke white -strokewidth 5 -draw "line 16,15 25,6" \
  -stroke black -strokewidth 2 -draw "line 16,15 25,6" \
  -stroke white -strokewidth 1 -fill black -draw "polygon 23,4 28,9 31,6 26,1" \
  -fill white -stroke none -draw "point 16,15" \
  -fill black -draw "point 16,15" \
  "PNG32:$out/dropper-cursor.png"

# The cursor at a scale of 2: 64 pixels, hot spot (32, 30).
convert -size 64x64 xc:none \
  -stroke white -strokewidth 10 -draw "line 32,30 50,12" \
  -stroke black -strokewidth 4 -draw "line 32,30 50,12" \
  -stroke white -strokewidth 2 -fill black -draw "polygon 46,8 56,18 62,12 52,2" \
  -fill black -stroke none -draw "rectangle 32,30 33,31" \
  "PNG32:$out/dropper-cursor-64.png"
