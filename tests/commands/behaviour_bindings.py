"""Real keys and mouse buttons on a playing clip run their bound functions:
play and pause, previous and next entry, seeks (held keys seek on until
released), volume, video height, full screen, the playlist window, closing
the file, and the entries of parts still to come (their trace lines with
[Main] "Test" on). The menu key opens the main menu only when unbound, and
the previous button's tooltip names its keys."""

import os
import shutil
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "playback"))

import play_support as ps  # noqa: E402
import screen  # noqa: E402
import zvtest  # noqa: E402
from screen import PARKED, xdotool  # noqa: E402
from key_support import KeyPlayer, key  # noqa: E402
from zvtest import BehaviourTest, probe, read_ini  # noqa: E402

PLAYLIST_CLASS = "ZENTAVIO_PLAYLIST"


class Bindings(KeyPlayer, BehaviourTest):
    def start(self, clips=1, extra=None):
        if not shutil.which("xdotool"):
            self.skipTest("no xdotool")
        folder = os.path.join(zvtest.TMP, "bind-long-clips")
        paths = [ps.open_support.clip(120, "bindlong%d.avi" % i, folder) for i in range(1, 4)]
        sections = {"Main": {"Pos": "100,100,855,555", "ErrLog": "1"}}
        for section, keys in (extra or {}).items():
            sections.setdefault(section, {}).update(keys)
        ps.settings(self.box, repeat=0, keep_awake=0, extra=sections)
        self.open_playing(folder if clips > 1 else paths[0])

    def test_play_pause_seek_and_entries(self):
        self.start(clips=3)
        key("space")
        ps.wait_status(self, r"PAUSED")
        key("space")
        ps.wait_status(self, r"PLAYING")
        # A click on the video pauses (after the double-click delay).
        xdotool("mousemove", *self.video_point(), "click", 1)
        xdotool("mousemove", *PARKED)
        ps.wait_status(self, r"PAUSED")
        key("space")
        ps.wait_status(self, r"PLAYING")
        key("Right")
        ps.wait_status(self, r"SEEK\s+\+3\.0")
        time.sleep(2.8)
        key("Left")
        ps.wait_status(self, r"SEEK\s+-3\.0")
        time.sleep(2.8)
        key("shift+Right")
        ps.wait_status(self, r"SEEK\s+\+15\.0")
        time.sleep(2.8)
        # Two presses within the series show their total.
        key("Right", "Right")
        ps.wait_status(self, r"\[\s*\+0:06\s*\]")
        # End and Home: the next and the previous entry of the folder.
        key("End")
        self.assertTrue(zvtest.wait_for(lambda: "bindlong2" in ps.open_support.title(), 10),
                        ps.open_support.title())
        key("Home")
        self.assertTrue(zvtest.wait_for(lambda: "bindlong1" in ps.open_support.title(), 10),
                        ps.open_support.title())

    def test_a_held_key_seeks_on_until_released(self):
        self.start()
        # The X server's own repeats can land after the release and read as
        # a fresh press under Wine; the held state alone drives the seek.
        if shutil.which("xset"):
            subprocess.run(["xset", "r", "off"], check=False)
        try:
            xdotool("keydown", "Right")
            time.sleep(1.5)
            xdotool("keyup", "Right")
        finally:
            if shutil.which("xset"):
                subprocess.run(["xset", "r", "on"], check=False)
        # The time pane stands still while the run holds playback; it catches
        # up once playback runs again.
        time.sleep(2.5)
        began, after = time.monotonic(), ps.elapsed(self)
        # Seeks of 3 s went on while held: far past the play time.
        self.assertGreaterEqual(after, 9)
        # Released: the position only plays on from there (whole seconds).
        time.sleep(3.0)
        now, played = ps.elapsed(self), time.monotonic() - began
        self.assertLessEqual(now - after, played + 1.5)

    def test_volume_size_full_screen_and_playlist(self):
        self.start()
        key("Up")
        ps.wait_status(self, r"VOL +35 *%")
        self.assertTrue(zvtest.wait_for(
            lambda: read_ini(self.box.ini)[0].get("Main", {}).get("Vol") == "35", 8))
        key("Down", "Down")
        ps.wait_status(self, r"VOL +25 *%")
        xdotool("mousemove", *self.video_point(), "click", 4)
        xdotool("mousemove", *PARKED)
        ps.wait_status(self, r"VOL +30 *%")
        self.focus()
        for name, height in (("1", 360), ("2", 540), ("3", 720), ("2", 540)):
            key(name)
            self.assertTrue(zvtest.wait_for(lambda: self.video_height() == height, 8),
                            "%s gave %d" % (name, self.video_height()))
        key("p")
        self.assertTrue(zvtest.wait_for(lambda: probe("wait", PLAYLIST_CLASS, "500")[0] == 0, 8))
        self.focus()
        key("5")
        self.assertTrue(zvtest.wait_for(
            lambda: "visible=1" in probe("wait", "ZENTAVIO_FULLSCREEN", "500")[1], 8))

    def device_choices(self):
        """The output-device choices the player logged ([Main] "Test")."""
        return ps.open_support.log_text(self.box).count(" (choose)")

    def test_later_entries_leave_their_trace(self):
        self.start()
        key("ctrl+d")
        self.assertTrue(zvtest.wait_for(lambda: self.device_choices() > 0, 8))
        for names, call in ((["ctrl+c"], "m_Capture_ByPreset(0)"),
                            (["j"], "m_JumpList_Command(-1)"),
                            (["l"], "m_Launcher_Toggle()"),
                            (["s"], "m_Options_Show(-1,-1,-1)"),
                            (["t"], "m_Timer_ToggleDialog()")):
            key(*names)
            self.wait_call(call)
        # Custom button 1 (code 193) is bound to the next audio device too.
        before = self.device_choices()
        rect = screen.child_rect(self.win, "32986")  # first custom button
        if rect:
            x, y, w, h = rect
            xdotool("mousemove", x + w // 2, y + h // 2, "click", 1)
            xdotool("mousemove", *PARKED)
            self.assertTrue(zvtest.wait_for(
                lambda: self.device_choices() > before, 8))
        self.focus()
        key("ctrl+x")
        ps.wait_status(self, r"CLOSED +FILE")

    def test_menu_key_opens_the_main_menu_only_when_unbound(self):
        self.start(extra={"Bind": {"Count": "1", "0": "1,98,3,5D"}})
        key("Menu")
        ps.wait_status(self, r"ERROR +TASK : 3")
        self.assertNotIn("MENU : Id=240", ps.open_support.log_text(self.box))
        key("shift+F10")
        self.assertTrue(zvtest.wait_for(
            lambda: "MENU : Id=240" in ps.open_support.log_text(self.box), 8))


if __name__ == "__main__":
    zvtest.main()
