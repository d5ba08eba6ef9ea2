// Test helper: the XML of floating drawings in both stored forms, for documents built by the
// writer: a DrawingML anchor around a shape, text box, picture or group, the VML shapes of a
// w:pict, and the alternate-content block that holds both.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace word::testing {

inline constexpr int64_t kEmuPerPoint = 12700;

// wp:positionH / wp:positionV with an offset in points, or aligned ("center").
std::string OffsetH(std::string_view relativeFrom, double points);
std::string OffsetV(std::string_view relativeFrom, double points);
std::string AlignH(std::string_view relativeFrom, std::string_view align);
std::string AlignV(std::string_view relativeFrom, std::string_view align);

struct AnchorXml {
  std::string name = "Text Box 1";
  double width = 144;  // points
  double height = 72;
  std::string positionH = OffsetH("column", 0);
  std::string positionV = OffsetV("paragraph", 0);
  std::string wrap = R"(<wp:wrapSquare wrapText="bothSides"/>)";
  // The anchor's distT, distB, distL, distR in points.
  double distances[4] = {0, 0, 9, 9};
  bool behindDoc = false;
  std::string graphic;  // the content of a:graphicData: wps:wsp, pic:pic or wpg:wgp
  std::string graphicUri = "http://schemas.microsoft.com/office/word/2010/wordprocessingShape";
};

// <w:drawing> with a wp:anchor.
std::string Anchor(const AnchorXml& anchor);
// <w:drawing> with a wp:inline of the same content (no member of Shapes).
std::string Inline(const AnchorXml& anchor);
// A wps:wsp: its spPr's inner XML, and a text box of these paragraphs when `paragraphs` is not
// empty (`bodyPr`: the attributes of wps:bodyPr).
std::string ShapeXml(std::string_view spPr, std::string_view paragraphs = "",
                     std::string_view bodyPr = "", bool textBox = true, std::string_view name = "");
// A pic:pic with the blip's inner XML (a:grayscl, a:lum, ...).
std::string PictureXml(std::string_view blipEffects = "", std::string_view name = "");
// A wpg:wgp (or nested wpg:grpSp) whose a:xfrm maps child coordinates (chOff, chExt, EMU) onto
// its own extent; `children` are whole wps:wsp / pic:pic / wpg:grpSp elements.
std::string GroupXml(int64_t childX, int64_t childY, int64_t childWidth, int64_t childHeight,
                     std::string_view children, bool nested = false, std::string_view name = "",
                     int64_t x = 0, int64_t y = 0, int64_t width = 0, int64_t height = 0);
// An a:xfrm (EMU) for a group's child.
std::string Xfrm(int64_t x, int64_t y, int64_t width, int64_t height);

// A w:r holding an object (a w:drawing, a w:pict or an alternate-content block).
std::string ObjectRun(std::string_view object);
// <mc:AlternateContent> with a DrawingML choice and a VML fallback.
std::string AlternateContent(std::string_view choice, std::string_view fallback);
// <w:pict> holding VML shapes.
std::string Pict(std::string_view shapes);

}  // namespace word::testing
