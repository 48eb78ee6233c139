"""Walks one program's windows through the AT-SPI bus, as a screen reader
sees them: every page from the main page to the Results window, pressing
each page's default button through its accessible action, and a refusal's
message box. Lists each focusable control with its role and name, and
fails on an empty name, on a Results listing that is not read line by line,
and on a message box that is not announced as an alert.

Usage (inside a D-Bus session with the program running):
    accessibility_walk.py PROGRAM
"""

import subprocess
import sys
import time

import pyatspi

program = sys.argv[1]
faults = []

# The ways through each program: the main-page entries changed first (a list
# by its label and how many entries down it moves, or a field and its text;
# the main page keeps its values from one way to the next), then every page
# in turn with its default button pressed, up to the Results window.
FLOWS = {
    "tabrell": [[], [("Conditions/Criteria", -1), ("Shape and Profile", 1)],
                [("Conditions/Criteria", 2), ("Shape and Profile", 3)], [("Shape and Profile", 6)]],
    "verrick": [[], [("Structure Shape", 1), ("Design Method", 1)], [("Structure Shape", 1), ("Design Method", 1)],
                [("Structure Shape", -2), ("Design Method", 3), ("Cover", "6")]],
    "ombrel": [[]],
    "selector": [[], [("Structure Shape", 1), ("Design Method", 5)]],
}
# The button that goes on from a page, where it is not "Next >".
FORWARD = {"Ombrel": "Next...", "Abrasion Level Details": "OK"}
# A typed value each program refuses, and the field it goes in.
REFUSED = {"tabrell": ("Soil Density (pcf)", "120,5"), "verrick": ("Cover", "12,5"),
           "ombrel": ("pH", "5,5"), "selector": ("pH", "5,5")}


def application():
    for _ in range(40):
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and (app.name or "").lower() == program:
                return app
        time.sleep(0.25)
    sys.exit(f"{program}: not on the accessibility bus")


def children(node):
    try:
        return [child for child in node if child is not None]
    except Exception:  # a window closing while it is read
        return []


def showing(node):
    try:
        return node.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def windows():
    return [w for w in children(application()) if showing(w)]


def labelled_by(node):
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            for i in range(relation.getNTargets()):
                target = relation.getTarget(i)
                if target is not None and target.name:
                    return target.name
    return ""


def controls(node):
    """The focusable controls under node, with a combo box's popup left out."""
    for child in children(node):
        role = child.getRoleName()
        if child.getState().contains(pyatspi.STATE_FOCUSABLE) and role != "list item":
            yield child
        if role != "combo box":
            yield from controls(child)


def spoken_name(control):
    # A combo box's name is its current entry; its label comes through the
    # labelled-by relation, as a screen reader reads it.
    if control.getRoleName() == "combo box":
        return labelled_by(control)
    return control.name or labelled_by(control)


def list_window(window, seen):
    title = window.name or "?"
    if title in seen:
        return
    seen.add(title)
    for control in controls(window):
        name = spoken_name(control)
        print(f"{program}: {title[:28]:28} {control.getRoleName():14} {name!r}")
        if not name.strip():
            faults.append(f"{title}: a {control.getRoleName()} without a name")


def find(node, role, name):
    for child in children(node):
        if child.getRoleName() == role and (name is None or spoken_name(child) == name):
            return child
        found = find(child, role, name)
        if found is not None:
            return found
    return None


def press(window, text):
    button = find(window, "push button", text)
    if button is None:
        faults.append(f"{window.name}: no button {text!r}")
        return False
    button.queryAction().doAction(0)
    time.sleep(0.6)
    return True


def type_into(window, label, text):
    field = find(window, "text", label)
    if field is None:
        faults.append(f"{window.name}: no field {label!r}")
        return False
    editable = field.queryEditableText()
    editable.setTextContents(text)
    return True


def newest_window():
    shown = windows()
    return shown[-1] if shown else None


def check_results(window):
    listing = find(window, "list", None)
    items = [c for c in children(listing)] if listing is not None else []
    lines = [c for c in items if c.getRoleName() == "list item"]
    print(f"{program}: {window.name[:28]:28} list           {len(lines)} lines")
    if len(lines) < 5:
        faults.append(f"{window.name}: the report is not read line by line ({len(lines)} items)")


def choose(window, label, downs):
    """Moves a list `downs` entries down (up when negative) by the keyboard."""
    time.sleep(0.5)
    combo = find(window, "combo box", label)
    if combo is None:
        faults.append(f"{window.name}: no list {label!r}")
        return
    # Tab to it, as a keyboard user does.
    for _ in range(16):
        if combo.getState().contains(pyatspi.STATE_FOCUSED):
            break
        subprocess.run(["xdotool", "key", "Tab"], check=True)
        time.sleep(0.15)
    else:
        faults.append(f"{window.name}: Tab never reaches {label!r}")
        return
    for _ in range(abs(downs)):
        subprocess.run(["xdotool", "key", "Down" if downs > 0 else "Up"], check=True)
        time.sleep(0.1)
    time.sleep(0.5)
    print(f"{program}: {window.name[:28]:28} chosen         {label}: {combo.name!r}")


def walk_to_results(changes, seen):
    window = newest_window()
    for label, change in changes:
        if isinstance(change, str):
            type_into(window, label, change)
        else:
            choose(window, label, change)
    if program == "ombrel" and press(window, "More Info..."):  # the one box a main page opens
        list_window(newest_window(), seen)
        press(newest_window(), "OK")
    for _ in range(12):
        window = newest_window()
        if window is None:
            faults.append("no window shows")
            return
        list_window(window, seen)
        if find(window, "push button", "Save As...") is not None:
            check_results(window)
            press(window, "OK")
            if program == "ombrel":
                time.sleep(0.3)
            return
        press(window, FORWARD.get(window.name, "Next >"))
    faults.append("the Results window never came")


def check_refusal():
    label, text = REFUSED[program]
    window = newest_window()
    if window is None or not type_into(window, label, text):
        return
    press(window, FORWARD.get(window.name, "Next >"))
    boxes = [w for w in windows() if w.getRoleName() == "alert"]
    if not boxes:
        roles = [w.getRoleName() for w in windows()]
        faults.append(f"a refused {label} brings no alert (windows: {roles})")
        return
    box = boxes[-1]
    words = " ".join(c.name for c in children(box) if c.getRoleName() == "label" and c.name)
    print(f"{program}: {'message box':28} alert          {(box.name + ': ' + words)!r}")
    if text not in words:
        faults.append(f"the message box does not read the refused text: {words!r}")
    press(box, "OK")


seen = set()
for changes in FLOWS[program]:
    walk_to_results(changes, seen)
    time.sleep(0.5)
check_refusal()
for fault in faults:
    print(f"{program}: FAULT {fault}")
sys.exit(1 if faults else 0)
