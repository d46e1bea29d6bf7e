#!/usr/bin/python3
"""Has the GIF test program write its sample files into a folder of its own, then reads each
with an independent decoder (Pillow) and compares it with the pixels written beside it (the
format is described in make-fixtures.py).

Usage: check-with-pil.py <test_gif program>. Exits non-zero on the first file that differs.
Pillow gives the first frame as indices and later frames composited over the frames before,
so later frames are compared by the colours of their opaque pixels.
"""
import os
import shutil
import subprocess
import sys
import tempfile

from PIL import Image


def read_expected(path):
    with open(path) as f:
        words = f.read().split()
    assert words[0] == "screen", path
    screen = (int(words[1]), int(words[2]))
    frames, at = [], 3
    while at < len(words):
        assert words[at] == "frame", path
        left, top, width, height, interlaced, disposal, transparent = map(int, words[at + 1:at + 8])
        at += 8
        pixels = []
        for token in words[at:at + width * height]:
            index, rgb = token.split(":")
            pixels.append((int(index), int(rgb, 16)))
        at += width * height
        frames.append(dict(rect=(left, top, left + width, top + height), width=width,
                           interlaced=bool(interlaced), disposal=disposal,
                           transparent=transparent, pixels=pixels))
    return screen, frames


def check(gif, expected):
    screen, frames = read_expected(expected)
    im = Image.open(gif)
    faults = []
    if im.size != screen:
        faults.append(f"screen {im.size} instead of {screen}")
    if getattr(im, "n_frames", 1) != len(frames):
        faults.append(f"{im.n_frames} frames instead of {len(frames)}")
        return faults
    for n, frame in enumerate(frames):
        im.seek(n)
        name, rect, _, args = im.tile[0]
        if rect != frame["rect"]:
            faults.append(f"frame {n}: rectangle {rect} instead of {frame['rect']}")
        if bool(args[1]) != frame["interlaced"]:
            faults.append(f"frame {n}: interlaced {args[1]} instead of {frame['interlaced']}")
        if im.disposal_method != frame["disposal"]:
            faults.append(f"frame {n}: disposal {im.disposal_method} instead of {frame['disposal']}")
        left, top = frame["rect"][:2]
        width = frame["width"]
        if n == 0 and im.mode == "P":
            im.load()
            palette = im.getpalette()
            transparency = im.info.get("transparency", -1)
            if transparency != frame["transparent"]:
                faults.append(f"frame 0: transparent index {transparency} instead of "
                              f"{frame['transparent']}")
        else:
            composite = im.convert("RGBA")
        for i, (index, rgb) in enumerate(frame["pixels"]):
            x, y = left + i % width, top + i // width
            if n == 0 and im.mode == "P":
                got = im.getpixel((x, y))
                colour = tuple(palette[got * 3:got * 3 + 3])
                if got != index or colour != ((rgb >> 16) & 255, (rgb >> 8) & 255, rgb & 255):
                    faults.append(f"frame 0 pixel {x},{y}: {got}:{colour} instead of "
                                  f"{index}:{rgb:06X}")
                    break
            elif index != frame["transparent"]:
                r, g, b, a = composite.getpixel((x, y))
                if (r << 16 | g << 8 | b) != rgb or a != 255:
                    faults.append(f"frame {n} pixel {x},{y}: {r:02X}{g:02X}{b:02X}/{a} "
                                  f"instead of {rgb:06X}")
                    break
    return faults


def main():
    program = sys.argv[1]
    folder = tempfile.mkdtemp(prefix="kv_gif_pil_")
    try:
        env = dict(os.environ, KV_GIF_SAMPLE_DIR=folder)
        subprocess.run([program, "--gtest_filter=GIFInterop.WritesFilesForAnIndependentDecoder"],
                       env=env, check=True, timeout=100)
        names = sorted(f for f in os.listdir(folder) if f.endswith(".gif"))
        if len(names) < 9:
            print(f"only {len(names)} sample files were written")
            return 1
        failed = 0
        for name in names:
            faults = check(os.path.join(folder, name), os.path.join(folder, name[:-4] + ".txt"))
            print(name, "ok" if not faults else "; ".join(faults))
            failed += bool(faults)
        return 1 if failed else 0
    finally:
        shutil.rmtree(folder, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
