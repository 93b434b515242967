# A screen reader's view of the calculator: listens on the AT-SPI bus to the
# real window while real keys are typed, and checks, step by step, that what
# a screen reader would say comes: from the object that takes the focus (its
# role, name and description) or from a notification that appears (the
# announcer; screen readers keep quiet about text that changes right after a
# key, taking it for typing). Each step waits for what it expects, within a
# generous time, so a loaded machine slows the test down but does not fail it.
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

TIMEOUT = 30  # seconds a step may wait for what it should bring

focused = []  # (role, name, description, states) of each object that took the focus
notified = []  # names of the notifications that appeared


def on_event(event):
    try:
        source = event.source
        if event.type.startswith("object:state-changed:showing"):
            if event.detail1 and source.getRole() == pyatspi.ROLE_NOTIFICATION:
                notified.append(source.name)
        elif event.type.startswith("object:state-changed:focused") and event.detail1:
            states = source.getState()
            focused.append((source.getRoleName(), source.name, source.description,
                            {"read only": states.contains(pyatspi.STATE_READ_ONLY),
                             "editable": states.contains(pyatspi.STATE_EDITABLE)}))
    except Exception:
        pass


def pump(seconds):
    context = GLib.MainContext.default()
    end = time.time() + seconds
    while time.time() < end:
        while context.iteration(False):
            pass
        time.sleep(0.02)


def keys(*names):
    for name in names:
        subprocess.run(["xdotool", "key", name], check=True)
        pump(0.15)


def calculator_takes_keys():
    # What a window manager does when a box over the calculator closes (the
    # test's X server has none).
    subprocess.run(["xdotool", "windowfocus", os.environ["QUILLET_WINDOW"]], check=False)
    pump(0.3)


def focus_is(role, start, description=None):
    def check(new_focus, _):
        return any(r == role and n.startswith(start) and (description is None or description in d)
                   for r, n, d, _ in new_focus)
    return check


def last_focus_is(role, start):
    def check(new_focus, _):
        return bool(new_focus) and new_focus[-1][0] == role and new_focus[-1][1].startswith(start)
    return check


def says(words):
    def check(_, new_notified):
        return words in new_notified
    return check


def all_of(*checks):
    return lambda new_focus, new_notified: all(c(new_focus, new_notified) for c in checks)


failures = []


def step(name, key_names, expected, forbidden=None):
    """Presses the keys, then waits until `expected` holds over what came since."""
    first_focus, first_notified = len(focused), len(notified)
    keys(*key_names)
    deadline = time.time() + TIMEOUT
    while True:
        new_focus, new_notified = focused[first_focus:], notified[first_notified:]
        if expected(new_focus, new_notified):
            break
        if time.time() > deadline:
            failures.append(name)
            print(f"FAILED: {name}\n  focus: {new_focus}\n  said: {new_notified}", file=sys.stderr)
            return
        pump(0.1)
    if forbidden is not None and forbidden(new_focus, new_notified):
        failures.append(name)
        print(f"FAILED (heard what it should not): {name}\n  focus: {new_focus}\n  said: {new_notified}",
              file=sys.stderr)
        return
    print(f"heard: {name}")


for kind in ["object:state-changed:focused", "object:state-changed:showing"]:
    pyatspi.Registry.registerEventListener(on_event, kind)
pump(1.5)

# Results and errors, as before: IN is current and has the focus.
step("a result and why a display shows E", ["1", "2", "plus", "3", "Return", "1", "slash", "0", "Return"],
     all_of(says("15 frames, Drop Frame"), says("error, Division by zero")))
# Leaving the division by zero: no register keeps an E derived from it.
step("every register follows once the error is left", ["ctrl+2"], focus_is("text", "OUT, 0 frames, NTSC-ND"))
step("...DURATION too", ["ctrl+r"],
     says("all registers: IN, 0 frames, Drop Frame; OUT, 0 frames, NTSC-ND; DURATION, 0 frames, NTSC frames"))
# The focused display takes digits, and where the focus is, the digits go.
step("Ctrl+1 then Down twice reach OUT's display, which says it takes digits", ["ctrl+1", "Down", "Down"],
     focus_is("text", "OUT, 0 frames, NTSC-ND", "takes digits"))
step("5 Enter goes into OUT", ["5", "Return"], says("5 frames, NTSC-ND"))
# Ctrl+R says the three values once; names follow the values.
step("Ctrl+R says all three registers", ["ctrl+r"],
     says("all registers: IN, 5 frames, Drop Frame; OUT, 5 frames, NTSC-ND; DURATION, 5 frames, NTSC frames"))
step("then IN's display is named with its own value", ["Up", "Up"], last_focus_is("text", "IN, 5 frames, Drop Frame"),
     forbidden=lambda f, _: any("all registers" in n for _, n, _, _ in f))
# The window's commands say what they did.
step("Ctrl+M says the new mode", ["ctrl+m"], says("Mode: Editing"))
step("Ctrl+3 in Editing mode says why it is refused", ["ctrl+3"],
     says("DURATION cannot be selected: in Editing mode it is computed from IN and OUT"))
step("Ctrl+M back", ["ctrl+m"], says("Mode: Conversion"))
step("Ctrl+Z says the value it brings back", ["7", "ctrl+z"], says("IN, 5 frames, Drop Frame"))
step("Ctrl+Y too", ["ctrl+y"], says("IN, 7 frames, Drop Frame"))
step("Ctrl+C says what it copied", ["ctrl+c"], says("copied 00:00:00;07"))
step("Ctrl+T says the tape is shown", ["ctrl+t"], says("tape shown"))
# Into the tape and back: the current line is read on entry.
step("F6 goes into the tape, on its newest line", ["F6"], last_focus_is("list item", "DURATION: 00000005, NTSC frames"))
step("F6 again comes back to the current display", ["F6"], last_focus_is("text", "IN, 7 frames"))
step("Ctrl+T says the tape is hidden", ["ctrl+t"], says("tape hidden"))
# Every control is reached with the arrows: the radio buttons, the Home link.
step("Left from the display reaches its radio button", ["Left"], last_focus_is("radio button", "Select IN"))
step("Up twice from there wraps round to the Home link, a link", ["Up", "Up"], last_focus_is("link", "Home"))
# The shortcuts list: rows the arrows walk, each heard.
step("Shift+F10 k opens the shortcuts on their first row", ["ctrl+1", "shift+F10", "k"],
     focus_is("table cell", "0 to 9"))
step("Down reads the next rows", ["Down", "Down"], last_focus_is("table cell", "= or Enter"))
keys("Escape")
calculator_takes_keys()
# The About box's link is in its Tab order.
step("About: Tab reaches the home page link", ["F1", "Tab"], last_focus_is("link", "Visit Quillet Home Page"))
keys("Escape")

print("notifications:", notified)
if failures:
    print(f"{len(failures)} step(s) not heard: {failures}", file=sys.stderr)
    sys.exit(1)
print("heard every step")
