"""The playlist window docked to the player's main window under Wine: it
opens on the stored side, goes to the other side when the work area has no
room, follows a drag of the main window, and always-on-top by [Main] "Top"
and [Common] "PlyTop"."""

import subprocess
import time

import zvtest
from zvtest import BehaviourTest, parse_window, probe, read_ini, write_ini

PARKED = (1900, 1060)
WS_EX_TOPMOST = 0x8
# The main window and the playlist may each keep an invisible border of 7
# px outside their visible frames; docked, the visible frames touch.
BORDERS = (0, 14)


def xdotool(*args):
    subprocess.run(["xdotool"] + [str(a) for a in args], check=True)


def rect(win):
    return [int(v) for v in win["rect"].split(",")]


class Dock(BehaviourTest):
    def start(self, pos, **settings):
        proc = self.box.start()
        self.assertIsNotNone(self.box.wait_window())
        self.box.close(proc)
        sections, _ = read_ini(self.box.ini)
        main = sections.setdefault("Main", {})
        main["Pos"] = pos
        main["List"] = "3"
        sections.setdefault("Playlist", {})["Atc"] = "1"
        for key, value in settings.items():
            section, name = key.split("_")
            sections.setdefault(section, {})[name] = value
        write_ini(self.box.ini, sections)
        xdotool("mousemove", *PARKED)
        self.proc = self.box.start()
        self.assertIsNotNone(self.box.wait_window())
        self.assertIsNotNone(self.box.wait_window("ZENTAVIO_PLAYLIST"))
        time.sleep(0.5)

    def windows(self):
        code, main = probe("wait", "ZENTAVIO", "2000")
        self.assertEqual(code, 0)
        code, playlist = probe("wait", "ZENTAVIO_PLAYLIST", "2000")
        self.assertEqual(code, 0)
        return parse_window(main), parse_window(playlist)

    def test_opens_on_the_right_and_follows_a_drag(self):
        self.start("300,200,800,500", Common_Snap="1,16,0,-1")
        main, playlist = self.windows()
        m, p = rect(main), rect(playlist)
        self.assertIn(m[2] - p[0], BORDERS)
        self.assertEqual(p[1], m[1])
        self.assertEqual(playlist["height"], main["height"])
        # Drag the main window by the video area: the playlist stays beside it.
        x, y = (m[0] + m[2]) // 2, m[1] + 160
        xdotool("mousemove", x, y, "mousedown", 1)
        for step in range(1, 6):
            xdotool("mousemove", x + 20 * step, y + 10 * step)
            time.sleep(0.05)
        xdotool("mouseup", 1)
        time.sleep(0.5)
        main2, playlist2 = self.windows()
        m2, p2 = rect(main2), rect(playlist2)
        self.assertEqual((m2[0] - m[0], m2[1] - m[1]), (100, 50))
        self.assertEqual((p2[0] - p[0], p2[1] - p[1]), (100, 50))

    def test_no_room_on_the_right_puts_it_on_the_left(self):
        self.start("1400,200,480,400")
        main, playlist = self.windows()
        m, p = rect(main), rect(playlist)
        self.assertIn(p[2] - m[0], BORDERS)
        self.assertEqual(p[1], m[1])

    def test_topmost_with_and_without_play_only(self):
        self.start("300,200,800,500", Main_Top="1", Common_PlyTop="0")
        main, playlist = self.windows()
        self.assertTrue(int(main["exstyle"], 16) & WS_EX_TOPMOST)
        self.assertTrue(int(playlist["exstyle"], 16) & WS_EX_TOPMOST)
        self.box.close(self.proc)
        # Only while a file plays: nothing plays, so neither is topmost.
        sections, _ = read_ini(self.box.ini)
        self.assertEqual(sections["Main"]["Top"], "1")
        sections["Common"]["PlyTop"] = "1"
        write_ini(self.box.ini, sections)
        self.proc = self.box.start()
        self.assertIsNotNone(self.box.wait_window("ZENTAVIO_PLAYLIST"))
        time.sleep(0.5)
        main, playlist = self.windows()
        self.assertFalse(int(main["exstyle"], 16) & WS_EX_TOPMOST)
        self.assertFalse(int(playlist["exstyle"], 16) & WS_EX_TOPMOST)


if __name__ == "__main__":
    zvtest.main()
