// The line checks as rule rows: over the lines LibreOffice Impress saved (a dashed red line, a
// hidden one, a hairline, a custom dash, round dots) and over lines built in code (the style
// reference's line, weights rounded halves to even, missing shapes and shapes with no line).
#include <gtest/gtest.h>

#include "grading/slidemark/checks/lines.h"
#include "grading/slidemark/testing/rule_cases.h"
#include "grading/slidemark/testing/slide_fixture.h"
#include "platform/office/powerpoint/testing/open_pptx.h"

namespace slidemark {
namespace {

namespace pt = powerpoint::testing;
using testing::RunCases;

// A rectangle with its own a:ln of `points` width in black.
std::string Weighted(int32_t id, double points) {
  const std::string number = std::to_string(id);
  return "<p:sp><p:nvSpPr><p:cNvPr id=\"" + number + "\" name=\"Weighted " + number +
         R"("/><p:cNvSpPr/><p:nvPr/></p:nvSpPr><p:spPr>)" + pt::Xfrm(pt::Box{}) +
         R"(<a:prstGeom prst="rect"><a:avLst/></a:prstGeom><a:ln w=")" +
         std::to_string(static_cast<int64_t>(points * 12700)) +
         R"("><a:solidFill><a:srgbClr val="000000"/></a:solidFill></a:ln></p:spPr></p:sp>)";
}

TEST(LineChecks, LinesImpressSaved) {
  // Slide 1: the title (no line), "Dashed 2" red 3 pt dashes, "Hidden 3" no line, "Plain 4"
  // a hairline, "Line 5" green 2.49 pt, "Custom 6" dashes of no preset, "Dots 7" round dots.
  testing::OpenedPresentation opened(pt::SuiteFile("suite_lines.pptx"));
  ASSERT_TRUE(opened.Opened());
  RunCases(opened, {
                       {"a 3 pt line", {"LINEWEIGHT", "1", "2", "3"}, 1},
                       {"not 4 pt", {"LINEWEIGHT", "1", "2", "4"}, 0},
                       {"dashes", {"LINESTYLE", "1", "2", "4"}, 1},
                       {"not solid", {"LINESTYLE", "1", "2", "1"}, 0},
                       {"red, red in the low byte", {"LINECOLOR", "1", "2", "255"}, 1},
                       {"not 0xFF0000 read as written", {"LINECOLOR", "1", "2", "16711680"}, 0},
                       {"no line reads colour 0", {"LINECOLOR", "1", "3", "0"}, 1},
                       {"no line of width 0", {"LINEWEIGHT", "1", "3", "0"}, 1},
                       {"a hairline weighs 0", {"LINEWEIGHT", "1", "4", "0"}, 1},
                       {"2.49 pt reads 2", {"LINEWEIGHT", "1", "5", "2"}, 1},
                       {"green", {"LINECOLOR", "1", "5", "5287936"}, 1},
                       {"a custom dash", {"LINESTYLE", "1", "6", "-2"}, 1},
                       {"round dots", {"LINESTYLE", "1", "7", "3"}, 1},
                       {"the title has no line", {"LINECOLOR", "1", "1", "0"}, 1},
                   });
}

TEST(LineChecks, CodeBuiltLinesAndMissingShapes) {
  pt::SlideXml slide(pt::AutoShape(2, "Styled", "rect", pt::Box{}) + Weighted(3, 2.5) +
                     Weighted(4, 1.5) + Weighted(5, 3.5) +
                     pt::Group(6, "Group", pt::Box{}, pt::AutoShape(7, "In", "rect", pt::Box{})));
  pt::PptxContent content;
  content.slides = {slide};
  testing::OpenedPresentation opened(content);
  ASSERT_TRUE(opened.Opened());
  RunCases(opened, {
                       // The writer's auto shape draws theme line 2 (1 pt) in accent 1, 4472C4.
                       {"the style's colour", {"LINECOLOR", "1", "1", "12874308"}, 1},
                       {"the style's weight", {"LINEWEIGHT", "1", "1", "1"}, 1},
                       {"the style's dash", {"LINESTYLE", "1", "1", "1"}, 1},
                       {"2.5 pt reads 2", {"LINEWEIGHT", "1", "2", "2"}, 1},
                       {"1.5 pt reads 2", {"LINEWEIGHT", "1", "3", "2"}, 1},
                       {"3.5 pt reads 4", {"LINEWEIGHT", "1", "4", "4"}, 1},
                       {"a group has no line: 0", {"LINEWEIGHT", "1", "5", "0"}, 1},
                       {"a group's dash is 0", {"LINESTYLE", "1", "5", "0"}, 1},
                       {"missing shape, weight 0", {"LINEWEIGHT", "1", "9", "0"}, 1},
                       {"missing shape, colour 0", {"LINECOLOR", "1", "9", "0"}, 1},
                       {"missing shape, dash 0", {"LINESTYLE", "1", "9", "0"}, 1},
                       {"missing shape, solid", {"LINESTYLE", "1", "9", "1"}, 0},
                       {"missing slide, weight 1", {"LINEWEIGHT", "4", "1", "1"}, 0},
                   });
}

}  // namespace
}  // namespace slidemark
