#include "platform/office/drawingml/fill.h"

#include <gtest/gtest.h>

#include "platform/office/drawingml/codes.h"
#include "platform/office/drawingml/testing/fixtures.h"
#include "platform/office/drawingml/xml.h"

namespace drawingml {
namespace {

using testing::FixtureTheme;
using testing::Snippet;

base::Result<Fill> Read(std::string_view spPr, const Context& context = Context{&FixtureTheme()}) {
  Snippet snippet(spPr);
  return ReadFill(snippet.Root(), context);
}

TEST(Fill, EachKindWithTheNumbersTheModelsReport) {
  struct Case {
    const char* name;
    const char* xml;
    FillKind kind;
    std::optional<int> msoType;
    int chartType;
    uint32_t foreground;
    uint32_t background;
  } cases[] = {
      {"none", "<p:spPr><a:noFill/></p:spPr>", FillKind::kNone, std::nullopt, kXlNone, 0, 0},
      {"solid",
       R"(<p:spPr><a:prstGeom prst="rect"/><a:solidFill><a:schemeClr val="accent2"/></a:solidFill></p:spPr>)",
       FillKind::kSolid, 1, 1, 0xC0504D, 0},
      {"pattern",
       R"(<p:spPr><a:pattFill prst="dkHorz"><a:fgClr><a:srgbClr val="FF0000"/></a:fgClr><a:bgClr><a:srgbClr val="00FF00"/></a:bgClr></a:pattFill></p:spPr>)",
       FillKind::kPattern, 2, 2, 0xFF0000, 0x00FF00},
      {"pattern without colours", R"(<p:spPr><a:pattFill prst="pct5"/></p:spPr>)",
       FillKind::kPattern, 2, 2, 0x000000, 0xFFFFFF},
      {"gradient",
       R"(<p:spPr><a:gradFill><a:gsLst><a:gs pos="100000"><a:srgbClr val="0000FF"/></a:gs><a:gs pos="0"><a:srgbClr val="FFFF00"/></a:gs></a:gsLst><a:lin ang="5400000" scaled="1"/></a:gradFill></p:spPr>)",
       FillKind::kGradient, 3, 3, 0xFFFF00, 0x0000FF},
      {"texture",
       R"(<p:spPr><a:blipFill><a:blip r:embed="rId3"/><a:tile tx="0" ty="0" sx="100000" sy="100000"/></a:blipFill></p:spPr>)",
       FillKind::kPicture, 4, 4, 0, 0},
      {"picture",
       R"(<p:spPr><a:blipFill><a:blip r:embed="rId3"/><a:stretch><a:fillRect/></a:stretch></a:blipFill></p:spPr>)",
       FillKind::kPicture, 6, 6, 0, 0},
      {"group", "<p:spPr><a:grpFill/></p:spPr>", FillKind::kGroup, std::nullopt, kXlNone, 0, 0},
  };
  for (const Case& c : cases) {
    base::Result<Fill> fill = Read(c.xml);
    ASSERT_TRUE(fill) << c.name << ": " << fill.error().message;
    EXPECT_EQ(fill->kind, c.kind) << c.name;
    EXPECT_EQ(fill->Visible(), c.kind != FillKind::kNone) << c.name;
    EXPECT_EQ(MsoFillTypeOf(*fill), c.msoType) << c.name;
    EXPECT_EQ(XlChartFillTypeOf(&*fill), c.chartType) << c.name;
    if (c.kind == FillKind::kSolid || c.kind == FillKind::kPattern ||
        c.kind == FillKind::kGradient) {
      EXPECT_EQ(fill->color, Color::FromRgb(c.foreground)) << c.name;
    }
    if (c.kind == FillKind::kPattern || c.kind == FillKind::kGradient) {
      EXPECT_EQ(fill->background, Color::FromRgb(c.background)) << c.name;
    }
  }
  EXPECT_EQ(XlChartFillTypeOf(nullptr), kXlAutomatic);
}

TEST(Fill, DetailsOfGradientsPatternsAndPictures) {
  base::Result<Fill> gradient = Read(R"(<p:spPr><a:gradFill rotWithShape="1"><a:gsLst>
      <a:gs pos="100000"><a:srgbClr val="0000FF"/></a:gs>
      <a:gs pos="50000"><a:srgbClr val="FFFFFF"><a:alpha val="40000"/></a:srgbClr></a:gs>
      <a:gs pos="0"><a:srgbClr val="FFFF00"/></a:gs></a:gsLst>
      <a:lin ang="2700000" scaled="0"/></a:gradFill></p:spPr>)");
  ASSERT_TRUE(gradient);
  ASSERT_EQ(gradient->stops.size(), 3u);
  EXPECT_DOUBLE_EQ(gradient->stops[1].position, 0.5);
  EXPECT_DOUBLE_EQ(gradient->stops[1].color.Transparency(), 0.6);
  EXPECT_DOUBLE_EQ(gradient->angle, 45);
  EXPECT_TRUE(gradient->rotateWithShape);
  EXPECT_EQ(gradient->path, GradientPath::kLinear);

  base::Result<Fill> path =
      Read(R"(<p:spPr><a:gradFill><a:gsLst><a:gs pos="0"><a:srgbClr val="000000"/></a:gs></a:gsLst>
      <a:path path="circle"><a:fillToRect l="50000" t="50000" r="50000" b="50000"/></a:path></a:gradFill></p:spPr>)");
  ASSERT_TRUE(path);
  EXPECT_EQ(path->path, GradientPath::kCircle);
  EXPECT_DOUBLE_EQ(path->focus.right, 0.5);

  base::Result<Fill> pattern = Read(R"(<p:spPr><a:pattFill prst="ltUpDiag"/></p:spPr>)");
  ASSERT_TRUE(pattern);
  EXPECT_EQ(MsoPatternTypeOf(pattern->pattern), 22);
  EXPECT_EQ(MsoPatternTypeOf("pct5"), 1);
  EXPECT_EQ(MsoPatternTypeOf("diagCross"), 54);
  EXPECT_EQ(MsoPatternTypeOf("noSuchPattern"), std::nullopt);

  base::Result<Fill> linked =
      Read(R"(<p:spPr><a:blipFill><a:blip r:link="rId9"/><a:tile/></a:blipFill></p:spPr>)");
  ASSERT_TRUE(linked);
  EXPECT_EQ(linked->imageRelationship, "rId9");
  EXPECT_TRUE(linked->imageLinked);
  EXPECT_TRUE(linked->tiled);
}

TEST(Fill, GradientStyleAndVariant) {
  struct Case {
    const char* name;
    const char* shape;  // lin or path element, and the stops
    std::optional<GradientCode> code;
  } cases[] = {
      {"top to bottom", R"(<a:lin ang="5400000"/>)", GradientCode{1, 1}},
      {"bottom to top", R"(<a:lin ang="16200000"/>)", GradientCode{1, 2}},
      {"left to right", R"(<a:lin ang="0"/>)", GradientCode{2, 1}},
      {"right to left", R"(<a:lin ang="10800000"/>)", GradientCode{2, 2}},
      {"diagonal up", R"(<a:lin ang="2700000"/>)", GradientCode{3, 1}},
      {"diagonal down", R"(<a:lin ang="8100000"/>)", GradientCode{4, 1}},
      {"from the centre",
       R"(<a:path path="rect"><a:fillToRect l="50000" t="50000" r="50000" b="50000"/></a:path>)",
       GradientCode{7, 1}},
      {"from the top right corner",
       R"(<a:path path="rect"><a:fillToRect l="100000" r="0" t="0" b="100000"/></a:path>)",
       GradientCode{5, 2}},
      {"off-centre focus",
       R"(<a:path path="circle"><a:fillToRect l="20000" t="30000" r="80000" b="70000"/></a:path>)",
       std::nullopt},
  };
  for (const Case& c : cases) {
    std::string xml = std::string(R"(<p:spPr><a:gradFill><a:gsLst>
        <a:gs pos="0"><a:srgbClr val="FF0000"/></a:gs><a:gs pos="100000"><a:srgbClr val="0000FF"/></a:gs>
        </a:gsLst>)") +
                      c.shape + "</a:gradFill></p:spPr>";
    base::Result<Fill> fill = Read(xml);
    ASSERT_TRUE(fill) << c.name;
    std::optional<GradientCode> code = MsoGradientOf(*fill);
    ASSERT_EQ(code.has_value(), c.code.has_value()) << c.name;
    if (code) {
      EXPECT_EQ(code->style, c.code->style) << c.name;
      EXPECT_EQ(code->variant, c.code->variant) << c.name;
    }
  }
  base::Result<Fill> mirrored = Read(R"(<p:spPr><a:gradFill><a:gsLst>
      <a:gs pos="0"><a:srgbClr val="FF0000"/></a:gs><a:gs pos="50000"><a:srgbClr val="0000FF"/></a:gs>
      <a:gs pos="100000"><a:srgbClr val="FF0000"/></a:gs></a:gsLst><a:lin ang="5400000"/></a:gradFill></p:spPr>)");
  ASSERT_TRUE(mirrored);
  EXPECT_EQ(MsoGradientOf(*mirrored)->variant, 3);
  EXPECT_EQ(MsoGradientOf(Fill{}), std::nullopt);
}

// A gradient's stops as <a:gs> elements at even positions.
std::string Stops(std::initializer_list<const char*> colors) {
  std::string stops;
  int at = 0;
  const int step = colors.size() > 1 ? 100000 / static_cast<int>(colors.size() - 1) : 0;
  for (const char* color : colors) {
    stops += "<a:gs pos=\"" + std::to_string(at) + "\">" + color + "</a:gs>";
    at += step;
  }
  return "<p:spPr><a:gradFill><a:gsLst>" + stops +
         R"(</a:gsLst><a:lin ang="0"/></a:gradFill></p:spPr>)";
}

TEST(Fill, PresetGradientsByTheirStopsAndTheColourType) {
  const char* sunset[] = {R"(<a:srgbClr val="000082"/>)", R"(<a:srgbClr val="66008F"/>)",
                          R"(<a:srgbClr val="BA0066"/>)", R"(<a:srgbClr val="FF0000"/>)",
                          R"(<a:srgbClr val="FF8200"/>)"};
  const struct {
    const char* name;
    std::string xml;
    std::optional<int> preset;
    int colorType;
  } cases[] = {
      {"early sunset", Stops({sunset[0], sunset[1], sunset[2], sunset[3], sunset[4]}), 1, 3},
      {"early sunset backwards (a variant)",
       Stops({sunset[4], sunset[3], sunset[2], sunset[1], sunset[0]}), 1, 3},
      {"with a stop of one's own between",
       Stops(
           {sunset[0], sunset[1], R"(<a:srgbClr val="123456"/>)", sunset[2], sunset[3], sunset[4]}),
       1, 3},
      {"a stop missing", Stops({sunset[0], sunset[1], sunset[3], sunset[4]}), std::nullopt, 4},
      {"the last colour another",
       Stops({sunset[0], sunset[1], sunset[2], sunset[3], R"(<a:srgbClr val="FF8201"/>)"}),
       std::nullopt, 4},
      {"sapphire, its colours through a transform",
       Stops({R"(<a:srgbClr val="000082"/>)", R"(<a:srgbClr val="0047FF"/>)",
              R"(<a:srgbClr val="000082"><a:alpha val="50000"/></a:srgbClr>)"}),
       24, 3},
      {"two colours of one's own",
       Stops({R"(<a:srgbClr val="000082"/>)", R"(<a:srgbClr val="FF8200"/>)"}), std::nullopt, 2},
      {"one stop", Stops({R"(<a:srgbClr val="000082"/>)"}), std::nullopt, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    base::Result<Fill> fill = Read(c.xml);
    ASSERT_TRUE(fill) << fill.error().message;
    EXPECT_EQ(MsoPresetGradientOf(*fill), c.preset);
    EXPECT_EQ(MsoGradientColorTypeOf(*fill), c.colorType);
  }
  Fill solid;
  solid.kind = FillKind::kSolid;
  EXPECT_EQ(MsoPresetGradientOf(solid), std::nullopt);
  EXPECT_EQ(MsoGradientColorTypeOf(solid), std::nullopt);
  EXPECT_EQ(MsoPresetGradientOf(std::vector<uint32_t>{}), std::nullopt);
}

TEST(Fill, ColourElementsBehindForeAndBackColour) {
  Snippet snippet(R"(<p:spPr>
      <a:gradFill><a:gsLst><a:gs pos="100000"><a:schemeClr val="accent2"/></a:gs>
      <a:gs pos="0"><a:schemeClr val="accent1"/></a:gs><a:gs pos="0"><a:schemeClr val="accent3"/></a:gs>
      <a:gs pos="100000"><a:schemeClr val="accent4"/></a:gs></a:gsLst></a:gradFill>
      <a:pattFill prst="pct5"><a:fgClr><a:schemeClr val="tx1"/></a:fgClr></a:pattFill>
      <a:solidFill><a:schemeClr val="bg2"/></a:solidFill></p:spPr>)");
  pugi::xml_node gradient = Child(snippet.Root(), "gradFill");
  // Ties keep the order the sorted stops have: the first written at the start, the last at the end.
  EXPECT_STREQ(ForeColorElement(gradient).attribute("val").value(), "accent1");
  EXPECT_STREQ(BackColorElement(gradient).attribute("val").value(), "accent4");
  pugi::xml_node pattern = Child(snippet.Root(), "pattFill");
  EXPECT_STREQ(ForeColorElement(pattern).attribute("val").value(), "tx1");
  EXPECT_FALSE(BackColorElement(pattern)) << "no bgClr written";
  pugi::xml_node solid = Child(snippet.Root(), "solidFill");
  EXPECT_STREQ(ForeColorElement(solid).attribute("val").value(), "bg2");
  EXPECT_FALSE(BackColorElement(solid));
  EXPECT_EQ(MsoThemeColorIndexOf("accent1"), 5);
  EXPECT_EQ(MsoThemeColorIndexOf("background2"), 16);
  EXPECT_EQ(MsoThemeColorIndexOf("phClr"), 0);
}

TEST(Fill, StyleReferenceTakesTheThemeEntryInTheReferencesColour) {
  Context context{&FixtureTheme()};
  Snippet solid(R"(<a:fillRef idx="1"><a:schemeClr val="accent2"/></a:fillRef>)");
  base::Result<Fill> fill = ResolveStyleFill(solid.Root(), context);
  ASSERT_TRUE(fill) << fill.error().message;
  EXPECT_EQ(fill->kind, FillKind::kSolid);
  EXPECT_EQ(fill->color, Color::FromRgb(0xC0504D));

  Snippet shaded(R"(<a:fillRef idx="3"><a:srgbClr val="FFFFFF"/></a:fillRef>)");
  base::Result<Fill> shade = ResolveStyleFill(shaded.Root(), context);
  ASSERT_TRUE(shade);
  EXPECT_EQ(shade->color, Color::FromRgb(0xBCBCBC));  // 50% shade of white in linear light

  Snippet gradient(R"(<a:fillRef idx="2"><a:schemeClr val="accent1"/></a:fillRef>)");
  base::Result<Fill> grad = ResolveStyleFill(gradient.Root(), context);
  ASSERT_TRUE(grad);
  EXPECT_EQ(grad->kind, FillKind::kGradient);
  EXPECT_EQ(grad->background, Color::FromRgb(0x4F81BD));

  Snippet background(R"(<p:bgRef idx="1001"><a:schemeClr val="bg2"/></p:bgRef>)");
  base::Result<Fill> bg = ResolveStyleFill(background.Root(), context);
  ASSERT_TRUE(bg);
  EXPECT_EQ(bg->color, Color::FromRgb(0xEEECE1));

  Snippet none(R"(<a:fillRef idx="0"/>)");
  EXPECT_EQ(ResolveStyleFill(none.Root(), context)->kind, FillKind::kNone);
}

TEST(Fill, GroupFillTakesTheGroupsFill) {
  Fill group;
  group.kind = FillKind::kSolid;
  group.color = Color::FromRgb(0x123456);
  Fill member;
  member.kind = FillKind::kGroup;
  EXPECT_EQ(ResolveGroupFill(member, group).color, Color::FromRgb(0x123456));
  Fill own;
  own.kind = FillKind::kNone;
  EXPECT_EQ(ResolveGroupFill(own, group).kind, FillKind::kNone);
}

TEST(Fill, AbsentAndUnreadableFills) {
  base::Result<Fill> absent = Read(R"(<p:spPr><a:prstGeom prst="rect"/><a:ln/></p:spPr>)");
  ASSERT_FALSE(absent);
  EXPECT_TRUE(IsMissing(absent.error()));

  struct Case {
    const char* name;
    const char* xml;
  } bad[] = {
      {"solid without colour", "<p:spPr><a:solidFill/></p:spPr>"},
      {"solid with bad colour",
       R"(<p:spPr><a:solidFill><a:srgbClr val="x"/></a:solidFill></p:spPr>)"},
      {"stop without position",
       R"(<p:spPr><a:gradFill><a:gsLst><a:gs><a:srgbClr val="000000"/></a:gs></a:gsLst></a:gradFill></p:spPr>)"},
      {"stop without colour",
       R"(<p:spPr><a:gradFill><a:gsLst><a:gs pos="0"/></a:gsLst></a:gradFill></p:spPr>)"},
      {"bad pattern colour",
       R"(<p:spPr><a:pattFill prst="pct5"><a:fgClr><a:prstClr val="nope"/></a:fgClr></a:pattFill></p:spPr>)"},
  };
  for (const Case& c : bad) {
    base::Result<Fill> fill = Read(c.xml);
    ASSERT_FALSE(fill) << c.name;
    EXPECT_EQ(fill.error().code, kMalformed) << c.name << ": " << fill.error().message;
  }

  struct RefCase {
    const char* name;
    const char* xml;
    Context context;
  } refs[] = {
      {"no theme", R"(<a:fillRef idx="1"><a:schemeClr val="accent1"/></a:fillRef>)", Context{}},
      {"no such entry", R"(<a:fillRef idx="9"><a:srgbClr val="000000"/></a:fillRef>)",
       Context{&FixtureTheme()}},
      {"no number", R"(<a:fillRef><a:srgbClr val="000000"/></a:fillRef>)",
       Context{&FixtureTheme()}},
      {"placeholder without colour", R"(<a:fillRef idx="1"/>)", Context{&FixtureTheme()}},
  };
  for (const RefCase& c : refs) {
    Snippet ref(c.xml);
    base::Result<Fill> fill = ResolveStyleFill(ref.Root(), c.context);
    ASSERT_FALSE(fill) << c.name;
    EXPECT_EQ(fill.error().code, kMalformed) << c.name << ": " << fill.error().message;
  }
}

}  // namespace
}  // namespace drawingml
