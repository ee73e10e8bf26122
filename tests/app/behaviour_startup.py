"""Start-up of the real Zentavio.exe under Wine: the first start, the
single-instance hand-over, the JPEG hand-off and bad settings files."""

import os
import re
import shutil
import sys
import time

import zvtest
from zvtest import BehaviourTest, probe, read_ini, write_ini, winpath

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "playback"))
import open_support  # noqa: E402

def wait_title(test, expected, timeout=10.0):
    """Polls the main window's title until it is the expected one; the last
    title read."""
    deadline = time.monotonic() + timeout
    title = ""
    while True:
        code, out = probe("wait", "ZENTAVIO", "2000")
        win = zvtest.parse_window(out) if code == 0 else None
        title = win["title"] if win else ""
        if title == expected or time.monotonic() > deadline:
            return title
        time.sleep(0.1)


def read_text(path):
    with open(path, encoding="utf-8-sig") as f:
        return f.read()


LOG_LINE = re.compile(r"^\d{4}\.\d{2}\.\d{2} \d{2}:\d{2}:\d{2}\.\d{3} - .*$")

STATUS_BAR_ID = "32873"


def wait_status_text(test, pattern, timeout=5.0):
    """Polls the main status bar's window text (its panes, "`" read as a
    blank) until the pattern appears; returns the last text read."""
    deadline = time.monotonic() + timeout
    text = ""
    while time.monotonic() < deadline:
        code, text = probe("text", "ZENTAVIO", STATUS_BAR_ID)
        if code == 3:
            test.skipTest("the main window has no status bar yet")
        if code == 0 and re.search(pattern, text):
            break
    return text


class FirstStart(BehaviourTest):
    def test_fresh_folder_gets_window_and_settings_file(self):
        proc = self.box.start()
        win = self.box.wait_window()
        self.assertIsNotNone(win, "no ZENTAVIO window")
        self.assertEqual(win["title"], "ZENTAVIO")
        # Wine reports an older Windows than 10, so the window rectangle has
        # no invisible resize border around the visible frame.
        self.assertEqual((win["width"], win["height"]), (855, 555))

        sections, raw = read_ini(self.box.ini)
        self.assertTrue(raw.startswith(b"\xff\xfe[\x00M\x00a\x00i\x00n\x00]\x00"))
        self.assertEqual(sections["Main"]["Ver"], "90690")
        self.assertEqual(sections["Bind"]["Count"], "28")
        self.assertEqual(sections["Bind"]["0"], "1,1,-1,20,21")
        self.assertEqual(sections["Common"]["Mlt"], "1")
        order = [m.group(1) for m in re.finditer(r"^\[(\w+)\]", raw[2:].decode("utf-16-le"), re.M)]
        skeleton = ["Main", "Common", "Seek", "File", "Rec", "Jumplist", "Ctrl", "Menu",
                    "Lnch", "Fullscr", "Opt", "Playlist", "Favo", "Timer", "AudDev", "Cap",
                    "Prop", "Mon", "Filter", "Dir_Playlist", "Bind"]
        self.assertEqual([name for name in order if name in skeleton], skeleton)

        code, _ = self.box.close(proc)
        self.assertEqual(code, 0)

    def test_fresh_folder_shows_create_notice(self):
        proc = self.box.start()
        self.assertIsNotNone(self.box.wait_window())
        self.assertIn("CREATE INIFILE", wait_status_text(self, "CREATE INIFILE"))
        code, _ = self.box.close(proc)
        self.assertEqual(code, 0)

    def test_second_start_shows_boot_time(self):
        proc = self.box.start()
        self.assertIsNotNone(self.box.wait_window())
        self.box.close(proc)
        proc = self.box.start()
        self.assertIsNotNone(self.box.wait_window())
        pattern = r"BOOT  TIME    =    \d+\.\d{3}  SEC"
        self.assertRegex(wait_status_text(self, pattern), pattern)
        code, _ = self.box.close(proc)
        self.assertEqual(code, 0)


def key_set(sections):
    return {(name, key) for name, keys in sections.items() for key in keys}


class UnreadableSettings(BehaviourTest):
    """A settings file the player cannot read is kept beside it as ".bak" and
    made anew, whole, as at a first start: UTF-16LE with its mark."""

    def start_and_close(self, notice=None):
        proc = self.box.start()
        self.assertIsNotNone(self.box.wait_window())
        if notice:
            self.assertIn(notice, wait_status_text(self, notice))
        code, _ = self.box.close(proc)
        self.assertEqual(code, 0)

    def test_unreadable_files_are_kept_and_recreated_whole(self):
        self.start_and_close()
        fresh, _ = read_ini(self.box.ini)
        fixtures = {
            "empty": b"",
            "random": bytes((i * 7919 + 13) % 256 for i in range(20000)),
            "utf16 without mark": "[Common]\r\nMlt=1\r\n; 日本語\r\n".encode("utf-16-le"),
        }
        for name, data in fixtures.items():
            with self.subTest(name):
                with open(self.box.ini, "wb") as f:
                    f.write(data)
                self.start_and_close("CREATE INIFILE")
                with open(self.box.ini + ".bak", "rb") as f:
                    self.assertEqual(f.read(), data)
                sections, raw = read_ini(self.box.ini)
                self.assertTrue(raw.startswith(b"\xff\xfe[\x00M\x00a\x00i\x00n\x00]\x00"),
                                raw[:40])
                self.assertEqual(key_set(sections), key_set(fresh))
                self.assertEqual(sections["Main"]["Ver"], "90690")
                os.remove(self.box.ini + ".bak")


MAXIMIZED = 0x01000000


class MaximisedWindow(BehaviourTest):
    """A window closed maximised opens maximised again when the place is
    held; a run that ends restored writes it so."""

    def run_once(self, command=None):
        proc = self.box.start()
        win = self.box.wait_window()
        self.assertIsNotNone(win)
        shown = bool(int(win["style"], 16) & MAXIMIZED)
        if command is not None:
            probe("post", "ZENTAVIO", "0x0112", str(command))  # WM_SYSCOMMAND
            deadline = time.monotonic() + 5
            while time.monotonic() < deadline:
                _, out = probe("wait", "ZENTAVIO", "2000")
                if bool(int(zvtest.parse_window(out)["style"], 16) & MAXIMIZED) != shown:
                    break
                time.sleep(0.1)
        code, _ = self.box.close(proc)
        self.assertEqual(code, 0)
        return shown, read_ini(self.box.ini)[0]["Main"]["Wnd"]

    def test_maximised_round_trip(self):
        write_ini(self.box.ini, {"Main": {"Ver": "90690", "Wnd": "1"},
                                 "Common": {"HoldPos": "1"}})
        self.assertEqual(self.run_once(0xF120), (True, "0"))  # SC_RESTORE
        self.assertEqual(self.run_once(0xF030), (False, "1"))  # SC_MAXIMIZE
        self.assertEqual(self.run_once(), (True, "1"))


class SingleInstance(BehaviourTest):
    def prepare(self, mlt):
        write_ini(self.box.ini, {"Main": {"Ver": "90690", "ErrLog": "1"},
                                 "Common": {"Mlt": str(mlt)}})

    def test_second_start_hands_over_its_line(self):
        self.prepare(0)
        first = self.box.start()
        self.assertIsNotNone(self.box.wait_window())
        media = os.path.join(self.box.dir, "clip one.avi")
        shutil.copy(open_support.clip(2), media)
        code, seconds = self.box.run(winpath(media))
        self.assertEqual(code, 0)
        # Well inside the 5 s the second start would spend searching for a
        # window it cannot find; Wine's own start takes up to a second on a
        # loaded machine.
        self.assertLess(seconds, 2.5)
        _, count = probe("count", "ZENTAVIO")
        self.assertEqual(count, "1")
        # The running instance opens what the second start named.
        self.assertEqual(wait_title(self, "clip one.avi - ZENTAVIO"), "clip one.avi - ZENTAVIO")
        if os.path.exists(self.box.log):
            for line in read_text(self.box.log).splitlines():
                self.assertRegex(line, LOG_LINE)
        self.box.close(first)

    def test_new_switch_and_multi_setting_start_more(self):
        for mlt, args in ((0, ["-NEW"]), (1, [])):
            with self.subTest(mlt=mlt):
                self.prepare(mlt)
                first = self.box.start()
                self.assertIsNotNone(self.box.wait_window())
                second = self.box.start(*args)
                deadline = time.monotonic() + 15
                count = "1"
                while time.monotonic() < deadline and count != "2":
                    _, count = probe("count", "ZENTAVIO")
                self.assertEqual(count, "2")
                probe("close", "ZENTAVIO")
                for proc in (first, second):
                    proc.communicate(timeout=20)
                    self.assertEqual(proc.returncode, 0)

    def test_bad_copydata_is_ignored(self):
        self.prepare(0)
        proc = self.box.start()
        self.assertIsNotNone(self.box.wait_window())
        bad = os.path.join(self.box.dir, "x.avi")
        good = os.path.join(self.box.dir, "ok.avi")
        shutil.copy(open_support.clip(2), bad)
        shutil.copy(open_support.clip(2), good)
        for kind in ("noterm", "odd", "null"):
            probe("copydata", "ZENTAVIO", kind, "zv.exe " + winpath(bad))
        time.sleep(1)
        self.assertEqual(wait_title(self, "ZENTAVIO", 0.5), "ZENTAVIO")
        probe("copydata", "ZENTAVIO", "line", "zv.exe " + winpath(good))
        self.assertIsNone(proc.poll())
        self.assertEqual(wait_title(self, "ok.avi - ZENTAVIO"), "ok.avi - ZENTAVIO")
        code, _ = self.box.close(proc)
        self.assertEqual(code, 0)


class JpegHandOff(BehaviourTest):
    def setUp(self):
        super().setUp()
        shutil.copy(os.path.join(zvtest.BIN, "RecordArgs.exe"), self.box.dir)
        self.record = os.path.join(self.box.dir, "RecordArgs.txt")
        viewer = winpath(os.path.join(self.box.dir, "RecordArgs.exe"))
        write_ini(self.box.ini, {"Main": {"Ver": "90690"},
                                 "Jumplist": {"Dstc": "1", "DstcApp": viewer}})

    def test_plain_jpeg_goes_to_the_viewer(self):
        image = winpath(os.path.join(self.box.dir, "photo %PATH% one.JPG"))
        code, _ = self.box.run(image)
        self.assertEqual(code, 0)
        _, count = probe("count", "ZENTAVIO")
        self.assertEqual(count, "0")
        deadline = time.monotonic() + 10
        while not os.path.exists(self.record) and time.monotonic() < deadline:
            time.sleep(0.1)
        line = read_text(self.record)
        self.assertTrue(line.endswith('"%s"' % image), line)

    def test_jump_list_jpeg_stays_with_the_player(self):
        image = winpath(os.path.join(self.box.dir, "movie.zvjl.jpg"))
        proc = self.box.start(image)
        self.assertIsNotNone(self.box.wait_window())
        self.box.close(proc)
        self.assertFalse(os.path.exists(self.record))


class BadInput(BehaviourTest):
    def check_starts(self):
        proc = self.box.start()
        self.assertIsNotNone(self.box.wait_window(), "no window")
        code, _ = self.box.close(proc)
        self.assertEqual(code, 0)

    def test_garbage_settings_files(self):
        random = bytes((i * 7919 + 13) % 256 for i in range(20000))
        huge = {"Main": {"Ver": "90690", "Pos": "-99999,99999,-5,999999999"},
                "Common": {"Mlt": "1", "Video": "99999"},
                "Bind": {"Count": "2147483647"}, "Filter": {"Count": "99999999"},
                "Cap": {"Count": "-5"}, "Rec": {"Count": "1000000"},
                "Jumplist": {"MaxBlk": "-7", "DstcApp": "x" * 5000}}
        fixtures = {
            "random": random,
            "utf8": "[Main]\nVer=90690\nTitle=日本語のタイトル\n".encode("utf-8"),
            "empty": b"",
        }
        for name, data in fixtures.items():
            with self.subTest(name):
                with open(self.box.ini, "wb") as f:
                    f.write(data)
                self.check_starts()
        with self.subTest("out of range"):
            write_ini(self.box.ini, huge)
            self.check_starts()

    def test_many_and_overlong_arguments(self):
        write_ini(self.box.ini, {"Main": {"Ver": "90690"}})
        # Short names keep the line within CreateProcess's 32767 characters.
        args = ["-WHAT", "-POS"] + [str(i) for i in range(5000)]
        args += ["C:\\" + "d" * 300 + ".avi", "-RNG"]
        proc = self.box.start(*args)
        self.assertIsNotNone(self.box.wait_window())
        code, _ = self.box.close(proc)
        self.assertEqual(code, 0)


if __name__ == "__main__":
    zvtest.main()
