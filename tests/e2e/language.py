"""Tonik in German (LANG=de_DE.UTF-8), through the real process and the
accessibility bus: the dialog's and the window menu's names are German, their
Alt letters unique; what Copy As and Copy as CSS put on the clipboard, and
the lines --contrast prints for scripts, are the same as in English."""
import os
import subprocess
import sys
import time
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402
from a11y import pump  # noqa: E402

warnings.filterwarnings("ignore", category=DeprecationWarning)  # Atspi 2.46's get_action_iface
TONIK = sys.argv[1]
ENGLISH = {"Red", "Green", "Blue", "Front", "Back", "Safe", "Copy", "Fix", "Preview", "Dropper", "Sample",
           "Web-safe palette", "HTML Code", "Move", "Minimize", "Close", "Show Contrast", "Copy as CSS", "Copy As",
           "Paste Colour", "Colour Vision", "About Tonik..."}
failures = []
focused = []


def check(condition, what):
    if not condition:
        failures.append(what)


def listen(event):
    if event.detail1 == 1:
        focused.append(event.source)


def walk(node, found):
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            found.append(child)
            if child.get_role_name() != "list":  # not the palette's 256 cells
                walk(child, found)


def alt_letters(controls):
    """Each control's Alt letter, as its action's key binding says it."""
    letters = []
    for control in controls:
        action = control.get_action_iface()
        bindings = {action.get_key_binding(i) for i in range(action.get_n_actions())} if action else set()
        letters += [b[4:].lower() for b in bindings if b.startswith("Alt+")]
    return letters


def start(language):
    env = dict(os.environ, LANG=language, LANGUAGE="", LC_ALL="")
    tonik = subprocess.Popen([TONIK], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^Tonik$", "windowfocus", "--sync"],
                   check=False, timeout=20)
    pump(1.0)
    return tonik


def clipboard_after(*keys):
    subprocess.run(["xdotool", "key", "--delay", "300", *keys], check=True)
    time.sleep(0.5)
    return subprocess.run(["xclip", "-o", "-selection", "clipboard"], capture_output=True, text=True).stdout


Atspi.EventListener.new(listen).register("object:state-changed:focused")

# The English run first: what its copies put on the clipboard.
english = start("C.UTF-8")
copied_english = [clipboard_after("alt+space", "y", "o"), clipboard_after("alt+space", "s")]
english.terminate()
english.wait(timeout=10)

german = start("de_DE.UTF-8")
app = None
desktop = Atspi.get_desktop(0)
for i in range(desktop.get_child_count()):
    candidate = desktop.get_child_at_index(i)
    if candidate is not None and candidate.get_name() == "tonik":
        app = candidate
check(app is not None, "Tonik is not on the accessibility bus")
if app is not None:
    controls = []
    walk(app, controls)
    names = {control.get_name() for control in controls}
    check({"Rot", "Grün", "Blau", "Vorn", "Hinten", "Sicher", "Kopie", "Muster", "Vorschau", "Pipette",
           "Websichere Palette"} <= names and not names & ENGLISH, f"the dialog's names: {sorted(names)}")
    letters = alt_letters(controls)
    check(len(letters) >= 7 and len(letters) == len(set(letters)), f"the dialog's Alt letters: {letters}")
    contrast = [name for name in names if name.startswith("Kontrast ")]
    check(contrast == ["Kontrast 21,00 zu 1. Erfüllt AA, AA groß, AAA, AAA groß."], f"the strip says {contrast}")

    # The window menu, opened from the keyboard on its first entry.
    focused.clear()
    subprocess.run(["xdotool", "key", "alt+space"], check=True)
    pump(1.5)
    menu = focused[-1].get_parent() if focused else None
    entries = [menu.get_child_at_index(i) for i in range(menu.get_child_count())] if menu else []
    entry_names = [entry.get_name() for entry in entries if entry.get_role_name() != "separator"]
    check(entry_names[:3] == ["Verschieben", "Minimieren", "Schließen"] and not set(entry_names) & ENGLISH,
          f"the window menu: {entry_names}")
    menu_letters = alt_letters(entries)
    check(len(menu_letters) >= 6 and len(menu_letters) == len(set(menu_letters)), f"the menu's letters: {menu_letters}")
    subprocess.run(["xdotool", "key", "Escape"], check=True)
    pump(0.5)

copied_german = [clipboard_after("alt+space", "a", "o"), clipboard_after("alt+space", "c")]
check(copied_german == copied_english and copied_english[0].startswith("oklch(") and "background-color:" in
      copied_english[1], f"copied in German {copied_german}, in English {copied_english}")
german.terminate()
german.wait(timeout=10)

# The lines for scripts are English whatever the language.
lines = {language: subprocess.run([TONIK, "--contrast", "#777", "white", "--vision"], capture_output=True,
                                  text=True, env=dict(os.environ, LANG=language)).stdout
         for language in ("C.UTF-8", "de_DE.UTF-8", "fr_FR.UTF-8", "es_ES.UTF-8")}
check(len(set(lines.values())) == 1 and lines["C.UTF-8"].startswith("Contrast 4.47:1"), f"--contrast printed {lines}")

for failure in failures:
    print("FAIL:", failure)
print(f"language: {'ok' if not failures else str(len(failures)) + ' failures'}")
sys.exit(1 if failures else 0)
