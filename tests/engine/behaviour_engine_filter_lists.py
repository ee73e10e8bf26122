"""Filter lists: the filters of the open graph, bounded by the caller's
room but counted in full, and the registered filters."""

import unittest

import zvtest
from engine_media import Host, all_of, fields, first, media, win


class FilterLists(unittest.TestCase):
    def setUp(self):
        self.host = Host(self.id().split(".")[-1])

    def tearDown(self):
        self.host.cleanup()

    def test_graph_filters_and_registered_filters(self):
        lines = self.host.run("graphfilters 16; open %s; graphfilters 16; graphfilters 2; close; "
                              "regfilters" % win(media("av.avi")))
        counts = [fields(l) for l in all_of(lines, "graphfilters ")]
        self.assertEqual(counts[0], {"n": "0", "filled": "0"})
        total = int(counts[1]["n"])
        self.assertGreaterEqual(total, 4)
        self.assertEqual(int(counts[1]["filled"]), total)
        self.assertEqual(counts[2], {"n": str(total), "filled": "2"})
        names = [l.split(" ", 1)[1].rsplit(" ", 1)[0] for l in all_of(lines, "gfilter ")]
        self.assertIn("NotifyFilter", names[:total])
        self.assertIn("SourceFilter", names[:total])
        registered = fields(first(lines, "regfilters "))
        self.assertGreater(int(registered["n"]), 0)
        self.assertEqual(registered["filled"], registered["n"])
        # Under Wine a few registered filters carry no CLSID value.
        self.assertGreater(int(registered["braced"]), 0)


if __name__ == "__main__":
    zvtest.main()
