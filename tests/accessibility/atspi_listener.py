# A screen reader's view of the calculator: listens on the AT-SPI bus to the
# real window while keys are typed, and checks that the display that has the
# focus announces the result and then the reason for an "E", and that a
# notification appears with each (what screen readers speak: they keep quiet
# about text that changes right after a key, taking it for typing).
import subprocess
import sys
import threading
import time

import pyatspi
from gi.repository import GLib

heard = []  # (event type, name of the source, text, source focused)
notified = []  # names of the notifications that appeared


def on_event(event):
    try:
        source = event.source
        if event.type.startswith("object:state-changed:showing"):
            if event.detail1 and source.getRole() == pyatspi.ROLE_NOTIFICATION:
                notified.append(source.name)
            return
        focused = source.getState().contains(pyatspi.STATE_FOCUSED)
        heard.append((event.type, source.name, str(event.any_data), focused))
    except Exception:
        pass


def said(text):
    return [i for i, (_, name, data, focused) in enumerate(list(heard)) if focused and (text in name or text in data)]


def heard_enough():
    result = said("00:00:00.15") + said("IN, 15 frames, Drop Frame")
    reason = said("IN, error, Division by zero")
    in_order = bool(result) and bool(reason) and min(result) < max(reason)
    spoken = list(notified)
    return in_order and "15 frames, Drop Frame" in spoken and "error, Division by zero" in spoken \
        and spoken.index("15 frames, Drop Frame") < spoken.index("error, Division by zero")


def drive():
    time.sleep(2)
    for key in ["1", "2", "plus", "3", "Return", "1", "slash", "0", "Return"]:
        subprocess.run(["xdotool", "key", key], check=True)
        time.sleep(0.2)
    # A loaded machine may take its time: wait for what should come, within reason.
    deadline = time.time() + 30
    while time.time() < deadline and not heard_enough():
        time.sleep(0.2)
    GLib.idle_add(pyatspi.Registry.stop)


for kind in ["object:property-change:accessible-name", "object:text-changed:insert", "object:state-changed:showing"]:
    pyatspi.Registry.registerEventListener(on_event, kind)
threading.Thread(target=drive, daemon=True).start()
pyatspi.Registry.start()


for line in heard:
    print(line)
print("notifications:", notified)
if not heard_enough():
    print("the focused display and the notifications did not announce the result and then the reason for its E",
          file=sys.stderr)
    sys.exit(1)
print("heard: the result, then why the display shows E, from the display and as notifications")
