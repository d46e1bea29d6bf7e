#!/usr/bin/env python3
"""Draws the program's own artwork into resources/: the hand cursor and the small arrow bitmaps.
Each picture is a character map ('X' black, 'o' white, '.' see-through or background), so the
files can be made again and checked by eye. Run from the top folder: scripts/make-artwork.py"""
import os
import struct

HAND = """
......XX
.....XooX
.....XooX
.....XooX
.....XooX
.....XooXXX
.....XooXooXXX
..XX.XooXooXooXX
.XooXXooXooXooXoX
.XoooXooooooooXoX
..XooXoooooooooooX
..XooooooooooooooX
...XoooooooooooooX
...XooooooooooooX
....XoooooooooooX
....XooooooooooX
.....XoooooooooX
.....XoooooooooX
.....XXXXXXXXXXX
"""
HAND_HOT_SPOT = (6, 0)

ARROW_UP = """
....X....
...XXX...
..XXXXX..
.XXXXXXX.
XXXXXXXXX
"""

# Gallery bitmaps of the series classes, 16 x 16, named after the class in capitals.
LINE_SERIES = """
................
................
..............X.
.............X..
............X...
...........X....
..X.......X.....
.X.X.....X......
X...X...X.......
.....X.X........
......X.........
................
................
................
XXXXXXXXXXXXXXXX
................
"""

BAR_SERIES = """
................
................
..........XXX...
..........XXX...
..........XXX...
..XXX.....XXX...
..XXX.....XXX...
..XXX.....XXX...
..XXX.XXX.XXX...
..XXX.XXX.XXX...
..XXX.XXX.XXX...
..XXX.XXX.XXX...
..XXX.XXX.XXX...
..XXX.XXX.XXX...
XXXXXXXXXXXXXXXX
................
"""


def rows(art, width, height):
    lines = [l for l in art.strip("\n").split("\n")]
    return [(lines[y] if y < len(lines) else "").ljust(width, ".")[:width] for y in range(height)]


def cursor_file(art, hot_spot, size=32):
    """A .cur file of one 32-bit image with its AND mask (1 = see-through)."""
    grid = rows(art, size, size)
    xor = bytearray()
    mask = bytearray()
    for line in reversed(grid):  # bottom-up
        bits = 0
        for x, c in enumerate(line):
            if c == "X":
                xor += bytes((0, 0, 0, 255))
            elif c == "o":
                xor += bytes((255, 255, 255, 255))
            else:
                xor += bytes((0, 0, 0, 0))
                bits |= 1 << (31 - x)
        mask += struct.pack(">I", bits)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(mask),
                         0, 0, 0, 0)
    image = header + bytes(xor) + bytes(mask)
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", size, size, 0, 0, hot_spot[0], hot_spot[1], len(image),
                        6 + 16)
    return directory + entry + image


def bitmap_file(grid):
    """A 24-bit bottom-up .bmp, black where 'X', white elsewhere."""
    height, width = len(grid), len(grid[0])
    stride = (width * 3 + 3) & ~3
    pixels = bytearray()
    for line in reversed(grid):
        row = bytearray()
        for c in line:
            row += bytes((0, 0, 0)) if c == "X" else bytes((255, 255, 255))
        pixels += row + bytes(stride - len(row))
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835,
                       0, 0)
    head = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    return head + info + bytes(pixels)


def main():
    out = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources")
    os.makedirs(out, exist_ok=True)
    up = rows(ARROW_UP, 9, 5)
    files = {
        "TEE_CURSOR_HAND.cur": cursor_file(HAND, HAND_HOT_SPOT),
        "TeeArrowUp.bmp": bitmap_file(up),
        "TeeArrowDown.bmp": bitmap_file(list(reversed(up))),
        "TLINESERIES.bmp": bitmap_file(rows(LINE_SERIES, 16, 16)),
        "TBARSERIES.bmp": bitmap_file(rows(BAR_SERIES, 16, 16)),
    }
    for name, data in files.items():
        with open(os.path.join(out, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
