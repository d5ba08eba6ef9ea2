// Document.Shapes over documents built in code: which drawings are members and in what order,
// names, sizes and positions in both stored forms, anchor changes, wrap, fill and line,
// text frames, picture colour modes, selecting, and groups taken apart.
#include <gtest/gtest.h>

#include <string>

#include "platform/office/word/testing/open_docx.h"
#include "platform/office/word/testing/shape_xml.h"
#include "platform/office/word/word.h"

namespace word {
namespace {

using testing::AnchorXml;
using testing::ObjectRun;
using testing::Para;
using testing::TextPara;
using testing::TextRun;

// A text box with a white fill and a 1 pt black line, as the word processor draws one.
std::string PlainBox(std::string_view text = "box") {
  return testing::ShapeXml(
      R"(<a:xfrm><a:off x="0" y="0"/><a:ext cx="1828800" cy="914400"/></a:xfrm>)"
      R"(<a:prstGeom prst="rect"><a:avLst/></a:prstGeom>)"
      R"(<a:solidFill><a:srgbClr val="FFFFFF"/></a:solidFill>)"
      R"(<a:ln w="12700"><a:solidFill><a:srgbClr val="000000"/></a:solidFill></a:ln>)",
      TextPara(text));
}

AnchorXml BoxAnchor(std::string name, std::string_view text = "box") {
  AnchorXml anchor;
  anchor.name = std::move(name);
  anchor.graphic = PlainBox(text);
  return anchor;
}

std::string AnchoredPara(const AnchorXml& anchor, std::string_view text = "text") {
  return Para(TextRun(text) + ObjectRun(testing::Anchor(anchor)));
}

// The VML form of the same box: 144 x 72 pt at 36 pt, 18 pt from the page's margins.
std::string VmlBox(std::string_view name, std::string_view text = "box") {
  return testing::Pict(
      std::string(R"(<v:shape id=")") + std::string(name) +
      R"(" o:spid="_x0000_s1026" type="#_x0000_t202" style="position:absolute;margin-left:36pt;)"
      R"(margin-top:18pt;width:144pt;height:72pt;z-index:1;mso-position-horizontal-relative:margin;)"
      R"(mso-position-vertical-relative:margin;mso-wrap-distance-left:9pt;mso-wrap-distance-right:9pt")"
      R"( fillcolor="#ff0000" strokecolor="#0000ff" strokeweight="2pt">)"
      R"(<v:fill opacity="0.5"/><v:stroke dashstyle="dash"/>)"
      R"(<v:textbox inset="3.6pt,1.8pt,3.6pt,1.8pt"><w:txbxContent>)" +
      TextPara(text) +
      R"(</w:txbxContent></v:textbox><w10:wrap type="square" side="left"/></v:shape>)");
}

std::unique_ptr<testing::OpenedDocx> Open(const std::string& paragraphs) {
  return testing::OpenBody(paragraphs + testing::SectPr());
}

TEST(Shapes, FloatingDrawingsCountOnceInAnchorOrderAndInlineOnesNot) {
  AnchorXml inlined = BoxAnchor("Inline 1");
  AnchorXml picture;
  picture.name = "Picture 2";
  picture.graphic = testing::PictureXml();
  picture.graphicUri = "http://schemas.openxmlformats.org/drawingml/2006/picture";
  const std::string both = testing::AlternateContent(testing::Anchor(BoxAnchor("Text Box 3")),
                                                     VmlBox("Text Box 3 fallback"));
  auto o =
      Open(AnchoredPara(BoxAnchor("Text Box 1")) + Para(ObjectRun(testing::Inline(inlined))) +
           AnchoredPara(picture) + Para(ObjectRun(both)) + Para(ObjectRun(VmlBox("Text Box 4"))));
  Shapes& shapes = o->document->Shapes();
  ASSERT_EQ(shapes.Count(), 4);
  const char* names[] = {"Text Box 1", "Picture 2", "Text Box 3", "Text Box 4"};
  const int32_t types[] = {msoTextBox, msoPicture, msoTextBox, msoTextBox};
  for (int32_t i = 1; i <= 4; ++i) {
    SCOPED_TRACE(i);
    Shape* shape = *shapes.Item(i);
    EXPECT_EQ(*shape->Name(), names[i - 1]);
    EXPECT_EQ(*shape->Type(), types[i - 1]);
  }
  EXPECT_EQ(*shapes.Item("text box 3"), *shapes.Item(3));
  EXPECT_EQ(shapes.Item(5).error().code, kErrNoSuchMember);
  EXPECT_EQ(shapes.Item(0).error().code, kErrNoSuchMember);
  EXPECT_EQ(shapes.Item("Inline 1").error().code, kErrNoSuchMember);
  EXPECT_EQ(shapes.Item("Text Box 3 fallback").error().code, kErrNoSuchMember);
}

TEST(Shapes, SizesAndPositionsReadFromOffsetsAndAlignments) {
  struct Case {
    const char* name;
    std::string positionH, positionV;
    double left, top;
    int32_t relativeH, relativeV;
  };
  const Case cases[] = {
      {"page offsets", testing::OffsetH("page", 100.5), testing::OffsetV("page", 200), 100.5, 200,
       wdRelativeHorizontalPositionPage, wdRelativeVerticalPositionPage},
      {"margin offsets", testing::OffsetH("margin", -10), testing::OffsetV("margin", 5), -10, 5,
       wdRelativeHorizontalPositionMargin, wdRelativeVerticalPositionMargin},
      {"column and paragraph", testing::OffsetH("column", 12), testing::OffsetV("paragraph", 3), 12,
       3, wdRelativeHorizontalPositionColumn, wdRelativeVerticalPositionParagraph},
      {"character and line", testing::OffsetH("character", 1), testing::OffsetV("line", 2), 1, 2,
       wdRelativeHorizontalPositionCharacter, wdRelativeVerticalPositionLine},
      {"margin areas", testing::OffsetH("rightMargin", 4), testing::OffsetV("bottomMargin", 6), 4,
       6, wdRelativeHorizontalPositionRightMarginArea, wdRelativeVerticalPositionBottomMarginArea},
      {"inside and outside", testing::OffsetH("insideMargin", 0),
       testing::OffsetV("outsideMargin", 0), 0, 0, wdRelativeHorizontalPositionInnerMarginArea,
       wdRelativeVerticalPositionOuterMarginArea},
      {"centred", testing::AlignH("margin", "center"), testing::AlignV("page", "bottom"),
       wdShapeCenter, wdShapeBottom, wdRelativeHorizontalPositionMargin,
       wdRelativeVerticalPositionPage},
      {"right and top", testing::AlignH("page", "right"), testing::AlignV("margin", "top"),
       wdShapeRight, wdShapeTop, wdRelativeHorizontalPositionPage,
       wdRelativeVerticalPositionMargin},
      {"outside and inside", testing::AlignH("page", "outside"),
       testing::AlignV("margin", "inside"), wdShapeOutside, wdShapeInside,
       wdRelativeHorizontalPositionPage, wdRelativeVerticalPositionMargin},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    AnchorXml anchor = BoxAnchor("Text Box 1");
    anchor.width = 141.75;
    anchor.height = 56.7;
    anchor.positionH = c.positionH;
    anchor.positionV = c.positionV;
    auto o = Open(AnchoredPara(anchor));
    Shape* shape = *o->document->Shapes().Item(1);
    EXPECT_FLOAT_EQ(*shape->Width(), 141.75);
    EXPECT_FLOAT_EQ(*shape->Height(), 56.7);
    EXPECT_FLOAT_EQ(*shape->Left(), c.left);
    EXPECT_FLOAT_EQ(*shape->Top(), c.top);
    EXPECT_EQ(*shape->RelativeHorizontalPosition(), c.relativeH);
    EXPECT_EQ(*shape->RelativeVerticalPosition(), c.relativeV);
  }
}

TEST(Shapes, ChangingTheAnchorKeepsTheShapeWhereItIsOnThePage) {
  // Left margin 90 pt, top margin 72 pt, A4 (595.3 x 841.9 pt), right and bottom 90 and 72.
  AnchorXml anchor = BoxAnchor("Text Box 1");
  anchor.positionH = testing::OffsetH("margin", 36);
  anchor.positionV = testing::OffsetV("margin", 18);
  auto o = Open(AnchoredPara(anchor));
  Shape& shape = **o->document->Shapes().Item(1);
  ASSERT_TRUE(shape.SetRelativeHorizontalPosition(wdRelativeHorizontalPositionPage));
  ASSERT_TRUE(shape.SetRelativeVerticalPosition(wdRelativeVerticalPositionPage));
  EXPECT_FLOAT_EQ(*shape.Left(), 126);
  EXPECT_FLOAT_EQ(*shape.Top(), 90);
  EXPECT_EQ(*shape.RelativeHorizontalPosition(), wdRelativeHorizontalPositionPage);
  ASSERT_TRUE(shape.SetRelativeHorizontalPosition(wdRelativeHorizontalPositionRightMarginArea));
  EXPECT_FLOAT_EQ(*shape.Left(), static_cast<float>(126 - (595.3 - 90)));
  ASSERT_TRUE(shape.SetRelativeHorizontalPosition(wdRelativeHorizontalPositionMargin));
  ASSERT_TRUE(shape.SetRelativeVerticalPosition(wdRelativeVerticalPositionMargin));
  EXPECT_NEAR(*shape.Left(), 36, 1e-3);
  EXPECT_FLOAT_EQ(*shape.Top(), 18);
  // The anchor's paragraph is the document's first: its top is the top margin's.
  ASSERT_TRUE(shape.SetRelativeVerticalPosition(wdRelativeVerticalPositionParagraph));
  EXPECT_FLOAT_EQ(*shape.Top(), 18);
  EXPECT_EQ(*shape.RelativeVerticalPosition(), wdRelativeVerticalPositionParagraph);
  // A number outside the enumeration changes nothing.
  EXPECT_EQ(shape.SetRelativeHorizontalPosition(8).error().code, kErrOutOfRange);
  EXPECT_EQ(shape.SetRelativeVerticalPosition(-1).error().code, kErrOutOfRange);
  EXPECT_EQ(*shape.RelativeHorizontalPosition(), wdRelativeHorizontalPositionMargin);
  EXPECT_EQ(*shape.RelativeVerticalPosition(), wdRelativeVerticalPositionParagraph);
}

// A one-line paragraph that ends a section of these columns.
std::string SectionEnd(const std::string& pPr, std::string_view cols) {
  return TextPara("段落", pPr + testing::SectPr(cols));
}

// A column's origin comes from the section's margins and columns, a paragraph's, a line's and a
// character's from where the approximate layout puts the anchor. The paragraphs have an exact
// line spacing of 20 pt, so where they stand does not hang on a font's metrics; A4 with margins
// of 90 pt left and right and 72 pt above and below leaves 415.3 x 697.9 pt of text.
TEST(Shapes, AnAnchorInTheTextIsReExpressedFromWhereTheLayoutPutsIt) {
  const std::string exact = R"(<w:spacing w:line="400" w:lineRule="exact"/>)";
  auto paragraphs = [&](int count) {
    std::string body;
    for (int i = 0; i < count; ++i) body += TextPara("段落", exact);
    return body;
  };
  std::string ideographs;
  for (int i = 0; i < 45; ++i) ideographs += "字";
  struct Case {
    const char* name;
    std::string before;  // the paragraphs before the anchor's
    std::string text;    // the anchor's paragraph's text before the anchor
    std::string last;    // the last section's w:type and w:cols, "" for one column
    std::string positionH, positionV;
    float left, top;  // from the page
  } cases[] = {
      {"a column of the only one", "", "text", "", testing::OffsetH("column", 45),
       testing::OffsetV("page", 0), 135, 0},
      {"the fifth paragraph", paragraphs(4), "text", "", testing::OffsetH("page", 0),
       testing::OffsetV("paragraph", 10), 0, 72 + 4 * 20 + 10},
      // 34 paragraphs of 20 pt fill the first column; the 35th starts the second, 189.65 pt
      // wide after the first and its 36 pt of spacing.
      {"the second of two columns", paragraphs(34), "text", R"(<w:cols w:num="2" w:space="720"/>)",
       testing::OffsetH("column", 10), testing::OffsetV("paragraph", 5), 90 + 189.65f + 36 + 10,
       72 + 5},
      // A section that goes on on the same page starts below the text of the one before it,
      // balanced over that one's columns: 60 pt in one column, 30 pt in two.
      {"after a continuous section break", paragraphs(2) + SectionEnd(exact, ""), "text",
       R"(<w:type w:val="continuous"/><w:cols w:num="2" w:space="720"/>)",
       testing::OffsetH("column", 10), testing::OffsetV("paragraph", 5), 90 + 10, 72 + 60 + 5},
      {"after two balanced columns",
       paragraphs(2) + SectionEnd(exact, R"(<w:cols w:num="2" w:space="720"/>)"), "text",
       R"(<w:type w:val="continuous"/>)", testing::OffsetH("column", 10),
       testing::OffsetV("paragraph", 5), 90 + 10, 72 + 30 + 5},
      // 45 ideographs of 10.5 pt in 宋体, 14 px each, fill the first line's 553.7 px (415.3 pt)
      // and 76.3 px of the second.
      {"a character on the second line", "", ideographs, "", testing::OffsetH("character", 0),
       testing::OffsetV("line", 0), 90 + static_cast<float>((45 * 14 - 415.3 * 4 / 3) * 0.75),
       72 + 20},
  };
  for (const Case& c : cases) {
    AnchorXml anchor = BoxAnchor("Text Box 1");
    anchor.positionH = c.positionH;
    anchor.positionV = c.positionV;
    const std::string anchored =
        Para(TextRun(c.text, R"(<w:rFonts w:eastAsia="宋体"/><w:sz w:val="21"/>)") +
                 ObjectRun(testing::Anchor(anchor)),
             exact);
    auto o = testing::OpenBody(c.before + anchored + testing::SectPr(c.last));
    Shape& shape = **o->document->Shapes().Item(1);
    const float left = *shape.Left(), top = *shape.Top();
    const int32_t relativeH = *shape.RelativeHorizontalPosition();
    const int32_t relativeV = *shape.RelativeVerticalPosition();
    ASSERT_TRUE(shape.SetRelativeHorizontalPosition(wdRelativeHorizontalPositionPage));
    ASSERT_TRUE(shape.SetRelativeVerticalPosition(wdRelativeVerticalPositionPage));
    EXPECT_NEAR(*shape.Left(), c.left, 0.01) << c.name;
    EXPECT_NEAR(*shape.Top(), c.top, 0.01) << c.name;
    // And back: the place it had.
    ASSERT_TRUE(shape.SetRelativeHorizontalPosition(relativeH));
    ASSERT_TRUE(shape.SetRelativeVerticalPosition(relativeV));
    EXPECT_NEAR(*shape.Left(), left, 0.01) << c.name;
    EXPECT_NEAR(*shape.Top(), top, 0.01) << c.name;
  }
}

TEST(Shapes, AnAlignedShapeKeepsItsAlignmentWhenTheAnchorChanges) {
  AnchorXml anchor = BoxAnchor("Text Box 1");
  anchor.positionH = testing::AlignH("margin", "center");
  auto o = Open(AnchoredPara(anchor));
  Shape& shape = **o->document->Shapes().Item(1);
  ASSERT_TRUE(shape.SetRelativeHorizontalPosition(wdRelativeHorizontalPositionPage));
  EXPECT_EQ(*shape.Left(), wdShapeCenter);
}

TEST(Shapes, WrapTypesSidesAndDistances) {
  struct Case {
    const char* name;
    std::string wrap;
    bool behind;
    int32_t type, side;
  };
  const Case cases[] = {
      {"square both", R"(<wp:wrapSquare wrapText="bothSides"/>)", false, wdWrapSquare, wdWrapBoth},
      {"tight left", R"(<wp:wrapTight wrapText="left"><wp:wrapPolygon/></wp:wrapTight>)", false,
       wdWrapTight, wdWrapLeft},
      {"through right", R"(<wp:wrapThrough wrapText="right"/>)", false, wdWrapThrough, wdWrapRight},
      {"square largest", R"(<wp:wrapSquare wrapText="largest"/>)", false, wdWrapSquare,
       wdWrapLargest},
      {"top and bottom", "<wp:wrapTopAndBottom/>", false, wdWrapTopBottom, wdWrapBoth},
      {"in front", "<wp:wrapNone/>", false, wdWrapFront, wdWrapBoth},
      {"behind", "<wp:wrapNone/>", true, wdWrapBehind, wdWrapBoth},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    AnchorXml anchor = BoxAnchor("Text Box 1");
    anchor.wrap = c.wrap;
    anchor.behindDoc = c.behind;
    anchor.distances[0] = 1;
    anchor.distances[1] = 2.5;
    anchor.distances[2] = 14.2;
    anchor.distances[3] = 28.35;
    auto o = Open(AnchoredPara(anchor));
    const WrapFormat wrap = (*o->document->Shapes().Item(1))->WrapFormat();
    EXPECT_EQ(*wrap.Type(), c.type);
    EXPECT_EQ(*wrap.Side(), c.side);
    EXPECT_FLOAT_EQ(*wrap.DistanceTop(), 1);
    EXPECT_FLOAT_EQ(*wrap.DistanceBottom(), 2.5);
    EXPECT_FLOAT_EQ(*wrap.DistanceLeft(), 14.2);
    EXPECT_FLOAT_EQ(*wrap.DistanceRight(), 28.35);
  }
}

TEST(Shapes, FillAndLineFromTheShapeItsStyleOrNothing) {
  struct Case {
    const char* name;
    std::string spPr;
    std::string style;
    int32_t fillVisible, foreColor;
    double transparency;
    int32_t lineVisible;
    double weight;
    int32_t lineStyle, dash, lineColor;
  };
  const Case cases[] = {
      {"own fill and line",
       R"(<a:solidFill><a:srgbClr val="FF0000"><a:alpha val="50000"/></a:srgbClr></a:solidFill>)"
       R"(<a:ln w="38100" cmpd="dbl"><a:solidFill><a:srgbClr val="0000FF"/></a:solidFill>)"
       R"(<a:prstDash val="dash"/></a:ln>)",
       "", msoTrue, 0x0000FF, 0.5, msoTrue, 3, msoLineThinThin, msoLineDash, 0xFF0000},
      {"no fill, no line", R"(<a:noFill/><a:ln><a:noFill/></a:ln>)", "", msoFalse, 0xFFFFFF, 0,
       msoFalse, 0.75, msoLineSingle, msoLineSolid, 0},
      {"nothing said", "", "", msoFalse, 0xFFFFFF, 0, msoFalse, 0.75, msoLineSingle, msoLineSolid,
       0},
      {"the style's", "",
       R"(<wps:style><a:lnRef idx="2"><a:schemeClr val="accent1"/></a:lnRef>)"
       R"(<a:fillRef idx="1"><a:schemeClr val="accent2"/></a:fillRef>)"
       R"(<a:effectRef idx="0"><a:schemeClr val="accent1"/></a:effectRef>)"
       R"(<a:fontRef idx="minor"><a:schemeClr val="lt1"/></a:fontRef></wps:style>)",
       // The default theme's accent2 ED7D31 and accent1 4472C4.
       msoTrue, 0x317DED, 0, msoTrue, 0, msoLineSingle, msoLineSolid, 0xC47244},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    AnchorXml anchor = BoxAnchor("Text Box 1");
    std::string shape = testing::ShapeXml(c.spPr, TextPara("x"));
    shape.insert(shape.find("<wps:txbx>"), c.style);
    anchor.graphic = shape;
    auto o = Open(AnchoredPara(anchor));
    Shape& s = **o->document->Shapes().Item(1);
    EXPECT_EQ(*s.Fill().Visible(), c.fillVisible);
    EXPECT_EQ(*s.Fill().ForeColor().RGB(), c.foreColor);
    EXPECT_FLOAT_EQ(*s.Fill().Transparency(), c.transparency);
    EXPECT_EQ(*s.Line().Visible(), c.lineVisible);
    if (c.weight > 0) {
      EXPECT_FLOAT_EQ(*s.Line().Weight(), c.weight);
    }
    EXPECT_EQ(*s.Line().Style(), c.lineStyle);
    EXPECT_EQ(*s.Line().DashStyle(), c.dash);
    EXPECT_EQ(*s.Line().ForeColor().RGB(), c.lineColor);
    EXPECT_EQ(*s.Line().BackColor().RGB(), 0xFFFFFF);
  }
}

TEST(Shapes, AnUnreadableFillFailsRatherThanReadingAsNone) {
  AnchorXml anchor = BoxAnchor("Text Box 1");
  anchor.graphic = testing::ShapeXml(R"(<a:solidFill><a:srgbClr val="XYZ"/></a:solidFill>)");
  auto o = Open(AnchoredPara(anchor));
  Shape& s = **o->document->Shapes().Item(1);
  EXPECT_FALSE(s.Fill().Visible());
  EXPECT_FALSE(s.Fill().ForeColor().RGB());
  EXPECT_EQ(*s.Line().Visible(), msoFalse);
}

TEST(Shapes, TextFrameMarginsAndWhatHasNone) {
  AnchorXml box = BoxAnchor("Text Box 1");
  box.graphic =
      testing::ShapeXml("", TextPara("x"), R"(lIns="0" tIns="12700" rIns="36000" bIns="360000")");
  AnchorXml plain = BoxAnchor("Text Box 2");
  plain.graphic = testing::ShapeXml("", TextPara("y"));
  AnchorXml picture = BoxAnchor("Picture 3");
  picture.graphic = testing::PictureXml();
  AnchorXml empty = BoxAnchor("Rectangle 4");
  empty.graphic = testing::ShapeXml("", "", "", false);
  auto o =
      Open(AnchoredPara(box) + AnchoredPara(plain) + AnchoredPara(picture) + AnchoredPara(empty));
  Shapes& shapes = o->document->Shapes();
  TextFrame own = (*shapes.Item(1))->TextFrame();
  EXPECT_FLOAT_EQ(*own.MarginLeft(), 0);
  EXPECT_FLOAT_EQ(*own.MarginTop(), 1);
  EXPECT_FLOAT_EQ(*own.MarginRight(), static_cast<float>(36000 / 12700.0));
  EXPECT_FLOAT_EQ(*own.MarginBottom(), static_cast<float>(360000 / 12700.0));
  EXPECT_EQ(*own.HasText(), msoTrue);
  TextFrame defaults = (*shapes.Item(2))->TextFrame();
  EXPECT_FLOAT_EQ(*defaults.MarginLeft(), 7.2);
  EXPECT_FLOAT_EQ(*defaults.MarginTop(), 3.6);
  EXPECT_FLOAT_EQ(*defaults.MarginRight(), 7.2);
  EXPECT_FLOAT_EQ(*defaults.MarginBottom(), 3.6);
  EXPECT_EQ((*shapes.Item(3))->TextFrame().MarginTop().error().code, kErrNotAvailable);
  EXPECT_EQ((*shapes.Item(3))->TextFrame().TextRange().error().code, kErrNotAvailable);
  EXPECT_EQ(*(*shapes.Item(4))->Type(), msoAutoShape);
  EXPECT_EQ(*(*shapes.Item(4))->TextFrame().HasText(), msoFalse);
  EXPECT_EQ((*shapes.Item(4))->TextFrame().TextRange().error().code, kErrNotAvailable);
}

TEST(Shapes, PictureColourModes) {
  struct Case {
    const char* name;
    std::string effects;
    int32_t colorType;
  };
  const Case cases[] = {
      {"automatic", "", msoPictureAutomatic},
      {"grayscale", "<a:grayscl/>", msoPictureGrayscale},
      {"black and white", R"(<a:biLevel thresh="50000"/>)", msoPictureBlackAndWhite},
      {"watermark", R"(<a:lum bright="70000" contrast="-70000"/>)", msoPictureWatermark},
      {"brighter only", R"(<a:lum bright="20000"/>)", msoPictureAutomatic},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    AnchorXml anchor = BoxAnchor("Picture 1");
    anchor.graphic = testing::PictureXml(c.effects);
    auto o = Open(AnchoredPara(anchor));
    EXPECT_EQ(*(*o->document->Shapes().Item(1))->PictureFormat().ColorType(), c.colorType);
  }
  auto o = Open(AnchoredPara(BoxAnchor("Text Box 1")));
  EXPECT_EQ((*o->document->Shapes().Item(1))->PictureFormat().ColorType().error().code,
            kErrNotAvailable);
}

TEST(Shapes, OneBoxReadsTheSameInBothForms) {
  AnchorXml anchor;
  anchor.name = "Text Box 1";
  anchor.positionH = testing::OffsetH("margin", 36);
  anchor.positionV = testing::OffsetV("margin", 18);
  anchor.wrap = R"(<wp:wrapSquare wrapText="left"/>)";
  anchor.graphic = testing::ShapeXml(
      R"(<a:solidFill><a:srgbClr val="FF0000"><a:alpha val="50000"/></a:srgbClr></a:solidFill>)"
      R"(<a:ln w="25400"><a:solidFill><a:srgbClr val="0000FF"/></a:solidFill>)"
      R"(<a:prstDash val="dash"/></a:ln>)",
      TextPara("box"), R"(lIns="45720" tIns="22860" rIns="45720" bIns="22860")");
  auto o = Open(AnchoredPara(anchor) + Para(ObjectRun(VmlBox("Text Box 2"))));
  Shape& drawing = **o->document->Shapes().Item(1);
  Shape& vml = **o->document->Shapes().Item(2);
  EXPECT_EQ(*vml.Name(), "Text Box 2");
  EXPECT_EQ(*vml.Type(), *drawing.Type());
  const auto same = [](const auto& a, const auto& b, const char* what) {
    SCOPED_TRACE(what);
    ASSERT_TRUE(a);
    ASSERT_TRUE(b);
    EXPECT_NEAR(static_cast<double>(*a), static_cast<double>(*b), 1e-4);
  };
  same(drawing.Width(), vml.Width(), "width");
  same(drawing.Height(), vml.Height(), "height");
  same(drawing.Left(), vml.Left(), "left");
  same(drawing.Top(), vml.Top(), "top");
  same(drawing.RelativeHorizontalPosition(), vml.RelativeHorizontalPosition(), "horizontal");
  same(drawing.RelativeVerticalPosition(), vml.RelativeVerticalPosition(), "vertical");
  same(drawing.Fill().Visible(), vml.Fill().Visible(), "fill visible");
  same(drawing.Fill().ForeColor().RGB(), vml.Fill().ForeColor().RGB(), "fill colour");
  same(drawing.Fill().Transparency(), vml.Fill().Transparency(), "transparency");
  same(drawing.Line().Visible(), vml.Line().Visible(), "line visible");
  same(drawing.Line().Weight(), vml.Line().Weight(), "line weight");
  same(drawing.Line().DashStyle(), vml.Line().DashStyle(), "dash");
  same(drawing.Line().ForeColor().RGB(), vml.Line().ForeColor().RGB(), "line colour");
  same(drawing.WrapFormat().Type(), vml.WrapFormat().Type(), "wrap type");
  same(drawing.WrapFormat().Side(), vml.WrapFormat().Side(), "wrap side");
  same(drawing.WrapFormat().DistanceLeft(), vml.WrapFormat().DistanceLeft(), "distance left");
  same(drawing.WrapFormat().DistanceTop(), vml.WrapFormat().DistanceTop(), "distance top");
  same(drawing.TextFrame().MarginLeft(), vml.TextFrame().MarginLeft(), "margin left");
  same(drawing.TextFrame().MarginTop(), vml.TextFrame().MarginTop(), "margin top");
  EXPECT_EQ(*(*drawing.TextFrame().TextRange()).Text(), *(*vml.TextFrame().TextRange()).Text());
}

TEST(Shapes, VmlShapesOfEveryKind) {
  const std::string shapes =
      R"(<v:rect id="Rectangle 1" style="position:absolute;margin-left:1in;margin-top:2.54cm;)"
      R"(width:10mm;height:20px;mso-position-horizontal:center;mso-position-horizontal-relative:page" filled="f" stroked="f"/>)"
      R"(<v:oval id="_x0000_s1030" alt="Oval 2" style="position:absolute;width:10pt;height:10pt;z-index:-1"/>)"
      R"(<v:line id="Line 3" style="position:absolute" from="30pt,40pt" to="10pt,50pt"/>)"
      R"(<v:shape id="Picture 4" type="#_x0000_t75" style="position:absolute;width:10pt;height:10pt">)"
      R"(<v:imagedata r:id="rIdMissing" grayscale="t"/></v:shape>)"
      R"(<v:roundrect id="Inline 5" style="width:10pt;height:10pt"/>)";
  auto o = Open(Para(ObjectRun(testing::Pict(shapes))));
  Shapes& all = o->document->Shapes();
  ASSERT_EQ(all.Count(), 4);
  Shape& rect = **all.Item("Rectangle 1");
  EXPECT_EQ(*rect.Type(), msoAutoShape);
  EXPECT_EQ(*rect.Left(), wdShapeCenter);
  EXPECT_FLOAT_EQ(*rect.Top(), 72);
  EXPECT_FLOAT_EQ(*rect.Width(), static_cast<float>(72 / 25.4 * 10));
  EXPECT_FLOAT_EQ(*rect.Height(), 15);
  EXPECT_EQ(*rect.RelativeHorizontalPosition(), wdRelativeHorizontalPositionPage);
  EXPECT_EQ(*rect.RelativeVerticalPosition(), wdRelativeVerticalPositionParagraph);
  EXPECT_EQ(*rect.Fill().Visible(), msoFalse);
  EXPECT_EQ(*rect.Line().Visible(), msoFalse);
  EXPECT_EQ(*rect.WrapFormat().Type(), wdWrapFront);
  Shape& oval = **all.Item("Oval 2");
  EXPECT_EQ(*oval.WrapFormat().Type(), wdWrapBehind);
  EXPECT_EQ(*oval.Fill().ForeColor().RGB(), 0xFFFFFF);
  EXPECT_EQ(*oval.Line().ForeColor().RGB(), 0);
  EXPECT_FLOAT_EQ(*oval.Line().Weight(), 0.75);
  Shape& line = **all.Item("Line 3");
  EXPECT_EQ(*line.Type(), msoLine);
  EXPECT_FLOAT_EQ(*line.Left(), 10);
  EXPECT_FLOAT_EQ(*line.Top(), 40);
  EXPECT_FLOAT_EQ(*line.Width(), 20);
  EXPECT_FLOAT_EQ(*line.Height(), 10);
  Shape& picture = **all.Item("Picture 4");
  EXPECT_EQ(*picture.Type(), msoPicture);
  EXPECT_EQ(*picture.PictureFormat().ColorType(), msoPictureGrayscale);
}

TEST(Shapes, SelectingAShapeMakesItTheSelectionsShapeRangeUntilTheSelectionMoves) {
  auto o = Open(AnchoredPara(BoxAnchor("Text Box 1")) + AnchoredPara(BoxAnchor("Text Box 2")));
  Document& d = *o->document;
  EXPECT_EQ(d.Selection().ShapeRange().error().code, kErrNotAvailable);
  ASSERT_TRUE((*d.Shapes().Item("Text Box 2"))->Select());
  base::Result<ShapeRange> range = d.Selection().ShapeRange();
  ASSERT_TRUE(range);
  EXPECT_EQ(range->Count(), 1);
  EXPECT_EQ(*range->Name(), "Text Box 2");
  // The selection stands on the anchor: "text" and its mark, then the anchor.
  EXPECT_EQ(d.Selection().Start(), 10);
  EXPECT_EQ(d.Selection().End(), 11);
  d.Selection().SetRange(0, 0);
  EXPECT_EQ(d.Selection().ShapeRange().error().code, kErrNotAvailable);
}

// A group 200 x 100 pt at (50, 20) from the margin, its children in child coordinates twice
// the size of its EMU extent: each child lands at half its written offset and size.
std::string TwoBoxGroup(bool nestedInner = false) {
  const int64_t pt = testing::kEmuPerPoint;
  std::string first = testing::ShapeXml(testing::Xfrm(1000 * pt, 0, 100 * pt, 60 * pt),
                                        TextPara("first"), "", true, "Text Box 5");
  std::string second = testing::ShapeXml(testing::Xfrm(1200 * pt, 100 * pt, 200 * pt, 100 * pt),
                                         TextPara("second"), "", true, "Text Box 6");
  std::string children = first + second;
  if (nestedInner) {
    // The second box inside a group of its own, whose child space is its own size in EMU.
    std::string inner = testing::ShapeXml(testing::Xfrm(0, 0, 200 * pt, 100 * pt),
                                          TextPara("second"), "", true, "Text Box 6");
    children = first + testing::GroupXml(0, 0, 200 * pt, 100 * pt, inner, true, "Group 4",
                                         1200 * pt, 100 * pt, 200 * pt, 100 * pt);
  }
  return testing::GroupXml(1000 * pt, 0, 400 * pt, 200 * pt, children, false, "", 0, 0, 200 * pt,
                           100 * pt);
}

AnchorXml GroupAnchor(bool nestedInner = false) {
  AnchorXml anchor;
  anchor.name = "Group 3";
  anchor.width = 200;
  anchor.height = 100;
  anchor.positionH = testing::OffsetH("margin", 50);
  anchor.positionV = testing::OffsetV("page", 20);
  anchor.wrap = "<wp:wrapTopAndBottom/>";
  anchor.graphicUri = "http://schemas.microsoft.com/office/word/2010/wordprocessingGroup";
  anchor.graphic = TwoBoxGroup(nestedInner);
  return anchor;
}

TEST(Shapes, UngroupingPutsTheChildrenOnThePageInTheGroupsPlace) {
  auto o = Open(AnchoredPara(BoxAnchor("Text Box 1")) + AnchoredPara(GroupAnchor()) +
                AnchoredPara(BoxAnchor("Text Box 2")));
  Document& d = *o->document;
  Shape& group = **d.Shapes().Item("Group 3");
  EXPECT_EQ(*group.Type(), msoGroup);
  EXPECT_EQ(d.Shapes().Item("Text Box 5").error().code, kErrNoSuchMember);
  base::Result<ShapeRange> parts = group.UnGroup();
  ASSERT_TRUE(parts);
  ASSERT_EQ(parts->Count(), 2);
  ASSERT_EQ(d.Shapes().Count(), 4);
  const char* order[] = {"Text Box 1", "Text Box 5", "Text Box 6", "Text Box 2"};
  for (int32_t i = 1; i <= 4; ++i) EXPECT_EQ(*(*d.Shapes().Item(i))->Name(), order[i - 1]);
  EXPECT_EQ(d.Shapes().Item("Group 3").error().code, kErrNoSuchMember);
  struct Expected {
    const char* name;
    double left, top, width, height;
  };
  const Expected expected[] = {{"Text Box 5", 50, 20, 50, 30}, {"Text Box 6", 150, 70, 100, 50}};
  for (const Expected& e : expected) {
    SCOPED_TRACE(e.name);
    Shape& child = **d.Shapes().Item(e.name);
    EXPECT_FLOAT_EQ(*child.Left(), e.left);
    EXPECT_FLOAT_EQ(*child.Top(), e.top);
    EXPECT_FLOAT_EQ(*child.Width(), e.width);
    EXPECT_FLOAT_EQ(*child.Height(), e.height);
    EXPECT_EQ(*child.RelativeHorizontalPosition(), wdRelativeHorizontalPositionMargin);
    EXPECT_EQ(*child.RelativeVerticalPosition(), wdRelativeVerticalPositionPage);
    EXPECT_EQ(*child.WrapFormat().Type(), wdWrapTopBottom);
    EXPECT_TRUE(child.Select());
  }
  // The group is gone: neither it nor a box ungroups or selects.
  EXPECT_EQ(group.UnGroup().error().code, kErrNotAvailable);
  EXPECT_EQ(group.Select().error().code, kErrNotAvailable);
  EXPECT_EQ((*d.Shapes().Item(1))->UnGroup().error().code, kErrNotAvailable);
}

TEST(Shapes, NestedGroupsComeApartLevelByLevelThroughTheSelection) {
  auto o = Open(AnchoredPara(GroupAnchor(true)));
  Document& d = *o->document;
  // As the checks do: select the group, ungroup the selection's range, select the result.
  ASSERT_TRUE((*d.Shapes().Item("Group 3"))->Select());
  base::Result<ShapeRange> first = d.Selection().ShapeRange()->UnGroup();
  ASSERT_TRUE(first);
  ASSERT_TRUE(first->Select());
  EXPECT_EQ(d.Selection().ShapeRange()->Count(), 2);
  EXPECT_EQ(d.Shapes().Count(), 2);
  Shape& inner = **d.Shapes().Item("Group 4");
  EXPECT_FLOAT_EQ(*inner.Left(), 150);
  ASSERT_TRUE(inner.Select());
  ASSERT_TRUE(d.Selection().ShapeRange()->UnGroup());
  Shape& box = **d.Shapes().Item("Text Box 6");
  EXPECT_FLOAT_EQ(*box.Left(), 150);
  EXPECT_FLOAT_EQ(*box.Top(), 70);
  EXPECT_FLOAT_EQ(*box.Width(), 100);
  EXPECT_FLOAT_EQ(*box.Height(), 50);
  EXPECT_EQ(d.Shapes().Item("Group 4").error().code, kErrNoSuchMember);
  // A range of no group fails, which ends the checks' loop.
  ASSERT_TRUE(box.Select());
  EXPECT_EQ(d.Selection().ShapeRange()->UnGroup().error().code, kErrNotAvailable);
}

TEST(Shapes, AVmlGroupsChildrenArePlacedThroughItsCoordinateSpace) {
  const std::string group =
      R"(<v:group id="Group 1" style="position:absolute;margin-left:100pt;margin-top:50pt;)"
      R"(width:200pt;height:100pt;mso-position-horizontal-relative:page;mso-position-vertical-relative:page")"
      R"( coordorigin="1000,0" coordsize="400,200">)"
      R"(<v:rect id="Rectangle 2" style="position:absolute;left:1100;top:100;width:200;height:50"/>)"
      R"(</v:group>)";
  auto o = Open(Para(ObjectRun(testing::Pict(group))));
  Document& d = *o->document;
  ASSERT_EQ(d.Shapes().Count(), 1);
  ASSERT_TRUE((*d.Shapes().Item(1))->UnGroup());
  Shape& rect = **d.Shapes().Item("Rectangle 2");
  EXPECT_FLOAT_EQ(*rect.Left(), 150);
  EXPECT_FLOAT_EQ(*rect.Top(), 100);
  EXPECT_FLOAT_EQ(*rect.Width(), 100);
  EXPECT_FLOAT_EQ(*rect.Height(), 25);
  EXPECT_EQ(*rect.RelativeHorizontalPosition(), wdRelativeHorizontalPositionPage);
}

}  // namespace
}  // namespace word
