#!/usr/bin/python3
# Makes the documents with drawing objects in this folder (text boxes, pictures, AutoShapes and
# groups) with a real word processor, the way make_suite_documents.py makes the others, and
# checks that each shape's saved XML holds what the reference table of the tests
# (../testing/shape_reference.h) expects. Run once by hand; the tests only read the committed
# files.
#   platform/office/word/testdata/make_shape_documents.py [FOLDER]   (default: beside the script)
import os
import struct
import sys
import tempfile
import zipfile
import zlib
from xml.etree import ElementTree

import uno
from com.sun.star.awt import Point, Size

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
sys.dont_write_bytecode = True  # no __pycache__ beside the documents
from make_suite_documents import (CM, DASHED, MM, PT, SOLID, line, make_documents,  # noqa: E402
                                  new_document, prop, save, write_paragraphs)

AT_PARAGRAPH = uno.Enum("com.sun.star.text.TextContentAnchorType", "AT_PARAGRAPH")
# com.sun.star.text.HoriOrientation / VertOrientation
ORIENT_NONE, ORIENT_CENTER = 0, 2
# com.sun.star.text.RelOrientation
FRAME, PAGE_FRAME, PAGE_PRINT_AREA = 0, 7, 8


def wrap_mode(name):
    return uno.Enum("com.sun.star.text.WrapTextMode", name)


def place(obj, left, horizontal_from, top, vertical_from):
    """Positions a floating object by offsets (hundredths of a millimetre), or centres it
    horizontally when `left` is None."""
    obj.HoriOrient = ORIENT_CENTER if left is None else ORIENT_NONE
    obj.HoriOrientRelation = horizontal_from
    if left is not None:
        obj.HoriOrientPosition = left
    obj.VertOrient = ORIENT_NONE
    obj.VertOrientRelation = vertical_from
    obj.VertOrientPosition = top


def wrap_distances(obj, top, bottom, left, right):
    obj.TopMargin, obj.BottomMargin, obj.LeftMargin, obj.RightMargin = top, bottom, left, right


def text_frame(doc, anchor, name, width, height, text):
    """A text frame, which the writer saves as a text box (`txBox="1"`)."""
    frame = doc.createInstance("com.sun.star.text.TextFrame")
    doc.Text.insertTextContent(anchor, frame, False)
    frame.Name = name
    frame.AnchorType = AT_PARAGRAPH
    frame.SizeType = 1  # com.sun.star.text.SizeType.FIX
    frame.Width, frame.Height = width, height
    frame.String = text
    return frame


def drawing_shape(doc, anchor, service, position):
    """A drawing shape placed at `position` (the arguments of `place`): set once it is in the
    text, the position is saved as 0."""
    shape = doc.createInstance(service)
    shape.AnchorType = AT_PARAGRAPH
    if position:
        place(shape, *position)
    doc.Text.insertTextContent(anchor, shape, False)
    return shape


def custom_shape(doc, anchor, kind, name, width, height, position=None):
    """A drawing shape of the given geometry ("rectangle", "ellipse"), in front of the text."""
    shape = drawing_shape(doc, anchor, "com.sun.star.drawing.CustomShape", position)
    shape.CustomShapeGeometry = (prop("Type", kind),)
    shape.Size = Size(width, height)
    shape.Name = name
    shape.Opaque = True
    return shape


def line_style(name):
    return uno.Enum("com.sun.star.drawing.LineStyle", name)


def dash(dash_length, gap):
    """A dash of one stroke, its lengths in per cent of the line's width."""
    d = uno.createUnoStruct("com.sun.star.drawing.LineDash")
    d.Style = uno.Enum("com.sun.star.drawing.DashStyle", "RECTRELATIVE")
    d.Dots, d.Dashes, d.DashLen, d.Distance = 0, 1, dash_length, gap
    return d


def small_png():
    """An 8 x 6 pixel RGB picture, made here so that no outside file is needed."""
    width, height = 8, 6
    rows = b"".join(b"\x00" + b"".join(bytes((255 if (x + y) % 2 else 0, 128, 40 * y))
                                       for x in range(width)) for y in range(height))

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    return (b"\x89PNG\r\n\x1a\n" +
            chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(rows)) + chunk(b"IEND", b""))


BODY = ["正文第一段，文本框和图形停靠在这一段。" * 6,
        "正文第二段，文字环绕在图形的周围。" * 6,
        "正文第三段。" * 20]


# ---- the documents ---------------------------------------------------------------------------

def textboxes(desktop, path):
    doc = new_document(desktop)
    paragraphs = write_paragraphs(doc, BODY)
    first = text_frame(doc, paragraphs[0].Start, "Text Box 1", 5 * CM, 2500, "第一个文本框的文字")
    place(first, 3 * CM, PAGE_FRAME, 4 * CM, PAGE_FRAME)
    first.BackColor = 0xFFFF00
    first.BackTransparent = False
    for side in ("TopBorder", "BottomBorder", "LeftBorder", "RightBorder"):
        setattr(first, side, line(DASHED, 1.5, 0xFF0000))
    # A frame's distances to its border are the text box's margins.
    first.TopBorderDistance, first.BottomBorderDistance = 100, 200
    first.LeftBorderDistance, first.RightBorderDistance = 300, 400
    first.TextWrap = wrap_mode("PARALLEL")
    wrap_distances(first, 500, 600, 700, 800)

    third = text_frame(doc, paragraphs[1].Start, "Text Box 3", 6 * CM, 2 * CM, "第三个文本框居中")
    place(third, None, PAGE_PRINT_AREA, 8 * CM, PAGE_PRINT_AREA)
    third.BackColor = 0xCCE8FF
    third.BackTransparent = False
    for side in ("TopBorder", "BottomBorder", "LeftBorder", "RightBorder"):
        setattr(third, side, line(SOLID, 0.75, 0x0000FF))
    third.TextWrap = wrap_mode("PARALLEL")
    wrap_distances(third, 0, 0, 0, 0)

    # Frames have no contour: a tightly wrapped box is a drawing shape holding text.
    fourth = custom_shape(doc, paragraphs[2].Start, "rectangle", "Text Box 4", 4 * CM, 2 * CM,
                          (1 * CM, PAGE_PRINT_AREA, 5 * MM, FRAME))
    fourth.TextBox = True
    fourth.TextAutoGrowHeight = False
    fourth.String = "紧密环绕的文本框"
    fourth.Size = Size(4 * CM, 2 * CM)  # the switch to a text box shrinks it to its text
    fourth.FillColor = 0xE0FFE0
    fourth.LineColor = 0x008000
    fourth.LineWidth = round(0.75 * PT)
    fourth.TextLeftDistance, fourth.TextRightDistance = 250, 250
    fourth.TextUpperDistance, fourth.TextLowerDistance = 130, 130
    fourth.SurroundContour = True
    fourth.ContourOutside = True
    fourth.TextWrap = wrap_mode("PARALLEL")
    wrap_distances(fourth, 0, 0, 400, 400)
    save(doc, path)


def pictures(desktop, path, png_path):
    doc = new_document(desktop)
    paragraphs = write_paragraphs(doc, BODY)
    made = []
    for anchor, name, mode in ((paragraphs[0].Start, "Picture 2", "GREYS"),
                               (paragraphs[1].Start, "Picture 4", "WATERMARK"),
                               (paragraphs[2].Start, "Picture 5", "MONO")):
        picture = doc.createInstance("com.sun.star.text.TextGraphicObject")
        doc.Text.insertTextContent(anchor, picture, False)
        picture.GraphicURL = uno.systemPathToFileUrl(png_path)
        picture.Name = name
        picture.AnchorType = AT_PARAGRAPH
        picture.GraphicColorMode = uno.Enum("com.sun.star.drawing.ColorMode", mode)
        made.append(picture)
    grey, watermark, mono = made
    grey.Width, grey.Height = 5 * CM, 3 * CM
    place(grey, 2 * CM, FRAME, 5 * MM, FRAME)
    grey.TextWrap = wrap_mode("NONE")  # above and below only
    watermark.Width, watermark.Height = 4 * CM, 4 * CM
    place(watermark, 12 * CM, PAGE_FRAME, 10 * CM, PAGE_FRAME)
    watermark.TextWrap = wrap_mode("PARALLEL")
    wrap_distances(watermark, 0, 0, 300, 300)
    mono.Width, mono.Height = 3 * CM, 2 * CM
    place(mono, 1 * CM, PAGE_PRINT_AREA, 1 * CM, FRAME)
    mono.TextWrap = wrap_mode("THROUGH")
    mono.Opaque = False  # behind the text
    save(doc, path)


def autoshapes(desktop, path):
    doc = new_document(desktop)
    paragraphs = write_paragraphs(doc, BODY)
    rectangle = custom_shape(doc, paragraphs[0].Start, "rectangle", "Rectangle 1", 4 * CM, 2 * CM,
                             (2 * CM, PAGE_FRAME, 3 * CM, PAGE_FRAME))
    rectangle.FillColor = 0xFF0000
    rectangle.LineColor = 0x00B050
    rectangle.LineWidth = round(2.25 * PT)
    rectangle.LineStyle = line_style("DASH")
    rectangle.LineDash = dash(400, 300)
    rectangle.TextWrap = wrap_mode("PARALLEL")
    wrap_distances(rectangle, 200, 200, 200, 200)

    oval = custom_shape(doc, paragraphs[1].Start, "ellipse", "Oval 2", 3 * CM, 3 * CM,
                        (1 * CM, PAGE_PRINT_AREA, 1 * CM, FRAME))
    oval.FillColor = 0x0070C0
    oval.FillTransparence = 50
    oval.LineStyle = line_style("NONE")
    oval.TextWrap = wrap_mode("NONE")

    straight = drawing_shape(doc, paragraphs[2].Start, "com.sun.star.drawing.LineShape",
                             (4 * CM, PAGE_PRINT_AREA, 2 * CM, FRAME))
    straight.Size = Size(5 * CM, 0)
    straight.Name = "Line 3"
    straight.Opaque = True
    straight.LineColor = 0xFF0000
    straight.LineWidth = round(1 * PT)
    straight.TextWrap = wrap_mode("THROUGH")  # in front of the text

    hollow = custom_shape(doc, paragraphs[2].Start, "rectangle", "Rectangle 5", 3 * CM, 1500,
                          (10 * CM, PAGE_PRINT_AREA, 1 * CM, FRAME))
    hollow.FillStyle = uno.Enum("com.sun.star.drawing.FillStyle", "NONE")
    hollow.LineColor = 0x000000
    hollow.TextWrap = wrap_mode("THROUGH")
    hollow.Opaque = False  # behind the text
    save(doc, path)


def component_context():
    """The office's own context (for services no document creates), over the pipe that
    `connect` opened."""
    local_context = uno.getComponentContext()
    resolver = local_context.ServiceManager.createInstanceWithContext(
        "com.sun.star.bridge.UnoUrlResolver", local_context)
    return resolver.resolve("uno:pipe,name=kirvdocuments;urp;StarOffice.ComponentContext")


def group_of(doc, ctx, shapes, name):
    collection = ctx.ServiceManager.createInstanceWithContext(
        "com.sun.star.drawing.ShapeCollection", ctx)
    for shape in shapes:
        collection.add(shape)
    group = doc.DrawPage.group(collection)
    group.Name = name
    return group


def groups(desktop, ctx, path):
    doc = new_document(desktop)
    paragraphs = write_paragraphs(doc, BODY)

    def member(kind, name, x, y, color):
        shape = custom_shape(doc, paragraphs[0].Start, kind, name, 2 * CM, 1 * CM)
        shape.Position = Point(x, y)
        shape.FillColor = color
        shape.LineColor = 0x000000
        return shape

    first = group_of(doc, ctx, [member("rectangle", "Rectangle 2", 2 * CM, 3 * CM, 0xFF0000),
                                member("ellipse", "Oval 3", 5 * CM, 4 * CM, 0x00FF00)], "Group 1")
    inner = group_of(doc, ctx, [member("rectangle", "Rectangle 4", 2 * CM, 8 * CM, 0x0000FF),
                                member("ellipse", "Oval 5", 5 * CM, 8 * CM, 0xFFFF00)], "Group 6")
    group_of(doc, ctx, [inner, member("rectangle", "Rectangle 7", 3 * CM, 10 * CM, 0xFF00FF)],
             "Group 8")
    save(doc, path)


# ---- what each saved shape must hold ----------------------------------------------------------
# (shape, element, attributes): the element is looked for inside the shape's drawing (the
# `wp:anchor` whose `wp:docPr` carries the name) or, for a member of a group, whose name only the
# VML fallback keeps, inside the VML element whose `ID` or `alt` is the name. Elements and
# attributes are matched by their local names, values without regard to case; `text` is the
# element's text. The values are the ones ../testing/shape_reference.h turns into what the object
# model answers (EMU / 12700 = points).

def at(shape, element, **attributes):
    return shape, element, attributes


def placed(shape, h_from, left, v_from, top, cx, cy):
    """The position (an offset in EMU, or an alignment word) and the extent of a shape."""
    def offset(value):
        return ("posOffset", {"text": str(value)}) if isinstance(value, int) else \
               ("align", {"text": value})
    h_element, h_value = offset(left)
    v_element, v_value = offset(top)
    return [at(shape, "positionH", relativeFrom=h_from), at(shape, h_element, **h_value),
            at(shape, "positionV", relativeFrom=v_from), at(shape, v_element, **v_value),
            at(shape, "extent", cx=str(cx), cy=str(cy))]


def distances(shape, top, bottom, left, right, behind="0"):
    return [at(shape, "anchor", distT=str(top), distB=str(bottom), distL=str(left),
               distR=str(right), behindDoc=behind)]


def insets(shape, left, top, right, bottom):
    return [at(shape, "bodyPr", lIns=str(left), tIns=str(top), rIns=str(right), bIns=str(bottom))]


EXPECTED = {
    "shapes_textboxes.docx": [
        at("Text Box 1", "cNvSpPr", txBox="1"),
        *placed("Text Box 1", "page", 1080135, "page", 1440180, 1800225, 899795),
        *distances("Text Box 1", 179705, 215900, 252095, 288290),
        at("Text Box 1", "wrapSquare", wrapText="bothSides"),
        at("Text Box 1", "srgbClr", val="FFFF00"),
        at("Text Box 1", "ln", w="19050"),
        at("Text Box 1", "srgbClr", val="FF0000"),
        at("Text Box 1", "prstDash", val="dash"),
        *insets("Text Box 1", 107950, 36195, 144145, 71755),
        at("Text Box 1", "t", text="第一个文本框的文字"),
        at("Text Box 3", "cNvSpPr", txBox="1"),
        *placed("Text Box 3", "margin", "center", "margin", 2879725, 2160270, 720090),
        *distances("Text Box 3", 0, 0, 0, 0),
        at("Text Box 3", "wrapSquare", wrapText="bothSides"),
        at("Text Box 3", "srgbClr", val="CCE8FF"),
        at("Text Box 3", "ln", w="9525"),
        at("Text Box 3", "srgbClr", val="0000FF"),
        *insets("Text Box 3", 53975, 53975, 53975, 53975),
        at("Text Box 3", "t", text="第三个文本框居中"),
        *placed("Text Box 4", "margin", 360045, "paragraph", 179705, 1440180, 720090),
        *distances("Text Box 4", 0, 0, 144145, 144145),
        at("Text Box 4", "wrapTight", wrapText="bothSides"),
        at("Text Box 4", "prstGeom", prst="rect"),
        at("Text Box 4", "srgbClr", val="E0FFE0"),
        at("Text Box 4", "ln", w="9360"),
        at("Text Box 4", "srgbClr", val="008000"),
        *insets("Text Box 4", 90000, 47160, 90000, 47160),
        at("Text Box 4", "t", text="紧密环绕的文本框"),
        at("Text Box 4", "rect", ID="Text Box 4"),  # the VML fallback names it too
    ],
    "shapes_pictures.docx": [
        *placed("Picture 2", "column", 720090, "paragraph", 179705, 1800225, 1080135),
        *distances("Picture 2", 0, 0, 0, 0),
        at("Picture 2", "wrapTopAndBottom"),
        at("Picture 2", "cNvPr", name="Picture 2"),
        at("Picture 2", "grayscl"),
        *placed("Picture 4", "page", 4319905, "page", 3599815, 1440180, 1440180),
        *distances("Picture 4", 0, 0, 107950, 107950),
        at("Picture 4", "wrapSquare", wrapText="bothSides"),
        at("Picture 4", "lum", bright="70000", contrast="-70000"),
        *placed("Picture 5", "margin", 360045, "paragraph", 360045, 1080135, 720090),
        *distances("Picture 5", 0, 0, 0, 0, behind="1"),
        at("Picture 5", "wrapNone"),
        at("Picture 5", "biLevel", thresh="50000"),
    ],
    "shapes_autoshapes.docx": [
        *placed("Rectangle 1", "page", 720090, "page", 1080135, 1440180, 720090),
        *distances("Rectangle 1", 71755, 71755, 71755, 71755),
        at("Rectangle 1", "wrapSquare", wrapText="bothSides"),
        at("Rectangle 1", "prstGeom", prst="rect"),
        at("Rectangle 1", "srgbClr", val="FF0000"),
        at("Rectangle 1", "ln", w="28440"),
        at("Rectangle 1", "srgbClr", val="00B050"),
        at("Rectangle 1", "ds", d="400000", sp="300000"),
        *placed("Oval 2", "margin", 360045, "paragraph", 360045, 1080135, 1080135),
        at("Oval 2", "wrapTopAndBottom"),
        at("Oval 2", "prstGeom", prst="ellipse"),
        at("Oval 2", "srgbClr", val="0070C0"),
        at("Oval 2", "alpha", val="50000"),
        at("Oval 2", "noFill"),  # the line's
        *placed("Line 3", "margin", 1440180, "paragraph", 720090, 1800225, 0),
        *distances("Line 3", 0, 0, 0, 0),
        at("Line 3", "wrapNone"),
        at("Line 3", "prstGeom", prst="line"),
        at("Line 3", "ln", w="12600"),
        at("Line 3", "srgbClr", val="FF0000"),
        *placed("Rectangle 5", "margin", 3599815, "paragraph", 360045, 1080135, 539750),
        *distances("Rectangle 5", 0, 0, 0, 0, behind="1"),
        at("Rectangle 5", "wrapNone"),
        at("Rectangle 5", "noFill"),
        at("Rectangle 5", "ln", w="0"),
        at("Rectangle 5", "srgbClr", val="000000"),
    ],
    "shapes_group.docx": [
        *placed("Group 1", "column", 720090, "paragraph", 1080135, 1800225, 720090),
        at("Group 1", "wrapSquare", wrapText="bothSides"),
        at("Group 1", "chExt", cx="1800360", cy="720000"),
        at("Group 1", "srgbClr", val="FF0000"),
        at("Group 1", "srgbClr", val="00FF00"),
        at("Rectangle 2", "rect", ID="Rectangle 2"),
        at("Oval 3", "oval", ID="Oval 3"),
        *placed("Group 8", "column", 179705, "paragraph", 1762125, 2340610, 1477645),
        at("Group 8", "grpSp"),  # Group 6 inside
        at("Group 8", "off", x="540360", y="1117440"),
        at("Group 8", "srgbClr", val="0000FF"),
        at("Group 8", "srgbClr", val="FFFF00"),
        at("Group 8", "srgbClr", val="FF00FF"),
        at("Group 6", "group", alt="Group 6"),
        at("Rectangle 4", "rect", ID="Rectangle 4"),
        at("Oval 5", "oval", ID="Oval 5"),
        at("Rectangle 7", "rect", ID="Rectangle 7"),
    ],
}


def local(name):
    return name.rsplit("}", 1)[-1]


def shape_scopes(tree, shape):
    """The drawings named `shape`: its anchor and the VML elements that carry the name."""
    anchors = [a for a in tree.iter() if local(a.tag) == "anchor" and
               any(local(d.tag) == "docPr" and d.get("name") == shape for d in a)]
    return anchors + [e for e in tree.iter()
                      if any(local(k) in ("ID", "alt") and v == shape for k, v in e.items())]


def holds(scope, element, attributes):
    for found in scope.iter():
        if local(found.tag) != element:
            continue
        values = {local(k): v.lower() for k, v in found.items()}
        if all((found.text or "") == v if k == "text" else values.get(k) == v.lower()
               for k, v in attributes.items()):
            return True
    return False


def verify(folder):
    """The list of what the saved shapes lack; empty when each holds what it should."""
    missing = []
    for name, expected in EXPECTED.items():
        with zipfile.ZipFile(os.path.join(folder, name)) as package:
            tree = ElementTree.fromstring(package.read("word/document.xml"))
            media = [n for n in package.namelist() if n.startswith("word/media/")]
        for shape, element, attributes in expected:
            scopes = shape_scopes(tree, shape)
            if not any(holds(scope, element, attributes) for scope in scopes):
                missing.append("%s: %s %s %s%s" % (name, shape, element, attributes,
                                                   "" if scopes else " (no such shape)"))
        if name == "shapes_pictures.docx" and not media:
            missing.append("%s: no picture in word/media" % name)
    return missing


def pictures_with_png(desktop, path):
    with tempfile.TemporaryDirectory(prefix="kirv_picture_") as scratch:
        png = os.path.join(scratch, "picture.png")
        with open(png, "wb") as picture:
            picture.write(small_png())
        pictures(desktop, path, png)


DOCUMENTS = [
    ("shapes_textboxes.docx", textboxes),
    ("shapes_pictures.docx", pictures_with_png),
    ("shapes_autoshapes.docx", autoshapes),
    ("shapes_group.docx", lambda desktop, path: groups(desktop, component_context(), path)),
]


def main():
    make_documents(DOCUMENTS, verify)


if __name__ == "__main__":
    main()
