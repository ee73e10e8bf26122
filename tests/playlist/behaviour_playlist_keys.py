"""Real keys typed into the playlist window's focused lists, and the mouse
on them: Enter opens the row of each list, F2 renames (the edit then takes
every key), F3 shows and inverts check boxes, Up and Down cross tracks in
the chapter list, Page Down wraps, Left and Right switch tabs, Tab and
Shift+Tab move the focus, Ctrl+A selects and deselects all, the menu keys
ask for the list's menu, Escape hides the window and other keys run the
player's bindings. The wheel over the track list scrolls it and never
changes the volume; a double-click on a check box toggles it twice and
opens nothing; a range row's icon plays that range; the marker list's
column edge moves the other lists' name columns."""

import os
import re
import shutil
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "playback"))

import play_support as ps  # noqa: E402
import screen  # noqa: E402
import zvtest  # noqa: E402
from behaviour_folder_list import write_list  # noqa: E402
from behaviour_playlist_window import (CHAPTERS, MARKERS, PLAYLIST, RANGES, TRACKS,  # noqa: E402
                                       child, client_origin, row_centre, send, texts,
                                       wait_texts, window)
from zvtest import BehaviourTest, probe, winpath  # noqa: E402

LVM_GETCOLUMNWIDTH = 0x101D
LVM_GETTOPINDEX = 0x1027
SECONDS = 60  # long enough that no track ends during a test
A_CHAPTERS = ["1, CHAPTER 1", "2, CHAPTER 2", "3, CHAPTER 3"]
B_CHAPTERS = ["1, CHAPTER 1", "2, CHAPTER 2"]
C_CHAPTERS = ["1, CHAPTER 1"]


def xdotool(*args):
    subprocess.run(["xdotool"] + [str(a) for a in args], check=True)


def key(*names):
    xdotool("key", "--delay", "80", *names)


def link(source, target):
    try:
        os.link(source, target)
    except OSError:
        shutil.copy(source, target)


def write_info(media, chapters=(), ranges=(), markers=()):
    """The information file beside media (times in ms), UTF-16 with its BOM."""
    def t(ms):
        return "%02d:%02d:%06.3f" % (ms // 3600000, ms // 60000 % 60, ms % 60000 / 1000)
    lines = ["[ZENTAVIO_FILEINFO]", "FMT=100", "LEN=" + t(SECONDS * 1000), "[CHAPTER]"]
    lines += ["%d=%s" % (i + 1, t(ms)) for i, ms in enumerate(chapters)]
    lines += ["[RANGE]"] + ["%d=%s-%s" % (i + 1, t(a), t(b)) for i, (a, b) in enumerate(ranges)]
    lines += ["[MARKER]"] + ["%d=%s" % (i + 1, t(ms)) for i, ms in enumerate(markers)]
    with open(media + ".zvinf", "wb") as f:
        f.write(b"\xff\xfe" + "\r\n".join(lines + [""]).encode("utf-16-le"))


def make_list(where, fillers=0):
    """a.avi with three chapters, two ranges and two markers, b.avi with two
    chapters, c.avi with none (one chapter row), then the fillers, in a .zvpl."""
    folder = os.path.join(where, "media")
    os.makedirs(folder)
    names = ["a", "b", "c"] + ["f%02d" % i for i in range(fillers)]
    for name in names:
        link(ps.clip(SECONDS), os.path.join(folder, name + ".avi"))
    write_info(os.path.join(folder, "a.avi"), [0, 4000, 8000], [(1000, 3000), (5000, 9000)],
               [2000, 6000])
    write_info(os.path.join(folder, "b.avi"), [0, 6000])
    path = os.path.join(folder, "list.zvpl")
    write_list(path, {"FMT": "100", "COUNT": str(len(names))},
               [{"PATH": ".\\%s.avi" % name} for name in names])
    return path


def names(list_id):
    """The rows' texts without the times of the chapter format."""
    return [re.sub(r" \(.*\)$", "", t) for t in texts(list_id) or []]


def selected(list_id):
    return [r["selected"] for r in zvtest.list_rows(PLAYLIST, list_id) or []]


def checks(list_id):
    return [r["check"] for r in zvtest.list_rows(PLAYLIST, list_id) or []]


def column(list_id, index):
    return send(list_id, LVM_GETCOLUMNWIDTH, index)


class PlaylistKeys(BehaviourTest):
    def setUp(self):
        super().setUp()
        if not shutil.which("xdotool"):
            self.skipTest("no xdotool for real input")

    def start(self, fillers=0):
        ps.settings(self.box, extra={
            "Main": {"List": "3"},
            "Playlist": {"Atc": "0", "Pos": "200,120,300,460,100", "AtClm": "0", "Chap": "2"}})
        proc = self.box.start(winpath(make_list(self.box.dir, fillers)))
        self.assertIsNotNone(self.box.wait_window(), "no main window")
        self.assertIsNotNone(self.box.wait_window(PLAYLIST), "no playlist window")
        self.assertEqual(ps.wait_trace(self, self.box, "play")["track"], 0)
        self.wait_rows(names, CHAPTERS, A_CHAPTERS)
        # Held, so that no track ends and moves the selection meanwhile.
        ps.press_and_trace(self, self.box, ps.PLAY_BUTTON, "pause")
        # The duration scan has filled every row's time.
        scanned = lambda: all(r["texts"][1].strip() for r in zvtest.list_rows(PLAYLIST, TRACKS))  # noqa: E731,E501
        self.assertTrue(zvtest.wait_for(
            lambda: len(texts(TRACKS)) == 3 + fillers and scanned(), 90))
        return proc

    def click_row(self, list_id, row):
        _, centre = row_centre(list_id, row)
        xdotool("mousemove", *centre, "click", 1)
        self.assertTrue(zvtest.wait_for(lambda: selected(list_id)[row] == 1 or None),
                        selected(list_id))

    def log(self):
        return ps.open_support.log_text(self.box)

    def wait_log(self, text):
        found = zvtest.wait_for(lambda: text in self.log() or None)
        self.assertTrue(found, "no %r in the log" % text)

    def wait_rows(self, what, list_id, wanted):
        found = zvtest.wait_for(lambda: what(list_id) == wanted or None)
        self.assertTrue(found, (list_id, what(list_id), wanted))

    def test_keys_typed_into_the_lists(self):
        proc = self.start()
        # Enter on a track row opens it.
        self.click_row(TRACKS, 1)
        self.wait_rows(names, CHAPTERS, B_CHAPTERS)
        after = len(ps.traces(self.box))
        key("Return")
        self.wait_log("NOTICE : 2010 1")
        self.assertEqual(ps.wait_trace(self, self.box, "play", after)["track"], 1)
        ps.press_and_trace(self, self.box, ps.PLAY_BUTTON, "pause")
        after = len(ps.traces(self.box))

        # Ctrl+A selects every row, a second one none.
        self.click_row(TRACKS, 1)
        key("ctrl+a")
        self.wait_rows(selected, TRACKS, [1, 1, 1])
        key("ctrl+a")
        self.wait_rows(selected, TRACKS, [0, 0, 0])

        # While a name is edited every key goes to the edit: the blank does
        # not pause, Escape cancels the edit and leaves the window shown.
        self.click_row(TRACKS, 2)
        key("F2")
        xdotool("type", "--delay", "60", "x y")
        key("Return")
        self.assertTrue(wait_texts(TRACKS, ["1, a.avi", "2, b.avi", " 3, x y"]), texts(TRACKS))
        key("F2")
        xdotool("type", "--delay", "60", "zz")
        key("Escape")
        self.assertEqual(probe("visible", PLAYLIST)[1], "1")
        self.assertEqual(ps.traces(self.box)[after:], [])
        self.assertEqual(texts(TRACKS)[2], " 3, x y")

        # F3 shows the check boxes, then inverts the selected rows; in the
        # playing track's chapter list it also tells the main window.
        key("F3")
        self.wait_rows(checks, TRACKS, [2, 2, 2])
        key("F3")
        self.wait_rows(checks, TRACKS, [2, 2, 1])
        self.click_row(TRACKS, 1)
        self.wait_rows(names, CHAPTERS, B_CHAPTERS)
        key("Tab")
        self.wait_rows(selected, CHAPTERS, [1, 0])
        key("F3")
        self.wait_rows(checks, CHAPTERS, [1, 2])
        self.wait_log("NOTICE : 2035 0")

        # Down and Up cross tracks at the chapter list's ends; the last
        # track's last chapter stays.
        key("Down")
        self.wait_rows(selected, CHAPTERS, [0, 1])
        key("Down")
        self.wait_rows(names, CHAPTERS, C_CHAPTERS)
        self.wait_rows(selected, TRACKS, [0, 0, 1])
        key("Down")
        self.wait_rows(selected, CHAPTERS, [1])
        self.assertEqual(names(CHAPTERS), C_CHAPTERS)
        key("Up")
        self.wait_rows(names, CHAPTERS, B_CHAPTERS)
        self.wait_rows(selected, CHAPTERS, [0, 1])
        self.wait_rows(selected, TRACKS, [0, 1, 0])

        # Page Down on the last track wraps to the first; Page Up back.
        key("Next")
        self.wait_rows(names, CHAPTERS, C_CHAPTERS)
        key("Next")
        self.wait_rows(names, CHAPTERS, A_CHAPTERS)
        self.wait_rows(selected, TRACKS, [1, 0, 0])
        self.wait_rows(selected, CHAPTERS, [1, 0, 0])
        key("Prior")
        self.wait_rows(names, CHAPTERS, C_CHAPTERS)
        key("Next")
        self.wait_rows(names, CHAPTERS, A_CHAPTERS)
        key("Down", "Return")
        self.wait_log("NOTICE : 2011 1")

        # Left and Right switch the tabs, and stop at the last.
        shown = lambda: [child(i)[0] for i in (CHAPTERS, RANGES, MARKERS)]  # noqa: E731
        key("Right")
        self.assertTrue(zvtest.wait_for(lambda: shown() == [0, 1, 0] or None), shown())
        key("Right", "Right")
        self.assertTrue(zvtest.wait_for(lambda: shown() == [0, 0, 1] or None), shown())
        self.click_row(MARKERS, 1)
        key("Return")
        self.wait_log("NOTICE : 2014 1")
        key("Left")
        self.assertTrue(zvtest.wait_for(lambda: shown() == [0, 1, 0] or None), shown())
        self.click_row(RANGES, 1)
        key("Return")
        self.wait_log("NOTICE : 2012 1")
        # The menu keys ask for the list's menu at its selection.
        key("Menu")
        self.wait_log("MENU : Id=2356 ")
        key("Escape")

        # Shift+Tab: back to the track list, where Shift+F10 asks for its
        # menu and Space runs the player's binding (pause).
        key("shift+Tab")
        key("shift+F10")
        self.wait_log("MENU : Id=2354 ")
        key("Escape")
        after = len(ps.traces(self.box))
        key("space")
        toggled = zvtest.wait_for(lambda: [t for t in ps.traces(self.box)[after:]
                                           if t["cause"] in ("pause", "play")] or None)
        self.assertTrue(toggled, ps.traces(self.box)[after:])

        # Escape hides the window and the main window has the keyboard.
        key("Escape")
        self.assertEqual(probe("gone", PLAYLIST, "5000")[0], 0)
        self.assertTrue(zvtest.wait_for(lambda: probe("foreground", "ZENTAVIO")[1] == "1"))
        self.assertEqual(self.box.close(proc)[0], 0)

    def test_mouse_and_wheel_on_the_lists(self):
        proc = self.start(fillers=24)

        # A double-click on a check box toggles it twice and opens nothing:
        # the single click after it toggles once, and still nothing opened.
        self.click_row(TRACKS, 2)
        key("F3")
        self.assertTrue(zvtest.wait_for(lambda: checks(TRACKS)[:3] == [2, 2, 2] or None))
        after = len(ps.traces(self.box))
        rects, _ = row_centre(TRACKS, 1)
        icon, bounds = rects["icon"], rects["bounds"]
        box = (icon[0] - 8 if icon[0] - bounds[0] >= 12 else bounds[0] + 8,
               (bounds[1] + bounds[3]) // 2)
        xdotool("mousemove", *box, "click", "--repeat", 2, "--delay", 80, 1)
        xdotool("mousemove", box[0], box[1] + 1, "click", 1)
        self.assertTrue(zvtest.wait_for(lambda: checks(TRACKS)[:3] == [2, 1, 2] or None),
                        checks(TRACKS)[:3])
        self.assertEqual(ps.traces(self.box)[after:], [])

        # A click on a range row's icon plays that range.
        self.click_row(TRACKS, 0)
        key("Right")
        self.assertTrue(zvtest.wait_for(lambda: child(RANGES)[0] == 1 or None))
        rects, _ = row_centre(RANGES, 1)
        icon = rects["icon"]
        xdotool("mousemove", (icon[0] + icon[2]) // 2, (icon[1] + icon[3]) // 2, "click", 1)
        self.wait_log("NOTICE : 2013 1")

        # The marker list's column edge moves the name column of the other
        # three lists; their time columns stay.
        key("Right")
        self.assertTrue(zvtest.wait_for(lambda: child(MARKERS)[0] == 1 or None))
        time_column, width = column(TRACKS, 1), column(MARKERS, 0)
        x0, y0 = client_origin(window())
        markers = child(MARKERS)[1]
        rects, _ = row_centre(MARKERS, 0)
        edge = (x0 + markers[0] + width - 2, (y0 + markers[1] + rects["bounds"][1]) // 2)
        xdotool("mousemove", *edge, "mousedown", 1)
        for step in range(1, 5):
            xdotool("mousemove", edge[0] - 10 * step, edge[1], "sleep", "0.1")
        xdotool("mouseup", 1)
        narrower = zvtest.wait_for(lambda: column(MARKERS, 0) < width - 20 or None)
        self.assertTrue(narrower, (width, column(MARKERS, 0)))
        now = column(MARKERS, 0)
        for list_id in (TRACKS, CHAPTERS, RANGES):
            self.assertEqual((column(list_id, 0), column(list_id, 1)),
                             (now - time_column, time_column), list_id)

        # The wheel over the track list scrolls it; over a sub-list that
        # cannot scroll it does nothing. Neither reaches the volume, which
        # the wheel over the video then changes by one step from 30.
        _, centre = row_centre(TRACKS, 2)
        xdotool("mousemove", *centre, "click", 5, "click", 5)
        self.assertTrue(zvtest.wait_for(lambda: send(TRACKS, LVM_GETTOPINDEX) > 0 or None))
        _, centre = row_centre(MARKERS, 0)
        xdotool("mousemove", *centre, "click", 5, "click", 5)
        x, y, w, h = screen.child_rect(self.box.wait_window(), ps.open_support.VIDEO_WINDOW_ID)
        xdotool("mousemove", x + w // 2, y + h // 2, "click", 4)
        ps.wait_status(self, r"VOL +35 *%")
        self.assertEqual(self.box.close(proc)[0], 0)


if __name__ == "__main__":
    zvtest.main()
