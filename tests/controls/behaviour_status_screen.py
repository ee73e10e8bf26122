"""The status bar and the on-screen display bars seen from outside: a host
window shows the main status bar with a state, a time and a message sent
through m_OSD_ShowText; another process reads the panes through WM_GETTEXT,
and the screen matches the reference image. The display bars appear over
the host window with the band between them left see-through."""

import os
import re
import shutil
import subprocess
import tempfile
import time
import unittest

import zvtest
from zvtest import probe

HERE = os.path.dirname(os.path.abspath(__file__))
HOST = os.path.join(zvtest.BIN, "StatusHost.exe")
REFERENCE = os.path.join(HERE, "ref", "statusbar_message.png")
HOST_CLASS = "ZvStatusHost"
BAR_ID = "32873"
# Where the host puts its bar on the screen.
GEOMETRY = "400x24+100+100"


def differing_pixels(a, b, fuzz="4%"):
    """Pixels of a and b (same size) that differ by more than fuzz."""
    result = subprocess.run(["compare", "-metric", "AE", "-fuzz", fuzz, a, b, "null:"],
                            capture_output=True, text=True)
    return int(float(result.stderr.split()[0]))


class StatusHostCase(unittest.TestCase):
    def setUp(self):
        os.makedirs(zvtest.TMP, exist_ok=True)
        self.dir = tempfile.mkdtemp(prefix="statusbar-", dir=zvtest.TMP)
        self.proc = None

    def tearDown(self):
        probe("close", HOST_CLASS)
        if self.proc:
            try:
                self.proc.communicate(timeout=20)
            except subprocess.TimeoutExpired:
                self.proc.kill()
                self.proc.communicate()
        shutil.rmtree(self.dir, ignore_errors=True)

    def start(self, message):
        self.proc = subprocess.Popen([zvtest.HARNESS, "exec", HOST, message],
                                     stdout=subprocess.PIPE, stderr=subprocess.PIPE)
        code, _ = probe("wait", HOST_CLASS, "15000")
        self.assertEqual(code, 0, "no host window")

    def read_text(self, expected, timeout=5.0):
        deadline = time.monotonic() + timeout
        text = ""
        while time.monotonic() < deadline:
            code, text = probe("text", HOST_CLASS, BAR_ID)
            text = text.replace("\r", "")
            if code == 0 and expected in text:
                break
        return text

    def screenshot(self, name, geometry=GEOMETRY):
        out = os.path.join(self.dir, name)
        subprocess.run(["import", "-window", "root", "-crop", geometry, "+repage", out],
                       check=True)
        return out


def pixel(path, x, y):
    """The pixel at (x, y) as RRGGBB."""
    return subprocess.run(["convert", path, "-format", "%%[hex:p{%d,%d}]" % (x, y), "info:"],
                          capture_output=True, text=True, check=True).stdout.strip()[:6]


class WindowText(StatusHostCase):
    def test_panes_read_through_wm_gettext(self):
        self.start("NO````FILE")
        text = self.read_text("NO    FILE")
        self.assertEqual(text.split("\n"), ["PLAYING", "NO    FILE", "1:23  /  10:00"])


class Screenshot(StatusHostCase):
    def shot_of(self, message):
        self.start(message)
        self.assertIn(message, self.read_text(message))
        time.sleep(0.5)  # the repaint after the message
        return self.screenshot("bar.png")

    def test_message_matches_the_reference(self):
        shot = self.shot_of("REPEAT : FILE")
        self.assertLessEqual(differing_pixels(shot, REFERENCE), 20)

    def test_compare_sees_another_message(self):
        shot = self.shot_of("REPEAT : OFF")
        self.assertGreater(differing_pixels(shot, REFERENCE), 20)


class DisplayBars(StatusHostCase):
    def test_bars_cover_the_top_and_bottom_of_the_host(self):
        self.start("-osd")
        time.sleep(1.0)
        shot = self.screenshot("osd.png", "480x270+100+100")
        grey = "808080"
        self.assertEqual(pixel(shot, 240, 135), grey)
        for x, y in ((5, 5), (470, 20), (5, 265), (240, 250)):
            with self.subTest(x=x, y=y):
                self.assertNotEqual(pixel(shot, x, y), grey)


if __name__ == "__main__":
    zvtest.main()
