// The shape fill checks as rule rows over a presentation built in code: a theme colour with
// luminance modifiers as RGB, gradient style, pattern with both colours, a texture linked from a
// file, and what a missing shape or a member the fill has not reads as.
#include <gtest/gtest.h>

#include "grading/slidemark/checks/fills.h"
#include "grading/slidemark/testing/rule_cases.h"
#include "grading/slidemark/testing/slide_fixture.h"

namespace slidemark {
namespace {

namespace pt = powerpoint::testing;
using testing::RunCases;

// Slide 1: 1 accent1 darker 25% (2F5597), 2 a gradient from FF0000 down to 0000FF, 3 the
// pattern dkHorz in C00000 on white, 4 a texture linked from C:\Kaoshi\granite.jpg, 5 no fill,
// 6 the preset gradient Fire, as its stops.
pt::PptxContent Deck() {
  pt::SlideXml slide(
      pt::FilledShape(
          2, "Accent",
          R"(<a:solidFill><a:schemeClr val="accent1"><a:lumMod val="75000"/></a:schemeClr></a:solidFill>)") +
      pt::FilledShape(
          3, "Gradient",
          R"(<a:gradFill><a:gsLst><a:gs pos="0"><a:srgbClr val="FF0000"/></a:gs><a:gs pos="100000"><a:srgbClr val="0000FF"/></a:gs></a:gsLst><a:lin ang="5400000"/></a:gradFill>)") +
      pt::FilledShape(
          4, "Pattern",
          R"(<a:pattFill prst="dkHorz"><a:fgClr><a:srgbClr val="C00000"/></a:fgClr><a:bgClr><a:srgbClr val="FFFFFF"/></a:bgClr></a:pattFill>)") +
      pt::FilledShape(5, "Texture",
                      R"(<a:blipFill><a:blip r:link="rIdTex"/><a:tile/></a:blipFill>)") +
      pt::FilledShape(6, "Nothing", "<a:noFill/>") +
      pt::FilledShape(
          7, "Fire",
          R"(<a:gradFill><a:gsLst><a:gs pos="0"><a:srgbClr val="FFF200"/></a:gs><a:gs pos="45000"><a:srgbClr val="FF7A00"/></a:gs><a:gs pos="70000"><a:srgbClr val="FF0300"/></a:gs><a:gs pos="100000"><a:srgbClr val="4D0808"/></a:gs></a:gsLst><a:lin ang="5400000" scaled="1"/></a:gradFill>)"));
  slide.relationships =
      R"(<Relationship Id="rIdTex" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/image" Target="C:\Kaoshi\granite.jpg" TargetMode="External"/>)";
  pt::PptxContent content;
  content.slides = {slide};
  return content;
}

class Fills : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(opened_.Opened()); }
  testing::OpenedPresentation opened_{Deck()};
};

// Automation colour values (red in the low byte).
constexpr const char* kDarkerAccent = "9917743";  // 2F5597
constexpr const char* kAccent = "12874308";       // 4472C4
constexpr const char* kDarkRed = "192";           // C00000
constexpr const char* kWhite = "16777215";
constexpr const char* kRed = "255";

TEST_F(Fills, Colour) {
  RunCases(opened_,
           {
               {"the accent with its luminance modifier",
                {"SHAPEFILLCOLOR", "1", "1", kDarkerAccent},
                1},
               {"not the plain accent", {"SHAPEFILLCOLOR", "1", "1", kAccent}, 0},
               {"a gradient's first stop", {"SHAPEFILLCOLOR", "1", "2", kRed}, 1},
               {"a pattern's foreground", {"SHAPEFILLCOLOR", "1", "3", kDarkRed}, 1},
               {"no fill reads 0", {"SHAPEFILLCOLOR", "1", "5", "0"}, 1},
               {"a missing shape is black", {"SHAPEFILLCOLOR", "1", "9", "0"}, 1},
               {"a missing shape is no other colour", {"SHAPEFILLCOLOR", "1", "9", kRed}, 0},
           });
}

TEST_F(Fills, GradientAndPresets) {
  RunCases(opened_,
           {
               {"horizontal", {"SHAPEGRADTSTYLE", "1", "2", "1"}, 1},
               {"not vertical", {"SHAPEGRADTSTYLE", "1", "2", "2"}, 0},
               {"a solid fill has no style", {"SHAPEGRADTSTYLE", "1", "1", "0"}, 1},
               {"a preset recognised by its stops", {"SHAPEPRSTGRDENTTYPE", "1", "6", "9"}, 1},
               {"not another preset", {"SHAPEPRSTGRDENTTYPE", "1", "6", "1"}, 0},
               {"a gradient of one's own is none", {"SHAPEPRSTGRDENTTYPE", "1", "2", "0"}, 1},
               {"so no preset matches it", {"SHAPEPRSTGRDENTTYPE", "1", "2", "9"}, 0},
               {"nor does a preset texture", {"SHAPETEXTURED", "1", "4", "12"}, 0},
               {"which reads 0", {"SHAPETEXTURED", "1", "4", "0"}, 1},
           });
}

TEST_F(Fills, TexturePicture) {
  RunCases(opened_,
           {
               {"case ignored", {"SHAPETEXTUREPICTURE", "1", "4", "c:\\KAOSHI\\Granite.JPG"}, 1},
               {"the whole name", {"SHAPETEXTUREPICTURE", "1", "4", "granite.jpg"}, 0},
               {"a solid fill has no name", {"SHAPETEXTUREPICTURE", "1", "1", ""}, 1},
               {"a missing shape has none", {"SHAPETEXTUREPICTURE", "1", "9", "granite.jpg"}, 0},
           });
}

TEST_F(Fills, Pattern) {
  RunCases(
      opened_,
      {
          {"pattern and both colours", {"SHAPEFILLPATTERN", "1", "3", "13", kDarkRed, kWhite}, 1},
          {"another background", {"SHAPEFILLPATTERN", "1", "3", "13", kDarkRed, "0"}, 0},
          {"another pattern", {"SHAPEFILLPATTERN", "1", "3", "14", kDarkRed, kWhite}, 0},
          {"a missing shape reads 0, 0, 0", {"SHAPEFILLPATTERN", "1", "9", "0", "0", "0"}, 1},
          {"and nothing else", {"SHAPEFILLPATTERN", "1", "9", "0", "0", "1"}, 0},
          {"a solid fill: no pattern, its colour, no background",
           {"SHAPEFILLPATTERN", "1", "1", "0", kDarkerAccent, "0"},
           1},
      });
}

}  // namespace
}  // namespace slidemark
