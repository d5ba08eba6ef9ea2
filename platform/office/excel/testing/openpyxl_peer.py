#!/usr/bin/python3
# The peer of the model's benchmarks: Debian's python3-openpyxl, in one long-running process,
# loading the same two workbooks and reading the same cells and formats (the answer workbook's
# rule grid as the rule engine reads it; a task's reads of the candidate's workbook).
#   grading/engine/engine_benchmark --write /tmp/answer.xlsx
#   platform/office/excel/excel_benchmark --write /tmp
#   platform/office/excel/testing/openpyxl_peer.py /tmp/answer.xlsx /tmp/candidate.xlsx
import sys
import time
import warnings

import openpyxl


def read_grid(path):
    book = openpyxl.load_workbook(path)
    sheet = book.active
    grid = {}
    for row in range(1, 101):
        for column in range(1, 51):
            value = sheet.cell(row, column).value
            text = "" if value is None else str(value)
            grid[row, column] = text
            if column == 1 and text == "END":
                return grid
            if text == "" and column > 6:
                break
    return grid


def task_reads(path):
    book = openpyxl.load_workbook(path)
    sheet = book["成绩"]
    total = 0
    total += sheet["A1"].value is not None
    total += any(str(m) == "A1:H1" for m in sheet.merged_cells.ranges)
    total += len(sheet["A1"].font.name or "") + int(sheet["A1"].font.sz or 0)
    for cell in sheet["A2:H2"][0]:
        total += bool(cell.font.b) + bool(cell.font.i) + bool(cell.font.u)
        total += cell.fill.fill_type is not None
        total += cell.alignment.horizontal is not None
    total += sheet["A1"].font.color is not None
    for row in sheet["A2:H62"]:
        for cell in row:
            total += cell.border.left.style is not None
    total += int(sheet.column_dimensions["A"].width or 0) + int(sheet.column_dimensions["B"].width or 0)
    total += int(sheet.row_dimensions[1].height or 0)
    for row in sheet["C3:E62"]:
        for cell in row:
            total += len(cell.number_format)
    total += len(sheet["H3"].number_format)
    total += len(str(sheet["F3"].value)) + len(str(sheet["G10"].value))
    total += sheet["F62"].value is not None and sheet["B30"].value is not None
    total += sheet["H40"].value is not None
    for row in sheet["C3:C62"]:
        total += len(row[0].font.name or "")
    return total


def measure(name, work, path, seconds=3.0):
    work(path)  # warm up
    count = 0
    start = time.perf_counter()
    while time.perf_counter() - start < seconds:
        work(path)
        count += 1
    per = (time.perf_counter() - start) / count
    print("%-28s %10.1f us  (%d runs)" % (name, per * 1e6, count))
    return per


def main():
    warnings.simplefilter("ignore")  # files written without a default style are fine here
    answer, candidate = sys.argv[1], sys.argv[2]
    print("openpyxl", openpyxl.__version__)
    measure("answer: load + grid", read_grid, answer)
    measure("candidate: load + task reads", task_reads, candidate)


if __name__ == "__main__":
    main()
