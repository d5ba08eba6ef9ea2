// Shape lines: what LibreOffice Impress saved (a dashed coloured line, hidden and hairline ones, a
// custom dash), lines from the style reference, placeholders inheriting their layout's line,
// and the shapes that have none.
#include "platform/office/powerpoint/line_format.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/office/powerpoint/constants.h"
#include "platform/office/powerpoint/errors.h"
#include "platform/office/powerpoint/testing/open_pptx.h"

namespace powerpoint {
namespace {

using testing::Box;
using testing::OpenPptx;

// The automation colour value of 0xRRGGBB (red in the low byte).
int32_t Ole(uint32_t rrggbb) {
  return static_cast<int32_t>(((rrggbb & 0xFF) << 16) | (rrggbb & 0xFF00) | (rrggbb >> 16));
}

// A rectangle whose p:spPr ends with `spPr` (an a:ln) and whose p:style is `style` ("" for none).
std::string Lined(int32_t id, std::string_view name, std::string_view spPr,
                  std::string_view style = "") {
  return "<p:sp><p:nvSpPr><p:cNvPr id=\"" + std::to_string(id) + "\" name=\"" + std::string(name) +
         R"("/><p:cNvSpPr/><p:nvPr/></p:nvSpPr><p:spPr>)" + testing::Xfrm(Box{}) +
         R"(<a:prstGeom prst="rect"><a:avLst/></a:prstGeom>)" + std::string(spPr) + "</p:spPr>" +
         std::string(style) + "</p:sp>";
}

std::string LineStyle(int index, std::string_view color) {
  return "<p:style><a:lnRef idx=\"" + std::to_string(index) + "\">" + std::string(color) +
         R"(</a:lnRef><a:fillRef idx="0"/><a:effectRef idx="0"/><a:fontRef idx="minor"/></p:style>)";
}

struct Expected {
  const char* shape;
  int32_t visible;
  float weight;
  int32_t dash;
  int32_t color;  // -1: ForeColor fails
};

void ExpectLine(const Shape& shape, const Expected& e) {
  SCOPED_TRACE(e.shape);
  base::Result<LineFormat> line = shape.Line();
  ASSERT_TRUE(line) << line.error().message;
  EXPECT_EQ(line->Visible(), e.visible);
  EXPECT_NEAR(line->Weight(), e.weight, 0.001);
  EXPECT_EQ(line->DashStyle(), e.dash);
  EXPECT_EQ(line->Style(), 1);
  base::Result<ColorFormat> color = line->ForeColor();
  EXPECT_EQ(color ? color->RGB() : -1, e.color);
}

TEST(LineFormat, LinesImpressSaved) {
  OpenPptx open(testing::SuiteFile("suite_lines.pptx"));
  ASSERT_NE(open.Get(), nullptr);
  base::Result<Slide*> slide = open.Get()->Slides().Item(1);
  ASSERT_TRUE(slide);
  const Expected rows[] = {
      // 38160 EMU; four widths of dash, three of space: the preset dash.
      {"Dashed 2", msoTrue, 3.0047f, 4, Ole(0xFF0000)},
      {"Hidden 3", msoFalse, 0, 1, -1},
      {"Plain 4", msoTrue, 0, 1, Ole(0x3465A4)},  // Impress's hairline is w="0"
      {"Line 5", msoTrue, 2.4945f, 1, Ole(0x00B050)},
      {"Custom 6", msoTrue, 2.0126f, -2, Ole(0x3465A4)},
      {"Dots 7", msoTrue, 2.0126f, 3, Ole(0x3465A4)},  // sysDot with round caps
      {"PlaceHolder 1", msoFalse, 0, 1, -1},
  };
  for (const Expected& row : rows) {
    base::Result<Shape*> shape = (*slide)->Shapes().Item(row.shape);
    ASSERT_TRUE(shape) << row.shape;
    ExpectLine(**shape, row);
  }
}

TEST(LineFormat, StyleReferenceOwnLineAndNone) {
  const std::string accent2Darker =
      R"(<a:schemeClr val="accent2"><a:lumMod val="75000"/></a:schemeClr>)";
  const std::string shapes =
      // The writer's auto shape names theme line 2 (1 pt) in accent 1.
      testing::AutoShape(2, "Styled", "rect", Box{}) +
      // Its own a:ln widens that line and dashes it; the colour stays the style's.
      Lined(3, "Widened", R"(<a:ln w="50800"><a:prstDash val="lgDash"/></a:ln>)",
            LineStyle(3, accent2Darker)) +
      Lined(4, "Hidden over a style", R"(<a:ln><a:noFill/></a:ln>)", LineStyle(2, accent2Darker)) +
      Lined(5, "Nothing", "") +
      Lined(
          6, "Tinted",
          R"(<a:ln w="12700"><a:solidFill><a:schemeClr val="accent1"><a:tint val="50000"/></a:schemeClr></a:solidFill></a:ln>)");
  OpenPptx open(testing::OneSlide(shapes));
  ASSERT_NE(open.Get(), nullptr);
  const Expected rows[] = {
      {"Styled", msoTrue, 1, 1, Ole(0x4472C4)},
      // ED7D31 at 75% luminance; theme line 3 is 1.5 pt, replaced by 4 pt.
      {"Widened", msoTrue, 4, 7, Ole(0xC55A11)},
      {"Hidden over a style", msoFalse, 1, 1, -1},
      {"Nothing", msoFalse, 0.75f, 1, -1},
      {"Tinted", msoTrue, 1, 1, Ole(0xC0C9E4)},  // tint 50% in linear light
  };
  for (int32_t i = 0; i < static_cast<int32_t>(std::size(rows)); ++i) {
    Shape* shape = open.ShapeAt(1, i + 1);
    ASSERT_NE(shape, nullptr);
    ExpectLine(*shape, rows[i]);
  }
}

TEST(LineFormat, APlaceholderTakesItsLayoutsLine) {
  testing::PptxContent content;
  content.layouts = testing::DefaultLayouts();
  // The layout's title placeholder draws a green 2 pt line with a compound double.
  content.layouts[1].shapes =
      R"(<p:sp><p:nvSpPr><p:cNvPr id="2" name="Title 1"/><p:cNvSpPr/><p:nvPr><p:ph type="title"/></p:nvPr></p:nvSpPr><p:spPr>)" +
      testing::Xfrm(Box{}) +
      R"(<a:ln w="25400" cmpd="dbl"><a:solidFill><a:srgbClr val="00FF00"/></a:solidFill></a:ln></p:spPr></p:sp>)";
  content.slides = {testing::SlideXml(
      testing::Placeholder(2, "Title 1", R"(type="title")", nullptr, testing::TextPara("T")) +
      R"(<p:sp><p:nvSpPr><p:cNvPr id="3" name="Title 2"/><p:cNvSpPr/><p:nvPr><p:ph type="title"/></p:nvPr></p:nvSpPr><p:spPr><a:ln><a:prstDash val="dash"/></a:ln></p:spPr></p:sp>)")};
  OpenPptx open(content);
  ASSERT_NE(open.Get(), nullptr);
  for (int32_t i : {1, 2}) {
    Shape* shape = open.ShapeAt(1, i);
    ASSERT_NE(shape, nullptr);
    base::Result<LineFormat> line = shape->Line();
    ASSERT_TRUE(line) << line.error().message;
    EXPECT_EQ(line->Visible(), msoTrue);
    EXPECT_FLOAT_EQ(line->Weight(), 2);
    EXPECT_EQ(line->Style(), 2);
    EXPECT_EQ(line->ForeColor()->RGB(), Ole(0x00FF00));
    EXPECT_EQ(line->DashStyle(), i == 1 ? 1 : 4);  // the slide's own dash over the layout's line
  }
}

TEST(LineFormat, ShapesWithoutALineAndUnreadableLines) {
  const std::string shapes =
      testing::Group(2, "Group", Box{}, testing::AutoShape(3, "Inner", "rect", Box{})) +
      testing::TableFrame(4, "Table", Box{}, "cell") + testing::Picture(5, "Picture", Box{}) +
      Lined(6, "Bad width", R"(<a:ln w="wide"/>)") +
      Lined(7, "Bad colour",
            R"(<a:ln><a:solidFill><a:srgbClr val="nothex"/></a:solidFill></a:ln>)") +
      Lined(8, "No such theme line", "", LineStyle(9, R"(<a:srgbClr val="000000"/>)"));
  OpenPptx open(testing::OneSlide(shapes));
  ASSERT_NE(open.Get(), nullptr);
  const struct {
    int32_t index;
    int code;
  } rows[] = {{1, kErrNotAvailable},
              {2, kErrNotAvailable},
              {4, kErrUnreadable},
              {5, kErrUnreadable},
              {6, kErrUnreadable}};
  for (const auto& row : rows) {
    Shape* shape = open.ShapeAt(1, row.index);
    ASSERT_NE(shape, nullptr);
    base::Result<LineFormat> line = shape->Line();
    ASSERT_FALSE(line) << shape->Name();
    EXPECT_EQ(line.error().code, row.code) << shape->Name();
  }
  // A picture has a line like any shape: none here.
  base::Result<LineFormat> picture = open.ShapeAt(1, 3)->Line();
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->Visible(), msoFalse);
  // The group's member keeps its own.
  base::Result<const Shapes*> members = open.ShapeAt(1, 1)->GroupItems();
  ASSERT_TRUE(members);
  EXPECT_EQ((*(*members)->Item(1))->Line()->Visible(), msoTrue);
}

}  // namespace
}  // namespace powerpoint
