#!/usr/bin/python3
"""Writes the worksheet source's fixtures once: chart.xlsx (Office Open XML, written here as a
zip of XML parts) and chart.xls (BIFF8, through python3-xlwt). Both hold the same sheets:

  "Chart": a chart's exported points: Text, X, Bar and Size columns, five rows below a header.
  "Other": a row A1:D1, a 3 x 3 block A3:C5, a number kept as text in E7 and a word in F8.
  "Empty": no cells.

Run from this folder: python3 make_workbooks.py
"""
import zipfile

import xlwt

HEADER = ["Text", "X", "Bar", "Size"]
POINTS = [("Jan", 1, 10.5, 3), ("Feb", 2, 20, 4), ("Mar", 3, 7.25, 5), ("Apr", 4, 15, 6),
          ("May", 5, 30, 7)]


def sheets():
    chart = {(0, c): v for c, v in enumerate(HEADER)}
    for r, row in enumerate(POINTS, start=1):
        for c, v in enumerate(row):
            chart[(r, c)] = v
    other = {(0, c): v for c, v in enumerate([1, 2, 3, 4])}
    for r in range(3):
        for c in range(3):
            other[(2 + r, c)] = 10 * (r + 1) + c + 1
    other[(6, 4)] = "12.5"
    other[(7, 5)] = "abc"
    return [("Chart", chart), ("Other", other), ("Empty", {})]


def column_name(c):
    name = ""
    c += 1
    while c:
        c, rest = divmod(c - 1, 26)
        name = chr(65 + rest) + name
    return name


def write_xlsx(path):
    strings = []
    parts = {}
    names = []
    for index, (name, cells) in enumerate(sheets(), start=1):
        names.append(name)
        rows = {}
        for (r, c), v in sorted(cells.items()):
            ref = f"{column_name(c)}{r + 1}"
            if isinstance(v, str):
                if v not in strings:
                    strings.append(v)
                cell = f'<c r="{ref}" t="s"><v>{strings.index(v)}</v></c>'
            else:
                cell = f'<c r="{ref}"><v>{v}</v></c>'
            rows.setdefault(r, []).append(cell)
        body = "".join(f'<row r="{r + 1}">{"".join(cs)}</row>' for r, cs in sorted(rows.items()))
        parts[f"xl/worksheets/sheet{index}.xml"] = (
            '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n'
            '<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">'
            f"<sheetData>{body}</sheetData></worksheet>")
    sheet_list = "".join(f'<sheet name="{n}" sheetId="{i}" r:id="rId{i}"/>'
                         for i, n in enumerate(names, start=1))
    parts["xl/workbook.xml"] = (
        '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n'
        '<workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" '
        'xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships">'
        f"<sheets>{sheet_list}</sheets></workbook>")
    rels = "".join(
        f'<Relationship Id="rId{i}" Type="http://schemas.openxmlformats.org/officeDocument/'
        f'2006/relationships/worksheet" Target="worksheets/sheet{i}.xml"/>'
        for i in range(1, len(names) + 1))
    rels += (f'<Relationship Id="rId{len(names) + 1}" Type="http://schemas.openxmlformats.org/'
             'officeDocument/2006/relationships/sharedStrings" Target="sharedStrings.xml"/>')
    parts["xl/_rels/workbook.xml.rels"] = (
        '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n'
        '<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">'
        f"{rels}</Relationships>")
    items = "".join(f"<si><t>{s}</t></si>" for s in strings)
    parts["xl/sharedStrings.xml"] = (
        '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n'
        '<sst xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" '
        f'count="{len(strings)}" uniqueCount="{len(strings)}">{items}</sst>')
    overrides = "".join(
        f'<Override PartName="/xl/worksheets/sheet{i}.xml" ContentType="application/'
        'vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml"/>'
        for i in range(1, len(names) + 1))
    content_types = (
        '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n'
        '<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">'
        '<Default Extension="rels" ContentType="application/'
        'vnd.openxmlformats-package.relationships+xml"/>'
        '<Default Extension="xml" ContentType="application/xml"/>'
        '<Override PartName="/xl/workbook.xml" ContentType="application/'
        'vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml"/>'
        '<Override PartName="/xl/sharedStrings.xml" ContentType="application/'
        'vnd.openxmlformats-officedocument.spreadsheetml.sharedStrings+xml"/>'
        f"{overrides}</Types>")
    root_rels = (
        '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n'
        '<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">'
        '<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/'
        'relationships/officeDocument" Target="xl/workbook.xml"/></Relationships>')
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as z:
        # A fixed date keeps the file the same on every run.
        def add(name, text):
            info = zipfile.ZipInfo(name, date_time=(2020, 1, 1, 0, 0, 0))
            info.compress_type = zipfile.ZIP_DEFLATED
            z.writestr(info, text)
        add("[Content_Types].xml", content_types)
        add("_rels/.rels", root_rels)
        for name, text in parts.items():
            add(name, text)


def write_xls(path):
    book = xlwt.Workbook()
    for name, cells in sheets():
        sheet = book.add_sheet(name)
        for (r, c), v in cells.items():
            sheet.write(r, c, v)
    book.save(path)


if __name__ == "__main__":
    write_xlsx("chart.xlsx")
    write_xls("chart.xls")
