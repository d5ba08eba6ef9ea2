#!/usr/bin/python3
# Makes the documents in this folder with a real word processor (LibreOffice Writer through its
# UNO bridge; Debian packages libreoffice-writer-nogui and python3-uno), so the model's tests read
# files as a word processor writes them. Run once by hand; the tests only read the committed
# files. After saving, each document's XML is searched for what it is meant to hold, and the run
# fails when the writer left something out.
#   platform/office/word/testdata/make_suite_documents.py [FOLDER]   (default: beside the script)
import os
import re
import subprocess
import sys
import tempfile
import time
import zipfile

import uno
from com.sun.star.beans import PropertyValue
from com.sun.star.table import BorderLine2

MM = 100  # LibreOffice measures in hundredths of a millimetre
CM = 1000
PT = 2540 / 72  # one point in hundredths of a millimetre

PARAGRAPH_BREAK = 0  # com.sun.star.text.ControlCharacter.PARAGRAPH_BREAK

# com.sun.star.style.ParagraphAdjust
LEFT, RIGHT, BLOCK, CENTER = 0, 1, 2, 3
# com.sun.star.table.BorderLineStyle
SOLID, DOTTED, DASHED, DOUBLE = 0, 1, 2, 3


def prop(name, value):
    p = PropertyValue()
    p.Name = name
    p.Value = value
    return p


def connect(profile):
    office = subprocess.Popen(
        ["soffice", "--headless", "--invisible", "--norestore",
         "-env:UserInstallation=" + uno.systemPathToFileUrl(profile),
         "--accept=pipe,name=kirvdocuments;urp;"],
        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    resolver = uno.getComponentContext().ServiceManager.createInstanceWithContext(
        "com.sun.star.bridge.UnoUrlResolver", uno.getComponentContext())
    for _ in range(120):
        try:
            ctx = resolver.resolve(
                "uno:pipe,name=kirvdocuments;urp;StarOffice.ComponentContext")
            return office, ctx.ServiceManager.createInstanceWithContext(
                "com.sun.star.frame.Desktop", ctx)
        except Exception:
            time.sleep(0.5)
    office.kill()
    raise SystemExit("soffice did not answer")


def new_document(desktop):
    return desktop.loadComponentFromURL("private:factory/swriter", "_blank", 0,
                                        (prop("Hidden", True),))


def line(style, width_pt, color=0):
    b = BorderLine2()
    b.LineStyle = style
    b.LineWidth = round(width_pt * PT)
    b.Color = color
    return b


def shadow(color):
    s = uno.createUnoStruct("com.sun.star.table.ShadowFormat")
    s.Location = uno.Enum("com.sun.star.table.ShadowLocation", "BOTTOM_RIGHT")
    s.ShadowWidth = 100
    s.Color = color
    return s


def both_scripts(props):
    """Font name, size, weight and posture set for Latin and Chinese text alike."""
    out = dict(props)
    for name in ("CharFontName", "CharHeight", "CharWeight", "CharPosture"):
        if name in props and name + "Asian" not in props:
            out[name + "Asian"] = props[name]
    return out


def apply(target, props):
    for name, value in both_scripts(props).items():
        setattr(target, name, value)


def write_paragraphs(doc, paragraphs):
    """Writes the paragraphs as plain text first and formats them afterwards, so that no
    formatting runs on into the next paragraph. Each paragraph is (text, paragraph properties,
    [(part of the text, character properties), ...]) or just its text."""
    text = doc.Text
    rows = [(p, {}, []) if isinstance(p, str) else p for p in paragraphs]
    cursor = text.createTextCursorByRange(text.End)
    for i, (content, _, _) in enumerate(rows):
        if i or text.String:
            text.insertControlCharacter(cursor, PARAGRAPH_BREAK, False)
        text.insertString(cursor, content, False)
    found = [p for p in iterate(text) if p.supportsService("com.sun.star.text.Paragraph")]
    found = found[len(found) - len(rows):]
    for paragraph, (content, para_props, runs) in zip(found, rows):
        assert paragraph.String == content, (paragraph.String, content)
        apply(paragraph, para_props)
        for part, char_props in runs:
            start = content.index(part)
            run = text.createTextCursorByRange(paragraph.Start)
            run.goRight(start, False)
            run.goRight(len(part), True)
            apply(run, char_props)
    return found


def iterate(container):
    items = container.createEnumeration()
    while items.hasMoreElements():
        yield items.nextElement()


def page_style(doc):
    return doc.StyleFamilies.getByName("PageStyles").getByName("Standard")


def save(doc, path, filter_name="MS Word 2007 XML"):
    doc.storeToURL(uno.systemPathToFileUrl(path), (prop("FilterName", filter_name),))
    doc.close(True)


# ---- the documents ---------------------------------------------------------------------------

def characters(desktop, path):
    doc = new_document(desktop)
    bold = {"CharWeight": 150.0}
    italic = {"CharPosture": uno.Enum("com.sun.star.awt.FontSlant", "ITALIC")}
    write_paragraphs(doc, [
        ("宋体五号文字 Times", {}, [("宋体五号文字 Times", {
            "CharFontName": "Times New Roman", "CharFontNameAsian": "宋体", "CharHeight": 10.5})]),
        ("黑体四号加粗倾斜", {}, [("黑体四号加粗倾斜", {
            "CharFontNameAsian": "黑体", "CharHeight": 14.0, **bold, **italic})]),
        ("红色双下划线", {}, [("红色双下划线", {
            "CharUnderline": 2, "CharUnderlineHasColor": True, "CharUnderlineColor": 0xFF0000})]),
        ("波浪下划线", {}, [("波浪下划线", {"CharUnderline": 10})]),
        ("点式下划线", {}, [("点式下划线", {"CharUnderline": 3})]),
        ("粗下划线", {}, [("粗下划线", {"CharUnderline": 12})]),
        ("蓝色文字", {}, [("蓝色文字", {"CharColor": 0x0000FF})]),
        ("黄色突出显示", {}, [("黄色突出显示", {"CharHighlight": 0xFFFF00})]),
        ("灰色底纹文字", {}, [("灰色底纹文字", {"CharBackColor": 0xC0C0C0})]),
        ("上方着重号", {}, [("上方着重号", {"CharEmphasis": 1})]),
        ("下方着重号", {}, [("下方着重号", {"CharEmphasis": 11})]),
        ("缩放百分之一百五十", {}, [("缩放百分之一百五十", {"CharScaleWidth": 150})]),
        ("加宽三磅", {}, [("加宽三磅", {"CharKerning": round(3 * PT)})]),
        ("紧缩一点五磅", {}, [("紧缩一点五磅", {"CharKerning": -round(1.5 * PT)})]),
        ("面积单位m2", {}, [("2", {"CharEscapement": 14000, "CharEscapementHeight": 58})]),
        ("水的分子式H2O", {}, [("2", {"CharEscapement": -14000, "CharEscapementHeight": 58})]),
        ("阴影文字", {}, [("阴影文字", {"CharShadowed": True})]),
        ("闪烁背景", {}, [("闪烁背景", {"CharFlash": True})]),
        ("加框文字", {}, [("加框文字", {
            "CharTopBorder": line(SOLID, 1.5, 0xFF0000),
            "CharBottomBorder": line(SOLID, 1.5, 0xFF0000),
            "CharLeftBorder": line(SOLID, 1.5, 0xFF0000),
            "CharRightBorder": line(SOLID, 1.5, 0xFF0000),
            "CharBorderDistance": 0})]),
        ("加框带阴影", {}, [("加框带阴影", {
            "CharTopBorder": line(SOLID, 0.5), "CharBottomBorder": line(SOLID, 0.5),
            "CharLeftBorder": line(SOLID, 0.5), "CharRightBorder": line(SOLID, 0.5),
            "CharShadowFormat": shadow(0x808080)})]),
        ("加粗和常规混合", {}, [("加粗", bold)]),
    ])
    save(doc, path)


def paragraphs(desktop, path):
    doc = new_document(desktop)
    def rule(mode, height):
        s = uno.createUnoStruct("com.sun.star.style.LineSpacing")
        s.Mode = mode  # 0 proportional, 1 at least, 3 fixed
        s.Height = height
        return {"ParaLineSpacing": s}

    write_paragraphs(doc, [
        ("左对齐的段落", {"ParaAdjust": LEFT}, []),
        ("居中对齐的段落", {"ParaAdjust": CENTER}, []),
        ("右对齐的段落", {"ParaAdjust": RIGHT}, []),
        ("两端对齐的段落", {"ParaAdjust": BLOCK}, []),
        ("分散对齐的段落", {"ParaAdjust": BLOCK, "ParaLastLineAdjust": BLOCK}, []),
        ("左缩进二厘米右缩进一厘米首行缩进零点七五厘米",
         {"ParaLeftMargin": 2 * CM, "ParaRightMargin": 1 * CM,
          "ParaFirstLineIndent": 750}, []),
        ("悬挂缩进一厘米", {"ParaLeftMargin": 1 * CM, "ParaFirstLineIndent": -1 * CM}, []),
        ("段前十二磅段后六磅",
         {"ParaTopMargin": round(12 * PT), "ParaBottomMargin": round(6 * PT)}, []),
        ("单倍行距", rule(0, 100), []),
        ("一点五倍行距", rule(0, 150), []),
        ("两倍行距", rule(0, 200), []),
        ("多倍行距一点二五", rule(0, 125), []),
        ("最小值十六磅", rule(1, round(16 * PT)), []),
        ("固定值二十磅", rule(3, round(20 * PT)), []),
    ])
    save(doc, path)


def styles(desktop, path):
    doc = new_document(desktop)
    defaults = doc.createInstance("com.sun.star.text.Defaults")
    apply(defaults, {"CharFontName": "Times New Roman", "CharFontNameAsian": "宋体",
                     "CharHeight": 10.5})
    family = doc.StyleFamilies.getByName("ParagraphStyles")
    body = doc.createInstance("com.sun.star.style.ParagraphStyle")
    family.insertByName("考试正文", body)
    body.ParentStyle = "Standard"
    apply(body, {"CharHeight": 12.0, "ParaFirstLineIndent": 846})
    point = doc.createInstance("com.sun.star.style.ParagraphStyle")
    family.insertByName("考试要点", point)
    point.ParentStyle = "考试正文"
    apply(point, {"CharWeight": 150.0, "CharColor": 0xFF0000})
    emphasis = doc.createInstance("com.sun.star.style.CharacterStyle")
    doc.StyleFamilies.getByName("CharacterStyles").insertByName("考试强调", emphasis)
    apply(emphasis, {"CharPosture": uno.Enum("com.sun.star.awt.FontSlant", "ITALIC"),
                     "CharUnderline": 1, "CharColor": 0x0000FF})
    write_paragraphs(doc, [
        ("默认格式的段落", {}, []),
        ("考试正文样式的段落", {"ParaStyleName": "考试正文"}, []),
        ("考试要点样式的段落", {"ParaStyleName": "考试要点"}, []),
        ("带字符样式的文字和直接加粗", {"ParaStyleName": "考试正文"},
         [("字符样式", {"CharStyleName": "考试强调"}), ("直接加粗", {"CharWeight": 150.0})]),
    ])
    save(doc, path)


def header_footer(doc, header_paragraphs, footer_text):
    style = page_style(doc)
    style.HeaderIsOn = True
    style.FooterIsOn = True
    header = style.HeaderText
    header.String = header_paragraphs[0]
    for more in header_paragraphs[1:]:
        header.insertControlCharacter(header.End, PARAGRAPH_BREAK, False)
        header.insertString(header.End, more, False)
    footer = style.FooterText
    footer.String = footer_text
    number = doc.createInstance("com.sun.star.text.TextField.PageNumber")
    number.NumberingType = 4  # com.sun.star.style.NumberingType.ARABIC
    number.SubType = uno.Enum("com.sun.star.text.PageNumberType", "CURRENT")
    footer.insertTextContent(footer.End, number, False)
    last = list(iterate(footer))[-1]
    last.ParaAdjust = RIGHT


def page_a4(desktop, path):
    doc = new_document(desktop)
    style = page_style(doc)
    style.Width, style.Height = 210 * MM, 297 * MM
    header_footer(doc, ["A4 页眉文字"], "第 ")
    # With a header the page's top margin is the header's distance from the edge, and the
    # header's height and spacing reach down to where the body starts.
    style.TopMargin, style.BottomMargin = 1500, 1750
    style.HeaderIsDynamicHeight = False
    style.FooterIsDynamicHeight = False
    style.HeaderHeight, style.HeaderBodyDistance = 1040, 500
    style.FooterHeight, style.FooterBodyDistance = 790, 500
    style.LeftMargin, style.RightMargin = 3170, 3170
    style.GridMode = 2  # com.sun.star.text.TextGridMode.LINES_AND_CHARS
    style.GridLines = 44
    style.GridBaseHeight = round(15.6 * PT)
    style.GridRubyHeight = 0
    style.StandardPageMode = True
    style.GridBaseWidth = round(10.5 * PT)
    write_paragraphs(doc, ["A4 纸张的页面设置", "页边距与网格"])
    save(doc, path)


def page_custom(desktop, path):
    doc = new_document(desktop)
    style = page_style(doc)
    style.Width, style.Height = 184 * MM, 260 * MM
    style.TopMargin, style.BottomMargin = 2 * CM, 2 * CM
    style.LeftMargin, style.RightMargin = 2500, 2500
    style.GridMode = 1  # LINES
    style.GridLines = 40
    # The line pitch that fits exactly 40 lines between the margins, in whole twips as saved.
    body_twips = round((260 - 40) * MM * 1440 / 2540)
    style.GridBaseHeight = round(body_twips // 40 * 2540 / 1440)
    style.GridRubyHeight = 0
    write_paragraphs(doc, ["自定义纸张大小"])
    save(doc, path)


def columns(desktop, path, count, relative_widths, gap):
    doc = new_document(desktop)
    cols = doc.createInstance("com.sun.star.text.TextColumns")
    cols.setColumnCount(count)
    if relative_widths:
        parts = list(cols.Columns)
        whole = cols.ReferenceValue
        total = sum(relative_widths)
        for i, part in enumerate(parts):
            part.Width = round(whole * relative_widths[i] / total)
            part.LeftMargin = 0 if i == 0 else gap // 2
            part.RightMargin = 0 if i == count - 1 else gap // 2
        parts[-1].Width += whole - sum(p.Width for p in parts)
        cols.setColumns(tuple(parts))
    else:
        cols.AutomaticDistance = gap
    cols.SeparatorLineIsOn = True
    page_style(doc).TextColumns = cols
    write_paragraphs(doc, ["分栏的文字。" * 40 for _ in range(4)])
    save(doc, path)


def border_all(cell, border):
    for side in ("TopBorder", "BottomBorder", "LeftBorder", "RightBorder"):
        setattr(cell, side, border)


def table(desktop, path):
    doc = new_document(desktop)
    text = doc.Text
    write_paragraphs(doc, ["三行四列的表格"])
    grid = doc.createInstance("com.sun.star.text.TextTable")
    grid.initialize(3, 4)
    text.insertTextContent(text.End, grid, False)
    for r in range(3):
        for c in range(4):
            grid.getCellByPosition(c, r).String = "R%dC%d" % (r + 1, c + 1)
    grid.HoriOrient = 2  # com.sun.star.text.HoriOrientation.CENTER
    grid.Width = 12 * CM
    outer = line(DOUBLE, 1.5, 0x000000)
    inner = line(SOLID, 0.5, 0x000000)
    for r in range(3):
        for c in range(4):
            cell = grid.getCellByPosition(c, r)
            cell.TopBorder = outer if r == 0 else inner
            cell.BottomBorder = outer if r == 2 else inner
            cell.LeftBorder = outer if c == 0 else inner
            cell.RightBorder = outer if c == 3 else inner
    border_all(grid.getCellByName("B2"), line(DASHED, 1.0, 0xFF0000))
    border_all(grid.getCellByName("C2"), line(DOTTED, 2.25, 0x0000FF))
    grid.getCellByName("A1").BackColor = 0xFFFF00
    grid.getCellByName("B1").BackColor = 0xC0C0C0
    grid.getCellByName("C3").VertOrient = 2  # com.sun.star.text.VertOrientation.CENTER
    grid.getCellByName("D3").VertOrient = 3  # BOTTOM
    centred = grid.getCellByName("C3").Text
    list(iterate(centred))[0].ParaAdjust = CENTER
    border_all(grid.getCellByName("D2"), line(SOLID, 3.0, 0x00FF00))
    # com.sun.star.text.SizeType: 1 fixed (exactly), 2 minimum (at least); row 3 fits its text.
    rows = grid.Rows
    rows.getByIndex(0).SizeType = 1
    rows.getByIndex(0).Height = 1 * CM
    rows.getByIndex(1).SizeType = 2
    rows.getByIndex(1).Height = 800
    save(doc, path)


def table_merged(desktop, path):
    doc = new_document(desktop)
    text = doc.Text
    write_paragraphs(doc, ["合并单元格的表格"])
    grid = doc.createInstance("com.sun.star.text.TextTable")
    grid.initialize(4, 4)
    text.insertTextContent(text.End, grid, False)
    for r in range(4):
        for c in range(4):
            grid.getCellByPosition(c, r).String = "%s%d" % ("ABCD"[c], r + 1)
    across = grid.createCursorByCellName("B1")
    across.gotoCellByName("C1", True)
    across.mergeRange()
    down = grid.createCursorByCellName("A2")
    down.gotoCellByName("A3", True)
    down.mergeRange()
    save(doc, path)


def long_document(desktop, path):
    doc = new_document(desktop)
    rows = ["第%03d段：计算机基础知识考试的长文档，用来检查超过三万二千七百六十七个字符以后的位置。" % n
            for n in range(1, 800)]
    rows.append("长文档末尾的标记文字")
    write_paragraphs(doc, rows)
    save(doc, path)


def headfoot(desktop, path):
    doc = new_document(desktop)
    header_footer(doc, ["全国计算机等级考试模拟试卷", "页眉的第二段"], "页脚文字 第 ")
    write_paragraphs(doc, ["正文的第一段。", "正文的第二段，页眉里的文字不在正文里。"])
    save(doc, path)


def legacy(desktop, path):
    doc = new_document(desktop)
    write_paragraphs(doc, [
        ("旧格式的文档标题", {"ParaAdjust": CENTER}, [("旧格式的文档标题", {
            "CharWeight": 150.0, "CharHeight": 16.0, "CharFontNameAsian": "黑体"})]),
        "这是以二进制格式保存的文档，转换以后仍能读出这段文字。",
    ])
    save(doc, path, "MS Word 97")


# ---- what each saved document must hold --------------------------------------------------------
# (where, element, attributes): `where` is a paragraph's text in the main story (the element is
# looked for in that paragraph), an element name in angle brackets (in any such element of the main
# story), a part name (anywhere in that part) or None (anywhere in the main story). Attributes are
# compared without regard to their order.

def at(where, element, **attributes):
    return where, element, attributes


STYLES = "word/styles.xml"
HEADER = "word/header1.xml"
FOOTER = "word/footer1.xml"

EXPECTED = {
    "suite_characters.docx": [
        at("宋体五号文字 Times", "rFonts", ascii="Times New Roman", eastAsia="宋体"),
        at("宋体五号文字 Times", "sz", val="21"),
        at("黑体四号加粗倾斜", "rFonts", eastAsia="黑体"),
        at("黑体四号加粗倾斜", "sz", val="28"),
        at("黑体四号加粗倾斜", "b"),
        at("黑体四号加粗倾斜", "i"),
        at("红色双下划线", "u", val="double", color="FF0000"),
        at("波浪下划线", "u", val="wave"),
        at("点式下划线", "u", val="dotted"),
        at("粗下划线", "u", val="thick"),
        at("蓝色文字", "color", val="0000FF"),
        at("黄色突出显示", "highlight", val="yellow"),
        at("灰色底纹文字", "shd", val="clear", fill="C0C0C0"),
        at("上方着重号", "em", val="dot"),
        at("下方着重号", "em", val="underDot"),
        at("缩放百分之一百五十", "w", val="150"),
        at("加宽三磅", "spacing", val="60"),
        at("紧缩一点五磅", "spacing", val="-30"),
        at("面积单位m2", "vertAlign", val="superscript"),
        at("水的分子式H2O", "vertAlign", val="subscript"),
        at("阴影文字", "shadow"),
        at("闪烁背景", "effect", val="blinkBackground"),
        at("加框文字", "bdr", val="single", sz="12", color="FF0000"),
        at("加框带阴影", "bdr", val="single", sz="4", shadow="1"),
        at("加粗和常规混合", "b"),
    ],
    "suite_paragraphs.docx": [
        at("左对齐的段落", "jc", val="left"),
        at("居中对齐的段落", "jc", val="center"),
        at("右对齐的段落", "jc", val="right"),
        at("两端对齐的段落", "jc", val="both"),
        at("分散对齐的段落", "jc", val="distribute"),
        at("左缩进二厘米右缩进一厘米首行缩进零点七五厘米", "ind",
           left="1134", right="567", firstLine="425"),
        at("悬挂缩进一厘米", "ind", left="567", hanging="567"),
        at("段前十二磅段后六磅", "spacing", before="240", after="120"),
        at("单倍行距", "spacing", line="240", lineRule="auto"),
        at("一点五倍行距", "spacing", line="360", lineRule="auto"),
        at("两倍行距", "spacing", line="480", lineRule="auto"),
        at("多倍行距一点二五", "spacing", line="300", lineRule="auto"),
        at("最小值十六磅", "spacing", line="320", lineRule="atLeast"),
        at("固定值二十磅", "spacing", line="400", lineRule="exact"),
    ],
    "suite_styles.docx": [
        at(STYLES, "rFonts", ascii="Times New Roman", eastAsia="宋体"),  # defaults and Normal
        at(STYLES, "name", val="考试正文"),
        at(STYLES, "name", val="考试要点"),
        at(STYLES, "name", val="考试强调"),
        at(STYLES, "basedOn", val="Style15"),  # 考试要点 on 考试正文
        at("考试正文样式的段落", "pStyle", val="Style15"),
        at("考试要点样式的段落", "pStyle", val="Style16"),
        at("带字符样式的文字和直接加粗", "rStyle", val="Style14"),
        at("带字符样式的文字和直接加粗", "b"),
    ],
    "suite_page_a4.docx": [
        at(None, "pgSz", w="11906", h="16838"),
        at(None, "pgMar", top="1440", bottom="1440", left="1797", right="1797",
           header="850", footer="992"),
        at(None, "docGrid", type="snapToChars", linePitch="312"),
        at(HEADER, "t", text="A4 "),
        at(FOOTER, "jc", val="right"),
        at(FOOTER, "instrText", text=" PAGE \\* ARABIC "),
    ],
    "suite_page_custom.docx": [
        at(None, "pgSz", w="10431", h="14740"),
        at(None, "pgMar", top="1134", bottom="1134", left="1417", right="1417"),
        at(None, "docGrid", type="lines", linePitch="311"),
    ],
    "suite_columns_two.docx": [
        at(None, "cols", num="2", space="566", equalWidth="true", sep="true"),
    ],
    "suite_columns_three.docx": [
        at(None, "cols", num="3", equalWidth="false", sep="true"),
        at(None, "col", w="4677", space="284"),
        at(None, "col", w="2125", space="284"),
        at(None, "col", w="2267"),
    ],
    "suite_table.docx": [
        at(None, "tblW", w="6803", type="dxa"),
        at("<tblPr>", "jc", val="center"),
        at(None, "gridCol", w="1700"),
        at("<tcPr>", "shd", val="clear", fill="FFFF00"),
        at("<tcPr>", "shd", val="clear", fill="C0C0C0"),
        at(None, "top", val="double", sz="4"),
        at(None, "top", val="dashed", sz="8", color="FF0000"),
        at(None, "top", val="dotted", sz="18", color="0000FF"),
        at(None, "top", val="single", sz="24", color="00FF00"),
        at(None, "trHeight", val="567", hRule="exact"),
        at(None, "trHeight", val="454", hRule="atLeast"),
        at(None, "vAlign", val="center"),
        at(None, "vAlign", val="bottom"),
        at("R3C3", "jc", val="center"),
    ],
    "suite_table_merged.docx": [
        at(None, "gridSpan", val="2"),
        at(None, "vMerge", val="restart"),
        at(None, "vMerge", val="continue"),
    ],
    "suite_long.docx": [
        at("长文档末尾的标记文字", "t", text="长文档末尾的标记文字"),
    ],
    "suite_headfoot.docx": [
        at(HEADER, "t", text="全国计算机等级考试模拟试卷"),
        at(HEADER, "t", text="页眉的第二段"),
        at(FOOTER, "instrText", text=" PAGE \\* ARABIC "),
    ],
}

W = "{http://schemas.openxmlformats.org/wordprocessingml/2006/main}"


def paragraph_text(paragraph):
    return "".join(t.text or "" for t in paragraph.iter(W + "t"))


def holds(tree, element, attributes):
    text = attributes.get("text")
    for found in tree.iter(W + element):
        if text is not None and found.text != text:
            continue
        if all(found.get(W + k) == v for k, v in attributes.items() if k != "text"):
            return True
    return False


def main_story_length(document):
    # Each paragraph mark counts as a character, as the word processor counts positions.
    paragraphs = list(document.iter(W + "p"))
    return sum(len(paragraph_text(p)) for p in paragraphs) + len(paragraphs)


def verify(folder):
    """The list of what a saved document lacks; empty when each holds what it should."""
    from xml.etree import ElementTree
    missing = []
    for name, expected in EXPECTED.items():
        with zipfile.ZipFile(os.path.join(folder, name)) as package:
            parts = {}

            def part(part_name):
                if part_name not in parts:
                    parts[part_name] = ElementTree.fromstring(package.read(part_name))
                return parts[part_name]

            for where, element, attributes in expected:
                if where is None or where.endswith(".xml"):
                    trees = [part(where or "word/document.xml")]
                elif where.startswith("<"):
                    trees = list(part("word/document.xml").iter(W + where.strip("<>")))
                else:
                    trees = [p for p in part("word/document.xml").iter(W + "p")
                             if where in paragraph_text(p)]
                if not any(holds(tree, element, attributes) for tree in trees):
                    missing.append("%s: %s %s %s" % (name, where or "", element, attributes))
        if name == "suite_long.docx":
            length = main_story_length(part("word/document.xml"))
            if length <= 32767:
                missing.append("%s: only %d characters" % (name, length))
    with open(os.path.join(folder, "suite_legacy.doc"), "rb") as legacy_file:
        if legacy_file.read(8) != b"\xd0\xcf\x11\xe0\xa1\xb1\x1a\xe1":
            missing.append("suite_legacy.doc: not a compound binary file")
    return missing


DOCUMENTS = [
    ("suite_characters.docx", characters),
    ("suite_paragraphs.docx", paragraphs),
    ("suite_styles.docx", styles),
    ("suite_page_a4.docx", page_a4),
    ("suite_page_custom.docx", page_custom),
    ("suite_columns_two.docx", lambda d, p: columns(d, p, 2, None, 1 * CM)),
    ("suite_columns_three.docx", lambda d, p: columns(d, p, 3, (2, 1, 1), 500)),
    ("suite_table.docx", table),
    ("suite_table_merged.docx", table_merged),
    ("suite_long.docx", long_document),
    ("suite_headfoot.docx", headfoot),
    ("suite_legacy.doc", legacy),
]


def make_documents(documents, verify):
    """Starts the office, saves each (file name, maker) of `documents` into the folder named on the
    command line (default: beside the script), stops the office and fails with what `verify`
    finds missing in the saved files."""
    folder = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(__file__))
    with tempfile.TemporaryDirectory(prefix="kirv_documents_") as profile:
        office, desktop = connect(profile)
        try:
            for name, make in documents:
                make(desktop, os.path.join(folder, name))
        finally:
            try:
                desktop.terminate()
            except Exception:
                pass
            try:
                office.wait(timeout=30)
            except subprocess.TimeoutExpired:
                office.kill()
    missing = verify(folder)
    for lack in missing:
        print("not in the saved file:", lack, file=sys.stderr)
    if missing:
        sys.exit(1)
    print("%d documents saved in %s" % (len(documents), folder))


def main():
    make_documents(DOCUMENTS, verify)


if __name__ == "__main__":
    main()
