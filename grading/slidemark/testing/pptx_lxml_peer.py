#!/usr/bin/python3
# The peer of slidemark's benchmark: Debian's python3-lxml over the package's parts (python-pptx
# is no Debian package), in one long-running process, opening a candidate's presentation and
# reading what the demo task's rules read: the slides in order with their ids and their layouts'
# types, every shape's kind, preset, position and size, every shape's text and a search through
# it, the first runs' font name, East Asian name, size, bold, italic, underline, colour and link
# target and the paragraphs' alignment, every shape's own solid fill, the slide's transition
# element and its main sequence's effects (class, preset, subtype, shape). It reads what the file states and resolves no inheritance from
# layouts, masters or themes: it does less than the control does, which makes the comparison fair
# to it.
#   pptx_lxml_peer.py PRESENTATION [SECONDS]   repeats the pass for SECONDS (3 unless told) after
#                                              one to warm up; prints "per-run-microseconds runs"
#   pptx_lxml_peer.py --serve                  a request per line on standard input, each the path
#                                              of a presentation; answers a line per request,
#                                              "microseconds checksum", or "error <why>"
import posixpath
import sys
import time
import zipfile

from lxml import etree

NS = {
    "p": "http://schemas.openxmlformats.org/presentationml/2006/main",
    "a": "http://schemas.openxmlformats.org/drawingml/2006/main",
    "r": "http://schemas.openxmlformats.org/officeDocument/2006/relationships",
    "rel": "http://schemas.openxmlformats.org/package/2006/relationships",
    "mc": "http://schemas.openxmlformats.org/markup-compatibility/2006",
}
R_ID = "{%s}id" % NS["r"]
SOUGHT = "计算机"  # what the search looks for, as a rule's text would be


def part(package, name):
    return etree.fromstring(package.read(name))


def relationships(package, name):
    """The targets of a part's relationships by id, as part names."""
    folder, base = posixpath.split(name)
    rels = posixpath.join(folder, "_rels", base + ".rels")
    if rels not in package.namelist():
        return {}
    targets = {}
    for rel in part(package, rels).iterfind("rel:Relationship", NS):
        targets[rel.get("Id")] = posixpath.normpath(posixpath.join(folder, rel.get("Target")))
    return targets


def emu(value):
    return int(value or 0)


def run_reads(run, links):
    total = 0
    rpr = run.find("a:rPr", NS)
    if rpr is not None:
        total += emu(rpr.get("sz")) + (rpr.get("b") == "1") + (rpr.get("i") == "1")
        total += rpr.get("u", "none") != "none"
        for font in ("a:latin", "a:ea"):
            face = rpr.find(font, NS)
            total += len(face.get("typeface", "")) if face is not None else 0
        colour = rpr.find("a:solidFill/a:srgbClr", NS)
        total += int(colour.get("val"), 16) if colour is not None else 0
        link = rpr.find("a:hlinkClick", NS)
        total += len(links.get(link.get(R_ID), "")) if link is not None else 0
    return total


def text_reads(body, links):
    paragraphs = body.findall("a:p", NS)
    texts = []
    total = 0
    for paragraph in paragraphs:
        ppr = paragraph.find("a:pPr", NS)
        total += len(ppr.get("algn", "")) if ppr is not None else 0
        texts.append("".join(paragraph.itertext()))
        for run in paragraph.findall("a:r", NS):
            total += run_reads(run, links)
    text = "\r".join(texts)
    return total + len(text) + (SOUGHT.lower() in text.lower())


def shape_reads(shape, links):
    total = len(etree.QName(shape).localname)
    props = shape.find(".//p:cNvPr", NS)
    total += len(props.get("name", "")) if props is not None else 0
    total += shape.find(".//p:nvPr/p:ph", NS) is not None
    xfrm = shape.find("p:spPr/a:xfrm", NS)
    if xfrm is None:
        xfrm = shape.find("p:xfrm", NS)
    if xfrm is not None:
        off, ext = xfrm.find("a:off", NS), xfrm.find("a:ext", NS)
        if off is not None:
            total += emu(off.get("x")) // 12700 + emu(off.get("y")) // 12700
        if ext is not None:
            total += emu(ext.get("cx")) // 12700 + emu(ext.get("cy")) // 12700
    preset = shape.find("p:spPr/a:prstGeom", NS)
    total += len(preset.get("prst", "")) if preset is not None else 0
    fill = shape.find("p:spPr/a:solidFill/a:srgbClr", NS)
    total += int(fill.get("val"), 16) if fill is not None else 0
    body = shape.find("p:txBody", NS)
    return total + (text_reads(body, links) if body is not None else 0)


def transition_reads(slide):
    transition = slide.find("p:transition", NS)
    if transition is None:
        transition = slide.find("mc:AlternateContent/mc:Choice/p:transition", NS)
    if transition is None:
        return 0
    effects = [child for child in transition if isinstance(child.tag, str)]
    return len(transition.get("spd", "")) + (len(etree.QName(effects[0]).localname) if effects else 0)


def timing_reads(slide):
    total = 0
    for node in slide.iterfind(".//p:cTn[@presetClass]", NS):
        total += len(node.get("presetClass")) + emu(node.get("presetID"))
        total += emu(node.get("presetSubtype"))
        target = node.find(".//p:spTgt", NS)
        total += emu(target.get("spid")) if target is not None else 0
    return total


def read(path):
    """One pass over the presentation; the sum of what was read, so nothing is optimised away."""
    with zipfile.ZipFile(path) as package:
        main = "ppt/presentation.xml"
        targets = relationships(package, main)
        total = 0
        for entry in part(package, main).iterfind("p:sldIdLst/p:sldId", NS):
            total += emu(entry.get("id"))
            name = targets[entry.get(R_ID)]
            slide = part(package, name)
            links = relationships(package, name)
            for target in links.values():
                if "slideLayout" in target:
                    total += len(part(package, target).get("type", "cust"))
            tree = slide.find("p:cSld/p:spTree", NS)
            for shape in tree if tree is not None else ():
                if etree.QName(shape).localname in ("sp", "grpSp", "graphicFrame", "pic", "cxnSp"):
                    total += shape_reads(shape, links)
            total += transition_reads(slide) + timing_reads(slide)
        return total


def serve():
    for line in sys.stdin:
        path = line.rstrip("\r\n")
        if not path:
            continue
        try:
            start = time.perf_counter()
            total = read(path)
            print("%.1f %d" % ((time.perf_counter() - start) * 1e6, total), flush=True)
        except Exception as error:  # the driver reads the reason; the peer goes on
            print("error %s" % str(error).replace("\n", " "), flush=True)


def repeat(path, seconds):
    read(path)  # warm up
    runs = 0
    start = time.perf_counter()
    while time.perf_counter() - start < seconds:
        read(path)
        runs += 1
    print("%.1f %d" % ((time.perf_counter() - start) / runs * 1e6, runs))


def main():
    if len(sys.argv) == 2 and sys.argv[1] == "--serve":
        serve()
    elif len(sys.argv) in (2, 3):
        repeat(sys.argv[1], float(sys.argv[2]) if len(sys.argv) == 3 else 3.0)
    else:
        sys.exit("usage: pptx_lxml_peer.py PRESENTATION [SECONDS] | --serve")


if __name__ == "__main__":
    main()
