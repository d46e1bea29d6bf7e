#!/usr/bin/env python3
"""Draws the program's own artwork into resources/: the hand cursor, the small arrow bitmaps,
the series gallery bitmaps, the image series' pictures, the scroll bar thumbs, the viewing-condition
kind drawings and the about box pictures.
Each picture is a character map ('X' black, 'o' white, '.' see-through or background), so the
files can be made again and checked by eye. Run from the top folder: scripts/make-artwork.py"""
import math
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

# Gallery bitmaps of the further series classes, same size and form as the two above.
MORE_SERIES = {
    "THORIZBARSERIES": """
................
................
X...............
X.......
XXXXXXXXX.......
XXXXXXXXX.......
X...............
XXXXXXXXXXXXX...
XXXXXXXXXXXXX...
X...............
XXXXXX..........
XXXXXX..........
X...............
X...............
X...............
................
""",
    "TAREASERIES": """
................
................
.............X..
............XX..
..X........XXX..
.XXX......XXXX..
XXXXX....XXXXX..
XXXXXX..XXXXXX..
XXXXXXXXXXXXXX..
XXXXXXXXXXXXXX..
XXXXXXXXXXXXXX..
XXXXXXXXXXXXXX..
XXXXXXXXXXXXXX..
XXXXXXXXXXXXXX..
XXXXXXXXXXXXXXXX
................
""",
    "TPOINTSERIES": """
................
................
...........XXX..
...........XXX..
...........XXX..
..XXX...........
..XXX...........
..XXX....XXX....
.........XXX....
.........XXX....
.....XXX........
.....XXX........
.....XXX........
................
XXXXXXXXXXXXXXXX
................
""",
    "TPIESERIES": """
................
.....XXXXXX.....
...XX..X...XX...
..X....X.....X..
.X.....X......X.
.X.....X......X.
X......X.......X
X......XXXXXXXXX
X.....X........X
X....X.........X
.X..X.........X.
.X.X..........X.
..X..........X..
...XX......XX...
.....XXXXXX.....
................
""",
    "TFASTLINESERIES": """
................
................
...............X
..............X.
.............X..
....X.......X...
...X.X.....X....
..X...X...X.....
.X.....X.X......
X.......X.......
................
................
................
................
XXXXXXXXXXXXXXXX
................
""",
    "THORIZLINESERIES": """
X...............
X...X...........
X....X..........
X.....X.........
X....X..........
X...X...........
X..X............
X...X...........
X....XX.........
X......XX.......
X........XX.....
X..........X....
X.........X.....
X........X......
X.......X.......
X...............
""",
    "THORIZAREASERIES": """
X...............
XXXX............
XXXXX...........
XXXXXX..........
XXXXX...........
XXXX............
XXX.............
XXXX............
XXXXXX..........
XXXXXXXX........
XXXXXXXXXX......
XXXXXXXXXXX.....
XXXXXXXXXX......
XXXXXXXXX.......
XXXXXXXX........
X...............
""",
    "TPOINT3DSERIES": """
......XXXXXXXXXX
.....X........XX
....X........X.X
...XXXXXXXXXX..X
...X..XX....X..X
...X..XX....X..X
...X.......XX..X
...X.......XX..X
...X..XX....X..X
...X..XX....X.X.
...X........XX..
...XXXXXXXXXX...
................
................
................
................
""",
    "TBUBBLE3DSERIES": """
................
..........XXX...
.........X...X..
.........X...X..
.........X...X..
..XXX.....XXX...
.X...X..........
X.....X.........
X.....X...XX....
X.....X..X..X...
.X...X...X..X...
..XXX.....XX....
................
................
XXXXXXXXXXXXXXXX
................
""",
    "TSURFACESERIES": """
................
.......XX.......
.....XX..XX.....
...XX.X..X.XX...
.XX..X....X..XX.
X...X.XXXX.X...X
.X.X.X....X.X.X.
..X.X......X.X..
..XX........XX..
..X..........X..
..X..........X..
..X..........X..
..X..........X..
..X..........X..
..XXXXXXXXXXXX..
................
""",
    "TCONTOURSERIES": """
................
...XXXXXXXXX....
..X.........X...
.X...XXXXX...X..
X...X.....X...X.
X..X...XX..X..X.
X..X..X..X.X..X.
X..X..X..X.X..X.
X..X...XX..X..X.
X...X.....X...X.
.X...XXXXX...X..
..X.........X...
...XXXXXXXXX....
................
................
................
""",
    "TWATERFALLSERIES": """
................
................
.........X......
........X.X.....
.......X...X....
..X...X.....X...
.X.X.X.......X..
X...X.....X...X.
.........X.X....
..X.....X...X...
.X.X...X.....X..
X...X.X.......X.
.....X..........
................
XXXXXXXXXXXXXXXX
................
""",
    "TCOLORGRIDSERIES": """
................
XXXXXXXXXXXXXXXX
X.XX.XX.XXX.X.XX
XX.XX.XX.X.XXX.X
X.XX.XX.XXX.X.XX
XXXXXXXXXXXXXXXX
X...X.XX.X...X.X
X.X.XX.XXX.X.XXX
X...X.XX.X...X.X
XXXXXXXXXXXXXXXX
XXX.X...X.XX.X.X
X.XXX.X.XX.XXX.X
XXX.X...X.XX.X.X
XXXXXXXXXXXXXXXX
................
................
""",
    "TVECTOR3DSERIES": """
................
...........XXXX.
.............XX.
............X.X.
...XXX.....X..X.
.....X....X.....
....X.X..X......
...X...XX.......
..X....X........
.......X.......X
.......X.....XX.
.......X...XX...
.......X.XX.....
.......XXXXX....
.......XX.......
................
""",
    "TTOWERSERIES": """
................
..........XXX...
.........XXXX...
.........X.XX...
...XXX...X.XX...
..XXXX...X.XX...
..X.XX...X.XX...
..X.XXXX.X.XX...
..X.XXXXXX.XX...
..X.XX.X.X.XX...
..X.XX.X.X.XX...
..X.XX.X.X.X....
..X.X..X.XXX....
..XXX..XXX......
XXXXXXXXXXXXXXXX
................
""",
    "TISOSURFACESERIES": """
................
................
......XXXX......
....XX....XX....
...X........X...
..X...XXXX...X..
..X..X....X..X..
.X..X......X..X.
.X..X......X..X.
..X..X....X..X..
..X...XXXX...X..
...X........X...
....XX....XX....
......XXXX......
................
................
""",
}


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


# The scroll bar's thumb pictures: a framed face with grip lines across the middle, in the
# sizes the bar takes its thickness and thumb length from.
THUMB_SIZES = [(17, 16), (12, 12), (29, 13), (9, 10)]


def thumb_grid(width, height):
    grid = []
    for y in range(height):
        line = ""
        for x in range(width):
            edge = x in (0, width - 1) or y in (0, height - 1)
            grip = abs(x - width // 2) <= 2 and x % 2 == 0 and 2 < y < height - 3
            line += "X" if edge or grip else "o"
        grid.append(line)
    return grid


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


# --- Picture frames: the strip of a frame's left side, drawn upright (outer edge at the left,
# inner edge at the right); the frame tool stretches, mirrors and turns it for the other sides.
# 24-bit, 16 x 32. Each moulding is a profile across the strip (a brightness per column) over a
# base colour, with a grain along the strip for the woods.
FRAMES = [
    # (base colour, profile, grain spread)
    ((150, 156, 166), [30, 50, 40, 10, -10, -30, 0, 20, 30, 20, 0, -20, -40, -20, 10, -50], 0),
    ((200, 160, 40), [20, 50, 60, 30, 0, -30, -10, 30, 50, 30, -10, -40, 10, 40, 0, -60], 0),
    ((180, 182, 190), [40, 60, 30, 0, -20, 10, 40, 50, 40, 10, -20, -40, 0, 30, 10, -50], 0),
    ((140, 92, 44), [10, 30, 20, 0, -10, -20, -10, 0, 10, 20, 10, 0, -20, -30, 0, -40], 24),
    ((140, 50, 40), [20, 40, 30, 10, 0, -10, -20, -10, 0, 10, 20, 10, -10, -30, 0, -40], 18),
    ((60, 60, 66), [60, 40, 20, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 20, -30], 0),
    ((205, 170, 110), [10, 20, 20, 10, 0, -10, 0, 10, 20, 10, 0, -10, -20, -20, 0, -40], 30),
]


def frame_file(base, profile, grain, seed, height=32):
    rnd = random.Random(seed)
    width = len(profile)
    stripes = [rnd.randint(-grain // 2, grain // 2) if grain else 0 for _ in range(width)]
    stride = (width * 3 + 3) & ~3
    pixels = bytearray()
    for y in reversed(range(height)):
        row = bytearray()
        for x in range(width):
            shift = profile[x] + stripes[x] + (rnd.randint(-grain // 4, grain // 4) if grain else 0)
            r, g, b = (max(0, min(255, c + shift)) for c in base)
            row += bytes((b, g, r))
        pixels += row + bytes(stride - len(row))
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835,
                       0, 0)
    head = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    return head + info + bytes(pixels)


# --- Schematic drawings: the viewing-condition kinds and the about box pictures. ---------------
# Drawn on a small palette and stored as 4-bit bitmaps so they stay small. The cavity is a cup
# seen in section: its axis z runs up the picture, y to the right, the aperture at the top.

WHITE, BLACK, GREY, BLUE, RED, NAVY, PALE = range(7)
PALETTE = [(255, 255, 255), (0, 0, 0), (150, 150, 150), (30, 90, 220), (200, 30, 30),
           (0, 0, 128), (215, 225, 240)]

# A 5 x 7 pixel font for the parameter names written on the drawings.
GLYPHS = {
    "B": ["XXXX.", "X...X", "X...X", "XXXX.", "X...X", "X...X", "XXXX."],
    "D": ["XXXX.", "X...X", "X...X", "X...X", "X...X", "X...X", "XXXX."],
    "H": ["X...X", "X...X", "X...X", "XXXXX", "X...X", "X...X", "X...X"],
    "R": ["XXXX.", "X...X", "X...X", "XXXX.", "X.X..", "X..X.", "X...X"],
    "X": ["X...X", "X...X", ".X.X.", "..X..", ".X.X.", "X...X", "X...X"],
    "Y": ["X...X", "X...X", ".X.X.", "..X..", "..X..", "..X..", "..X.."],
    "Z": ["XXXXX", "....X", "...X.", "..X..", ".X...", "X....", "XXXXX"],
    "b": ["X....", "X....", "XXXX.", "X...X", "X...X", "X...X", "XXXX."],
    "i": ["..X..", ".....", ".XX..", "..X..", "..X..", "..X..", ".XXX."],
    "w": [".....", ".....", "X...X", "X...X", "X.X.X", "X.X.X", ".X.X."],
    "y": [".....", ".....", "X...X", "X...X", ".XXXX", "....X", ".XXX."],
    "z": [".....", ".....", "XXXXX", "...X.", "..X..", ".X...", "XXXXX"],
}


class Picture:
    def __init__(self, width, height, palette=None):
        self.width, self.height = width, height
        self.palette = palette or PALETTE
        self.pixels = [[WHITE] * width for _ in range(height)]

    def dot(self, x, y, colour):
        x, y = int(round(x)), int(round(y))
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def line(self, x0, y0, x1, y1, colour, width=1, dash=0):
        steps = max(abs(x1 - x0), abs(y1 - y0), 1)
        for k in range(int(steps) + 1):
            if dash and (k // dash) % 2:
                continue
            x = x0 + (x1 - x0) * k / steps
            y = y0 + (y1 - y0) * k / steps
            for dx in range(width):
                for dy in range(width):
                    self.dot(x + dx - width // 2, y + dy - width // 2, colour)

    def box(self, x0, y0, x1, y1, colour):
        for y in range(y0, y1):
            for x in range(x0, x1):
                self.dot(x, y, colour)

    def arrow(self, x0, y0, x1, y1, colour, both=False):
        """A line with a head at (x1, y1), and at (x0, y0) too when both."""
        self.line(x0, y0, x1, y1, colour)
        for (ax, ay, bx, by) in [(x0, y0, x1, y1)] + ([(x1, y1, x0, y0)] if both else []):
            length = math.hypot(bx - ax, by - ay) or 1
            ux, uy = (bx - ax) / length, (by - ay) / length
            for side in (1, -1):
                self.line(bx, by, bx - 5 * ux + 3 * side * uy, by - 5 * uy - 3 * side * ux,
                          colour)

    def arc(self, cx, cy, radius, start, end, colour, width=1):
        """Angles in degrees, 0 pointing right, counted clockwise on the screen."""
        steps = int(abs(end - start) * radius / 20) + 8
        points = [(cx + radius * math.cos(math.radians(start + (end - start) * k / steps)),
                   cy + radius * math.sin(math.radians(start + (end - start) * k / steps)))
                  for k in range(steps + 1)]
        for (ax, ay), (bx, by) in zip(points, points[1:]):
            self.line(ax, ay, bx, by, colour, width)

    def text(self, x, y, word, colour):
        for n, ch in enumerate(word):
            for gy, row in enumerate(GLYPHS[ch]):
                for gx, c in enumerate(row):
                    if c == "X":
                        self.dot(x + 6 * n + gx, y + gy, colour)

    def bitmap24(self):
        """A 24-bit bottom-up .bmp of the same pixels."""
        stride = (self.width * 3 + 3) & ~3
        data = bytearray()
        for row in reversed(self.pixels):
            packed = bytearray()
            for index in row:
                r, g, b = self.palette[index]
                packed += bytes((b, g, r))
            data += packed + bytes(stride - len(packed))
        info = struct.pack("<IiiHHIIiiII", 40, self.width, self.height, 1, 24, 0, len(data), 2835,
                           2835, 0, 0)
        head = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(data), 0, 0, 14 + len(info))
        return head + info + bytes(data)

    def bitmap(self):
        """A 4-bit bottom-up .bmp with the palette above."""
        stride = ((self.width + 1) // 2 + 3) & ~3
        data = bytearray()
        for row in reversed(self.pixels):
            packed = bytearray((row[x] << 4) | (row[x + 1] if x + 1 < self.width else 0)
                               for x in range(0, self.width, 2))
            data += packed + bytes(stride - len(packed))
        colours = b"".join(bytes((b, g, r, 0)) for r, g, b in self.palette)
        colours += bytes(4 * (16 - len(self.palette)))
        info = struct.pack("<IiiHHIIiiII", 40, self.width, self.height, 1, 4, 0, len(data), 2835,
                           2835, 16, 0)
        offset = 14 + len(info) + len(colours)
        head = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
        return head + info + colours + bytes(data)


# The cavity of the kind pictures: axis at AXIS, walls at AXIS -/+ WALL, bottom at BOTTOM,
# the aperture plane at TOP with a lip that narrows the opening to AXIS -/+ APERTURE.
AXIS, WALL, APERTURE, TOP, BOTTOM = 150, 50, 30, 70, 160


def cavity(p):
    for x0, x1 in ((AXIS - WALL - 6, AXIS - WALL), (AXIS + WALL, AXIS + WALL + 6)):
        p.box(x0, TOP, x1, BOTTOM + 6, GREY)
    p.box(AXIS - WALL - 6, BOTTOM, AXIS + WALL + 6, BOTTOM + 6, GREY)
    p.box(AXIS - WALL, TOP, AXIS - APERTURE, TOP + 5, GREY)
    p.box(AXIS + APERTURE, TOP, AXIS + WALL, TOP + 5, GREY)
    p.line(AXIS - WALL, TOP + 5, AXIS - WALL, BOTTOM, BLACK)
    p.line(AXIS + WALL, TOP + 5, AXIS + WALL, BOTTOM, BLACK)
    p.line(AXIS - WALL, BOTTOM, AXIS + WALL, BOTTOM, BLACK)
    p.line(AXIS - WALL, TOP + 5, AXIS - APERTURE, TOP + 5, BLACK)
    p.line(AXIS + APERTURE, TOP + 5, AXIS + WALL, TOP + 5, BLACK)
    p.line(AXIS, 4, AXIS, BOTTOM + 8, NAVY, dash=4)
    p.text(AXIS - 10, 4, "z", NAVY)
    p.arrow(AXIS + WALL + 20, BOTTOM + 3, AXIS + WALL + 40, BOTTOM + 3, NAVY)
    p.text(AXIS + WALL + 44, BOTTOM - 2, "y", NAVY)


def height_mark(p, x, y, label):
    """The height z of a point, measured from the cavity bottom on the left of the drawing."""
    p.line(x + 4, y, AXIS, y, RED, dash=3)
    p.arrow(x, BOTTOM, x, y, RED, both=True)
    p.text(x - 16, (y + BOTTOM) // 2 - 3, label, RED)


def kind_normal():
    p = Picture(300, 170)
    cavity(p)
    centre, radius = AXIS + 14, 12
    for x in range(centre - radius, centre + radius + 1, 6):
        p.arrow(x, 22, x, BOTTOM - 2, BLUE)
    p.arrow(AXIS, 14, centre, 14, RED, both=True)
    p.text(AXIS - 16, 11, "YB", RED)
    p.arrow(centre, 40, centre + radius, 40, RED, both=True)
    p.text(centre + radius + 6, 37, "RB", RED)
    return p


def kind_directional():
    p = Picture(300, 170)
    cavity(p)
    zb, tilt, radius = 95, math.radians(20), 12
    s, c = math.sin(tilt), math.cos(tilt)
    for u in range(-radius, radius + 1, 6):
        x0, y0 = AXIS + u * c, zb + u * s  # the beam's cross-section through (ZB, axis)
        top, bottom = (y0 - 12) / c, (BOTTOM - 2 - y0) / c
        p.arrow(x0 - top * s, y0 - top * c, x0 + bottom * s, y0 + bottom * c, BLUE)
    p.arc(AXIS, zb, 34, -90 - 20, -90, RED)
    p.text(AXIS - 12, zb - 46, "b", RED)
    height_mark(p, 70, zb, "ZB")
    # The beam's radius, across the beam above the aperture.
    cx, cy = AXIS - (zb - 40) * s / c, 40
    p.arrow(cx, cy, cx + (radius + 8) * c, cy + (radius + 8) * s, RED)
    p.text(cx + radius + 12, cy + 4, "RB", RED)
    return p


def kind_conical():
    p = Picture(300, 170)
    cavity(p)
    apex_x, apex_y, half = AXIS + 12, 34, math.radians(14)
    for k in range(-2, 3):
        a = half * k / 2
        length = (BOTTOM - 2 - apex_y) / math.cos(a)
        p.arrow(apex_x, apex_y, apex_x + length * math.sin(a), BOTTOM - 2, BLUE)
    p.box(apex_x - 2, apex_y - 2, apex_x + 3, apex_y + 3, BLACK)
    p.arc(apex_x, apex_y, 26, 90 - 14, 90 + 14, RED)
    p.text(apex_x + 12, apex_y + 26, "w", RED)
    p.arrow(AXIS, 18, apex_x, 18, RED, both=True)
    p.text(AXIS - 16, 15, "YB", RED)
    height_mark(p, 70, apex_y, "ZB")
    return p


def kind_integrated():
    p = Picture(300, 170)
    cavity(p)
    centre, radius, level = AXIS + 18, 22, 28
    p.box(centre - radius, level - 2, centre + radius + 1, level + 2, NAVY)
    for x0 in range(centre - radius, centre + radius + 1, 11):
        for x1 in (AXIS - APERTURE + 4, AXIS + APERTURE - 4):
            p.line(x0, level + 3, x1, TOP - 1, BLUE, dash=3)
    p.arrow(AXIS, 8, centre, 8, RED, both=True)
    p.text(AXIS - 16, 5, "YD", RED)
    p.arrow(centre, 19, centre + radius, 19, RED, both=True)
    p.text(centre + radius + 4, 16, "RD", RED)
    x = AXIS + WALL + 30
    p.line(AXIS + APERTURE, TOP, x + 4, TOP, RED, dash=3)
    p.line(centre + radius + 2, level, x + 4, level, RED, dash=3)
    p.arrow(x, TOP, x, level, RED, both=True)
    p.text(x + 6, (TOP + level) // 2 - 3, "H", RED)
    return p


def kind_local():
    p = Picture(300, 170)
    cavity(p)
    x, y = AXIS + WALL, 118
    p.arc(x, y, 26, 90, 270, PALE, 2)
    for angle in (-60, -30, 0, 30, 60):
        a = math.radians(180 + angle)
        length = 40 * math.cos(math.radians(angle)) + 8  # more rays along the normal
        p.arrow(x, y, x + length * math.cos(a), y + length * math.sin(a), BLUE)
    p.box(x - 2, y - 2, x + 3, y + 3, BLACK)
    p.text(x + 12, y - 3, "Xi", RED)
    p.arrow(AXIS, y + 24, x, y + 24, RED, both=True)
    p.line(x, y + 4, x, y + 26, RED, dash=2)
    p.text(AXIS + 18, y + 27, "Y", RED)
    height_mark(p, 70, y, "Z")
    return p


def about_picture():
    """A cavity glowing inside, with radiation leaving its aperture."""
    p = Picture(96, 64)
    p.box(28, 20, 68, 60, GREY)
    p.box(34, 20, 62, 54, RED)
    p.box(28, 20, 40, 25, GREY)
    p.box(56, 20, 68, 25, GREY)
    for angle in (-50, -25, 0, 25, 50):
        a = math.radians(angle - 90)
        p.arrow(48 + 6 * math.cos(a), 18 + 6 * math.sin(a), 48 + 20 * math.cos(a),
                18 + 20 * math.sin(a), BLUE)
    return p


def about_small_picture():
    """A small ray reflected by a wall: the model's specular and diffuse parts."""
    p = Picture(32, 32)
    p.box(2, 26, 30, 30, GREY)
    p.arrow(4, 4, 15, 25, BLUE)
    p.arrow(16, 25, 27, 4, BLUE)
    p.arc(16, 25, 9, 180, 360, RED)
    return p


# The pictures of the image series: a bank note for the bars, a marker for image points, and
# two sets of rising, level and falling signs for delta points (faces and pointing hands).
SERIES_PALETTE = PALETTE + [(40, 160, 60), (250, 210, 40), (235, 190, 150)]
GREEN, YELLOW, SKIN = range(len(PALETTE), len(PALETTE) + 3)


def disc(p, cx, cy, radius, colour):
    for y in range(p.height):
        for x in range(p.width):
            if (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius:
                p.dot(x, y, colour)


def money_picture():
    """A bank note: a green sheet with a framed medallion and corner marks."""
    p = Picture(32, 16, SERIES_PALETTE)
    p.box(0, 0, 32, 16, GREEN)
    p.box(1, 1, 31, 15, PALE)
    p.box(2, 2, 30, 14, GREEN)
    disc(p, 15.5, 7.5, 5, PALE)
    disc(p, 15.5, 7.5, 3, GREEN)
    for x, y in ((4, 4), (27, 4), (4, 11), (27, 11)):
        p.box(x - 1, y - 1, x + 1, y + 1, PALE)
    return p


def default_point_picture():
    """A round blue marker with a white highlight."""
    p = Picture(16, 16, SERIES_PALETTE)
    disc(p, 7.5, 7.5, 7, NAVY)
    disc(p, 7.5, 7.5, 6, BLUE)
    disc(p, 5.5, 5.5, 1.5, WHITE)
    return p


def face_picture(mouth):
    """A yellow face; mouth +1 smiles, 0 is level, -1 frowns."""
    p = Picture(16, 16, SERIES_PALETTE)
    disc(p, 7.5, 7.5, 7.5, BLACK)
    disc(p, 7.5, 7.5, 6.5, YELLOW)
    p.box(5, 5, 7, 7, BLACK)
    p.box(9, 5, 11, 7, BLACK)
    if mouth == 0:
        p.line(4, 11, 11, 11, BLACK)
    else:
        for k in range(8):
            p.dot(4 + k, 11 + mouth * (1 - abs(k - 3.5) / 3.5) * 1.5, BLACK)
    return p


def hand_picture(direction):
    """A fist with its thumb up (+1), out sideways (0) or down (-1)."""
    p = Picture(16, 16, SERIES_PALETTE)
    p.box(3, 6, 12, 13, SKIN)
    for y in (8, 10):
        p.line(4, y, 11, y, BLACK)
    if direction > 0:
        p.box(4, 1, 7, 6, SKIN)
        p.line(4, 1, 4, 6, BLACK)
    elif direction < 0:
        p.box(4, 13, 7, 16, SKIN)
        p.line(4, 13, 4, 15, BLACK)
    else:
        p.box(12, 6, 16, 9, SKIN)
        p.line(12, 6, 15, 6, BLACK)
    p.line(3, 6, 3, 12, BLACK)
    p.line(3, 12, 11, 12, BLACK)
    return p


SERIES_PICTURES = {
    "TeeMoney": money_picture,
    "TeeDefaultImage": default_point_picture,
    "TeeGreaterSmile": lambda: face_picture(1),
    "TeeEqualSmile": lambda: face_picture(0),
    "TeeLowerSmile": lambda: face_picture(-1),
    "TeeGreaterHand": lambda: hand_picture(1),
    "TeeEqualHand": lambda: hand_picture(0),
    "TeeLowerHand": lambda: hand_picture(-1),
}


KIND_PICTURES = {"VCNormal": kind_normal, "VCDirectional": kind_directional,
                 "VCConical": kind_conical, "VCIntegrated": kind_integrated,
                 "VCLocal": kind_local}


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
    for name, art in MORE_SERIES.items():
        files[name + ".bmp"] = bitmap_file(rows(art, 16, 16))
    for name, draw in KIND_PICTURES.items():
        files[name + ".bmp"] = draw().bitmap()
    # The series' pictures are copied into charts and stored with them: kept in 24 bits.
    for name, draw in SERIES_PICTURES.items():
        files[name + ".bmp"] = draw().bitmap24()
    files["AboutPicture.bmp"] = about_picture().bitmap()
    files["AboutSmallPicture.bmp"] = about_small_picture().bitmap()
    for n, words in enumerate(BRUSH_PATTERNS, 1):
        files["TeeBrush%d.bmp" % n] = bitmap_file(pattern_grid(words))
    for seed, (name, size, base, spread, grain) in enumerate(TEXTURES):
        files["TeeTexture%s.bmp" % name] = texture_file(size, base, spread, grain, seed)
    for n, (width, height) in enumerate(THUMB_SIZES, 1):
        files["TeeThumb%d.bmp" % n] = bitmap_file(thumb_grid(width, height))
    for n, (base, profile, grain) in enumerate(FRAMES, 1):
        files["TEEFRAME%d.bmp" % n] = frame_file(base, profile, grain, n)
    for name, data in files.items():
        with open(os.path.join(out, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
