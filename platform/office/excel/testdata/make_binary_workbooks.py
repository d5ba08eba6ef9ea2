#!/usr/bin/env python3
"""Writes binary_values.xls and its twin binary_values.xlsx: one flat spreadsheet document (made
here, so the cells are exactly these) saved by LibreOffice Calc in both formats. Needs
LibreOffice (libreoffice-calc-nogui) only to be run again; the tests read the saved files.

    python3 make_binary_workbooks.py [OUTDIR]
"""
import os
import subprocess
import sys
import tempfile
from xml.sax.saxutils import escape


def attr(text):
    return escape(str(text), {'"': "&quot;"})


def cell(value):
    """A table cell: None is empty; a tuple is (kind, ...) for formulas, dates, times,
    booleans and formatted numbers; str and numbers are text and number cells."""
    if value is None:
        return "<table:table-cell/>"
    if isinstance(value, tuple):
        kind = value[0]
        if kind == "formula":
            _, formula, vtype, cached = value
            if vtype == "float":
                typed = f'office:value-type="float" office:value="{cached}"'
            elif vtype == "string":
                typed = f'office:value-type="string" office:string-value="{attr(cached)}"'
            else:
                typed = f'office:value-type="boolean" office:boolean-value="{cached}"'
            shown = f"<text:p>{escape(str(cached))}</text:p>" if vtype == "string" and cached else ""
            return f'<table:table-cell table:formula="{attr(formula)}" {typed}>{shown}</table:table-cell>'
        if kind == "date":
            return (f'<table:table-cell table:style-name="{value[2]}" office:value-type="date" '
                    f'office:date-value="{value[1]}"/>')
        if kind == "time":
            return (f'<table:table-cell table:style-name="ctime" office:value-type="time" '
                    f'office:time-value="{value[1]}"/>')
        if kind == "bool":
            return (f'<table:table-cell table:style-name="cbool" office:value-type="boolean" '
                    f'office:boolean-value="{value[1]}"/>')
        if kind == "styled":
            return (f'<table:table-cell table:style-name="{value[1]}" office:value-type="float" '
                    f'office:value="{value[2]!r}"/>')
    if isinstance(value, (int, float)):
        return f'<table:table-cell office:value-type="float" office:value="{value!r}"/>'
    paragraphs = "".join(f"<text:p>{escape(line)}</text:p>" for line in value.split("\n"))
    return f'<table:table-cell office:value-type="string">{paragraphs}</table:table-cell>'


def table(name, rows):
    body = "".join("<table:table-row>" + "".join(cell(c) for c in row) + "</table:table-row>\n"
                   for row in rows)
    return f'<table:table table:name="{attr(name)}">\n{body}</table:table>\n'


SHEETS = [
    ("Sheet1", [
        ["filename", "答题.xlsx", None, 100],
        # A rule row with an empty cell inside it.
        [None, "CHECK", "宋体", None, "and", 12.5, "第2题"],
        ["x", 3, 0.1, -7, 1e20, 123456789012, 1.5e-7],
        [("formula", "of:=[.B3]+2", "float", 5),
         ("formula", 'of:=[.A3]&"y"', "string", "xy"),
         ("date", "2024-06-01", "cdate"),
         ("date", "2024-06-01T13:45:30", "cdatetime"),
         ("time", "PT07H30M00S"),
         ("bool", "true"),
         ("formula", "of:=[.B3]>1", "boolean", "true"),
         ("formula", "of:=1/0", "float", 0),
         ("formula", 'of:=""', "string", "")],
        [("styled", "ccurrency", 12.34567), ("styled", "cpercent", 0.25), "_x0041_ 原样",
         "两行\n文字", "END"],
    ]),
    ("第二页", [["中文", ("formula", "of:=[$Sheet1.B3]*2", "float", 6)]]),
    ("空的一页", [[None, None, "右上"]]),
]

DOCUMENT = """<?xml version="1.0" encoding="UTF-8"?>
<office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0"
 xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0"
 xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"
 xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0"
 xmlns:number="urn:oasis:names:tc:opendocument:xmlns:datastyle:1.0"
 xmlns:config="urn:oasis:names:tc:opendocument:xmlns:config:1.0"
 xmlns:of="urn:oasis:names:tc:opendocument:xmlns:of:1.2"
 office:version="1.2" office:mimetype="application/vnd.oasis.opendocument.spreadsheet">
<office:settings><config:config-item-set config:name="ooo:view-settings">
<config:config-item-map-indexed config:name="Views"><config:config-item-map-entry>
<config:config-item config:name="ViewId" config:type="string">view1</config:config-item>
<config:config-item config:name="ActiveTable" config:type="string">第二页</config:config-item>
</config:config-item-map-entry></config:config-item-map-indexed>
</config:config-item-set></office:settings>
<office:automatic-styles>
<number:date-style style:name="ndate"><number:year number:style="long"/><number:text>-</number:text><number:month number:style="long"/><number:text>-</number:text><number:day number:style="long"/></number:date-style>
<number:date-style style:name="ndatetime"><number:year number:style="long"/><number:text>/</number:text><number:month/><number:text>/</number:text><number:day/><number:text> </number:text><number:hours/><number:text>:</number:text><number:minutes number:style="long"/><number:text>:</number:text><number:seconds number:style="long"/></number:date-style>
<number:time-style style:name="ntime"><number:hours/><number:text>:</number:text><number:minutes number:style="long"/></number:time-style>
<number:boolean-style style:name="nbool"><number:boolean/></number:boolean-style>
<number:currency-style style:name="ncurrency" number:language="zh" number:country="CN"><number:currency-symbol number:language="zh" number:country="CN">¥</number:currency-symbol><number:number number:decimal-places="2" number:min-integer-digits="1" number:grouping="true"/></number:currency-style>
<number:percentage-style style:name="npercent"><number:number number:decimal-places="0" number:min-integer-digits="1"/><number:text>%</number:text></number:percentage-style>
<style:style style:name="cdate" style:family="table-cell" style:data-style-name="ndate"/>
<style:style style:name="cdatetime" style:family="table-cell" style:data-style-name="ndatetime"/>
<style:style style:name="ctime" style:family="table-cell" style:data-style-name="ntime"/>
<style:style style:name="cbool" style:family="table-cell" style:data-style-name="nbool"/>
<style:style style:name="ccurrency" style:family="table-cell" style:data-style-name="ncurrency"/>
<style:style style:name="cpercent" style:family="table-cell" style:data-style-name="npercent"/>
</office:automatic-styles>
<office:body><office:spreadsheet>
TABLES</office:spreadsheet></office:body></office:document>
"""


# Formulas are calculated when a file is loaded: Calc writes a formula's text result into the
# binary format only when it has calculated it.
RECALCULATE = """<?xml version="1.0" encoding="UTF-8"?>
<oor:items xmlns:oor="http://openoffice.org/2001/registry">
<item oor:path="/org.openoffice.Office.Calc/Formula/Load"><prop oor:name="OOXMLRecalcMode" oor:op="fuse"><value>0</value></prop></item>
<item oor:path="/org.openoffice.Office.Calc/Formula/Load"><prop oor:name="ODFRecalcMode" oor:op="fuse"><value>0</value></prop></item>
</oor:items>
"""


def convert(source, outdir, extension, filter_name, profile):
    subprocess.run(
        ["soffice", "--headless", "--norestore", f"-env:UserInstallation=file://{profile}",
         "--convert-to", f"{extension}:{filter_name}", "--outdir", outdir, source],
        check=True, stdout=subprocess.DEVNULL)


def save_twins(source, outdir):
    """Saves the document with LibreOffice Calc as .xlsx, and that .xlsx, loaded and calculated
    again, as .xls."""
    name = os.path.splitext(os.path.basename(source))[0]
    with tempfile.TemporaryDirectory() as profile:
        os.makedirs(os.path.join(profile, "user"))
        with open(os.path.join(profile, "user", "registrymodifications.xcu"), "w") as out:
            out.write(RECALCULATE)
        convert(source, outdir, "xlsx", "Calc MS Excel 2007 XML", profile)
        convert(os.path.join(outdir, name + ".xlsx"), outdir, "xls", "MS Excel 97", profile)


def main():
    outdir = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(__file__))
    with tempfile.TemporaryDirectory() as work:
        source = os.path.join(work, "binary_values.fods")
        with open(source, "w", encoding="utf-8") as out:
            out.write(DOCUMENT.replace("TABLES", "".join(table(n, r) for n, r in SHEETS)))
        save_twins(source, outdir)


if __name__ == "__main__":
    main()
