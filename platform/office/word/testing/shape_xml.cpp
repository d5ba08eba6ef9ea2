// The XML of floating drawings for tests.
#include "platform/office/word/testing/shape_xml.h"

#include <cmath>

#include "platform/office/word/testing/docx_writer.h"

namespace word::testing {
namespace {

std::string Emu(double points) {
  return std::to_string(std::llround(points * kEmuPerPoint));
}

std::string Position(std::string_view axis, std::string_view relativeFrom, std::string_view inner) {
  return "<wp:position" + std::string(axis) + " relativeFrom=\"" + std::string(relativeFrom) +
         "\">" + std::string(inner) + "</wp:position" + std::string(axis) + ">";
}

std::string Extent(const AnchorXml& anchor) {
  return R"(<wp:extent cx=")" + Emu(anchor.width) + R"(" cy=")" + Emu(anchor.height) + R"("/>)";
}

std::string NameAndGraphic(const AnchorXml& anchor) {
  return R"(<wp:docPr id="1" name=")" + Escape(anchor.name) +
         R"("/><a:graphic><a:graphicData uri=")" + anchor.graphicUri + R"(">)" + anchor.graphic +
         "</a:graphicData></a:graphic>";
}

}  // namespace

std::string OffsetH(std::string_view relativeFrom, double points) {
  return Position("H", relativeFrom, "<wp:posOffset>" + Emu(points) + "</wp:posOffset>");
}

std::string OffsetV(std::string_view relativeFrom, double points) {
  return Position("V", relativeFrom, "<wp:posOffset>" + Emu(points) + "</wp:posOffset>");
}

std::string AlignH(std::string_view relativeFrom, std::string_view align) {
  return Position("H", relativeFrom, "<wp:align>" + std::string(align) + "</wp:align>");
}

std::string AlignV(std::string_view relativeFrom, std::string_view align) {
  return Position("V", relativeFrom, "<wp:align>" + std::string(align) + "</wp:align>");
}

std::string Anchor(const AnchorXml& anchor) {
  return R"(<w:drawing><wp:anchor distT=")" + Emu(anchor.distances[0]) + R"(" distB=")" +
         Emu(anchor.distances[1]) + R"(" distL=")" + Emu(anchor.distances[2]) + R"(" distR=")" +
         Emu(anchor.distances[3]) + R"(" simplePos="0" relativeHeight="1" behindDoc=")" +
         (anchor.behindDoc ? "1" : "0") +
         R"(" locked="0" layoutInCell="1" allowOverlap="1"><wp:simplePos x="0" y="0"/>)" +
         anchor.positionH + anchor.positionV + Extent(anchor) + anchor.wrap +
         NameAndGraphic(anchor) + "</wp:anchor></w:drawing>";
}

std::string Inline(const AnchorXml& anchor) {
  return "<w:drawing><wp:inline>" + Extent(anchor) + NameAndGraphic(anchor) +
         "</wp:inline></w:drawing>";
}

std::string ShapeXml(std::string_view spPr, std::string_view paragraphs, std::string_view bodyPr,
                     bool textBox, std::string_view name) {
  std::string xml = "<wps:wsp>";
  if (!name.empty()) xml += R"(<wps:cNvPr id="9" name=")" + Escape(name) + R"("/>)";
  xml += textBox ? R"(<wps:cNvSpPr txBox="1"/>)" : "<wps:cNvSpPr/>";
  xml += "<wps:spPr>" + std::string(spPr) + "</wps:spPr>";
  if (!paragraphs.empty())
    xml += "<wps:txbx><w:txbxContent>" + std::string(paragraphs) + "</w:txbxContent></wps:txbx>";
  xml += "<wps:bodyPr " + std::string(bodyPr) + "/></wps:wsp>";
  return xml;
}

std::string PictureXml(std::string_view blipEffects, std::string_view name) {
  return R"(<pic:pic><pic:nvPicPr><pic:cNvPr id="5" name=")" + Escape(name) +
         R"("/><pic:cNvPicPr/></pic:nvPicPr><pic:blipFill><a:blip r:embed="rIdMissing">)" +
         std::string(blipEffects) +
         R"(</a:blip><a:stretch><a:fillRect/></a:stretch></pic:blipFill><pic:spPr>)"
         R"(<a:prstGeom prst="rect"><a:avLst/></a:prstGeom></pic:spPr></pic:pic>)";
}

std::string Xfrm(int64_t x, int64_t y, int64_t width, int64_t height) {
  return R"(<a:xfrm><a:off x=")" + std::to_string(x) + R"(" y=")" + std::to_string(y) +
         R"("/><a:ext cx=")" + std::to_string(width) + R"(" cy=")" + std::to_string(height) +
         R"("/></a:xfrm>)";
}

std::string GroupXml(int64_t childX, int64_t childY, int64_t childWidth, int64_t childHeight,
                     std::string_view children, bool nested, std::string_view name, int64_t x,
                     int64_t y, int64_t width, int64_t height) {
  const std::string tag = nested ? "wpg:grpSp" : "wpg:wgp";
  std::string xml = "<" + tag + ">";
  if (!name.empty()) xml += R"(<wpg:cNvPr id="7" name=")" + Escape(name) + R"("/>)";
  xml += R"(<wpg:cNvGrpSpPr/><wpg:grpSpPr><a:xfrm><a:off x=")" + std::to_string(x) + R"(" y=")" +
         std::to_string(y) + R"("/><a:ext cx=")" + std::to_string(width) + R"(" cy=")" +
         std::to_string(height) + R"("/><a:chOff x=")" + std::to_string(childX) + R"(" y=")" +
         std::to_string(childY) + R"("/><a:chExt cx=")" + std::to_string(childWidth) + R"(" cy=")" +
         std::to_string(childHeight) + R"("/></a:xfrm></wpg:grpSpPr>)" + std::string(children) +
         "</" + tag + ">";
  return xml;
}

std::string ObjectRun(std::string_view object) {
  return "<w:r>" + std::string(object) + "</w:r>";
}

std::string AlternateContent(std::string_view choice, std::string_view fallback) {
  return R"(<mc:AlternateContent><mc:Choice Requires="wps">)" + std::string(choice) +
         "</mc:Choice><mc:Fallback>" + std::string(fallback) +
         "</mc:Fallback></mc:AlternateContent>";
}

std::string Pict(std::string_view shapes) {
  return "<w:pict>" + std::string(shapes) + "</w:pict>";
}

}  // namespace word::testing
