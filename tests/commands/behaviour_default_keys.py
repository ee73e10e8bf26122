"""The default bindings not met elsewhere, by real keys and buttons on a
clip with chapters from its information file: chapter skips by Page Up and
Page Down and by the rocker gestures, the disabled play-range keys, the
favorites window, the largest height key, a held seek that pauses playback
meanwhile, full screen by the middle button, and closing with the resume
point saved."""

import os
import shutil
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "playback"))
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "filedata"))

import play_support as ps  # noqa: E402
import zvtest  # noqa: E402
from behaviour_resume import key_of, read_store  # noqa: E402
from key_support import KeyPlayer, key  # noqa: E402
from screen import PARKED, xdotool  # noqa: E402
from zvtest import BehaviourTest, probe, read_ini  # noqa: E402

FAVORITES_CLASS = "ZENTAVIO_FAVO"
FULL_SCREEN_CLASS = "ZENTAVIO_FULLSCREEN"


def visible(cls):
    code, out = probe("wait", cls, "500")
    return code == 0 and "visible=1" in out


class DefaultKeys(KeyPlayer, BehaviourTest):
    def start(self, media, extra):
        if not shutil.which("xdotool"):
            self.skipTest("no xdotool")
        sections = {"Main": {"Pos": "100,100,855,555", "ErrLog": "1"}}
        for section, keys in extra.items():
            sections.setdefault(section, {}).update(keys)
        ps.settings(self.box, repeat=0, keep_awake=0, extra=sections)
        self.open_playing(media)

    def landed(self, chapter, seconds):
        """The skip's message names the chapter, and the (paused) time pane
        shows its start."""
        ps.wait_status(self, r"POS : CHAPTER %d\b" % chapter)
        self.assertTrue(zvtest.wait_for(lambda: ps.elapsed(self) == seconds, 8),
                        "time pane at %d, not %d" % (ps.elapsed(self), seconds))

    def rocker(self, held, pressed):
        """Holds one button on the video and clicks the other meanwhile."""
        xdotool("mousemove", *self.video_point(), "mousedown", held, "mousedown", pressed,
                "mouseup", pressed, "mouseup", held)
        xdotool("mousemove", *PARKED)

    def hold_right(self, seconds):
        # The X server's own repeats can land after the release and read as
        # a fresh press under Wine; the held state alone drives the seek.
        if shutil.which("xset"):
            subprocess.run(["xset", "r", "off"], check=False)
        try:
            xdotool("keydown", "Right")
            time.sleep(seconds)
            xdotool("keyup", "Right")
        finally:
            if shutil.which("xset"):
                subprocess.run(["xset", "r", "on"], check=False)

    def test_default_keys_and_buttons(self):
        media = os.path.join(self.box.dir, "defaults.avi")
        shutil.copy(ps.open_support.clip(120, "bindlong1.avi", os.path.join(
            zvtest.TMP, "bind-long-clips")), media)
        ps.write_zvinf(media, [0, 20000, 40000, 60000], [], 120000)
        # One step at once, one after the wait, then none for 5 s.
        self.start(media, {"Seek": {"Itvl": "10,5000", "Dly": "300", "Pau": "1"}})
        key("space")
        ps.wait_status(self, r"PAUSED")
        key("Next")
        self.landed(2, 20)
        key("Next")
        self.landed(3, 40)
        # Right after a chapter's start, the previous one is the one before.
        key("Prior")
        self.landed(2, 20)
        # Left held, right clicked: the next chapter; right held, left
        # clicked: the previous one, and no context menu.
        self.rocker("1", "3")
        self.landed(3, 40)
        self.rocker("3", "1")
        self.landed(2, 20)
        self.assertNotIn("MENU : Id=240", ps.open_support.log_text(self.box))
        ps.wait_status(self, r"PAUSED")

        # The play-range keys are bound but disabled: nothing at all.
        self.focus()
        key("bracketleft", "bracketright", "94")  # 94: VK_OEM_102
        texts = set()
        deadline = time.monotonic() + 1.5
        while time.monotonic() < deadline:
            texts.add(ps.status(self))
        self.assertFalse([t for t in texts if "RANGE" in t], texts)
        self.assertEqual(read_ini(media + ".zvinf")[0].get("RANGE", {}), {})
        key("Up")
        ps.wait_status(self, r"VOL +35 *%")

        key("f")
        self.assertTrue(zvtest.wait_for(lambda: visible(FAVORITES_CLASS), 8))
        self.focus()
        key("f")
        self.assertTrue(zvtest.wait_for(lambda: not visible(FAVORITES_CLASS), 8))

        key("4")
        self.assertTrue(zvtest.wait_for(lambda: self.video_height() == 900, 8),
                        "4 gave %d" % self.video_height())
        key("2")
        self.assertTrue(zvtest.wait_for(lambda: self.video_height() == 540, 8))

        # Held Right with [Seek] "Pau": two steps of 3 s (one at the press,
        # one after the wait) while playback stands, then it plays on. The
        # time pane shows the run's target until the run has ended, so the
        # position is read after that.
        self.focus()
        key("space")
        ps.wait_status(self, r"PLAYING")
        began, before = time.monotonic(), ps.elapsed(self)
        self.hold_right(4.0)
        time.sleep(4.0)
        played = time.monotonic() - began
        stood = played - (ps.elapsed(self) - before - 6)
        self.assertTrue(2 <= stood <= 5.5, "stood %.1f s of %.1f" % (stood, played))

        # The middle button on the video: full screen.
        xdotool("mousemove", *self.video_point(), "click", "2")
        xdotool("mousemove", *PARKED)
        self.assertTrue(zvtest.wait_for(lambda: visible(FULL_SCREEN_CLASS), 8))

        key("space")
        ps.wait_status(self, r"PAUSED")
        paused_at = ps.elapsed(self)
        key("ctrl+x")
        ps.wait_status(self, r"CLOSED +FILE")
        records = dict(read_store(os.path.join(self.box.dir, "Resume.dat")))
        self.assertIn(key_of("defaults.avi"), records, records)
        stored = float(records[key_of("defaults.avi")].split(",")[0])
        self.assertTrue(paused_at <= stored < paused_at + 1, (paused_at, stored))
        self.assertEqual(self.box.close(self.proc)[0], 0)


if __name__ == "__main__":
    zvtest.main()
