#!/usr/bin/python3
"""Prints what a screen reader finds in the program's windows, over AT-SPI:
one line per control, "window<TAB>role<TAB>name". With a window title as
the argument, only that window's controls.

As a screen reader acts, with no key and no click: "--set-text WINDOW NAME
TEXT" sets the whole text of the field named NAME; "--act WINDOW NAME
ACTION" runs its action of that name ("press", "toggle", "click",
whatever the toolkit calls it). Exits 1 when no such control or action.
"--active" prints the title of the window that has the keyboard, if any."""
import sys

import pyatspi

# Roles are told by their constant: the names the bus gives them change
# between AT-SPI releases ("push button" became "button"). These keep one
# name everywhere; any other role is printed as the bus names it.
ROLE_NAMES = {
    pyatspi.ROLE_TEXT: "text",
    pyatspi.ROLE_ENTRY: "entry",
    pyatspi.ROLE_PUSH_BUTTON: "push button",
    pyatspi.ROLE_CHECK_BOX: "check box",
    pyatspi.ROLE_RADIO_BUTTON: "radio button",
    pyatspi.ROLE_SLIDER: "slider",
    pyatspi.ROLE_SPIN_BUTTON: "spin button",
    pyatspi.ROLE_TOGGLE_BUTTON: "toggle button",
    pyatspi.ROLE_LABEL: "label",
}
WINDOW_ROLES = (pyatspi.ROLE_FRAME, pyatspi.ROLE_FILLER, pyatspi.ROLE_WINDOW, pyatspi.ROLE_DIALOG)


def walk(node, window, out):
    try:
        constant, name = node.getRole(), node.name or ""
        role = ROLE_NAMES.get(constant) or node.getRoleName()
        count = node.childCount
    except Exception:  # a control gone while it was read
        return
    if window is None and constant in WINDOW_ROLES:
        window = name
    elif window is not None:
        out.append(f"{window}\t{role}\t{name}")
    for i in range(count):
        walk(node.getChildAtIndex(i), window, out)


def control(window, name):
    """The control called NAME in the window whose title is WINDOW."""
    def search(node, inside):
        try:
            role, title, count = node.getRoleName(), node.name or "", node.childCount
        except Exception:
            return None
        if not inside and role in ("frame", "filler", "window", "dialog"):
            inside = title == window
            if not inside:
                return None
        elif inside and title == name:
            return node
        for i in range(count):
            found = search(node.getChildAtIndex(i), inside)
            if found is not None:
                return found
        return None
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        for j in range(app.childCount):
            found = search(app.getChildAtIndex(j), False)
            if found is not None:
                return found
    return None


def act(args):
    what, window, name = args[0], args[1], args[2]
    node = control(window, name)
    if node is None:
        sys.exit(f"no control «{name}» in «{window}»")
    if what == "--set-text":
        node.queryEditableText().setTextContents(args[3])
        return
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i).lower() == args[3].lower():
            action.doAction(i)
            return
    names = [action.getName(i) for i in range(action.nActions)]
    sys.exit(f"«{name}» has no action {args[3]} (only {names})")


def main():
    wanted = sys.argv[1] if len(sys.argv) > 1 else None
    desktop = pyatspi.Registry.getDesktop(0)
    lines = []
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        for j in range(app.childCount):
            walk(app.getChildAtIndex(j), None, lines)
    for line in lines:
        if wanted is None or line.split("\t", 1)[0] == wanted:
            print(line)


def active():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in (desktop.getChildAtIndex(i) for i in range(desktop.childCount)):
        for window in (app.getChildAtIndex(j) for j in range(app.childCount)):
            if window.getState().contains(pyatspi.STATE_ACTIVE):
                print(window.name)


if sys.argv[1:] == ["--active"]:
    active()
elif sys.argv[1:2] in (["--set-text"], ["--act"]):
    act(sys.argv[1:])
else:
    main()
