#!/usr/bin/python3
"""Has the export test program print a chart through the print preview to a PDF file, then reads
the file with an independent PDF reader (poppler's pdfinfo and pdftoppm): one landscape A4 page
titled as the job, whose rendering shows the chart's red line.

Usage: check-pdf-with-poppler.py <test_chart_export program>. Exits non-zero on a fault.
"""
import os
import shutil
import subprocess
import sys
import tempfile

from PIL import Image


def main():
    if not shutil.which("pdfinfo") or not shutil.which("pdftoppm"):
        print("poppler-utils is missing: skipped")
        return 0
    faults = []
    with tempfile.TemporaryDirectory() as folder:
        env = dict(os.environ, KV_PRINT_SAMPLE_DIR=folder, QT_QPA_PLATFORM="offscreen")
        subprocess.run([sys.argv[1], "--gtest_filter=*PrintsToPdf"], env=env, check=True,
                       stdout=subprocess.DEVNULL)
        pdf = os.path.join(folder, "chart.pdf")
        info = subprocess.run(["pdfinfo", pdf], capture_output=True, text=True, check=True).stdout
        fields = dict(line.split(":", 1) for line in info.splitlines() if ":" in line)
        fields = {k.strip(): v.strip() for k, v in fields.items()}
        if fields.get("Pages") != "1":
            faults.append(f"pages: {fields.get('Pages')}")
        if fields.get("Title") != "Cavity plot":
            faults.append(f"title: {fields.get('Title')}")
        if not fields.get("Page size", "").startswith("842 x 595"):
            faults.append(f"page size: {fields.get('Page size')}")
        subprocess.run(["pdftoppm", "-r", "30", pdf, os.path.join(folder, "page")], check=True)
        page = Image.open(os.path.join(folder, "page-1.ppm")).convert("RGB")
        red = sum(1 for r, g, b in page.getdata() if r > 200 and g < 60 and b < 60)
        if red < 20:
            faults.append(f"{red} red pixels on the page")
    for f in faults:
        print(f)
    print(f"{0 if faults else 1} passed, {len(faults)} failed")
    return 1 if faults else 0


sys.exit(main())
