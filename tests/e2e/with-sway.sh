#!/usr/bin/env bash
# Runs a command in a headless sway desktop of its own (Wayland, Xwayland,
# the desktop portal with the wlr backend): with-desktop.sh wayland.
exec "$(dirname "$0")/with-desktop.sh" wayland "$@"
