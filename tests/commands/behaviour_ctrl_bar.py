"""The control bar of the real player under real pointer input (xdotool at
the probe's child rectangles), on a video-only clip.

Buttons: topmost, playlist and mute act on a click; the size button keeps
the pointer on the same point of the button while the window shrinks
under it; a right press opens the button's menu (the rate menu of the play
button, the long playlist menu kept 3 px inside the monitor); rewind held
seeks back until its release, by the fast step with the right button; a
custom button bound to a seek seeks from press to release and its click
adds nothing, one bound to play/pause acts on the click only.

Sliders: the hover text of the seek bar with the preview off, a drag that
holds playback while it runs and seeks to the last place at release, a
Shift+press that pauses, the seek-bar menu at 90 % above a low bar, the
volume slider's hover text and a drag that sets [Main] "Vol"."""

import os
import re
import shutil
import subprocess
import sys
import time
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "playback"))

import play_support as ps  # noqa: E402
from play_support import engine_media  # noqa: E402
import screen  # noqa: E402
import zvtest  # noqa: E402
from behaviour_menus import POPUP_CLASS, MenuWatch  # noqa: E402
from screen import PARKED, xdotool  # noqa: E402
from zvtest import BehaviourTest, parse_window, probe, read_ini, winpath  # noqa: E402

PLAY, REWIND, PLAYLIST, TOPMOST, SIZE = 32970, 32972, 32976, 32977, 32978
CUSTOM1, CUSTOM2, MUTE, SEEK_BAR, VOLUME_SLIDER = 32986, 32987, 33069, 33070, 33071
# Play, rewind, playlist, topmost, size and two custom buttons.
BUTTON_ORDER = "".join("%02X" % c for c in (2, 255, 5, 255, 18, 19, 20, 255, 193, 194))
# Custom button 1 (mouse code C1) seeks back, 2 (C2) plays and pauses;
# F6 opens the seek-bar menu by name.
BINDINGS = ["1,5,-1,,C1", "1,1,-1,,C2", "1,50,SEEKBAR,75"]
MEDIA = os.path.join(engine_media.MEDIA, "ctrl-commands")
MONITOR = (0, 0, 1920, 1080)
TRACKS = 80
# The drawn menu lies this far inside its window, which carries the shadow.
SHADOW = 8


def video_only(seconds):
    """A clip without sound (MJPEG in AVI), made once."""
    out = os.path.join(MEDIA, "video%d.avi" % seconds)
    if not os.path.exists(out):
        os.makedirs(MEDIA, exist_ok=True)
        engine_media._ffmpeg(out, "-f", "lavfi", "-i",
                             "testsrc=size=320x180:rate=25:duration=%d" % seconds,
                             *engine_media.MJPEG)
    return out


def long_list(where, clip):
    """A .zvpl list of TRACKS links to the clip: its playlist menu is taller
    than the screen."""
    lines = ["[ZENTAVIO_PLAYLIST]", "FMT=100", "COUNT=%d" % TRACKS]
    for n in range(1, TRACKS + 1):
        name = "v%02d.avi" % n
        os.link(clip, os.path.join(where, name))
        lines += ["[TRACK_%d]" % n, "PATH=.\\" + name]
    path = os.path.join(where, "long.zvpl")
    with open(path, "wb") as f:
        f.write(b"\xff\xfe" + ("\r\n".join(lines) + "\r\n").encode("utf-16-le"))
    return path


def bindings():
    binds = {"Count": str(len(BINDINGS))}
    binds.update({str(i): entry for i, entry in enumerate(BINDINGS)})
    return binds


def pointer():
    out = subprocess.run(["xdotool", "getmouselocation"], capture_output=True, text=True,
                         check=True).stdout
    return int(re.search(r"x:(\d+)", out).group(1)), int(re.search(r"y:(\d+)", out).group(1))


class CtrlPlayer(MenuWatch, BehaviourTest):
    """Starts the player on a target with the settings of the case."""

    def start(self, target, main):
        if not shutil.which("xdotool") or not shutil.which("import"):
            self.skipTest("no xdotool or ImageMagick")
        ps.settings(self.box, repeat=0, keep_awake=0,
                    extra={"Main": main, "Bind": bindings(),
                           "Ctrl": {"BtnOdr": BUTTON_ORDER, "SbTip": "0"},
                           "Playlist": {"Atc": "0", "Pos": "1200,120,280,420,100"}})
        xdotool("mousemove", *PARKED)
        self.proc = self.box.start(winpath(target))
        self.win = self.box.wait_window()
        self.assertIsNotNone(self.win, "no main window")
        ps.wait_status(self, r"PLAYING", timeout=30)

    def focus(self):
        """A click on the title bar gives the main window the keyboard."""
        code, out = probe("wait", "ZENTAVIO", "2000")
        self.assertEqual(code, 0)
        self.win = parse_window(out)
        left, top = (int(v) for v in self.win["rect"].split(",")[:2])
        xdotool("mousemove", left + 300, top + 12, "click", 1)
        xdotool("mousemove", *PARKED)
        time.sleep(0.3)

    def centre(self, cid, fraction=0.5):
        rect = screen.child_rect(self.win, cid)
        self.assertIsNotNone(rect, "child %d is not shown" % cid)
        left, top, width, height = rect
        return left + int(width * fraction), top + height // 2

    def click(self, cid, fraction=0.5, button=1):
        screen.click_child(self, self.win, cid, fraction, button)

    def close_popup(self):
        xdotool("key", "Escape")

        def none_shown():
            code, out = probe("visible", POPUP_CLASS)
            return code == 0 and out.strip() == "0"
        self.assertTrue(zvtest.wait_for(none_shown, 5), "the popup stays")

    def right_press(self, cid, fraction=0.5):
        n = len(self.menus())
        xdotool("mousemove", *self.centre(cid, fraction), "click", 3)
        return n

    def seek_to(self, fraction, seconds):
        self.click(SEEK_BAR, fraction)
        self.assertTrue(zvtest.wait_for(lambda: abs(ps.elapsed(self) - seconds) <= 2, 10),
                        "no seek to %d s: %r" % (seconds, ps.status(self)))

    def settled_elapsed(self):
        """The paused time pane once it stands still."""
        last = [None]

        def still():
            now = ps.elapsed(self)
            same = now == last[0]
            last[0] = now
            time.sleep(0.5)
            return same
        self.assertTrue(zvtest.wait_for(still, 10), "the time pane keeps moving")
        return last[0]

    def hold(self, cid, button, until):
        """Holds the mouse button on the control until the time pane has
        reached until (seconds) or below; the time it stood at before."""
        before = self.settled_elapsed()
        xdotool("mousemove", *self.centre(cid), "mousedown", button)
        try:
            reached = zvtest.wait_for(lambda: ps.elapsed(self) <= until, 15)
        finally:
            xdotool("mouseup", button, "mousemove", *PARKED)
        self.assertTrue(reached, "held from %d s, never reached %d s: %r"
                        % (before, until, ps.status(self)))
        return before

    def assert_stands(self, what):
        """After a release the seek has ended: the paused pane stands."""
        first = self.settled_elapsed()
        time.sleep(1.5)
        self.assertEqual(ps.elapsed(self), first, "%s seeks on after its release" % what)
        return first


class Buttons(CtrlPlayer):
    @unittest.skip("open fault: the held rewind's position after release is not yet settled")
    def test_clicks_right_presses_and_held_buttons(self):
        folder = os.path.join(self.box.dir, "media")
        os.makedirs(folder)
        self.start(long_list(folder, video_only(60)), {"Pos": "100,100,855,555"})

        # Topmost and playlist toggle on a click, and back.
        self.click(TOPMOST)
        ps.wait_status(self, r"TOPMOST : ON")
        self.click(TOPMOST)
        ps.wait_status(self, r"TOPMOST : OFF")
        for shown in ("1", "0"):
            self.click(PLAYLIST)
            self.assertTrue(zvtest.wait_for(
                lambda: probe("visible", "ZENTAVIO_PLAYLIST")[1].strip() == shown, 8),
                "playlist window visible should be %s" % shown)
        self.click(MUTE)
        ps.wait_status(self, r"MUTE")
        self.click(MUTE)

        # A right press on play opens the rate menu over the button.
        n = self.right_press(PLAY)
        self.wait_menu(2330, n)
        rect = self.popup()
        button = screen.child_rect(self.win, PLAY)
        self.assertLessEqual(rect[1], button[1], "the rate menu does not open upwards")
        self.close_popup()

        # The playlist menu of 80 tracks is taller than the screen: it is
        # kept 3 px inside the monitor.
        n = self.right_press(PLAYLIST)
        items = self.wait_menu(2318, n)
        self.assertGreaterEqual(len([i for i in items if 35769 <= i[0] < 35769 + 1000]), TRACKS)
        # The popup's window carries its shadow around the drawn menu.
        rect = self.popup()
        drawn = (rect[0] + SHADOW, rect[1] + SHADOW, rect[2] - SHADOW, rect[3] - SHADOW)
        self.assertTrue(drawn[1] >= MONITOR[1] + 3 and drawn[3] <= MONITOR[3] - 3, rect)
        self.assertTrue(rect[1] <= MONITOR[1] + 40 or rect[3] >= MONITOR[3] - 40,
                        "the long menu reaches neither edge: %r" % (rect,))
        self.close_popup()
        xdotool("mousemove", *PARKED)

        # The size button: 100 % shrinks the window; the pointer stays on
        # the same point of the button.
        before_rect = screen.child_rect(self.win, SIZE)
        at = (before_rect[0] + 5, before_rect[1] + 4)
        xdotool("mousemove", *at, "click", 1)
        ps.wait_status(self, r"SIZE")

        def moved():
            code, out = probe("wait", "ZENTAVIO", "2000")
            self.win = parse_window(out)
            rect = screen.child_rect(self.win, SIZE)
            return rect if rect and rect[:2] != before_rect[:2] else None
        after_rect = zvtest.wait_for(moved, 10)
        self.assertIsNotNone(after_rect, "the size button did not move")
        self.assertTrue(zvtest.wait_for(
            lambda: pointer() == (after_rect[0] + 5, after_rect[1] + 4), 5),
            "pointer at %r, button now at %r" % (pointer(), after_rect))
        xdotool("mousemove", *PARKED)

        # Paused for the held seeks, so that only they move the time pane.
        n = len(ps.traces(self.box))
        self.click(PLAY)
        ps.wait_trace(self, self.box, "pause", n)
        self.seek_to(0.75, 45)
        # Rewind held by the left button: 3 s steps until released.
        start = self.settled_elapsed()
        self.hold(REWIND, 1, start - 7)
        self.assert_stands("rewind")
        # By the right button: the fast step of 15 s.
        self.seek_to(0.9, 54)
        start = self.settled_elapsed()
        self.hold(REWIND, 3, start - 15)
        self.assert_stands("rewind by the right button")

        # Custom button 1 seeks from press to release; its click adds no
        # further step.
        self.seek_to(0.75, 45)
        start = self.settled_elapsed()
        self.hold(CUSTOM1, 1, start - 7)
        self.assert_stands("the seek button")
        self.assertTrue(ps.status(self).find("PAUSED") >= 0, ps.status(self))

        # Custom button 2 plays on its click, not on its press.
        n = len(ps.traces(self.box))
        xdotool("mousemove", *self.centre(CUSTOM2), "mousedown", 1)
        try:
            time.sleep(1.0)
            self.assertEqual([t["cause"] for t in ps.traces(self.box)[n:]
                              if t["cause"] in ("play", "pause")], [])
        finally:
            xdotool("mouseup", 1, "mousemove", *PARKED)
        ps.wait_trace(self, self.box, "play", n)
        ps.wait_status(self, r"PLAYING")

        code, _ = self.box.close(self.proc)
        self.assertEqual(code, 0)


class Sliders(CtrlPlayer):
    @unittest.skip("open fault: the volume slider's hover text does not show")
    def test_seek_bar_and_volume_slider(self):
        clip = video_only(60)
        # Low on the screen: the seek bar lies in the monitor's lower half.
        self.start(clip, {"Pos": "100,560,855,1015", "Vol": "30"})
        self.focus()

        # The hover text with the preview off: percent, time and the rest.
        x, y = self.centre(SEEK_BAR, 0.5)
        for dx in (-6, -3, 0):
            xdotool("mousemove", x + dx, y)
            time.sleep(0.1)
        text = ps.wait_status(self, r"\d+\.\d\s*%\s*\(0:\d\d\s*/\s*-0:\d\d\)")
        m = re.search(r"(\d+\.\d)\s*%\s*\(0:(\d\d)\s*/\s*-0:(\d\d)\)", text)
        self.assertAlmostEqual(float(m.group(1)), 50.0, delta=3, msg=text)
        self.assertAlmostEqual(int(m.group(2)), 30, delta=2, msg=text)
        self.assertEqual(int(m.group(2)) + int(m.group(3)) in (59, 60), True, text)
        xdotool("mousemove", *PARKED)

        # A drag while playing holds playback ([Seek] "Pau") until the
        # release, which seeks to where the drag ended.
        n = len(ps.traces(self.box))
        left, top, width, height = screen.child_rect(self.win, SEEK_BAR)
        y = top + height // 2
        xdotool("mousemove", left + width // 4, y, "mousedown", 1)
        try:
            for f in (0.3, 0.4, 0.5, 0.6, 0.7, 0.75):
                xdotool("mousemove", left + int(width * f), y)
                time.sleep(0.15)
            ps.wait_trace(self, self.box, "hold", n)
        finally:
            xdotool("mouseup", 1, "mousemove", *PARKED)
        ps.wait_trace(self, self.box, "release", n)
        self.assertTrue(zvtest.wait_for(lambda: 43 <= ps.elapsed(self) <= 49, 10),
                        ps.status(self))
        ps.wait_status(self, r"PLAYING")

        # Shift+press pauses and seeks where pressed.
        press = ["mousemove", left + width // 4, y, "click", 1]
        xdotool("keydown", "shift", *press, "keyup", "shift")
        xdotool("mousemove", *PARKED)
        ps.wait_status(self, r"PAUSED")
        self.assertTrue(zvtest.wait_for(lambda: 13 <= ps.elapsed(self) <= 17, 10),
                        ps.status(self))

        # The seek-bar menu by name (100 %) and by a right press (90 %,
        # above the low bar, inside the monitor).
        self.focus()
        n = len(self.menus())
        xdotool("key", "F6")
        self.wait_menu(2333, n)
        full = self.popup()
        self.close_popup()
        n = self.right_press(SEEK_BAR, 0.5)
        self.wait_menu(2333, n)
        small = self.popup()
        ratio = (small[2] - small[0]) / float(full[2] - full[0])
        self.assertTrue(0.8 <= ratio <= 0.97, "%r against %r" % (small, full))
        self.assertLessEqual(small[3], top + 8, "the menu covers the bar: %r" % (small,))
        self.assertTrue(small[1] >= MONITOR[1] + 3, small)
        self.close_popup()
        xdotool("mousemove", *PARKED)

        # The volume slider: its hover text, then a drag to 80 %.
        vx, vy = self.centre(VOLUME_SLIDER, 0.5)
        for dx in (-4, -2, 0):
            xdotool("mousemove", vx + dx, vy)
            time.sleep(0.1)
        ps.wait_status(self, r"VOL\s+30%")
        vleft, vtop, vwidth, vheight = screen.child_rect(self.win, VOLUME_SLIDER)
        xdotool("mousemove", vleft + int(vwidth * 0.3), vy, "mousedown", 1)
        try:
            for f in (0.4, 0.6, 0.8):
                xdotool("mousemove", vleft + int(vwidth * f), vy)
                time.sleep(0.15)
        finally:
            xdotool("mouseup", 1, "mousemove", *PARKED)
        text = ps.wait_status(self, r"VOL\D*[6-9]\d%")
        dragged = int(re.search(r"VOL\D*(\d+)%", text).group(1))

        code, _ = self.box.close(self.proc)
        self.assertEqual(code, 0)
        sections, _ = read_ini(self.box.ini)
        self.assertEqual(int(sections["Main"]["Vol"]), dragged)


if __name__ == "__main__":
    zvtest.main()
