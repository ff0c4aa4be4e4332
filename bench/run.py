#!/usr/bin/env python3
"""Page fetch against curl, in one run, on loopback: answers of 1 KB, 1 MB and
16 MB. Prints the median transfer time of each, the ratio ours/curl, and
peak resident memory above each program's own 1 KB run.
Run inside scripts/wine-session.sh (see the README)."""
import http.server
import json
import os
import statistics
import subprocess
import sys
import threading
from pathlib import Path

BUILD = Path(os.environ.get("VODRELIK_BUILD", Path(__file__).resolve().parents[1] / "build" / "windows-test"))
SIZES = {"1k": 1024, "1m": 1 << 20, "16m": 16 << 20}
RUNS = 5
BODIES = {f"/{name}": bytes(i * 31 % 251 + 1 for i in range(256)) * (size // 256) for name, size in SIZES.items()}


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.0"

    def do_GET(self):
        body = BODIES.get(self.path, b"")
        self.send_response(200 if body else 404)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def log_message(self, *_):
        pass


def peak_rss(command):
    """Runs the command; its output and its peak resident memory in bytes."""
    done = subprocess.run(["/usr/bin/time", "-f", "%M", *command], capture_output=True, timeout=300, check=True)
    return done.stdout.decode(), int(done.stderr.decode().strip().splitlines()[-1]) * 1024


def ours(url):
    out, rss = peak_rss(["wine", str(BUILD / "page_fetch_bench.exe"), url])
    result = json.loads(out.strip().splitlines()[-1])
    return result["seconds"], rss, result["bytes"]


def curl(url):
    # curl's own transfer time, like the in-process time of ours: no process start-up in either.
    out, rss = peak_rss(["curl", "-s", "--http1.0", "-o", "/dev/null", "-w", "%{time_total}", url])
    return float(out), rss
def main():
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 8361), Handler)
    thread = threading.Thread(target=server.serve_forever, daemon=True)
    thread.start()
    try:
        print(f"{'answer':>7} {'ours s':>9} {'curl s':>9} {'time x':>7} {'ours RSS+ MB':>13} {'curl RSS+ MB':>13}"
              f" {'ours RSS+/body':>15}")
        rows = []
        for name, size in SIZES.items():
            url = f"http://127.0.0.1:8361/{name}"
            mine = [ours(url) for _ in range(RUNS)]
            theirs = [curl(url) for _ in range(RUNS)]
            assert all(got == size for _, _, got in mine), "the fetch lost bytes"
            rows.append((name, size, statistics.median(t for t, _, _ in mine), max(p for _, p, _ in mine),
                         statistics.median(t for t, _ in theirs), max(p for _, p in theirs)))
        # Memory is counted above each program's own 1 KB run: Wine and curl themselves are not the fetch.
        my_base, their_base = rows[0][3], rows[0][5]
        for name, size, my_time, my_peak, their_time, their_peak in rows:
            mine_growth, their_growth = max(my_peak - my_base, 0), max(their_peak - their_base, 0)
            print(f"{name:>7} {my_time:9.4f} {their_time:9.4f} {my_time / their_time:7.2f} {mine_growth / 2**20:13.1f}"
                  f" {their_growth / 2**20:13.1f} {mine_growth / size:15.2f}")
    finally:
        server.shutdown()
    return 0


if __name__ == "__main__":
    sys.exit(main())
