#include "platform/office/drawingml/text.h"

#include <gtest/gtest.h>

#include "platform/office/common/palette.h"
#include "platform/office/drawingml/body.h"
#include "platform/office/drawingml/codes.h"
#include "platform/office/drawingml/testing/fixtures.h"
#include "platform/office/drawingml/theme.h"
#include "platform/office/drawingml/xml.h"

namespace drawingml {
namespace {

using testing::FixtureTheme;
using testing::Snippet;

// A master's body style, a shape's own list style and a paragraph at the second level.
constexpr std::string_view kMasterBodyStyle = R"(<p:bodyStyle>
    <a:lvl1pPr algn="l"><a:defRPr sz="2800" i="0"><a:solidFill><a:schemeClr val="tx1"/></a:solidFill>
      <a:latin typeface="+mn-lt"/><a:ea typeface="+mn-ea"/></a:defRPr></a:lvl1pPr>
    <a:lvl2pPr algn="ctr"><a:defRPr sz="2400" i="1"><a:latin typeface="+mj-lt"/></a:defRPr></a:lvl2pPr>
  </p:bodyStyle>)";
constexpr std::string_view kShapeListStyle = R"(<a:lstStyle>
    <a:lvl2pPr><a:defRPr sz="2000"><a:solidFill><a:schemeClr val="accent2"/></a:solidFill></a:defRPr></a:lvl2pPr>
  </a:lstStyle>)";
constexpr std::string_view kParagraph = R"(<a:p><a:pPr lvl="1"/>
    <a:r><a:rPr lang="zh-CN" b="1" u="sng"/><a:t>标题</a:t></a:r></a:p>)";

struct Presentation {
  Snippet master{kMasterBodyStyle};
  Snippet shape{kShapeListStyle};
  Snippet paragraph{kParagraph};
  ListStyle masterStyle = ListStyle::Read(master.Root()).value();
  ListStyle shapeStyle = ListStyle::Read(shape.Root()).value();
  TextLevel paragraphLevel = ReadParagraphProperties(Child(paragraph.Root(), "pPr")).value();
  TextLevel run = ReadRunProperties(Child(Child(paragraph.Root(), "r"), "rPr")).value();
  int level = static_cast<int>(IntAttr(Child(paragraph.Root(), "pPr"), "lvl").value_or(0));
};

TEST(Text, InheritsThroughRunShapeAndMaster) {
  Presentation p;
  base::Result<ResolvedText> text = ResolveText(
      {&p.run, &p.paragraphLevel, p.shapeStyle.Level(p.level), p.masterStyle.Level(p.level)},
      Context{&FixtureTheme()});
  ASSERT_TRUE(text) << text.error().message;
  EXPECT_TRUE(text->bold);                           // the run
  EXPECT_EQ(text->underline, Underline::kSingle);    // the run
  EXPECT_DOUBLE_EQ(text->sizePt, 20);                // the shape's list style
  EXPECT_EQ(text->color, Color::FromRgb(0xC0504D));  // the shape's list style
  EXPECT_TRUE(text->italic);                         // the master
  EXPECT_EQ(text->alignment, Alignment::kCenter);    // the master
  EXPECT_EQ(text->latin, "Cambria");                 // the master's "+mj-lt"
  EXPECT_EQ(text->eastAsian, "宋体");                // nobody: the body font's Hans typeface
  EXPECT_EQ(text->language, "zh-CN");
  EXPECT_EQ(MsoAlignmentOf(text->alignment), 2);
}

TEST(Text, FirstLevelTakesTheMastersFirstLevelThroughTheSlidesColourMap) {
  Presentation p;
  Snippet map(R"(<p:clrMapOvr><a:overrideClrMapping bg1="dk1" tx1="lt1"/></p:clrMapOvr>)");
  ColorMap swapped = ColorMap::Read(Child(map.Root(), "overrideClrMapping")).value();
  base::Result<ResolvedText> text = ResolveText({p.shapeStyle.Level(0), p.masterStyle.Level(0)},
                                                Context{&FixtureTheme(), &swapped});
  ASSERT_TRUE(text);
  EXPECT_DOUBLE_EQ(text->sizePt, 28);
  EXPECT_FALSE(text->italic);
  EXPECT_EQ(text->alignment, Alignment::kLeft);
  EXPECT_EQ(text->color, Color::FromRgb(0xFFFFFF));  // tx1 is lt1 on this slide
  EXPECT_EQ(text->latin, "Calibri");
}

TEST(Text, ShapeStyleFontReferenceSitsBelowTheShapesOwnLevels) {
  Snippet ref(R"(<a:fontRef idx="minor"><a:schemeClr val="lt1"/></a:fontRef>)");
  TextLevel font = ReadFontReference(ref.Root()).value();
  Snippet rPr(R"(<a:rPr sz="1200"/>)");
  TextLevel run = ReadRunProperties(rPr.Root()).value();
  base::Result<ResolvedText> text = ResolveText({&run, &font}, Context{&FixtureTheme()});
  ASSERT_TRUE(text);
  EXPECT_EQ(text->color, Color::FromRgb(0xFFFFFF));
  EXPECT_EQ(text->latin, "Calibri");
  EXPECT_EQ(text->complexScript, "Arial");
  EXPECT_DOUBLE_EQ(text->sizePt, 12);

  Snippet major(R"(<a:fontRef idx="major"/>)");
  EXPECT_EQ(ReadFontReference(major.Root())->latin, "+mj-lt");
  Snippet bad(R"(<a:fontRef idx="medium"/>)");
  EXPECT_FALSE(ReadFontReference(bad.Root()));
}

TEST(Text, ChartTextFromItsTextProperties) {
  // A chart title's txPr, over the chart's own 10 pt default.
  Snippet txPr(R"(<c:txPr><a:bodyPr/><a:lstStyle/><a:p><a:pPr>
      <a:defRPr sz="1400" b="1" i="0" u="none"><a:solidFill><a:srgbClr val="FF0000"/></a:solidFill>
      <a:latin typeface="黑体"/><a:ea typeface="黑体"/></a:defRPr></a:pPr><a:endParaRPr lang="zh-CN"/></a:p></c:txPr>)");
  TextLevel title = ReadParagraphProperties(Child(Child(txPr.Root(), "p"), "pPr")).value();
  Snippet chartDefault(R"(<a:defRPr sz="1000"/>)");
  TextLevel chart = ReadRunProperties(chartDefault.Root()).value();
  base::Result<ResolvedText> text = ResolveText({&title, &chart}, Context{&FixtureTheme()});
  ASSERT_TRUE(text);
  EXPECT_DOUBLE_EQ(text->sizePt, 14);
  EXPECT_EQ(text->latin, "黑体");
  EXPECT_EQ(XlUnderlineStyleOf(text->underline), -4142);
  EXPECT_EQ(office::Palette::Default().NearestIndex(text->color.Ole()), 3);  // red
}

TEST(Text, BuiltInDefaultsWhenNoLevelSaysAnything) {
  base::Result<ResolvedText> themed = ResolveText({}, Context{&FixtureTheme()});
  ASSERT_TRUE(themed);
  EXPECT_DOUBLE_EQ(themed->sizePt, 18);
  EXPECT_FALSE(themed->bold);
  EXPECT_EQ(themed->fillKind, FillKind::kSolid);
  EXPECT_EQ(themed->color, Color::FromRgb(0x000000));
  EXPECT_EQ(themed->latin, "Calibri");
  EXPECT_EQ(themed->eastAsian, "宋体");

  base::Result<ResolvedText> bare = ResolveText({nullptr}, Context{});
  ASSERT_TRUE(bare);
  EXPECT_EQ(bare->latin, "+mn-lt");  // no theme to say what it is
}

TEST(Text, RunAttributesAndTheirCodes) {
  Snippet rPr(R"(<a:rPr u="dbl" strike="sngStrike" baseline="30000" cap="all" spc="300" b="0">
      <a:gradFill><a:gsLst><a:gs pos="0"><a:srgbClr val="00FF00"/></a:gs>
      <a:gs pos="100000"><a:srgbClr val="0000FF"/></a:gs></a:gsLst></a:gradFill></a:rPr>)");
  TextLevel level = ReadRunProperties(rPr.Root()).value();
  base::Result<ResolvedText> text = ResolveText({&level}, Context{});
  ASSERT_TRUE(text);
  EXPECT_EQ(text->underline, Underline::kDouble);
  EXPECT_EQ(text->strike, Strike::kSingle);
  EXPECT_DOUBLE_EQ(text->baseline, 0.3);
  EXPECT_EQ(text->caps, Caps::kAll);
  EXPECT_DOUBLE_EQ(text->spacingPt, 3);
  EXPECT_EQ(text->fillKind, FillKind::kGradient);
  EXPECT_EQ(text->color, Color::FromRgb(0x00FF00));
  EXPECT_EQ(MsoTextUnderlineTypeOf(text->underline), 3);
  EXPECT_EQ(XlUnderlineStyleOf(text->underline), -4119);
  EXPECT_EQ(XlUnderlineStyleOf(Underline::kSingle), 2);
  EXPECT_EQ(MsoTextUnderlineTypeOf(Underline::kWavyDouble), 17);
  EXPECT_EQ(MsoAlignmentOf(Alignment::kJustifyLow), 7);

  Snippet hidden(R"(<a:rPr><a:noFill/></a:rPr>)");
  TextLevel invisible = ReadRunProperties(hidden.Root()).value();
  EXPECT_EQ(ResolveText({&invisible}, Context{})->fillKind, FillKind::kNone);
}

TEST(Text, UnreadablePropertiesAreErrors) {
  struct Case {
    const char* name;
    const char* xml;
  } cases[] = {
      {"size", R"(<a:rPr sz="big"/>)"},          {"bold", R"(<a:rPr b="yes"/>)"},
      {"underline", R"(<a:rPr u="squiggly"/>)"}, {"strike", R"(<a:rPr strike="through"/>)"},
      {"baseline", R"(<a:rPr baseline="up"/>)"}, {"spacing", R"(<a:rPr spc="1.5"/>)"},
  };
  for (const Case& c : cases) {
    Snippet snippet(c.xml);
    base::Result<TextLevel> level = ReadRunProperties(snippet.Root());
    ASSERT_FALSE(level) << c.name;
    EXPECT_EQ(level.error().code, kMalformed) << c.name << ": " << level.error().message;
  }
  Snippet alignment(R"(<a:pPr algn="middle"/>)");
  EXPECT_FALSE(ReadParagraphProperties(alignment.Root()));
  Snippet list(R"(<a:lstStyle><a:lvl3pPr><a:defRPr sz="x"/></a:lvl3pPr></a:lstStyle>)");
  EXPECT_FALSE(ListStyle::Read(list.Root()));

  Snippet scheme(R"(<a:rPr><a:solidFill><a:schemeClr val="accent1"/></a:solidFill></a:rPr>)");
  TextLevel themed = ReadRunProperties(scheme.Root()).value();
  base::Result<ResolvedText> noTheme = ResolveText({&themed}, Context{});
  ASSERT_FALSE(noTheme);
  EXPECT_EQ(noTheme.error().code, kMalformed);
}

TEST(Text, ListStyleLevels) {
  Snippet snippet(R"(<a:lstStyle><a:defPPr><a:defRPr sz="1800"/></a:defPPr>
      <a:lvl9pPr algn="r"/><a:lvl10pPr algn="l"/><a:extLst/></a:lstStyle>)");
  ListStyle style = ListStyle::Read(snippet.Root()).value();
  ASSERT_NE(style.Default(), nullptr);
  EXPECT_EQ(style.Default()->sizePt, 18.0);
  ASSERT_NE(style.Level(8), nullptr);
  EXPECT_EQ(style.Level(8)->alignment, Alignment::kRight);
  EXPECT_EQ(style.Level(0), nullptr);
  EXPECT_EQ(style.Level(9), nullptr);
  EXPECT_EQ(style.Level(-1), nullptr);
  EXPECT_EQ(ListStyle::Read(pugi::xml_node())->Default(), nullptr);
}

TEST(Body, FrameOverItsBase) {
  BodyProperties master;
  master.anchor = "b";
  Snippet snippet(R"(<a:bodyPr lIns="0" tIns="36000" wrap="none" rot="5400000" anchor="ctr">
      <a:prstTxWarp prst="textArchUp"><a:avLst/></a:prstTxWarp><a:normAutofit/></a:bodyPr>)");
  base::Result<BodyProperties> body = ReadBodyProperties(snippet.Root(), master);
  ASSERT_TRUE(body);
  EXPECT_EQ(body->leftInsetEmu, 0);
  EXPECT_EQ(body->topInsetEmu, 36000);
  EXPECT_EQ(body->rightInsetEmu, 91440);  // the base's
  EXPECT_FALSE(body->wrap);
  EXPECT_EQ(body->anchor, "ctr");
  EXPECT_DOUBLE_EQ(body->rotationDeg, 90);
  EXPECT_EQ(body->autofit, Autofit::kShrinkText);
  EXPECT_EQ(MsoPresetTextEffectShapeOf(body->warp), 9);
  EXPECT_EQ(MsoPresetTextEffectShapeOf("textWave4"), 24);
  EXPECT_EQ(MsoPresetTextEffectShapeOf("textCascadeDown"), 40);
  EXPECT_EQ(MsoPresetTextEffectShapeOf("textNoShape"), std::nullopt);

  EXPECT_TRUE(IsMissing(ReadBodyProperties(pugi::xml_node()).error()));
  Snippet bad(R"(<a:bodyPr lIns="wide"/>)");
  EXPECT_EQ(ReadBodyProperties(bad.Root()).error().code, kMalformed);
}

}  // namespace
}  // namespace drawingml
