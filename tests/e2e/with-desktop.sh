#!/usr/bin/env bash
# Runs a command in a headless desktop of its own with the desktop portal:
# sway (folder wayland/), GNOME Shell (gnome/) or KDE's KWin (kde/), each
# started by the session.sh of its folder, as an unprivileged user: sway
# refuses root, so as root the session runs as nobody. Arguments that name
# files are copied into the session first, so that its user can read them
# wherever the checkout lies. Everything the session started is ended
# afterwards.
#   with-desktop.sh wayland|gnome|kde command args...
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
desktop=$1
shift
session=$(mktemp -d "/tmp/tonik-$desktop.XXXXXX")
mkdir "$session/bin"
cp "$here/$desktop"/* "$here/session-lib.sh" "$session/bin/"
args=()
for arg in "$@"; do
  if [ -f "$arg" ]; then
    cp -p "$arg" "$session/bin/"
    arg=$session/bin/$(basename "$arg")
  fi
  args+=("$arg")
done
# The sanitizers' settings go along, their suppressions file copied in too.
passed=()
for name in ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS; do
  value=${!name:-}
  [ -n "$value" ] || continue
  if [[ "$value" =~ suppressions=([^:]+) ]] && [ -f "${BASH_REMATCH[1]}" ]; then
    cp "${BASH_REMATCH[1]}" "$session/bin/$name.supp"
    value=${value/${BASH_REMATCH[1]}/$session/bin/$name.supp}
  fi
  passed+=("$name=$value")
done
chmod -R a+rX "$session"
as=()
if [ "$(id -u)" -eq 0 ]; then
  chown -R nobody:nogroup "$session"
  as=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
status=0
# A process group of its own, so that the session's processes, and only
# those, are ended afterwards.
setsid "${as[@]}" env -i SESSION="$session" PATH="$PATH" LANG=C.UTF-8 "${passed[@]}" \
  bash "$session/bin/session.sh" "${args[@]}" &
group=$!
wait "$group" || status=$?
kill -TERM -- "-$group" 2>/dev/null || true
sleep 0.5
kill -KILL -- "-$group" 2>/dev/null || true
# 77: the desktop is not installed here, which its session.sh said.
[ "$status" -eq 0 ] || [ "$status" -eq 77 ] || { echo "session logs:" >&2; tail -n 15 "$session"/log/* >&2 || true; }
rm -rf "$session"
exit "$status"
