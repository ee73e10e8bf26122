"""The playlist window as the player shows it: its rows with the playing
mark, the chapter list under the tab strip, the buttons and the total time
in the status area, against a reference image."""

import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "playback"))

import play_support as ps  # noqa: E402
import screen  # noqa: E402
import zvtest  # noqa: E402
from behaviour_playlist_window import (PLAYLIST, TRACKS, client_origin, make_list,  # noqa: E402
                                      wait_texts, window)
from zvtest import BehaviourTest, winpath  # noqa: E402

REF = os.path.join(HERE, "ref", "window_rows_total.png")


class PlaylistWindowLook(BehaviourTest):
    def test_rows_chapters_and_total_as_drawn(self):
        keys = {"Atc": "0", "Pos": "200,120,300,360,100", "Stt": "1", "Chap": "2"}
        ps.settings(self.box, extra={"Main": {"List": "3"}, "Playlist": keys})
        proc = self.box.start(winpath(make_list(self.box.dir, 30)))
        self.assertIsNotNone(self.box.wait_window(PLAYLIST), "no playlist window")
        # Held in its first chapter: a loaded machine that takes longer than
        # the chapter to learn every duration still finds that chapter
        # playing, and the first track with it.
        ps.wait_trace(self, self.box, "play")
        ps.press_and_trace(self, self.box, ps.PLAY_BUTTON, "pause")
        self.assertTrue(wait_texts(TRACKS, ["1, a.avi", "2, b.avi", "3, c.avi"]))
        times = lambda: [r["texts"][1] for r in zvtest.list_rows(PLAYLIST, TRACKS) or []]  # noqa: E731
        self.assertTrue(zvtest.wait_for(lambda: times() == ["0:30 "] * 3 or None, 20.0),
                        times())

        def shot():
            win = window()
            left, top = client_origin(win)
            width, height = (int(v) for v in win["client"].split(","))
            return screen.grab(os.path.join(self.box.dir, "window.png"), left, top, width,
                               height)

        # Every duration known: rows with their times, the playing mark on
        # the first, its chapters below the tabs, "0:01:30 / 3" in the
        # status area.
        screen.wait_reference(self, shot, REF, most=40, timeout=20.0)
        self.assertEqual(self.box.close(proc)[0], 0)


if __name__ == "__main__":
    zvtest.main()
