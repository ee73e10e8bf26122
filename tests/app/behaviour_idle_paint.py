"""The idle video area on screen: "ZENTAVIO" without a file and "AUDIO ONL@Y"
for a file without picture, grey on black, in full screen and, after its
close button, in the main window. One player start per state; the centre of
each video area is compared with a reference image."""

import os
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "playback"))

import open_support  # noqa: E402
import screen  # noqa: E402
import zvtest  # noqa: E402
from zvtest import BehaviourTest, write_ini  # noqa: E402

PROBE = os.path.join(zvtest.BIN, "ScreenProbe.exe")
FULL = "ZENTAVIO_FULLSCREEN"
CONTROL_PANEL, FULL_STATUS = 32869, 32876
# The part of the area around its centre that holds the text.
CROP_W, CROP_H = 240, 40
TEXT_GREY, BACK = "A0A0A0", "000000"


def ref(name):
    return os.path.join(HERE, "ref", name)


def screen_probe(*args):
    return zvtest.run_to_file(PROBE, *args)


class IdlePaint(BehaviourTest):
    def start(self, *args):
        # A current file (no creation notice); full screen at start.
        write_ini(self.box.ini, {"Main": {"Ver": "90690", "Rpt": "0,1"},
                                 "Fullscr": {"St": "1", "Fade": "0,7,5"}})
        # The pointer away from the edges: no overlay shows.
        subprocess.run(["xdotool", "mousemove", "5", "300"], check=False)
        proc = self.box.start(*args)
        self.assertIsNotNone(self.box.wait_window(timeout_ms=30000), "no main window")
        return proc

    def full_rect(self, visible, timeout=10):
        end = time.monotonic() + timeout
        while True:
            code, out = screen_probe("window", FULL)
            if code == 0 and ("visible=%d" % visible) in out:
                return tuple(int(v) for v in out.split("rect=")[1].split(","))
            if time.monotonic() > end:
                self.fail("full screen did not become visible=%d: %s" % (visible, out))
            time.sleep(0.1)

    def wait_full_status(self, pattern, timeout=15):
        end = time.monotonic() + timeout
        while True:
            text = screen_probe("text", str(FULL_STATUS))[1]
            if pattern in text or time.monotonic() > end:
                return text
            time.sleep(0.1)

    def centre_shot(self, name, left, top, width, height):
        rect = (left + width // 2 - CROP_W // 2, top + height // 2 - CROP_H // 2, CROP_W, CROP_H)
        return screen.grab_settled(os.path.join(self.box.dir, name), rect)

    def check(self, shot, reference):
        colours = screen.colours(shot)
        self.assertIn(TEXT_GREY, colours, "no grey text in " + shot)
        self.assertIn(BACK, colours, "no black background in " + shot)
        screen.check_reference(self, shot, ref(reference), most=10)

    def full_screen_centre(self, name):
        left, top, right, bottom = self.full_rect(1)
        return self.centre_shot(name, left, top, right - left, bottom - top)

    def leave_by_close_button(self):
        left, top, right, bottom = self.full_rect(1)
        subprocess.run(["xdotool", "mousemove", "800", str(top + 2), "mousemove", "801",
                        str(top + 3)], check=True)
        # The title overlay fades in under the pointer; its close button is
        # at the right, twice as wide as the strip is high.
        title = screen.title_overlay(top)
        self.assertTrue(title, "the title overlay did not show")
        t_top, t_bottom = title[1], title[3]
        height = t_bottom - t_top
        subprocess.run(["xdotool", "mousemove", str(right - height), str(top + height // 2),
                        "click", "1"], check=True)
        self.full_rect(0)
        subprocess.run(["xdotool", "mousemove", "5", "300"], check=False)

    def main_window_centre(self, name):
        win = self.box.wait_window()
        left, top = screen.client_origin(win)
        width = int(win["client"].split(",")[0])
        panel = screen.child_rect(win, CONTROL_PANEL)
        self.assertIsNotNone(panel, "the control panel is not back in the main window")
        return self.centre_shot(name, left, top, width, panel[1] - top)

    def test_no_file_shows_the_product_name(self):
        proc = self.start()
        self.check(self.full_screen_centre("full.png"), "idle_full_no_file.png")
        self.leave_by_close_button()
        self.check(self.main_window_centre("main.png"), "idle_main_no_file.png")
        self.assertEqual(self.box.close(proc)[0], 0)

    def test_audio_only_file_shows_audio_only(self):
        tone = open_support.tone(30)
        proc = self.start(zvtest.winpath(tone))
        self.assertIn("PLAYING", self.wait_full_status("PLAYING"))
        self.check(self.full_screen_centre("full.png"), "idle_full_audio.png")
        self.leave_by_close_button()
        self.check(self.main_window_centre("main.png"), "idle_main_audio.png")
        self.assertEqual(self.box.close(proc)[0], 0)


if __name__ == "__main__":
    zvtest.main()
