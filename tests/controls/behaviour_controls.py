"""The image buttons and sliders under real X input: xdotool moves, presses
and drags the pointer over the controls host, which prints every WM_COMMAND
it receives; the button strip and the sliders with their marks match the
reference images."""

import os
import queue
import shutil
import subprocess
import tempfile
import threading
import time
import unittest

import zvtest
from zvtest import probe, winpath

HERE = os.path.dirname(os.path.abspath(__file__))
HOST = os.path.join(zvtest.BIN, "ControlsHost.exe")
IMAGE_TOOL = os.path.join(zvtest.BIN, "ImageTool.exe")
HOST_CLASS = "ZvControlsHost"
PLAY, PAUSE, STOP = 32969, 32970, 32971
SEEK, VOLUME = 33070, 33071
# Where the host shows the button strip and the two sliders on the screen:
# away from the windows that unit tests running beside it put up.
STRIP_GEOMETRY = "276x36+1200+700"
SLIDERS_GEOMETRY = "420x60+1200+736"
PARKED = (1000, 1000)  # a pointer position away from the host


def xdotool(*args):
    subprocess.run(["xdotool"] + [str(a) for a in args], check=True)


class ControlsHostCase(unittest.TestCase):
    def setUp(self):
        os.makedirs(zvtest.TMP, exist_ok=True)
        self.dir = tempfile.mkdtemp(prefix="controls-", dir=zvtest.TMP)
        xdotool("mousemove", *PARKED)
        self.proc = subprocess.Popen([zvtest.HARNESS, "exec", HOST], stdin=subprocess.PIPE,
                                     stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        self.lines = queue.Queue()
        threading.Thread(target=self._read, daemon=True).start()
        self.rects = {}
        for line in self.take_until("ready", 20):
            if line.startswith("control "):
                _, cid, *box = line.split()
                self.rects[int(cid)] = [int(v) for v in box]
        self.assertIn(VOLUME, self.rects, "the host did not start")

    def tearDown(self):
        probe("close", HOST_CLASS)
        try:
            self.proc.communicate(timeout=20)
        except subprocess.TimeoutExpired:
            self.proc.kill()
            self.proc.communicate()
        shutil.rmtree(self.dir, ignore_errors=True)

    def _read(self):
        for raw in self.proc.stdout:
            self.lines.put(raw.decode("utf-8", "replace").strip())

    def take_until(self, last, timeout=5.0):
        """Lines up to and including the first that starts with last."""
        out, deadline = [], time.monotonic() + timeout
        while time.monotonic() < deadline:
            try:
                line = self.lines.get(timeout=0.1)
            except queue.Empty:
                continue
            out.append(line)
            if line.startswith(last):
                return out
        self.fail("no %r after %r" % (last, out))

    def take(self, settle=0.4):
        """Every line that arrives until none came for settle seconds."""
        out = []
        while True:
            try:
                out.append(self.lines.get(timeout=settle))
            except queue.Empty:
                return out

    def block_and_click(self, cid, button):
        """Blocks the control and clicks within its 100 ms: xdotool starts
        first and waits 50 ms, the block is set meanwhile."""
        clicker = subprocess.Popen(["xdotool", "sleep", "0.05", "click", str(button)])
        self.send("block %d" % cid)
        clicker.wait(timeout=10)

    def click_while_blocked(self, cid, button, events):
        """Clicks within the control's 100 ms block and returns what
        events() finds among the lines. A loaded machine can set the block
        late or deliver the click late, outside the window: up to three
        tries, so that only a control that never blocks fails."""
        got = []
        for _ in range(3):
            self.block_and_click(cid, button)
            got = events(self.take())
            if not got:
                break
            time.sleep(0.2)
        return got

    def send(self, command):
        self.proc.stdin.write((command + "\n").encode())
        self.proc.stdin.flush()
        self.take_until("done")

    def centre(self, cid, dx=0, dy=0):
        left, top, right, bottom = self.rects[cid]
        return (left + right) // 2 + dx, (top + bottom) // 2 + dy

    def at(self, cid, x_in_control, dy=0):
        left, top, right, bottom = self.rects[cid]
        return left + x_in_control, (top + bottom) // 2 + dy

    def button_codes(self, lines):
        return [(int(l.split()[1]), l.split()[2]) for l in lines if l.startswith("button ")]

    def slider_events(self, lines):
        """(id, code, position, part, index, moved, disabled) of each slider line."""
        return [tuple(int(v) for v in l.split()[1:]) for l in lines if l.startswith("slider ")]


class ButtonInput(ControlsHostCase):
    def test_each_mouse_button_sends_down_up_and_click(self):
        x, y = self.centre(PLAY)
        for button, codes in ((1, ["66", "67", "0"]), (3, ["69", "6a", "68"]),
                              (2, ["6c", "6d", "6b"])):
            with self.subTest(button=button):
                xdotool("mousemove", x, y, "click", button)
                self.assertEqual(self.button_codes(self.take()), [(PLAY, c) for c in codes])

    def test_release_outside_sends_no_click(self):
        x, y = self.centre(PLAY)
        xdotool("mousemove", x, y, "mousedown", 1)
        xdotool("mousemove", x, y + 80, "mouseup", 1)
        self.assertEqual(self.button_codes(self.take()), [(PLAY, "66"), (PLAY, "67")])

    def test_double_click_is_two_presses(self):
        x, y = self.centre(PLAY)
        xdotool("mousemove", x, y, "click", "--repeat", 2, "--delay", 60, 1)
        self.assertEqual(self.button_codes(self.take()),
                         [(PLAY, c) for c in ["66", "67", "0", "66", "67", "0"]])

    def test_disabled_button_is_silent(self):
        x, y = self.centre(PAUSE)
        self.send("enable %d 0" % PAUSE)
        xdotool("mousemove", x, y, "click", 1, "click", 3, "click", 2)
        self.assertEqual(self.button_codes(self.take()), [])
        self.send("enable %d 1" % PAUSE)
        xdotool("click", 1)
        self.assertEqual(self.button_codes(self.take()),
                         [(PAUSE, "66"), (PAUSE, "67"), (PAUSE, "0")])

    def test_presses_are_blocked_for_100_ms(self):
        xdotool("mousemove", *self.centre(PLAY))
        for button in (1, 3, 2):
            with self.subTest(button=button):
                self.assertEqual(self.click_while_blocked(PLAY, button, self.button_codes), [])
        time.sleep(0.2)
        xdotool("click", 1)
        self.assertEqual(self.button_codes(self.take()), [(PLAY, "66"), (PLAY, "67"), (PLAY, "0")])


class SliderInput(ControlsHostCase):
    # The seek bar is 412 wide with a 9-pixel thumb: travel 403, range 10000,
    # its thumb at 3000 spans x 121..130.
    def after_release(self, events):
        """The events without the hover that follows a release on the thumb
        (the window gets a mouse move when the capture ends)."""
        if events and events[-1][1:3] == (110, -1):
            return events[:-1]
        return events

    def value(self, x):
        return round(min(max(x - 4, 0), 403) / 403 * 10000)

    def test_hover_then_leave(self):
        xdotool("mousemove", *self.at(SEEK, 300, dy=-6))
        xdotool("mousemove", *self.at(SEEK, 300, dy=-4))  # no new value
        xdotool("mousemove", *self.at(SEEK, 125))  # onto the thumb
        xdotool("mousemove", *PARKED)
        events = self.slider_events(self.take())
        self.assertEqual([e[1:3] for e in events],
                         [(110, self.value(300)), (110, -1), (111, -1)])
        self.assertTrue(all(e[0] == SEEK for e in events))

    def test_thumb_click_in_place(self):
        xdotool("mousemove", *self.at(SEEK, 125))
        self.take()
        xdotool("click", 1)
        self.assertEqual([e[1] for e in self.slider_events(self.take())], [102, 103, 101, 122])

    def test_thumb_drag_reports_each_new_value_then_hovers_again(self):
        x, y = self.at(SEEK, 125)
        xdotool("mousemove", x, y)
        self.take()
        xdotool("mousedown", 1)
        time.sleep(0.1)
        xdotool("mousemove", x + 1, y)  # one pixel: nothing moves
        time.sleep(0.1)
        xdotool("mousemove", x + 40, y)
        time.sleep(0.1)
        xdotool("mousemove", x + 40, y + 3)  # only down: no new value
        time.sleep(0.1)
        xdotool("mouseup", 1)
        events = self.after_release(self.slider_events(self.take()))
        self.assertEqual([e[1] for e in events], [102, 112, 103, 101])
        thumb = round(3000 / 10000 * 403)  # where the thumb started
        self.assertEqual(events[1][2], round((thumb + 40) / 403 * 10000))
        xdotool("mousemove", x + 60, y)
        self.assertEqual([e[1] for e in self.slider_events(self.take())], [110])

    def test_channel_press_grabs_then_drags(self):
        x, y = self.at(SEEK, 300)
        xdotool("mousemove", x, y)
        self.take()
        xdotool("mousedown", 1)
        time.sleep(0.1)
        xdotool("mousemove", x + 1, y)
        time.sleep(0.1)
        xdotool("mousemove", x + 50, y)
        time.sleep(0.1)
        xdotool("mouseup", 1)
        events = self.after_release(self.slider_events(self.take()))
        self.assertEqual([e[1] for e in events], [102, 112, 112, 103, 101])
        self.assertEqual(events[1][2], self.value(300))
        self.assertEqual(events[2][2], self.value(350))
        self.assertEqual(events[2][5], 1)  # moved
        # Released: the next moves are hover again, not drag.
        xdotool("mousemove", x + 60, y)
        self.assertEqual([e[1] for e in self.slider_events(self.take())], [110])

    def test_right_and_middle_buttons(self):
        xdotool("mousemove", *self.at(SEEK, 300))
        self.take()
        xdotool("click", 3)
        self.assertEqual([e[1] for e in self.slider_events(self.take())], [105, 106, 104])
        xdotool("click", 2)
        self.assertEqual([e[1] for e in self.slider_events(self.take())], [108, 109, 107])

    def test_disabled_bar_reports_with_its_flag_and_blocks_last_100_ms(self):
        xdotool("mousemove", *self.at(VOLUME, 20))
        self.take()
        self.send("enable %d 0" % VOLUME)
        xdotool("click", 1)
        events = self.slider_events(self.take())
        self.assertTrue(events)
        self.assertTrue(all(e[0] == VOLUME and e[6] == 1 for e in events))
        self.send("enable %d 1" % VOLUME)
        presses = lambda lines: [e for e in self.slider_events(lines) if e[1] == 102]  # noqa: E731
        self.assertEqual(self.click_while_blocked(VOLUME, 1, presses), [])
        time.sleep(0.2)
        xdotool("click", 1)
        self.assertEqual(len(presses(self.take())), 1)


class Screens(ControlsHostCase):
    def shot(self, geometry, name):
        path = os.path.join(self.dir, name)
        subprocess.run(["import", "-window", "root", "-crop", geometry, path], check=True)
        return path

    def compare(self, path, reference):
        result = zvtest.wine([IMAGE_TOOL, "compare", winpath(path), winpath(reference), "8", "20"],
                             timeout=60)
        return result.returncode, result.stdout.decode("utf-8", "replace").strip()

    def settle(self):
        # Pointer away and hover fades over before the picture is taken.
        xdotool("mousemove", *PARKED)
        time.sleep(0.5)

    def test_button_strip_matches_the_reference(self):
        self.settle()
        code, report = self.compare(self.shot(STRIP_GEOMETRY, "strip.png"),
                                    os.path.join(HERE, "ref", "button_strip.png"))
        self.assertEqual(code, 0, report)

    def test_sliders_with_marks_match_the_reference(self):
        self.settle()
        reference = os.path.join(HERE, "ref", "slider_marks.png")
        code, report = self.compare(self.shot(SLIDERS_GEOMETRY, "sliders.png"), reference)
        self.assertEqual(code, 0, report)
        # A disabled seek bar loses its thumb and fill: the comparison sees it.
        self.send("enable %d 0" % SEEK)
        time.sleep(0.3)
        code, _ = self.compare(self.shot(SLIDERS_GEOMETRY, "disabled.png"), reference)
        self.assertEqual(code, 1)


if __name__ == "__main__":
    zvtest.main()
