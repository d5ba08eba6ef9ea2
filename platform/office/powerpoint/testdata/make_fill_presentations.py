#!/usr/bin/python3
# Makes suite_fills.pptx with a real presentation program (LibreOffice Impress through its UNO
# bridge, as make_suite_presentations.py does): shapes with solid, gradient, hatched and picture
# fills, slides that follow the master's background and slides with their own. Run once by hand;
# the tests only read the committed file. After saving, the slides' and the master's XML are
# searched for what each was meant to hold (the table `EXPECTED`), and the run fails when the
# program left something out.
#   platform/office/powerpoint/testdata/make_fill_presentations.py [FOLDER]   (default: beside it)
import os
import sys
import zipfile
from xml.etree import ElementTree

import uno

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
sys.path.insert(0, os.path.join(HERE, "..", "..", "word", "testdata"))
sys.dont_write_bytecode = True  # no __pycache__ beside the documents
from make_suite_documents import CM, make_documents  # noqa: E402
from make_suite_presentations import (TITLE_ONLY, drawing_shape, lacks, local,  # noqa: E402
                                      new_presentation, placeholders, related, save,
                                      shape_scope, slide_parts, with_png, write_paragraphs)

RECTANGLE = "com.sun.star.drawing.RectangleShape"


def enum(kind, value):
    return uno.Enum("com.sun.star.drawing." + kind, value)


def gradient(style, start, end, angle):
    """A com.sun.star.awt.Gradient from `start` to `end`; `angle` in tenths of a degree."""
    g = uno.createUnoStruct("com.sun.star.awt.Gradient")
    g.Style = uno.Enum("com.sun.star.awt.GradientStyle", style)
    g.StartColor, g.EndColor = start, end
    g.Angle, g.Border = angle, 0
    g.XOffset, g.YOffset = 50, 50
    g.StartIntensity, g.EndIntensity = 100, 100
    g.StepCount = 0
    return g


def hatch(color, distance, angle):
    h = uno.createUnoStruct("com.sun.star.drawing.Hatch")
    h.Style = enum("HatchStyle", "SINGLE")
    h.Color, h.Distance, h.Angle = color, distance, angle
    return h


def background(doc, **properties):
    """A page background holding the fill properties given."""
    bg = doc.createInstance("com.sun.star.drawing.Background")
    for name, value in properties.items():
        setattr(bg, name, value)
    return bg


def fill_slides(desktop, path, png_path):
    doc, (shapes, own_solid, own_gradient) = new_presentation(desktop, 3)
    # The master's background: every slide without its own shows it.
    master = shapes.MasterPage
    master.Background = background(doc, FillStyle=enum("FillStyle", "SOLID"),
                                   FillColor=0xE2F0D9)

    (title,) = placeholders(shapes, TITLE_ONLY)
    write_paragraphs(title, ["填充"])
    solid = drawing_shape(doc, shapes, RECTANGLE, "Solid 2", 2 * CM, 4 * CM, 4 * CM, 3 * CM)
    solid.FillStyle = enum("FillStyle", "SOLID")
    solid.FillColor = 0xC00000
    shaded = drawing_shape(doc, shapes, RECTANGLE, "Gradient 3", 7 * CM, 4 * CM, 4 * CM, 3 * CM)
    shaded.FillStyle = enum("FillStyle", "GRADIENT")
    shaded.FillGradient = gradient("LINEAR", 0xFF0000, 0x0000FF, 0)
    hatched = drawing_shape(doc, shapes, RECTANGLE, "Pattern 4", 12 * CM, 4 * CM, 4 * CM, 3 * CM)
    hatched.FillStyle = enum("FillStyle", "HATCH")
    hatched.FillHatch = hatch(0x000000, 100, 0)
    hatched.FillBackground = True
    hatched.FillColor = 0xFFFF00
    bitmap = uno.systemPathToFileUrl(png_path)
    tiled = drawing_shape(doc, shapes, RECTANGLE, "Texture 5", 17 * CM, 4 * CM, 4 * CM, 3 * CM)
    tiled.FillStyle = enum("FillStyle", "BITMAP")
    tiled.FillBitmapURL = bitmap
    tiled.FillBitmapMode = enum("BitmapMode", "REPEAT")
    stretched = drawing_shape(doc, shapes, RECTANGLE, "Picture 6", 2 * CM, 9 * CM, 4 * CM, 3 * CM)
    stretched.FillStyle = enum("FillStyle", "BITMAP")
    stretched.FillBitmapURL = bitmap
    stretched.FillBitmapMode = enum("BitmapMode", "STRETCH")
    empty = drawing_shape(doc, shapes, RECTANGLE, "No fill 7", 7 * CM, 9 * CM, 4 * CM, 3 * CM)
    empty.FillStyle = enum("FillStyle", "NONE")

    (title,) = placeholders(own_solid, TITLE_ONLY)
    write_paragraphs(title, ["自己的纯色背景"])
    own_solid.Background = background(doc, FillStyle=enum("FillStyle", "SOLID"),
                                      FillColor=0x00B0F0)

    (title,) = placeholders(own_gradient, TITLE_ONLY)
    write_paragraphs(title, ["自己的渐变背景"])
    own_gradient.Background = background(
        doc, FillStyle=enum("FillStyle", "GRADIENT"),
        FillGradient=gradient("LINEAR", 0xFFFFFF, 0x4472C4, 0))
    save(doc, path)


# ---- what the saved presentation must hold ----------------------------------------------------
# (slide, shape, element, attributes) as in make_suite_presentations.py; the shape "<bg>" is the
# slide's own p:bg, "<master bg>" the master's.

def at(slide, shape, element, **attributes):
    return slide, shape, element, attributes


EXPECTED = {
    "suite_fills.pptx": [
        at(1, "Solid 2", "srgbClr", val="c00000"),
        at(1, "Gradient 3", "gradFill"),
        at(1, "Gradient 3", "gs", count=2),
        at(1, "Gradient 3", "srgbClr", val="ff0000"),
        at(1, "Gradient 3", "srgbClr", val="0000ff"),
        at(1, "Gradient 3", "lin", ang="5400000"),
        at(1, "Pattern 4", "pattFill", prst="horz"),
        at(1, "Pattern 4", "srgbClr", val="000000"),
        at(1, "Pattern 4", "srgbClr", val="ffff00"),
        at(1, "Texture 5", "blipFill"),
        at(1, "Texture 5", "tile"),
        at(1, "Picture 6", "blipFill"),
        at(1, "Picture 6", "stretch"),
        at(1, "No fill 7", "noFill"),
        at(1, "<bg>", "bg", count=0),
        at(1, "<master bg>", "srgbClr", val="e2f0d9"),
        at(2, "<bg>", "srgbClr", val="00b0f0"),
        at(3, "<bg>", "gradFill"),
        at(3, "<bg>", "srgbClr", val="4472c4"),
    ],
}


def background_scope(tree):
    """The p:bg of a slide or master tree; None when it has none."""
    for element in tree.iter():
        if local(element.tag) == "bg":
            return element
    return None


def verify(folder):
    missing = []
    for name, expected in EXPECTED.items():
        with zipfile.ZipFile(os.path.join(folder, name)) as package:
            slides = slide_parts(package)
            trees = [ElementTree.fromstring(package.read(part)) for part in slides]
            (layout,) = related(package, slides[0], "slideLayout").values()
            (master,) = related(package, layout, "slideMaster").values()
            master_tree = ElementTree.fromstring(package.read(master))
            for slide, shape, element, attributes in expected:
                tree = trees[slide - 1]
                if shape == "<master bg>":
                    scope = background_scope(master_tree)
                elif shape == "<bg>":
                    scope = background_scope(tree)
                else:
                    scope = shape_scope(tree, shape)
                missing += lacks(name, slide, shape, scope, element, attributes)
    return missing


def main():
    if len(sys.argv) < 2:
        sys.argv.append(HERE)
    make_documents([("suite_fills.pptx", with_png(fill_slides))], verify)


if __name__ == "__main__":
    main()
