# How the dropper test drives GNOME Shell: JavaScript through org.gnome.Shell.Eval
# (unsafe mode), with the Clutter virtual devices that session.sh made.

# shell_eval JS: prints what the JavaScript gives; fails when it throws.
shell_eval() {
  local reply
  reply=$(gdbus call --session --dest org.gnome.Shell --object-path /org/gnome/Shell \
    --method org.gnome.Shell.Eval "$1") || return 1
  [[ "$reply" == "(true, "* ]] || { echo "$reply" >&2; return 1; }
  reply=${reply#"(true, '"}
  reply=${reply%"')"}
  reply=${reply#\"}                      # a string comes as JSON
  printf '%s\n' "${reply%\"}"
}

# desktop_click X Y BUTTON (1 left, 3 right): in the stage's coordinates; a
# move, then the press and the release, each an event of its own, a moment
# apart.
desktop_click() {
  pointer "notify_absolute_motion(now(), $1, $2)"
  sleep 0.3
  pointer "notify_button(now(), $3, imports.gi.Clutter.ButtonState.PRESSED)"
  pointer "notify_button(now(), $3, imports.gi.Clutter.ButtonState.RELEASED)"
}
pointer() {
  shell_eval "const now = () => imports.gi.GLib.get_monotonic_time(); global._tonikPointer.$1; true" >/dev/null
  sleep 0.05
}

desktop_escape() {
  local state
  for state in PRESSED RELEASED; do
    shell_eval "global._tonikKeyboard.notify_keyval(imports.gi.GLib.get_monotonic_time(),
      imports.gi.Clutter.KEY_Escape, imports.gi.Clutter.KeyState.$state); true" >/dev/null
    sleep 0.05
  done
}

# desktop_picker_up: whether the shell's colour picker waits for a click (it
# holds the shell's modal grab meanwhile).
desktop_picker_up() {
  [ "$(shell_eval 'Main.modalCount > 0')" = true ]
}

# desktop_background '#RRGGBB': the whole background in one colour.
desktop_background() {
  shell_eval "
    new imports.gi.Gio.Settings({schema_id: 'org.gnome.desktop.background'}).set_string('primary-color', '$1');
    true" >/dev/null
  sleep 0.5
}

# desktop_window_rect TITLE: sets TX, TY, TW, TH of the window's frame, once
# the window is active. A window started from a shell without a launch token
# is not activated by the shell, and a click on it only activates it; the
# test activates it, as a user's first click would.
desktop_window_rect() {
  local rect
  rect=$(shell_eval "
    const w = global.get_window_actors().map(a => a.meta_window).find(w => w.get_title() === '$1');
    if (!w.has_focus()) {
      Main.activateWindow(w);
      throw new Error('not active yet');
    }
    const r = w.get_frame_rect(); [r.x, r.y, r.width, r.height].join(' ')" 2>/dev/null) || return 1
  read -r TX TY TW TH <<<"$rect"
}

# desktop_pixel X Y: the colour the desktop shows there, '#RRGGBB' (the background's).
desktop_pixel() {
  shell_eval "new imports.gi.Gio.Settings({schema_id: 'org.gnome.desktop.background'}).get_string('primary-color')"
}
