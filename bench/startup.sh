#!/usr/bin/env bash
# Start-up time to the first painted window, and resident memory one second
# later, of tonik, of a bare QDialog of the same size, and of that dialog with
# one line of text, interleaved, on a private Xvfb. Prints the medians and the
# ratios against each baseline.
#   bench/startup.sh BUILD_DIR [RUNS]
set -euo pipefail
build=$(cd "$1" && pwd)
runs=${2:-10}
here=$(cd "$(dirname "$0")" && pwd)
exec "$here/../tests/e2e/with-xvfb.sh" bash -c '
  set -euo pipefail
  build=$1 runs=$2
  # The bare dialog takes the size of Tonik'"'"'s window.
  "$build/tonik" & pid=$!
  win=$(xdotool search --sync --onlyvisible --name "^Tonik$" | head -n1)
  eval "$(xdotool getwindowgeometry --shell "$win")"
  kill $pid; wait $pid 2>/dev/null || true
  : >"$HOME/tonik.txt"; : >"$HOME/bare.txt"; : >"$HOME/text.txt"
  for i in $(seq "$runs"); do
    "$build/tonik_firstpaint" "$build/tonik" >>"$HOME/tonik.txt"
    "$build/tonik_firstpaint" "$build/tonik_bare_dialog" "$WIDTH" "$HEIGHT" >>"$HOME/bare.txt"
    "$build/tonik_firstpaint" "$build/tonik_bare_dialog" "$WIDTH" "$HEIGHT" --text >>"$HOME/text.txt"
  done
  median() { sort -n | awk "{ v[NR] = \$1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }"; }
  tt=$(cut -d" " -f1 "$HOME/tonik.txt" | median); bt=$(cut -d" " -f1 "$HOME/bare.txt" | median)
  tm=$(cut -d" " -f2 "$HOME/tonik.txt" | median); bm=$(cut -d" " -f2 "$HOME/bare.txt" | median)
  xt=$(cut -d" " -f1 "$HOME/text.txt" | median); xm=$(cut -d" " -f2 "$HOME/text.txt" | median)
  ratio() { awk -v a="$1" -v b="$2" "BEGIN { printf \"%.2f\", a / b }"; }
  echo "runs: $runs each, interleaved; window ${WIDTH}x${HEIGHT}"
  echo "first paint (ms): tonik $tt, bare dialog $bt (ratio $(ratio "$tt" "$bt")), with text $xt (ratio $(ratio "$tt" "$xt"))"
  echo "resident memory (kB): tonik $tm, bare dialog $bm (ratio $(ratio "$tm" "$bm")), with text $xm (ratio $(ratio "$tm" "$xm"))"
' startup "$build" "$runs"
