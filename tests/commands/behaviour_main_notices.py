"""The notices tool windows and options pages send the main window, sent to
the real player from outside: what each does that shows (state texts, the
position, the settings file, traced calls of parts not built yet), every
result 0, and values past their tables, unknown codes and ids and foreign
pointers changing nothing."""

import os
import re
import shutil
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "playback"))
sys.path.insert(0, os.path.join(HERE, "..", "playlist"))

import open_support as osup  # noqa: E402
import play_support as ps  # noqa: E402
import screen  # noqa: E402
import zvtest  # noqa: E402
from behaviour_folder_list import write_list  # noqa: E402
from zvtest import BehaviourTest, probe, read_ini, winpath, write_ini  # noqa: E402



def notice(code, value=0):
    """Sends the notice as a tool window does; its result."""
    rc, out = probe("sendchild", "ZENTAVIO", "0", str(ps.WM_APP_NOTIFYMAIN), str(code), str(value))
    return int(out) if rc == 0 else None


def shown(text):
    """A status text as the bar reads back: narrow blanks as blanks."""
    return re.escape(text.replace("`", " "))


def calls(box):
    return re.findall(r"CALL : (\S+)", osup.log_text(box))


def t(ms):
    return "%02d:%02d:%06.3f" % (ms // 3600000, ms // 60000 % 60, ms % 60000 / 1000)


def make_list(where, seconds=12):
    """a.avi with chapters at 0, 4 and 8 s, ranges 1-3 s and 5-7 s and
    markers at 2 and 6 s; b.avi and c.avi plain; the three in a list."""
    folder = os.path.join(where, "media")
    os.makedirs(folder)
    for name in "abc":
        shutil.copy(ps.clip(seconds), os.path.join(folder, name + ".avi"))
    lines = ["[ZENTAVIO_FILEINFO]", "FMT=100", "LEN=" + t(seconds * 1000), "[CHAPTER]",
             "1=" + t(0), "2=" + t(4000), "3=" + t(8000), "[RANGE]",
             "1=%s-%s" % (t(1000), t(3000)), "2=%s-%s" % (t(5000), t(7000)),
             "[MARKER]", "1=" + t(2000), "2=" + t(6000)]
    with open(os.path.join(folder, "a.avi.zvinf"), "wb") as f:
        f.write(b"\xff\xfe" + "\r\n".join(lines + [""]).encode("utf-16-le"))
    path = os.path.join(folder, "list.zvpl")
    write_list(path, {"FMT": "100", "COUNT": "3"}, [{"PATH": ".\\%s.avi" % n} for n in "abc"])
    return path


class NoticeTest(BehaviourTest):
    def setUp(self):
        super().setUp()
        if not shutil.which("xdotool"):
            self.skipTest("no xdotool for real input")

    def start(self, *args, extra=None):
        ps.settings(self.box, repeat=0, keep_awake=0, countdown=0, extra=extra)
        screen.xdotool("mousemove", *screen.PARKED)
        self.proc = self.box.start(*args)
        self.win = self.box.wait_window()
        self.assertIsNotNone(self.win, "no main window")

    def focus(self):
        """A click on the title bar gives the main window the keyboard."""
        self.win = self.box.wait_window()
        left, top = (int(v) for v in self.win["rect"].split(",")[:2])
        screen.xdotool("mousemove", left + 300, top + 12, "click", 1)
        screen.xdotool("mousemove", *screen.PARKED)

    def send(self, code, value=0):
        self.assertEqual(notice(code, value), 0, (code, value))

    def wait_elapsed(self, seconds):
        ok = zvtest.wait_for(lambda: ps.elapsed(self) in seconds, 10)
        self.assertTrue(ok, "time pane %r, not %r" % (ps.status(self), seconds))

    def wait_call(self, call, timeout=10.0):
        self.assertTrue(zvtest.wait_for(lambda: call in calls(self.box), timeout),
                        "no %r among %r" % (call, calls(self.box)[-8:]))

    def finish(self):
        self.assertEqual(self.box.close(self.proc)[0], 0)


class PlaylistNotices(NoticeTest):
    def test_tracks_chapters_ranges_markers_and_jump_list_toggles(self):
        self.start(winpath(make_list(self.box.dir)),
                   extra={"Main": {"List": "3"}, "Playlist": {"Atc": "0", "Jl": "1"}})
        self.assertEqual(ps.wait_trace(self, self.box, "play", timeout=45)["track"], 0)

        # An index outside the list opens nothing: no fallback on the first
        # track, no "E1009".
        n = len(ps.traces(self.box))
        for index in (-5, 1000, 3):
            self.send(2010, index)
        self.assertEqual(ps.traces(self.box)[n:], [])
        self.assertNotIn("E1009", osup.log_text(self.box))

        # A row opened with Ctrl held waits stopped; without, it plays.
        self.focus()
        screen.xdotool("keydown", "ctrl")
        try:
            time.sleep(0.3)  # the player takes the key from its input queue
            self.send(2010, 2)
        finally:
            screen.xdotool("keyup", "ctrl")
        self.assertTrue(zvtest.wait_for(lambda: "c.avi" in osup.title()), osup.title())
        ps.wait_status(self, r"STOPPED|PAUSED")
        n = len(ps.traces(self.box))
        self.send(2010, 0)
        self.assertEqual(ps.wait_trace(self, self.box, "play", n)["track"], 0)

        # Chapters of the shown (playing) track, held: plain jumps say
        # nothing, a chapter past the last one goes nowhere.
        ps.notice(ps.NOTICE_AUTONEXT_PAUSE)
        ps.wait_trace(self, self.box, "pause", n)
        self.send(2011, 1)
        self.wait_elapsed((4,))
        self.send(2011, 300)
        self.wait_elapsed((4,))
        self.assertNotRegex(ps.status(self), r"CHAPTER")
        # Markers and ranges with their texts.
        self.send(2014, 1)
        ps.wait_status(self, shown("FILE````MARKER : 2"))
        self.wait_elapsed((6,))
        self.send(2012, 0)
        ps.wait_status(self, shown("PLAY````RANGE````:````1``/``2"))
        self.wait_elapsed((1,))
        self.send(2013, 1)
        ps.wait_status(self, shown("PLAY````RANGE````:````2``/``2"))
        self.wait_elapsed((5,))
        # In range mode a row chooses its track's first range, quietly.
        self.send(2011, 2)
        self.wait_elapsed((8,))
        n = len(ps.traces(self.box))
        self.send(2010, 0)
        self.wait_elapsed((1,))
        self.assertEqual([x for x in ps.traces(self.box)[n:] if x["cause"] == "play"], [])

        # The jump-list view of a row: -1 the playing track, other negative
        # indexes row 0; rows past the list none.
        self.send(2037, -1)
        self.wait_call("m_OpenJumpList(1,0)")
        self.send(2037, -5)
        self.send(2001, 2)
        self.wait_call("m_OpenJumpList(1,2)")
        before = calls(self.box).count("m_OpenJumpList(1,0)")
        self.assertEqual(before, 2)
        self.send(2001, 1000)
        self.send(2037, 0)
        self.wait_call_count("m_OpenJumpList(1,0)", 3)
        self.finish()

    def wait_call_count(self, call, count):
        self.assertTrue(zvtest.wait_for(lambda: calls(self.box).count(call) == count),
                        calls(self.box)[-8:])


class OptionNotices(NoticeTest):
    def test_changed_options_take_effect_at_once(self):
        self.start(winpath(osup.clip(30)),
                   extra={"Common": {"Mlt": "0", "AudOut": "1", "Video": "3"},
                          "Osc": {"Mode": "1"},
                          "AudDev": {"Count": "2", "0": "1,0,Speakers A", "1": "2,1,Speakers B"}})
        ps.wait_trace(self, self.box, "play", timeout=45)

        # The instance switch goes to the file at once, over an edit there.
        sections, _ = read_ini(self.box.ini)
        sections["Common"]["Mlt"] = "1"
        write_ini(self.box.ini, sections)
        self.send(9001, 1171)
        self.assertEqual(read_ini(self.box.ini)[0]["Common"]["Mlt"], "0")

        # Texts of the audio output and OSD modes; the device reset.
        for id_, text in ((1411, "AUDIO````OUT : REVERSE"), (1473, "OSD : ON")):
            self.send(9001, id_)
            ps.wait_status(self, shown(text))
        self.send(9008)
        ps.wait_status(self, shown("RESET````AUDIO````DEVICE"))
        # Groups applied without and with their message.
        self.send(9011, 16)
        self.assertNotRegex(ps.status(self), r"VIDEO\s+RANGE")
        self.send(9012, 16)
        ps.wait_status(self, r"VIDEO\s+RANGE")

        # The placement goes to [Main] "Pos" when asked.
        probe("move", "ZENTAVIO", "150", "130", "700", "500")
        self.assertTrue(zvtest.wait_for(lambda: self.box.wait_window()["rect"].startswith("150,130")))
        self.send(9001, 1069)
        pos = zvtest.wait_for(lambda: read_ini(self.box.ini)[0].get("Main", {}).get("Pos", "")
                              .startswith("150,130") or None)
        self.assertTrue(pos, read_ini(self.box.ini)[0].get("Main"))

        # A device row toggles its record's skip flag; rows outside none.
        def devices():
            return read_ini(self.box.ini)[0].get("AudDev", {})
        before = devices()
        for row in (0, 99, -1):
            self.send(9009, row)
        self.assertEqual(devices(), before)
        self.send(9009, 1)
        after = devices()
        changed = [k for k in before if before[k] != after.get(k)]
        self.assertEqual(len(changed), 1, (before, after))
        flags = lambda d: int(d[changed[0]].split(",")[1].split("/")[0], 16)  # noqa: E731
        self.assertEqual(flags(before) ^ flags(after), 1)

        # The renderer choice: the same one reopens nothing; a changed one
        # (another instance's save, reloaded) reopens the file.
        self.send(9001, 1006)
        sections, _ = read_ini(self.box.ini)
        sections["Common"]["Video"] = "1"
        write_ini(self.box.ini, sections)
        probe("post", "ZENTAVIO", "Zentavio_NotifyMessage", "1", "0")
        ps.wait_status(self, shown("UPDATE OPTION"))
        self.assertNotIn("m_ReopenMediaFile(1)", calls(self.box))
        self.send(9001, 1006)
        self.wait_call("m_ReopenMediaFile(1)")

        # OK, cancel and apply close the dialog.
        for code in (9002, 9003, 9004):
            self.send(code)
        self.assertTrue(zvtest.wait_for(lambda: calls(self.box).count("m_Options_Show(0,-1,-1)")
                                        == 3))
        self.finish()


class BadNotices(NoticeTest):
    # Every code a sender uses, with a plain value, and codes and option ids
    # nobody sends.
    KNOWN = (101, 102, 1001, 1002, 1003, 2001, 2002, 2003, 2004, 2010, 2011, 2012, 2013, 2014,
             2030, 2032, 2035, 2037, 2039, 3001, 3002, 3003, 3004, 4001, 4002, 4003, 4004,
             4005, 5001, 5002, 6001, 7002, 9005, 9006, 9007, 9014, 9015, 9016, 9017, 9018,
             9022, 9023, 9025)
    UNKNOWN = (0, 1, 100, 2005, 2015, 2040, 2051, 3005, 4006, 9010, 9013, 9019, 9024, 9026,
               12345, 4294967295)
    UNKNOWN_IDS = (0, -1, 1005, 1007, 1842, 9999, 65536)

    def test_every_result_is_0_and_nothing_sent_wrongly_changes_anything(self):
        self.start()
        self.assertIsNotNone(self.box.wait_window())
        # Without a file: a marker jump says it failed.
        self.send(2014, 0)
        ps.wait_status(self, shown("FILE````MARKER : ERR"))
        ini_before = read_ini(self.box.ini)[0]
        for code in self.KNOWN + self.UNKNOWN:
            with self.subTest(code=code):
                self.assertEqual(notice(code, 1), 0)
        for id_ in self.UNKNOWN_IDS:
            with self.subTest(id=id_):
                self.assertEqual(notice(9001, id_), 0)
        # Pointers from another process are no paths of this one.
        for value in (16, 0x7FFE0000, -1):
            for code in (3002, 3003, 3004):
                probe("post", "ZENTAVIO", str(ps.WM_APP_NOTIFYMAIN), str(code), str(value))
        # Still answering, nothing opened, no setting written.
        self.assertEqual(notice(4001, 0), 0)
        self.assertEqual([x for x in ps.traces(self.box) if x["cause"] == "play"], [])
        self.assertRegex(ps.status(self), r"NO\s+FILE")
        self.assertEqual(read_ini(self.box.ini)[0].get("Common"), ini_before.get("Common"))
        self.finish()


if __name__ == "__main__":
    zvtest.main()
