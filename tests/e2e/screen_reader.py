#!/usr/bin/python3
"""Prints what a screen reader finds in the program's windows, over AT-SPI:
one line per control, "window<TAB>role<TAB>name". With a window title as
the argument, only that window's controls."""
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


main()
