"""What a blind user hears of Tonik: the real Orca on the test's buses,
Tonik driven from the keyboard a key at a time, and Orca's speech read from
its debug log once the log is still after each key."""
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

TONIK = sys.argv[1]
failures = []

# Orca refuses to start while a process named orca runs for this user, and
# --replace kills them all: the test's Orca skips that check instead. Key
# echo is off, so that the log holds what Tonik made Orca say, and the log
# is written a line at a time, so that it is still when Orca is.
ORCA = r"""
import builtins, runpy, sys
script = runpy.run_path("/usr/bin/orca", run_name="orca_script")
script["main"].__globals__["otherOrcas"] = lambda: []
script["main"].__globals__["open"] = lambda name, mode: builtins.open(name, mode, buffering=1)
parse = script["Parser"].parse_known_args
def quiet_keys(self, *args, **kwargs):
    options, invalid = parse(self, *args, **kwargs)
    options.settings = dict(getattr(options, "settings", None) or {}, enableKeyEcho=False)
    return options, invalid
script["Parser"].parse_known_args = quiet_keys
sys.argv = ["orca", "--debug-file=" + sys.argv[1]]
sys.exit(script["main"]())
"""
SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*?)'(?: |\{|$)")


def check(condition, what):
    if not condition:
        failures.append(what)


def speech(log, start):
    with open(log, encoding="utf-8", errors="replace") as f:
        f.seek(start)
        text = f.read()
    return [m.group(1) for m in SPOKEN.finditer(text)]


def still(log, quiet=1.5, limit=10.0):
    """Waits until Orca's log has not grown for `quiet` seconds."""
    end = time.monotonic() + limit
    size, since = -1, time.monotonic()
    while time.monotonic() < end:
        now = os.path.getsize(log)
        if now != size:
            size, since = now, time.monotonic()
        elif time.monotonic() - since >= quiet:
            break
        time.sleep(0.1)
    return size


def step(log, *keys, typed=None, until=None):
    """Presses the keys (or types the text), returns what Orca said once its
    log is still and, on a busy machine, what `until` waits for was said."""
    start = still(log)
    if typed is not None:
        subprocess.run(["xdotool", "type", "--delay", "200", typed], check=True)
    for key in keys:
        subprocess.run(["xdotool", "key", key], check=True)
        time.sleep(0.3)
    deadline = time.monotonic() + 15
    while True:
        time.sleep(0.3)
        still(log)
        said = speech(log, start)
        if until is None or until(said) or time.monotonic() > deadline:
            break
    # No step says a text twice, nor the contrast twice.
    check(len(said) == len(set(said)), f"{keys or typed} said a text twice: {said}")
    check(sum(s.count("Contrast") for s in said) <= 1, f"{keys or typed} said the contrast twice: {said}")
    check(not any(s.startswith(" ") for s in said), f"{keys or typed} said a name with a space: {said}")
    return said


def contrasts(said):
    return [s for s in said if "Contrast" in s]


folder = tempfile.mkdtemp()
log = os.path.join(folder, "orca.log")
orca = subprocess.Popen(["/usr/bin/python3", "-c", ORCA, log], stdout=subprocess.DEVNULL,
                        stderr=subprocess.DEVNULL, start_new_session=True)
tonik = None
try:
    deadline = time.monotonic() + 40
    while time.monotonic() < deadline and not (os.path.exists(log) and speech(log, 0)):
        time.sleep(0.2)
    check(os.path.exists(log) and speech(log, 0), "Orca did not speak")
    before = still(log)
    tonik = subprocess.Popen([TONIK], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^Tonik$", "windowfocus", "--sync"],
                   check=False, timeout=30)
    still(log)
    opening = speech(log, before)
    check(any(s.startswith("Red slider") for s in opening), f"the first focus was heard as {opening}")

    # Fields are read whole (the background, white, is edited).
    said = step(log, "Tab", until=lambda said: "255 selected." in said)
    check("255 selected." in said, f"the Red field was heard as {said}")
    said = step(log, "alt+h", "Tab", until=lambda said: "#FFFFFF selected." in said)
    check("#FFFFFF selected." in said, f"the HTML code field was heard as {said}")

    # A code typed a key at a time: each change of the ratio once; typed at
    # a normal speed: once, at the end.
    step(log, "numbersign")
    for key in ("7", "7", "7"):
        said = step(log, key, until=contrasts)
        check(len(contrasts(said)) == 1, f"typing {key} was heard as {said}")
    step(log, "ctrl+a")
    said = step(log, typed="#336699", until=contrasts)
    check(len(contrasts(said)) == 1, f"a code typed at a normal speed was heard as {said}")

    # Fix says the colour it made and the new ratio, in one utterance, and
    # not the dialog around it.
    said = step(log, "alt+x", until=contrasts)
    check(len(said) == 1 and re.match(r"(notification )?Back #[0-9A-F]{6}\. Contrast ", said[0]),
          f"Fix was heard as {said}")

    # A letter's choice is said, the unchanged ratio is not.
    said = step(log, "alt+f", until=lambda said: any("Front #" in s for s in said))
    check(any("Front #000000" in s for s in said) and not contrasts(said), f"Alt+F was heard as {said}")
    said = step(log, "alt+k", until=lambda said: any("Back #" in s for s in said))
    check(any("Back #" in s for s in said) and not contrasts(said), f"Alt+K was heard as {said}")
    step(log, "shift+Tab", "shift+Tab")
    for key in ("Up", "Down"):
        said = step(log, key, until=bool)
        check(said and not contrasts(said), f"{key} in the pair was heard as {said}")

    # On to Pal, which says what it opens, and the palette; a pick says the
    # cell's colour and the ratio.
    heard = []
    for _ in range(8):
        said = step(log, "Tab", until=bool)
        heard += said
        if any(re.match(r"#[0-9A-F]{6}\.?$", s) for s in said):
            break
    check(any("Opens the colour chooser with the custom colours" in s for s in heard), f"Pal was heard as {heard}")
    step(log, "Right")
    said = step(log, "shift+Return", until=contrasts)
    check(len(said) == 1 and re.match(r"(notification )?Back #[0-9A-F]{6}\. Contrast ", said[0]),
          f"a palette pick was heard as {said}")
    step(log, "Tab")
    said = step(log, "space", until=lambda said: any(s.count("#") == 2 for s in said))
    # A swap: the two colours, from the announcement (Qt 6.4) or from SAMPLE's
    # description (Qt 6.8 tells its change); the unchanged ratio is not announced.
    check(len(said) == 1 and said[0].count("#") == 2 and not contrasts(said), f"a swap was heard as {said}")

    said = step(log, "alt+space", until=lambda said: any(s.startswith("Move") for s in said))
    check(any(s.startswith("Move") for s in said), f"the window menu was heard as {said}")
    step(log, "Escape")
    subprocess.run(["xdotool", "key", "Escape"], check=True)
    tonik.wait(timeout=20)
finally:
    if tonik is not None and tonik.poll() is None:
        tonik.kill()
    os.killpg(orca.pid, signal.SIGTERM)
    try:
        orca.wait(timeout=10)
    except subprocess.TimeoutExpired:
        os.killpg(orca.pid, signal.SIGKILL)
        orca.wait()

for failure in failures:
    print("FAIL:", failure)
if failures:
    print("Orca's log:", log)
else:
    shutil.rmtree(folder)
print(f"orca speech: {'ok' if not failures else str(len(failures)) + ' failures'}")
sys.exit(1 if failures else 0)
