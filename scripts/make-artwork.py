#!/usr/bin/env python3
"""Draws the program's own artwork into resources/: the hand cursor and the small arrow bitmaps.
Each picture is a character map ('X' black, 'o' white, '.' see-through or background), so the
files can be made again and checked by eye. Run from the top folder: scripts/make-artwork.py"""
import os
import random
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


# The two-colour fill patterns of the brush dialog: rows of 16 pixels as words whose top bit is
# the leftmost pixel (0 black, 1 white), each list repeated down to 16 rows.
BRUSH_PATTERNS = [
    [0xAAAA, 0x0000], [0x5555, 0xAAAA], [0xFFFF, 0xAAAA], [0xFFFF, 0xBBBB, 0xFFFF, 0xEEEE],
    [0x7777, 0xFFFF, 0xFFFF, 0xFFFF], [0xEFBE, 0xD75D, 0xBAEB, 0x7DF7], [0xBBBB],
    [0xFFFF, 0x0000, 0xFFFF, 0xFFFF], [0xDDDD, 0xEEEE, 0x7777, 0xBBBB],
    [0xBBBB, 0x7777, 0xEEEE, 0xDDDD], [0xBBBB, 0x0000, 0xBBBB, 0xBBBB],
    [0xBBBB, 0x5555, 0xEEEE, 0x5555],
]


def pattern_grid(words):
    return ["".join("." if w & (0x8000 >> x) else "X" for x in range(16))
            for w in (words[y % len(words)] for y in range(16))]


# The texture fills of the brush dialog: name, size, base colour, how far a pixel strays from it
# and a stripe direction (grain) or none, drawn from a fixed seed so the files never change.
TEXTURES = [
    ("Metal", 16, (160, 164, 172), 28, "h"), ("Wood", 16, (150, 96, 48), 30, "v"),
    ("Stone", 16, (128, 124, 116), 44, None), ("Clouds", 32, (150, 190, 240), 60, None),
    ("Grass", 32, (60, 150, 50), 50, "v"), ("Fire", 32, (230, 110, 20), 70, "v"),
    ("Snow", 32, (236, 240, 250), 24, None),
]


def texture_file(size, base, spread, grain, seed):
    rnd = random.Random(seed)
    stripes = [rnd.randint(-spread // 2, spread // 2) for _ in range(size)]
    height, width = size, size
    stride = (width * 3 + 3) & ~3
    pixels = bytearray()
    for y in reversed(range(height)):
        row = bytearray()
        for x in range(width):
            shift = rnd.randint(-spread // 2, spread // 2)
            if grain == "h":
                shift += stripes[y]
            elif grain == "v":
                shift += stripes[x]
            r, g, b = (max(0, min(255, c + shift)) for c in base)
            row += bytes((b, g, r))
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
    for n, words in enumerate(BRUSH_PATTERNS, 1):
        files["TeeBrush%d.bmp" % n] = bitmap_file(pattern_grid(words))
    for seed, (name, size, base, spread, grain) in enumerate(TEXTURES):
        files["TeeTexture%s.bmp" % name] = texture_file(size, base, spread, grain, seed)
    for name, data in files.items():
        with open(os.path.join(out, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
