#!/usr/bin/env python3
"""Writes the hostile workbooks of the package fuzzers' seed folder (platform/office/opc/fuzz_seeds).

A candidate may leave any file in his folder; these two start the fuzzers where such files hurt:
  deep_drawing.xlsx  a chart frame nested 100,000 group shapes deep in the sheet's drawing
  huge_parts.xlsx    a few kilobytes whose sheet, styles, shared strings and drawing each inflate
                     to a quarter megabyte of tiny elements (the full-size attack, parts of 63 MB,
                     is cut short by the package's memory budget; its seed is kept small so that
                     a fuzz run stays within its time limit)

Run it from the repository's root: python3 platform/office/excel/testing/make_hostile_seeds.py
"""
import os
import zipfile

SEEDS = os.path.join("platform", "office", "opc", "fuzz_seeds")
MAIN = "http://schemas.openxmlformats.org/spreadsheetml/2006/main"
REL = "http://schemas.openxmlformats.org/officeDocument/2006/relationships"
PKG_REL = "http://schemas.openxmlformats.org/package/2006/relationships"
XDR = "http://schemas.openxmlformats.org/drawingml/2006/spreadsheetDrawing"
DML = "http://schemas.openxmlformats.org/drawingml/2006/main"
CHART = "http://schemas.openxmlformats.org/drawingml/2006/chart"

CONTENT_TYPES = (
    '<?xml version="1.0" encoding="UTF-8"?>'
    '<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">'
    '<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>'
    '<Default Extension="xml" ContentType="application/xml"/>'
    '<Override PartName="/xl/workbook.xml" '
    'ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml"/>'
    '<Override PartName="/xl/worksheets/sheet1.xml" '
    'ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml"/>'
    '<Override PartName="/xl/drawings/drawing1.xml" '
    'ContentType="application/vnd.openxmlformats-officedocument.drawing+xml"/>'
    '<Override PartName="/xl/charts/chart1.xml" '
    'ContentType="application/vnd.openxmlformats-officedocument.drawingml.chart+xml"/>'
    "</Types>")


def rels(*targets):
    body = "".join(f'<Relationship Id="{i}" Type="{REL}/{t}" Target="{p}"/>' for i, t, p in targets)
    return f'<?xml version="1.0" encoding="UTF-8"?><Relationships xmlns="{PKG_REL}">{body}</Relationships>'


WORKBOOK = (f'<?xml version="1.0" encoding="UTF-8"?><workbook xmlns="{MAIN}" xmlns:r="{REL}">'
            '<sheets><sheet name="Sheet1" sheetId="1" r:id="rId1"/></sheets></workbook>')

CHART_PART = (
    f'<c:chartSpace xmlns:c="{CHART}" xmlns:a="{DML}"><c:chart><c:plotArea><c:barChart>'
    '<c:barDir val="col"/><c:ser><c:idx val="0"/><c:order val="0"/><c:val><c:numRef>'
    "<c:f>Sheet1!$A$1:$A$2</c:f></c:numRef></c:val></c:ser></c:barChart></c:plotArea>"
    "</c:chart></c:chartSpace>")

FRAME = ('<xdr:graphicFrame macro=""><xdr:nvGraphicFramePr><xdr:cNvPr id="2" name="图表 1"/>'
         "<xdr:cNvGraphicFramePr/></xdr:nvGraphicFramePr><xdr:xfrm/><a:graphic>"
         f'<a:graphicData uri="{CHART}"><c:chart r:id="rId1"/></a:graphicData></a:graphic>'
         "</xdr:graphicFrame>")


def drawing(inner):
    return (f'<?xml version="1.0" encoding="UTF-8"?><xdr:wsDr xmlns:xdr="{XDR}" xmlns:a="{DML}" '
            f'xmlns:c="{CHART}" xmlns:r="{REL}"><xdr:absoluteAnchor><xdr:pos x="0" y="0"/>'
            f'<xdr:ext cx="1" cy="1"/>{inner}<xdr:clientData/></xdr:absoluteAnchor></xdr:wsDr>')


def sheet(rows):
    return (f'<?xml version="1.0" encoding="UTF-8"?><worksheet xmlns="{MAIN}" xmlns:r="{REL}">'
            f'<sheetData>{rows}</sheetData><drawing r:id="rId1"/></worksheet>')


def write(name, parts):
    with zipfile.ZipFile(os.path.join(SEEDS, name), "w", zipfile.ZIP_DEFLATED,
                         compresslevel=9) as z:
        for part, text in parts:
            z.writestr(part, text)


def common(sheet_xml, drawing_xml):
    return [
        ("[Content_Types].xml", CONTENT_TYPES),
        ("_rels/.rels", rels(("rId1", "officeDocument", "xl/workbook.xml"))),
        ("xl/workbook.xml", WORKBOOK),
        ("xl/_rels/workbook.xml.rels",
         rels(("rId1", "worksheet", "worksheets/sheet1.xml"), ("rId2", "styles", "styles.xml"),
              ("rId3", "sharedStrings", "sharedStrings.xml"))),
        ("xl/worksheets/sheet1.xml", sheet_xml),
        ("xl/worksheets/_rels/sheet1.xml.rels", rels(("rId1", "drawing", "../drawings/drawing1.xml"))),
        ("xl/drawings/drawing1.xml", drawing_xml),
        ("xl/drawings/_rels/drawing1.xml.rels", rels(("rId1", "chart", "../charts/chart1.xml"))),
        ("xl/charts/chart1.xml", CHART_PART),
    ]


def main():
    depth = 100000
    deep = "<xdr:grpSp>" * depth + FRAME + "</xdr:grpSp>" * depth
    rows = '<row r="1"><c r="A1"><v>3</v></c></row><row r="2"><c r="A2"><v>5</v></c></row>'
    write("deep_drawing.xlsx", common(sheet(rows), drawing(deep)))

    size = 1 << 18
    fill = lambda unit: unit * (size // len(unit))
    parts = common(sheet(fill("<row/>")), drawing(fill("<xdr:sp/>") + FRAME))
    parts += [("xl/styles.xml", f'<styleSheet xmlns="{MAIN}">{fill("<fonts/>")}</styleSheet>'),
              ("xl/sharedStrings.xml", f'<sst xmlns="{MAIN}">{fill("<si/>")}</sst>')]
    write("huge_parts.xlsx", parts)


if __name__ == "__main__":
    main()
