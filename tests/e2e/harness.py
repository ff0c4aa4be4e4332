"""Drives the real program under Wine: the probe (a Win32 helper on the same
desktop) starts it, reads its windows and sends it real input."""
import json
import os
import queue
import subprocess
import threading
from pathlib import Path

BUILD = Path(os.environ.get("VODRELIK_BUILD", Path(__file__).resolve().parents[2] / "build" / "windows-test"))

# Identities of the controls.
BUTTON_COPY, LABEL_ANSWER, LABEL_LINK = 0x1601000A, 0x16010009, 0x16010008
ANSWER_BOX, BUTTON_CONVERT, LINK_BOX = 0x16010007, 0x16010003, 0x16010002

VK_TAB, VK_RETURN, VK_ESCAPE, VK_SPACE, VK_F1, VK_F4, VK_END = 0x09, 0x0D, 0x1B, 0x20, 0x70, 0x73, 0x23


def windows_path(path):
    return "Z:" + str(path).replace("/", "\\")


class Probe:
    def __init__(self, desktop):
        self.process = subprocess.Popen(
            ["wine", str(BUILD / "probe.exe")],
            stdin=subprocess.PIPE, stdout=subprocess.PIPE, stderr=None if os.environ.get("PROBE_STDERR") else subprocess.DEVNULL)
        self.lines = queue.Queue()
        threading.Thread(target=self._read, daemon=True).start()
        assert self.cmd(f"desktop {desktop}")["ok"], "probe could not enter the desktop"

    def _read(self):
        for line in self.process.stdout:
            self.lines.put(line)
        self.lines.put(None)

    def cmd(self, line, timeout=60):
        self.process.stdin.write(line.encode() + b"\n")
        self.process.stdin.flush()
        answer = self.lines.get(timeout=timeout)
        if answer is None:
            raise RuntimeError(f"probe ended during {line!r}")
        return json.loads(answer)

    def close(self):
        try:
            self.process.stdin.write(b"quit\n")
            self.process.stdin.close()
            self.process.wait(timeout=10)
        except (OSError, subprocess.TimeoutExpired):
            self.process.kill()
            self.process.wait(timeout=10)
        self.process.stdout.close()


class Program:
    """One run of the program on a named desktop (its size is in desktops.reg)."""

    def __init__(self, desktop="d1024", exe="vodrelik.exe", args="", env=None):
        self.probe = Probe(desktop)
        self.exited = None
        for name, value in (env or {}).items():
            self.probe.cmd(f"setenv {name} {value}")
        started = self.probe.cmd(f"launch {desktop} {windows_path(BUILD / exe)} {args}".rstrip())
        assert started["ok"], "the program did not start"

    def wait_window(self, ms=20000):
        return self.probe.cmd(f"wait_window {ms}")["ok"]

    def __enter__(self):
        assert self.wait_window(), "the main window did not appear"
        return self

    def __exit__(self, *_):
        self.close()

    def cmd(self, line):
        return self.probe.cmd(line)

    def key(self, vk, *modifiers):
        self.cmd(" ".join(["key", str(vk), *modifiers]))

    def type(self, text):
        self.cmd("type " + text.encode("utf-8").hex())

    def focus(self):
        return self.cmd("focus")["focus_id"]

    def text(self, box):
        return bytes.fromhex(self.cmd(f"text {box}")["text"])

    def set_text(self, box, data):
        self.cmd(f"settext {box} {data.hex()}")

    def click(self, control, dx=-1, dy=-1):
        self.cmd(f"click {control} {dx} {dy}")

    def box(self):
        return self.cmd("box")["box"]

    def wait_box(self, ms=10000):
        return self.cmd(f"wait_box {ms}")["ok"]

    def wait_exit(self, ms=10000):
        answer = self.cmd(f"wait_exit {ms}")
        if answer["exited"]:
            self.exited = answer["status"]
        return self.exited

    def close(self):
        if self.exited is None and self.wait_exit(0) is None:
            self.cmd("kill")
            self.wait_exit(5000)
        self.probe.close()
