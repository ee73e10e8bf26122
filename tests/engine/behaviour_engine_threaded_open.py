"""The threaded open builds the notify filter behind Wine's Sample Grabber,
whose output pin offers no allocator: the graph still plays and seeks."""

import unittest

import zvtest
from engine_media import Host, all_of, fields, first, media, win


class ThreadedOpen(unittest.TestCase):
    def setUp(self):
        self.host = Host(self.id().split(".")[-1])

    def tearDown(self):
        self.host.cleanup()

    def test_notify_filter_connects_and_frames_pass(self):
        lines = self.host.run("openasync %s; wait graphbuilt 10000; chain; seek 2000; "
                              "wait frameshown 5000; run; sleep 300; pause; pos; close"
                              % win(media("av.avi")))
        first(lines, "wait frameshown ok")
        chains = all_of(lines, "chain ")
        self.assertTrue(any("NotifyFilter" in c for c in chains), chains)
        self.assertEqual(fields(first(lines, "seek "))["hr"], "0x00000000")
        self.assertGreaterEqual(int(fields(first(lines, "pos "))["ms"]), 2000)


if __name__ == "__main__":
    zvtest.main()
