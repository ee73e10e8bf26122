"""The look of a popup menu under Wine: a menu with item icons, a check mark,
a radio mark, a submenu arrow, a separator, shortcut texts and a highlighted
item, at 100 % and 150 %, compared with reference screenshots in ref/ within
a tolerance. ZV_UPDATE_REFS=1 writes the references instead."""

import os
import subprocess
import tempfile
import time

import zvtest
from behaviour_menus import MenuTest, xdotool

HERE = os.path.dirname(os.path.abspath(__file__))
# Colour distance below which two pixels count as equal, and the share of
# pixels that may still differ (anti-aliased edges of text).
FUZZ = "12%"
MAX_DIFFERENT = 0.02


def grab(rect, margin, path):
    """A screenshot of the rectangle grown by margin on every side."""
    l, t, r, b = rect[:4]
    geometry = "%dx%d+%d+%d" % (r - l + 2 * margin, b - t + 2 * margin, l - margin, t - margin)
    subprocess.run(["import", "-window", "root", "-crop", geometry, "+repage", path], check=True)


def different_pixels(a, b):
    """Pixels of a and b farther apart than the fuzz, and the pixel count."""
    result = subprocess.run(["compare", "-metric", "AE", "-fuzz", FUZZ, a, b, "null:"],
                            capture_output=True, text=True)
    if result.returncode > 1:
        raise AssertionError("compare failed: " + result.stderr)
    size = subprocess.run(["identify", "-format", "%w %h", a], capture_output=True, text=True,
                          check=True).stdout.split()
    return float(result.stderr.split()[0]), int(size[0]) * int(size[1])


class Look(MenuTest):
    def shot(self, scale):
        xdotool("mousemove", 1000, 1000)
        h = self.host("--shot", scale)
        h.wait(r"^SELECTED")
        time.sleep(0.5)
        os.makedirs(zvtest.TMP, exist_ok=True)
        out = os.path.join(tempfile.mkdtemp(prefix="menu-look-", dir=zvtest.TMP),
                           "menu_%d.png" % scale)
        grab(h.rects()[0], 12 * scale // 100, out)
        h.keys("Escape")
        self.assertEqual(h.finish(), 0)
        return out

    def check_against_reference(self, scale):
        out = self.shot(scale)
        ref = os.path.join(HERE, "ref", "menu_%d.png" % scale)
        if os.environ.get("ZV_UPDATE_REFS"):
            os.makedirs(os.path.dirname(ref), exist_ok=True)
            subprocess.run(["cp", out, ref], check=True)
        self.assertTrue(os.path.exists(ref), "no reference image " + ref)
        diff, total = different_pixels(out, ref)
        self.assertLessEqual(diff / total, MAX_DIFFERENT,
                             "%d of %d pixels differ from %s (see %s)" % (diff, total, ref, out))

    def test_menu_at_100_percent_matches_its_reference(self):
        self.check_against_reference(100)

    def test_menu_at_150_percent_matches_its_reference(self):
        self.check_against_reference(150)


if __name__ == "__main__":
    zvtest.main()
