"""Popup menus under Wine, driven by real key and mouse input through
xdotool: placement on the monitor, submenus that flip to the left, clicks
outside (left, right, middle), the item past the capacity, the order of the
notices the owner receives, a quit message during the modal loop and a second menu
replacing the first. MenuHost prints every notice it receives as a line."""

import os
import queue
import re
import subprocess
import threading
import time
import unittest

import zvtest

HOST = os.path.join(zvtest.BIN, "MenuHost.exe")


def xdotool(*args):
    subprocess.run(["xdotool"] + [str(a) for a in args], check=True)


class Host:
    """One MenuHost run: its output lines as they come."""

    def __init__(self, *args):
        xdotool("mousemove", 1000, 1000)
        self.proc = subprocess.Popen([zvtest.HARNESS, "exec", HOST] + [str(a) for a in args],
                                     stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        self.lines = []
        self.queue = queue.Queue()
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        for raw in self.proc.stdout:
            self.queue.put(raw.decode("utf-8", "replace").rstrip("\r\n"))
        self.queue.put(None)

    def wait(self, pattern, timeout=15):
        """The first line from now on matching pattern (a regex), or a failure."""
        rx = re.compile(pattern)
        deadline = time.monotonic() + timeout
        while True:
            left = deadline - time.monotonic()
            if left <= 0:
                raise AssertionError("no line matching %r in:\n%s" % (pattern, "\n".join(self.lines)))
            try:
                line = self.queue.get(timeout=left)
            except queue.Empty:
                continue
            if line is None:
                raise AssertionError("host ended before %r:\n%s" % (pattern, "\n".join(self.lines)))
            self.lines.append(line)
            m = rx.search(line)
            if m:
                return m

    def finish(self, timeout=15):
        """Waits for the host to end; its exit code."""
        self.wait(r"^EXIT ", timeout)
        return self.proc.wait(timeout=timeout)

    def rects(self):
        """The last chain rectangles printed: [(l, t, r, b, opened_left)]."""
        line = [l for l in self.lines if l.startswith("RECTS")][-1]
        out = []
        for part in line.split()[1:]:
            values = part.split(":")[1].split(",")
            out.append(tuple(int(v) for v in values[:4]) + (len(values) > 4,))
        return out

    def item(self, level, index):
        """Centre of an item on the screen, from the host's ITEM lines."""
        pattern = r"^ITEM %d %d (-?\d+) (-?\d+) (-?\d+) (-?\d+)$" % (level, index)
        for line in reversed(self.lines):
            m = re.match(pattern, line)
            if m:
                break
        else:
            m = self.wait(pattern)
        l, t, r, b = (int(v) for v in m.groups())
        return (l + r) // 2, (t + b) // 2

    def keys(self, *names):
        """Types keys into the host. Other test programs on the display may
        have taken the focus meanwhile: the host's window gets it back first."""
        if not getattr(self, "xid", None):
            found = subprocess.run(["xdotool", "search", "--all", "--pid", str(self.proc.pid),
                                    "--name", "^MenuHost$"],
                                   capture_output=True, text=True).stdout.split()
            self.xid = found[0] if found else None
        for _ in range(10):
            if not self.xid or self.focused():
                break
            try:
                subprocess.run(["xdotool", "windowactivate", "--sync", self.xid], timeout=2)
            except subprocess.TimeoutExpired:
                pass
            time.sleep(0.05)
        xdotool("key", *names)

    def focused(self):
        focus = subprocess.run(["xdotool", "getwindowfocus"], capture_output=True, text=True)
        return focus.stdout.strip() == self.xid

    def kill(self):
        if self.proc.poll() is None:
            self.proc.kill()
            self.proc.wait()


class MenuTest(unittest.TestCase):
    def host(self, *args):
        h = Host(*args)
        self.addCleanup(h.kill)
        h.wait(r"^READY")
        h.wait(r"^RECTS")
        return h

    def after(self, h, first, second):
        """Index of the first line matching second is after the one matching first."""
        a = next(i for i, l in enumerate(h.lines) if re.search(first, l))
        b = next(i for i, l in enumerate(h.lines) if re.search(second, l))
        self.assertLess(a, b, "\n".join(h.lines))


class Placement(MenuTest):
    def test_menu_is_kept_inside_the_monitor(self):
        cases = [  # point, mode, check
            ((1900, 1070), 4, lambda r: (r[2], r[3]) == (1916, 1076)),
            ((100, 20), 5, lambda r: (r[0], r[1]) == (100, 4)),
            ((5, 600), 7, lambda r: r[0] == 4 and r[3] == 600),
        ]
        for (x, y), mode, check in cases:
            with self.subTest(point=(x, y), mode=mode):
                h = self.host("basic", x, y, mode)
                root = h.rects()[0]
                self.assertTrue(check(root), root)
                h.keys("Escape")
                self.assertEqual(h.finish(), 0)
                self.assertIn("RESULT -1", h.lines)

    def test_submenu_flips_to_the_left_near_the_right_edge(self):
        for x, flips in ((300, False), (1700, True)):
            with self.subTest(x=x):
                h = self.host("basic", x, 300)
                cx, cy = h.item(0, 5)  # "More"
                xdotool("mousemove", cx, cy)
                h.wait(r"^RECTS .* 1:")
                root, sub = h.rects()[:2]
                self.assertEqual(sub[4], flips)
                if flips:
                    self.assertLessEqual(sub[2], root[0] - 4)
                else:
                    self.assertGreaterEqual(sub[0], root[2] + 4)
                # The submenu lines up with its item.
                self.assertLessEqual(abs(sub[1] - (cy - 12)), 14)
                sx, sy = h.item(1, 1)
                xdotool("mousemove", sx, sy, "click", 1)
                h.wait(r"^CMD code=100 menu=0 index=1 .* id=101 .*closes=1")
                self.assertEqual(h.finish(), 0)


class Outside(MenuTest):
    def test_clicks_outside_end_the_menu_with_their_codes(self):
        for button, dismissed in ((1, "DISMISSED 1"), (3, "DISMISSED 2")):
            with self.subTest(button=button):
                h = self.host("basic", 300, 300)
                xdotool("mousemove", 900, 700, "click", button)
                h.wait(r"^RESULT -1")
                self.assertEqual(h.finish(), 0)
                self.assertIn(dismissed, h.lines)
                # The click itself does not reach the window below.
                self.assertFalse([l for l in h.lines if l.startswith("HOST")], h.lines)
                self.after(h, r"^DISMISSED", r"^CLOSED")

    def test_middle_click_outside_passes_through(self):
        h = self.host("basic", 300, 300)
        xdotool("mousemove", 900, 700, "click", 2)
        h.wait(r"^HOST MBUTTONDOWN")
        self.assertEqual(h.finish(), 0)
        self.assertIn("RESULT -1", h.lines)
        self.assertFalse([l for l in h.lines if l.startswith("DISMISSED")], h.lines)

    def test_middle_click_on_an_item_chooses_only_items_that_allow_it(self):
        h = self.host("basic", 300, 300)
        xdotool("mousemove", *h.item(0, 0))
        xdotool("click", 2)
        xdotool("mousemove", *h.item(0, 9))
        xdotool("click", 2)
        h.wait(r"^CMD code=100 menu=7 index=9 .* mod=2 closes=0")
        h.keys("Escape")
        self.assertEqual(h.finish(), 0)
        self.assertEqual(len([l for l in h.lines if l.startswith("CMD")]), 1, h.lines)


class Capacity(MenuTest):
    def test_the_item_past_the_capacity_is_refused(self):
        # 1024: a full playlist of 1000 tracks with its caption, anchor,
        # separator and check-box switch.
        h = Host("many", 300, 100)
        self.addCleanup(h.kill)
        h.wait(r"^INSERT 1023 -> 1023$")
        h.wait(r"^INSERT 1024 -> -1$")
        h.wait(r"^COUNT 1024$")
        h.wait(r"^RECTS")
        h.keys("End", "Return")
        h.wait(r"^CMD code=100 menu=9 index=1023 .*id=6023 ")
        self.assertEqual(h.finish(), 0)


class Notices(MenuTest):
    def test_order_of_the_notices_of_a_choice(self):
        h = self.host("basic", 300, 300)
        # F10 acts as a plain key in the menu; a letter reaches the owner.
        h.keys("F10", "a", "Down", "Down", "Return")
        h.wait(r"^EXIT")
        kinds = [l.split()[0] for l in h.lines if l.split()[0] in
                 ("SEL", "CMD", "CLOSING", "RESULT", "CLOSED")]
        self.assertEqual(kinds[0], "SEL")
        self.assertIn("SEL menu=7 index=-1 id=0 state=0", h.lines[:3])
        self.assertEqual(kinds[-4:], ["CMD", "CLOSING", "RESULT", "CLOSED"])
        self.assertRegex(h.lines[[i for i, l in enumerate(h.lines) if l.startswith("CMD")][0]],
                         r"code=100 menu=7 index=1 .*id=11 .*closes=1 rac=0 .*popup=1 item=1 during=1")
        self.assertIn("CLOSED menu=7 wparam=0", h.lines)
        self.assertIn("KEY vk=65", h.lines)
        self.assertNotIn("KEY vk=121", h.lines)
        self.assertIn("RESULT 1", h.lines)

    def test_run_after_close_choice_arrives_after_the_loop_without_pointers(self):
        h = self.host("basic", 300, 300)
        xdotool("mousemove", *h.item(0, 7), "click", 1)
        h.wait(r"^CMD code=100 .*id=17 .*closes=1 rac=1 .*popup=0 item=0 during=0")
        self.assertEqual(h.finish(), 0)
        self.after(h, r"^RESULT", r"^CMD code=100")
        self.after(h, r"^CMD code=100", r"^CLOSED")

    def test_submenu_notice_comes_before_the_submenu_shows(self):
        h = self.host("lazy", 300, 300)
        h.keys("Down", "Right")
        h.wait(r"^RECTS .* 1:")
        self.after(h, r"^SUBMENU id=15", r"^RECTS .* 1:")
        h.keys("Down", "Return")
        h.wait(r"^CMD code=100 menu=0 .*id=40[01] ")
        self.assertEqual(h.finish(), 0)


class Loop(MenuTest):
    def test_quit_during_the_menu_ends_it_and_reaches_the_outer_loop(self):
        h = self.host("quit", 300, 300)
        h.wait(r"^POSTQUIT 7")
        h.wait(r"^RESULT -1")
        self.assertEqual(h.finish(), 7)
        self.assertIn("EXIT 7", h.lines)
        self.after(h, r"^CLOSED menu=7", r"^EXIT 7")

    def test_second_menu_replaces_the_first(self):
        h = self.host("replace", 300, 300)
        h.wait(r"^TRACK2")
        time.sleep(0.5)
        h.keys("Down", "Return")
        h.wait(r"^RESULT2 0")
        h.wait(r"^RESULT -1")
        self.assertEqual(h.finish(), 0)
        closed = [l for l in h.lines if l.startswith("CLOSED")]
        self.assertEqual(closed, ["CLOSED menu=42 wparam=0", "CLOSED menu=7 wparam=0"])


if __name__ == "__main__":
    zvtest.main()
