"""The fatal stop, shown by the test build of the program in which a chosen
window creation or allocation fails."""
import os
import subprocess
import unittest

from harness import ANSWER_BOX, BUILD, BUTTON_CONVERT, LINK_BOX, Probe, Program

FAULTS_EXE = "vodrelik_faults.exe"
EXIT_MINUS_1 = 0xFFFFFFFF  # as Windows reports it; the Unix side of Wine sees 255


def box_text(message):
    return "运行时出错!\r\n\r\n错误信息：" + message + "\r\n"


class FatalStop(unittest.TestCase):
    def assert_fatal_box(self, program, message):
        self.assertTrue(program.wait_box(), "no error box")
        box = program.box()
        self.assertEqual(box["title"], "错误")
        self.assertEqual(box["text"], box_text(message))
        self.assertTrue(box["icon"])
        self.assertEqual(box["buttons"], 1)
        self.assertEqual(box["owned"], 0)

    def dismiss_and_expect_minus_1(self, program):
        self.assertEqual(program.cmd("wait_exit 300"), {"exited": False}, "ended before the box was dismissed")
        program.cmd("dismiss")
        self.assertEqual(program.wait_exit(10000), EXIT_MINUS_1)

    def test_a_window_or_control_that_cannot_be_created_stops_start_up(self):
        # 0 is the main window, 1 to 6 the controls in creation order.
        for index in range(7):
            with self.subTest(creation=index):
                program = Program(exe=FAULTS_EXE, env={"VODRELIK_FAIL_WINDOW": index})
                try:
                    self.assert_fatal_box(program, "载入启动窗口失败")
                    self.assertIsNone(program.cmd("window"), "the window must not be shown")
                    self.dismiss_and_expect_minus_1(program)
                finally:
                    program.close()

    def test_a_failed_allocation_stops_the_program_and_no_action_starts_any_more(self):
        # A link of 1023 bytes is read into a text value of 1024 bytes.
        with Program(exe=FAULTS_EXE, env={"VODRELIK_FAIL_ALLOCATION": 1024}) as program:
            program.set_text(LINK_BOX, b"L" * 1023)
            program.set_text(ANSWER_BOX, b"kept")
            program.cmd(f"click {BUTTON_CONVERT} -1 -1")
            self.assert_fatal_box(program, "分配 1024 字节内存失败!")
            self.assertTrue(program.box()["main_enabled"])
            program.click(BUTTON_CONVERT)  # the window stays enabled, but starts nothing
            self.assertEqual(program.text(ANSWER_BOX), b"kept")
            self.dismiss_and_expect_minus_1(program)

    def test_wine_reports_the_status_as_255(self):
        env = dict(os.environ, VODRELIK_FAIL_WINDOW="0")
        program = subprocess.Popen(["wine", str(BUILD / FAULTS_EXE)], env=env)
        probe = Probe("Default")
        try:
            self.assertTrue(probe.cmd("dismiss_titled 错误 10000")["ok"])
            self.assertEqual(program.wait(timeout=20), 255)
        finally:
            if program.poll() is None:
                program.kill()
                program.wait(timeout=10)
            probe.close()

    def test_the_shipped_program_carries_no_fault_hook(self):
        self.assertIn(b"VODRELIK_FAIL", (BUILD / FAULTS_EXE).read_bytes())
        self.assertNotIn(b"VODRELIK_FAIL", (BUILD / "vodrelik.exe").read_bytes())


if __name__ == "__main__":
    unittest.main()
