#!/usr/bin/python3
# Makes suite_animation.pptx with a real presentation program (LibreOffice Impress through its
# UNO bridge; Debian packages libreoffice-impress-nogui and python3-uno), so that the timeline's
# tests read an animation tree as a presentation program writes it. Run once by hand; the tests
# only read the committed file. The shapes are animated through the older per-shape properties
# (Effect, Speed, DimColor, DimHide, Sound), which the program turns into its main sequence, and
# one effect's timing is then set on that sequence (delay, repeat count, after the previous).
# The office is started and stopped, and the sound written, with the helpers the other scripts
# here use.
# After saving, the slide's XML is searched for what it is meant to hold (`EXPECTED`), and the
# run fails when the program left something out.
#   platform/office/powerpoint/testdata/make_animation_presentations.py [FOLDER]
import os
import sys
import tempfile
import time
import zipfile
from xml.etree import ElementTree

import uno
from com.sun.star.awt import Point, Size
from com.sun.star.beans import NamedValue

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
sys.path.insert(0, os.path.join(HERE, "..", "..", "word", "testdata"))
sys.dont_write_bytecode = True  # no __pycache__ beside the documents
from make_suite_documents import make_documents, prop  # noqa: E402
from make_transition_presentations import tiny_wav  # noqa: E402

FILTER = "Impress MS PowerPoint 2007 XML"
AFTER_PREVIOUS = 3  # com.sun.star.presentation.EffectNodeType
P = "{http://schemas.openxmlformats.org/presentationml/2006/main}"
A = "{http://schemas.openxmlformats.org/drawingml/2006/main}"


def effect(name):
    return uno.Enum("com.sun.star.presentation.AnimationEffect", name)


def children(node):
    found = []
    items = node.createEnumeration()
    while items.hasMoreElements():
        found.append(items.nextElement())
    return found


def main_sequence_effects(page):
    """The effect nodes of the page's main sequence: root / sequence / click / group / effect."""
    return [e for seq in children(page.AnimationNode) for click in children(seq)
            for group in children(click) for e in children(group)]


def settle():
    # The program rebuilds its main sequence from the shapes' properties on a timer.
    time.sleep(2)


def animated_slide(desktop, path):
    """Slide 1: "Flying" flies in from the left, slowly (2 s), and is dimmed red when the next
    effect starts; "Still" is not animated; "Wiping" wipes in from the bottom after the previous
    effect, 1.5 s later, three times, and is hidden after it; "Sounding" flies in from the bottom
    with a sound."""
    doc = desktop.loadComponentFromURL("private:factory/simpress", "_blank", 0,
                                       (prop("Hidden", True),))
    page = doc.DrawPages.getByIndex(0)
    page.Layout = 20  # blank
    shapes = []
    for i, name in enumerate(["Flying", "Still", "Wiping", "Sounding"]):
        shape = doc.createInstance("com.sun.star.drawing.RectangleShape")
        shape.Name = name  # named once on the page, the program fails on the animation below
        page.add(shape)
        shape.Position = Point(1000 + i * 6500, 4000)
        shape.Size = Size(6000, 3000)
        shape.String = name
        shapes.append(shape)
    flying, _, wiping, sounding = shapes
    flying.Effect = effect("MOVE_FROM_LEFT")
    flying.Speed = uno.Enum("com.sun.star.presentation.AnimationSpeed", "SLOW")
    flying.DimColor = 0xFF0000
    flying.DimPrevious = True
    wiping.Effect = effect("FADE_FROM_TOP")
    wiping.DimHide = True
    with tempfile.TemporaryDirectory(prefix="kirv_sound_") as folder:
        sounding.Effect = effect("MOVE_FROM_BOTTOM")
        sound = os.path.join(folder, "applause.wav")
        tiny_wav(sound)
        sounding.Sound = uno.systemPathToFileUrl(sound)
        sounding.SoundOn = True
        page.AnimationNode
        settle()
        wipe = main_sequence_effects(page)[1]
        wipe.Begin = 1.5
        wipe.RepeatCount = 3.0
        wipe.UserData = tuple(NamedValue(u.Name, AFTER_PREVIOUS) if u.Name == "node-type" else u
                              for u in wipe.UserData)
        settle()
        doc.storeToURL(uno.systemPathToFileUrl(path), (prop("FilterName", FILTER),))
    doc.close(True)


# For each saved effect (in main-sequence order): the p:cTn attributes it must carry and the
# shape its first p:spTgt names.
EXPECTED = {
    "suite_animation.pptx": [
        ({"presetClass": "entr", "presetID": "2", "presetSubtype": "8",
          "nodeType": "clickEffect"}, "Flying"),
        ({"presetClass": "entr", "presetID": "22", "presetSubtype": "4",
          "nodeType": "afterEffect", "repeatCount": "3000"}, "Wiping"),
        ({"presetClass": "entr", "presetID": "2", "presetSubtype": "4",
          "nodeType": "clickEffect"}, "Sounding"),
    ],
}


def verify(folder):
    missing = []
    for name, expected in EXPECTED.items():
        with zipfile.ZipFile(os.path.join(folder, name)) as package:
            slide = ElementTree.fromstring(package.read("ppt/slides/slide1.xml"))
        ids = {c.get("id"): c.get("name") for c in slide.iter(P + "cNvPr")}
        effects = [c for c in slide.iter(P + "cTn") if c.get("presetClass")]
        if len(effects) != len(expected):
            missing.append("%s: %d effects, not %d" % (name, len(effects), len(expected)))
            continue
        for node, (attributes, shape) in zip(effects, expected):
            for key, value in attributes.items():
                if node.get(key) != value:
                    missing.append("%s: effect on %s: %s=%s" % (name, shape, key, value))
            target = next(node.iter(P + "spTgt"), None)
            if target is None or ids.get(target.get("spid")) != shape:
                missing.append("%s: an effect on %s" % (name, shape))
        if not any(c.get("delay") == "1500" for c in effects[1].iter(P + "cond")):
            missing.append("%s: the wipe's delay of 1500" % name)
        if not any(c.get("val", "").lower() == "ff0000" for c in slide.iter(A + "srgbClr")):
            missing.append("%s: the red dim" % name)
        if not any(t.get("name") == "applause.wav" for t in slide.iter(P + "sndTgt")):
            missing.append("%s: the sound applause.wav" % name)
    return missing


PRESENTATIONS = [
    ("suite_animation.pptx", animated_slide),
]


def main():
    if len(sys.argv) < 2:
        sys.argv.append(HERE)  # the shared runner's default is its own folder
    make_documents(PRESENTATIONS, verify)


if __name__ == "__main__":
    main()
