// Test helper: writes small but real .pptx files from PresentationML fragments, so tests, fuzz
// seeds and benchmarks exercise the presentation model on genuine packages without the
// presentation program. Fragments use the usual prefixes (p:, a:, r:, mc:, p14:), all declared
// on every part the writer makes. Left empty, each part is the one a new blank presentation
// has: one master with title, body, date, footer and slide-number placeholders and its text
// styles, the layouts "Title Slide", "Title and Content", "Title Only" and "Blank", a theme
// with the standard colours and the fonts "Calibri Light" / "Calibri" (East Asian "等线").
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/base/result.h"
#include "platform/win/testing/test_folder.h"

namespace powerpoint::testing {

struct SlideXml {
  SlideXml() = default;
  SlideXml(std::string shapes, int32_t layout = 1, int32_t id = 0, std::string clrMapOvr = "")
      : shapes(std::move(shapes)), layout(layout), id(id), clrMapOvr(std::move(clrMapOvr)) {}

  std::string shapes;         // shape elements for p:spTree, after its group properties
  int32_t layout = 1;         // which of the layouts (0-based); the default is "Title and Content"
  int32_t id = 0;             // p:sldId's id; 0 gives 256 + the slide's position
  std::string clrMapOvr;      // inner XML of p:clrMapOvr; "" writes a:masterClrMapping
  std::string transition;     // p:transition or an mc:AlternateContent holding it; "" writes none
  std::string timing;         // p:timing (after the transition); "" writes none
  std::string relationships;  // further Relationship elements of the slide (rId1 is its layout)
  std::string background;     // inner XML of p:bg (p:bgPr or p:bgRef); "" writes none
};

struct LayoutXml {
  std::string name;
  std::string type;    // p:sldLayout's type ("title", "obj", ...); "" writes none
  std::string shapes;  // shape elements for its p:spTree
};

struct PptxContent {
  std::vector<SlideXml> slides;
  std::vector<LayoutXml> layouts;  // empty: the four standard layouts (DefaultLayouts())
  std::string masterShapes;        // "" : the standard master placeholders
  std::string masterBackground;    // inner XML of the master's p:bg; "" writes none
  std::vector<std::string> layoutBackgrounds;  // the same per layout, by position
  std::string masterRelationships;             // further Relationship elements of the master
  std::string masterTransition;  // the master's p:transition (or mc:AlternateContent); "" none
  std::string txStyles;          // inner XML of p:txStyles; "" : the standard text styles
  std::string defaultTextStyle;  // inner XML of p:defaultTextStyle; "" : the standard one
  std::string clrMap =
      R"(bg1="lt1" tx1="dk1" bg2="lt2" tx2="dk2" accent1="accent1" accent2="accent2" accent3="accent3" accent4="accent4" accent5="accent5" accent6="accent6" hlink="hlink" folHlink="folHlink")";
  std::string theme;         // a whole a:theme part; "" : the standard theme
  std::string templateName;  // docProps/app.xml's Template; "" writes none
  // Inner XML of p:presentationPr in ppt/presProps.xml ("<p:showPr loop=\"1\">...</p:showPr>");
  // none writes no such part.
  std::optional<std::string> presentationPr;
  bool appXml = true;  // false writes no docProps/app.xml
  int64_t slideWidthEmu = 12192000;
  int64_t slideHeightEmu = 6858000;
};

std::vector<LayoutXml> DefaultLayouts();

base::Status WritePptx(const std::filesystem::path& file, const PptxContent& content);
// The bytes of that file, for opening from memory.
base::Result<std::string> PptxBytes(const PptxContent& content);

// XML text escaping for element content and attribute values.
std::string Escape(std::string_view text);

// <a:r> with `text` and the given attributes and children of a:rPr ("b=\"1\" sz=\"2400\"",
// "<a:solidFill>...</a:solidFill>").
std::string Run(std::string_view text, std::string_view rPrAttributes = "",
                std::string_view rPrChildren = "");
// <a:p> with the given pPr attributes and its runs (whole a:r / a:br / a:fld elements).
std::string Para(std::string_view runs, std::string_view pPrAttributes = "");
// A paragraph of one plain run.
std::string TextPara(std::string_view text, std::string_view rPrAttributes = "");
// <p:txBody> with a body, an optional list style (inner XML of a:lstStyle) and paragraphs.
std::string TextBody(std::string_view paragraphs, std::string_view lstStyle = "");

// Geometry in EMU, for the shape builders below.
struct Box {
  int64_t x = 0;
  int64_t y = 0;
  int64_t cx = 914400;
  int64_t cy = 914400;
};
std::string Xfrm(const Box& box);

// A p:sp text box (txBox="1", prstGeom rect) holding `paragraphs`.
std::string TextBox(int32_t id, std::string_view name, const Box& box, std::string_view paragraphs);
// A p:sp of preset geometry `prst` with optional paragraphs and an own fill element (after the
// geometry, ahead of the style's, as the program saves a fill picked for the shape).
std::string AutoShape(int32_t id, std::string_view name, std::string_view prst, const Box& box,
                      std::string_view paragraphs = "", std::string_view fill = "");
// A rectangle p:sp whose p:spPr holds `fill` (a fill element such as "<a:solidFill>...") and no
// style, so nothing but `fill` colours it.
std::string FilledShape(int32_t id, std::string_view name, std::string_view fill,
                        const Box& box = {});
// A placeholder p:sp: `phAttributes` are p:ph's ("type=\"title\"", "idx=\"1\""); a null box
// writes no a:xfrm (it is inherited); "" paragraphs write an empty body.
std::string Placeholder(int32_t id, std::string_view name, std::string_view phAttributes,
                        const Box* box, std::string_view paragraphs = "",
                        std::string_view lstStyle = "");
// A p:pic referring to an image relationship that need not exist.
std::string Picture(int32_t id, std::string_view name, const Box& box);
// A straight p:cxnSp.
std::string Connector(int32_t id, std::string_view name, const Box& box);
// A p:grpSp whose child coordinates equal its own (chOff/chExt as off/ext unless given).
std::string Group(int32_t id, std::string_view name, const Box& box, std::string_view members,
                  const Box* childBox = nullptr);
// A p:graphicFrame holding a one-cell table.
std::string TableFrame(int32_t id, std::string_view name, const Box& box,
                       std::string_view cellText);

// A folder for one test under KIRV_TEST_TMP (or the system's temporary folder), removed
// afterwards.
class TempFolder : public win::testing::ScopedTempFolder {
 public:
  explicit TempFolder(const std::string& name) : ScopedTempFolder(name + "_") {}
};

}  // namespace powerpoint::testing
