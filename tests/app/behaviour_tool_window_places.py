"""The playlist window of the real Zentavio.exe under Wine across runs: it
opens where it was left, scaled from the DPI it was stored at, docks beside
the main window, and its keys are written only when something changed."""


import zvtest
from zvtest import BehaviourTest, probe, read_ini, write_ini

PLAYLIST = "ZENTAVIO_PLAYLIST"


def rect(win):
    return tuple(int(v) for v in win["rect"].split(","))


class PlaylistWindow(BehaviourTest):
    def start_with(self, playlist, side=3):
        write_ini(self.box.ini, {"Main": {"Ver": "90690", "List": str(side)},
                                 "Playlist": playlist})
        return self.start_again()

    def start_again(self):
        proc = self.box.start()
        main = self.box.wait_window()
        self.assertIsNotNone(main, "no main window")
        win = self.box.wait_window(PLAYLIST)
        self.assertIsNotNone(win, "no playlist window")
        return proc, main, win

    def test_reopens_where_it_was_and_writes_nothing_unchanged(self):
        # Left of the main window, which starts centred in the work area.
        proc, _, win = self.start_with({"Pos": "300,200,420,500,100", "Atc": "0"}, side=1)
        self.assertEqual(rect(win), (300, 200, 720, 700))
        code, _ = self.box.close(proc)
        self.assertEqual(code, 0)
        sections, _ = read_ini(self.box.ini)
        self.assertEqual(sections["Playlist"], {"Pos": "300,200,420,500,100", "Atc": "0"})
        self.assertEqual(sections["Main"]["List"], "1")

    def test_stored_at_150_percent_comes_back_scaled(self):
        # 420 x 600 inside frames of 2 + 2 and 45 + 2 at 150 %, to 100 %.
        proc, _, win = self.start_with({"Pos": "300,200,424,647,150", "Atc": "0"})
        self.assertEqual((win["width"], win["height"]), (282, 432))
        self.box.close(proc)
        sections, _ = read_ini(self.box.ini)
        self.assertEqual(sections["Playlist"]["Pos"], "300,200,282,432,100")

    def test_moved_window_is_saved_at_exit_and_restored(self):
        proc, _, _ = self.start_with({"Pos": "300,200,420,500,100", "Atc": "0"})
        code, _ = probe("move", PLAYLIST, "350", "260", "400", "480")
        self.assertEqual(code, 0)
        self.box.close(proc)
        sections, _ = read_ini(self.box.ini)
        self.assertEqual(sections["Playlist"]["Pos"], "350,260,400,480,100")
        proc, _, win = self.start_again()
        self.assertEqual(rect(win), (350, 260, 750, 740))
        self.box.close(proc)

    def test_attached_playlist_docks_and_a_close_is_remembered(self):
        proc, main, win = self.start_with({"Pos": "0,0,300,450,100"}, side=3)
        m, p = rect(main), rect(win)
        self.assertEqual((p[0], p[1], p[3]), (m[2], m[1], m[3]))
        self.assertEqual(win["width"], 300)
        # Closing the playlist window only hides it, noting its side at once.
        probe("close", PLAYLIST)
        self.assertEqual(probe("gone", PLAYLIST, "5000")[0], 0)
        self.assertEqual(read_ini(self.box.ini)[0]["Main"]["List"], "-3")
        self.box.close(proc)
        self.assertEqual(read_ini(self.box.ini)[0]["Main"]["List"], "-3")
        # The next start leaves it closed.
        proc = self.box.start()
        self.assertIsNotNone(self.box.wait_window())
        self.assertEqual(probe("visible", PLAYLIST)[1], "0")
        self.box.close(proc)

if __name__ == "__main__":
    zvtest.main()
