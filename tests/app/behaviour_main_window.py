"""The main window of the real Zentavio.exe under Wine: its control bar as
seen on screen, and the exit on WM_CLOSE with its place kept."""

import os
import shutil
import subprocess
import time

import zvtest
from zvtest import BehaviourTest, probe, read_ini

HERE = os.path.dirname(os.path.abspath(__file__))
REFERENCE = os.path.join(HERE, "ref", "main_window.png")


def screenshot(path, win):
    left, top, _, _ = (int(v) for v in win["rect"].split(","))
    geometry = "%dx%d+%d+%d" % (win["width"], win["height"], left, top)
    subprocess.run(["import", "-window", "root", "-crop", geometry, "+repage", path], check=True)


def colours_in_rows(path, top, bottom):
    """The distinct RRGGBB colours of a band of rows."""
    out = subprocess.run(["convert", path, "-crop", "x%d+0+%d" % (bottom - top, top), "+repage",
                          "-unique-colors", "txt:"], capture_output=True, text=True,
                         check=True).stdout
    return {line.split("#")[1][:6] for line in out.splitlines()[1:] if "#" in line}


class ControlBar(BehaviourTest):
    def test_buttons_are_drawn_on_the_face_colour(self):
        proc = self.box.start()
        win = self.box.wait_window()
        self.assertIsNotNone(win)
        time.sleep(1.0)
        shot = os.path.join(self.box.dir, "main.png")
        screenshot(shot, win)
        # The saved picture is looked at by eye; keep the latest beside the
        # reference when asked.
        if os.environ.get("ZV_SAVE_REF"):
            shutil.copy(shot, REFERENCE)
        # The bottom 40 rows hold the button row and the status bar: the face
        # colour with glyphs in darker greys.
        colours = colours_in_rows(shot, win["height"] - 48, win["height"] - 8)
        self.assertGreater(len(colours), 4, "no glyphs in the control bar")
        code, _ = self.box.close(proc)
        self.assertEqual(code, 0)


class Shutdown(BehaviourTest):
    def test_close_exits_within_two_seconds_and_keeps_the_place(self):
        proc = self.box.start()
        self.assertIsNotNone(self.box.wait_window())
        self.assertEqual(probe("move", "ZENTAVIO", "120", "90", "700", "460")[0], 0)
        time.sleep(0.3)
        began = time.monotonic()
        probe("close", "ZENTAVIO")
        proc.communicate(timeout=20)
        # The probe itself takes a moment to start under Wine.
        self.assertLess(time.monotonic() - began, 2.5)
        self.assertEqual(proc.returncode, 0)
        sections, _ = read_ini(self.box.ini)
        self.assertTrue(sections["Main"]["Pos"].startswith("120,90,700,460"),
                        sections["Main"]["Pos"])


if __name__ == "__main__":
    zvtest.main()
