"""Real pointer input on the player's main window under Wine: the input
codes its buttons, wheels and gestures give (each bound to a beep, traced
by the binding lookup with [Main] "Test" on), the main context menu on a
right click, and a drag that moves the window and snaps it to the edge."""

import re
import subprocess
import time

import zvtest
from zvtest import BehaviourTest, parse_window, probe, read_ini, write_ini

PARKED = (1900, 1060)
# Every code the tests give runs FUNC_BEEP (0x97), so its lookup is traced.
CODES = (3, 4, 5, 6, 7, 8, 9, 33, 34, 49, 50)


def xdotool(*args):
    subprocess.run(["xdotool"] + [str(a) for a in args], check=True)


class Pointer(BehaviourTest):
    def start(self, **settings):
        """Runs the player once to make its settings file, then again with
        the log on, placed at 400,200 (800 x 500)."""
        proc = self.box.start()
        self.assertIsNotNone(self.box.wait_window())
        self.box.close(proc)
        sections, _ = read_ini(self.box.ini)
        sections.setdefault("Main", {})["ErrLog"] = "1"
        sections["Main"]["Test"] = "1"
        bind = {"Count": str(len(CODES))}
        for i, code in enumerate(CODES):
            bind[str(i)] = "1,97,0,,%X" % code
        sections["Bind"] = bind
        sections["Main"]["Pos"] = "400,200,800,500"
        for key, value in settings.items():
            section, name = key.split("_")
            sections.setdefault(section, {})[name] = value
        write_ini(self.box.ini, sections)
        xdotool("mousemove", *PARKED)
        self.proc = self.box.start()
        self.win = self.box.wait_window()
        self.assertIsNotNone(self.win)
        time.sleep(0.5)
        left, top, right, _ = (int(v) for v in self.win["rect"].split(","))
        # The middle of the video area: well above the control bar.
        self.video = ((left + right) // 2, top + 160)

    def window(self):
        code, out = probe("wait", "ZENTAVIO", "2000")
        self.assertEqual(code, 0)
        return parse_window(out)

    def log_lines(self, pattern):
        try:
            text = open(self.box.log, "rb").read().decode("utf-8-sig", "replace")
        except FileNotFoundError:
            return []
        return re.findall(pattern, text)

    def codes(self):
        return [int(c) for c in self.log_lines(r"CALL : m_Bind_ExecByMouse\((\d+),")]

    def wait_codes(self, count, timeout=5.0):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            codes = self.codes()
            if len(codes) >= count:
                return codes
            time.sleep(0.1)
        return self.codes()

    def test_buttons_wheels_and_gestures_give_their_codes(self):
        self.start()
        xdotool("mousemove", *self.video)
        time.sleep(0.3)
        steps = [
            (["click", "--repeat", 2, "--delay", 80, 1], 34),  # double click
            (["click", 4], 4),  # wheel forward
            (["click", 5], 5),  # wheel backward
            (["click", 2], 3),  # middle button
            (["click", 8], 6),  # side button 1
            (["click", 9], 7),  # side button 2
            (["mousedown", 3, "mousedown", 1, "mouseup", 1, "mouseup", 3], 49),
            (["mousedown", 1, "mousedown", 3, "mouseup", 3, "mouseup", 1], 50),
        ]
        seen = []
        for args, code in steps:
            before = len(self.codes())
            time.sleep(0.7)  # the wheel decides coarse or fine after a pause
            xdotool(*args)
            got = self.wait_codes(before + 1)[before:]
            seen.append(got)
            self.assertIn(code, got, "after %r: %r" % (args, seen))
        # The gestures opened no context menu.
        self.assertEqual(self.log_lines(r"MENU : Id=(\d+)"), [])
        # Without a file open a single click gives no code.
        before = len(self.codes())
        time.sleep(1.2)
        xdotool("click", 1)
        time.sleep(1.0)
        self.assertEqual(self.codes()[before:], [])

    def test_tilt_wheel_gives_codes_8_and_9(self):
        self.start()
        xdotool("mousemove", *self.video)
        time.sleep(0.3)
        xdotool("click", 6)
        xdotool("click", 7)
        self.assertEqual(self.wait_codes(2)[-2:], [8, 9])

    def test_right_click_opens_the_main_context_menu(self):
        self.start()
        xdotool("mousemove", *self.video)
        time.sleep(0.3)
        xdotool("click", 3)
        deadline = time.monotonic() + 5
        while time.monotonic() < deadline and not self.log_lines(r"MENU : Id=240"):
            time.sleep(0.1)
        self.assertEqual(self.log_lines(r"MENU : Id=(\d+)"), ["240"])

    def test_drag_moves_the_window_and_snaps_to_the_edge(self):
        self.start(Common_Snap="1,16,0,-1")
        before = self.window()
        x, y = self.video
        xdotool("mousemove", x, y, "mousedown", 1)
        for step in range(1, 6):
            xdotool("mousemove", x + 20 * step, y + 10 * step)
            time.sleep(0.05)
        xdotool("mouseup", 1)
        time.sleep(0.5)
        after = self.window()
        moved = [int(v) for v in after["rect"].split(",")]
        start = [int(v) for v in before["rect"].split(",")]
        self.assertEqual((moved[0] - start[0], moved[1] - start[1]), (100, 50))
        self.assertEqual(after["width"], before["width"])
        # Dragged to leave the window 5 px short of the screen's left edge:
        # its visible frame snaps onto the edge (the window rectangle may
        # keep an invisible border of 7 px outside it).
        x, y = self.video[0] + 100, self.video[1] + 50
        xdotool("mousemove", x, y, "mousedown", 1)
        target = x - moved[0] + 5
        for step in range(1, 9):
            xdotool("mousemove", x + (target - x) * step // 8, y)
            time.sleep(0.05)
        xdotool("mouseup", 1)
        time.sleep(0.5)
        left = int(self.window()["rect"].split(",")[0])
        self.assertIn(left, (0, -7))
        # No click came of either drag.
        self.assertEqual(self.codes(), [])


    def drag(self, x, y, dx, dy):
        xdotool("mousemove", x, y, "mousedown", 1)
        for step in range(1, 6):
            xdotool("mousemove", x + dx * step // 5, y + dy * step // 5)
            time.sleep(0.05)
        xdotool("mouseup", 1)
        time.sleep(0.5)

    def test_caption_drags_and_system_moves_follow_the_pointer(self):
        # Snapping on: the program moves the window from a caption press too;
        # off: the system's own move, also for a drag begun in the video.
        for snap, where in (("1,16,0,-1", "caption"), ("0,16,0,-1", "caption"),
                            ("0,16,0,-1", "video")):
            with self.subTest(snap=snap, where=where):
                self.start(Common_Snap=snap)
                before = [int(v) for v in self.window()["rect"].split(",")]
                x = (before[0] + before[2]) // 2
                y = before[1] + 12 if where == "caption" else self.video[1]
                self.drag(x, y, 100, 50)
                after = [int(v) for v in self.window()["rect"].split(",")]
                self.assertEqual((after[0] - before[0], after[1] - before[1]), (100, 50))
                self.assertEqual(self.codes(), [])
                self.box.close(self.proc)


if __name__ == "__main__":
    zvtest.main()
