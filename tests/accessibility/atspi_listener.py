# A screen reader's view of the calculator: listens on the AT-SPI bus to the
# real window while real keys are typed and checks, step by step, what a
# screen reader would say: the object that takes the focus (role, name,
# description) or a notification that appears (the announcer; screen readers
# keep quiet about text that changes right after a key, taking it for
# typing). Each step waits for what it expects, within a generous time, so a
# loaded machine slows the test down but does not fail it.
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

TIMEOUT = 30  # seconds a step may wait
focused = []  # (role, name, description) of each object that took the focus
notified = []  # names of the notifications that appeared
failures = []


def on_event(event):
    try:
        source = event.source
        if event.type.startswith("object:state-changed:showing"):
            if event.detail1 and source.getRole() == pyatspi.ROLE_NOTIFICATION:
                notified.append(source.name)
        elif event.detail1:
            focused.append((source.getRoleName(), source.name, source.description))
    except Exception:
        pass


def pump(seconds):
    end = time.time() + seconds
    while time.time() < end:
        while GLib.MainContext.default().iteration(False):
            pass
        time.sleep(0.02)


def focus(role, start, description=""):
    """The last object to take the focus has `role`, a name starting `start`, `description` in its description."""
    return lambda f, _: bool(f) and f[-1][0] == role and f[-1][1].startswith(start) and description in f[-1][2]


def says(words):
    return lambda _, n: words in n


def step(name, key_names, expected):
    first_focus, first_notified = len(focused), len(notified)
    for key in key_names:
        subprocess.run(["xdotool", "key", key], check=True)
        pump(0.15)
    deadline = time.time() + TIMEOUT
    while not expected(focused[first_focus:], notified[first_notified:]):
        if time.time() > deadline:
            failures.append(name)
            print(f"FAILED: {name}\n  focus: {focused[first_focus:]}\n  said: {notified[first_notified:]}", file=sys.stderr)
            return
        pump(0.1)
    print(f"heard: {name}")


for kind in ["object:state-changed:focused", "object:state-changed:showing"]:
    pyatspi.Registry.registerEventListener(on_event, kind)
# Keys typed before the window has joined the accessibility bus would go unheard.
deadline = time.time() + TIMEOUT
while time.time() < deadline and not any(app is not None and app.name == "quillet"
                                         for app in pyatspi.Registry.getDesktop(0)):
    pump(0.2)
pump(0.5)

step("a result, then why a display shows E", ["1", "2", "plus", "3", "Return", "1", "slash", "0", "Return"],
     lambda f, n: says("15 frames, Drop Frame")(f, n) and says("error, Division by zero")(f, n))
step("leaving the error, OUT shows 0", ["ctrl+2"], focus("text", "OUT, 0 frames, NTSC-ND"))
step("and so does every register derived from it", ["ctrl+r"],
     says("all registers: IN, 0 frames, Drop Frame; OUT, 0 frames, NTSC-ND; DURATION, 0 frames, NTSC frames"))
step("Down twice from IN reach OUT's display, which takes digits", ["ctrl+1", "Down", "Down"],
     focus("text", "OUT, 0 frames, NTSC-ND", "takes digits"))
step("5 Enter goes into OUT, where the focus is", ["5", "Return"], says("5 frames, NTSC-ND"))
step("Ctrl+R says all three registers", ["ctrl+r"],
     says("all registers: IN, 5 frames, Drop Frame; OUT, 5 frames, NTSC-ND; DURATION, 5 frames, NTSC frames"))
step("IN's display then names its own value only", ["Up", "Up"], focus("text", "IN, 5 frames, Drop Frame"))
step("Ctrl+M says the new mode", ["ctrl+m"], says("Mode: Editing"))
step("Ctrl+3 in Editing mode says why it is refused", ["ctrl+3"],
     says("DURATION cannot be selected: in Editing mode it is computed from IN and OUT"))
step("Ctrl+M back", ["ctrl+m"], says("Mode: Conversion"))
step("Ctrl+Z says the value it brings back", ["7", "ctrl+z"], says("IN, 5 frames, Drop Frame"))
step("Ctrl+Y too", ["ctrl+y"], says("IN, 7 frames, Drop Frame"))
step("Ctrl+C says what it copied", ["ctrl+c"], says("copied 00:00:00;07"))
step("Ctrl+T says the tape is shown", ["ctrl+t"], says("tape shown"))
step("F6 goes into the tape, on its newest line", ["F6"], focus("list item", "DURATION: 00000005, NTSC frames"))
step("F6 again comes back to the current display", ["F6"], focus("text", "IN, 7 frames"))
step("Ctrl+T says the tape is hidden", ["ctrl+t"], says("tape hidden"))
step("Left from the display reaches its radio button", ["Left"], focus("radio button", "Select IN"))
step("Up twice from there wraps round to the Home link, a link", ["Up", "Up"], focus("link", "Home"))
step("Shift+F10 k opens the shortcuts on their first row", ["ctrl+1", "shift+F10", "k"], focus("table cell", "0 to 9"))
step("Down reads the next rows", ["Down", "Down"], focus("table cell", "= or Enter"))
subprocess.run(["xdotool", "key", "Escape"], check=True)
# What a window manager does as a box closes (the test's X server has none).
subprocess.run(["xdotool", "windowfocus", os.environ["QUILLET_WINDOW"]], check=False)
pump(0.3)
step("About: Tab reaches the home page link", ["F1", "Tab"], focus("link", "Visit Quillet Home Page"))
subprocess.run(["xdotool", "key", "Escape"], check=True)

print("notifications:", notified)
if failures:
    print(f"{len(failures)} step(s) not heard: {failures}", file=sys.stderr)
    sys.exit(1)
print("heard every step")
