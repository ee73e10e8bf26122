"""A folder with a folder-management list opens through that list: its
entries in its order with their names, missing files dropped, the folder's
other files added, the list file brought up to date; at close the list's
own RESUME follows the playing track, and the next open starts there with
the check states it carries."""

import os
import shutil
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "playback"))

import play_support as ps  # noqa: E402
import screen  # noqa: E402
import zvtest  # noqa: E402
from zvtest import BehaviourTest, winpath  # noqa: E402

PLAYLIST = "ZENTAVIO_PLAYLIST"
TRACK_LIST_ID = 1401
LIST_NAME = "zentavio_fldrmg.zvpl"


def write_list(path, header, tracks):
    """A list file as the player writes it: UTF-16LE with its BOM."""
    lines = ["[ZENTAVIO_PLAYLIST]"] + ["%s=%s" % kv for kv in header.items()]
    for n, keys in enumerate(tracks, 1):
        lines.append("[TRACK_%d]" % n)
        lines.extend("%s=%s" % kv for kv in keys.items())
    with open(path, "wb") as f:
        f.write(b"\xff\xfe" + ("\r\n".join(lines) + "\r\n").encode("utf-16-le"))


def read_list(path):
    """The list file's sections in file order, as [(name, {key: value})]."""
    with open(path, "rb") as f:
        data = f.read()
    assert data.startswith(b"\xff\xfe"), data[:4]
    sections = []
    for line in data[2:].decode("utf-16-le").splitlines():
        if line.startswith("[") and line.endswith("]"):
            sections.append((line[1:-1], {}))
        elif "=" in line and sections:
            key, _, value = line.partition("=")
            sections[-1][1][key] = value
    return sections


def resume_track(value):
    """The entry index a RESUME value names (field 2 holds index + 1)."""
    fields = value.split(",")
    entry = fields[1].split("/")[0] if len(fields) > 1 else ""
    return int(entry) - 1 if entry else 0


class FolderList(BehaviourTest):
    def setUp(self):
        super().setUp()
        # The playlist window shows at start; rows numbered, names with
        # their extension.
        ps.settings(self.box, extra={"Main": {"List": "3"},
                                     "Playlist": {"Num": "1", "Ext": "1", "Omt": "0"}})
        self.folder = os.path.join(self.box.dir, "media")
        os.makedirs(self.folder)
        # b.wav ends soon so that playback moves on to the next entry.
        for name, seconds in (("a.wav", 30), ("b.wav", 1.5), ("c.wav", 30)):
            shutil.copy(ps.open_support.tone(seconds), os.path.join(self.folder, name))
        self.list = os.path.join(self.folder, LIST_NAME)

    def rows(self, count):
        rows = zvtest.wait_for(
            lambda: (lambda r: r if r and len(r) == count else None)(
                zvtest.list_rows(PLAYLIST, TRACK_LIST_ID)))
        self.assertIsNotNone(rows, "the track list never held %d rows" % count)
        return rows

    def shoot(self, name):
        """The playlist window as it stands, kept beside the sandbox to be
        looked at."""
        code, out = zvtest.probe("wait", PLAYLIST, "5000")
        self.assertEqual(code, 0)
        win = zvtest.parse_window(out)
        left, top, _, _ = (int(v) for v in win["rect"].split(","))
        shot = os.path.join(zvtest.TMP, name)
        screen.grab(shot, left, top, win["width"], win["height"])
        return shot

    def test_opens_through_the_list_then_resumes_where_it_stood(self):
        write_list(self.list, {"FMT": "100", "COUNT": "3", "RESUME": "0"},
                   [{"PATH": ".\\b.wav", "NAME": "Bee"}, {"PATH": ".\\missing.wav"},
                    {"PATH": ".\\a.wav"}])
        proc = self.box.start(winpath(self.folder))
        self.assertIsNotNone(self.box.wait_window(PLAYLIST), "no playlist window")

        rows = self.rows(3)
        self.assertEqual([r["texts"][0] for r in rows], ["1, Bee", "2, a.wav", "3, c.wav"])
        self.shoot("folder_list_rows.png")
        sections = read_list(self.list)
        head = sections[0][1]
        self.assertEqual((head["FMT"], head["COUNT"], head["RESUME"]), ("100", "3", "0"))
        self.assertEqual([(n, k.get("PATH"), k.get("NAME")) for n, k in sections[1:]],
                         [("TRACK_1", ".\\b.wav", "Bee"), ("TRACK_2", ".\\a.wav", None),
                          ("TRACK_3", ".\\c.wav", None)])

        # The first entry plays to its end; the second one is playing at close.
        self.assertEqual(ps.wait_trace(self, self.box, "play")["track"], 0)
        plays = zvtest.wait_for(lambda: [t["track"] for t in ps.traces(self.box)
                                         if t["cause"] == "play"][1:], timeout=20)
        self.assertEqual(plays[:1], [1])
        self.assertEqual(self.box.close(proc)[0], 0)
        resume = read_list(self.list)[0][1].get("RESUME", "")
        self.assertNotEqual(resume, "0")
        self.assertEqual(resume_track(resume), 1, resume)

        # The next open takes the list's record: c.wav, with a.wav unchecked
        # and the check boxes shown.
        write_list(self.list, {"FMT": "100", "COUNT": "3", "RESUME": ",3,2"},
                   [{"PATH": ".\\b.wav", "NAME": "Bee"}, {"PATH": ".\\a.wav"},
                    {"PATH": ".\\c.wav"}])
        before = len(ps.traces(self.box))
        proc = self.box.start(winpath(self.folder))
        self.assertIsNotNone(self.box.wait_window(PLAYLIST), "no playlist window")
        self.assertEqual(ps.wait_trace(self, self.box, "play", before)["track"], 2)
        rows = zvtest.wait_for(
            lambda: (lambda r: r if r and [x["check"] for x in r] == [2, 1, 2] else None)(
                zvtest.list_rows(PLAYLIST, TRACK_LIST_ID)))
        self.assertIsNotNone(rows, zvtest.list_rows(PLAYLIST, TRACK_LIST_ID))
        self.assertEqual([r["texts"][0] for r in rows], ["1, Bee", "2, a.wav", "3, c.wav"])
        self.assertEqual(self.box.close(proc)[0], 0)
        # The check states go back with the track at close.
        resume = read_list(self.list)[0][1].get("RESUME", "")
        self.assertEqual(resume.split(",")[2:3], ["2"], resume)
        self.assertEqual(resume_track(resume), 2, resume)


if __name__ == "__main__":
    zvtest.main()
