#!/usr/bin/python3
# Makes suite_lines.pptx beside it with a real presentation program (LibreOffice Impress through
# its UNO bridge, as make_suite_presentations.py does): shapes with their lines set as a user
# sets them (dashed and coloured, thick, hidden, left as the program draws them) and fontwork
# text, which the program saves as a text body with a preset warp. Run once by hand; the tests
# only read the committed file. After saving, the XML is searched for what each shape is meant
# to hold (the table `EXPECTED`), and the run fails when the program left something out.
#   platform/office/powerpoint/testdata/make_line_presentations.py [FOLDER]   (default: beside it)
import os
import sys

import uno
from com.sun.star.beans import PropertyValue

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
sys.dont_write_bytecode = True  # no __pycache__ beside the presentations
import make_suite_presentations as suite  # noqa: E402
from make_suite_presentations import (CM, BOLD, TITLE_ONLY, at, drawing_shape,  # noqa: E402
                                      italic, make_documents, new_presentation, placeholders,
                                      save, write_paragraphs)

HUNDREDTHS_MM_PER_POINT = 2540 / 72  # line widths are set in 1/100 mm
DASH = uno.Enum("com.sun.star.drawing.LineStyle", "DASH")
NO_LINE = uno.Enum("com.sun.star.drawing.LineStyle", "NONE")


def dash(style, dots, dot_len, dashes, dash_len, distance):
    value = uno.createUnoStruct("com.sun.star.drawing.LineDash")
    value.Style = uno.Enum("com.sun.star.drawing.DashStyle", style)
    value.Dots, value.DotLen, value.Dashes, value.DashLen = dots, dot_len, dashes, dash_len
    value.Distance = distance
    return value


def fontwork(doc, page, name, kind, text, left, top, char_props):
    """A fontwork shape of the gallery's `kind` ("fontwork-arch-up-curve") holding `text`."""
    shape = doc.createInstance("com.sun.star.drawing.CustomShape")
    page.add(shape)
    shape.Name = name
    shape.Position = uno.createUnoStruct("com.sun.star.awt.Point", left, top)
    shape.Size = uno.createUnoStruct("com.sun.star.awt.Size", 8 * CM, 3 * CM)
    geometry = [PropertyValue(Name="Type", Value=kind),
                PropertyValue(Name="TextPath", Value=uno.Any(
                    "[]com.sun.star.beans.PropertyValue",
                    (PropertyValue(Name="TextPath", Value=True),
                     PropertyValue(Name="ScaleX", Value=False))))]
    uno.invoke(shape, "setPropertyValue", ("CustomShapeGeometry", uno.Any(
        "[]com.sun.star.beans.PropertyValue", tuple(geometry))))
    write_paragraphs(shape, [(text, {}, [(text, char_props)])])
    return shape


def line_slides(desktop, path):
    doc, (lines, words) = new_presentation(desktop, 2)
    (title,) = placeholders(lines, TITLE_ONLY)
    write_paragraphs(title, ["线条"])
    # A red dashed line of 3 points: dashes four widths long three widths apart, the pattern of
    # the preset "dash", which the program saves as a custom dash of those lengths.
    dashed = drawing_shape(doc, lines, "com.sun.star.drawing.RectangleShape", "Dashed 2",
                           2 * CM, 4 * CM, 5 * CM, 3 * CM)
    dashed.LineStyle = DASH
    dashed.LineDash = dash("RECTRELATIVE", 0, 0, 1, 400, 300)
    dashed.LineColor = 0xFF0000
    dashed.LineWidth = round(3 * HUNDREDTHS_MM_PER_POINT)
    # No line at all.
    hidden = drawing_shape(doc, lines, "com.sun.star.drawing.RectangleShape", "Hidden 3",
                           9 * CM, 4 * CM, 5 * CM, 3 * CM)
    hidden.LineStyle = NO_LINE
    # Left as the program draws a new shape.
    drawing_shape(doc, lines, "com.sun.star.drawing.EllipseShape", "Plain 4",
                  16 * CM, 4 * CM, 5 * CM, 3 * CM)
    # A straight line of 2.5 points in green.
    line = drawing_shape(doc, lines, "com.sun.star.drawing.LineShape", "Line 5",
                         2 * CM, 10 * CM, 10 * CM, 0)
    line.LineColor = 0x00B050
    line.LineWidth = round(2.5 * HUNDREDTHS_MM_PER_POINT)
    # Dashes of no preset's lengths.
    custom = drawing_shape(doc, lines, "com.sun.star.drawing.RectangleShape", "Custom 6",
                           14 * CM, 9 * CM, 4 * CM, 2 * CM)
    custom.LineStyle = DASH
    custom.LineDash = dash("RECTRELATIVE", 0, 0, 1, 600, 200)
    custom.LineWidth = round(2 * HUNDREDTHS_MM_PER_POINT)
    # Round dots one width apart.
    dots = drawing_shape(doc, lines, "com.sun.star.drawing.RectangleShape", "Dots 7",
                         20 * CM, 9 * CM, 4 * CM, 2 * CM)
    dots.LineStyle = DASH
    dots.LineDash = dash("ROUNDRELATIVE", 1, 100, 0, 0, 100)
    dots.LineWidth = round(2 * HUNDREDTHS_MM_PER_POINT)

    (title,) = placeholders(words, TITLE_ONLY)
    write_paragraphs(title, ["艺术字"])
    fontwork(doc, words, "Arch 2", "fontwork-arch-up-curve", "Arch Text", 2 * CM, 4 * CM,
             {"CharFontName": "Arial", "CharHeight": 36.0, "CharWeight": BOLD})
    fontwork(doc, words, "Wave 3", "fontwork-wave", "Wave Text", 12 * CM, 4 * CM,
             {"CharFontName": "Times New Roman", "CharHeight": 28.0, "CharPosture": italic()})
    fontwork(doc, words, "Stop 4", "fontwork-stop", "Stop Text", 2 * CM, 9 * CM,
             {"CharFontName": "Arial", "CharHeight": 24.0})
    save(doc, path)


EXPECTED = {
    "suite_lines.pptx": [
        at(1, "Dashed 2", "ln", w="38160"),  # 106 / 100 mm, 3.005 points
        at(1, "Dashed 2", "ds", d="400000", sp="300000"),
        at(1, "Dashed 2", "srgbClr", val="ff0000"),
        at(1, "Hidden 3", "noFill"),
        at(1, "Plain 4", "ln", w="0"),
        at(1, "Plain 4", "srgbClr", val="3465a4"),
        at(1, "Line 5", "ln", w="31680"),  # 88 / 100 mm, 2.494 points
        at(1, "Line 5", "lnRef", idx="0"),
        at(1, "Line 5", "srgbClr", val="00b050"),
        at(1, "Custom 6", "ds", d="600000", sp="200000"),
        at(1, "Dots 7", "prstDash", val="sysDot"),
        at(1, "Dots 7", "ln", cap="rnd"),
        at(2, "Arch 2", "prstTxWarp", prst="textArchUp"),
        at(2, "Arch 2", "t", text="Arch Text"),
        at(2, "Arch 2", "latin", typeface="Arial"),
        at(2, "Wave 3", "prstTxWarp", prst="textWave1"),
        at(2, "Wave 3", "rPr", i="1"),
        at(2, "Stop 4", "prstTxWarp", prst="textStop"),
    ],
}


def main():
    if len(sys.argv) < 2:
        sys.argv.append(HERE)
    suite.EXPECTED = EXPECTED  # the shared verifier reads its table from the module
    make_documents([("suite_lines.pptx", line_slides)], suite.verify)


if __name__ == "__main__":
    main()
