#!/usr/bin/env python3
"""A small X drag source for the tests: drops files on whatever window is
at a screen point, offering them as text/uri-list through the XDND protocol,
as a file manager does. Wine hands such a drop to the window as
WM_DROPFILES.

    xdnd_drop.py X Y [--ctrl] [--from LISTFILE] PATH...

PATH is a Linux path (made a file:// URI here). --from reads more paths, one
a line. --ctrl holds the Control key during the drop. Exit code 0 when the
target took the drop, 2 when it refused it, 3 when no window was there, 4
when the target never answered."""

import argparse
import sys
import time
import urllib.parse

from Xlib import X, Xatom, display
from Xlib.ext import xtest
from Xlib.protocol import event

XDND_VERSION = 5


class DragSource:
    def __init__(self, paths):
        self.d = display.Display()
        self.root = self.d.screen().root
        self.win = self.root.create_window(-10, -10, 1, 1, 0, X.CopyFromParent,
                                           X.InputOutput, X.CopyFromParent)
        self.atom = lambda name: self.d.intern_atom(name)
        self.uri_list = self.atom("text/uri-list")
        self.data = "".join("file://%s\r\n" % urllib.parse.quote(p) for p in paths).encode()
        self.status = None
        self.finished = False

    def target_at(self, x, y):
        """The deepest window under the point that says it takes drops."""
        found, window = None, self.root
        aware = self.atom("XdndAware")
        while window is not None:
            prop = window.get_full_property(aware, X.AnyPropertyType)
            if prop is not None:
                found = window
            reply = window.query_pointer()
            child = reply.child
            window = child if child and child != X.NONE else None
        return found

    def send(self, target, name, data):
        ev = event.ClientMessage(window=target, client_type=self.atom(name),
                                 data=(32, (data + [0] * 5)[:5]))
        target.send_event(ev, event_mask=0)
        self.d.flush()

    def answer_request(self, ev):
        """Hands the uri list to a requestor converting the selection."""
        prop = ev.property or ev.target
        if ev.target == self.uri_list:
            ev.requestor.change_property(prop, self.uri_list, 8, self.data)
        elif ev.target == self.atom("TARGETS"):
            ev.requestor.change_property(prop, Xatom.ATOM, 32,
                                         [self.uri_list, self.atom("TARGETS")])
        else:
            prop = X.NONE
        reply = event.SelectionNotify(time=ev.time, requestor=ev.requestor,
                                      selection=ev.selection, target=ev.target, property=prop)
        ev.requestor.send_event(reply, event_mask=0)
        self.d.flush()

    def pump(self, until, timeout):
        end = time.monotonic() + timeout
        while not until() and time.monotonic() < end:
            while self.d.pending_events():
                ev = self.d.next_event()
                if ev.type == X.SelectionRequest:
                    self.answer_request(ev)
                elif ev.type == X.ClientMessage:
                    kind = self.d.get_atom_name(ev.client_type)
                    if kind == "XdndStatus":
                        self.status = ev.data[1][1]
                    elif kind == "XdndFinished":
                        self.finished = True
            time.sleep(0.005)
        return until()

    def drop(self, x, y, ctrl, timeout):
        self.win.set_selection_owner(self.atom("XdndSelection"), X.CurrentTime)
        self.root.warp_pointer(x, y)
        self.d.sync()
        target = self.target_at(x, y)
        if target is None:
            return 3
        control = self.d.keysym_to_keycode(0xFFE3)  # Control_L
        if ctrl:
            xtest.fake_input(self.d, X.KeyPress, control)
            self.d.sync()
            time.sleep(0.3)
        try:
            src = self.win.id
            self.send(target, "XdndEnter", [src, XDND_VERSION << 24, self.uri_list])
            self.send(target, "XdndPosition",
                      [src, 0, (x << 16) | y, X.CurrentTime, self.atom("XdndActionCopy")])
            if not self.pump(lambda: self.status is not None, timeout):
                self.send(target, "XdndLeave", [src])
                return 4
            if not self.status & 1:
                self.send(target, "XdndLeave", [src])
                return 2
            self.send(target, "XdndDrop", [src, 0, X.CurrentTime])
            self.pump(lambda: self.finished, timeout)
            return 0
        finally:
            if ctrl:
                # Held until the drop has been delivered and handled.
                time.sleep(0.5)
                xtest.fake_input(self.d, X.KeyRelease, control)
                self.d.sync()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("x", type=int)
    parser.add_argument("y", type=int)
    parser.add_argument("paths", nargs="*")
    parser.add_argument("--ctrl", action="store_true")
    parser.add_argument("--from", dest="list_file")
    parser.add_argument("--timeout", type=float, default=10.0)
    args = parser.parse_args()
    paths = list(args.paths)
    if args.list_file:
        with open(args.list_file, encoding="utf-8") as f:
            paths += [line.rstrip("\n") for line in f if line.strip()]
    return DragSource(paths).drop(args.x, args.y, args.ctrl, args.timeout)


if __name__ == "__main__":
    sys.exit(main())
