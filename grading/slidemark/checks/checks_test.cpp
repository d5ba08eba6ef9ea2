// The checks by family, run as rule rows through the keyword table over a presentation built in
// code: text search, fonts, slide identity, structure, size, position and kind, and what a
// missing slide or shape reads as.
#include <gtest/gtest.h>

#include "grading/slidemark/checks/shape_geometry.h"
#include "grading/slidemark/testing/rule_cases.h"
#include "grading/slidemark/testing/slide_fixture.h"
#include "platform/office/powerpoint/constants.h"

namespace slidemark {
namespace {

namespace pt = powerpoint::testing;

constexpr int64_t kEmuPerPoint = 12700;

// Points to EMU, rounded to the whole EMU a file can hold.
int64_t Emu(double points) {
  return static_cast<int64_t>(points * kEmuPerPoint + 0.5);
}

// Five slides. 1: a title layout with a text box "Hello World" (Arial 10.5 pt) and a star
// (141.875 by 85.125 pt at 72.5, 73.5). 2: a body placeholder whose size comes from the master's
// body style, and a text box of mixed runs. 3: a picture, then a text box with "Target" in red
// Georgia 20 pt. 4: blank. 5, made before slide 4: a text box of 11.5 pt and one that gives no
// size, so the presentation's default style's 22 pt applies (not the master's other style, 18 pt).
// Transitions: none on slide 1, a wipe up on 2, a vortex to the right (with a fade for older
// readers) on 3, a wheel of five spokes, which has no effect number, on 4.
pt::PptxContent Content() {
  pt::PptxContent content;
  content.txStyles = R"(<p:titleStyle><a:lvl1pPr><a:defRPr sz="4400"/></a:lvl1pPr></p:titleStyle>)"
                     R"(<p:bodyStyle><a:lvl1pPr><a:defRPr sz="2850"/></a:lvl1pPr></p:bodyStyle>)"
                     R"(<p:otherStyle><a:lvl1pPr><a:defRPr sz="1800"/></a:lvl1pPr></p:otherStyle>)";
  content.defaultTextStyle = R"(<a:lvl1pPr><a:defRPr sz="2200"/></a:lvl1pPr>)";
  content.templateName = "Ocean";
  const pt::Box star{Emu(72.5), Emu(73.5), Emu(85.125), Emu(141.875)};
  const pt::Box box{914400, 914400, Emu(150), Emu(150)};
  pt::SlideXml s1;
  s1.layout = 0;  // Title Slide
  s1.id = 300;
  s1.shapes =
      pt::TextBox(2, "Greeting", box,
                  pt::Para(pt::Run("Hello World", R"(sz="1050")", R"(<a:latin typeface="Arial"/>)"),
                           R"(algn="ctr")")) +
      pt::AutoShape(3, "Star", "star5", star);
  pt::SlideXml s2;
  s2.id = 301;
  s2.shapes =
      pt::Placeholder(2, "Content", R"(idx="1")", nullptr, pt::TextPara("Body text")) +
      pt::TextBox(3, "Mixed", box,
                  pt::Para(pt::Run("plain ") + pt::Run("Strong words", R"(b="1" i="1" sz="2000")",
                                                       R"(<a:latin typeface="Georgia"/>)")));
  pt::SlideXml s3;
  s3.id = 302;
  s3.shapes = pt::Picture(2, "Photo", box) +
              pt::TextBox(3, "Red", box,
                          pt::Para(pt::Run("Target here", R"(sz="2000" u="sng")",
                                           R"(<a:solidFill><a:srgbClr val="FF0000"/></a:solidFill>)"
                                           R"(<a:latin typeface="Georgia"/>)")));
  pt::SlideXml s4;
  s4.layout = 3;  // Blank
  s4.id = 320;
  s2.transition = R"(<p:transition><p:wipe dir="u"/></p:transition>)";
  s3.transition =
      R"(<mc:AlternateContent><mc:Choice Requires="p14"><p:transition><p14:vortex dir="r"/>)"
      R"(</p:transition></mc:Choice><mc:Fallback><p:transition><p:fade/></p:transition>)"
      R"(</mc:Fallback></mc:AlternateContent>)";
  s4.transition = R"(<p:transition><p:wheel spokes="5"/></p:transition>)";
  pt::SlideXml s5;
  s5.layout = 3;
  s5.id = 310;
  s5.shapes = pt::TextBox(2, "Half", box, pt::Para(pt::Run("Eleven and a half", R"(sz="1150")"))) +
              pt::TextBox(3, "Plain", box, pt::TextPara("No size of its own"));
  content.slides = {s1, s2, s3, s4, s5};
  return content;
}

class Checks : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(opened_.Opened()); }
  testing::OpenedPresentation opened_{Content()};
};

using testing::RunCases;

TEST_F(Checks, TextSearch) {
  RunCases(
      opened_,
      {
          {"FINDTEXT ignores case", {"FINDTEXT", "hello world"}, 1},
          {"FINDTEXT on the last text slide", {"FINDTEXT", "Target"}, 1},
          {"FINDTEXT of text found nowhere", {"FINDTEXT", "absent"}, 0},
          {"FINDTEXTINSLIDE is case-sensitive", {"FINDTEXTINSLIDE", "1", "hello world"}, 0},
          {"FINDTEXTINSLIDE in the exact case", {"FINDTEXTINSLIDE", "1", "Hello"}, 1},
          {"FINDTEXTINSLIDE skips a picture and walks on", {"FINDTEXTINSLIDE", "3", "Target"}, 1},
          {"FINDTEXTINSLIDE on a missing slide", {"FINDTEXTINSLIDE", "9", ""}, 0},
          {"FINDTEXTINSLIDESHAPE", {"FINDTEXTINSLIDESHAPE", "2", "2", "Strong"}, 1},
          {"FINDTEXTINSLIDESHAPE another case", {"FINDTEXTINSLIDESHAPE", "2", "2", "strong"}, 0},
          {"FINDTEXTINSLIDESHAPE a missing shape", {"FINDTEXTINSLIDESHAPE", "2", "7", ""}, 0},
      });
}

TEST_F(Checks, FoundTextFonts) {
  RunCases(opened_,
           {
               {"PPTTXTFONT", {"PPTTXTFONT", "strong", "Georgia"}, 1},
               {"PPTTXTFONT another font", {"PPTTXTFONT", "strong", "Arial"}, 0},
               {"PPTTXTFONTSIZE", {"PPTTXTFONTSIZE", "hello", "10.5"}, 1},
               {"PPTTXTFONTSIZE rounded is no match", {"PPTTXTFONTSIZE", "hello", "10"}, 0},
               {"PPTTXTATTRIB bold italic", {"PPTTXTATTRIB", "Strong", "6"}, 1},
               {"PPTTXTATTRIB underlined", {"PPTTXTATTRIB", "target", "1"}, 1},
               {"PPTTXTATTRIB 0 when not found", {"PPTTXTATTRIB", "absent", "0"}, 1},
               {"PPTTXTCOLOR red", {"PPTTXTCOLOR", "target", "255"}, 1},
               {"PPTTXTCOLOR 0 when not found", {"PPTTXTCOLOR", "absent", "0"}, 1},
               // The whole text of the shape: "plain Strong words" holds two fonts.
               {"FINDTEXTINSLIDEFONT reads the whole text",
                {"FINDTEXTINSLIDEFONT", "2", "Strong", "Georgia", "20"},
                0},
               {"FINDTEXTINSLIDEFONTCOLOR", {"FINDTEXTINSLIDEFONTCOLOR", "3", "Target", "255"}, 1},
               {"FINDTEXTINSLIDESHAPEFONT reads the words found",
                {"FINDTEXTINSLIDESHAPEFONT", "2", "2", "Strong", "Georgia", "20"},
                1},
               {"FINDTEXTINSLIDESHAPEFONT not found",
                {"FINDTEXTINSLIDESHAPEFONT", "2", "2", "strong", "Georgia", "20"},
                0},
               {"FINDTEXTINSLIDESHAPEFONTCOLOR",
                {"FINDTEXTINSLIDESHAPEFONTCOLOR", "3", "2", "here", "255"},
                1},
           });
}

TEST_F(Checks, ShapeFonts) {
  RunCases(
      opened_,
      {
          {"SHAPETXTFONTNAME", {"SHAPETXTFONTNAME", "1", "1", "Arial"}, 1},
          {"SHAPETXTFONTNAME of a missing shape and an empty name",
           {"SHAPETXTFONTNAME", "1", "9", ""},
           1},
          {"SHAPETXTFONTSIZE 10.5 reads 10", {"SHAPETXTFONTSIZE", "1", "1", "10"}, 1},
          {"SHAPETXTFONTSIZE 10.5 is not 11", {"SHAPETXTFONTSIZE", "1", "1", "11"}, 0},
          // 28.5 points from the master's body style; halves to even.
          {"SHAPETXTFONTSIZE inherited from the master", {"SHAPETXTFONTSIZE", "2", "1", "28"}, 1},
          {"PPTTXTFONTSIZE inherited, exact", {"PPTTXTFONTSIZE", "body", "28.5"}, 1},
          {"SHAPETXTFONTSIZE 11.5 reads 12", {"SHAPETXTFONTSIZE", "5", "1", "12"}, 1},
          {"SHAPETXTFONTSIZE 11.5 is not 11", {"SHAPETXTFONTSIZE", "5", "1", "11"}, 0},
          {"SHAPETXTFONTSIZE of a text box: the default style",
           {"SHAPETXTFONTSIZE", "5", "2", "22"},
           1},
          {"SHAPETXTFONTSIZE of a text box: not the other style",
           {"SHAPETXTFONTSIZE", "5", "2", "18"},
           0},
          {"SHAPETXTFONTATTRIB", {"SHAPETXTFONTATTRIB", "3", "2", "1"}, 1},
          {"SHAPETXTFONTCOLOR", {"SHAPETXTFONTCOLOR", "3", "2", "255"}, 1},
          {"SHAPETXTFONTCOLOR of a missing shape never holds",
           {"SHAPETXTFONTCOLOR", "3", "9", "0"},
           0},
          {"TXTALIGNMENT centred", {"TXTALIGNMENT", "1", "1", "2"}, 1},
          {"TXTALIGNMENT of a missing shape, 0", {"TXTALIGNMENT", "1", "5", "0"}, 1},
      });
}

TEST_F(Checks, SlideIdentityAndTemplate) {
  RunCases(opened_, {
                        {"GETSLIDEID", {"GETSLIDEID", "1"}, 1},
                        {"GETSLIDEID of a missing slide", {"GETSLIDEID", "9"}, 0},
                        {"INSERTSLIDE", {"INSERTSLIDE", "2", "301"}, 1},
                        {"INSERTSLIDE another id", {"INSERTSLIDE", "2", "300"}, 0},
                        {"INSERTSLIDE of a missing slide and 0", {"INSERTSLIDE", "9", "0"}, 1},
                        {"SLIDESWAP", {"SLIDESWAP", "4", "5"}, 1},
                        {"SLIDESWAP in order", {"SLIDESWAP", "1", "2"}, 0},
                        {"SLIDESWAP of a slide with itself", {"SLIDESWAP", "4", "4"}, 0},
                        {"SLIDESWAP with slide b missing", {"SLIDESWAP", "4", "9"}, 0},
                        {"SLIDESWAP with slide a missing", {"SLIDESWAP", "9", "4"}, 0},
                        {"TEMPLATEAPPLY", {"TEMPLATEAPPLY", "Ocean"}, 1},
                        {"TEMPLATEAPPLY another case", {"TEMPLATEAPPLY", "ocean"}, 0},
                    });
}

TEST_F(Checks, SlideTransition) {
  RunCases(opened_,
           {
               {"SLIDETRANSITION wipe up", {"SLIDETRANSITION", "2", "2818"}, 1},
               {"SLIDETRANSITION wipe left is another", {"SLIDETRANSITION", "2", "2817"}, 0},
               {"SLIDETRANSITION vortex right", {"SLIDETRANSITION", "3", "3865"}, 1},
               {"SLIDETRANSITION not the fallback fade", {"SLIDETRANSITION", "3", "3849"}, 0},
               {"SLIDETRANSITION none, 0", {"SLIDETRANSITION", "1", "0"}, 1},
               {"SLIDETRANSITION none is no cut", {"SLIDETRANSITION", "1", "257"}, 0},
               {"SLIDETRANSITION unreadable, 0", {"SLIDETRANSITION", "4", "0"}, 1},
               {"SLIDETRANSITION missing slide, 0", {"SLIDETRANSITION", "9", "0"}, 1},
               {"SLIDETRANSITION missing slide, wipe up", {"SLIDETRANSITION", "9", "2818"}, 0},
           });
}

TEST_F(Checks, Structure) {
  RunCases(opened_, {
                        {"SLIDELAYOUT title", {"SLIDELAYOUT", "1", "1"}, 1},
                        {"SLIDELAYOUT blank", {"SLIDELAYOUT", "4", "12"}, 1},
                        {"SLIDELAYOUT another layout", {"SLIDELAYOUT", "4", "1"}, 0},
                        {"SLIDELAYOUT slide 9 of five, 0", {"SLIDELAYOUT", "9", "0"}, 1},
                        {"SLIDELAYOUT slide 9 of five, 2", {"SLIDELAYOUT", "9", "2"}, 0},
                        {"SLIDENUMBER", {"SLIDENUMBER", "5"}, 1},
                        {"SLIDENUMBER another count", {"SLIDENUMBER", "4"}, 0},
                        {"SHAPENUMBER", {"SHAPENUMBER", "1", "2"}, 1},
                        {"SHAPENUMBER of an empty slide", {"SHAPENUMBER", "4", "0"}, 1},
                        {"SHAPENUMBER of a missing slide, 0", {"SHAPENUMBER", "9", "0"}, 1},
                        {"SHAPENUMBER of a missing slide, 1", {"SHAPENUMBER", "9", "1"}, 0},
                    });
}

TEST_F(Checks, ShapeSizePositionAndKind) {
  RunCases(
      opened_,
      {
          {"SHAPEDIMENTION 141.875 by 85.125 points", {"SHAPEDIMENTION", "1", "2", "5", "3"}, 1},
          {"SHAPEDIMENTION written with a decimal", {"SHAPEDIMENTION", "1", "2", "5.0", "3.0"}, 1},
          {"SHAPEDIMENTION in centimetres is no match",
           {"SHAPEDIMENTION", "1", "2", "5", "3.1"},
           0},
          {"SHAPEDIMENTION 150 points", {"SHAPEDIMENTION", "1", "1", "5.3", "5.3"}, 1},
          {"SHAPEDIMENTION of a missing shape, 0", {"SHAPEDIMENTION", "1", "9", "0", "0"}, 1},
          {"SHAPEPOSITION halves to even", {"SHAPEPOSITION", "1", "2", "72", "74"}, 1},
          {"SHAPEPOSITION rounded up is no match", {"SHAPEPOSITION", "1", "2", "73", "74"}, 0},
          {"SHAPEAUTOSHAPETYPE", {"SHAPEAUTOSHAPETYPE", "1", "2", "92"}, 1},
          {"INSERTAUTOSHAPETYPE the same", {"INSERTAUTOSHAPETYPE", "1", "2", "92"}, 1},
          {"SHAPEAUTOSHAPETYPE another", {"SHAPEAUTOSHAPETYPE", "1", "2", "1"}, 0},
          {"SHAPETYPENAME text box", {"SHAPETYPENAME", "1", "1", "17"}, 1},
          {"SHAPETYPENAME picture", {"SHAPETYPENAME", "3", "1", "13"}, 1},
          {"SHAPETYPENAME placeholder", {"SHAPETYPENAME", "2", "1", "14"}, 1},
          {"SHAPEPLACEHOLDERTYPENAME of a text placeholder",
           {"SHAPEPLACEHOLDERTYPENAME", "2", "1", "1"},
           1},
          {"SHAPEPLACEHOLDERTYPENAME of no placeholder, 0",
           {"SHAPEPLACEHOLDERTYPENAME", "1", "1", "0"},
           1},
          {"SHAPEMEDIATYPE of a star, 0", {"SHAPEMEDIATYPE", "1", "2", "0"}, 1},
      });
}

// One slide with "Topic" twice: plain Arial 12 pt first, then bold Georgia 20 pt.
TEST(SearchOrder, EverySlideSearchesWalkOnWhileOneSlideSearchesStopAtTheFirstShape) {
  pt::PptxContent content;
  pt::SlideXml slide;
  const pt::Box box{};
  slide.shapes =
      pt::TextBox(
          2, "First", box,
          pt::Para(pt::Run("Topic one", R"(sz="1200")", R"(<a:latin typeface="Arial"/>)"))) +
      pt::TextBox(
          3, "Second", box,
          pt::Para(pt::Run("Topic two", R"(b="1" sz="2000")", R"(<a:latin typeface="Georgia"/>)")));
  content.slides = {slide};
  testing::OpenedPresentation opened(content);
  ASSERT_TRUE(opened.Opened());
  RunCases(opened,
           {
               {"PPTTXTFONT finds the later shape's font", {"PPTTXTFONT", "topic", "Georgia"}, 1},
               {"PPTTXTATTRIB takes the first bold occurrence", {"PPTTXTATTRIB", "topic", "4"}, 1},
               {"PPTTXTCOLOR takes the first occurrence", {"PPTTXTCOLOR", "two", "0"}, 1},
               {"FINDTEXTINSLIDEFONT the first shape decides",
                {"FINDTEXTINSLIDEFONT", "1", "Topic", "Georgia", "20"},
                0},
               {"FINDTEXTINSLIDEFONT the first shape's font",
                {"FINDTEXTINSLIDEFONT", "1", "Topic", "Arial", "12"},
                1},
               {"FINDTEXTINSLIDE an empty text is in any text", {"FINDTEXTINSLIDE", "1", ""}, 1},
               {"FINDTEXT never finds an empty text", {"FINDTEXT", ""}, 0},
           });
}

TEST(SearchOrder, OneShapeSearchesCountCharactersNotBytes) {
  pt::PptxContent content;
  pt::SlideXml slide;
  slide.shapes =
      pt::TextBox(2, "Chinese", pt::Box{},
                  pt::Para(pt::Run("中文说明：", R"(sz="1200")", R"(<a:latin typeface="Arial"/>)") +
                           pt::Run("重点", R"(sz="2000")", R"(<a:latin typeface="Georgia"/>)")));
  content.slides = {slide};
  testing::OpenedPresentation opened(content);
  ASSERT_TRUE(opened.Opened());
  EXPECT_EQ(opened.Rule({"FINDTEXTINSLIDESHAPEFONT", "1", "1", "重点", "Georgia", "20"}), 1);
  EXPECT_EQ(opened.Rule({"FINDTEXTINSLIDESHAPEFONT", "1", "1", "说明", "Arial", "12"}), 1);
}

TEST(SizeUnits, PointsToTheWorkbooksUnitToOneDecimal) {
  struct Row {
    double points;
    float units;
  } rows[] = {{141.875, 5.0f}, {150, 5.3f}, {85.125, 3.0f}, {0, 0.0f}};
  for (const Row& r : rows) EXPECT_EQ(SizeUnitsOf(r.points), r.units) << r.points;
}

}  // namespace
}  // namespace slidemark
