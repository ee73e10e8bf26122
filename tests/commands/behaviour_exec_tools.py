"""Keys bound to the file tools put the open list's and the open file's
names and paths on the clipboard (read back through X), a task entry
"OPEN:path" opens that folder, and the open-alone key hands the playing
file to a new instance with its place. The previous button's tooltip names
the keys of its click and right click, drawn in legible Japanese: a
screenshot compared with a reference that was looked at, and the tooltip
text from WinProbe as a second witness."""

import os
import re
import shutil
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "playback"))

import play_support as ps  # noqa: E402
from key_support import KeyPlayer, key  # noqa: E402
import screen  # noqa: E402
import zvtest  # noqa: E402
from screen import PARKED, xdotool  # noqa: E402
from zvtest import BehaviourTest, probe, winpath  # noqa: E402

REF = os.path.join(os.path.dirname(os.path.abspath(__file__)), "ref")
PREVIOUS_BUTTON = 32971
TIP_CLASS = "tooltips_class32"

# enabled, function (hex), parameter, key (hex): the file tools 1, 2, 4
# and 5 on F5 to F8, task 7 on F9, open alone in a new instance on F11,
# and the previous button's two actions moved to B and Ctrl+B.
BINDINGS = [
    "1,93,1,74",
    "1,93,2,75",
    "1,93,4,76",
    "1,93,5,77",
    "1,98,7,78",
    "1,91,5,7A",
    "1,3,0,42",
    "1,A,,242",
]


def clipboard():
    result = subprocess.run(["xclip", "-o", "-selection", "clipboard"], capture_output=True,
                            timeout=5)
    return result.stdout.decode("utf-8", "replace") if result.returncode == 0 else ""


def same_path(a, b):
    return a.rstrip("\\").lower() == b.rstrip("\\").lower()


def instance_lines():
    """The command lines of the running player processes, as Wine shows
    them to Linux."""
    out = subprocess.run(["ps", "-eo", "args"], capture_output=True, text=True).stdout
    return [line for line in out.splitlines() if "Zentavio.exe" in line]


class ExecTools(KeyPlayer, BehaviourTest):
    def start(self, target, bindings=None, extra=None):
        for tool in ("xdotool", "xclip"):
            if not shutil.which(tool):
                self.skipTest("no " + tool)
        sections = {"Main": {"Pos": "100,100,855,555", "ErrLog": "1"},
                    # The program's own key names: Wine names Page Up "Prior".
                    "Bind": {"GetKeyName": "0"}}
        if bindings:
            binds = sections["Bind"]
            binds["Count"] = str(len(bindings))
            binds.update({str(i): entry for i, entry in enumerate(bindings)})
        for section, keys in (extra or {}).items():
            sections.setdefault(section, {}).update(keys)
        ps.settings(self.box, repeat=0, keep_awake=0, extra=sections)
        self.open_playing(target)

    def check_tip(self, want, ref_name):
        """Hovers the previous button until its tooltip shows; its text and
        its picture."""
        code, text = probe("tip", "ZENTAVIO", str(PREVIOUS_BUTTON))
        self.assertEqual(code, 0, "no tooltip tool for the previous button")
        self.assertEqual(text.replace("\r", ""), want)
        x, y, w, h = screen.child_rect(self.win, PREVIOUS_BUTTON)
        xdotool("mousemove", x + w // 2 - 2, y + h // 2)
        xdotool("mousemove", x + w // 2, y + h // 2)
        code, out = probe("wait", TIP_CLASS, "8000")
        self.assertEqual(code, 0, "the tooltip never showed")
        l, t, r, b = (int(v) for v in zvtest.parse_window(out)["rect"].split(","))
        shot = screen.grab_settled(os.path.join(self.box.dir, ref_name), (l, t, r - l, b - t))
        xdotool("mousemove", *PARKED)
        screen.check_reference(self, shot, os.path.join(REF, ref_name), most=40, fuzz="8%")

    def test_previous_button_tip_names_home_and_page_up(self):
        self.start(ps.open_support.clip(30, "exectip.avi"))
        self.check_tip("前へ (Home)\n右クリックで前のチャプター (PageUp)", "tip_previous_default.png")

    def test_file_tools_task_new_instance_and_rebound_tip(self):
        folder = os.path.join(zvtest.TMP, "exec-tools-list")
        first = ps.open_support.clip(60, "execlist1.avi", folder)
        ps.open_support.clip(60, "execlist2.avi", folder)
        other = os.path.join(zvtest.TMP, "exec-tools-task")
        task_clip = ps.open_support.clip(60, "exectask1.avi", other)
        ps.open_support.clip(60, "exectask2.avi", other)
        self.start(folder, BINDINGS, {"Task": {"7": "OPEN:" + winpath(other)}})

        # The list is the folder; the media file its first clip.
        for name, want in (("F5", os.path.basename(folder)), ("F6", winpath(folder)),
                           ("F7", "execlist1.avi"), ("F8", winpath(first))):
            key(name)
            got = zvtest.wait_for(lambda: same_path(clipboard(), want) and clipboard(), 8)
            self.assertTrue(got, "%s put %r, not %r" % (name, clipboard(), want))

        # The rebound keys name themselves in the tooltip.
        self.check_tip("前へ (B)\n右クリックで前のチャプター (Ctrl+B)", "tip_previous_rebound.png")

        # The task opens the other folder.
        self.focus()
        key("F9")
        self.assertTrue(zvtest.wait_for(lambda: "exectask1" in ps.open_support.title(), 10),
                        ps.open_support.title())
        ps.wait_status(self, r"PLAYING")

        # Open alone in a new instance: a second player with the file and its place.
        key("F11")
        self.assertTrue(zvtest.wait_for(lambda: probe("count", "ZENTAVIO")[1] == "2", 15),
                        "no second instance")
        # Linux shows the new process's arguments split, the quotes taken off.
        pattern = re.compile(r'-NEW "?%s"? -POS \d+\.\d{3}' % re.escape(winpath(task_clip)),
                             re.IGNORECASE)
        lines = zvtest.wait_for(lambda: [l for l in instance_lines() if pattern.search(l)], 10)
        self.assertTrue(lines, "no new instance's command line among %r" % instance_lines())


if __name__ == "__main__":
    zvtest.main()
