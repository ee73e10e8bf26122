"""Side subtitle files handed to the subtitle filter: entry names, the
no-subtitles entry, language numbers of files of one name, and switching
between them. The subtitle stand-in logs the calls it gets."""

import os
import shutil
import subprocess
import tempfile
import unittest

import zvtest
from engine_media import all_of, first
from zvtest import winpath

SUBTITLE_DLL = os.path.join(zvtest.BIN, "TestSubtitleFilter.dll")


def register(on=True):
    args = ["regsvr32", "/s"] + ([] if on else ["/u"]) + [winpath(SUBTITLE_DLL)]
    return zvtest.wine(args, timeout=60).returncode


class SideSubtitles(unittest.TestCase):
    def setUp(self):
        os.makedirs(zvtest.TMP, exist_ok=True)
        self.dir = tempfile.mkdtemp(prefix="subtitles-", dir=zvtest.TMP)
        self.clip = os.path.join(self.dir, "movie.avi")
        subprocess.run(["ffmpeg", "-loglevel", "error", "-y", "-f", "lavfi", "-i",
                        "testsrc=size=160x120:rate=10:duration=2", "-c:v", "mjpeg", self.clip],
                       check=True)
        self.exe = os.path.join(self.dir, "EngineHost.exe")
        shutil.copy(os.path.join(zvtest.BIN, "EngineHost.exe"), self.exe)
        self.log = os.path.join(self.dir, "calls.txt")
        self.assertEqual(register(), 0)

    def tearDown(self):
        register(on=False)
        shutil.rmtree(self.dir, ignore_errors=True)

    def run_host(self, script):
        env = dict(os.environ, ZV_TEST_LOG=self.log)
        result = zvtest.wine([self.exe, script], timeout=90, env=env)
        lines = result.stdout.decode("utf-8", "replace").splitlines()
        self.assertEqual(lines[-1:], ["end"], lines)
        return lines

    def calls(self):
        with open(self.log, encoding="utf-8") as f:
            return [c for c in f.read().splitlines() if "put_" in c or "get_Hide" in c]

    def side(self, name):
        return winpath(os.path.join(self.dir, name))

    def test_entries_languages_and_switching(self):
        en, srt, idx = self.side("movie.en.srt"), self.side("movie.srt"), self.side("movie.idx")
        lines = self.run_host(
            "open flags=15 %s; addsub %s; addsub %s; addsub %s; streams; selectstream 2; "
            "selectstream 3; selectstream 3; selectstream 1; selectstream 0; streams; close"
            % (winpath(self.clip), en, srt, idx))
        self.assertEqual(all_of(lines, "addsub "), ["addsub 1"] * 3)
        self.assertEqual(first(lines, "streams "), "streams n=4 multi=1")
        names = [l.split("name=", 1)[1] for l in all_of(lines, "stream ")[:4]]
        self.assertEqual(names, ["[S: NO SUBTITLES]", "[S: FILE .en (srt)]", "[S: FILE (srt)]",
                                 "[S: FILE (idx)]"])
        self.assertEqual(all_of(lines, "selectstream "), [
            "selectstream 1 subpath=[%s]" % srt, "selectstream 1 subpath=[%s]" % idx,
            "selectstream 1 subpath=[%s]" % idx, "selectstream 1 subpath=[%s]" % en,
            "selectstream 1 subpath=[]"])
        self.assertEqual(self.calls(), [
            "VobSub put_FileName [%s]" % srt, "VobSub put_SelectedLanguage 0",
            # movie.idx shares movie.srt's name: the next language; chosen
            # again it is already loaded and nothing is called
            "VobSub put_FileName [%s]" % idx, "VobSub put_SelectedLanguage 1",
            "VobSub put_FileName [%s]" % en, "VobSub put_SelectedLanguage 0",
            "VobSub put_FileName []", "VobSub put_SelectedLanguage 0",
            "VobSub get_HideSubtitles", "VobSub put_HideSubtitles 1"])
        loaded = [l.split()[4] for l in all_of(lines, "stream ")[4:]]
        self.assertEqual(loaded, ["loaded=1", "loaded=0", "loaded=0", "loaded=0"])

    def test_without_the_subtitle_filter_no_file_is_taken(self):
        register(on=False)
        lines = self.run_host("open flags=15 %s; addsub %s; streams; close"
                              % (winpath(self.clip), self.side("movie.srt")))
        self.assertEqual(first(lines, "addsub "), "addsub 0")
        self.assertEqual(first(lines, "streams "), "streams n=0 multi=0")


if __name__ == "__main__":
    zvtest.main()
