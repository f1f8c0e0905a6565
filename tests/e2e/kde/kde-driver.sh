# How the dropper test drives KWin: scripts loaded through org.kde.kwin.Scripting
# (their print() lands in KWin's log), and clicks and keys through KWin's
# fake-input protocol ($FAKE_INPUT, tests/e2e/kde/FakeInput.c).

# kwin_script JS: runs the script; prints what it printed (with print()).
kwin_script() {
  local name file id
  name=tonik$RANDOM$RANDOM
  file=$SESSION/$name.js
  printf '%s\n' "$1" | sed "s/print(/print(\"$name \" + /g" >"$file"
  id=$(gdbus call --session --dest org.kde.KWin --object-path /Scripting \
    --method org.kde.kwin.Scripting.loadScript "$file" "$name" | sed -n 's/^(\([0-9-]*\),)$/\1/p')
  [ -n "$id" ] && [ "$id" -ge 0 ] || return 1
  # start() runs the scripts loaded and not yet running.
  gdbus call --session --dest org.kde.KWin --object-path /Scripting --method org.kde.kwin.Scripting.start >/dev/null
  sleep 0.2
  gdbus call --session --dest org.kde.KWin --object-path /Scripting \
    --method org.kde.kwin.Scripting.unloadScript "$name" >/dev/null
  grep -a "$name " "$SESSION/log/kwin" | sed "s/.*$name //" | grep .
}

# The windows, as KWin 5 and 6 name the list.
WINDOWS='(workspace.windowList ? workspace.windowList() : workspace.clientList())'

desktop_click() { "$FAKE_INPUT" click "$1" "$2" "$3"; }

desktop_escape() { "$FAKE_INPUT" key 1; }  # KEY_ESC

# desktop_picker_up: KWin tells nobody that its picker waits; it is up within a second.
desktop_picker_up() { sleep 1; }

# desktop_background '#RRGGBB': the whole background in one colour, as a layer surface.
desktop_background() {
  [ -z "${BACKGROUND_PID:-}" ] || kill "$BACKGROUND_PID" 2>/dev/null || true
  swaybg -c "$1" >/dev/null 2>&1 &
  BACKGROUND_PID=$!
  sleep 0.5
}

# desktop_window_rect TITLE: sets TX, TY, TW, TH of the window's client area (its frame in
# KWin 5, which gives a window without server-side decoration no other).
desktop_window_rect() {
  local rect
  rect=$(kwin_script "for (const w of $WINDOWS) if (w.caption === '$1') {
    const g = w.clientGeometry || w.frameGeometry; print(g.x + ' ' + g.y + ' ' + g.width + ' ' + g.height); }") || return 1
  read -r TX TY TW TH <<<"$rect"
}

# desktop_pixel X Y: what KWin's own colour picker answers at that pixel, '#RRGGBB'.
desktop_pixel() {
  local answer
  gdbus call --session --dest org.kde.KWin --object-path /ColorPicker --method org.kde.kwin.ColorPicker.pick \
    >"$SESSION/picked" 2>&1 &
  sleep 0.5
  desktop_click "$1" "$2" 1
  wait $! || return 1
  answer=$(sed -n 's/.*uint32 \([0-9]*\).*/\1/p' "$SESSION/picked")
  [ -n "$answer" ] || return 1
  printf '#%06X\n' $(( answer & 0xFFFFFF ))
}
