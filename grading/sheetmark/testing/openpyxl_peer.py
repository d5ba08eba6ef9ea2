#!/usr/bin/python3
# The peer of sheetmark's benchmark: Debian's python3-openpyxl, in one long-running process,
# loading the demo spreadsheet task's two workbooks and reading the cells and properties its
# ten rules read (the answer workbook's grid as the engine reads it, then each rule's cells of
# the candidate's workbook). benchmark.cpp runs it and prints both times and their ratio.
#   openpyxl_peer.py ANSWER CANDIDATE [SECONDS]
# prints one line "per-run-microseconds runs".
import os
import runpy
import sys
import time
import warnings

import openpyxl

HERE = os.path.dirname(os.path.abspath(__file__))
# The spreadsheet model's peer, whose read_grid reads an answer workbook as the engine does.
read_grid = runpy.run_path(
    os.path.join(HERE, "../../../platform/office/excel/testing/openpyxl_peer.py"))["read_grid"]


def rules(path):
    book = openpyxl.load_workbook(path)
    sheet = book["成绩表"]
    total = 0
    total += len(str(sheet["E2"].value))                      # the formula
    total += sheet["E2"].value is not None                    # the total
    for cell in sheet["A1:E1"][0]:                           # heading: style and size
        total += bool(cell.font.b) + bool(cell.font.i) + bool(cell.font.u) + int(cell.font.sz or 0)
    for row in range(2, 12):                                  # the sort column
        total += sheet.cell(row, 5).value is not None
    for row in sheet["A1:E11"]:                               # borders: left edge, inside lines
        for cell in row:
            total += cell.border.left.style is not None
            total += cell.border.right.style is not None
            total += cell.border.left.color is not None
    for row in sheet["B2:E11"]:                               # number formats
        for cell in row:
            total += len(cell.number_format)
    copy = book["备份"]                                       # the sheet copy, cell by cell
    for row in range(1, 12):
        for column in range(1, 6):
            total += sheet.cell(row, column).value == copy.cell(row, column).value
    for letter in "ABCDE":                                    # column widths and what they fit
        total += int(sheet.column_dimensions[letter].width or 0)
    for row in sheet["A1:E11"]:
        for cell in row:
            total += len(str(cell.value)) + len(cell.font.name or "")
    total += len(str(sheet.auto_filter.ref))                  # the filter and the rows it hides
    for column in sheet.auto_filter.filterColumn:
        total += column.colId
    for row in range(1, 51):
        total += bool(sheet.row_dimensions[row].hidden)
        for column in range(1, 27):
            total += sheet.cell(row, column).value is not None
    for chart in sheet._charts:                               # the chart: title, type, legend, source
        total += chart.title is not None
        total += len(chart.tagname)
        total += chart.legend is not None and len(chart.legend.position or "")
        for series in chart.series:
            total += len(series.cat.strRef.f) if series.cat and series.cat.strRef else 0
            total += len(series.val.numRef.f) if series.val and series.val.numRef else 0
    return total


def grade(answer, candidate):
    # Opened as a file: openpyxl refuses a package named ".xls" by its name alone.
    with open(answer, "rb") as answer_file:
        read_grid(answer_file)
    return rules(candidate)


def main():
    warnings.simplefilter("ignore")
    answer, candidate = sys.argv[1], sys.argv[2]
    seconds = float(sys.argv[3]) if len(sys.argv) > 3 else 3.0
    grade(answer, candidate)  # warm up
    runs = 0
    start = time.perf_counter()
    while time.perf_counter() - start < seconds:
        grade(answer, candidate)
        runs += 1
    print("%.1f %d" % ((time.perf_counter() - start) / runs * 1e6, runs))


if __name__ == "__main__":
    main()
