#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Zibbet developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Print the AT-SPI tree of one running application, as a screen reader sees it.

Usage: a11y-tree.py --pid PID [--timeout S] [--events S] [--press NAME]...

--pid      process id of the application (its AT-SPI "application" object)
--timeout  seconds to wait for it to appear with a window and a stable tree (default 20)
--events   after the dump (and the presses), print every AT-SPI event it sends for this many seconds
--press    two seconds into listening, run the first action of the first object of this name
           (repeatable), as a screen reader's "activate" does; the tree is printed again after
One line per object: role 'name' [desc='...'] [value=N] [actions=...] [states].
Exit status: 0 done, 2 the application never appeared, 3 hard time-out.
Needs the system Python (/usr/bin/python3), where python3-pyatspi lives.
"""
import argparse
import os
import signal
import sys
import time

import pyatspi
from gi.repository import GLib

# States a screen reader reports or uses to decide what to say; the rest are noise here.
SHOWN_STATES = [
    "active", "checkable", "checked", "default", "editable", "enabled", "expandable",
    "expanded", "focusable", "focused", "indeterminate", "modal", "multi_line", "pressed",
    "read_only", "resizable", "selectable", "selected", "sensitive", "showing", "visible",
]
STATE_CONSTS = [(n, getattr(pyatspi, "STATE_" + n.upper())) for n in SHOWN_STATES
                if hasattr(pyatspi, "STATE_" + n.upper())]


def alive(pid):
    """True while the process runs (a zombie waiting for its parent counts as gone)."""
    try:
        with open("/proc/%d/stat" % pid) as f:
            return f.read().rsplit(")", 1)[1].split()[0] != "Z"
    except OSError:
        return False


def find_app(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        try:
            app = desktop.getChildAtIndex(i)
            if app is not None and app.get_process_id() == pid:
                return app
        except Exception:  # an application that just left the bus
            continue
    return None


def describe(acc):
    parts = [acc.getRoleName(), repr(acc.name or "")]
    if acc.description:
        parts.append("desc=" + repr(acc.description))
    try:
        parts.append("value=%g" % acc.queryValue().currentValue)
    except NotImplementedError:
        pass
    try:
        act = acc.queryAction()
        names = [act.getName(i) for i in range(act.nActions)]
        if names:
            parts.append("actions=" + ",".join(names))
    except NotImplementedError:
        pass
    ss = acc.getState()
    parts.append("[" + " ".join(n for n, st in STATE_CONSTS if ss.contains(st)) + "]")
    return " ".join(parts)


def dump(acc, depth=0, lines=None, limit=3000):
    lines = [] if lines is None else lines
    if len(lines) >= limit:
        return lines
    lines.append("  " * depth + describe(acc))
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        if child is not None:
            dump(child, depth + 1, lines, limit)
    return lines


def find_by_name(acc, name):
    if (acc.name or "") == name:
        return acc
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        hit = find_by_name(child, name) if child is not None else None
        if hit is not None:
            return hit
    return None


def wait_for_app(pid, timeout):
    """The application once it has a window and two dumps 0.5 s apart agree."""
    deadline = time.monotonic() + timeout
    last = None
    while time.monotonic() < deadline and alive(pid):
        try:
            app = find_app(pid)
            if app is not None and app.childCount > 0:
                lines = dump(app)
                if lines == last:
                    return app, lines
                last = lines
        except Exception:  # objects come and go while the program starts
            last = None
        time.sleep(0.5)
    return None, None


EVENTS = [
    "object:state-changed", "object:property-change", "object:children-changed",
    "object:selection-changed", "object:value-changed", "object:text-changed",
    "object:active-descendant-changed", "object:announcement",
    "focus:", "window:activate", "window:deactivate", "window:create",
]


def listen(pid, seconds, press):
    def on_event(ev):
        try:
            if ev.host_application is None or ev.host_application.get_process_id() != pid:
                return
            src = ev.source
            who = "%s %r" % (src.getRoleName(), src.name) if src is not None else "?"
            data = ev.any_data
            if hasattr(data, "getRoleName"):
                data = "<%s %r>" % (data.getRoleName(), data.name)
            print("EVT %s (%s,%s) %s data=%r" % (ev.type, ev.detail1, ev.detail2, who, data), flush=True)
        except Exception:  # the object or the whole program went away meanwhile
            pass

    for name in EVENTS:
        pyatspi.Registry.registerEventListener(on_event, name)

    def do_press():
        app = find_app(pid)
        for name in press:
            target = find_by_name(app, name) if app is not None else None
            if target is None:
                print("PRESS %r: not found" % name, flush=True)
                continue
            print("PRESS %r" % name, flush=True)
            target.queryAction().doAction(0)
        return False

    def watch():
        if not alive(pid):
            pyatspi.Registry.stop()
            return False
        return True

    # The program learns of our listeners asynchronously: press only after a moment.
    GLib.timeout_add(2000, do_press)
    GLib.timeout_add(200, watch)
    GLib.timeout_add(2000 + int(seconds * 1000), lambda: pyatspi.Registry.stop() or False)
    pyatspi.Registry.start()


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--pid", type=int, required=True)
    ap.add_argument("--timeout", type=float, default=20)
    ap.add_argument("--events", type=float, default=0)
    ap.add_argument("--press", action="append", default=[])
    args = ap.parse_args()

    def give_up(*_):
        print("a11y-tree: timed out", file=sys.stderr)
        os._exit(3)
    signal.signal(signal.SIGALRM, give_up)
    signal.alarm(int(args.timeout + args.events + 20))

    app, lines = wait_for_app(args.pid, args.timeout)
    if app is None:
        print("a11y-tree: no accessible application with pid %d" % args.pid, file=sys.stderr)
        return 2
    print("\n".join(lines), flush=True)
    if args.events > 0 or args.press:
        listen(args.pid, max(args.events, 1), args.press)
    if args.press and alive(args.pid):
        print("--- after the presses", flush=True)
        print("\n".join(dump(find_app(args.pid))), flush=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
