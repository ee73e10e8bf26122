"""The playlist button of the real player stays pressed while the playlist
window shows, and comes back up when that window is closed: a screenshot of
the button in each state, the pressed one against a reference."""

import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "playback"))

import play_support  # noqa: E402
import screen  # noqa: E402
import zvtest  # noqa: E402
from zvtest import BehaviourTest, probe, write_ini  # noqa: E402

REF_PRESSED = os.path.join(HERE, "ref", "playlist_button_pressed.png")
PLAYLIST_BUTTON = 32976
PLAYLIST = "ZENTAVIO_PLAYLIST"


class ToolButtons(BehaviourTest):
    def test_playlist_button_pressed_while_its_window_shows(self):
        # The playlist window opens at start, beside the main window.
        write_ini(self.box.ini, {"Main": {"Ver": "90691", "Pos": "100,80,640,420"},
                                 "Playlist": {"Opn": "1"}})
        proc = self.box.start()
        win = self.box.wait_window()
        self.assertIsNotNone(win)
        self.assertIsNotNone(self.box.wait_window(PLAYLIST), "no playlist window")
        play_support.wait_status(self, r"^NO    FILE")
        rect = screen.child_rect(win, PLAYLIST_BUTTON)
        self.assertIsNotNone(rect)
        pressed = screen.grab_settled(os.path.join(self.box.dir, "pressed.png"), rect)
        screen.check_reference(self, pressed, REF_PRESSED, most=4)

        probe("close", PLAYLIST)
        self.assertEqual(probe("gone", PLAYLIST, "5000")[0], 0)
        up = screen.grab_settled(os.path.join(self.box.dir, "up.png"), rect)
        self.assertGreater(screen.differing_pixels(pressed, up), 20,
                           "the button looks the same with the window hidden")
        code, _ = self.box.close(proc)
        self.assertEqual(code, 0)


if __name__ == "__main__":
    zvtest.main()
