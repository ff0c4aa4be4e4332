"""A scripted resolver service on loopback: records every raw request and
answers each with the bytes its case gives, keyed by the request target,
then closes the connection."""
import socket
import threading
import unittest

from harness import Program

HOST, PORT = "127.0.0.1", 8360  # the address the test build is pointed at


def http_answer(status, body, headers=None, content_length=True):
    reason = {200: "OK", 301: "Moved Permanently", 302: "Found", 303: "See Other", 307: "Temporary Redirect",
              308: "Permanent Redirect", 404: "Not Found", 500: "Internal Server Error"}[status]
    lines = [f"HTTP/1.0 {status} {reason}"] + [f"{k}: {v}" for k, v in (headers or {}).items()]
    if content_length:
        lines.append(f"Content-Length: {len(body)}")
    return ("\r\n".join(lines) + "\r\n\r\n").encode("latin-1") + body


class Resolver:
    def __init__(self):
        self.requests = []
        self.answers = {}
        self.lock = threading.Lock()
        self.listener = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
        self.listener.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
        self.listener.bind((HOST, PORT))
        self.listener.listen(16)
        self.listener.settimeout(0.2)
        self.running = True
        self.thread = threading.Thread(target=self._serve, daemon=True)
        self.thread.start()

    def answer(self, target, data):
        self.answers[target.encode("latin-1") if isinstance(target, str) else target] = data

    def take_requests(self):
        with self.lock:
            taken, self.requests = self.requests, []
        return taken

    def _serve(self):
        while self.running:
            try:
                connection, _ = self.listener.accept()
            except socket.timeout:
                continue
            except OSError:
                return
            with connection:
                self._handle(connection)

    def _handle(self, connection):
        connection.settimeout(10)
        raw = b""
        try:
            while b"\r\n\r\n" not in raw and len(raw) < 1 << 20:
                chunk = connection.recv(65536)
                if not chunk:
                    break
                raw += chunk
        except socket.timeout:
            pass
        with self.lock:
            self.requests.append(raw)
        target = raw.split(b" ")[1] if raw.count(b" ") >= 2 else b""
        try:
            connection.sendall(self.answers.get(target, http_answer(404, b"no such case")))
        except OSError:
            pass

    def close(self):
        self.running = False
        self.thread.join(timeout=5)
        self.listener.close()


class WithResolver(unittest.TestCase):
    """One program and one scripted resolver for all cases of a class."""

    @classmethod
    def setUpClass(cls):
        cls.resolver = Resolver()
        cls.program = Program("d1024")
        cls.program.__enter__()

    @classmethod
    def tearDownClass(cls):
        cls.program.close()
        cls.resolver.close()
