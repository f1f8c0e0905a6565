#!/usr/bin/env bash
# Fails when a text Tonik shows or speaks is missing from a language it ships:
# lupdate brings a copy of each i18n/tonik_LANG.ts up to date with the
# sources, and lrelease's own report must count no unfinished entry and
# ignore no untranslated one.
#   translations_complete.sh SOURCE_DIR LUPDATE LRELEASE
set -euo pipefail
src=$1 lupdate=$2 lrelease=$3
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cp "$src"/i18n/tonik_*.ts "$tmp"/
cd "$src"
"$lupdate" -locations none -no-ui-lines app color platform res ui version -ts "$tmp"/tonik_*.ts >/dev/null
status=0
for ts in "$tmp"/tonik_*.ts; do
  report=$("$lrelease" "$ts" -qm "$tmp/check.qm")
  if ! grep -q ' 0 unfinished)' <<<"$report" || grep -q 'untranslated' <<<"$report"; then
    echo "FAIL: $(basename "$ts") has texts without a translation: $(tr '\n' ' ' <<<"$report")"
    grep -B1 'type="unfinished"' "$ts" | grep '<source>' | sed 's/^ */  /'
    status=1
  fi
done
[ "$status" -eq 0 ] && echo "translations: complete"
exit "$status"
