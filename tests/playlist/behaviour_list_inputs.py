"""List files made by other programs, big lists and bad input, read with the
player's own readers through ListTool.exe; what the player writes is read
back by it and by a parser of our own here."""

import os
import random
import shutil
import subprocess
import tempfile
import unittest

import zvtest
from zvtest import winpath

E1011 = "E1011 : プレイリストの上限数(1000)を超えたのでファイルを追加できませんでした。"
E1012 = "E1012 : プレイリストの上限数(1000)を超えたのでファイルを追加できませんでした。"
E1020 = "E1020 : Open M3U File"


def tool(*args, timeout=60):
    """ListTool's answer: {"tracks": [(seconds, ms, missing, name, path)],
    "log": [messages], "saved": result or None}."""
    code, out = zvtest.run_to_file(os.path.join(zvtest.BIN, "ListTool.exe"), *args,
                                   timeout=timeout)
    assert code == 0, (args, out)
    result = {"tracks": [], "log": [], "saved": None, "count": None}
    for line in out.splitlines():
        fields = line.rstrip("\r").split("\t")
        if fields[0] == "COUNT":
            result["count"] = int(fields[1])
        elif fields[0] == "LOG":
            result["log"].append(fields[1])
        elif fields[0] == "SAVED":
            result["saved"] = int(fields[1])
        else:
            index, sec, ms, missing, name, path = fields
            assert int(index) == len(result["tracks"]), line
            result["tracks"].append((int(sec), int(ms), int(missing), name, path))
    assert result["count"] == len(result["tracks"]), out
    return result


def parse_zvpl(path):
    """A .zvpl as the player writes it: UTF-16LE with a BOM, CR LF lines;
    ({header keys}, [{track keys}]) with the tracks in TRACK_n order."""
    data = read(path)
    assert data[:2] == b"\xff\xfe", data[:8]
    sections, order, current = {}, [], None
    for line in data[2:].decode("utf-16-le").split("\r\n"):
        if line.startswith("["):
            assert line.endswith("]") and line[1:-1] not in sections, line
            current = sections.setdefault(line[1:-1], {})
            order.append(line[1:-1])
        elif line:
            key, sep, value = line.partition("=")
            assert sep and current is not None and key not in current, line
            current[key] = value
    header = sections["ZENTAVIO_PLAYLIST"]
    count = int(header["COUNT"])
    assert order == ["ZENTAVIO_PLAYLIST"] + ["TRACK_%d" % n for n in range(1, count + 1)], order
    return header, [sections["TRACK_%d" % n] for n in range(1, count + 1)]


def parse_m3u8(path):
    """An .m3u8 as the player writes it: UTF-8 with a BOM, "#EXTM3U", then
    "#EXTINF:[seconds][,name]" and the path for each track."""
    data = read(path)
    assert data.startswith(b"\xef\xbb\xbf#EXTM3U\n"), data[:16]
    lines = data[3:].decode("utf-8").split("\n")
    assert lines[-1] == "", "the last line ends"
    lines = lines[1:-1]
    tracks = []
    for info, path_line in zip(lines[0::2], lines[1::2]):
        assert info.startswith("#EXTINF:"), info
        sec, comma, name = info[8:].partition(",")
        assert sec == "" or (sec.isdigit() and int(sec) > 0), info
        assert comma or not name
        tracks.append((int(sec or 0), name, path_line))
    assert len(lines) == 2 * len(tracks)
    return tracks


def zvpl_text(tracks, count=None, header="ZENTAVIO_PLAYLIST", fmt="FMT=100"):
    """A .zvpl body: tracks are {key: value} (or None for no section)."""
    lines = ["[%s]" % header, fmt, "COUNT=%d" % (len(tracks) if count is None else count)]
    for n, keys in enumerate(tracks, 1):
        if keys is None:
            continue
        number = keys.pop("_n", n)
        lines.append("[TRACK_%d]" % number)
        lines.extend("%s=%s" % kv for kv in keys.items())
    return "\r\n".join(lines) + "\r\n"


def read(path):
    with open(path, "rb") as f:
        return f.read()


def write(path, data):
    with open(path, "wb") as f:
        f.write(data)
    return path


def utf16(text):
    return b"\xff\xfe" + text.encode("utf-16-le")


class ListInputs(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        os.makedirs(zvtest.TMP, exist_ok=True)
        cls.dir = tempfile.mkdtemp(prefix="list-inputs-", dir=zvtest.TMP)
        cls.wav = os.path.join(cls.dir, "tone.wav")
        subprocess.run(["ffmpeg", "-v", "error", "-f", "lavfi", "-i", "sine=d=0.05", "-ar",
                        "8000", cls.wav], check=True, timeout=60)

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.dir, ignore_errors=True)

    def folder(self, name):
        path = os.path.join(self.dir, name)
        os.makedirs(path)
        return path

    def media(self, folder, *names):
        for name in names:
            os.makedirs(os.path.dirname(os.path.join(folder, name)), exist_ok=True)
            shutil.copy(self.wav, os.path.join(folder, name))

    def test_ffmpeg_hls_lists(self):
        folder = self.folder("hls")
        listing = os.path.join(folder, "夜の歌.m3u8")
        subprocess.run(["ffmpeg", "-v", "error", "-f", "lavfi", "-i", "sine=d=6", "-ar", "8000",
                        "-f", "segment", "-segment_time", "2", "-segment_format", "wav",
                        "-segment_list", listing, "-segment_list_type", "m3u8",
                        os.path.join(folder, "曲_é%d.wav")], check=True, timeout=60)
        raw = read(listing)
        self.assertFalse(raw.startswith(b"\xef\xbb\xbf"))
        # ffmpeg writes "#EXTINF:<seconds>.<6 digits>," with the segment's
        # measured length (2.018125, 1.996875, ...): whole seconds are kept.
        lines = raw.decode("utf-8").split("\n")
        want = [(int(float(info[8:-1])), int(float(info[8:-1])) * 1000, 0, "",
                 winpath(os.path.join(folder, name)))
                for info, name in zip(lines, lines[1:]) if info.startswith("#EXTINF:")]
        self.assertGreaterEqual(len(want), 3)
        self.assertTrue(all(info.endswith(",") for info in lines if info.startswith("#EXTINF:")))
        self.assertTrue(os.path.basename(want[0][4].replace("\\", "/")).startswith("曲_é"))
        got = tool("read", winpath(listing))
        self.assertEqual(got["tracks"], want)
        self.assertEqual(got["log"], [])

        master = write(os.path.join(folder, "master.m3u8"),
                       b"#EXTM3U\n#EXT-X-STREAM-INF:BANDWIDTH=1280000,RESOLUTION=640x360\n"
                       b"low/index.m3u8\n#EXT-X-STREAM-INF:BANDWIDTH=2560000\nhi/index.m3u8\n")
        self.assertEqual(tool("read", winpath(master))["tracks"], [])

    def encoded_lists(self, folder):
        """The same M3U in each encoding, and the legacy list in CP1252."""
        text = ("#EXTM3U\r\n#EXTINF:125,Été 夜の曲\r\nsub\\à.wav\r\n"
                "#EXTINF:3,b\r\nb.wav\r\n#EXTINF:7\r\nabsent.wav\r\n")
        lists = {
            "bom.m3u": b"\xef\xbb\xbf" + text.encode("utf-8"),
            "nobom.m3u": text.encode("utf-8"),
            "nobom.m3u8": text.encode("utf-8"),
            "le.m3u": b"\xff\xfe" + text.encode("utf-16-le"),
            "be.m3u": b"\xfe\xff" + text.encode("utf-16-be"),
        }
        for name, data in lists.items():
            write(os.path.join(folder, name), data)
        legacy = ("[TORVALISK_PLAYLIST]\r\nVER=100\r\nTRACKCOUNT=3\r\n"
                  "[TRACK1]\r\nPATH=.\\sub\\à.wav\r\nTITLE=Été crème\r\nTIME=125400\r\n"
                  "[TRACK2]\r\nPATH=.\\b.wav\r\nTITLE=b\r\nTIME=1001\r\n"
                  "[TRACK3]\r\nPATH=.\\absent.wav\r\nTIME=7999\r\n")
        cp1252 = subprocess.run(["iconv", "-f", "UTF-8", "-t", "CP1252"], input=legacy.encode(),
                                capture_output=True, check=True).stdout
        self.assertNotIn(b"\xc3", cp1252)
        write(os.path.join(folder, "legacy.zvpl"), cp1252)
        return list(lists), "legacy.zvpl"

    def test_encodings_and_round_trips(self):
        folder = self.folder("enc")
        self.media(folder, "sub/à.wav", "b.wav")
        m3us, legacy = self.encoded_lists(folder)
        paths = [winpath(os.path.join(folder, n)) for n in ("sub/à.wav", "b.wav", "absent.wav")]
        m3u_tracks = [(125, 125000, 0, "Été 夜の曲", paths[0]), (3, 3000, 0, "b", paths[1]),
                      (7, 7000, 1, "", paths[2])]
        for name in m3us:
            with self.subTest(name=name):
                self.assertEqual(tool("read", winpath(os.path.join(folder, name)))["tracks"],
                                 m3u_tracks)
        legacy_path = winpath(os.path.join(folder, legacy))
        self.assertEqual(tool("read", legacy_path)["tracks"], [], "read without [Main] Lgcy")
        legacy_tracks = [(125, 125400, 0, "Été crème", paths[0]), (1, 1001, 0, "b", paths[1]),
                         (7, 7999, 1, "", paths[2])]
        self.assertEqual(tool("read", legacy_path, "lgcy=1")["tracks"], legacy_tracks)

        sources = ((m3us[0], m3u_tracks, ()), (legacy, legacy_tracks, ("lgcy=1",)))
        for source, tracks, options in sources:
            for out_name in ("out.zvpl", "out.m3u8"):
                with self.subTest(source=source, out=out_name):
                    out = os.path.join(folder, out_name)
                    saved = tool("save", winpath(os.path.join(folder, source)), winpath(out),
                                 *options)
                    self.assertEqual(saved["saved"], 1)
                    again = tool("read", winpath(out))["tracks"]
                    if out_name.endswith(".zvpl"):
                        self.assertEqual(again, tracks)
                        self.check_zvpl(out, tracks)
                    else:
                        # M3U keeps whole seconds only.
                        self.assertEqual(again, [(s, s * 1000, m, n, p)
                                                 for s, _, m, n, p in tracks])
                        self.assertEqual(parse_m3u8(out), [(s, n, p)
                                                           for s, _, _, n, p in tracks])

    def check_zvpl(self, path, tracks):
        header, entries = parse_zvpl(path)
        self.assertEqual(header, {"FMT": "100", "COUNT": str(len(tracks))})
        for (sec, ms, _, name, full), keys in zip(tracks, entries):
            want = {"PATH": full}
            if name:
                want["NAME"] = name
            if ms > 0:
                want["TIME"] = "%0.3f" % (ms / 1000)
            self.assertEqual(keys, want)

    def test_a_thousand_entries_and_the_next_one(self):
        folder = self.folder("big")
        n = 1001
        zvpl = zvpl_text([{"PATH": ".\\f%04d.wav" % i, "TIME": "1.5"} for i in range(n)])
        legacy = ("[TORVALISK_PLAYLIST]\r\nVER=100\r\nTRACKCOUNT=%d\r\n" % n
                  + "".join("[TRACK%d]\r\nPATH=.\\f%04d.wav\r\nTIME=1500\r\n" % (i + 1, i)
                            for i in range(n)))
        m3u = "#EXTM3U\n" + "".join("#EXTINF:1,t\nf%04d.wav\n" % i for i in range(n))
        self.media(folder, *("f%04d.wav" % i for i in range(n)))
        cases = (
            (write(os.path.join(folder, "big.zvpl"), utf16(zvpl)), (), E1012),
            (write(os.path.join(folder, "legacy.zvpl"), legacy.encode()), ("lgcy=1",), E1012),
            (write(os.path.join(folder, "big.m3u"), m3u.encode()), (), E1011),
        )
        for path, options, line in cases:
            with self.subTest(list=os.path.basename(path)):
                got = tool("read", winpath(path), *options)
                self.assertEqual(len(got["tracks"]), 1000)
                self.assertEqual(got["tracks"][999][4], winpath(os.path.join(folder, "f0999.wav")))
                self.assertEqual(got["log"], [line])
        got = tool("folder", winpath(folder))
        self.assertEqual(len(got["tracks"]), 1000)
        self.assertEqual(got["log"], [E1012])
        self.assertEqual(len({t[4] for t in got["tracks"]}), 1000)

    def test_a_big_list_with_resume_values_saves_again(self):
        folder = self.folder("long")
        deep = "C:\\" + "d" * 200 + "\\"
        entries = [{"PATH": deep + "%d.wav" % i, "NAME": "名" * 100, "TIME": "%d.250" % i,
                    "RESUME": "%d" % (1000 * i + 1)} for i in range(1000)]
        path = write(os.path.join(folder, "own.zvpl"), utf16(zvpl_text(entries)))
        self.assertGreater(os.path.getsize(path), 500000)
        saved = tool("save", winpath(path), winpath(path))
        self.assertEqual(saved["saved"], 1)
        self.assertEqual(len(saved["tracks"]), 1000)
        header, written = parse_zvpl(path)
        self.assertEqual(header["COUNT"], "1000")
        self.assertGreater(os.path.getsize(path), 500000)
        for i in (0, 1, 999):
            self.assertEqual(written[i]["PATH"], deep + "%d.wav" % i)
            self.assertEqual(written[i]["TIME"], "%d.250" % i)
            self.assertTrue(written[i]["RESUME"], written[i])
        # What was written saves again unchanged.
        first = read(path)
        self.assertEqual(tool("save", winpath(path), winpath(path))["saved"], 1)
        self.assertEqual(read(path), first)

    def test_bad_input_ends_without_harm(self):
        folder = self.folder("bad")
        self.media(folder, "a.wav", "b.wav", "c.wav")
        a, b, c = (winpath(os.path.join(folder, n)) for n in ("a.wav", "b.wav", "c.wav"))
        name500 = "n" * 500
        zvpls = (
            # name, body, tracks (seconds, ms, missing, name, path)
            ("count.zvpl", zvpl_text([{"PATH": ".\\a.wav"}, {"PATH": ".\\b.wav"},
                                      {"PATH": ".\\c.wav"}], count=2147483647),
             [(0, 0, 0, "", a), (0, 0, 0, "", b), (0, 0, 0, "", c)]),
            # A section far past the others is read without walking the gap.
            ("gap.zvpl", zvpl_text([{"PATH": ".\\a.wav"}, {"PATH": ".\\b.wav",
                                                            "_n": 999999999}],
                                   count=2147483647),
             [(0, 0, 0, "", a), (0, 0, 0, "", b)]),
            ("values.zvpl", zvpl_text([{"PATH": ""}, {"PATH": "C:\\" + "p" * 300 + ".wav"},
                                       {"PATH": ".\\a.wav", "NAME": name500, "TIME": "abc"},
                                       {"PATH": ".\\b.wav"}]),
             [(0, 0, 0, name500[:128], a), (0, 0, 0, "", b)]),
        )
        for name, body, tracks in zvpls:
            with self.subTest(list=name):
                path = write(os.path.join(folder, name), utf16(body))
                self.assertEqual(tool("read", winpath(path), timeout=20)["tracks"], tracks)
        # UTF-8 is not a .zvpl encoding: with a BOM the header is not found;
        # without one, the ASCII text still reads (in the ANSI code page).
        body = zvpl_text([{"PATH": ".\\a.wav", "NAME": "x"}])
        utf8 = write(os.path.join(folder, "utf8.zvpl"), b"\xef\xbb\xbf" + body.encode())
        self.assertEqual(tool("read", winpath(utf8))["tracks"], [])
        plain = write(os.path.join(folder, "plain.zvpl"), body.encode())
        self.assertEqual(tool("read", winpath(plain))["tracks"], [(0, 0, 0, "x", a)])

        long_name = "L" * 2000
        m3us = (
            ("long.m3u", "#EXTM3U\n#EXTINF:4," + long_name + "\nb.wav\n#EXTINF:5,c\nc.wav\n",
             [(4, 4000, 0, long_name[:127], b), (5, 5000, 0, "c", c)], []),
            ("minus.m3u", "#EXTM3U\n#EXTINF:-1,x\na.wav\n",
             [(0xFFFFFFFF, -1000, 0, "x", a)], []),
            ("zero.m3u", "", [], [E1020]),
            ("binary.m3u", bytes(random.Random(7).randrange(256) for _ in range(4096)), [],
             [E1020]),
        )
        for name, body, tracks, log in m3us:
            with self.subTest(list=name):
                path = write(os.path.join(folder, name),
                             body if isinstance(body, bytes) else body.encode())
                got = tool("read", winpath(path))
                self.assertEqual(got["tracks"], tracks)
                self.assertEqual([line[:len(E1020)] for line in got["log"]], log)

        # Lists naming themselves are read once, as a track like any other.
        own_m3u = os.path.join(folder, "self.m3u8")
        write(own_m3u, b"#EXTM3U\n#EXTINF:1,me\nself.m3u8\n")
        self.assertEqual(tool("read", winpath(own_m3u))["tracks"],
                         [(1, 1000, 0, "me", winpath(own_m3u))])
        own_zvpl = os.path.join(folder, "self.zvpl")
        write(own_zvpl, utf16(zvpl_text([{"PATH": ".\\self.zvpl"}])))
        self.assertEqual(tool("read", winpath(own_zvpl))["tracks"],
                         [(0, 0, 0, "", winpath(own_zvpl))])

    def test_a_folder_linking_to_its_parent(self):
        root = self.folder("loop")
        self.media(root, "a.wav", "sub/b.wav")
        os.symlink("..", os.path.join(root, "sub", "loop"))
        got = tool("folder", winpath(root), "subdir=1", timeout=60)
        counts = {}
        for track in got["tracks"]:
            counts[track[4]] = counts.get(track[4], 0) + 1
        self.assertEqual(counts, {winpath(os.path.join(root, "a.wav")): 1,
                                  winpath(os.path.join(root, "sub", "b.wav")): 1})


if __name__ == "__main__":
    zvtest.main()
