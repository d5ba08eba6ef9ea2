#!/usr/bin/env python3
"""Writes legacy_book.xls, a workbook in the binary format of older spreadsheet programs, saved
by LibreOffice Calc (libreoffice-calc-nogui) from a flat document made here. Needed only to make
it again; the converter's tests read the saved file. (A presentation saved in the binary format
carries a preview picture of half a megabyte, so the tests that need one have LibreOffice make it
from testing/converter.h's flat presentation when they run, which is where LibreOffice is.)

    python3 make_legacy_files.py [OUTDIR]
"""
import os
import subprocess
import sys
import tempfile

NAMESPACES = (
    'xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" '
    'xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0" '
    'xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0" '
    'xmlns:draw="urn:oasis:names:tc:opendocument:xmlns:drawing:1.0" '
    'xmlns:svg="urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0" '
    'xmlns:presentation="urn:oasis:names:tc:opendocument:xmlns:presentation:1.0" '
    'office:version="1.2"')

BOOK = f"""<?xml version="1.0" encoding="UTF-8"?>
<office:document {NAMESPACES} office:mimetype="application/vnd.oasis.opendocument.spreadsheet">
<office:body><office:spreadsheet><table:table table:name="Sheet1">
<table:table-row><table:table-cell office:value-type="string"><text:p>旧格式的工作簿</text:p></table:table-cell>
<table:table-cell office:value-type="float" office:value="42"/></table:table-row>
</table:table></office:spreadsheet></office:body></office:document>
"""



def main():
    outdir = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(__file__))
    with tempfile.TemporaryDirectory() as work:
        for name, text, target in (("legacy_book.fods", BOOK, "xls:MS Excel 97"),):
            source = os.path.join(work, name)
            with open(source, "w", encoding="utf-8") as out:
                out.write(text)
            subprocess.run(
                ["soffice", "--headless", "--norestore",
                 f"-env:UserInstallation=file://{work}/profile", "--convert-to", target,
                 "--outdir", outdir, source],
                check=True, stdout=subprocess.DEVNULL)


if __name__ == "__main__":
    main()
