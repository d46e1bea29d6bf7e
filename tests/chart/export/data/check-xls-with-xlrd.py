#!/usr/bin/python3
"""Has the export test program save spreadsheets through the exporter's own file save into a
folder of its own, then reads each file exactly as written with an independent reader (xlrd) and
checks its cells: the header row, numbers, labels with characters beyond ASCII (decoded through the
file's own code page record), the blanks of a null point, the empty cells past a shorter series,
and numbers written in a format with thousands separators.

Usage: check-xls-with-xlrd.py <test_chart_export program>. Exits non-zero on a fault.
"""
import math
import os
import subprocess
import sys
import tempfile

import xlrd

N, T, B = xlrd.XL_CELL_NUMBER, xlrd.XL_CELL_TEXT, xlrd.XL_CELL_BLANK

# Two series: a line (positions that are indexes, labels, a null point) and points with positions
# of their own and a colour; each series has its own X column.
CHART = [
    [(T, "Index"), (T, "Text"), (T, "Colors"), (T, "X"), (T, "Y"),
     (T, "Text"), (T, "Colors"), (T, "X"), (T, "Y")],
    [(N, 0), (T, "first"), (T, "#ff0000"), (N, 0), (N, 0.5),
     (T, ""), (T, "#0000ff"), (N, 0.5), (N, 10)],
    [(N, 1), (T, ""), (T, "#ffffff"), (N, 1), (B, ""),
     (T, ""), (T, "#ff0000"), (N, 1.5), (N, 20)],
    [(N, 2), (T, ""), (T, "#ff0000"), (N, 2), (N, 0.75),
     (T, "third"), (T, "#0000ff"), (N, 3), (N, 1234.5)],
    [(N, 3), (T, ""), (T, ""), (B, ""), (B, ""),
     (T, ""), (T, "#0000ff"), (N, 4), (N, -7)],
]
POINTS = [
    [(T, "Text"), (T, "X"), (T, "Y")],
    [(T, ""), (N, 0.5), (N, 10)],
    [(T, ""), (N, 1.5), (N, 20)],
    [(T, "third"), (N, 3), (N, 1234.5)],
    [(T, ""), (N, 4), (N, -7)],
]
# Units in the names and a label; numbers in the series' format "#,##0.###".
UNITS = [
    [(T, "Text"), (T, "µm"), (T, "T °C")],
    [(T, "µm °C"), (N, 0.5), (N, 10)],
    [(T, ""), (N, 1.5), (N, 20)],
    [(T, "third"), (N, 3), (N, 1234.5)],
    [(T, ""), (N, 4), (N, -7)],
    [(T, ""), (N, 5), (N, 98765.432)],
]


def same(kind, got, value):
    if kind == N:
        return isinstance(got, float) and math.isclose(got, value, rel_tol=1e-12, abs_tol=1e-12)
    return got == value


def check(path, expected):
    faults = []
    name = os.path.basename(path)
    book = xlrd.open_workbook(path)
    sheet = book.sheet_by_index(0)
    if (sheet.nrows, sheet.ncols) != (len(expected), len(expected[0])):
        return [f"{name}: {sheet.nrows}x{sheet.ncols} cells"]
    for r, row in enumerate(expected):
        for c, (kind, value) in enumerate(row):
            cell = sheet.cell(r, c)
            # Without formatting information xlrd reads a BLANK as an empty cell; an empty label
            # reads as text or as an empty cell.
            if (kind == B or (kind == T and value == "")) and cell.ctype in (xlrd.XL_CELL_EMPTY, B):
                continue
            if cell.ctype != kind or (kind != B and not same(kind, cell.value, value)):
                faults.append(f"{name} ({r},{c}): {cell.ctype} {cell.value!r}, not {kind} {value!r}")
    return faults


def main():
    program = sys.argv[1]
    faults = []
    with tempfile.TemporaryDirectory() as folder:
        env = dict(os.environ, KV_SPREADSHEET_SAMPLE_DIR=folder, QT_QPA_PLATFORM="offscreen")
        subprocess.run([program, "--gtest_filter=*WritesSpreadsheetsForAnIndependentReader"],
                       env=env, check=True, stdout=subprocess.DEVNULL)
        for name, expected in (("chart.xls", CHART), ("points.xls", POINTS), ("units.xls", UNITS)):
            try:
                faults += check(os.path.join(folder, name), expected)
            except Exception as e:  # a file the reader refuses is a fault like any other
                faults.append(f"{name}: {type(e).__name__}: {e}")
    for f in faults:
        print(f)
    print(f"{0 if faults else 3} passed, {len(faults)} failed")
    return 1 if faults else 0


sys.exit(main())
