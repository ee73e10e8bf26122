"""The playlist window's menus and their commands: context menus opened by
real right clicks into the lists (compared from the menu trace), the
check-box button's menu, and commands chosen through the probe: copies to
the clipboard, checks, sorts against a Python sort, deleting, the row
height gesture, range and marker commands, relinking a missing track
through the open dialog and searching a folder tree that links back to
itself."""

import os
import re
import shutil
import subprocess
import sys
import time
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "playback"))
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "commands"))

import open_support as osup  # noqa: E402
import play_support as ps  # noqa: E402
import zvtest  # noqa: E402
from behaviour_folder_list import write_list  # noqa: E402
from behaviour_menus import built_menus  # noqa: E402
from zvtest import BehaviourTest, probe, winpath  # noqa: E402

PLAYLIST = "ZENTAVIO_PLAYLIST"
TRACKS, CHAPTERS, RANGES, MARKERS = 1401, 1396, 1397, 1399
CHECK_BUTTON = 33169
WM_COMMAND = 0x111
S = 255
TRACKS_EMPTY = [8709, 8710, S, 2358, S, 8724, 8713]
TRACKS_SELECTED = [8705, 8706, S, 2358, S, 8709, 8710, S, 8714, 8715, 8719, S, 8718, 8724,
                   8713, S, 8712]
CHAPTER_MENU = [8734, S, 8716, 8717, 8720, S, 8810, 8735, 8736, S, 8738, 8721, S, 8739, S, 8737]
RANGE_MENU = [8754, S, 8758, 8759, S, 8755, 8761, 8762, S, 8757]
MARKER_MENU = [8774, S, 8777, 8778, S, 8775, S, 8776]
CHECK_MENU = [8805, 8806, S, 8807, 8808, S, 8809]
NAMES = ["a2.avi", "a10.avi", "B1.avi"]


def xdotool(*args):
    subprocess.run(["xdotool"] + [str(a) for a in args], check=True)


def t(ms):
    return "%02d:%02d:%06.3f" % (ms // 3600000, ms // 60000 % 60, ms % 60000 / 1000)


def write_info(media, chapters, ranges, markers, length_ms):
    lines = ["[ZENTAVIO_FILEINFO]", "FMT=100", "LEN=" + t(length_ms), "[CHAPTER]"]
    lines += ["%d=%s" % (i + 1, t(ms)) for i, ms in enumerate(chapters)]
    lines += ["[RANGE]"] + ["%d=%s-%s" % (i + 1, t(a), t(b)) for i, (a, b) in enumerate(ranges)]
    lines += ["[MARKER]"] + ["%d=%s" % (i + 1, t(ms)) for i, ms in enumerate(markers)]
    with open(media + ".zvinf", "wb") as f:
        f.write(b"\xff\xfe" + "\r\n".join(lines + [""]).encode("utf-16-le"))


def natural(name):
    return [int(p) if p.isdigit() else p for p in re.split(r"(\d+)", name.lower())]


def names():
    rows = zvtest.list_rows(PLAYLIST, TRACKS) or []
    return [r["texts"][0].split(", ", 1)[-1].strip() for r in rows]


def rows(list_id, field):
    return [r[field] for r in zvtest.list_rows(PLAYLIST, list_id) or []]


def menucmd(item, *more):
    code, _ = probe("menucmd", PLAYLIST, str(item), *(str(m) for m in more))
    return code


def menucmd_async(item):
    """A chosen item whose command runs a modal dialog: the probe's send
    returns only when it closes."""
    return subprocess.Popen([zvtest.HARNESS, "exec", os.path.join(zvtest.BIN, "WinProbe.exe"),
                             "menucmd", PLAYLIST, str(item)])


def clipboard():
    out = subprocess.run(["xclip", "-o", "-selection", "clipboard"], capture_output=True)
    # Wine hands CR LF to the X selection as LF.
    return out.stdout.decode("utf-8", "replace").replace("\r\n", "\n")


def row_centre(list_id, row):
    code, out = probe("itemrect", PLAYLIST, str(list_id), str(row))
    if code != 0:
        return None
    rects = {k: [int(v) for v in r.split(",")] for k, r in
             (line.split("=", 1) for line in out.splitlines())}
    b = rects["bounds"]
    return (b[0] + b[2]) // 2, (b[1] + b[3]) // 2


def title():
    code, out = probe("wait", PLAYLIST, "5000")
    return zvtest.parse_window(out)["title"] if code == 0 else None


class PlaylistMenus(BehaviourTest):
    def setUp(self):
        super().setUp()
        for tool in ("xdotool", "xclip"):
            if not shutil.which(tool):
                self.skipTest("no " + tool)

    def start(self, list_path, playlist=None):
        keys = {"Atc": "0", "Pos": "200,120,320,460,100"}
        keys.update(playlist or {})
        ps.settings(self.box, repeat=0, keep_awake=0,
                    extra={"Main": {"List": "3", "Pos": "700,300,500,400"}, "Playlist": keys})
        proc = self.box.start(winpath(list_path))
        self.assertIsNotNone(self.box.wait_window(PLAYLIST), "no playlist window")
        return proc

    def media(self):
        folder = os.path.join(self.box.dir, "media")
        os.makedirs(folder, exist_ok=True)
        return folder

    def menus(self):
        return built_menus(osup.log_text(self.box))

    def right_click(self, point, menu_id):
        """A real right click; the items of the menu it built, then Escape."""
        count = len(self.menus())
        xdotool("mousemove", *point, "click", 3)
        found = []

        def built():
            found[:] = [m for m in self.menus()[count:] if m[0] == menu_id]
            return found
        self.assertTrue(zvtest.wait_for(built, 8), "menu %d not built: %r"
                        % (menu_id, [m[0] for m in self.menus()[count:]]))
        return found[0][1]

    def close_menu(self):
        xdotool("key", "Escape")
        time.sleep(0.3)

    def cues(self):
        return re.findall(r"CUE : (\d+)", osup.log_text(self.box))

    @unittest.skip("open fault: the uncheck command leaves checks set")
    def test_track_menus_copies_checks_sorts_and_row_height(self):
        folder = self.media()
        for i, name in enumerate(NAMES):
            path = os.path.join(folder, name)
            shutil.copy(ps.clip(12), path)
            # Sizes apart, so that the size sort has one answer.
            with open(path, "ab") as f:
                f.write(b"\0" * (1000 * (i * 7 % 3 + 1)))
        list_path = os.path.join(folder, "list.zvpl")
        write_list(list_path, {"FMT": "100", "COUNT": "4"},
                   [{"PATH": ".\\" + n} for n in NAMES + ["gone.avi"]])
        proc = self.start(list_path, {"ItemHt": "80"})
        self.assertTrue(zvtest.wait_for(lambda: names() == NAMES + ["gone.avi"]), names())

        # A right click under the rows: nothing selected, the short menu.
        count = len(self.menus())
        bounds = zvtest.parse_window(probe("wait", PLAYLIST, "5000")[1])
        left, top, right, bottom = (int(v) for v in bounds["rect"].split(","))
        items = self.right_click(((left + right) // 2, row_centre(TRACKS, 3)[1] + 60), 2354)
        self.assertEqual([i[0] for i in items], TRACKS_EMPTY)
        self.close_menu()

        # On the missing track: the full menu, its play item disabled, the
        # folder search appended; the file tools built when reached.
        items = self.right_click(row_centre(TRACKS, 3), 2354)
        self.assertEqual([i[0] for i in items], TRACKS_SELECTED + [S, 8708])
        self.assertEqual({i[0]: i[1] for i in items}[8705], 1)
        self.close_menu()
        self.assertGreater(len(self.menus()), count)

        # Copies: all names with CR LF, one name without a line break.
        menucmd(8713, 2354)
        self.assertTrue(zvtest.wait_for(lambda: rows(TRACKS, "selected") == [1, 1, 1, 1]))
        menucmd(8860, 2358)
        self.assertTrue(zvtest.wait_for(
            lambda: clipboard() == "\n".join(NAMES + ["gone.avi"])), repr(clipboard()))
        xdotool("mousemove", *row_centre(TRACKS, 1), "click", 1)
        self.assertTrue(zvtest.wait_for(lambda: rows(TRACKS, "selected") == [0, 1, 0, 0]))
        menucmd(8860, 2358)
        self.assertTrue(zvtest.wait_for(lambda: clipboard() == NAMES[1]), repr(clipboard()))
        menucmd(8861, 2358)
        wanted = winpath(os.path.join(folder, NAMES[1])).lower()
        self.assertTrue(zvtest.wait_for(lambda: clipboard().lower() == wanted), clipboard())

        # Unchecking switches the boxes on; inverting flips the selection.
        menucmd(8715, 2354)
        self.assertTrue(zvtest.wait_for(lambda: rows(TRACKS, "check") == [2, 1, 2, 2]),
                        rows(TRACKS, "check"))
        xdotool("mousemove", *row_centre(TRACKS, 0), "keydown", "ctrl", "click", 1,
                "keyup", "ctrl")
        menucmd(8719, 2354)
        self.assertTrue(zvtest.wait_for(lambda: rows(TRACKS, "check") == [1, 2, 2, 2]),
                        rows(TRACKS, "check"))

        # Sorts against Python's, then back to the order of the list file.
        present = NAMES + ["gone.avi"]
        by_name = sorted(present, key=natural)
        sizes = {n: os.path.getsize(os.path.join(folder, n)) if n in NAMES else 0 for n in present}
        for item, wanted in ((8826, by_name[::-1]), (8825, by_name),
                             (8836, sorted(present, key=lambda n: -sizes[n])),
                             (8837, present)):
            menucmd(item, 2365)
            self.assertTrue(zvtest.wait_for(lambda: names() == wanted), (item, names()))

        # Deleting the selected rows marks the list modified.
        xdotool("mousemove", *row_centre(TRACKS, 3), "click", 1)
        menucmd(8712, 2354)
        self.assertTrue(zvtest.wait_for(lambda: names() == NAMES), names())
        self.assertTrue(zvtest.wait_for(lambda: (title() or "").startswith("*")), title())

        # The check-box button's menu: check mode stays on only when an
        # item was chosen.
        probe("post", PLAYLIST, str(WM_COMMAND), str(CHECK_BUTTON), "0")
        self.assertTrue(zvtest.wait_for(lambda: rows(TRACKS, "check") == [0, 0, 0]))
        _, button = self.child_centre(CHECK_BUTTON)
        items = self.right_click(button, 2366)
        self.assertEqual([i[0] for i in items], CHECK_MENU)
        self.close_menu()
        self.assertTrue(zvtest.wait_for(lambda: rows(TRACKS, "check") == [0, 0, 0]))
        self.right_click(button, 2366)
        xdotool("key", "Down", "Return")
        self.assertTrue(zvtest.wait_for(lambda: rows(TRACKS, "check") in ([2, 2, 2], [1, 1, 1])),
                        rows(TRACKS, "check"))

        # The row-height gesture from 80 % stops at 100 %.
        menucmd(8897, 2364, 6, 0)
        for _ in range(30):
            menucmd(8897, 2364, 6, 0, 1)
        self.assertEqual(self.box.close(proc)[0], 0)
        self.assertEqual(zvtest.read_ini(self.box.ini)[0]["Playlist"]["ItemHt"], "100")

    def child_centre(self, id_):
        code, out = probe("child", PLAYLIST, str(id_))
        self.assertEqual(code, 0)
        facts = dict(f.split("=", 1) for f in out.split())
        l, t_, r, b = (int(v) for v in facts["rect"].split(","))
        win = zvtest.parse_window(probe("wait", PLAYLIST, "5000")[1])
        left, top = (int(v) for v in win["rect"].split(",")[:2])
        cw, ch = (int(v) for v in win["client"].split(","))
        border = (win["width"] - cw) // 2
        x0, y0 = left + border, top + win["height"] - ch - border
        return (l, t_, r, b), (x0 + (l + r) // 2, y0 + (t_ + b) // 2)

    def test_sub_list_menus_ranges_markers_and_chapters(self):
        folder = self.media()
        clip = os.path.join(folder, "a.avi")
        shutil.copy(ps.clip(12), clip)
        write_info(clip, [0, 4000, 8000], [(1000, 3000), (5000, 7000)], [2000, 6000], 12000)
        proc = self.start(clip, {"Tab": "0"})
        self.assertEqual(ps.wait_trace(self, self.box, "play")["track"], 0)
        ps.press_and_trace(self, self.box, ps.PLAY_BUTTON, "pause")
        self.assertTrue(zvtest.wait_for(lambda: len(rows(CHAPTERS, "selected")) == 3))

        # The chapter list's menu on a real right click on a row.
        items = self.right_click(row_centre(CHAPTERS, 1), 2355)
        self.assertEqual([i[0] for i in items], CHAPTER_MENU)
        self.close_menu()

        # Chapters at both ends of each range (4), then at the markers (2).
        menucmd(8759, 2356)
        menucmd(8760, 2356)
        self.assertTrue(zvtest.wait_for(lambda: len(rows(CHAPTERS, "selected")) == 7),
                        rows(CHAPTERS, "selected"))
        menucmd(8778, 2357)
        menucmd(8779)
        self.assertTrue(zvtest.wait_for(lambda: len(rows(CHAPTERS, "selected")) == 9),
                        rows(CHAPTERS, "selected"))

        # Two ranges merge into one; it is deleted; the markers too.
        menucmd(8759, 2356)
        menucmd(8762, 2356)
        self.assertTrue(zvtest.wait_for(lambda: len(rows(RANGES, "selected")) == 1),
                        zvtest.list_rows(PLAYLIST, RANGES))
        menucmd(8759, 2356)
        menucmd(8757, 2356)
        self.assertTrue(zvtest.wait_for(lambda: rows(RANGES, "selected") == []))
        menucmd(8778, 2357)
        menucmd(8776, 2357)
        self.assertTrue(zvtest.wait_for(lambda: rows(MARKERS, "selected") == []))
        self.assertEqual(self.box.close(proc)[0], 0)
        with open(clip + ".zvinf", "rb") as f:
            info = f.read().decode("utf-16")
        self.assertNotIn("[MARKER]\r\n1=", info)

    @unittest.skip("open fault: the relinked track still shows as missing")
    def test_relink_and_folder_search_over_a_looping_tree(self):
        folder = self.media()
        tree = os.path.join(folder, "tree")
        deep = os.path.join(tree, "one", "two")
        os.makedirs(deep)
        for name in ("moved.avi", "other.avi"):
            shutil.copy(ps.clip(6), os.path.join(deep, name))
        # Two links back to the tree's top: followed, the search would
        # never end.
        os.symlink(tree, os.path.join(tree, "one", "up"))
        os.symlink(tree, os.path.join(tree, "one", "again"))
        shutil.copy(ps.clip(6), os.path.join(folder, "here.avi"))
        list_path = os.path.join(folder, "list.zvpl")
        write_list(list_path, {"FMT": "100", "COUNT": "3"},
                   [{"PATH": ".\\here.avi"}, {"PATH": ".\\moved.avi"},
                    {"PATH": ".\\gone\\other.avi"}])
        proc = self.start(list_path)
        self.assertTrue(zvtest.wait_for(lambda: len(names()) == 3), names())
        missing_image = rows(TRACKS, "image")[1]

        # Relinking to a path that does not exist changes nothing (cue 1).
        xdotool("mousemove", *row_centre(TRACKS, 1), "click", 1)
        for typed, cue in ((winpath(os.path.join(folder, "nothing.avi")), "1"),
                           (winpath(os.path.join(deep, "moved.avi")), "3")):
            count = len(self.cues())
            menucmd_async(8707)
            self.assertEqual(probe("wait", "#32770", "8000")[0], 0, "no open dialog")
            time.sleep(0.5)
            xdotool("key", "ctrl+a")
            xdotool("type", "--delay", 20, typed)
            xdotool("key", "Return")
            self.assertTrue(zvtest.wait_for(lambda: self.cues()[count:] == [cue]),
                            self.cues()[count:])
        self.assertTrue(zvtest.wait_for(lambda: (title() or "").startswith("*")), title())
        self.assertNotEqual(rows(TRACKS, "image")[1], missing_image)

        # The folder search finds the other track down the looping tree.
        xdotool("mousemove", *row_centre(TRACKS, 2), "click", 1)
        count = len(self.cues())
        menucmd_async(8708)
        self.assertEqual(probe("wait", "#32770", "8000")[0], 0, "no folder dialog")
        time.sleep(0.5)
        xdotool("type", "--delay", 20, winpath(tree))
        xdotool("key", "Return")
        time.sleep(1)
        if probe("visible", "#32770")[1].strip() == "1":
            xdotool("key", "Return")
        self.assertTrue(zvtest.wait_for(lambda: "3" in self.cues()[count:], 30),
                        self.cues()[count:])
        self.assertNotEqual(rows(TRACKS, "image")[2], missing_image)
        self.assertEqual(self.box.close(proc)[0], 0)


if __name__ == "__main__":
    zvtest.main()
