"""Popup menu input under Wine with real key and mouse input through xdotool:
radio groups and check items chosen by mouse and keys, Ctrl+Enter toggling
without closing, scrolling a tall menu by wheel and keys, and reordering items
by dragging their grips. MenuHost prints every notice it receives."""

import time

import zvtest
from behaviour_menus import MenuTest, xdotool


def item_rect(h, index):
    """The screen rectangle of an item of the root, once the host has printed it."""
    h.item(0, index)
    line = next(l for l in reversed(h.lines) if l.startswith("ITEM 0 %d " % index))
    return tuple(int(v) for v in line.split()[3:7])


def checks(h):
    """The last check states the host printed, as {id: checked}."""
    line = [l for l in h.lines if l.startswith("CHECKS")][-1]
    return {int(k): int(v) for k, v in (p.split(":") for p in line.split()[1:])}


class InputTest(MenuTest):
    def host(self, *args):
        h = super().host(*args)
        # Keys typed before the host window has the X focus would be lost.
        item_rect(h, 0)
        time.sleep(0.3)
        return h


class Checks(InputTest):
    def left_column(self, h, index):
        """A point on the check column: the row's left end."""
        l, t, r, b = item_rect(h, index)
        return l + 12, (t + b) // 2

    # The basic menu: 1 Check (id 11); Radio A (12), Radio B (14) and Radio C
    # (18, checked) of group 1, not adjacent.
    def test_ctrl_enter_toggles_the_check_and_keeps_the_menu_open(self):
        h = self.host("basic", 300, 300)
        h.keys("Down", "Down", "ctrl+Return")
        h.wait(r"^CMD code=100 menu=7 index=1 .*id=11 .*mod=1 closes=0")
        h.wait(r"^CHECKS")
        self.assertEqual(checks(h)[11], 1)
        h.keys("ctrl+Return")
        h.wait(r"^CMD code=100 menu=7 index=1 .*mod=1 closes=0")
        h.wait(r"^CHECKS")
        self.assertEqual(checks(h)[11], 0)
        self.assertNotIn("RESULT", " ".join(h.lines))
        # A plain Enter on the body chooses and closes; the owner decides on the check.
        h.keys("Return")
        h.wait(r"^CMD code=100 menu=7 index=1 .*state=0 mod=0 closes=1")
        h.wait(r"^CHECKS")
        self.assertEqual(checks(h)[11], 0)
        h.wait(r"^RESULT 1")
        self.assertEqual(h.finish(), 0)

    def test_a_radio_item_unchecks_the_rest_of_its_group(self):
        h = self.host("basic", 300, 300)
        # Ctrl+click keeps the menu open: Radio A takes the group from Radio C.
        xdotool("mousemove", *h.item(0, 2))
        h.wait(r"^SEL menu=7 index=2 ")
        xdotool("keydown", "ctrl", "click", 1, "keyup", "ctrl")
        h.wait(r"^CMD code=100 menu=7 index=2 .*id=12 .*mod=1 closes=0")
        h.wait(r"^CHECKS")
        self.assertEqual(checks(h), {11: 0, 12: 1, 14: 0, 18: 0})
        # A click on Radio B's mark takes the group over and keeps the menu open.
        x, y = self.left_column(h, 4)
        xdotool("mousemove", x, y)
        h.wait(r"^SEL menu=7 index=4 id=14 state=1")
        xdotool("click", 1)
        h.wait(r"^CMD code=100 menu=7 index=4 .*id=14 .*state=1 mod=0 closes=0")
        h.wait(r"^CHECKS")
        self.assertEqual(checks(h), {11: 0, 12: 0, 14: 1, 18: 0})
        # A plain click on its label chooses it and closes the menu.
        xdotool("mousemove", *h.item(0, 4))
        h.wait(r"^SEL menu=7 index=4 id=14 state=0")
        xdotool("click", 1)
        h.wait(r"^CMD code=100 menu=7 index=4 .*state=0 mod=0 closes=1")
        h.wait(r"^RESULT 4")
        self.assertEqual(h.finish(), 0)

    def test_a_click_on_the_check_column_toggles_without_closing(self):
        h = self.host("basic", 300, 300)
        xdotool("mousemove", *self.left_column(h, 1))
        h.wait(r"^SEL menu=7 index=1 id=11 state=1")
        xdotool("click", 1)
        h.wait(r"^CMD code=100 menu=7 index=1 .*state=1 mod=0 closes=0")
        h.wait(r"^CHECKS")
        self.assertEqual(checks(h)[11], 1)
        h.keys("Escape")
        h.wait(r"^RESULT -1")
        self.assertEqual(h.finish(), 0)


class Scrolling(InputTest):
    # The tall menu: 200 rows of 24 px with 1 px gaps, taller than the screen.
    def test_wheel_scrolls_two_rows_a_notch_and_the_hover_follows(self):
        h = self.host("tall", 300, 20)
        root = h.rects()[0]
        self.assertEqual(root[3] - root[1], 1080 - 8)  # the work area less the margins
        xdotool("mousemove", *h.item(0, 0))
        h.wait(r"^SEL menu=7 index=0 ")
        xdotool("click", 5)
        h.wait(r"^SEL menu=7 index=2 ")
        time.sleep(0.3)
        xdotool("click", 4)
        h.wait(r"^SEL menu=7 index=0 ")
        h.keys("Escape")
        self.assertEqual(h.finish(), 0)

    def test_keys_reach_rows_out_of_view(self):
        h = self.host("tall", 300, 20)
        xdotool("mousemove", 1000, 1000)
        h.keys("End")
        h.wait(r"^SEL menu=7 index=199 ")
        h.keys("Prior")
        m = h.wait(r"^SEL menu=7 index=(\d+) ")
        self.assertLess(int(m.group(1)), 199 - 30)
        h.keys("Home", "Up", "Return")  # Up wraps to the last row
        h.wait(r"^CMD code=100 menu=7 index=199 .*id=1199 .*closes=1")
        self.assertEqual(h.finish(), 0)


class Dragging(InputTest):
    # The drag menu: Track 0..4 (ids 200..204), every one movable; the host
    # moves the item itself when told and prints the new order.
    def drag(self, h, index, to_y):
        l, t, r, b = item_rect(h, index)
        grip = (r - 12, (t + b) // 2)  # the grip is the rightmost part
        xdotool("mousemove", *grip)
        h.wait(r"^SEL menu=7 index=%d .*state=4" % index)
        xdotool("mousedown", 1)
        for y in range(grip[1], to_y, 6 if to_y > grip[1] else -6):
            xdotool("mousemove", grip[0], y)
        xdotool("mousemove", grip[0], to_y, "mouseup", 1)

    def test_an_item_dragged_below_another_moves_there(self):
        h = self.host("drag", 300, 300)
        bottom = item_rect(h, 3)[3]
        self.drag(h, 1, bottom - 4)
        h.wait(r"^CMD code=201 menu=7 index=1 to=4 id=201 ")
        h.wait(r"^ORDER 200 202 203 201 204$")
        self.assertFalse([l for l in h.lines if l.startswith("CMD code=100")], h.lines)
        h.keys("Escape")
        self.assertEqual(h.finish(), 0)

    def test_an_item_dropped_in_its_own_place_does_not_move(self):
        h = self.host("drag", 300, 300)
        bottom = item_rect(h, 2)[3]
        self.drag(h, 2, bottom + 2)  # the gap right below itself
        time.sleep(0.3)
        h.keys("Escape")
        self.assertEqual(h.finish(), 0)
        self.assertFalse([l for l in h.lines if l.startswith("CMD")], h.lines)


if __name__ == "__main__":
    zvtest.main()
