"""The playlist window's painter on screen: a host window routes the list
rows, the status area and the tab strip to the player's drawing code, and
each part matches its reference image in ref/ (ZV_SAVE_REF=1 writes the
references, to be looked at before they are kept)."""

import os
import shutil
import subprocess
import tempfile
import unittest

import screen
import zvtest
from zvtest import probe

HERE = os.path.dirname(os.path.abspath(__file__))
HOST = os.path.join(zvtest.BIN, "PlaylistDrawHost.exe")
HOST_CLASS = "ZvPlaylistDrawHost"
LEFT, TOP = 60, 60
# Parts of the host window (left, top, width, height in its client area).
PARTS = {
    # Track list with focus and check boxes: plain, selected, missing,
    # playing, missing and selected, a shortened name; the chapter list
    # without focus: a selected row and the paused mark.
    "rows": (0, 0, 520, 130),
    # Splitter and strip (chapter tab shown with "[5]", range tab hovered
    # with "(3)"), collapsed and hovered, "DiagTab", a dark strip of narrow
    # tabs, the rounded look with flared corners.
    "tabs": (0, 130, 520, 138),
    # LOADING with four bars; the total dimmed by an unknown duration; the
    # total on a dark background; the rounded grip on a dark background.
    "status": (0, 280, 410, 60),
    # The status child in the button row: the square size grip.
    "status_child": (0, 372, 520, 28),
}


class PlaylistDrawing(unittest.TestCase):
    def setUp(self):
        os.makedirs(zvtest.TMP, exist_ok=True)
        self.dir = tempfile.mkdtemp(prefix="playlist-draw-", dir=zvtest.TMP)
        self.proc = subprocess.Popen([zvtest.HARNESS, "exec", HOST], stdout=subprocess.DEVNULL,
                                     stderr=subprocess.DEVNULL)

    def tearDown(self):
        probe("close", HOST_CLASS)
        try:
            self.proc.wait(timeout=20)
        except subprocess.TimeoutExpired:
            self.proc.kill()
            self.proc.wait()
        shutil.rmtree(self.dir, ignore_errors=True)

    def test_rows_tabs_and_status_match_their_references(self):
        code, _ = probe("wait", HOST_CLASS, "15000")
        self.assertEqual(code, 0, "no host window")
        for name, (left, top, width, height) in PARTS.items():
            with self.subTest(part=name):
                shot = os.path.join(self.dir, name + ".png")
                rect = (LEFT + left, TOP + top, width, height)
                screen.wait_reference(
                    self, lambda: screen.grab_settled(shot, rect),
                    os.path.join(HERE, "ref", "draw_" + name + ".png"))


if __name__ == "__main__":
    zvtest.main()
