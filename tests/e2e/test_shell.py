"""The window, its controls and its keyboard rules, seen from outside the real
program under Wine."""
import subprocess
import unittest

from harness import (ANSWER_BOX, BUILD, BUTTON_CONVERT, BUTTON_COPY, LABEL_ANSWER, LABEL_LINK, LINK_BOX, VK_END,
                     VK_ESCAPE, VK_F1, VK_F4, VK_RETURN, VK_SPACE, VK_TAB, Program)

WS_CHILD, WS_VISIBLE, WS_CLIPSIBLINGS, WS_CLIPCHILDREN = 0x40000000, 0x10000000, 0x04000000, 0x02000000
WS_CAPTION, WS_SYSMENU, WS_THICKFRAME = 0x00C00000, 0x00080000, 0x00040000
WS_MINIMIZEBOX, WS_MAXIMIZEBOX, WS_TABSTOP, WS_VSCROLL, WS_HSCROLL = 0x20000, 0x10000, 0x10000, 0x200000, 0x100000
WS_EX_APPWINDOW, WS_EX_TOPMOST, WS_EX_CLIENTEDGE = 0x40000, 0x8, 0x200
ES_MULTILINE, ES_AUTOVSCROLL, ES_AUTOHSCROLL, ES_NOHIDESEL, ES_WANTRETURN = 0x4, 0x40, 0x80, 0x100, 0x1000
BS_CENTER, BS_VCENTER, BS_MULTILINE = 0x300, 0xC00, 0x2000
CHILD = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS
BUTTON = CHILD | WS_TABSTOP | BS_CENTER | BS_VCENTER | BS_MULTILINE
SC_CLOSE = 0xF060

# In stacking order, topmost first: class, identity, (left, top, right, bottom), caption, style, extended style.
CONTROLS = [
    ("Button", BUTTON_COPY, (240, 184, 280, 208), "复制", BUTTON, 0),
    ("Vodrelik.Label", LABEL_ANSWER, (9, 90, 73, 109), "下载链接：", CHILD, 0),
    ("Vodrelik.Label", LABEL_LINK, (9, 4, 113, 20), "原链接：", CHILD, 0),
    ("Edit", ANSWER_BOX, (9, 116, 281, 180), "", CHILD | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN,
     WS_EX_CLIENTEDGE),
    ("Button", BUTTON_CONVERT, (105, 68, 185, 100), "转换", BUTTON, 0),
    ("Edit", LINK_BOX, (9, 28, 281, 52), "", CHILD | WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE),
]

TAB_ORDER = [LINK_BOX, BUTTON_CONVERT, ANSWER_BOX, BUTTON_COPY]


class Placement(unittest.TestCase):
    SCREENS = [("d1920", (812, 420)), ("d1366", (535, 264)), ("d1024", (364, 264))]

    def test_window_is_centred_with_its_fixed_size_and_frame(self):
        for desktop, (x, y) in self.SCREENS:
            with self.subTest(desktop=desktop), Program(desktop) as program:
                window = program.cmd("window")
                self.assertEqual(window["title"], "Vodrelik")
                self.assertEqual(window["rect"], [x, y, x + 296, y + 240])
                style, exstyle = window["style"], window["exstyle"]
                self.assertEqual(style & (WS_CAPTION | WS_SYSMENU | WS_VISIBLE), WS_CAPTION | WS_SYSMENU | WS_VISIBLE)
                self.assertEqual(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0)
                self.assertTrue(exstyle & WS_EX_APPWINDOW)
                self.assertFalse(exstyle & WS_EX_TOPMOST)
                left, top, right, bottom = window["client"]
                self.assertGreaterEqual((right - left, bottom - top), (281, 208), "controls must fit the client area")


class Controls(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.program = Program("d1024", args="--ignored argument")
        cls.program.__enter__()
        cls.controls = cls.program.cmd("controls")

    @classmethod
    def tearDownClass(cls):
        cls.program.close()

    def test_six_controls_in_stacking_order_with_their_settings(self):
        self.assertEqual([c["id"] for c in self.controls], [c[1] for c in CONTROLS])
        for seen, (class_name, identity, rect, caption, style, exstyle) in zip(self.controls, CONTROLS):
            with self.subTest(control=hex(identity)):
                self.assertEqual(seen["class"], class_name)
                self.assertEqual(tuple(seen["rect"]), rect)
                self.assertEqual(bytes.fromhex(seen["text"]), caption.encode("gbk"))
                self.assertEqual(seen["style"], style, hex(seen["style"]))
                self.assertEqual(seen["exstyle"], exstyle, hex(seen["exstyle"]))
                self.assertTrue(seen["enabled"])

    def test_edit_boxes_are_ansi_windows_and_start_empty_with_the_caret_at_the_start(self):
        for box in (LINK_BOX, ANSWER_BOX):
            with self.subTest(box=hex(box)):
                seen = next(c for c in self.controls if c["id"] == box)
                self.assertEqual(seen["unicode"], 0, "bytes must reach the box unconverted")
                self.assertEqual(self.program.text(box), b"")
                self.assertEqual(self.program.cmd(f"caret {box}"), {"start": 0, "end": 0})


class Keyboard(unittest.TestCase):
    """One program for all cases; each case starts from the focus it sets."""

    @classmethod
    def setUpClass(cls):
        cls.program = Program("d1024")
        cls.program.__enter__()
        cls.start_focus = cls.program.focus()

    @classmethod
    def tearDownClass(cls):
        cls.program.close()

    def setUp(self):
        self.program.set_text(LINK_BOX, b"")
        self.program.set_text(ANSWER_BOX, b"")
        self.focus_on(LINK_BOX)

    def focus_on(self, control):
        for _ in range(len(TAB_ORDER)):
            if self.program.focus() == control:
                return
            self.program.key(VK_TAB)
        self.fail(f"Tab never reached {control:#x}")

    def test_focus_starts_in_the_link_box(self):
        self.assertEqual(self.start_focus, LINK_BOX)

    def test_tab_and_shift_tab_cycle_through_the_tab_order(self):
        for modifiers, order in (((), TAB_ORDER[1:] + TAB_ORDER[:1]), (("shift",), TAB_ORDER[::-1])):
            with self.subTest(modifiers=modifiers):
                seen = []
                for _ in TAB_ORDER:
                    self.program.key(VK_TAB, *modifiers)
                    seen.append(self.program.focus())
                self.assertEqual(seen, order)

    def test_tab_in_the_answer_box_moves_on_and_inserts_nothing(self):
        self.focus_on(ANSWER_BOX)
        self.program.type("ab")
        self.program.key(VK_TAB)
        self.assertEqual(self.program.focus(), BUTTON_COPY)
        self.assertEqual(self.program.text(ANSWER_BOX), b"ab")

    def test_enter_breaks_the_line_only_in_the_answer_box(self):
        self.focus_on(ANSWER_BOX)
        self.program.type("ab")
        self.program.key(VK_RETURN)
        self.program.type("c")
        self.assertEqual(self.program.text(ANSWER_BOX), b"ab\r\nc")
        self.assertEqual(self.program.focus(), ANSWER_BOX)
        self.focus_on(LINK_BOX)
        self.program.type("xy")
        self.program.key(VK_RETURN)
        self.assertEqual(self.program.text(LINK_BOX), b"xy")
        self.assertEqual(self.program.focus(), LINK_BOX)

    def test_keys_without_a_rule_change_nothing(self):
        for vk, modifiers in ((VK_RETURN, ()), (VK_F1, ()), (ord("A"), ("alt",)), (ord("1"), ("alt",))):
            with self.subTest(vk=vk, modifiers=modifiers):
                self.focus_on(BUTTON_CONVERT)
                self.program.key(vk, *modifiers)
                self.assertEqual(self.program.focus(), BUTTON_CONVERT)
                self.assertIsNone(self.program.box())
                self.assertEqual(self.program.cmd("wait_exit 0"), {"exited": False})

    def test_focus_returns_to_its_control_after_switching_away_and_back(self):
        for control in (BUTTON_CONVERT, LINK_BOX):
            with self.subTest(control=hex(control)):
                self.focus_on(control)
                self.assertTrue(self.program.cmd("switch_away")["ok"])
                self.assertTrue(self.program.cmd("switch_back")["ok"])
                self.assertEqual(self.program.focus(), control)

    def test_a_click_on_a_label_does_nothing(self):
        for label in (LABEL_LINK, LABEL_ANSWER):
            with self.subTest(label=hex(label)):
                self.focus_on(BUTTON_COPY)
                self.program.click(label)
                self.assertEqual(self.program.focus(), BUTTON_COPY)
                self.assertIsNone(self.program.box())

    def test_the_strips_above_and_below_the_text_band_take_no_caret(self):
        self.program.type("abcdef")
        for dy, moves in ((2, False), (21, False), (12, True)):
            with self.subTest(dy=dy):
                self.program.key(VK_END)
                self.program.click(LINK_BOX, 6, dy)
                caret = self.program.cmd(f"caret {LINK_BOX}")["start"]
                self.assertEqual(caret == 0, moves, caret)


class Closing(unittest.TestCase):
    WAYS = [
        ("Esc in the link box", lambda p: p.key(VK_ESCAPE)),
        ("Esc in the answer box", lambda p: (p.key(VK_TAB), p.key(VK_TAB), p.key(VK_ESCAPE))),
        ("Esc on a button", lambda p: (p.key(VK_TAB), p.key(VK_ESCAPE))),
        ("Alt+F4", lambda p: p.key(VK_F4, "alt")),
        ("close button", lambda p: p.cmd("click_close")),
        ("system menu Close", lambda p: p.cmd(f"syscommand {SC_CLOSE}")),
    ]

    def test_every_way_of_closing_ends_with_status_0(self):
        for name, close in self.WAYS:
            with self.subTest(way=name), Program("d1024") as program:
                close(program)
                self.assertEqual(program.wait_exit(10000), 0)

    def test_space_on_a_focused_button_clicks_it_without_closing(self):
        with Program("d1024") as program:
            program.key(VK_TAB)
            program.key(VK_SPACE)
            self.assertEqual(program.focus(), BUTTON_CONVERT)
            self.assertEqual(program.cmd("wait_exit 0"), {"exited": False})

    def test_two_copies_run_independently(self):
        with Program("d1024") as first, Program("d1024") as second:
            self.assertTrue(first.cmd("switch_back")["ok"])
            first.key(VK_ESCAPE)
            self.assertEqual(first.wait_exit(10000), 0)
            self.assertEqual(second.cmd("wait_exit 500"), {"exited": False})
            self.assertEqual(second.cmd("window")["title"], "Vodrelik")


class Screenshot(unittest.TestCase):
    def test_screenshot_of_the_window(self):
        target = BUILD / "screenshot.png"
        with Program("shot") as program:
            program.set_text(LINK_BOX, "https://pan.example.com/s/1a2B3c".encode("gbk"))
            tree = subprocess.run(["xwininfo", "-root", "-tree"], capture_output=True, text=True, timeout=20).stdout
            line = next(l for l in tree.splitlines() if '"shot - Wine desktop"' in l)
            subprocess.run(["import", "-window", line.split()[0], str(target)], check=True, timeout=30)
        self.assertGreater(target.stat().st_size, 2000)


if __name__ == "__main__":
    unittest.main()
