#!/usr/bin/python3
"""Reads ZunpaS from outside over the accessibility bus, as a screen reader does.

tree            one JSON line per node of the game: role, name, description, states
focus SECONDS   "ready", then one JSON line per node of the game that gains the
                focus, until SECONDS have passed
"""
import json
import sys

import pyatspi
from gi.repository import GLib

APP = "ZunpaS"


def node_of(accessible):
    return {
        "role": accessible.getRoleName(),
        "name": accessible.name or "",
        "description": accessible.description or "",
        "states": sorted(pyatspi.stateToString(s) for s in accessible.getState().getStates()),
    }


def game():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == APP:
            return app
    sys.exit("no application named %s on the accessibility bus" % APP)


def print_tree(accessible):
    print(json.dumps(node_of(accessible), ensure_ascii=False), flush=True)
    for child in accessible:
        if child is not None:
            print_tree(child)


def print_focus(seconds):
    def on_focus(event):
        if event.detail1 == 1 and event.host_application and event.host_application.name == APP:
            print(json.dumps(node_of(event.source), ensure_ascii=False), flush=True)

    pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
    GLib.timeout_add(int(seconds * 1000), pyatspi.Registry.stop)
    GLib.idle_add(lambda: print("ready", flush=True) and False)
    pyatspi.Registry.start()


if __name__ == "__main__":
    if sys.argv[1:2] == ["tree"]:
        print_tree(game())
    elif sys.argv[1:2] == ["focus"] and len(sys.argv) == 3:
        print_focus(float(sys.argv[2]))
    else:
        sys.exit(__doc__)
