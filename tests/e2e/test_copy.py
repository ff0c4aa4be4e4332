"""复制 end to end: the real program under Wine, the real clipboard, seen by a
Win32 program and by an X11 one."""
import os
import subprocess
import time
import unittest

from harness import ANSWER_BOX, BUTTON_CONVERT, BUTTON_COPY, LINK_BOX, VK_RETURN, VK_TAB
from resolver import WithResolver, http_answer


def x11_clipboard():
    return subprocess.run(["xclip", "-o", "-selection", "clipboard"], capture_output=True, timeout=20,
                          env=os.environ).stdout


class Copy(WithResolver):
    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        # Under Wine the first clipboard change of a process can be lost to the
        # X11 bridge starting up; one copy before the cases takes that.
        cls.program.set_text(ANSWER_BOX, b"warm up")
        cls.program.click(BUTTON_COPY)
        if cls.program.wait_box():
            cls.program.cmd("dismiss")
            cls.program.cmd("wait_box 0")
        cls.program.cmd("switch_back")

    def setUp(self):
        self.put_on_clipboard(b"held before")
        self.program.set_text(ANSWER_BOX, b"")

    def put_on_clipboard(self, data):
        # Wine's bridge to the X11 clipboard takes each change up a moment
        # later, and may drop a change made meanwhile: wait until it holds.
        held = 0
        for _ in range(30):
            if self.clipboard().get("text") != data.hex():
                self.program.cmd("clipboard_set " + data.hex())
                held = 0
            else:
                held += 1
                if held == 3:
                    return
            time.sleep(0.15)
        self.fail("the clipboard does not keep what is put on it")

    def copy(self):
        """Clicks 复制; the confirmation box, which it then dismisses."""
        self.program.click(BUTTON_COPY)
        self.assertTrue(self.program.wait_box(), "no confirmation")
        box = self.program.box()
        self.program.cmd("dismiss")
        self.program.cmd("wait_box 0")
        self.program.cmd("switch_back")  # Wine activates no window once the box is gone
        return box

    def clipboard(self):
        return self.program.cmd("clipboard")

    def assert_confirmed(self, box):
        self.assertEqual((box["title"], box["text"], box["icon"], box["owned"]), ("信息：", "复制成功", False, 0))

    def test_after_a_conversion_the_answer_is_on_the_clipboard(self):
        answer = "下载：https://dl.example/f.zip?sign=a1&t=2".encode("gbk")
        self.resolver.answer(b"/360?url=copy", http_answer(200, answer))
        self.program.set_text(LINK_BOX, b"copy")
        self.program.click(BUTTON_CONVERT)
        self.assertEqual(self.program.text(ANSWER_BOX), answer)
        self.assert_confirmed(self.copy())
        self.assertEqual(bytes.fromhex(self.clipboard()["text"]), answer)
        self.assertEqual(x11_clipboard().decode("utf-8"), answer.decode("gbk"))

    def test_what_the_box_holds_at_the_click_is_copied(self):
        for typed, expected in ((["answer", "edited"], b"answer edited"), (["one", VK_RETURN, "two"], b"one\r\ntwo")):
            with self.subTest(expected=expected):
                self.program.set_text(ANSWER_BOX, b"")
                for _ in range(4):
                    if self.program.focus() == ANSWER_BOX:
                        break
                    self.program.key(VK_TAB)
                for part in typed:
                    if isinstance(part, int):
                        self.program.key(part)
                    else:
                        self.program.type(part if part != "edited" else " edited")
                self.assert_confirmed(self.copy())
                self.assertEqual(bytes.fromhex(self.clipboard()["text"]), expected)
                self.assertEqual(x11_clipboard(), expected.replace(b"\r\n", b"\n"))

    def test_an_empty_box_leaves_an_empty_text_not_the_old_content(self):
        self.assert_confirmed(self.copy())
        self.assertEqual(self.clipboard(), {"text": "", "block": 1})

    def test_two_clicks_in_a_row_each_confirm(self):
        self.program.set_text(ANSWER_BOX, b"twice")
        for _ in range(2):
            self.assert_confirmed(self.copy())
            self.assertEqual(bytes.fromhex(self.clipboard()["text"]), b"twice")

    def test_while_the_box_is_shown_the_window_takes_no_input(self):
        self.program.set_text(LINK_BOX, b"blocked")
        self.program.set_text(ANSWER_BOX, b"shown")
        self.program.click(BUTTON_COPY)
        self.assertTrue(self.program.wait_box())
        self.assertEqual(self.program.box()["main_enabled"], 0)
        self.resolver.take_requests()
        self.program.click(BUTTON_CONVERT)
        self.assertEqual(self.resolver.take_requests(), [])
        self.program.cmd("dismiss")
        self.assertEqual(self.program.text(ANSWER_BOX), b"shown")



class HeldClipboard(Copy):
    """After a holder lets the clipboard go, Wine's X11 bridge may drop the next
    change; these cases therefore get a program and a clipboard of their own."""

    test_after_a_conversion_the_answer_is_on_the_clipboard = None
    test_what_the_box_holds_at_the_click_is_copied = None
    test_an_empty_box_leaves_an_empty_text_not_the_old_content = None
    test_two_clicks_in_a_row_each_confirm = None
    test_while_the_box_is_shown_the_window_takes_no_input = None

    def test_a_clipboard_held_open_elsewhere_is_left_alone_and_the_box_says_so(self):
        self.program.set_text(ANSWER_BOX, b"not copied")
        self.assertTrue(self.program.cmd("clipboard_hold")["ok"])
        try:
            box = self.copy()
        finally:
            self.program.cmd("clipboard_release")
        self.assertEqual((box["title"], box["text"], box["icon"]), ("信息：", "复制失败", True))
        self.assertEqual(bytes.fromhex(self.clipboard()["text"]), b"held before")


if __name__ == "__main__":
    unittest.main()
