#!/usr/bin/env bash
# Brings i18n/tonik_*.ts up to date with the texts in Tonik's sources (Qt's
# lupdate): new texts come in unfinished, texts gone from the sources are
# marked obsolete. Then translate them with Qt Linguist (linguist) or any
# editor. A new language: scripts/update-translations.sh xx adds tonik_xx.ts.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
shopt -s nullglob
files=(i18n/tonik_*.ts)
for language in "$@"; do files+=("i18n/tonik_$language.ts"); done
"$lupdate" -locations none -no-ui-lines app color platform res ui version -ts "${files[@]}"
