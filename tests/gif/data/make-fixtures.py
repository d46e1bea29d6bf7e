#!/usr/bin/python3
"""Writes the GIF fixtures of this folder with an independent encoder (Pillow), each with the
pixels it must decode to beside it (<name>.txt, read by GIFInteropTest.cpp).

Run once by hand (/usr/bin/python3 make-fixtures.py) when a fixture is added; the files are
checked in. Frames are written without Pillow's palette optimisation, so the indices stay the
ones given here; every animation frame differs from the one before at two opposite corners, so
Pillow writes each frame whole and the expected rectangle is the screen, except where a frame is
given an offset of its own on purpose.

Format of <name>.txt:
  screen W H
  frame LEFT TOP WIDTH HEIGHT INTERLACED DISPOSAL TRANSPARENT-INDEX(-1 for none)
  HEIGHT lines of WIDTH tokens INDEX:RRGGBB (the colour from the frame's own table)
"""
import os
import random
import sys

from PIL import Image

HERE = os.path.dirname(os.path.abspath(__file__))


def palette(count, seed):
    rnd = random.Random(seed)
    colours = [(rnd.randrange(256), rnd.randrange(256), rnd.randrange(256)) for _ in range(count)]
    # distinct colours, so that a wrong index shows as a wrong colour
    seen = set()
    out = []
    for i, c in enumerate(colours):
        while c in seen:
            c = ((c[0] + 1) % 256, c[1], c[2])
        seen.add(c)
        out.append(c)
    return out


def indexed(width, height, colours, seed):
    rnd = random.Random(seed)
    pixels = [rnd.randrange(len(colours)) for _ in range(width * height)]
    im = Image.new("P", (width, height))
    im.putpalette([v for c in colours for v in c])
    im.putdata(pixels)
    return im, pixels


def expected_frame(lines, left, top, width, height, interlaced, disposal, transparent, pixels,
                   colours):
    lines.append(f"frame {left} {top} {width} {height} {int(interlaced)} {disposal} {transparent}")
    for y in range(height):
        row = pixels[y * width:(y + 1) * width]
        lines.append(" ".join("%d:%02X%02X%02X" % ((i,) + tuple(colours[i])) for i in row))


def write(name, width, height, lines):
    with open(os.path.join(HERE, name + ".txt"), "w") as f:
        f.write(f"screen {width} {height}\n")
        f.write("\n".join(lines) + "\n")


def still(name, bits, width, height, interlace=False, transparency=None, seed=1):
    colours = palette(1 << bits, seed)
    im, pixels = indexed(width, height, colours, seed + 100)
    extra = {} if transparency is None else {"transparency": transparency}
    im.save(os.path.join(HERE, name + ".gif"), optimize=False, interlace=interlace, **extra)
    lines = []
    expected_frame(lines, 0, 0, width, height, interlace, 0,
                   -1 if transparency is None else transparency, pixels, colours)
    write(name, width, height, lines)


def animation(name):
    """Three frames with disposals none, background, previous; the last frame has colours of
    its own (a local colour table) and a transparent index."""
    width, height = 12, 10
    first = palette(16, 7)
    local = palette(16, 8)
    frames, lines = [], []
    specs = [(first, 1, None), (first, 2, None), (local, 3, 5)]
    previous = None
    for n, (colours, disposal, transparency) in enumerate(specs):
        im, pixels = indexed(width, height, colours, 200 + n)
        # corners that differ from the frame before, so the frame is written whole
        for at in (0, width * height - 1):
            if previous is not None and pixels[at] == previous[at]:
                pixels[at] = (pixels[at] + 1) % 16
            if transparency is not None and pixels[at] == transparency:
                pixels[at] = (pixels[at] + 2) % 16
        im.putdata(pixels)
        if transparency is not None:
            im.info["transparency"] = transparency
        frames.append(im)
        expected_frame(lines, 0, 0, width, height, False, disposal,
                       -1 if transparency is None else transparency, pixels, colours)
        previous = pixels
    frames[0].save(os.path.join(HERE, name + ".gif"), save_all=True, append_images=frames[1:],
                   optimize=False, interlace=False, duration=[40, 60, 80], loop=0,
                   disposal=[s[1] for s in specs])
    write(name, width, height, lines)


def main():
    still("pil-bits1", 1, 9, 5, seed=1)
    still("pil-bits2", 2, 7, 6, seed=2)
    still("pil-bits4", 4, 11, 7, seed=3)
    still("pil-bits8", 8, 20, 18, seed=4)
    still("pil-interlaced", 4, 17, 23, interlace=True, seed=5)
    still("pil-transparent", 4, 8, 6, transparency=3, seed=6)
    animation("pil-animation")
    return 0


if __name__ == "__main__":
    sys.exit(main())
