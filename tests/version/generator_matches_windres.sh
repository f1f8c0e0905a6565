#!/usr/bin/env bash
# The generator's version block equals, byte for byte, the block windres makes
# from the same values, and the built executable carries it.
#   generator_matches_windres.sh GENERATOR DESCRIPTION WINDRES TONIK
set -euo pipefail
gen=$1 description=$2 windres=$3 tonik=$4
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
"$gen" --bin "$description" "$tmp/generated.bin"
"$gen" --rc "$description" "$tmp/version.rc"
"$windres" --preprocessor=cat -c 65001 -O res "$tmp/version.rc" "$tmp/version.res"
# A .res file starts with an empty 32-byte entry; the version resource's header
# follows, its size in the second 32-bit word, and then the block.
header=$(od -An -t u4 -j 36 -N 4 "$tmp/version.res" | tr -d ' ')
size=$(od -An -t u4 -j 32 -N 4 "$tmp/version.res" | tr -d ' ')
tail -c +$(( 32 + header + 1 )) "$tmp/version.res" | head -c "$size" >"$tmp/windres.bin"
cmp "$tmp/generated.bin" "$tmp/windres.bin"
# The executable holds the block at a 4-aligned offset.
offset=$(grep -obUaP "$(od -An -tx1 -N 38 "$tmp/generated.bin" | tr -d '\n' | sed 's/ /\\x/g')" "$tonik" | head -n1 | cut -d: -f1)
[ -n "$offset" ] || { echo "the block is not in $tonik" >&2; exit 1; }
[ $(( offset % 4 )) -eq 0 ] || { echo "the block sits at $offset, not 4-aligned" >&2; exit 1; }
echo "generator matches windres ($size bytes); executable holds it at $offset"
