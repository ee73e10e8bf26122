"""Components from outside the program: the engine loads the time-stretch
module and the subtitle filter when they are present and goes on without
them. Stand-ins of our own take their place and log every call they get."""

import os
import shutil
import subprocess
import tempfile
import unittest

import zvtest
from zvtest import winpath

HOST = os.path.join(zvtest.BIN, "EngineHost.exe")
STRETCH_AX = os.path.join(zvtest.BIN, "standins", "TimeStretchFilter.ax")
SUBTITLE_DLL = os.path.join(zvtest.BIN, "TestSubtitleFilter.dll")


def register(path, on=True):
    args = ["regsvr32", "/s"] + ([] if on else ["/u"]) + [winpath(path)]
    return zvtest.wine(args, timeout=60).returncode


class ThirdParty(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        os.makedirs(zvtest.TMP, exist_ok=True)
        cls.media = tempfile.mkdtemp(prefix="third-party-media-", dir=zvtest.TMP)
        cls.clip = os.path.join(cls.media, "clip.avi")
        subprocess.run(["ffmpeg", "-loglevel", "error", "-y",
                        "-f", "lavfi", "-i", "testsrc=size=320x240:rate=25:duration=2",
                        "-f", "lavfi", "-i", "sine=frequency=440:sample_rate=44100:duration=2",
                        "-c:v", "mjpeg", "-q:v", "5", "-c:a", "pcm_s16le", "-shortest",
                        cls.clip], check=True)

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.media, ignore_errors=True)

    def setUp(self):
        # A folder of the host's own, so that only what a test puts beside
        # it can be found there.
        self.dir = tempfile.mkdtemp(prefix="third-party-", dir=zvtest.TMP)
        self.host_exe = os.path.join(self.dir, "EngineHost.exe")
        shutil.copy(HOST, self.host_exe)
        self.log = os.path.join(self.dir, "calls.txt")

    def tearDown(self):
        shutil.rmtree(self.dir, ignore_errors=True)

    def run_host(self, script):
        env = dict(os.environ, ZV_TEST_LOG=self.log)
        result = zvtest.wine([self.host_exe, script], timeout=90, env=env)
        lines = result.stdout.decode("utf-8", "replace").splitlines()
        self.assertEqual(result.returncode, 0, lines)
        opened = [l for l in lines if l.startswith("open ")]
        self.assertTrue(opened, lines)
        for line in opened:
            self.assertIn("opened=1", line)
        return lines

    def calls(self):
        if not os.path.exists(self.log):
            return []
        with open(self.log, encoding="utf-8") as f:
            return f.read().splitlines()

    # ---- time stretch --------------------------------------------------------

    def test_time_stretch_module_beside_the_program_is_loaded_and_called(self):
        shutil.copy(STRETCH_AX, self.dir)
        self.run_host("open stretch=1 %s; rate 150; run; sleep 300; rate 100; close"
                      % winpath(self.clip))
        calls = self.calls()
        self.assertEqual(calls[:4], [
            "DllGetClassObject TimeStretch",
            "Create TimeStretch",
            "TimeStretch JoinFilterGraph TimeStretchFilter",
            "TimeStretch Enable 1 window valid message 0x801F",
        ])
        self.assertIn("TimeStretch SetRate 150", calls)
        self.assertIn("TimeStretch SetRate 100", calls)
        self.assertLess(calls.index("TimeStretch SetRate 150"), calls.index("TimeStretch SetRate 100"))
        # Released with the graph, before the module goes.
        self.assertIn("TimeStretch destroyed", calls)
        self.assertEqual(calls[-1], "TimeStretch module unloaded, 0 objects alive")

    def test_time_stretch_is_not_loaded_unless_wanted(self):
        shutil.copy(STRETCH_AX, self.dir)
        self.run_host("open stretch=0 %s; rate 150; close" % winpath(self.clip))
        self.assertEqual(self.calls(), [])

    def test_without_the_time_stretch_module_the_file_still_opens_and_plays(self):
        lines = self.run_host("open stretch=1 %s; rate 150; run; sleep 300; close"
                              % winpath(self.clip))
        self.assertEqual(self.calls(), [])
        self.assertTrue(any(l.startswith("run hr=0x0000000") for l in lines), lines)

    def test_a_registered_time_stretch_filter_is_created_by_its_class_id(self):
        self.assertEqual(register(STRETCH_AX), 0)
        try:
            self.run_host("open stretch=1 %s; rate 75; close" % winpath(self.clip))
        finally:
            register(STRETCH_AX, on=False)
        calls = self.calls()
        self.assertIn("Create TimeStretch", calls)
        self.assertIn("TimeStretch Enable 1 window valid message 0x801F", calls)
        self.assertIn("TimeStretch SetRate 75", calls)
        self.assertIn("TimeStretch destroyed", calls)

    # ---- subtitle filter -----------------------------------------------------

    def test_a_registered_subtitle_filter_joins_video_graphs_only(self):
        self.assertEqual(register(SUBTITLE_DLL), 0)
        try:
            lines = self.run_host("open flags=15 %s; filters; run; sleep 500; close; "
                                  "open flags=2 %s; filters; close"
                                  % (winpath(self.clip), winpath(self.clip)))
        finally:
            register(SUBTITLE_DLL, on=False)
        calls = self.calls()
        self.assertEqual(calls.count("Create VobSub"), 1, calls)
        self.assertIn("VobSub JoinFilterGraph VSFilter", calls)
        # It sits in the video path: frames passed through it while running.
        self.assertIn("VobSub video passes", calls)
        self.assertIn("VobSub destroyed", calls)
        filters = [l for l in lines if l.startswith("filters ")]
        self.assertEqual(len(filters), 2, lines)
        self.assertIn("VSFilter", filters[0].split(" ", 1)[1].split("|"))
        self.assertNotIn("VSFilter", filters[1])

    def test_without_the_subtitle_filter_the_file_still_opens(self):
        lines = self.run_host("open flags=15 %s; filters; close" % winpath(self.clip))
        self.assertFalse([c for c in self.calls() if "VobSub" in c])
        self.assertNotIn("VSFilter", " ".join(lines))


if __name__ == "__main__":
    zvtest.main()
