#!/usr/bin/python3
# Makes suite_transitions.pptx with a real presentation program (LibreOffice Impress through its
# UNO bridge, as make_suite_presentations.py does): slide transitions of each kind the program
# writes (a plain effect, one with a sound, one with a length of its own, a newer effect in an
# mc:AlternateContent, none) and slide show settings. Run once by hand; the tests only read the
# committed file. After saving, the XML is searched for what each slide and the show settings are
# meant to hold (`EXPECTED`), and the run fails when the program left something out.
#   platform/office/powerpoint/testdata/make_transition_presentations.py [FOLDER]
import os
import struct
import sys
import tempfile
import zipfile
from xml.etree import ElementTree

import uno

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
sys.path.insert(0, os.path.join(HERE, "..", "..", "word", "testdata"))
sys.dont_write_bytecode = True
from make_suite_documents import make_documents  # noqa: E402
from make_suite_presentations import local, new_presentation, save, slide_parts  # noqa: E402
from com.sun.star.animations import TransitionType, TransitionSubType  # noqa: E402

AUTOMATIC = 1  # a page's Change: 0 on a click, 1 after its HighResDuration
SOUND = "Applause.wav"


def tiny_wav(path):
    """A tenth of a second of silence, 8 kHz mono 8-bit."""
    samples = b"\x80" * 800
    header = b"RIFF" + struct.pack("<I", 36 + len(samples)) + b"WAVEfmt " + struct.pack(
        "<IHHIIHH", 16, 1, 1, 8000, 8000, 1, 8) + b"data" + struct.pack("<I", len(samples))
    with open(path, "wb") as out:
        out.write(header + samples)


def transition(page, kind, subtype, seconds):
    page.TransitionType = kind
    page.TransitionSubtype = subtype
    page.TransitionDuration = seconds


def transitions(desktop, path):
    doc, pages = new_presentation(desktop, 5)
    for i, page in enumerate(pages):
        page.Name = "Slide %d" % (i + 1)
    wipe, fade, push, vortex, _ = pages
    transition(wipe, TransitionType.BARWIPE, TransitionSubType.LEFTTORIGHT, 2.0)
    wipe.Change = AUTOMATIC
    wipe.HighResDuration = 3.0
    transition(fade, TransitionType.FADE, TransitionSubType.CROSSFADE, 0.75)
    with tempfile.TemporaryDirectory(prefix="kirv_sound_") as folder:
        sound = os.path.join(folder, SOUND)
        tiny_wav(sound)
        fade.Sound = uno.systemPathToFileUrl(sound)
        transition(push, TransitionType.PUSHWIPE, TransitionSubType.FROMTOP, 1.5)
        # The program's vortex, saved as p14:vortex with a fade to fall back on.
        transition(vortex, TransitionType.MISCSHAPEWIPE, TransitionSubType.VERTICAL, 1.0)
        show = doc.Presentation
        show.IsEndless = True
        show.IsAutomatic = True  # saved as useTimings="0": slides change by hand
        show.FirstPage = "Slide 2"
        save(doc, path)


# ---- what the saved presentation must hold ----------------------------------------------------
# (slide, element, attributes): an element of the slide's p:transition (the one in mc:Choice where
# there is one), matched by local names; "Fallback" looks in mc:Fallback's instead. Slide 0 is
# p:showPr of ppt/presProps.xml. `count` is how many such elements there are.

def at(slide, element, **attributes):
    return slide, element, attributes


EXPECTED = [
    at(1, "transition", spd="slow", advTm="3000", dur="2000"),
    at(1, "transition", advClick=None),
    at(1, "wipe", dir="r"),
    at(2, "transition", spd="med", dur=None),
    at(2, "fade", thruBlk=None),
    at(2, "snd", name=SOUND),
    at(3, "transition", spd="slow", dur="1500"),
    at(3, "push", dir="d"),
    at(4, "transition", spd="slow", dur=None),
    at(4, "vortex", dir=None),
    at(4, "Fallback", count=1),
    # A slide left without a transition is saved with an empty one that has a length.
    at(5, "transition", spd="slow", dur="2000"),
    at(0, "showPr", loop="1", useTimings="0", showNarration="1", showAnimation=None),
    at(0, "sldRg", st="2", end="5"),
    at(0, "present", count=0),
    at(0, "penClr", count=0),
]


def transition_scope(tree):
    """The slide's p:transition, or its mc:AlternateContent; None without either."""
    for child in tree:
        if local(child.tag) in ("transition", "AlternateContent"):
            return child
    return None


def found(scope, element, attributes):
    if scope is None:
        return attributes.get("count") == 0
    if element == "Fallback" or local(scope.tag) != "AlternateContent":
        search = scope
    else:
        search = next(c for c in scope if local(c.tag) == "Choice")
    hits = [e for e in search.iter() if local(e.tag) == element]
    if "count" in attributes:
        return len(hits) == attributes["count"]
    return any(all({local(k): v for k, v in e.items()}.get(k) == v
                   for k, v in attributes.items()) for e in hits)


def verify(folder):
    missing = []
    with zipfile.ZipFile(os.path.join(folder, "suite_transitions.pptx")) as package:
        trees = [ElementTree.fromstring(package.read(p)) for p in slide_parts(package)]
        props = ElementTree.fromstring(package.read("ppt/presProps.xml"))
        for slide, element, attributes in EXPECTED:
            if slide == 0:
                scope = next((e for e in props.iter() if local(e.tag) == "showPr"), None)
            elif slide > len(trees):
                missing.append("no slide %d" % slide)
                continue
            else:
                scope = transition_scope(trees[slide - 1])
            if not found(scope, element, attributes):
                missing.append("slide %d: %s %s" % (slide, element, attributes))
    return missing


def main():
    if len(sys.argv) < 2:
        sys.argv.append(HERE)
    make_documents([("suite_transitions.pptx", transitions)], verify)


if __name__ == "__main__":
    main()
