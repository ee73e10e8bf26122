"""The time-stretch filter's property pages: the module is loaded for the
call and freed afterwards; a module without the filter shows nothing."""

import os
import unittest

import zvtest
from engine_media import Host, first
from zvtest import winpath

STRETCH_AX = os.path.join(zvtest.BIN, "standins", "TimeStretchFilter.ax")
SUBTITLE_DLL = os.path.join(zvtest.BIN, "TestSubtitleFilter.dll")


class FilterPages(unittest.TestCase):
    def setUp(self):
        self.host = Host(self.id().split(".")[-1])

    def tearDown(self):
        self.host.cleanup()

    def test_module_freed_after_the_pages(self):
        table = [(STRETCH_AX, "stretchpage 1 loaded=0"),  # the stand-in has no pages
                 (SUBTITLE_DLL, "stretchpage 0 loaded=0"),  # no time-stretch filter in it
                 (STRETCH_AX + ".none", "stretchpage 0 loaded=0")]
        for path, expected in table:
            with self.subTest(path=path):
                lines = self.host.run("stretchpage %s" % winpath(path))
                self.assertEqual(first(lines, "stretchpage "), expected)


if __name__ == "__main__":
    zvtest.main()
