#!/usr/bin/python3
# The peer of docmark's benchmark: Debian's python3-docx, in one long-running process, opening a
# candidate's document and reading the properties a task's rules typically read (the text of the
# first paragraphs and a search through all of them, run fonts, sizes, bold, italic, underline and
# colour, paragraph alignment, indents and spacing, the first section's page size, margins and
# header distances, the header's first paragraph, the first table's rows, columns, a cell's text,
# its alignment, style and first row's height), so the benchmark can time it beside the control
# in one run. python-docx reads what the file states and resolves no styles: it does less than the
# control does, which makes the comparison fair to it.
#   python_docx_peer.py DOCUMENT [SECONDS]   repeats the pass for SECONDS (3 unless told) after one
#                                            to warm up; prints "per-run-microseconds runs"
#   python_docx_peer.py --serve              a request per line on standard input, each the path
#                                            of a document; answers a line per request,
#                                            "microseconds checksum", or "error <why>"
import sys
import time

import docx
from docx.oxml.ns import qn

PARAGRAPHS = 8  # the paragraphs whose text and formatting are read
SOUGHT = "计算机"  # what the search looks for, as a rule's text would be


def length(value):
    """A length or size as a number (python-docx answers None where the file states nothing)."""
    return int(value or 0)


def run_reads(run):
    font = run.font
    total = len(font.name or "") + length(font.size)
    total += bool(font.bold) + bool(font.italic) + bool(font.underline)
    total += (font.color.rgb is not None) if font.color and font.color.type is not None else 0
    fonts = run._element.rPr.rFonts if run._element.rPr is not None else None
    total += len(fonts.get(qn("w:eastAsia")) or "") if fonts is not None else 0
    return total


def paragraph_reads(paragraph):
    layout = paragraph.paragraph_format
    total = len(paragraph.text) + len(paragraph.style.name or "")
    total += int(paragraph.alignment or 0)
    total += length(layout.left_indent) + length(layout.right_indent)
    total += length(layout.first_line_indent)
    total += length(layout.space_before) + length(layout.space_after)
    spacing = layout.line_spacing
    total += int(spacing * 100) if isinstance(spacing, float) else length(spacing)
    total += int(layout.line_spacing_rule or 0)
    for run in paragraph.runs:
        total += run_reads(run)
    return total


def section_reads(section):
    total = length(section.page_width) + length(section.page_height)
    total += length(section.top_margin) + length(section.bottom_margin)
    total += length(section.left_margin) + length(section.right_margin)
    total += length(section.header_distance) + length(section.footer_distance)
    total += int(section.orientation or 0)
    header = section.header.paragraphs
    total += len(header[0].text) if header else 0
    return total


def table_reads(table):
    total = len(table.rows) + len(table.columns)
    total += len(table.cell(0, 0).text)
    total += int(table.alignment or 0)
    total += len(table.style.name) if table.style is not None else 0
    first = table.rows[0]
    total += length(first.height) + int(first.height_rule or 0)
    return total


def read(path):
    """One pass over the document; the sum of what was read, so nothing is optimised away."""
    document = docx.Document(path)
    paragraphs = document.paragraphs
    total = 0
    for paragraph in paragraphs[:PARAGRAPHS]:
        total += paragraph_reads(paragraph)
    total += sum(SOUGHT in paragraph.text for paragraph in paragraphs)
    if document.sections:
        total += section_reads(document.sections[0])
    if document.tables:
        total += table_reads(document.tables[0])
    return total


def serve():
    for line in sys.stdin:
        path = line.rstrip("\r\n")
        if not path:
            continue
        try:
            start = time.perf_counter()
            total = read(path)
            print("%.1f %d" % ((time.perf_counter() - start) * 1e6, total), flush=True)
        except Exception as error:  # the driver reads the reason; the peer goes on
            print("error %s" % str(error).replace("\n", " "), flush=True)


def repeat(path, seconds):
    read(path)  # warm up
    runs = 0
    start = time.perf_counter()
    while time.perf_counter() - start < seconds:
        read(path)
        runs += 1
    print("%.1f %d" % ((time.perf_counter() - start) / runs * 1e6, runs))


def main():
    if len(sys.argv) == 2 and sys.argv[1] == "--serve":
        serve()
    elif len(sys.argv) in (2, 3):
        repeat(sys.argv[1], float(sys.argv[2]) if len(sys.argv) == 3 else 3.0)
    else:
        sys.exit("usage: python_docx_peer.py DOCUMENT [SECONDS] | --serve")


if __name__ == "__main__":
    main()
