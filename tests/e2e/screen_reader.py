"""What a screen reader hears of Tonik, through the real accessibility bus:
the tree of controls, and the events that Orca presents as the keyboard
drives Tonik (focus, the palette's cells, the announcements of a change:
a notification on Qt 6.4, an announcement on Qt 6.8)."""
import os
import subprocess
import sys
import time
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402
from a11y import pump  # noqa: E402

warnings.filterwarnings("ignore", category=DeprecationWarning)  # Atspi 2.46's get_action_name
TONIK = sys.argv[1]
heard = []  # (event type, source role, source name or announced text, detail1)
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)


def listen(event):
    try:
        role = event.source.get_role_name()
        name = event.any_data if event.type.startswith("object:announcement") else event.source.get_name()
    except GLib.Error:
        role, name = "?", "?"
    heard.append((event.type, role, name, event.detail1))


def keys(*names):
    """Presses the keys, then listens until the bus has been quiet a while."""
    heard.clear()
    subprocess.run(["xdotool", "key", "--delay", "80", *names], check=True)
    pump(0.5)
    deadline = time.monotonic() + 4
    while time.monotonic() < deadline:
        count = len(heard)
        pump(0.4)
        if heard and len(heard) == count:
            break


def focused():
    """The names of the objects that took the focus, in order."""
    return [name for kind, _, name, detail in heard if kind.startswith("object:state-changed:focused") and detail == 1]


def announcements():
    return [name for kind, role, name, detail in heard if kind.startswith("object:announcement") or
            (kind.startswith("object:state-changed:showing") and role == "notification" and detail == 1)]


def walk(node, found):
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            found.append(child)
            walk(child, found)


listener = Atspi.EventListener.new(listen)
for kind in ("object:state-changed:focused", "object:state-changed:showing", "focus:", "object:announcement",
             "object:property-change:accessible-name", "object:property-change:accessible-value"):
    listener.register(kind)

tonik = subprocess.Popen([TONIK], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
app = None
deadline = time.monotonic() + 20
while app is None and time.monotonic() < deadline:
    pump(0.2)
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        candidate = desktop.get_child_at_index(i)
        if candidate is not None and candidate.get_name() == "tonik":
            app = candidate
if app is None:
    tonik.kill()
    sys.exit("FAIL: Tonik is not on the accessibility bus")
subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^Tonik$", "windowfocus", "--sync"],
               check=False, timeout=20)
pump(1.0)

# The tree: every visible control with a role and one name, never the same
# text twice as name and description; each channel's value on its slider and
# in its field.
controls = []
walk(app, controls)
by_name = {}
for control in controls:
    name, description = control.get_name(), control.get_description()
    role = control.get_role_name()
    by_name.setdefault(name, []).append(control)
    check(name or role in ("dialog", "filler", "panel", "list item"), f"a {role} without a name")
    check(not name or name != description, f"'{name}' ({role}) is its own description")
sliders = {c.get_name(): c.get_value_iface().get_current_value() for c in controls
           if c.get_role_name() == "slider" and c.get_value_iface()}
# Through the Text interface's own function: at-spi 2.56's Accessible has a
# get_text() of its own that takes no range.
fields = {c.get_name(): Atspi.Text.get_text(c.get_text_iface(), 0, -1) for c in controls
          if c.get_role_name() == "text" and c.get_text_iface()}
check(len(sliders) == 3 and all(fields.get(name) == str(int(value)) for name, value in sliders.items()),
      f"the channels' values are {sliders} and {fields}")
palette = [c for c in controls if c.get_name() == "Web-safe palette"]
check(len(palette) == 1, "no palette")
if palette:
    cells = [palette[0].get_child_at_index(i) for i in range(palette[0].get_child_count())]
    check(len(cells) == 256, f"the palette has {len(cells)} cells")
    codes = {cell.get_name() for cell in cells}
    check(len(codes) == 216 and all(len(code) == 7 and code.startswith("#") for code in codes),
          f"the cells are not named by their codes: {sorted(codes)[:3]}")
sample = by_name.get("Sample", [None])[0]
check(sample is not None and "Swap" in [sample.get_action_name(i) for i in range(sample.get_n_actions())],
      "Sample has no Swap action")

# Tab to the pair: one focus event, on the checked button.
keys("Tab", "Tab", "Tab", "Tab", "Tab", "Tab")
heard_pair = focused()
check(heard_pair.count("Front") == 0 and heard_pair.count("Back") == 1,
      f"Tab into the pair was heard as {heard_pair}")

# Tab on to SAMPLE, the last stop; Space swaps the pair: the reader finds
# it in SAMPLE's description, and hears no contrast, which did not change.
for _ in range(12):
    keys("Tab")
    if focused()[-1:] == ["Sample"]:
        break
check(focused()[-1:] == ["Sample"], "Tab never reached SAMPLE")
keys("space")
check(sample.get_description() == "Text #FFFFFF on background #000000, contrast 21.00:1"
      and not any("Contrast" in n for n in announcements()),
      f"Space on SAMPLE was heard as {announcements()}, described as {sample.get_description()}")

# The palette, just before SAMPLE: each key is heard as the code of the cell
# it reaches; Shift+Enter picks, and the colour and the new contrast are heard.
keys("shift+Tab")
first = focused()
check(first[-1:] == ["#FFFFFF"], f"the palette's focus cell was heard as {first}")
moves = {}
for key in ("Right", "End", "Down", "Home"):
    keys(key)
    moves[key] = focused()
check(moves == {"Right": ["#CCCCCC"], "End": ["#000000"], "Down": ["#CC0033"], "Home": ["#99CC00"]},
      f"the keys were heard as {moves}")
keys("shift+Return")                # #99CC00 as the background of the white text
check(announcements() == ["Back #99CC00. Contrast 1.91 to 1. Fails AA, AA large, AAA, AAA large."],
      f"a palette pick was heard as {announcements()}")
keys("alt+x")
check(len(announcements()) == 1 and "Passes AA," in announcements()[0], f"Fix was heard as {announcements()}")


# Ctrl+Shift+D opens the Colour Vision view: a list of five rows, each named
# with its reader, ratio and verdicts, the first as the strip says it; it
# follows the pair while open.
def vision_rows():
    found = []
    walk(app, found)
    lists = [c for c in found if c.get_name() == "The pair as each reader sees it"]
    return [lists[0].get_child_at_index(i).get_name() for i in range(lists[0].get_child_count())] if lists else []


def strip_text():
    found = []
    walk(app, found)
    return next((c.get_name() for c in found if c.get_role_name() == "label" and c.get_name().startswith("Contrast")), "")


keys("ctrl+shift+d")
rows = vision_rows()
check([row.split(":")[0] for row in rows] == ["As it is", "Protanopia", "Deuteranopia", "Tritanopia", "Achromatopsia"]
      and rows[0] == "As it is: " + strip_text() and all(" to 1. " in row for row in rows),
      f"the Colour Vision view reads {rows}")
subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Tonik$", "windowfocus", "--sync"], check=False, timeout=20)
keys("alt+s")  # Safe: the edited colour moves to the web-safe palette
followed = vision_rows()
check(followed != rows and followed[:1] == ["As it is: " + strip_text()], f"the view did not follow: {followed}")

# Ended with the view open, Tonik opens it again next time.
keys("Escape")
tonik.wait(timeout=10)
settings = open(os.path.join(os.environ["XDG_CONFIG_HOME"], "Kavon", "tonik.conf")).read()
check("ShowVision=1" in settings, f"the open view was not remembered: {settings}")
tonik = subprocess.Popen([TONIK], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
reopened = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^Colour Vision$"],
                          capture_output=True, timeout=20, check=False)
check(reopened.returncode == 0, "the view did not open again")
tonik.terminate()
tonik.wait(timeout=10)
for failure in failures:
    print("FAIL:", failure)
print(f"screen reader: {'ok' if not failures else str(len(failures)) + ' failures'}")
sys.exit(1 if failures else 0)
