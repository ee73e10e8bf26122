"""Layout of the real main window under Wine: the bottom panel's rows, the
button row for the default and a custom order, and the overflow button of a
narrow window."""

import time

import zvtest
from zvtest import BehaviourTest, probe, write_ini

CONTROL_PANEL, BUTTON_PANEL, STATUS_BAR = 32869, 32870, 32873
SEEK_BAR, VOLUME_SLIDER, VOLUME_BUTTON, EXTRA_BUTTON = 33070, 33071, 33069, 33067
LAUNCHER, PLAY, PREVIOUS, CUSTOM1 = 32969, 32970, 32971, 32986


def child(test, cid):
    code, out = probe("child", "ZENTAVIO", str(cid))
    if code == 3:
        test.skipTest("the main window has no child %d yet" % cid)
    test.assertEqual(code, 0, out)
    visible, rect = out.split()
    left, top, right, bottom = (int(v) for v in rect.partition("=")[2].split(","))
    return {"visible": visible == "visible=1", "left": left, "top": top, "right": right,
            "bottom": bottom}


class Layout(BehaviourTest):
    def start(self, ctrl=None, main=None):
        sections = {"Main": {"Ver": "90690", "Pos": "40,40,855,555"}}
        sections["Main"].update(main or {})
        if ctrl:
            sections["Ctrl"] = ctrl
        write_ini(self.box.ini, sections)
        proc = self.box.start()
        self.assertIsNotNone(self.box.wait_window(), "no ZENTAVIO window")
        # The panels show just after the window; a busy machine can be asked
        # in between.
        deadline = time.monotonic() + 10
        while not child(self, CONTROL_PANEL)["visible"] and time.monotonic() < deadline:
            time.sleep(0.1)
        return proc

    def test_default_rows_stack_at_the_bottom(self):
        proc = self.start()
        panel = child(self, CONTROL_PANEL)
        row = child(self, BUTTON_PANEL)
        status = child(self, STATUS_BAR)
        self.assertTrue(panel["visible"])
        # The status bar is the last row and ends at the client's bottom.
        self.assertEqual(status["bottom"], panel["bottom"])
        self.assertLessEqual(row["bottom"], status["top"])
        self.assertEqual(row["right"] - row["left"], panel["right"] - panel["left"])
        # Inline seek bar between the buttons and the volume slider.
        seek = child(self, SEEK_BAR)
        volume = child(self, VOLUME_SLIDER)
        self.assertTrue(seek["visible"] and volume["visible"])
        self.assertGreaterEqual(seek["top"], row["top"])
        self.assertLess(seek["right"], volume["left"])
        self.assertEqual(volume["right"], row["right"] - 2)
        self.assertTrue(child(self, LAUNCHER)["visible"])
        self.box.close(proc)

    def test_custom_order_places_only_its_buttons(self):
        proc = self.start(ctrl={"BtnOdr": "0102"}, main={"HdBtn": "0"})
        launcher, play = child(self, LAUNCHER), child(self, PLAY)
        self.assertTrue(launcher["visible"] and play["visible"])
        self.assertEqual(play["left"] - launcher["left"], 28)
        self.assertFalse(child(self, PREVIOUS)["visible"])
        self.assertFalse(child(self, EXTRA_BUTTON)["visible"])
        seek = child(self, SEEK_BAR)
        self.assertGreater(seek["right"] - seek["left"], 500)
        self.box.close(proc)

    def test_narrow_window_shows_the_overflow_button(self):
        proc = self.start(main={"HdBtn": "0", "Ctrl": "1,1,1,0"})
        self.assertFalse(child(self, EXTRA_BUTTON)["visible"])
        self.assertTrue(child(self, CUSTOM1)["visible"])
        probe("move", "ZENTAVIO", "40", "40", "380", "400")
        extra = child(self, EXTRA_BUTTON)
        self.assertTrue(extra["visible"])
        self.assertFalse(child(self, CUSTOM1)["visible"])
        self.assertLessEqual(extra["right"], child(self, VOLUME_BUTTON)["left"])
        probe("move", "ZENTAVIO", "40", "40", "855", "555")
        self.assertFalse(child(self, EXTRA_BUTTON)["visible"])
        self.box.close(proc)


if __name__ == "__main__":
    zvtest.main()
