#!/usr/bin/python3
"""Prints what a screen reader finds in the program's windows, over AT-SPI:
one line per control, "window<TAB>role<TAB>name". With a window title as
the argument, only that window's controls."""
import sys

import pyatspi


def walk(node, window, out):
    try:
        role, name = node.getRoleName(), node.name or ""
        count = node.childCount
    except Exception:  # a control gone while it was read
        return
    if window is None and role in ("frame", "filler", "window", "dialog"):
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
