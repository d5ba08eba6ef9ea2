#include "platform/office/drawingml/color.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/office/drawingml/testing/fixtures.h"
#include "platform/office/drawingml/theme.h"
#include "platform/office/drawingml/xml.h"

namespace drawingml {
namespace {

using testing::FixtureTheme;
using testing::Snippet;

base::Result<Color> Resolve(std::string_view xml, const Context& context) {
  Snippet snippet(xml);
  return ResolveColor(snippet.Root(), context);
}

TEST(Color, ThemeVariantsMatchThePresentationPicker) {
  // The colour picker's variants of accent 1 in the standard theme (4472C4) and in the older
  // standard theme of the fixture (4F81BD), as the presentation program shows them.
  struct Case {
    const char* name;
    const Theme* theme;
    const char* transforms;
    uint32_t rgb;
  } cases[] = {
      {"darker 25%", &Theme::Default(), R"(<a:lumMod val="75000"/>)", 0x2F5597},
      {"darker 50%", &Theme::Default(), R"(<a:lumMod val="50000"/>)", 0x203864},
      {"lighter 80%", &Theme::Default(), R"(<a:lumMod val="20000"/><a:lumOff val="80000"/>)",
       0xDAE3F3},
      {"lighter 60%", &Theme::Default(), R"(<a:lumMod val="40000"/><a:lumOff val="60000"/>)",
       0xB4C7E7},
      {"lighter 40%", &Theme::Default(), R"(<a:lumMod val="60000"/><a:lumOff val="40000"/>)",
       0x8FAADC},
      {"strict percentage", &Theme::Default(), R"(<a:lumMod val="75%"/>)", 0x2F5597},
      {"older darker 25%", &FixtureTheme(), R"(<a:lumMod val="75000"/>)", 0x376092},
      {"older darker 50%", &FixtureTheme(), R"(<a:lumMod val="50000"/>)", 0x254061},
      {"older lighter 80%", &FixtureTheme(), R"(<a:lumMod val="20000"/><a:lumOff val="80000"/>)",
       0xDCE6F2},
      {"older lighter 60%", &FixtureTheme(), R"(<a:lumMod val="40000"/><a:lumOff val="60000"/>)",
       0xB9CDE5},
      {"older lighter 40%", &FixtureTheme(), R"(<a:lumMod val="60000"/><a:lumOff val="40000"/>)",
       0x95B3D7},
  };
  for (const Case& c : cases) {
    std::string xml =
        std::string(R"(<a:schemeClr val="accent1">)") + c.transforms + "</a:schemeClr>";
    base::Result<Color> color = Resolve(xml, Context{c.theme});
    ASSERT_TRUE(color) << c.name << ": " << color.error().message;
    EXPECT_EQ(*color, Color::FromRgb(c.rgb)) << c.name;
  }
}

TEST(Color, ResolvesEveryKindAndTransform) {
  // The tint and shade rows are colours the presentation program showed for them: both work in
  // linear light.
  struct Case {
    const char* name;
    const char* xml;
    uint32_t rgb;
  } cases[] = {
      {"hex", R"(<a:srgbClr val="ff0000"/>)", 0xFF0000},
      {"shade in linear light", R"(<a:srgbClr val="FF99FF"><a:shade val="25000"/></a:srgbClr>)",
       0x895089},
      {"shade then satMod",
       R"(<a:srgbClr val="3B3B3B"><a:shade val="40000"/><a:satMod val="150000"/></a:srgbClr>)",
       0x242424},
      {"tint then satMod",
       R"(<a:srgbClr val="3B3B3B"><a:tint val="83000"/><a:satMod val="200000"/></a:srgbClr>)",
       0x7D7D7D},
      {"tx1 is dk1 by default", R"(<a:schemeClr val="tx1"/>)", 0x000000},
      {"bg1 is lt1 by default", R"(<a:schemeClr val="bg1"/>)", 0xFFFFFF},
      {"tx2 is dk2 by default", R"(<a:schemeClr val="tx2"/>)", 0x1F497D},
      {"direct slot", R"(<a:schemeClr val="lt2"/>)", 0xEEECE1},
      {"hyperlink", R"(<a:schemeClr val="hlink"/>)", 0x0000FF},
      {"preset", R"(<a:prstClr val="cornflowerBlue"/>)", 0x6495ED},
      {"preset short form", R"(<a:prstClr val="dkRed"/>)", 0x8B0000},
      {"system with last colour", R"(<a:sysClr val="windowText" lastClr="123456"/>)", 0x123456},
      {"system without last colour", R"(<a:sysClr val="window"/>)", 0xFFFFFF},
      {"linear percentages", R"(<a:scrgbClr r="100000" g="50000" b="0"/>)", 0xFFBC00},
      {"hsl red", R"(<a:hslClr hue="0" sat="100000" lum="50000"/>)", 0xFF0000},
      {"hsl blue", R"(<a:hslClr hue="14400000" sat="100000" lum="50000"/>)", 0x0000FF},
      {"complement", R"(<a:srgbClr val="FF0000"><a:comp/></a:srgbClr>)", 0x00FFFF},
      {"inverse", R"(<a:srgbClr val="123456"><a:inv/></a:srgbClr>)", 0xEDCBA9},
      {"grey", R"(<a:srgbClr val="00FF00"><a:gray/></a:srgbClr>)", 0x969696},
      {"hue offset", R"(<a:srgbClr val="FF0000"><a:hueOff val="7200000"/></a:srgbClr>)", 0x00FF00},
      {"luminance set", R"(<a:srgbClr val="000000"><a:lum val="50000"/></a:srgbClr>)", 0x808080},
      {"no saturation", R"(<a:srgbClr val="FF0000"><a:satMod val="0"/></a:srgbClr>)", 0x808080},
      {"red channel", R"(<a:srgbClr val="FFFFFF"><a:red val="0"/></a:srgbClr>)", 0x00FFFF},
      {"green channel halved", R"(<a:srgbClr val="FFFFFF"><a:greenMod val="50000"/></a:srgbClr>)",
       0xFFBCFF},
      {"gamma", R"(<a:srgbClr val="808080"><a:gamma/></a:srgbClr>)", 0x373737},
      {"extension list ignored",
       R"(<a:srgbClr val="4472C4"><a:extLst><a:ext uri="x"/></a:extLst></a:srgbClr>)", 0x4472C4},
  };
  Context context{&FixtureTheme()};
  for (const Case& c : cases) {
    base::Result<Color> color = Resolve(c.xml, context);
    ASSERT_TRUE(color) << c.name << ": " << color.error().message;
    EXPECT_EQ(*color, Color::FromRgb(c.rgb)) << c.name;
  }
}

TEST(Color, TransformsApplyInDocumentOrder) {
  Context context{&FixtureTheme()};
  base::Result<Color> modFirst = Resolve(
      R"(<a:schemeClr val="accent1"><a:lumMod val="60000"/><a:lumOff val="40000"/></a:schemeClr>)",
      context);
  base::Result<Color> offFirst = Resolve(
      R"(<a:schemeClr val="accent1"><a:lumOff val="40000"/><a:lumMod val="60000"/></a:schemeClr>)",
      context);
  ASSERT_TRUE(modFirst && offFirst);
  EXPECT_EQ(*modFirst, Color::FromRgb(0x95B3D7));
  EXPECT_NE(*offFirst, *modFirst);
}

TEST(Color, AlphaAndTheAutomationValue) {
  base::Result<Color> color = Resolve(
      R"(<a:srgbClr val="4472C4"><a:alpha val="50000"/><a:alphaMod val="50000"/></a:srgbClr>)", {});
  ASSERT_TRUE(color);
  EXPECT_DOUBLE_EQ(color->alpha, 0.25);
  EXPECT_DOUBLE_EQ(color->Transparency(), 0.75);
  EXPECT_EQ(color->Ole(), 0xC47244);  // red in the low byte, as `.RGB` reports
  EXPECT_EQ(color->Rgb(), 0x4472C4u);
  EXPECT_EQ(Color::FromOle(0xC47244), Color::FromRgb(0x4472C4));
}

TEST(Color, PartColourMapDecidesWhatTextAndBackgroundMean) {
  Snippet map(R"(<p:clrMap bg1="dk1" tx1="lt1" bg2="dk2" tx2="lt2" accent1="accent2"
                  accent2="accent1" accent3="accent3" accent4="accent4" accent5="accent5"
                  accent6="accent6" hlink="hlink" folHlink="folHlink"/>)");
  base::Result<ColorMap> colorMap = ColorMap::Read(map.Root());
  ASSERT_TRUE(colorMap) << colorMap.error().message;
  Context context{&FixtureTheme(), &*colorMap};
  EXPECT_EQ(Resolve(R"(<a:schemeClr val="tx1"/>)", context).value(), Color::FromRgb(0xFFFFFF));
  EXPECT_EQ(Resolve(R"(<a:schemeClr val="bg2"/>)", context).value(), Color::FromRgb(0x1F497D));
  EXPECT_EQ(Resolve(R"(<a:schemeClr val="accent1"/>)", context).value(), Color::FromRgb(0xC0504D));
  // Slot names are not mapped.
  EXPECT_EQ(Resolve(R"(<a:schemeClr val="dk1"/>)", context).value(), Color::FromRgb(0x000000));
}

TEST(Color, UnreadableColoursAreErrors) {
  struct Case {
    const char* name;
    const char* xml;
  } cases[] = {
      {"bad hex", R"(<a:srgbClr val="GG0000"/>)"},
      {"short hex", R"(<a:srgbClr val="FFF"/>)"},
      {"unknown preset", R"(<a:prstClr val="notAColour"/>)"},
      {"unknown system colour", R"(<a:sysClr val="nothing"/>)"},
      {"unknown scheme name", R"(<a:schemeClr val="accent9"/>)"},
      {"placeholder outside a style", R"(<a:schemeClr val="phClr"/>)"},
      {"transform without value", R"(<a:srgbClr val="FF0000"><a:lumMod/></a:srgbClr>)"},
      {"angle that is no number", R"(<a:srgbClr val="FF0000"><a:hue val="x"/></a:srgbClr>)"},
      {"percentage that is no number", R"(<a:scrgbClr r="a" g="0" b="0"/>)"},
      {"not a colour", R"(<a:solidFill/>)"},
  };
  Context context{&FixtureTheme()};
  for (const Case& c : cases) {
    base::Result<Color> color = Resolve(c.xml, context);
    ASSERT_FALSE(color) << c.name;
    EXPECT_EQ(color.error().code, kMalformed) << c.name << ": " << color.error().message;
  }
  base::Result<Color> noTheme = Resolve(R"(<a:schemeClr val="accent1"/>)", Context{});
  ASSERT_FALSE(noTheme);
  EXPECT_NE(noTheme.error().message.find("without a theme"), std::string::npos);
}

TEST(Color, ReadColorTellsAbsentFromBad) {
  Snippet empty(R"(<a:solidFill><a:extLst/></a:solidFill>)");
  base::Result<Color> absent = ReadColor(empty.Root(), {});
  ASSERT_FALSE(absent);
  EXPECT_TRUE(IsMissing(absent.error()));

  Snippet bad(R"(<a:solidFill><a:srgbClr val="nope"/></a:solidFill>)");
  base::Result<Color> malformed = ReadColor(bad.Root(), {});
  ASSERT_FALSE(malformed);
  EXPECT_EQ(malformed.error().code, kMalformed);
}

TEST(Color, NamedColourTables) {
  EXPECT_EQ(PresetColor("aliceBlue"), 0xF0F8FFu);
  EXPECT_EQ(PresetColor("yellowGreen"), 0x9ACD32u);
  EXPECT_EQ(PresetColor("AliceBlue"), std::nullopt);  // names are case-sensitive
  EXPECT_EQ(SystemColor("3dDkShadow"), 0x696969u);
  EXPECT_EQ(SystemColor("btnFace"), 0xF0F0F0u);
}

}  // namespace
}  // namespace drawingml
