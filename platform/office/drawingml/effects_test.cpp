#include "platform/office/drawingml/effects.h"

#include <gtest/gtest.h>

#include "platform/office/drawingml/codes.h"
#include "platform/office/drawingml/testing/fixtures.h"
#include "platform/office/drawingml/xml.h"

namespace drawingml {
namespace {

using testing::FixtureTheme;
using testing::Snippet;

base::Result<Effects> Read(std::string_view spPr) {
  Snippet snippet(spPr);
  return ReadEffects(snippet.Root(), Context{&FixtureTheme()});
}

TEST(Effects, ReadsShadowGlowSoftEdgeAndReflection) {
  base::Result<Effects> effects = Read(R"(<p:spPr><a:effectLst>
      <a:glow rad="101600"><a:schemeClr val="accent2"><a:alpha val="40000"/></a:schemeClr></a:glow>
      <a:outerShdw blurRad="50800" dist="38100" dir="2700000" algn="tl" rotWithShape="0">
        <a:prstClr val="black"><a:alpha val="40000"/></a:prstClr></a:outerShdw>
      <a:reflection blurRad="6350" stA="52000" endA="300" endPos="35000" dir="5400000" sy="-100000"/>
      <a:softEdge rad="63500"/></a:effectLst></p:spPr>)");
  ASSERT_TRUE(effects) << effects.error().message;
  ASSERT_TRUE(effects->outerShadow);
  const Shadow& shadow = *effects->outerShadow;
  EXPECT_DOUBLE_EQ(shadow.blurPt, 4);
  EXPECT_DOUBLE_EQ(shadow.distancePt, 3);
  EXPECT_DOUBLE_EQ(shadow.directionDeg, 45);
  EXPECT_EQ(shadow.alignment, "tl");
  EXPECT_FALSE(shadow.rotateWithShape);
  EXPECT_EQ(shadow.color, Color::FromRgb(0x000000, 0.4));
  EXPECT_EQ(effects->ShownShadow(), &*effects->outerShadow);
  ASSERT_TRUE(effects->glow);
  EXPECT_DOUBLE_EQ(effects->glow->radiusPt, 8);
  EXPECT_EQ(effects->glow->color, Color::FromRgb(0xC0504D, 0.4));
  EXPECT_EQ(effects->softEdgePt, 5.0);
  ASSERT_TRUE(effects->reflection);
  EXPECT_DOUBLE_EQ(effects->reflection->startAlpha, 0.52);
  EXPECT_DOUBLE_EQ(effects->reflection->endPosition, 0.35);
  EXPECT_DOUBLE_EQ(effects->reflection->scaleY, -1);
}

TEST(Effects, ShadowTypes) {
  struct Case {
    const char* name;
    const char* shadow;
    std::optional<int> type;
  } cases[] = {
      {"old preset",
       R"(<a:prstShdw prst="shdw17" dist="38100"><a:srgbClr val="808080"/></a:prstShdw>)", 17},
      {"outer bottom right",
       R"(<a:outerShdw dist="38100" dir="2700000" algn="tl"><a:srgbClr val="000000"/></a:outerShdw>)",
       21},
      {"outer bottom",
       R"(<a:outerShdw dist="38100" dir="5400000" algn="t"><a:srgbClr val="000000"/></a:outerShdw>)",
       22},
      {"outer centre",
       R"(<a:outerShdw blurRad="63500" sx="102000" sy="102000" algn="ctr"><a:srgbClr val="000000"/></a:outerShdw>)",
       25},
      {"outer top left",
       R"(<a:outerShdw dist="38100" dir="13500000"><a:srgbClr val="000000"/></a:outerShdw>)", 29},
      {"inner top left",
       R"(<a:innerShdw blurRad="63500" dist="50800" dir="2700000"><a:srgbClr val="000000"/></a:innerShdw>)",
       30},
      {"inner centre", R"(<a:innerShdw blurRad="114300"><a:srgbClr val="000000"/></a:innerShdw>)",
       34},
      {"perspective upper left",
       R"(<a:outerShdw blurRad="76200" dist="12700" dir="8100000" sy="23000" kx="1200000" algn="br"><a:srgbClr val="000000"/></a:outerShdw>)",
       39},
      {"perspective without an anchor we know",
       R"(<a:outerShdw sy="50000" algn="l"><a:srgbClr val="000000"/></a:outerShdw>)", std::nullopt},
      {"none", "", std::nullopt},
  };
  for (const Case& c : cases) {
    base::Result<Effects> effects =
        Read(std::string("<p:spPr><a:effectLst>") + c.shadow + "</a:effectLst></p:spPr>");
    ASSERT_TRUE(effects) << c.name << ": " << effects.error().message;
    EXPECT_EQ(MsoShadowTypeOf(*effects), c.type) << c.name;
  }
}

TEST(Effects, ThemeEffectStyleWithItsThreeD) {
  Snippet ref(R"(<a:effectRef idx="3"><a:schemeClr val="accent1"/></a:effectRef>)");
  base::Result<EffectStyle> style = ResolveStyleEffects(ref.Root(), Context{&FixtureTheme()});
  ASSERT_TRUE(style) << style.error().message;
  ASSERT_TRUE(style->effects.outerShadow);
  // phClr is accent 1 (4F81BD) shaded to half: 385D8A, the outline colour the suites of that
  // theme give their shapes.
  EXPECT_EQ(style->effects.outerShadow->color, Color::FromRgb(0x385D8A, 0.63));
  EXPECT_EQ(MsoShadowTypeOf(style->effects), 22);
  EXPECT_TRUE(style->threeD.Visible());
  EXPECT_EQ(MsoBevelTypeOf(style->threeD.top), 7);
  EXPECT_DOUBLE_EQ(style->threeD.top->widthPt, 5);
  EXPECT_EQ(MsoBevelTypeOf(style->threeD.bottom), 1);

  Snippet plain(R"(<a:effectRef idx="1"><a:schemeClr val="accent1"/></a:effectRef>)");
  base::Result<EffectStyle> empty = ResolveStyleEffects(plain.Root(), Context{&FixtureTheme()});
  ASSERT_TRUE(empty);
  EXPECT_EQ(empty->effects.ShownShadow(), nullptr);
  EXPECT_FALSE(empty->threeD.Visible());
}

TEST(Effects, ThreeDVisibility) {
  struct Case {
    const char* name;
    const char* xml;
    bool visible;
    int bevel;
  } cases[] = {
      {"nothing", "<p:spPr/>", false, 1},
      {"front camera only",
       R"(<p:spPr><a:scene3d><a:camera prst="orthographicFront"/></a:scene3d></p:spPr>)", false, 1},
      {"turned camera",
       R"(<p:spPr><a:scene3d><a:camera prst="isometricLeftDown"/></a:scene3d></p:spPr>)", true, 1},
      {"bevel", R"(<p:spPr><a:sp3d><a:bevelT prst="angle"/></a:sp3d></p:spPr>)", true, 6},
      {"extrusion", R"(<p:spPr><a:sp3d extrusionH="76200" prstMaterial="plastic"/></p:spPr>)", true,
       1},
      {"unknown bevel", R"(<p:spPr><a:sp3d><a:bevelT prst="wobbly"/></a:sp3d></p:spPr>)", true, -2},
  };
  for (const Case& c : cases) {
    Snippet snippet(c.xml);
    base::Result<ThreeD> threeD = ReadThreeD(snippet.Root());
    ASSERT_TRUE(threeD) << c.name;
    EXPECT_EQ(threeD->Visible(), c.visible) << c.name;
    EXPECT_EQ(MsoBevelTypeOf(threeD->top), c.bevel) << c.name;
  }
}

TEST(Effects, AbsentAndUnreadableEffects) {
  base::Result<Effects> absent = Read("<p:spPr><a:ln/></p:spPr>");
  ASSERT_FALSE(absent);
  EXPECT_TRUE(IsMissing(absent.error()));

  struct Case {
    const char* name;
    const char* xml;
  } cases[] = {
      {"shadow without colour", R"(<a:outerShdw dist="38100"/>)"},
      {"distance", R"(<a:outerShdw dist="far"><a:srgbClr val="000000"/></a:outerShdw>)"},
      {"scale", R"(<a:outerShdw sx="big"><a:srgbClr val="000000"/></a:outerShdw>)"},
      {"preset number", R"(<a:prstShdw prst="shdw99"><a:srgbClr val="000000"/></a:prstShdw>)"},
      {"preset name", R"(<a:prstShdw prst="drop"><a:srgbClr val="000000"/></a:prstShdw>)"},
      {"glow radius", R"(<a:glow rad="x"><a:srgbClr val="000000"/></a:glow>)"},
      {"soft edge", R"(<a:softEdge rad="-"/>)"},
      {"reflection", R"(<a:reflection stA="most"/>)"},
  };
  for (const Case& c : cases) {
    base::Result<Effects> effects =
        Read(std::string("<p:spPr><a:effectLst>") + c.xml + "</a:effectLst></p:spPr>");
    ASSERT_FALSE(effects) << c.name;
    EXPECT_EQ(effects.error().code, kMalformed) << c.name << ": " << effects.error().message;
  }
  Snippet badBevel(R"(<p:spPr><a:sp3d><a:bevelT w="wide"/></a:sp3d></p:spPr>)");
  EXPECT_FALSE(ReadThreeD(badBevel.Root()));
}

}  // namespace
}  // namespace drawingml
