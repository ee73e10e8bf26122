"""Real pointer input on the player's control bar under Wine: the handle at
the inline seek bar's end dragged with xdotool widens the bar on screen,
holds buttons back, and the count of held-back buttons is in the settings
file ([Main] "HdBtn") after the player closed."""

import os
import subprocess
import time

import screen
import zvtest
from zvtest import BehaviourTest, probe, read_ini, write_ini

HERE = os.path.dirname(os.path.abspath(__file__))
REF = os.path.join(HERE, "ref")
PARKED = (1900, 1060)
SEEK_BAR = 33070
BUTTON_ROW = 32870


def xdotool(*args):
    subprocess.run(["xdotool"] + [str(a) for a in args], check=True)


class HandleDrag(BehaviourTest):
    def start(self):
        """Makes the settings file, then starts the player at 400,200 (800 x
        500) with the seek bar inline and every button shown."""
        proc = self.box.start()
        self.assertIsNotNone(self.box.wait_window())
        self.box.close(proc)
        sections, _ = read_ini(self.box.ini)
        main = sections.setdefault("Main", {})
        main.update({"Pos": "400,200,800,500", "Ctrl": "1,1,1,1", "HdBtn": "0"})
        write_ini(self.box.ini, sections)
        xdotool("mousemove", *PARKED)
        self.proc = self.box.start()
        self.win = self.box.wait_window()
        self.assertIsNotNone(self.win)

    def seek_rect(self):
        code, out = probe("wait", "ZENTAVIO", "2000")
        self.assertEqual(code, 0)
        return screen.child_rect(zvtest.parse_window(out), SEEK_BAR)

    def wait_seek_width(self, wider_than, timeout=5.0):
        deadline = time.monotonic() + timeout
        rect = self.seek_rect()
        while time.monotonic() < deadline and (rect is None or rect[2] <= wider_than):
            time.sleep(0.1)
            rect = self.seek_rect()
        return rect

    def shot(self, name):
        # The button row only: the status bar below shows the start time.
        row = screen.child_rect(self.win, BUTTON_ROW)
        self.assertIsNotNone(row)
        path = os.path.join(self.box.dir, name)
        screen.grab_settled(path, row)
        return path

    def test_dragging_the_seek_bar_handle_widens_the_bar_and_keeps_hdbtn(self):
        self.start()
        before = self.wait_seek_width(0)
        self.assertIsNotNone(before, "no inline seek bar")
        screen.check_reference(self, self.shot("handle_before.png"),
                               os.path.join(REF, "pointer_handle_before.png"), most=40)
        left, top, width, height = before
        x, y = left - 3, top + height // 2
        xdotool("mousemove", x, y, "mousedown", 1)
        for step in range(1, 7):
            xdotool("mousemove", x - 30 * step, y)
            time.sleep(0.05)
        xdotool("mouseup", 1)
        after = self.wait_seek_width(width + 170)
        self.assertIsNotNone(after)
        # The bar's right end stays; it grows leftward by the drag (and by
        # the room of the buttons that no longer fit).
        self.assertGreaterEqual(after[2], width + 180)
        self.assertEqual(after[0] + after[2], left + width)
        screen.check_reference(self, self.shot("handle_after.png"),
                               os.path.join(REF, "pointer_handle_after.png"), most=40)
        self.box.close(self.proc)
        sections, _ = read_ini(self.box.ini)
        self.assertGreater(int(sections["Main"]["HdBtn"]), 0)


if __name__ == "__main__":
    zvtest.main()
