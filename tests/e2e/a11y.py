"""What the tests that listen on the accessibility bus share."""
import time

from gi.repository import GLib


def pump(seconds):
    """Delivers the bus's events to the listeners for a while."""
    end = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while time.monotonic() < end:
        while context.pending():
            context.iteration(False)
        time.sleep(0.01)
