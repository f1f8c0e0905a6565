# Shared by the desktops' session starters (wayland/, gnome/, kde/) and the
# tests they run.

# session_begin DESKTOP: the session's folders and environment, for the
# desktop XDG_CURRENT_DESKTOP names.
session_begin() {
  log=$SESSION/log
  mkdir -p "$log"
  export XDG_RUNTIME_DIR=$SESSION/runtime HOME=$SESSION/home
  export XDG_CONFIG_HOME=$HOME/.config XDG_CURRENT_DESKTOP=$1 XDG_SESSION_TYPE=wayland
  mkdir -p "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME/xdg-desktop-portal"
  chmod 700 "$XDG_RUNTIME_DIR"
  unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
}

until_true() {  # until_true SECONDS COMMAND...: until the command succeeds, quietly
  local deadline=$(( SECONDS + $1 )); shift
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.05
  done
}

wait_for() {  # wait_for SECONDS COMMAND...: until_true, with the logs when it times out
  until_true "$1" "${@:2}" >/dev/null 2>&1 ||
    { echo "timed out waiting for: ${*:2}" >&2; tail -n 20 "$log"/* >&2; return 1; }
}

# start_bus session|system: a private bus of that role for the session.
start_bus() {
  local file=$SESSION/bus-$1
  dbus-daemon --session --nofork --print-address=3 3>"$file" >"$log/dbus-$1" 2>&1 &
  wait_for 10 test -s "$file"
  if [ "$1" = session ]; then
    export DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$file")
  else
    export DBUS_SYSTEM_BUS_ADDRESS=$(head -n1 "$file")
  fi
}

# has_owner NAME: whether a program owns the name on the session bus.
has_owner() {
  dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner "string:$1" | grep -q 'boolean true'
}

# The desktop portal started by the session answers with a Screenshot
# interface that can pick (asked once it owns its name: a call before would
# have the bus start a second one).
has_portal() {
  has_owner org.freedesktop.portal.Desktop &&
  dbus-send --session --print-reply --dest=org.freedesktop.portal.Desktop /org/freedesktop/portal/desktop \
    org.freedesktop.DBus.Properties.Get string:org.freedesktop.portal.Screenshot string:version | grep -q uint32
}

# needs WHAT COMMAND...: ends the session with status 77 (a skip), saying
# what is missing, unless every command is installed.
needs() {
  local what=$1 command
  shift
  for command in "$@"; do
    [ -n "$command" ] && { command -v "$command" || [ -x "$command" ]; } >/dev/null 2>&1 ||
      { echo "SKIP: $what is not installed here (no ${command:-fake-input client}); scripts/setup.sh installs it"; exit 77; }
  done
}

# The first of the paths given that exists (portal backends move between releases).
first_of() {
  local path
  for path in "$@"; do
    [ -x "$path" ] && { echo "$path"; return 0; }
  done
  echo "$1"
}
