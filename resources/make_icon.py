#!/usr/bin/env python3
"""Writes the program icon: a white download arrow over a bar on a blue
rounded square, as nine uncompressed bitmap images (no PNG), always the same
bytes for the same script."""
import struct
import sys

# (size, bits per pixel), in the order the icon holds them.
IMAGES = [(32, 1), (48, 4), (48, 8), (32, 8), (16, 8), (128, 32), (48, 32), (32, 32), (16, 32)]

BLUE = (0x1E, 0x6F, 0xD9)
WHITE = (0xFF, 0xFF, 0xFF)
BLACK = (0x00, 0x00, 0x00)
SAMPLES = 4  # per axis, for the smooth 32-bit edges


def in_square(u, v):
    margin, radius = 0.04, 0.22
    lo, hi = margin + radius, 1 - margin - radius
    if not (margin <= u <= 1 - margin and margin <= v <= 1 - margin):
        return False
    du = max(lo - u, 0, u - hi)
    dv = max(lo - v, 0, v - hi)
    return du * du + dv * dv <= radius * radius


def in_glyph(u, v):
    shaft = 0.41 <= u <= 0.59 and 0.16 <= v <= 0.52
    head = 0.46 <= v <= 0.74 and abs(u - 0.5) <= (0.74 - v) * 1.0
    bar = 0.79 <= v <= 0.88 and 0.20 <= u <= 0.80
    return shaft or head or bar


def coverage(size, x, y):
    """Fractions of the pixel (x, y from the top) covered by square and glyph."""
    square = glyph = 0
    for sy in range(SAMPLES):
        for sx in range(SAMPLES):
            u = (x + (sx + 0.5) / SAMPLES) / size
            v = (y + (sy + 0.5) / SAMPLES) / size
            if in_square(u, v):
                square += 1
                glyph += in_glyph(u, v)
    n = SAMPLES * SAMPLES
    return square / n, glyph / n


def row_bytes(bits_per_row):
    return (bits_per_row + 31) // 32 * 4


def pack_indices(indices, bpp):
    out = bytearray()
    acc, filled = 0, 0
    for index in indices:
        acc = (acc << bpp) | index
        filled += bpp
        if filled == 8:
            out.append(acc)
            acc, filled = 0, 0
    if filled:
        out.append(acc << (8 - filled))
    return out


def pad(data, length):
    return bytes(data) + bytes(length - len(data))


def image(size, bpp):
    pixels = [[coverage(size, x, y) for x in range(size)] for y in range(size)]
    if bpp == 1:
        palette = [BLACK, WHITE]
    elif bpp < 32:
        palette = [BLACK, BLUE, WHITE] + [BLACK] * ((1 << bpp) - 3)
    xor = bytearray()
    mask = bytearray()
    for y in reversed(range(size)):  # bitmaps are stored bottom-up
        row = pixels[y]
        opaque = [square >= 0.5 for square, _ in row]
        if bpp == 32:
            line = bytearray()
            for square, glyph in row:
                colour = [BLUE[i] + (WHITE[i] - BLUE[i]) * (glyph / square if square else 0) for i in range(3)]
                line += bytes([round(colour[2]), round(colour[1]), round(colour[0]), round(255 * square)])
            xor += line
        else:
            if bpp == 1:
                indices = [1 if (o and glyph >= 0.5 * square) else 0 for o, (square, glyph) in zip(opaque, row)]
            else:
                indices = [(2 if glyph >= 0.5 * square else 1) if o else 0 for o, (square, glyph) in zip(opaque, row)]
            xor += pad(pack_indices(indices, bpp), row_bytes(size * bpp))
        mask += pad(pack_indices([0 if o else 1 for o in opaque], 1), row_bytes(size))
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bpp, 0, len(xor) + len(mask), 0, 0, 0, 0)
    colours = b"" if bpp == 32 else b"".join(bytes([b, g, r, 0]) for r, g, b in palette)
    return header + colours + bytes(xor) + bytes(mask)


def icon():
    bodies = [image(size, bpp) for size, bpp in IMAGES]
    out = bytearray(struct.pack("<HHH", 0, 1, len(IMAGES)))
    offset = 6 + 16 * len(IMAGES)
    for (size, bpp), body in zip(IMAGES, bodies):
        colour_count = (1 << bpp) if bpp < 8 else 0
        out += struct.pack("<BBBBHHII", size % 256, size % 256, colour_count, 0, 1, bpp, len(body), offset)
        offset += len(body)
    for body in bodies:
        out += body
    return bytes(out)


if __name__ == "__main__":
    with open(sys.argv[1], "wb") as target:
        target.write(icon())
