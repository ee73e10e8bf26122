"""Menu commands sent as the popups send them (WinProbe menucmd with the
menu id, selection state and mode): on a playing folder the chapter items
jump or delete, the track items check, delete and move, the repeat items
set [Main] "Rpt", always-on-top, the playlist window, mute, the clipboard
tools and the folder-list switch act; without a file, items naming entries
that are gone do nothing, the binding table box lists 1000 bindings, and
the exit item ends the player."""

import os
import re
import shutil
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "playback"))

import play_support as ps  # noqa: E402
import zvtest  # noqa: E402
from key_support import KeyPlayer  # noqa: E402
from zvtest import BehaviourTest, probe, read_ini, winpath  # noqa: E402

PLAYLIST_CLASS = "ZENTAVIO_PLAYLIST"
TRACK_LIST = 1401
MENU_PLAYLIST, MENU_SEEKBAR, MENU_CHAPTERS = 2318, 2333, 2335
TRACK, CHAPTER = 35769, 36768
SEL_TOGGLE, SEL_DELETE = 1, 2
WS_EX_TOPMOST = 0x8
FOLDER_LIST = "zentavio_fldrmg.zvpl"


def menu(item, menu_id=None, state=0, mode=0, drag=None):
    args = ["menucmd", "ZENTAVIO", str(item)]
    if menu_id is not None:
        args += [str(menu_id), str(state), str(mode)]
        if drag:
            args += [str(drag[0]), str(drag[1])]
    code, _ = probe(*args)
    return code


def clipboard():
    result = subprocess.run(["xclip", "-o", "-selection", "clipboard"], capture_output=True,
                            timeout=5)
    return result.stdout.decode("utf-8", "replace") if result.returncode == 0 else ""


def chapter_lines(media):
    with open(media + ".zvinf", "rb") as f:
        text = f.read().decode("utf-16", "replace")
    section = text.split("[CHAPTER]", 1)[1].split("[", 1)[0]
    return [line for line in section.splitlines() if "=" in line]


class MenuCommands(KeyPlayer, BehaviourTest):
    def start(self, target=None, extra=None):
        for tool in ("xdotool", "xclip"):
            if not shutil.which(tool):
                self.skipTest("no " + tool)
        sections = {"Main": {"Pos": "100,100,855,555", "ErrLog": "1"}}
        for section, keys in (extra or {}).items():
            sections.setdefault(section, {}).update(keys)
        ps.settings(self.box, repeat=0, keep_awake=0, extra=sections)
        if target:
            self.open_playing(target)
        else:
            self.proc = self.box.start()
            self.win = self.box.wait_window()
            self.assertIsNotNone(self.win, "no main window")

    def track_names(self):
        rows = zvtest.list_rows(PLAYLIST_CLASS, TRACK_LIST) or []
        names = [re.search(r"menu\d", r["texts"][0]) for r in rows]
        return [m.group(0) if m else r["texts"][0] for m, r in zip(names, rows)]

    def exstyle(self):
        code, out = probe("wait", "ZENTAVIO", "2000")
        self.assertEqual(code, 0)
        return int(zvtest.parse_window(out)["exstyle"], 16)

    def test_commands_on_a_playing_folder(self):
        folder = os.path.join(self.box.dir, "menu-folder")
        clips = [ps.open_support.clip(60, "menu%d.avi" % i, folder) for i in range(1, 5)]
        ps.write_zvinf(clips[0], [0, 10000, 20000, 30000], [], 60000)
        self.start(folder)

        # Chapters: a plain choice jumps; state 2 in the plain form jumps
        # too; state 2 otherwise deletes; chapter 150 of 4 does nothing.
        menu(CHAPTER + 2, MENU_CHAPTERS)
        ps.wait_status(self, r"CHAPTER\s*:\s*03")
        menu(CHAPTER + 1, MENU_SEEKBAR, SEL_DELETE, 1)
        ps.wait_status(self, r"CHAPTER\s*:\s*02")
        self.assertEqual(len(chapter_lines(clips[0])), 4)
        menu(CHAPTER + 150, MENU_CHAPTERS, SEL_DELETE)
        menu(CHAPTER + 3, MENU_CHAPTERS, SEL_DELETE)
        self.assertTrue(zvtest.wait_for(lambda: len(chapter_lines(clips[0])) == 3, 8),
                        chapter_lines(clips[0]))

        # The repeat items set the stored mode.
        for item, mode in ((4239, 2), (4241, 4), (4237, 0)):
            menu(item)
            self.assertTrue(zvtest.wait_for(
                lambda: read_ini(self.box.ini)[0].get("Main", {}).get("Rpt", "").split(",")[0]
                == str(mode), 8), "%d did not store repeat %d" % (item, mode))

        # Always on top, then off again.
        menu(4097)
        self.assertTrue(zvtest.wait_for(lambda: self.exstyle() & WS_EX_TOPMOST, 8))
        menu(4097)
        self.assertTrue(zvtest.wait_for(lambda: not self.exstyle() & WS_EX_TOPMOST, 8))

        menu(4217)
        ps.wait_status(self, r"MUTE\s*:\s*ON")

        # The clipboard tools: the folder list's name and path, the file's.
        for item, want in ((4157, os.path.basename(folder)), (4158, winpath(folder)),
                           (4160, "menu1.avi"), (4161, winpath(clips[0]))):
            menu(item)
            got = zvtest.wait_for(lambda: clipboard().rstrip("\\").lower()
                                  == want.rstrip("\\").lower(), 8)
            self.assertTrue(got, "%d put %r, not %r" % (item, clipboard(), want))

        # The playlist window; track items check, move and delete.
        menu(4106)
        self.assertEqual(probe("wait", PLAYLIST_CLASS, "5000")[0], 0)
        self.assertEqual(self.track_names(), ["menu1", "menu2", "menu3", "menu4"])
        menu(TRACK + 1, MENU_PLAYLIST, 0, 0, drag=(3, 5))
        self.assertTrue(zvtest.wait_for(
            lambda: self.track_names() == ["menu1", "menu3", "menu4", "menu2"], 8),
            self.track_names())
        menu(TRACK + 2, MENU_PLAYLIST, SEL_DELETE)
        self.assertTrue(zvtest.wait_for(
            lambda: self.track_names() == ["menu1", "menu3", "menu2"], 8), self.track_names())
        menu(TRACK + 999, MENU_PLAYLIST, SEL_DELETE)
        self.assertEqual(self.track_names(), ["menu1", "menu3", "menu2"])

        # The folder becomes a folder-managed list and back.
        list_file = os.path.join(folder, FOLDER_LIST)
        menu(4139)
        self.assertTrue(zvtest.wait_for(lambda: os.path.exists(list_file), 8))
        code, out = probe("wait", PLAYLIST_CLASS, "2000")
        self.assertIn("(ZVPL)", zvtest.parse_window(out)["title"])
        menu(4139)
        self.assertTrue(zvtest.wait_for(lambda: not os.path.exists(list_file), 8))
        code, out = probe("wait", PLAYLIST_CLASS, "2000")
        self.assertNotIn("(ZVPL)", zvtest.parse_window(out)["title"])

    def test_gone_entries_bindings_box_and_exit(self):
        bindings = {"Count": "1000"}
        bindings.update({str(i): "1,1,0,%X" % (0x41 + i % 20) for i in range(1000)})
        self.start(extra={"Bind": bindings})
        for args in ((TRACK + 999, MENU_PLAYLIST, SEL_DELETE), (TRACK + 999, MENU_PLAYLIST),
                     (CHAPTER + 150, MENU_CHAPTERS), (CHAPTER + 150, MENU_CHAPTERS, SEL_DELETE),
                     (34878 + 15, 2329), (34878 + 15, 2329, 0, 1), (38768 + 399, 2322),
                     (38768 + 399, 2322, SEL_DELETE), (34968 + 99, 2310), (35468 + 99, 2330)):
            self.assertEqual(menu(*args), 0, args)
        self.assertEqual(probe("wait", "ZENTAVIO", "2000")[0], 0)

        # The binding table box: sent from a second probe, since the box
        # holds the sender until it is answered.
        sender = subprocess.Popen([zvtest.HARNESS, "exec", os.path.join(zvtest.BIN, "WinProbe.exe"),
                                   "menucmd", "ZENTAVIO", "4996"], stdin=subprocess.DEVNULL,
                                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            code, text = probe("answer", "ZENTAVIO", "yes", "15000")
            self.assertEqual(code, 0, "no binding table box")
            self.assertTrue(text.startswith("m_nBindCount = 1000;"), text[:80])
            self.assertIn("m_pBind[", text)
        finally:
            sender.wait(timeout=20)

        menu(4127)
        self.assertEqual(probe("gone", "ZENTAVIO", "10000")[0], 0)


if __name__ == "__main__":
    zvtest.main()
