"""Walks one program's windows through the AT-SPI bus, as a screen reader
sees them: every page from the main page to the Results window, pressing
each page's default button through its accessible action, and a refusal's
message box. Lists each focusable control with its role and name, and
fails on an empty name, on a Results listing that is not read line by line,
and on a message box that is not announced as an alert.

Usage (inside a D-Bus session with the program running):
    accessibility_walk.py PROGRAM
"""

import sys
import time

import pyatspi

program = sys.argv[1]
faults = []

# What a person does, page by page: the button pressed on each window whose
# title starts with the key, and the text typed first into a named field.
FLOWS = {
    "tabrell": [("Tabrell", None, "Next >")],
    "verrick": [("Verrick", None, "Next >")],
    "ombrel": [("Ombrel", None, "Abrasion Level Details"), ("Abrasion", None, "OK"),
               ("Ombrel", None, "Next >")],
}
# A typed value every program refuses, and the field it goes in.
REFUSED = {"tabrell": ("Soil Density", "120,5"), "verrick": ("Cover", "12,5"),
           "ombrel": ("pH", "5,5")}


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


def walk_to_results():
    seen = set()
    steps = list(FLOWS[program])
    for _ in range(12):
        window = newest_window()
        if window is None:
            faults.append("no window shows")
            return
        list_window(window, seen)
        if (window.name or "").startswith("Results") or find(window, "push button", "Save As...") is not None:
            check_results(window)
            press(window, "OK")
            return
        step = next((s for s in steps if (window.name or "").startswith(s[0])), None)
        if step is not None:
            steps.remove(step)
            press(window, step[2])
        else:
            press(window, "Next >")
    faults.append("the Results window never came")


def check_refusal():
    label, text = REFUSED[program]
    window = newest_window()
    if window is None or not type_into(window, label, text):
        return
    press(window, "Next >")
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


walk_to_results()
time.sleep(0.5)
check_refusal()
for fault in faults:
    print(f"{program}: FAULT {fault}")
sys.exit(1 if faults else 0)
