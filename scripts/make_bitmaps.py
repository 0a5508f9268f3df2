#!/usr/bin/env python3
"""Writes resources/101.bmp and resources/102.bmp, the two bitmaps of the memo icon set (pictures 31
and 32): 32 x 32 pixels, 16 colours, drawn here so that they can be redrawn at will.

Usage: scripts/make_bitmaps.py [output folder]   (default: resources/ beside this script's folder)
Only the Python standard library is used.
"""

import math
import pathlib
import struct
import sys

SIZE = 32

# The Windows 16-colour palette, in its usual order; one letter per colour in the drawings below.
PALETTE = [
    ("K", (0x00, 0x00, 0x00)),  # black
    ("r", (0x80, 0x00, 0x00)),  # maroon
    ("g", (0x00, 0x80, 0x00)),  # dark green
    ("y", (0x80, 0x80, 0x00)),  # olive
    ("b", (0x00, 0x00, 0x80)),  # navy
    ("m", (0x80, 0x00, 0x80)),  # purple
    ("c", (0x00, 0x80, 0x80)),  # teal
    ("S", (0xC0, 0xC0, 0xC0)),  # silver
    ("D", (0x80, 0x80, 0x80)),  # grey
    ("R", (0xFF, 0x00, 0x00)),  # red
    ("G", (0x00, 0xFF, 0x00)),  # lime
    ("Y", (0xFF, 0xFF, 0x00)),  # yellow
    ("B", (0x00, 0x00, 0xFF)),  # blue
    ("M", (0xFF, 0x00, 0xFF)),  # magenta
    ("C", (0x00, 0xFF, 0xFF)),  # cyan
    ("W", (0xFF, 0xFF, 0xFF)),  # white
]
INDEX = {letter: i for i, (letter, _) in enumerate(PALETTE)}


class Canvas:
    def __init__(self, background):
        self.pixels = [[background] * SIZE for _ in range(SIZE)]

    def put(self, x, y, colour):
        if 0 <= x < SIZE and 0 <= y < SIZE:
            self.pixels[y][x] = colour

    def rect(self, x, y, w, h, colour):
        for j in range(y, y + h):
            for i in range(x, x + w):
                self.put(i, j, colour)

    def disc(self, cx, cy, r, colour):
        for j in range(SIZE):
            for i in range(SIZE):
                if (i + 0.5 - cx) ** 2 + (j + 0.5 - cy) ** 2 <= r * r:
                    self.put(i, j, colour)

    def polygon(self, points, colour):
        """Fills the pixels whose centre lies inside the polygon (even-odd rule)."""
        for j in range(SIZE):
            for i in range(SIZE):
                px, py = i + 0.5, j + 0.5
                inside = False
                for (x1, y1), (x2, y2) in zip(points, points[1:] + points[:1]):
                    if (y1 > py) != (y2 > py) and px < x1 + (py - y1) * (x2 - x1) / (y2 - y1):
                        inside = not inside
                if inside:
                    self.put(i, j, colour)

    def line(self, x1, y1, x2, y2, colour):
        steps = max(abs(x2 - x1), abs(y2 - y1), 1)
        for k in range(steps + 1):
            self.put(round(x1 + (x2 - x1) * k / steps), round(y1 + (y2 - y1) * k / steps), colour)


def countryside():
    """101: a sunny countryside, a red-roofed cottage under a tree."""
    c = Canvas("C")
    c.rect(0, 0, SIZE, 8, "B")
    c.rect(0, 8, SIZE, 6, "C")
    c.disc(25.5, 6.5, 4.5, "Y")
    for a in range(0, 360, 45):
        t = math.radians(a)
        c.line(round(25.5 + 5.5 * math.cos(t)), round(6.5 + 5.5 * math.sin(t)),
               round(25.5 + 6.5 * math.cos(t)), round(6.5 + 6.5 * math.sin(t)), "Y")
    for x, y, w in ((3, 4, 8), (5, 3, 4), (12, 9, 6)):
        c.rect(x, y, w, 2, "W")
    c.disc(8, 30, 14, "g")
    c.disc(28, 34, 16, "G")
    c.rect(0, 26, SIZE, 6, "G")
    c.polygon([(13, 32), (17, 32), (21, 23), (20, 23)], "y")
    # The cottage.
    c.rect(16, 17, 10, 7, "W")
    c.polygon([(15, 17.5), (21, 12), (27, 17.5)], "R")
    c.line(15, 17, 21, 12, "r")
    c.line(21, 12, 27, 17, "r")
    c.rect(19, 20, 3, 4, "r")
    c.rect(23, 19, 2, 2, "b")
    # The tree.
    c.rect(5, 18, 2, 8, "r")
    c.disc(6, 15, 5, "g")
    c.disc(4.5, 13.5, 2, "G")
    c.put(8, 13, "R")
    c.put(4, 17, "R")
    return c


def night_sea():
    """102: a sailing boat on the sea at night, under the moon."""
    c = Canvas("b")
    for x, y in ((3, 3), (12, 2), (17, 7), (28, 12), (6, 11), (22, 3), (9, 16)):
        c.put(x, y, "W")
    c.disc(25, 6, 4, "Y")
    c.disc(27, 5, 3.5, "b")
    c.rect(0, 22, SIZE, 10, "B")
    for y, offset in ((24, 0), (27, 3), (30, 1)):
        for x in range(offset, SIZE, 6):
            c.line(x, y, x + 2, y, "C")
    c.rect(16, 5, 1, 16, "K")
    c.polygon([(15.5, 6), (15.5, 19), (6, 19)], "W")
    c.polygon([(17.5, 8), (17.5, 19), (25, 19)], "S")
    c.polygon([(17, 5), (21, 6), (17, 7)], "R")
    c.polygon([(5, 20), (27, 20), (24, 24), (8, 24)], "r")
    c.line(6, 21, 26, 21, "y")
    for x in range(8, 26, 15):
        c.line(x, 25, x + 3, 25, "c")
    return c


def bmp_bytes(canvas):
    """A 4-bit bottom-up Windows bitmap with a 16-colour palette."""
    row_size = SIZE // 2  # two pixels a byte; 16 bytes keeps rows 4-byte aligned
    image_size = row_size * SIZE
    offset = 14 + 40 + 4 * len(PALETTE)
    header = struct.pack("<2sIHHI", b"BM", offset + image_size, 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE, 1, 4, 0, image_size, 3780, 3780, len(PALETTE), 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for _, (r, g, b) in PALETTE)
    rows = bytearray()
    for row in reversed(canvas.pixels):
        for x in range(0, SIZE, 2):
            rows.append(INDEX[row[x]] << 4 | INDEX[row[x + 1]])
    return header + info + palette + bytes(rows)


def main():
    folder = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else pathlib.Path(__file__).resolve().parent.parent / "resources"
    folder.mkdir(parents=True, exist_ok=True)
    for name, drawing in (("101.bmp", countryside), ("102.bmp", night_sea)):
        path = folder / name
        path.write_bytes(bmp_bytes(drawing()))
        print(path)


if __name__ == "__main__":
    main()
