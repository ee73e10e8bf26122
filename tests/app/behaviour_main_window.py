"""The main window of the real Zentavio.exe under Wine: its control bar as
seen on screen, and the exit on WM_CLOSE with its place kept."""

import os
import shutil
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "playback"))

import play_support  # noqa: E402
import screen  # noqa: E402
import zvtest  # noqa: E402
from zvtest import BehaviourTest, probe, read_ini, write_ini  # noqa: E402

REFERENCE = os.path.join(HERE, "ref", "main_window.png")
VOLUME_SLIDER_ID = 33071


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
    def test_buttons_and_status_bar_match_the_reference(self):
        # A current settings file: no start notice over the state pane.
        write_ini(self.box.ini, {"Main": {"Ver": "90691"}})
        proc = self.box.start()
        win = self.box.wait_window()
        self.assertIsNotNone(win)
        play_support.wait_status(self, r"^NO    FILE")
        left, top, _, _ = (int(v) for v in win["rect"].split(","))
        shot = screen.grab_settled(os.path.join(self.box.dir, "main.png"),
                                   (left, top, win["width"], win["height"]))
        # The bottom rows hold the button row and the status bar: the face
        # colour with glyphs in darker greys, and "NO FILE" on the bar.
        colours = colours_in_rows(shot, win["height"] - 48, win["height"] - 8)
        self.assertGreater(len(colours), 4, "no glyphs in the control bar")
        if os.environ.get("ZV_SAVE_REF"):
            shutil.copy(shot, REFERENCE)
        # The volume slider is left aside: its thumb does not yet follow
        # the stored volume.
        x, y, width, height = screen.child_rect(win, VOLUME_SLIDER_ID)
        aside = [(x - left, y - top, width, height)]
        band = (0, win["height"] - 48, win["width"], 48)
        got, ref = (screen.crop(screen.blank_out(p, shot + n, aside), shot + n + ".band.png", *band)
                    for p, n in ((shot, ".a.png"), (REFERENCE, ".b.png")))
        screen.check_reference(self, got, ref, most=40)
        code, _ = self.box.close(proc)
        self.assertEqual(code, 0)


class SkinFile(BehaviourTest):
    def shot_of_control_bar(self, proc):
        win = self.box.wait_window()
        self.assertIsNotNone(win)
        time.sleep(1.0)
        shot = os.path.join(self.box.dir, "skin.png")
        screenshot(shot, win)
        self.box.close(proc)
        return colours_in_rows(shot, win["height"] - 48, win["height"] - 8)

    def start_with_red_skin(self, custom_icons):
        # A first run writes the settings file; the switch goes into it.
        proc = self.box.start()
        self.assertIsNotNone(self.box.wait_window())
        self.box.close(proc)
        sections, _ = read_ini(self.box.ini)
        sections["Ctrl"]["CtmIco"] = "1" if custom_icons else "0"
        write_ini(self.box.ini, sections)
        subprocess.run(["convert", "-size", "2016x48", "xc:#FF0000",
                        os.path.join(self.box.dir, "Button.png")], check=True)
        return self.box.start()

    def test_button_png_beside_the_exe_is_used_with_custom_icons_on(self):
        colours = self.shot_of_control_bar(self.start_with_red_skin(True))
        self.assertIn("FF0000", {c.upper() for c in colours})

    def test_built_in_strip_with_custom_icons_off(self):
        colours = self.shot_of_control_bar(self.start_with_red_skin(False))
        self.assertNotIn("FF0000", {c.upper() for c in colours})


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
        # Colours never chosen stay absent rather than black.
        self.assertEqual(sections["Ctrl"]["Clr"], "0")


if __name__ == "__main__":
    zvtest.main()
