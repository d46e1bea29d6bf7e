#!/usr/bin/python3
"""Reads the spreadsheet golden files of the data export with an independent reader (xlrd) and
checks their cells: the header row, numbers, labels, the blanks of a null point and the empty
cells past a shorter series.

The export is one worksheet stream: a BIFF5 BOF followed by cell records of the two-byte
attribute kind (NUMBER $0003, LABEL $0004, BLANK $0001). xlrd reads those records only in streams
of BIFF4 or older, so the 12-byte BOF (checked byte for byte by the test program) is replaced by a
BIFF4 worksheet BOF before reading; every other byte is read as written.
"""
import os
import struct
import sys

import xlrd

folder = sys.argv[1]
N, T, B = xlrd.XL_CELL_NUMBER, xlrd.XL_CELL_TEXT, xlrd.XL_CELL_BLANK

# Two series: a line (labels, a null point) and points with positions and a colour.
chart = [
    [(T, "Index"), (T, "Text"), (T, "Colors"), (T, "Y"), (T, "Text"), (T, "Colors"), (T, "Y")],
    [(N, 0), (T, "first"), (T, "#ff0000"), (N, 0.5), (T, ""), (T, "#0000ff"), (N, 10)],
    [(N, 1), (T, ""), (T, "#ffffff"), (B, ""), (T, ""), (T, "#ff0000"), (N, 20)],
    [(N, 2), (T, ""), (T, "#ff0000"), (N, 0.75), (T, "third"), (T, "#0000ff"), (N, 1234.5)],
    [(N, 3), (T, ""), (T, ""), (B, ""), (T, ""), (T, "#0000ff"), (N, -7)],
]
points = [
    [(T, "Text"), (T, "X"), (T, "Y")],
    [(T, ""), (N, 0.5), (N, 10)],
    [(T, ""), (N, 1.5), (N, 20)],
    [(T, "third"), (N, 3), (N, 1234.5)],
    [(T, ""), (N, 4), (N, -7)],
]

def as_biff4_sheet(data):
    assert data[:4] == bytes.fromhex("09080800"), "not the export's BOF"
    return struct.pack("<HHHHH", 0x0409, 6, 0, 0x0010, 0) + data[12:]


faults = []
for name, expected in (("chart.xls", chart), ("points.xls", points)):
    with open(os.path.join(folder, name), "rb") as f:
        book = xlrd.open_workbook(file_contents=as_biff4_sheet(f.read()),
                                  encoding_override="cp1252")
    sheet = book.sheet_by_index(0)
    if (sheet.nrows, sheet.ncols) != (len(expected), len(expected[0])):
        faults.append(f"{name}: {sheet.nrows}x{sheet.ncols} cells")
        continue
    for r, row in enumerate(expected):
        for c, (kind, value) in enumerate(row):
            cell = sheet.cell(r, c)
            # Without formatting information xlrd reads a BLANK as an empty cell; an empty label
            # reads as text or as an empty cell.
            if (kind == B or (kind == T and value == "")) and cell.ctype in (xlrd.XL_CELL_EMPTY, B):
                continue
            if cell.ctype != kind or (kind != B and cell.value != value):
                faults.append(f"{name} ({r},{c}): {cell.ctype} {cell.value!r}, not {kind} {value!r}")
for f in faults:
    print(f)
print(f"{0 if faults else 2} passed, {len(faults)} failed")
sys.exit(1 if faults else 0)
