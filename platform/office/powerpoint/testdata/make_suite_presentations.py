#!/usr/bin/python3
# Makes the presentations in this folder with a real presentation program (LibreOffice Impress
# through its UNO bridge; Debian packages libreoffice-impress-nogui and python3-uno), so that the
# model's and the control's tests read files as a presentation program writes them. Run once by
# hand; the tests only read the committed files. After saving, each slide's XML is searched for
# what it is meant to hold (the table `EXPECTED`, whose numbers ../testing/presentation_reference.h
# turns into what the object model answers), and the run fails when the program left something
# out.
#   platform/office/powerpoint/testdata/make_suite_presentations.py [FOLDER]   (default: beside it)
import os
import sys
import tempfile
import zipfile
from xml.etree import ElementTree

import uno
from com.sun.star.awt import Point, Size

# The office is started, driven and stopped the way the word processor's documents are made.
HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "word", "testdata"))
sys.dont_write_bytecode = True  # no __pycache__ beside the documents
from make_shape_documents import component_context, small_png  # noqa: E402
from make_suite_documents import CM, make_documents, prop  # noqa: E402

FILTER = "Impress MS PowerPoint 2007 XML"
LINE_BREAK = 1  # com.sun.star.text.ControlCharacter.LINE_BREAK
PARAGRAPH_BREAK = 0
# com.sun.star.style.ParagraphAdjust
LEFT, RIGHT, BLOCK, CENTER = 0, 1, 2, 3
# com.sun.star.presentation AutoLayout numbers
TITLE_SLIDE, TITLE_CONTENT, TITLE_ONLY, BLANK = 0, 1, 19, 20
BOLD = 150.0  # com.sun.star.awt.FontWeight.BOLD
SINGLE_UNDERLINE = 1  # com.sun.star.awt.FontUnderline.SINGLE


def italic():
    return uno.Enum("com.sun.star.awt.FontSlant", "ITALIC")


def new_presentation(desktop, slides):
    """A presentation of `slides` slides on the program's own 28 x 15.75 cm page."""
    doc = desktop.loadComponentFromURL("private:factory/simpress", "_blank", 0,
                                       (prop("Hidden", True),))
    pages = doc.DrawPages
    while pages.Count < slides:
        pages.insertNewByIndex(pages.Count - 1)
    return doc, [pages.getByIndex(i) for i in range(pages.Count)]


def placeholders(page, layout):
    """The page's placeholders once it has the layout, in the order the layout makes them."""
    page.Layout = layout
    return [page.getByIndex(i) for i in range(page.Count)]


def write_paragraphs(shape, paragraphs):
    """Writes the shape's text: each paragraph is (text, paragraph properties, [(part of the
    text, character properties), ...]) or its text alone; "\\v" in a text is a line break."""
    text = shape.Text
    text.String = ""
    rows = [(p, {}, []) if isinstance(p, str) else p for p in paragraphs]
    cursor = text.createTextCursor()
    for i, (content, _, _) in enumerate(rows):
        if i:
            text.insertControlCharacter(cursor, PARAGRAPH_BREAK, False)
        for j, line in enumerate(content.split("\v")):
            if j:
                text.insertControlCharacter(cursor, LINE_BREAK, False)
            text.insertString(cursor, line, False)
    found = list(iterate(text))
    assert len(found) == len(rows), (len(found), len(rows))
    for paragraph, (content, para_props, runs) in zip(found, rows):
        for name, value in para_props.items():
            setattr(paragraph, name, value)
        for part, char_props in runs:
            start = content.index(part)
            run = text.createTextCursorByRange(paragraph.Start)
            run.goRight(start, False)
            run.goRight(len(part), True)
            for name, value in char_props.items():
                setattr(run, name, value)


def iterate(container):
    items = container.createEnumeration()
    while items.hasMoreElements():
        yield items.nextElement()


def save(doc, path):
    doc.storeToURL(uno.systemPathToFileUrl(path), (prop("FilterName", FILTER),))
    doc.close(True)


def drawing_shape(doc, page, service, name, left, top, width, height):
    shape = doc.createInstance(service)
    page.add(shape)
    shape.Position = Point(left, top)
    shape.Size = Size(width, height)
    shape.Name = name
    return shape


# ---- the presentations -----------------------------------------------------------------------

def bulleted(shape):
    """Bullets for the shape's paragraphs: text put into a body placeholder through UNO has
    none until its outline level is set."""
    for paragraph in iterate(shape.Text):
        uno.invoke(paragraph, "setPropertyValue", ("NumberingLevel", uno.Any("short", 0)))


def no_autofit(shape):
    """Keeps the text at its own size: overflowing text would be saved with a font scale."""
    shape.TextFitToSize = uno.Enum("com.sun.star.drawing.TextFitToSizeType", "NONE")


def both_scripts(props):
    """Size, weight and posture set for Latin and Chinese text alike."""
    out = dict(props)
    for name in ("CharHeight", "CharWeight", "CharPosture"):
        if name in props:
            out[name + "Asian"] = props[name]
    return out


def text_slides(desktop, path):
    doc, (cover, listing, fonts, aligned, closing) = new_presentation(desktop, 5)
    title, subtitle = placeholders(cover, TITLE_SLIDE)
    write_paragraphs(title, ["计算机基础知识演示文稿"])
    write_paragraphs(subtitle, ["第一张幻灯片的副标题"])

    title, body = placeholders(listing, TITLE_CONTENT)
    write_paragraphs(title, ["三个要点"])
    write_paragraphs(body, ["第一项要点", "第二项要点\v换行后的文字", "第三项要点"])
    bulleted(body)

    title, body = placeholders(fonts, TITLE_CONTENT)
    write_paragraphs(title, [("直接设置的字体", {}, [("直接设置的字体", both_scripts({
        "CharFontName": "Arial", "CharFontNameAsian": "黑体", "CharHeight": 40.0,
        "CharWeight": BOLD}))])])
    no_autofit(body)
    write_paragraphs(body, [
        ("宋体五号 Times New Roman", {}, [("宋体五号 Times New Roman", both_scripts({
            "CharFontName": "Times New Roman", "CharFontNameAsian": "宋体",
            "CharHeight": 10.5}))]),
        ("加粗的文字", {}, [("加粗的文字", both_scripts({"CharWeight": BOLD}))]),
        ("倾斜的文字", {}, [("倾斜的文字", both_scripts({"CharPosture": italic()}))]),
        ("带下划线的文字", {}, [("带下划线的文字", {"CharUnderline": SINGLE_UNDERLINE})]),
        ("红色的文字", {}, [("红色的文字", {"CharColor": 0xFF0000})]),
        "继承母版字体的文字",
    ])

    title, body = placeholders(aligned, TITLE_CONTENT)
    write_paragraphs(title, ["段落的对齐"])
    write_paragraphs(body, [("居中对齐的段落", {"ParaAdjust": CENTER}, []),
                            ("右对齐的段落", {"ParaAdjust": RIGHT}, []),
                            "未设置对齐的段落"])

    (title,) = placeholders(closing, TITLE_ONLY)
    write_paragraphs(title, ["谢谢观看"])
    save(doc, path)


def group_of(slide, ctx, shapes, name):
    collection = ctx.ServiceManager.createInstanceWithContext(
        "com.sun.star.drawing.ShapeCollection", ctx)
    for shape in shapes:
        collection.add(shape)
    group = slide.group(collection)
    group.Name = name
    return group


def shape_slides(desktop, ctx, path, png_path):
    doc, (slide,) = new_presentation(desktop, 1)
    (title,) = placeholders(slide, TITLE_ONLY)
    write_paragraphs(title, ["图形和图片"])
    rectangle = drawing_shape(doc, slide, "com.sun.star.drawing.RectangleShape", "Rectangle 2",
                              2 * CM, 5 * CM, 5 * CM, 3 * CM)
    rectangle.FillColor = 0x4472C4
    write_paragraphs(rectangle, ["矩形中的文字"])
    drawing_shape(doc, slide, "com.sun.star.drawing.EllipseShape", "Oval 3",
                  9 * CM, 5 * CM, 4 * CM, 3 * CM)
    box = drawing_shape(doc, slide, "com.sun.star.drawing.TextShape", "TextBox 4",
                        15 * CM, 5 * CM, 8 * CM, 2 * CM)
    box.TextAutoGrowHeight = False
    write_paragraphs(box, [("文本框居中的段落", {"ParaAdjust": CENTER}, []),
                           ("Right aligned 10.5", {"ParaAdjust": RIGHT},
                            [("Right aligned 10.5", both_scripts({"CharHeight": 10.5}))])])
    picture = drawing_shape(doc, slide, "com.sun.star.drawing.GraphicObjectShape", "Picture 5",
                            2 * CM, 10 * CM, 4 * CM, 3 * CM)
    picture.GraphicURL = uno.systemPathToFileUrl(png_path)
    group_of(slide, ctx, [
        drawing_shape(doc, slide, "com.sun.star.drawing.RectangleShape", "Rectangle 7",
                      9 * CM, 10 * CM, 3 * CM, 2 * CM),
        drawing_shape(doc, slide, "com.sun.star.drawing.EllipseShape", "Oval 8",
                      13 * CM, 11 * CM, 3 * CM, 2 * CM)], "Group 6")
    save(doc, path)


def with_png(make):
    """A maker of (desktop, path) that runs make(desktop, path, png) with the small PNG written
    to a scratch folder for as long as it runs."""
    def run(desktop, path):
        with tempfile.TemporaryDirectory(prefix="kirv_picture_") as scratch:
            png = os.path.join(scratch, "picture.png")
            with open(png, "wb") as picture:
                picture.write(small_png())
            make(desktop, path, png)
    return run


def shapes_with_png(desktop, path):
    with_png(lambda d, p, png: shape_slides(d, component_context(), p, png))(desktop, path)


def short_slides(desktop, path):
    """Three slides the size of an exam task, for the benchmark's peer."""
    doc, (cover, listing, drawing) = new_presentation(desktop, 3)
    title, subtitle = placeholders(cover, TITLE_SLIDE)
    write_paragraphs(title, ["演示文稿操作题"])
    write_paragraphs(subtitle, ["考生姓名"])
    title, body = placeholders(listing, TITLE_CONTENT)
    write_paragraphs(title, [("考试内容", {}, [("考试内容", both_scripts({
        "CharFontNameAsian": "黑体", "CharWeight": BOLD}))])])
    write_paragraphs(body, ["文字处理", ("电子表格", {}, [("电子表格", {"CharColor": 0x0000FF})]),
                            "演示文稿"])
    bulleted(body)
    (title,) = placeholders(drawing, TITLE_ONLY)
    write_paragraphs(title, ["图形"])
    rectangle = drawing_shape(doc, drawing, "com.sun.star.drawing.RectangleShape",
                              "Rectangle 2", 2 * CM, 4 * CM, 5 * CM, 3 * CM)
    write_paragraphs(rectangle, ["矩形"])
    save(doc, path)


# ---- what each saved presentation must hold ---------------------------------------------------
# (slide, shape, element, attributes): the element is looked for inside the shape of that slide
# (1-based, in presentation order) whose `p:cNvPr` carries the name; with the shape "<layout>",
# in the slide's layout part. Elements and attributes are matched by their local names, values
# without regard to case; `text` is the element's text, `count` how many such elements the shape
# holds. The values are the ones ../testing/presentation_reference.h turns into what the object
# model answers (EMU / 12700 = points, sz / 100 = points).

def at(slide, shape, element, **attributes):
    return slide, shape, element, attributes


def placed(slide, shape, x, y, cx, cy):
    return [at(slide, shape, "off", x=str(x), y=str(y)),
            at(slide, shape, "ext", cx=str(cx), cy=str(cy))]


def layout(slide, kind, name):
    return at(slide, "<layout>", "sldLayout", type=kind, cSld=name)


TITLE, BODY = "PlaceHolder 1", "PlaceHolder 2"

EXPECTED = {
    "suite_text.pptx": [
        layout(1, "tx", "Title Slide"),
        at(1, TITLE, "ph", type="title"),
        *placed(1, TITLE, 504000, 226080, 9071640, 946440),
        at(1, TITLE, "t", text="计算机基础知识演示文稿"),
        at(1, TITLE, "rPr", sz="4400", b="0"),
        at(1, TITLE, "latin", typeface="DejaVu Sans"),
        at(1, TITLE, "pPr", algn="ctr"),
        at(1, BODY, "ph", type="subTitle"),
        *placed(1, BODY, 504000, 1326600, 9071640, 3288240),
        at(1, BODY, "t", text="第一张幻灯片的副标题"),
        at(1, BODY, "rPr", sz="3200"),

        layout(2, "obj", "Title, Content"),
        at(2, TITLE, "t", text="三个要点"),
        at(2, BODY, "ph", type=None),  # no type: a body placeholder of the layout
        at(2, BODY, "p", count=3),
        at(2, BODY, "buChar", count=3),
        at(2, BODY, "br", count=1),
        at(2, BODY, "t", text="第二项要点"),
        at(2, BODY, "t", text="换行后的文字"),
        at(2, BODY, "rPr", sz="3200"),

        layout(3, "obj", "Title, Content"),
        at(3, TITLE, "rPr", sz="4000", b="1"),
        at(3, TITLE, "latin", typeface="Arial"),
        at(3, TITLE, "ea", typeface="黑体"),
        at(3, BODY, "normAutofit", count=0),
        at(3, BODY, "rPr", sz="1050"),
        at(3, BODY, "latin", typeface="Times New Roman"),
        at(3, BODY, "ea", typeface="宋体"),
        at(3, BODY, "t", text="Times New Roman"),
        at(3, BODY, "rPr", b="1", sz="3200"),
        at(3, BODY, "rPr", i="1"),
        at(3, BODY, "rPr", u="sng"),
        at(3, BODY, "srgbClr", val="ff0000"),
        at(3, BODY, "t", text="继承母版字体的文字"),

        layout(4, "obj", "Title, Content"),
        at(4, BODY, "pPr", algn="ctr"),
        at(4, BODY, "pPr", algn="r"),
        at(4, BODY, "t", text="未设置对齐的段落"),

        layout(5, "titleOnly", "Title Only"),
        at(5, TITLE, "t", text="谢谢观看"),
        at(5, BODY, "sp", count=0),
    ],
    "suite_shapes.pptx": [
        layout(1, "titleOnly", "Title Only"),
        *placed(1, "Rectangle 2", 720000, 1800000, 1800000, 1080000),
        at(1, "Rectangle 2", "prstGeom", prst="rect"),
        at(1, "Rectangle 2", "srgbClr", val="4472c4"),
        at(1, "Rectangle 2", "t", text="矩形中的文字"),
        at(1, "Rectangle 2", "bodyPr", anchorCtr="1"),
        at(1, "Rectangle 2", "pPr", count=0),
        *placed(1, "Oval 3", 3240000, 1800000, 1440000, 1080000),
        at(1, "Oval 3", "prstGeom", prst="ellipse"),
        *placed(1, "TextBox 4", 5400000, 1800000, 2880000, 720000),
        at(1, "TextBox 4", "cNvSpPr", txBox="1"),
        at(1, "TextBox 4", "pPr", algn="ctr"),
        at(1, "TextBox 4", "pPr", algn="r"),
        at(1, "TextBox 4", "rPr", sz="1050"),
        at(1, "TextBox 4", "rPr", sz="1800"),
        at(1, "TextBox 4", "t", text="Right aligned 10.5"),
        *placed(1, "Picture 5", 720000, 3600000, 1440000, 1080000),
        at(1, "Picture 5", "blip"),
        *placed(1, "Group 6", 3240000, 3600000, 2520000, 1080000),
        at(1, "Group 6", "chOff", x="3240000", y="3600000"),
        at(1, "Group 6", "sp", count=2),
        *placed(1, "Rectangle 7", 3240000, 3600000, 1080000, 720000),
        *placed(1, "Oval 8", 4680000, 3960000, 1080000, 720000),
    ],
    "bench_short.pptx": [
        layout(1, "tx", "Title Slide"),
        at(1, TITLE, "t", text="演示文稿操作题"),
        layout(2, "obj", "Title, Content"),
        at(2, TITLE, "ea", typeface="黑体"),
        at(2, BODY, "buChar", count=3),
        at(2, BODY, "srgbClr", val="0000ff"),
        layout(3, "titleOnly", "Title Only"),
        *placed(3, "Rectangle 2", 720000, 1440000, 1800000, 1080000),
        at(3, "Rectangle 2", "t", text="矩形"),
    ],
}

P = "{http://schemas.openxmlformats.org/presentationml/2006/main}"
R = "{http://schemas.openxmlformats.org/officeDocument/2006/relationships}"


def local(name):
    return name.rsplit("}", 1)[-1]


def related(package, part, kind):
    """The parts `part` refers to by relationships of the given type, in the order of its ids."""
    folder, name = part.rsplit("/", 1)
    rels = ElementTree.fromstring(package.read("%s/_rels/%s.rels" % (folder, name)))
    targets = {}
    for rel in rels:
        if rel.get("Type").endswith("/" + kind):
            targets[rel.get("Id")] = os.path.normpath(os.path.join(folder, rel.get("Target")))
    return targets


def slide_parts(package):
    presentation = ElementTree.fromstring(package.read("ppt/presentation.xml"))
    targets = related(package, "ppt/presentation.xml", "slide")
    return [targets[s.get(R + "id")] for s in presentation.iter(P + "sldId")]


def shape_scope(tree, shape):
    """The shape (`p:sp`, `p:pic`, `p:grpSp`, ...) whose non-visual properties name it."""
    for element in tree.iter():
        for child in element:
            if local(child.tag).startswith("nv") and any(
                    local(c.tag) == "cNvPr" and c.get("name") == shape for c in child):
                return element
    return None


def holds(scope, element, attributes):
    found = [e for e in scope.iter() if local(e.tag) == element]
    if "count" in attributes:
        return len(found) == attributes["count"]
    for candidate in found:
        values = {local(k): v.lower() for k, v in candidate.items()}
        if all((candidate.text or "") == v if k == "text" else
               values.get(k) == (v if v is None else v.lower())
               for k, v in attributes.items()):
            return True
    return False


def lacks(name, slide, shape, scope, element, attributes):
    """What one expectation finds missing in the shape's scope (None: no such shape)."""
    if scope is None:
        return [] if attributes.get("count") == 0 else [
            "%s: slide %d has no %s" % (name, slide, shape)]
    if holds(scope, element, attributes):
        return []
    return ["%s: slide %d %s %s %s" % (name, slide, shape, element, attributes)]


def layout_holds(package, slide_part, attributes):
    (part,) = related(package, slide_part, "slideLayout").values()
    tree = ElementTree.fromstring(package.read(part))
    names = [c.get("name") for c in tree if local(c.tag) == "cSld"]
    return tree.get("type") == attributes["type"] and names == [attributes["cSld"]]


def verify(folder):
    """The list of what the saved presentations lack; empty when each holds what it should."""
    missing = []
    for name, expected in EXPECTED.items():
        with zipfile.ZipFile(os.path.join(folder, name)) as package:
            slides = slide_parts(package)
            trees = [ElementTree.fromstring(package.read(part)) for part in slides]
            for slide, shape, element, attributes in expected:
                if slide > len(slides):
                    missing.append("%s: no slide %d" % (name, slide))
                    continue
                if shape == "<layout>":
                    if not layout_holds(package, slides[slide - 1], attributes):
                        missing.append("%s: slide %d layout %s" % (name, slide, attributes))
                    continue
                missing += lacks(name, slide, shape, shape_scope(trees[slide - 1], shape),
                                 element, attributes)
            if name == "suite_shapes.pptx" and not any(
                    n.startswith("ppt/media/") for n in package.namelist()):
                missing.append("%s: no picture in ppt/media" % name)
    return missing


PRESENTATIONS = [
    ("suite_text.pptx", text_slides),
    ("suite_shapes.pptx", shapes_with_png),
    ("bench_short.pptx", short_slides),
]


def main():
    if len(sys.argv) < 2:
        sys.argv.append(HERE)  # the shared runner's default is its own folder
    make_documents(PRESENTATIONS, verify)


if __name__ == "__main__":
    main()
