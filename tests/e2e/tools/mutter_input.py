#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Lumora developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Real pointer and keyboard input on mutter, through its RemoteDesktop and
ScreenCast interfaces on the session bus.

A remote-desktop session lives as long as the D-Bus connection that made it,
so this stays running and takes its commands one per line on stdin:

    move X Y                       pointer to a point of the screen
    glide X0 Y0 X1 Y1 STEPS MS     pointer along a line, one event per MS ms
    down | up | click | dblclick   the left button
    key KEYSYM                     press and release (a name or a number)
    type TEXT                      the rest of the line, printable ASCII

It prints "ready" once input can flow, then "ok" after each command (or
"error <why>"), so that a shell can wait for each step to be done.
"""
import sys
import time

from gi.repository import Gio, GLib

RD_BUS = "org.gnome.Mutter.RemoteDesktop"
SC_BUS = "org.gnome.Mutter.ScreenCast"
RD_SESSION = "org.gnome.Mutter.RemoteDesktop.Session"
BTN_LEFT = 272  # BTN_LEFT of linux/input-event-codes.h

KEYSYMS = {
    "Return": 0xFF0D,
    "Escape": 0xFF1B,
    "BackSpace": 0xFF08,
    "Tab": 0xFF09,
    "Shift_L": 0xFFE1,
    "Control_L": 0xFFE3,
    "Down": 0xFF54,
    "Up": 0xFF52,
}


class Input:
    def __init__(self, bus):
        self.bus = bus
        rd = self.call(RD_BUS, "/org/gnome/Mutter/RemoteDesktop", RD_BUS, "CreateSession", None)
        self.session = rd[0]
        sid = self.call(RD_BUS, self.session, "org.freedesktop.DBus.Properties", "Get",
                        GLib.Variant("(ss)", (RD_SESSION, "SessionId")))[0]
        cast = self.call(SC_BUS, "/org/gnome/Mutter/ScreenCast", SC_BUS, "CreateSession",
                         GLib.Variant("(a{sv})", ({"remote-desktop-session-id": GLib.Variant("s", sid)},)))[0]
        # Absolute motion is relative to a stream: record the one monitor.
        self.stream = self.call(SC_BUS, cast, SC_BUS + ".Session", "RecordMonitor",
                                GLib.Variant("(sa{sv})", ("", {"cursor-mode": GLib.Variant("u", 1)})))[0]
        self.node = None
        bus.signal_subscribe(SC_BUS, SC_BUS + ".Stream", "PipeWireStreamAdded", self.stream, None,
                             Gio.DBusSignalFlags.NONE, self.on_stream, None)
        self.session_call("Start")
        ctx = GLib.MainContext.default()
        deadline = time.monotonic() + 10
        while self.node is None and time.monotonic() < deadline:
            ctx.iteration(False) or time.sleep(0.01)
        if self.node is None:
            raise RuntimeError("no screen cast stream within 10 s (is pipewire running?)")

    def on_stream(self, _conn, _sender, _path, _iface, _signal, params, _data):
        self.node = params[0]

    def call(self, name, path, iface, method, params):
        return self.bus.call_sync(name, path, iface, method, params, None,
                                  Gio.DBusCallFlags.NONE, 5000, None).unpack()

    def session_call(self, method, params=None):
        self.call(RD_BUS, self.session, RD_SESSION, method, params)

    def move(self, x, y):
        self.session_call("NotifyPointerMotionAbsolute",
                          GLib.Variant("(sdd)", (self.stream, float(x), float(y))))

    def button(self, pressed):
        self.session_call("NotifyPointerButton", GLib.Variant("(ib)", (BTN_LEFT, pressed)))

    def keysym(self, sym, pressed):
        self.session_call("NotifyKeyboardKeysym", GLib.Variant("(ub)", (sym, pressed)))

    def key(self, sym):
        self.keysym(sym, True)
        time.sleep(0.01)
        self.keysym(sym, False)
        time.sleep(0.02)

    def stop(self):
        try:
            self.session_call("Stop")
        except GLib.Error:
            pass


def keysym_of(word):
    if word in KEYSYMS:
        return KEYSYMS[word]
    if len(word) == 1:
        return ord(word)
    return int(word, 0)


def run(inp, line):
    cmd, _, rest = line.partition(" ")
    args = rest.split()
    if cmd == "move":
        inp.move(*map(float, args))
    elif cmd == "glide":
        x0, y0, x1, y1, steps, ms = map(float, args)
        n = max(1, int(steps))
        for i in range(1, n + 1):
            inp.move(x0 + (x1 - x0) * i / n, y0 + (y1 - y0) * i / n)
            time.sleep(ms / 1000)
    elif cmd in ("down", "up"):
        inp.button(cmd == "down")
    elif cmd in ("click", "dblclick"):
        for _ in range(2 if cmd == "dblclick" else 1):
            inp.button(True)
            time.sleep(0.03)
            inp.button(False)
            time.sleep(0.05)
    elif cmd == "key":
        inp.key(keysym_of(args[0]))
    elif cmd == "type":
        for ch in rest:
            if not " " <= ch <= "~":
                raise ValueError("only printable ASCII can be typed: %r" % ch)
            inp.key(ord(ch))
    else:
        raise ValueError("unknown command %r" % cmd)


def main():
    try:
        inp = Input(Gio.bus_get_sync(Gio.BusType.SESSION, None))
    except (GLib.Error, RuntimeError) as e:
        print("error %s" % e, flush=True)
        return 1
    print("ready", flush=True)
    for line in sys.stdin:
        line = line.rstrip("\n")
        if not line.strip():
            continue
        try:
            run(inp, line)
            print("ok", flush=True)
        except (GLib.Error, ValueError, TypeError, IndexError) as e:
            print("error %s" % str(e).replace("\n", " "), flush=True)
    inp.stop()
    return 0


if __name__ == "__main__":
    sys.exit(main())
