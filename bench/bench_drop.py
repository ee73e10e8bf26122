#!/usr/bin/env python3
"""A drop of 1000 files on the player until the first one plays, against a
drop of the folder that holds them (which opens the folder), in the same run
and on the same running player, alternating. The player's window title names
the entry it opened ("[1/1000] f0000.avi - ..."); it is read from the X
window Wine keeps for it. Run by scripts/harness.sh bench (bench/run.sh),
which starts the display and names the clip in ZV_BENCH_CLIP."""

import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(ROOT, "tests", "support"))

from Xlib import X, display  # noqa: E402

from xdnd_drop import DragSource  # noqa: E402

FILES = 1000
ROUNDS = 5
GOAL = 1.3


def unix_path(path):
    return path[2:].replace("\\", "/") if path[:3].upper() == "Z:\\" else path


def title_of(d, window, net_name, utf8):
    prop = window.get_full_property(net_name, utf8)
    return prop.value.decode("utf-8", "replace") if prop else ""


def find_player(d):
    """The X window whose title ends in the player's name."""
    net_name, utf8 = d.intern_atom("_NET_WM_NAME"), d.intern_atom("UTF8_STRING")
    end = time.monotonic() + 60
    while time.monotonic() < end:
        pending = [d.screen().root]
        while pending:
            w = pending.pop()
            if title_of(d, w, net_name, utf8).endswith("ZENTAVIO"):
                return w
            pending.extend(w.query_tree().children)
        time.sleep(0.2)
    return None


class Player:
    def __init__(self, work):
        exe = os.path.join(work, "Zentavio.exe")
        os.link(os.path.join(os.environ["ZV_BUILD"], "bin", "Zentavio.exe"), exe)
        with open(os.path.join(work, "Zentavio.ini"), "wb") as f:
            f.write(b"\xff\xfe" + "[Main]\r\nVer=90690\r\nPos=100,100,640,480,100\r\n"
                    .encode("utf-16-le"))
        self.proc = subprocess.Popen([os.path.join(ROOT, "scripts", "harness.sh"), "exec", exe],
                                     stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                     stderr=subprocess.DEVNULL)
        self.d = display.Display()
        self.net_name = self.d.intern_atom("_NET_WM_NAME")
        self.utf8 = self.d.intern_atom("UTF8_STRING")
        self.window = find_player(self.d)
        if self.window is None:
            raise RuntimeError("no player window")
        geo = self.window.get_geometry()
        at = self.d.screen().root.translate_coords(self.window, geo.width // 2, geo.height // 2)
        self.point = (at.x, at.y)

    def title(self):
        return title_of(self.d, self.window, self.net_name, self.utf8)

    def drop_until(self, paths, title, timeout=60):
        """Seconds from the start of the drop until the title holds the text."""
        began = time.perf_counter()
        if DragSource(paths).drop(self.point[0], self.point[1], False, timeout) != 0:
            raise RuntimeError("drop refused")
        end = time.monotonic() + timeout
        while title not in self.title():
            if time.monotonic() > end:
                raise RuntimeError("title never read %r: %r" % (title, self.title()))
            time.sleep(0.002)
        return time.perf_counter() - began

    def close(self):
        self.proc.terminate()
        try:
            self.proc.wait(timeout=20)
        except subprocess.TimeoutExpired:
            self.proc.kill()


def main():
    clip = unix_path(os.environ.get("ZV_BENCH_CLIP", ""))
    if not os.path.isfile(clip):
        print("drop: SKIPPED (ZV_BENCH_CLIP names no clip)")
        return 0
    work = tempfile.mkdtemp(prefix="zv-drop-")
    player = None
    try:
        media = os.path.join(work, "media")
        os.makedirs(media)
        files = [os.path.join(media, "f%04d.avi" % i) for i in range(FILES)]
        for f in files:
            os.link(clip, f)
        other = os.path.join(work, "other.avi")
        os.link(clip, other)
        player = Player(work)
        first = "[1/%d] f0000.avi" % FILES
        times = {"files": [], "folder": []}
        for n in range(ROUNDS):
            for kind in (("files", "folder") if n % 2 == 0 else ("folder", "files")):
                player.drop_until([other], "other.avi")
                paths = list(reversed(files)) if kind == "files" else [media]
                times[kind].append(player.drop_until(paths, first))
        files_ms = statistics.median(times["files"]) * 1000
        folder_ms = statistics.median(times["folder"]) * 1000
        ratio = files_ms / folder_ms
        print("drop: %d files %.0f ms, their folder %.0f ms, ratio %.2fx (goal <= %.1fx) %s"
              % (FILES, files_ms, folder_ms, ratio, GOAL, "OK" if ratio <= GOAL else "SLOW"))
        return 0
    finally:
        if player:
            player.close()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
