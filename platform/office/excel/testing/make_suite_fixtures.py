#!/usr/bin/python3
# Makes the workbooks in ../testdata with a real office suite (LibreOffice Calc through its UNO
# bridge; Debian packages libreoffice-calc-nogui and python3-uno), so the model's tests read files
# as a suite writes them. Run once by hand; the tests only read the committed files.
#   platform/office/excel/testing/make_suite_fixtures.py platform/office/excel/testing/../testdata
import os
import subprocess
import sys
import time

import uno
from com.sun.star.beans import PropertyValue
from com.sun.star.table import BorderLine2, CellRangeAddress


def prop(name, value):
    p = PropertyValue()
    p.Name = name
    p.Value = value
    return p


def connect():
    office = subprocess.Popen(
        ["soffice", "--headless", "--invisible", "--norestore",
         "-env:UserInstallation=file:///tmp/kirv_fixture_profile",
         "--accept=pipe,name=kirvfixtures;urp;"])
    resolver = uno.getComponentContext().ServiceManager.createInstanceWithContext(
        "com.sun.star.bridge.UnoUrlResolver", uno.getComponentContext())
    for _ in range(60):
        try:
            ctx = resolver.resolve(
                "uno:pipe,name=kirvfixtures;urp;StarOffice.ComponentContext")
            return office, ctx.ServiceManager.createInstanceWithContext(
                "com.sun.star.frame.Desktop", ctx)
        except Exception:
            time.sleep(0.5)
    raise SystemExit("soffice did not answer")


def line(width, color=0):
    b = BorderLine2()
    b.OuterLineWidth = width
    b.LineWidth = width
    b.Color = color
    return b


def set_char(cell, name, value):
    # Chinese text is drawn with the Asian font properties, Latin text with the Western ones.
    setattr(cell, name, value)
    setattr(cell, name + "Asian", value)


def save(doc, folder, name):
    path = os.path.abspath(os.path.join(folder, name))
    doc.storeToURL(uno.systemPathToFileUrl(path), (prop("FilterName", "Calc MS Excel 2007 XML"),))
    doc.close(True)


def number_format(doc, code):
    formats = doc.NumberFormats
    locale = uno.createUnoStruct("com.sun.star.lang.Locale")
    key = formats.queryKey(code, locale, False)
    return key if key != -1 else formats.addNew(code, locale)


def formats_book(desktop, folder):
    doc = desktop.loadComponentFromURL("private:factory/scalc", "_blank", 0, (prop("Hidden", True),))
    sheets = doc.Sheets
    data = sheets.getByIndex(0)
    sheets.insertNewByName("汇总", 1)
    data.Name = "Data"
    rows = [["名称", "数量", "单价", "日期"],
            ["苹果", 3, 2.5, 45444],
            ["香蕉", 12, 1.25, 45445],
            ["Cherry", 7, 12.345678, 45446],
            ["Date", 0.5, 100, 45447.5],
            ["Elder", 1234567.891, 0.25, 1]]
    for r, row in enumerate(rows):
        for c, v in enumerate(row):
            cell = data.getCellByPosition(c, r)
            if isinstance(v, str):
                cell.String = v
            else:
                cell.Value = v
    set_char(data.getCellRangeByName("A1"), "CharWeight", 150.0)  # bold
    set_char(data.getCellRangeByName("B1"), "CharPosture", uno.Enum("com.sun.star.awt.FontSlant", "ITALIC"))
    data.getCellRangeByName("C1").CharUnderline = 1  # single
    d1 = data.getCellRangeByName("D1")
    set_char(d1, "CharWeight", 150.0)
    set_char(d1, "CharPosture", uno.Enum("com.sun.star.awt.FontSlant", "ITALIC"))
    d1.CharUnderline = 2  # double
    data.getCellRangeByName("A2").CharColor = 0xFF0000
    set_char(data.getCellRangeByName("A3"), "CharFontName", "宋体")
    set_char(data.getCellRangeByName("A4"), "CharHeight", 14.0)
    data.getCellRangeByName("A5").CharColor = 0x0070C0
    data.getCellRangeByName("B2").CellBackColor = 0xFFFF00
    data.getCellRangeByName("C2").HoriJustify = 2  # centre
    data.getCellRangeByName("C3").VertJustify = 1  # top
    data.getCellRangeByName("D2").RotateAngle = 9000
    borders = data.getCellRangeByName("B3:C4")
    table = borders.TableBorder2
    thin = line(26)
    for side in ("TopLine", "BottomLine", "LeftLine", "RightLine"):
        setattr(table, side, thin)
        setattr(table, "Is" + side + "Valid", True)
    table.VerticalLine = line(53, 0xFF0000)
    table.IsVerticalLineValid = True
    borders.TableBorder2 = table
    data.getCellRangeByName("A8:C8").merge(True)
    data.getCellRangeByName("A8").String = "合并"
    data.getCellRangeByName("B2:B4").NumberFormat = number_format(doc, "0.00")
    data.getCellRangeByName("B6").NumberFormat = number_format(doc, "#,##0.00")
    data.getCellRangeByName("C2:C6").NumberFormat = number_format(doc, "[$¥-804]#,##0.00")
    data.getCellRangeByName("D2:D4").NumberFormat = number_format(doc, "YYYY/M/D")
    data.getCellRangeByName("D5:D6").NumberFormat = number_format(doc, "YYYY/M/D H:MM")
    data.getCellRangeByName("B5").NumberFormat = number_format(doc, "0%")
    for r in range(2, 7):
        data.getCellRangeByName("E%d" % r).Formula = "=B%d*C%d" % (r, r)
    data.getCellRangeByName("E7").Formula = "=SUM(E2:E6)"
    data.getCellRangeByName("F2").Formula = "=$汇总.A1&\"!\""
    data.getCellRangeByName("F3").Formula = "=$B$2+B3+B$4"
    data.getCellRangeByName("F4").Formula = "=sum(A:A)"
    data.Columns.getByIndex(0).Width = 3000  # 30 mm
    data.Rows.getByIndex(0).Height = 1000  # 10 mm
    summary = sheets.getByName("汇总")
    summary.getCellRangeByName("A1").String = "总计"
    doc.NamedRanges.addNewByName("Colum1", "$Data.$A$1:$D$6",
                                 data.getCellRangeByName("A1").CellAddress, 0)
    save(doc, folder, "suite_formats.xlsx")


def filter_book(desktop, folder):
    doc = desktop.loadComponentFromURL("private:factory/scalc", "_blank", 0, (prop("Hidden", True),))
    sheet = doc.Sheets.getByIndex(0)
    sheet.Name = "成绩"
    rows = [["姓名", "成绩", "班级"], ["张三", 55, "一班"], ["李四", 72, "二班"],
            ["王五", 88, "一班"], ["赵六", 60, "二班"], ["钱七", 91, "一班"],
            ["孙八", 43, "二班"]]
    for r, row in enumerate(rows):
        for c, v in enumerate(row):
            cell = sheet.getCellByPosition(c, r)
            if isinstance(v, str):
                cell.String = v
            else:
                cell.Value = v
    area = CellRangeAddress()
    area.Sheet, area.StartColumn, area.StartRow, area.EndColumn, area.EndRow = 0, 0, 0, 2, 6
    # The sheet's own filter (not a named database range, which would be written as a table).
    unnamed = doc.getPropertyValue("UnnamedDatabaseRanges")
    unnamed.setByTable(area)
    database = unnamed.getByTable(0)
    database.AutoFilter = True
    descriptor = database.getFilterDescriptor()
    field = uno.createUnoStruct("com.sun.star.sheet.TableFilterField")
    field.Field = 1
    field.Operator = uno.Enum("com.sun.star.sheet.FilterOperator", "GREATER_EQUAL")
    field.IsNumeric = True
    field.NumericValue = 60
    descriptor.FilterFields = (field,)
    database.refresh()
    doc.NamedRanges.addNewByName("Colum1", "$成绩.$A$1:$C$7",
                                 sheet.getCellRangeByName("A1").CellAddress, 0)
    save(doc, folder, "suite_filter.xlsx")


def autofit_book(desktop, folder):
    doc = desktop.loadComponentFromURL("private:factory/scalc", "_blank", 0, (prop("Hidden", True),))
    sheet = doc.Sheets.getByIndex(0)
    texts = {"A": ["编号", "1", "2"],
             "B": ["Product description", "A rather long name", "short"],
             "C": ["数量", "123456789", "42"],
             "D": ["中文标题文字", "计算机基础", "考试"],
             "E": ["wide", "x", "y"]}
    for col, values in texts.items():
        for r, v in enumerate(values):
            cell = sheet.getCellRangeByName("%s%d" % (col, r + 1))
            if v.isdigit():
                cell.Value = int(v)
            else:
                cell.String = v
    for index in range(1, 4):  # B:D fitted
        sheet.Columns.getByIndex(index).OptimalWidth = True
    sheet.Columns.getByIndex(4).Width = 6000  # E widened by hand (60 mm)
    save(doc, folder, "suite_autofit.xlsx")


def chart_book(desktop, folder):
    doc = desktop.loadComponentFromURL("private:factory/scalc", "_blank", 0, (prop("Hidden", True),))
    sheet = doc.Sheets.getByIndex(0)
    sheet.Name = "Sheet1"
    rows = [["", "销量", "成本"], ["一月", 120, 80.5], ["二月", 150, 95.25], ["三月", 90, 60],
            ["四月", 200, 130.75]]
    for r, row in enumerate(rows):
        for c, v in enumerate(row):
            cell = sheet.getCellByPosition(c, r)
            if isinstance(v, str):
                cell.String = v
            else:
                cell.Value = v
    sheet.getCellRangeByName("C2:C5").NumberFormat = number_format(doc, "[$¥-804]#,##0.00")
    rect = uno.createUnoStruct("com.sun.star.awt.Rectangle")
    rect.X, rect.Y, rect.Width, rect.Height = 8000, 1000, 12000, 8000
    area = CellRangeAddress()
    area.Sheet, area.StartColumn, area.StartRow, area.EndColumn, area.EndRow = 0, 0, 0, 2, 4
    sheet.Charts.addNewByName("图表 1", rect, (area,), True, True)
    chart = sheet.Charts.getByName("图表 1").EmbeddedObject
    chart.HasMainTitle = True
    chart.Title.String = "销售统计"
    chart.Title.CharColor = 0xFF0000
    chart.Title.CharWeight = 150.0
    chart.HasLegend = True
    chart.Legend.Alignment = uno.Enum("com.sun.star.chart.ChartLegendPosition", "BOTTOM")
    axis = chart.Diagram.getYAxis()
    axis.LinkNumberFormatToSource = False
    axis.NumberFormat = number_format(chart, "#,##0.00")
    save(doc, folder, "suite_chart.xlsx")


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else "."
    office, desktop = connect()
    try:
        formats_book(desktop, folder)
        filter_book(desktop, folder)
        autofit_book(desktop, folder)
        chart_book(desktop, folder)
    finally:
        try:
            desktop.terminate()
        except Exception:
            pass
        office.wait(timeout=30)


main()
