"""The program icon: nine uncompressed bitmaps of the given sizes and depths,
drawn the same way every time."""
import struct
import subprocess
import sys
import tempfile
import unittest
from pathlib import Path

SCRIPT = Path(__file__).resolve().parents[2] / "resources" / "make_icon.py"
EXPECTED = [(32, 1), (48, 4), (48, 8), (32, 8), (16, 8), (128, 32), (48, 32), (32, 32), (16, 32)]


def draw():
    with tempfile.TemporaryDirectory() as folder:
        target = Path(folder) / "icon.ico"
        subprocess.run([sys.executable, str(SCRIPT), str(target)], check=True, timeout=120)
        return target.read_bytes()


class Icon(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.icon = draw()

    def test_nine_bitmap_images_as_tabulated(self):
        reserved, kind, count = struct.unpack_from("<HHH", self.icon, 0)
        self.assertEqual((reserved, kind, count), (0, 1, 9))
        for index, (size, bpp) in enumerate(EXPECTED):
            with self.subTest(image=index + 1):
                width, height, colours, _, planes, bits, length, offset = struct.unpack_from(
                    "<BBBBHHII", self.icon, 6 + 16 * index)
                self.assertEqual((width, height, bits), (size % 256, size % 256, bpp))
                body = self.icon[offset:offset + length]
                self.assertNotEqual(body[:8], b"\x89PNG\r\n\x1a\n")
                header_size, w, h, _, bit_count, compression = struct.unpack_from("<IiiHHI", body, 0)
                self.assertEqual((header_size, w, h, bit_count, compression), (40, size, 2 * size, bpp, 0))
                palette = 4 << bpp if bpp <= 8 else 0
                row = lambda bits_per_row: (bits_per_row + 31) // 32 * 4
                self.assertEqual(length, 40 + palette + size * row(size * bpp) + size * row(size))

    def test_drawn_reproducibly(self):
        self.assertEqual(draw(), self.icon)


if __name__ == "__main__":
    unittest.main()
