"""The main window's popup menus under real input: a right click on the
video opens the main menu at the pointer, the Apps key and Shift+F10
open it when
unbound, keys walk into submenus built when reached, and the menu function
opens a menu by name at the video's lower left corner and closes it again.
With [Main] "Test" on every built popup is logged whole; the menus are
compared from those lines."""

import os
import re
import shutil
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "playback"))

import play_support as ps  # noqa: E402
import screen  # noqa: E402
import zvtest  # noqa: E402
from key_support import VIDEO_WINDOW, KeyPlayer, key  # noqa: E402
from screen import PARKED, xdotool  # noqa: E402
from zvtest import BehaviourTest, parse_window, probe, winpath  # noqa: E402

POPUP_CLASS = "ZvControl"
# Space plays and pauses; F5 opens the playlist menu by name, F6 a name that
# is no menu, F7 the audio menu, F8 the file tools; F9 switches full screen.
BINDINGS = ["1,1,-1,20", "1,50,PLAYLIST,74", "1,50,xyz,75", "1,50,AUDIO,76", "1,50,TOOL,77",
            "1,28,-1,78"]

MAIN_MENU = [2306, 2307, 255, 2340, 2326, 2330, 255, 2318, 2335, 2336, 2338, 255, 2314, 2317,
             255, 2312, 2310, 2311, 255, 2305, 4097, 4256, 255, 4106, 4107, 4108, 4105, 255, 250,
             255, 2403]
REF = os.path.join(os.path.dirname(os.path.abspath(__file__)), "ref")
# The popup's frame and shadow lie outside this inset; what is inside is
# the menu's own drawing, whatever frame of the video is behind.
INSET = 9
# A single file: no caption; the anchor, its one track, then the check-box
# switch.
PLAYLIST_MENU = [(2052, ""), (35769, "1, open30.avi\t0:30"), (255, ""),
                 (4346, "チェックボックス表示 (選択再生)")]


TIP_CLASS = "tooltips_class32"
# The help text of the volume-per-device switch in the audio menu.
TIP_ITEM = 4227
TIP_TEXT = ("音声出力デバイスを切り替えた後の音量の調整量を記録して、\n"
            "次から切り替え時に自動で音量を調整します。\n"
            "手動で調整するにはデバイスのメニューアイテムの右クリックメニューの「音量調整」で出来ます。")
MAIN_STATUS = "32873"
FULL_SCREEN_CLASS = "ZENTAVIO_FULLSCREEN"


def menu_tip():
    """The popup's tooltip tool: (screen rect, text), or None."""
    code, out = probe("menutip", POPUP_CLASS)
    if code != 0 or not out.startswith("rect="):
        return None
    head, _, text = out.partition("\n")
    return tuple(int(v) for v in head[5:].split(",")), text.replace("\r", "")


def split_items(body):
    """The items of a trace line's body: (id, disabled, checked, text)."""
    items, field, i = [], "", 0
    while i < len(body):
        c = body[i]
        if c == "\\" and i + 1 < len(body):
            field += {"t": "\t", "n": "\n"}.get(body[i + 1], body[i + 1])
            i += 2
            continue
        if body.startswith(" | ", i):
            items.append(field)
            field = ""
            i += 3
            continue
        field += c
        i += 1
    if field:
        items.append(field)
    out = []
    for item in items:
        ident, disabled, checked, text = item.split(",", 3)
        out.append((int(ident), int(disabled), int(checked), text))
    return out


def built_menus(log):
    """Every popup the log shows built, in order: (menu id, items)."""
    menus = []
    for line in log.splitlines():
        first = re.search(r"MENU : Id=(\d+) N=(\d+) : (.*)$", line)
        more = re.search(r"MENU \+ Id=(\d+) : (.*)$", line)
        if first:
            menus.append((int(first.group(1)), int(first.group(2)), split_items(first.group(3))))
        elif more and menus and menus[-1][0] == int(more.group(1)):
            menus[-1][2].extend(split_items(more.group(2)))
    for menu_id, count, items in menus:
        assert len(items) == count, "menu %d: %d items of %d" % (menu_id, len(items), count)
    return [(menu_id, items) for menu_id, _, items in menus]


class MenuWatch:
    """Reads the built popups from the test-mode log and the shown popup's
    rectangle; for test cases that keep their player in self.box."""

    def menus(self):
        return built_menus(ps.open_support.log_text(self.box))

    def wait_menu(self, menu_id, after):
        """The items of the first popup of menu_id built after the first
        `after` popups."""
        found = []

        def built():
            found[:] = [m for m in self.menus()[after:] if m[0] == menu_id]
            return found

        self.assertTrue(zvtest.wait_for(built, 8), "menu %d not built: %r"
                        % (menu_id, [m[0] for m in self.menus()]))
        return found[0][1]

    def popup(self):
        """The shown popup's screen rectangle (left, top, right, bottom)."""
        rects = []

        def settled():
            code, out = probe("wait", POPUP_CLASS, "5000")
            if code != 0:
                return False
            rects.append(tuple(int(v) for v in parse_window(out)["rect"].split(",")))
            return len(rects) > 1 and rects[-1] == rects[-2] and rects[-1][2] - rects[-1][0] > 40
        self.assertTrue(zvtest.wait_for(settled, 8), "no popup shown: %r" % rects[-3:])
        return rects[-1]


class Menus(MenuWatch, KeyPlayer, BehaviourTest):
    def start(self, target, tip=None):
        if not shutil.which("xdotool"):
            self.skipTest("no xdotool")
        binds = {"Count": str(len(BINDINGS))}
        binds.update({str(i): entry for i, entry in enumerate(BINDINGS)})
        extra = {"Main": {"Pos": "100,380,855,555", "ErrLog": "1"}, "Bind": binds,
                 # No on-screen texts over the video behind the menus.
                 "Osc": {"Mode": "0"}}
        if tip is not None:
            extra["Common"] = {"Tip": str(tip)}
        ps.settings(self.box, repeat=0, keep_awake=0, extra=extra)
        self.open_playing(target)

    def video(self):
        rect = screen.child_rect(self.win, VIDEO_WINDOW)
        self.assertIsNotNone(rect, "no video window")
        return rect

    def assert_corner(self, rect, point):
        """The popup's bottom-left corner lies at the point; its window
        reaches past the corner by the shadow's width, alike on both axes."""
        shadow = point[0] - rect[0]
        self.assertTrue(0 <= shadow <= 8 and rect[3] - point[1] == shadow,
                        "popup %r, corner %r" % (rect, point))

    def closed(self):
        def none_shown():
            code, out = probe("visible", POPUP_CLASS)
            return code == 0 and out.strip() == "0"
        return zvtest.wait_for(none_shown, 5)

    def test_main_menu_by_pointer_and_keys_and_by_name(self):
        self.start(ps.open_support.clip(30))
        # A still picture behind the menu's shadow.
        key("space")
        ps.wait_status(self, r"PAUSED")
        left, top, width, height = self.video()

        # A right click: the main menu, its bottom left just right of and
        # above the pointer.
        count = len(self.menus())
        at = (left + width // 3, top + height - 20)
        xdotool("mousemove", *at, "click", 3)
        items = self.wait_menu(240, count)
        self.assertEqual([i[0] for i in items], MAIN_MENU)
        names = {i[0]: i[3] for i in items}
        self.assertEqual(names[2306], "ファイル")
        self.assertEqual(names[250].split("\t")[0], "バージョン情報 ...")
        rect = self.popup()
        self.assert_corner(rect, (at[0] + 2, at[1] - 2))
        # Seen on the screen: the labels legible, icons, key texts and the
        # submenu arrows where they belong.
        shot = os.path.join(self.box.dir, "main_menu.png")
        inner = (rect[0] + INSET, rect[1] + INSET, rect[2] - rect[0] - 2 * INSET,
                 rect[3] - rect[1] - 2 * INSET)
        screen.wait_reference(self, lambda: screen.grab_settled(shot, inner),
                              os.path.join(REF, "main_menu.png"), most=40)
        xdotool("mousemove", *PARKED)

        # Keys: the first item's submenu is built when the selection opens it.
        count = len(self.menus())
        key("Down", "Right")
        file_menu = [i[0] for i in self.wait_menu(2306, count)]
        self.assertEqual(file_menu[:3], [4138, 255, 4128])
        self.assertEqual(file_menu[-1], 4127)
        key("Escape", "Escape")
        self.assertTrue(self.closed(), "the menu stayed")

        # The Apps key and Shift+F10, unbound: the main menu by name, at the
        # video's lower left corner.
        corner = (left + 4, top + height - 4)
        for menu_key in ("Menu", "shift+F10"):
            count = len(self.menus())
            key(menu_key)
            self.assertEqual([i[0] for i in self.wait_menu(240, count)], MAIN_MENU)
            ps.wait_status(self, r"MENU : MAIN")
            rect = self.popup()
            self.assert_corner(rect, corner)
            key("Escape")
            self.assertTrue(self.closed(), "the menu stayed after " + menu_key)

        # The menu function by name: opened at the corner, closed by a
        # second call; an unknown name is refused.
        count = len(self.menus())
        key("F5")
        self.assertEqual([(i[0], i[3]) for i in self.wait_menu(2318, count)], PLAYLIST_MENU)
        ps.wait_status(self, r"MENU : PLAYLIST")
        rect = self.popup()
        self.assert_corner(rect, corner)
        key("F5")
        self.assertTrue(self.closed(), "a second call left the menu open")
        key("F6")
        ps.wait_status(self, r"ERR NAME / MENU : XYZ")
        self.assertTrue(self.closed())

    def test_file_menus_of_a_single_file(self):
        clip = shutil.copy(ps.open_support.clip(30), os.path.join(self.box.dir, "single.avi"))
        self.start(clip)
        left, top, width, height = self.video()
        count = len(self.menus())
        xdotool("mousemove", left + width // 3, top + height - 20, "click", 3)
        xdotool("mousemove", *PARKED)
        self.wait_menu(240, count)

        # A single file: its own resume switch (never chosen here), none of
        # the list's.
        count = len(self.menus())
        key("Down", "Right")
        file_menu = self.wait_menu(2306, count)
        ids = [i[0] for i in file_menu]
        for resume in (4139, 4140, 4141, 4143):
            self.assertNotIn(resume, ids)
        self.assertIn(4145, ids)
        self.assertEqual(ids[ids.index(4145) + 1:ids.index(4145) + 3], [255, 4132])
        self.assertEqual({i[0]: i[1] for i in file_menu}[4145], 1)

        # Its file tools name the file as the open item; the media file's
        # own items would repeat it.
        count = len(self.menus())
        key("Escape", "Down", "Right")
        tools = self.wait_menu(2307, count)
        self.assertEqual([i[0] for i in tools], [4156, 4165, 4163, 4157, 4158, 4159])
        self.assertEqual({i[0]: i[3] for i in tools}[4163].lower(), winpath(clip).lower())
        key("Escape", "Escape")
        self.assertTrue(self.closed())

    def title_has(self, text):
        def has():
            code, out = probe("wait", "ZENTAVIO", "2000")
            return code == 0 and text in zvtest.parse_window(out)["title"]
        return zvtest.wait_for(has, 10)

    def window_rect(self, cls="ZENTAVIO"):
        code, out = probe("wait", cls, "8000")
        self.assertEqual(code, 0, "no %s window" % cls)
        return tuple(int(v) for v in zvtest.parse_window(out)["rect"].split(","))

    def select_tip_item(self):
        """Opens the audio menu and walks down to the tooltip item; the
        popup's and the item's rectangles."""
        count = len(self.menus())
        key("F7")
        self.assertIn(TIP_ITEM, [i[0] for i in self.wait_menu(2329, count)])
        popup = self.popup()
        for _ in range(20):
            key("Down")
            tip = zvtest.wait_for(menu_tip, 1)
            if tip and tip[1] == TIP_TEXT:
                return popup, tip[0]
        self.fail("the keys never reached item %d: %r" % (TIP_ITEM, menu_tip()))

    def test_playlist_menu_tooltip_bars_and_full_screen(self):
        folder = os.path.join(self.box.dir, "lists")
        for n in (1, 2, 3):
            ps.open_support.clip(30, "t%d.avi" % n, folder)
        self.start(folder)

        # The second track plays, in check mode with the first one left
        # out; the menu opens on the playing track, drawn with check boxes.
        probe("menucmd", "ZENTAVIO", "35770", "2318")
        self.assertTrue(self.title_has("t2"), "the second track did not open")
        ps.wait_status(self, r"PLAYING")
        probe("menucmd", "ZENTAVIO", "4346")
        probe("menucmd", "ZENTAVIO", "35769", "2318", "1")
        key("space")
        ps.wait_status(self, r"PAUSED")
        count = len(self.menus())
        key("F5")
        items = self.wait_menu(2318, count)
        tracks = [(i[0], i[2]) for i in items if 35769 <= i[0] < 35772]
        self.assertEqual(tracks, [(35769, 0), (35770, 1), (35771, 1)])
        rect = self.popup()
        inner = (rect[0] + INSET, rect[1] + INSET, rect[2] - rect[0] - 2 * INSET,
                 rect[3] - rect[1] - 2 * INSET)
        shot = os.path.join(self.box.dir, "playlist_check_mode.png")
        screen.wait_reference(self, lambda: screen.grab_settled(shot, inner),
                              os.path.join(REF, "playlist_check_mode.png"), most=40)
        # One step down from the playing track is the third one.
        key("Down", "Return")
        self.assertTrue(self.closed())
        self.assertTrue(self.title_has("t3"), "Down from the playing track did not reach t3")

        # A command item's help text shows when the pointer rests on it.
        popup, item = self.select_tip_item()
        self.tip_offset = (item[0] - popup[0], item[1] - popup[1], item[2] - popup[0],
                           item[3] - popup[1])
        mid = ((item[0] + item[2]) // 2, (item[1] + item[3]) // 2)
        xdotool("mousemove", mid[0] - 3, mid[1], "mousemove", *mid)
        code, out = probe("wait", TIP_CLASS, "8000")
        self.assertEqual(code, 0, "the tooltip never showed")
        code, text = probe("wintext", TIP_CLASS)
        self.assertEqual((code, text.replace("\r", "")), (0, TIP_TEXT))
        l, t, r, b = (int(v) for v in zvtest.parse_window(out)["rect"].split(","))
        shot = screen.grab_settled(os.path.join(self.box.dir, "tip_volume_record.png"),
                                   (l, t, r - l, b - t))
        screen.check_reference(self, shot, os.path.join(REF, "tip_volume_record.png"), most=40,
                               fuzz="8%")
        xdotool("mousemove", *PARKED)
        key("Escape")
        self.assertTrue(self.closed())

        # The status bar goes and the window shrinks by its height; the
        # video keeps its size.
        bar = screen.child_rect(self.win, MAIN_STATUS)
        self.assertIsNotNone(bar, "no status bar")
        video, window = self.video(), self.window_rect()
        probe("menucmd", "ZENTAVIO", "4103")
        self.assertTrue(zvtest.wait_for(lambda: self.window_rect()[3] - self.window_rect()[1]
                                        == window[3] - window[1] - bar[3], 8),
                        "window %r, before %r, bar %r" % (self.window_rect(), window, bar))
        self.win = self.box.wait_window()
        self.assertEqual(self.video()[2:], video[2:])

        # Full screen: the menu by name stays inside the full-screen area
        # above the control strip, 4 px in, opening at its lower left.
        key("F9")
        full = self.window_rect(FULL_SCREEN_CLASS)
        strips = []
        for line in zvtest.run_to_file(os.path.join(zvtest.BIN, "ScreenProbe.exe"),
                                       "overlays")[1].splitlines():
            r = tuple(int(v) for v in line.split("rect=")[1].split(","))
            if r[0] == full[0] and r[2] == full[2] and r[3] == full[3]:
                strips.append(r)
        self.assertTrue(strips, "no strip at the bottom of the full screen")
        limit = (full[0] + 4, full[1] + 4, full[2] - 4, min(s[1] for s in strips) - 4)
        count = len(self.menus())
        key("F5")
        self.wait_menu(2318, count)
        rect = self.popup()
        self.assert_corner(rect, (limit[0], limit[3]))
        shadow = limit[0] - rect[0]
        self.assertTrue(rect[1] + shadow >= limit[1] and rect[2] - shadow <= limit[2],
                        "popup %r outside %r" % (rect, limit))
        key("F5")
        self.assertTrue(self.closed())
        key("F9")
        self.box.close(self.proc)

        # The history playlist open: its file tools leave the list's own
        # items out. With the command bit of "Tip" off the help text stays
        # away.
        lines = ["[ZENTAVIO_PLAYLIST]", "FMT=100", "COUNT=2"]
        for n in (1, 2):
            lines += ["[TRACK_%d]" % n, "PATH=" + winpath(os.path.join(folder, "t%d.avi" % n))]
        with open(os.path.join(self.box.dir, "Default.zvpl"), "wb") as f:
            f.write(b"\xff\xfe" + ("\r\n".join(lines) + "\r\n").encode("utf-16-le"))
        self.start(os.path.join(self.box.dir, "Default.zvpl"), tip=13)
        count = len(self.menus())
        key("F8")
        self.assertEqual([i[0] for i in self.wait_menu(2307, count)],
                         [4156, 4165, 4164, 4160, 4161, 4162])
        key("Escape")
        self.assertTrue(self.closed())
        count = len(self.menus())
        key("F7")
        self.wait_menu(2329, count)
        popup = self.popup()
        o = self.tip_offset
        mid = (popup[0] + (o[0] + o[2]) // 2, popup[1] + (o[1] + o[3]) // 2)
        xdotool("mousemove", mid[0] - 3, mid[1], "mousemove", *mid)
        self.assertEqual(probe("wait", TIP_CLASS, "2000")[0], 1, "a tooltip showed")
        self.assertIsNone(menu_tip())
        xdotool("mousemove", *PARKED)
        key("Escape")
        self.assertTrue(self.closed())


if __name__ == "__main__":
    zvtest.main()
