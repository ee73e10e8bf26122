"""A DPI change sent to the real player's main window (WM_DPICHANGED, as a
move to a 150 % monitor sends it): the window grows, the control-bar
buttons are drawn from the skin at the new size, the status bar's font is
loaded again at it and shows its sample. Screenshots of the control bar at
100 % and 150 % are compared with references."""

import os
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "playback"))

import play_support  # noqa: E402
import screen  # noqa: E402
import zvtest  # noqa: E402
from zvtest import BehaviourTest, probe, write_ini  # noqa: E402

REF_100 = os.path.join(HERE, "ref", "dpi_100_control_bar.png")
REF_150 = os.path.join(HERE, "ref", "dpi_150_control_bar.png")
PLAY_BUTTON, STATUS_BAR, CONTROL_PANEL = 32970, 32873, 32869


def rect_of(child):
    code, out = probe("child", "ZENTAVIO", str(child))
    if code != 0 or "rect=" not in out:
        return None
    l, t, r, b = (int(v) for v in out.split("rect=")[1].split(","))
    return r - l, b - t


class DpiChange(BehaviourTest):
    def band(self, name, win):
        """The control panel as on screen, settled."""
        x, y, w, h = screen.child_rect(win, CONTROL_PANEL)
        return screen.grab_settled(os.path.join(self.box.dir, name), (x, y, w, h))

    def test_150_percent_rescales_skin_font_and_window(self):
        write_ini(self.box.ini, {"Main": {"Ver": "90691", "Pos": "100,80,640,420"}})
        proc = self.box.start()
        win = self.box.wait_window()
        self.assertIsNotNone(win)
        play_support.wait_status(self, r"^NO    FILE")
        button, bar = rect_of(PLAY_BUTTON), rect_of(STATUS_BAR)
        shot = self.band("dpi100.png", win)
        screen.check_reference(self, shot, REF_100, most=60)

        # The pointer rests over the window, as when the window is dragged
        # onto the other monitor: the window grows around it.
        subprocess.run(["xdotool", "mousemove", "300", "150"], check=True)
        self.assertEqual(probe("dpi", "ZENTAVIO", "144")[0], 0)
        # The sample of the font loaded again shows on the status bar.
        play_support.wait_status(self, r"0123456789:ABCDEFGHIJKLMNOPQRSTUVWXYZ")
        grown = self.box.wait_window()
        self.assertGreater(grown["width"], win["width"] * 1.4)
        button150, bar150 = rect_of(PLAY_BUTTON), rect_of(STATUS_BAR)
        # Buttons and the status bar take 1.5 times their size.
        self.assertAlmostEqual(button150[0], button[0] * 1.5, delta=1.5)
        self.assertAlmostEqual(button150[1], button[1] * 1.5, delta=1.5)
        self.assertGreater(bar150[1], bar[1] * 1.3)
        shot = self.band("dpi150.png", grown)
        screen.check_reference(self, shot, REF_150, most=120)
        print("play button %s -> %s, status bar %s -> %s" % (button, button150, bar, bar150),
              file=sys.stderr)
        code, _ = self.box.close(proc)
        self.assertEqual(code, 0)


if __name__ == "__main__":
    zvtest.main()
