#!/usr/bin/env bash
# Builds the package of the last commit twice, from two clones in two
# folders, and checks that the two .deb files are the same, byte for byte.
#   scripts/check-reproducible.sh
set -euo pipefail
cd "$(dirname "$0")/.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
commit=$(git rev-parse HEAD)  # both of this commit, whatever is committed meanwhile
for clone in first second; do
  git clone -q . "$work/$clone"
  git -C "$work/$clone" checkout -q "$commit"
  "$work/$clone/scripts/package.sh" "$work/$clone-out" "$work/$clone-build" >/dev/null
done
sha256sum "$work"/first-out/*.deb "$work"/second-out/*.deb
[ "$(sha256sum <"$work"/first-out/*.deb)" = "$(sha256sum <"$work"/second-out/*.deb)" ] ||
  { echo "the two builds differ" >&2; exit 1; }
echo "reproducible: one hash for two builds"
