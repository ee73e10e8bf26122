"""Resume data kept in list files and for the open-files list: the playing
entry's own settings written to its [TRACK_n] RESUME a few seconds after a
change, without the settings once its own level is switched off, and the
key dropped when the entry no longer has a record; a single file's entry in
its folder's list spelt in another case; several files on the command line
keep their stored positions and lose their stored stream selections."""

import os
import shutil
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "playback"))
sys.path.insert(0, os.path.join(HERE, "..", "commands"))
sys.path.insert(0, os.path.join(HERE, "..", "playlist"))

import open_support  # noqa: E402
import play_support as ps  # noqa: E402
from behaviour_folder_list import write_list  # noqa: E402
from behaviour_resume import key_of, read_store  # noqa: E402
from key_support import KeyPlayer, key  # noqa: E402
import zvtest  # noqa: E402
from zvtest import BehaviourTest, probe, read_ini, winpath  # noqa: E402

NOTICE_TRACK_PROPS_CHANGED = 9017
NOTICE_TRACK_PROPS_SWITCHED = 9018
# Function 141 (the audio boost) stepped by 50 at the entry's own level, on "a".
BIND = {"Count": "1", "0": "1,8D,50;3,41"}


def post_notice(code, value):
    probe("post", "ZENTAVIO", str(ps.WM_APP_NOTIFYMAIN), str(code), str(value))


class ListResume(KeyPlayer, BehaviourTest):
    def setUp(self):
        super().setUp()
        if not shutil.which("xdotool"):
            self.skipTest("no xdotool")

    def media(self, *names, folder=None):
        folder = folder or self.box.dir
        os.makedirs(folder, exist_ok=True)
        paths = [os.path.join(folder, n) for n in names]
        for p in paths:
            shutil.copy(open_support.tone(30), p)
        return paths

    def test_the_playing_entry_keeps_its_settings_in_its_list(self):
        paths = self.media("a.wav", "b.wav", "c.wav")
        listed = os.path.join(self.box.dir, "three.zvpl")
        # The list's own record starts entry 2, which holds a position.
        write_list(listed, {"FMT": "100", "COUNT": "3", "RESUME": ",2"},
                   [{"PATH": winpath(paths[0])}, {"PATH": winpath(paths[1]), "RESUME": "3"},
                    {"PATH": winpath(paths[2])}])
        ps.settings(self.box, repeat=0, keep_awake=0, countdown=0,
                    extra={"Main": {"Pos": "100,100,740,560"}, "Bind": BIND})
        self.open_playing(listed)
        self.assertEqual(ps.wait_trace(self, self.box, "play")["track"], 1)

        def resume():
            return read_ini(listed)[0].get("TRACK_2", {}).get("RESUME")

        pressed = time.monotonic()
        key("a")
        ps.wait_status(self, r"AUDIO[` ]*BOOST[` ]*\(SNGL\) : \+50")
        written = zvtest.wait_for(lambda: resume() != "3", 10)
        self.assertTrue(written, resume())
        # Written by the timer, three seconds after the change.
        self.assertGreaterEqual(time.monotonic() - pressed, 2.9)
        fields = resume().split(",")
        self.assertEqual((fields[0], fields[7:8]), ("3", ["150"]), resume())

        # The entry's own level switched off: its record without settings.
        post_notice(NOTICE_TRACK_PROPS_SWITCHED, 0)
        self.assertTrue(zvtest.wait_for(lambda: resume() == "3", 5), resume())
        # A change stored while the level is off leaves the entry no record.
        post_notice(NOTICE_TRACK_PROPS_CHANGED, 0)
        self.assertTrue(zvtest.wait_for(lambda: resume() is None, 10), resume())

        self.assertEqual(self.box.close(self.proc)[0], 0)
        sections, raw = read_ini(listed)
        self.assertTrue(raw.startswith(b"\xff\xfe"))
        self.assertNotIn("RESUME", sections["TRACK_2"])
        self.assertEqual(sections["TRACK_1"], {"PATH": winpath(paths[0])})

    def test_a_single_file_updates_its_entry_spelt_in_another_case(self):
        folder = os.path.join(self.box.dir, "single")
        (path,) = self.media("song.wav", folder=folder)
        listed = os.path.join(folder, "zentavio_fldrmg.zvpl")
        # Read without case, it starts at 9 s less the rewind; a write that
        # missed it would leave the 9 for the next open.
        write_list(listed, {"FMT": "100", "COUNT": "1", "FILEMG": "1"},
                   [{"PATH": ".\\SONG.WAV", "RESUME": "9"}])
        ps.settings(self.box, repeat=0, keep_awake=0, countdown=0)
        self.proc = self.box.start(winpath(path))
        self.assertIsNotNone(self.box.wait_window())
        ps.wait_status(self, r"PLAYING")
        self.assertTrue(zvtest.wait_for(lambda: ps.elapsed(self) >= 10, 10))
        self.assertEqual(self.box.close(self.proc)[0], 0)
        entry = read_ini(listed)[0]["TRACK_1"]
        self.assertEqual(entry["PATH"], ".\\SONG.WAV")
        self.assertGreaterEqual(float(entry["RESUME"].split(",")[0]), 10, entry)

    def test_opened_files_keep_positions_and_lose_stream_selections(self):
        paths = self.media("x.wav", "y.wav", "z.wav")
        # Only chapters the file has count: x has four.
        ps.write_zvinf(paths[0], [0, 5000, 10000, 20000], [], 30000)
        store = os.path.join(self.box.dir, "Resume.dat")
        # x: chapters 1 and 3 unchecked, check boxes shown, streams chosen;
        # y: a boost of its own and streams chosen; z: nothing stored.
        with open(store, "w", newline="\r\n") as f:
            f.write("[ZENTAVIO_RESUME]\n%s=12,,:5,3\n%s=7,,,1,,,,150\n"
                    % (key_of("x.wav"), key_of("y.wav")))
        ps.settings(self.box, repeat=0, keep_awake=0, countdown=0)
        self.proc = self.box.start(*(winpath(p) for p in paths))
        self.assertIsNotNone(self.box.wait_window())
        ps.wait_status(self, r"PLAYING")
        self.assertEqual(self.box.close(self.proc)[0], 0)
        records = dict(read_store(store))
        self.assertEqual(records.get(key_of("x.wav")), "12,,:5")
        self.assertEqual(records.get(key_of("y.wav")), "7,,,,,,,150")
        self.assertNotIn(key_of("z.wav"), records)


if __name__ == "__main__":
    zvtest.main()
