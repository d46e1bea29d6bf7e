#!/usr/bin/python3
"""Has the export test program write a chart in every picture export format into a folder of its
own, beside the chart's true pixels (expected.ppm), then reads each file with an independent
decoder (Pillow) and compares: BMP and GIF pixel for pixel, the 8-bit BMP within its palette's
rounding, JPEG on average, the monochrome BMP by size and mode, and the metafiles (which Pillow
identifies but draws only on Windows) by their bounds.

Usage: check-pictures-with-pil.py <test_chart_export program>. Exits non-zero on a fault.
"""
import os
import subprocess
import sys
import tempfile

from PIL import Image, ImageChops, ImageStat


def differences(path, expected):
    got = Image.open(path).convert("RGB")
    if got.size != expected.size:
        return None, f"size {got.size} instead of {expected.size}"
    diff = ImageChops.difference(got, expected)
    return diff, None


def main():
    program = sys.argv[1]
    faults = []
    with tempfile.TemporaryDirectory() as folder:
        env = dict(os.environ, KV_PICTURE_SAMPLE_DIR=folder, QT_QPA_PLATFORM="offscreen")
        subprocess.run([program, "--gtest_filter=*WritesFilesForAnIndependentDecoder"],
                       env=env, check=True, stdout=subprocess.DEVNULL)
        expected = Image.open(os.path.join(folder, "expected.ppm")).convert("RGB")
        # Largest channel difference allowed, and mean difference allowed.
        for name, largest, mean in (("chart.bmp", 0, 0), ("chart.gif", 0, 0),
                                    ("chart8.bmp", 48, 8), ("chart.jpg", 255, 6)):
            diff, fault = differences(os.path.join(folder, name), expected)
            if fault:
                faults.append(f"{name}: {fault}")
                continue
            worst = max(high for _, high in diff.getextrema())
            average = sum(ImageStat.Stat(diff).mean) / 3
            if worst > largest or average > mean:
                faults.append(f"{name}: largest difference {worst}, mean {average:.2f}")
        mono = Image.open(os.path.join(folder, "mono.bmp"))
        if mono.mode != "1" or mono.size != expected.size:
            faults.append(f"mono.bmp: mode {mono.mode}, size {mono.size}")
        # Pillow reads both kinds through one plugin; the bounds are inclusive in an enhanced
        # metafile and exclusive in a placeable one.
        w, h = expected.size
        for name, bbox in (("chart.emf", (0, 0, w - 1, h - 1)), ("chart.wmf", (0, 0, w, h))):
            im = Image.open(os.path.join(folder, name))
            if im.format != "WMF" or im.info.get("wmf_bbox") != bbox:
                faults.append(f"{name}: read as {im.format}, bounds {im.info.get('wmf_bbox')}")
    for f in faults:
        print(f)
    print(f"{0 if faults else 1} passed, {len(faults)} failed")
    return 1 if faults else 0


sys.exit(main())
