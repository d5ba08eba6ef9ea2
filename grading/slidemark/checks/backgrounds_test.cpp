// The background checks as rule rows over presentations built in code: a slide's own background,
// one that follows the master, the master's for the keywords that stand for all slides, and
// what a missing slide or an unreadable preset reads as.
#include <gtest/gtest.h>

#include "grading/slidemark/checks/backgrounds.h"
#include "grading/slidemark/testing/rule_cases.h"
#include "grading/slidemark/testing/slide_fixture.h"

namespace slidemark {
namespace {

namespace pt = powerpoint::testing;
using testing::RunCases;

std::string Own(const std::string& fill) {
  return "<p:bgPr>" + fill + "<a:effectLst/></p:bgPr>";
}

// The master: the pattern ltVert in blue on white. Slide 1 follows it; slide 2 has a
// three-stop gradient running down; slide 3 a texture linked from D:\pics\Wood.PNG; slide 4 a
// two-stop gradient from the centre.
pt::PptxContent PatternMaster() {
  pt::PptxContent content;
  content.masterBackground = Own(
      R"(<a:pattFill prst="ltVert"><a:fgClr><a:srgbClr val="0000FF"/></a:fgClr><a:bgClr><a:srgbClr val="FFFFFF"/></a:bgClr></a:pattFill>)");
  content.slides = {pt::SlideXml(""), pt::SlideXml(""), pt::SlideXml(""), pt::SlideXml("")};
  content.slides[1].background = Own(
      R"(<a:gradFill><a:gsLst><a:gs pos="0"><a:srgbClr val="FF0000"/></a:gs><a:gs pos="50000"><a:srgbClr val="00FF00"/></a:gs><a:gs pos="100000"><a:srgbClr val="0000FF"/></a:gs></a:gsLst><a:lin ang="5400000"/></a:gradFill>)");
  content.slides[2].background =
      Own(R"(<a:blipFill><a:blip r:link="rIdTex"/><a:tile/></a:blipFill>)");
  content.slides[2].relationships =
      R"(<Relationship Id="rIdTex" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/image" Target="D:\pics\Wood.PNG" TargetMode="External"/>)";
  content.slides[3].background = Own(
      R"(<a:gradFill><a:gsLst><a:gs pos="0"><a:srgbClr val="FFFFFF"/></a:gs><a:gs pos="100000"><a:srgbClr val="000000"/></a:gs></a:gsLst><a:path path="circle"><a:fillToRect l="50000" t="50000" r="50000" b="50000"/></a:path></a:gradFill>)");
  return content;
}

constexpr const char* kBlue = "16711680";  // 0000FF
constexpr const char* kWhite = "16777215";

TEST(Backgrounds, OfOneSlide) {
  testing::OpenedPresentation opened(PatternMaster());
  ASSERT_TRUE(opened.Opened());
  RunCases(opened,
           {
               {"the master's pattern, followed",
                {"PPTFILLTEXTUREPATTERN", "1", "20", kBlue, kWhite},
                1},
               {"another foreground", {"PPTFILLTEXTUREPATTERN", "1", "20", kWhite, kWhite}, 0},
               {"a missing slide reads 0, 0, 0", {"PPTFILLTEXTUREPATTERN", "9", "0", "0", "0"}, 1},
               {"and nothing else", {"PPTFILLTEXTUREPATTERN", "9", "20", "0", "0"}, 0},
               {"a gradient: no pattern, its first and last stops",
                {"PPTFILLTEXTUREPATTERN", "2", "0", "255", kBlue},
                1},
               {"many colours", {"PPTGRADIENTCOLORTYPE", "2", "4"}, 1},
               {"two colours", {"PPTGRADIENTCOLORTYPE", "4", "2"}, 1},
               {"not two", {"PPTGRADIENTCOLORTYPE", "2", "2"}, 0},
               {"a pattern has no colour type", {"PPTGRADIENTCOLORTYPE", "1", "0"}, 1},
               {"horizontal", {"GRADTSTYLE", "2", "1"}, 1},
               {"from the centre", {"GRADTSTYLE", "4", "7"}, 1},
               {"not horizontal", {"GRADTSTYLE", "4", "1"}, 0},
               {"a gradient of one's own is no preset", {"PRSTGRDENTTYPE", "2", "0"}, 1},
               {"so none matches", {"PRSTGRDENTTYPE", "2", "1"}, 0},
               {"nor a preset texture", {"PPTTEXTURED", "3", "0"}, 1},
               {"the texture's file, case ignored",
                {"PPTFILLTEXTUREPICTURE", "3", "d:\\PICS\\wood.png"},
                1},
               {"not its last part", {"PPTFILLTEXTUREPICTURE", "3", "Wood.PNG"}, 0},
               {"a pattern has no picture", {"PPTFILLTEXTUREPICTURE", "1", ""}, 1},
           });
}

TEST(Backgrounds, OfTheMaster) {
  testing::OpenedPresentation opened(PatternMaster());
  ASSERT_TRUE(opened.Opened());
  RunCases(
      opened,
      {
          {"the pattern and its colours", {"PPTFILLTEXTUREPATTERNALL", "20", kBlue, kWhite}, 1},
          {"another pattern", {"PPTFILLTEXTUREPATTERNALL", "19", kBlue, kWhite}, 0},
          {"a pattern has no gradient style", {"ALLSLIDESGRADTSTYLE", "0"}, 1},
          {"so no style matches", {"ALLSLIDESGRADTSTYLE", "1"}, 0},
          {"no preset gradient", {"ALLSLIDESPRSTGRDENTTYPE", "0"}, 1},
          // The preset texture cannot be read: this check fails on it even for 0.
          {"an unread texture fails", {"ALLSLIDESBGTEXTURE", "0"}, 0},
          // The unread number is written as 0 and compared as text.
          {"written as 0", {"PPTFILLTEXTUREPICTUREALL", "0"}, 1},
          {"not as 00", {"PPTFILLTEXTUREPICTUREALL", "00"}, 0},
          {"nor empty", {"PPTFILLTEXTUREPICTUREALL", ""}, 0},
          {"nor another number", {"PPTFILLTEXTUREPICTUREALL", "12"}, 0},
      });
}

TEST(Backgrounds, AMasterReferenceIntoTheTheme) {
  pt::PptxContent content;
  content.slides = {pt::SlideXml("")};
  // The writer's theme has solid background fills: a reference gives a solid fill.
  content.masterBackground = R"(<p:bgRef idx="1001"><a:schemeClr val="accent2"/></p:bgRef>)";
  testing::OpenedPresentation opened(content);
  ASSERT_TRUE(opened.Opened());
  RunCases(opened,
           {
               {"a solid fill has no style", {"ALLSLIDESGRADTSTYLE", "0"}, 1},
               {"no pattern, the accent, no background",
                {"PPTFILLTEXTUREPATTERNALL", "0", "3243501", "0"},
                1},
               {"the slide follows it", {"PPTFILLTEXTUREPATTERN", "1", "0", "3243501", "0"}, 1},
           });
}

TEST(Backgrounds, APresetGradientOnTheMaster) {
  pt::PptxContent content;
  content.slides = {pt::SlideXml(""), pt::SlideXml("")};
  // Sapphire, as its stops.
  content.masterBackground = Own(
      R"(<a:gradFill><a:gsLst><a:gs pos="0"><a:srgbClr val="000082"/></a:gs><a:gs pos="50000"><a:srgbClr val="0047FF"/></a:gs><a:gs pos="100000"><a:srgbClr val="000082"/></a:gs></a:gsLst><a:lin ang="5400000" scaled="1"/></a:gradFill>)");
  content.slides[1].background = Own(R"(<a:solidFill><a:srgbClr val="FFFFFF"/></a:solidFill>)");
  testing::OpenedPresentation opened(content);
  ASSERT_TRUE(opened.Opened());
  RunCases(opened, {
                       {"the master's preset", {"ALLSLIDESPRSTGRDENTTYPE", "24"}, 1},
                       {"not another", {"ALLSLIDESPRSTGRDENTTYPE", "1"}, 0},
                       {"a slide following it", {"PRSTGRDENTTYPE", "1", "24"}, 1},
                       {"preset colours", {"PPTGRADIENTCOLORTYPE", "1", "3"}, 1},
                       {"a slide of its own", {"PRSTGRDENTTYPE", "2", "0"}, 1},
                       {"a mirrored gradient running down", {"ALLSLIDESGRADTSTYLE", "1"}, 1},
                   });
}

TEST(Backgrounds, AMasterGradient) {
  pt::PptxContent content;
  content.slides = {pt::SlideXml("")};
  content.masterBackground = Own(
      R"(<a:gradFill><a:gsLst><a:gs pos="0"><a:srgbClr val="FFFFFF"/></a:gs><a:gs pos="100000"><a:schemeClr val="accent1"/></a:gs></a:gsLst><a:lin ang="0"/></a:gradFill>)");
  testing::OpenedPresentation opened(content);
  ASSERT_TRUE(opened.Opened());
  RunCases(opened, {
                       {"vertical", {"ALLSLIDESGRADTSTYLE", "2"}, 1},
                       {"not horizontal", {"ALLSLIDESGRADTSTYLE", "1"}, 0},
                       {"the slide follows it", {"GRADTSTYLE", "1", "2"}, 1},
                       {"two colours", {"PPTGRADIENTCOLORTYPE", "1", "2"}, 1},
                   });
}

}  // namespace
}  // namespace slidemark
