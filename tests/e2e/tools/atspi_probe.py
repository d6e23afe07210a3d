# SPDX-FileCopyrightText: 2026 The Lumora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Reads one application's accessibility tree over AT-SPI, as a screen reader
# does, for the end-to-end tests. Run it with Debian's own interpreter
# (/usr/bin/python3, which has pyatspi) and under a timeout: a hung
# application blocks every call.
#
#   atspi_probe.py <pid> tree                  every object: depth, role, name, states
#   atspi_probe.py <pid> children <window>     role|name of the showing children of a window
#   atspi_probe.py <pid> has <role> <name>     status 0 when a showing object has them
#   atspi_probe.py <pid> press <role> <name>   does that object's "press" action
#   atspi_probe.py <pid> choose <item> <key>   presses <key> (xdotool) in the open menu until
#                                              <item> is active, then Enter; status 1 if it never is
#   atspi_probe.py <pid> hears <role> <name> <text>
#                                              types <text> (xdotool) into the focused field,
#                                              status 0 once the name change to <name> is
#                                              announced by a <role>; tries up to 5 times
#   atspi_probe.py <pid> unnamed <window>      prints the window's focusable, showing
#                                              controls without a name; status 1 if any
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

# Rows and cells of these say their own text; the view needs a name of its own.
ITEM_VIEWS = {pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_TREE, pyatspi.ROLE_LIST,
              pyatspi.ROLE_LIST_BOX}


def application(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def states(acc):
    s = acc.getState()
    return [name for name, state in (("showing", pyatspi.STATE_SHOWING), ("focusable", pyatspi.STATE_FOCUSABLE),
                                     ("focused", pyatspi.STATE_FOCUSED), ("selected", pyatspi.STATE_SELECTED))
            if s.contains(state)]


def walk(acc, depth=0, into_views=True):
    yield depth, acc
    if not into_views and acc.getRole() in ITEM_VIEWS:
        return
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        if child is not None:
            yield from walk(child, depth + 1, into_views)


def showing(acc):
    return acc.getState().contains(pyatspi.STATE_SHOWING)


def find(app, role, name):
    for _, acc in walk(app, into_views=False):
        if acc.getRoleName() == role and acc.name == name and showing(acc):
            return acc
    return None


def window(app, name):
    for i in range(app.childCount):
        w = app.getChildAtIndex(i)
        if w is not None and w.name == name and showing(w):
            return w
    return None


def choose(pid, item, key, keys=40):
    """Popup menus are no part of the application's tree: a screen reader
    follows them by the focus events of their items, and so does this."""
    state = {"active": None, "sent": 0, "since": 0.0, "waiting": False, "status": 1}

    def on_focus(event):
        try:
            if event.detail1 != 1 or event.source.getRole() != pyatspi.ROLE_MENU_ITEM:
                return
            if event.source.get_process_id() != pid:
                return
            state["active"] = event.source.name
            state["waiting"] = False
        except Exception:  # an item gone meanwhile
            pass

    def tick():
        # A key's focus event has up to a second to arrive.
        if state["waiting"] and time.monotonic() - state["since"] < 1.0:
            return True
        if state["active"] == item:
            subprocess.run(["xdotool", "key", "Return"], check=True)
            state["status"] = 0
        elif state["sent"] < keys:
            subprocess.run(["xdotool", "key", key], check=True)
            state["sent"] += 1
            state["since"] = time.monotonic()
            state["waiting"] = True
            return True
        else:
            print("'%s' never became active; last active: %s" % (item, state["active"]), file=sys.stderr)
        pyatspi.Registry.stop()
        return False

    pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
    GLib.timeout_add(20, tick)
    pyatspi.Registry.start()
    return state["status"]


def hears(pid, role, name, text, attempts=5):
    """A screen reader learns of a new name from the change's event. Qt sends
    events only for kinds someone listens to and learns of a new listener a
    moment later, so the text is typed again until the event comes."""
    state = {"typed": 0, "since": 0.0, "status": 1}

    def on_name(event):
        try:
            source = event.source
            if source.get_process_id() == pid and source.getRoleName() == role and source.name == name:
                state["status"] = 0
        except Exception:  # an object gone meanwhile
            pass

    def tick():
        if state["status"] == 0 or (state["typed"] >= attempts and time.monotonic() - state["since"] >= 1.0):
            pyatspi.Registry.stop()
            return False
        if state["typed"] == 0 or time.monotonic() - state["since"] >= 1.0:
            subprocess.run(["xdotool", "key", "ctrl+a", "BackSpace"], check=True)
            subprocess.run(["xdotool", "type", "--delay", "20", text], check=True)
            state["typed"] += 1
            state["since"] = time.monotonic()
        return True

    pyatspi.Registry.registerEventListener(on_name, "object:property-change:accessible-name")
    GLib.timeout_add(20, tick)
    pyatspi.Registry.start()
    return state["status"]


def main(argv):
    pid, command, args = int(argv[1]), argv[2], argv[3:]
    app = application(pid)
    if app is None:
        print("no application with process id %d" % pid, file=sys.stderr)
        return 2
    if command == "tree":
        for depth, acc in walk(app):
            print("%s%s|%s|%s" % ("  " * depth, acc.getRoleName(), acc.name, ",".join(states(acc))))
        return 0
    if command == "children":
        w = window(app, args[0])
        if w is None:
            return 2
        for i in range(w.childCount):
            child = w.getChildAtIndex(i)
            if child is not None and showing(child):
                print("%s|%s" % (child.getRoleName(), child.name))
        return 0
    if command == "has":
        return 0 if find(app, args[0], args[1]) else 1
    if command == "press":
        acc = find(app, args[0], args[1])
        if acc is None:
            print("no showing %s named '%s'" % (args[0], args[1]), file=sys.stderr)
            return 2
        action = acc.queryAction()
        names = [action.getName(i).lower() for i in range(action.nActions)]
        if "press" not in names:
            print("'%s' has no press action, only %s" % (args[1], names), file=sys.stderr)
            return 1
        return 0 if action.doAction(names.index("press")) else 1
    if command == "hears":
        return hears(pid, args[0], args[1], args[2])
    if command == "choose":
        return choose(pid, args[0], args[1])
    if command == "unnamed":
        w = window(app, args[0])
        if w is None:
            print("no showing window named '%s'" % args[0], file=sys.stderr)
            return 2
        unnamed = [acc for _, acc in walk(w, into_views=False)
                   if acc is not w and showing(acc) and acc.getState().contains(pyatspi.STATE_FOCUSABLE)
                   and not acc.name.strip()]
        for acc in unnamed:
            print("%s without a name" % acc.getRoleName())
        return 1 if unnamed else 0
    print("unknown command %s" % command, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
