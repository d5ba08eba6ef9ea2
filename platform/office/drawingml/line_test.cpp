#include "platform/office/drawingml/line.h"

#include <gtest/gtest.h>

#include "platform/office/drawingml/codes.h"
#include "platform/office/drawingml/testing/fixtures.h"
#include "platform/office/drawingml/xml.h"

namespace drawingml {
namespace {

using testing::FixtureTheme;
using testing::Snippet;

base::Result<Line> Read(std::string_view ln, const Line& base = Line{}) {
  Snippet snippet(ln);
  return ReadLine(snippet.Root(), Context{&FixtureTheme()}, base);
}

TEST(Line, ReadsEveryAttribute) {
  base::Result<Line> line = Read(R"(<a:ln w="28575" cap="rnd" cmpd="thickThin">
      <a:solidFill><a:schemeClr val="accent2"><a:alpha val="25000"/></a:schemeClr></a:solidFill>
      <a:prstDash val="lgDashDot"/><a:bevel/>
      <a:headEnd type="triangle" w="lg" len="sm"/><a:tailEnd type="oval"/></a:ln>)");
  ASSERT_TRUE(line) << line.error().message;
  EXPECT_TRUE(line->Visible());
  EXPECT_DOUBLE_EQ(line->WidthPoints(), 2.25);
  EXPECT_EQ(line->fill.color, Color::FromRgb(0xC0504D, 0.25));
  EXPECT_EQ(line->cap, LineCap::kRound);
  EXPECT_EQ(line->join, LineJoin::kBevel);
  EXPECT_EQ(line->compound, CompoundLine::kThickThin);
  EXPECT_EQ(MsoLineStyleOf(*line), 4);
  EXPECT_EQ(MsoLineDashStyleOf(*line), 8);
  EXPECT_EQ(MsoArrowheadStyleOf(line->head.type), 2);
  EXPECT_EQ(MsoArrowheadSizeOf(line->head.width), 3);
  EXPECT_EQ(MsoArrowheadSizeOf(line->head.length), 1);
  EXPECT_EQ(MsoArrowheadStyleOf(line->tail.type), 6);
  EXPECT_EQ(MsoArrowheadSizeOf(line->tail.width), 2);
}

TEST(Line, DashCodes) {
  struct Case {
    const char* dash;  // prstDash value, or "custom"
    const char* cap;
    int mso;
    int xl;
  } cases[] = {
      {"solid", "flat", 1, 1},         {"sysDash", "flat", 2, -4115},
      {"sysDot", "rnd", 3, -4118},     {"sysDot", "flat", 11, -4118},
      {"dash", "flat", 4, -4115},      {"dashDot", "flat", 5, 4},
      {"lgDash", "flat", 7, -4115},    {"lgDashDot", "flat", 8, 4},
      {"lgDashDotDot", "flat", 9, 5},  {"sysDashDot", "flat", 12, 4},
      {"sysDashDotDot", "flat", 6, 5}, {"custom", "flat", -2, 1},
  };
  for (const Case& c : cases) {
    std::string dash = std::string(c.dash) == "custom"
                           ? R"(<a:custDash><a:ds d="600000" sp="200000"/></a:custDash>)"
                           : std::string(R"(<a:prstDash val=")") + c.dash + R"("/>)";
    base::Result<Line> line =
        Read(std::string(R"(<a:ln cap=")") + c.cap +
             R"("><a:solidFill><a:srgbClr val="000000"/></a:solidFill>)" + dash + "</a:ln>");
    ASSERT_TRUE(line) << c.dash;
    EXPECT_EQ(MsoLineDashStyleOf(*line), c.mso) << c.dash << " " << c.cap;
    EXPECT_EQ(XlLineStyleOf(*line), c.xl) << c.dash << " " << c.cap;
  }
}

TEST(Line, ACustomDashSpellingOutAPresetIsThatPreset) {
  struct Case {
    const char* name;
    const char* segments;  // the a:ds elements
    DashStyle dash;
  } cases[] = {
      {"dash, as an editor saves it", R"(<a:ds d="400000" sp="300000"/>)", DashStyle::kDash},
      {"dash in the strict form", R"(<a:ds d="400%" sp="300%"/>)", DashStyle::kDash},
      {"square dots", R"(<a:ds d="300000" sp="100000"/>)", DashStyle::kSystemDash},
      {"round dots' pattern", R"(<a:ds d="100000" sp="100000"/>)", DashStyle::kSystemDot},
      {"long dash dot dot",
       R"(<a:ds d="800000" sp="300000"/><a:ds d="100000" sp="300000"/>)"
       R"(<a:ds d="100000" sp="300000"/>)",
       DashStyle::kLongDashDotDot},
      {"no preset's lengths", R"(<a:ds d="600000" sp="200000"/>)", DashStyle::kCustom},
      {"a preset's first segment only", R"(<a:ds d="400000" sp="300000"/><a:ds d="1" sp="1"/>)",
       DashStyle::kCustom},
      {"no segments", "", DashStyle::kCustom},
      {"an unreadable length", R"(<a:ds d="x" sp="300000"/>)", DashStyle::kCustom},
      {"more segments than any preset",
       R"(<a:ds d="1" sp="1"/><a:ds d="1" sp="1"/><a:ds d="1" sp="1"/><a:ds d="1" sp="1"/>)",
       DashStyle::kCustom},
  };
  for (const Case& c : cases) {
    base::Result<Line> line =
        Read(std::string(R"(<a:ln><a:custDash>)") + c.segments + "</a:custDash></a:ln>");
    ASSERT_TRUE(line) << c.name;
    EXPECT_EQ(line->dash, c.dash) << c.name;
  }
}

TEST(Line, ChartBorderStyleAndWeight) {
  base::Result<Line> hidden = Read(R"(<a:ln w="12700"><a:noFill/></a:ln>)");
  ASSERT_TRUE(hidden);
  EXPECT_FALSE(hidden->Visible());
  EXPECT_EQ(XlLineStyleOf(*hidden), -4142);

  base::Result<Line> twin =
      Read(R"(<a:ln cmpd="dbl"><a:solidFill><a:srgbClr val="000000"/></a:solidFill></a:ln>)");
  ASSERT_TRUE(twin);
  EXPECT_EQ(XlLineStyleOf(*twin), -4119);

  struct Case {
    int64_t emu;
    int weight;
  } weights[] = {{3175, 1}, {9525, 2}, {12700, 2}, {19050, -4138}, {28575, -4138}, {38100, 4}};
  for (const Case& c : weights) {
    Line line;
    line.widthEmu = c.emu;
    EXPECT_EQ(XlBorderWeightOf(line), c.weight) << c.emu;
  }
}

TEST(Line, ShapeLineOverTheThemeLineItsStyleNames) {
  // A shape whose style names line 2 in accent 1 and whose own a:ln only widens it.
  Snippet ref(
      R"(<a:lnRef idx="2"><a:schemeClr val="accent1"><a:shade val="50000"/></a:schemeClr></a:lnRef>)");
  base::Result<Line> styled = ResolveStyleLine(ref.Root(), Context{&FixtureTheme()});
  ASSERT_TRUE(styled) << styled.error().message;
  EXPECT_DOUBLE_EQ(styled->WidthPoints(), 1.0);
  EXPECT_TRUE(styled->Visible());

  base::Result<Line> shown = Read(R"(<a:ln w="38100"><a:prstDash val="dash"/></a:ln>)", *styled);
  ASSERT_TRUE(shown);
  EXPECT_DOUBLE_EQ(shown->WidthPoints(), 3.0);
  EXPECT_EQ(shown->dash, DashStyle::kDash);
  EXPECT_EQ(shown->fill.color, styled->fill.color);

  base::Result<Line> removed = Read(R"(<a:ln><a:noFill/></a:ln>)", *styled);
  ASSERT_TRUE(removed);
  EXPECT_FALSE(removed->Visible());
  EXPECT_DOUBLE_EQ(removed->WidthPoints(), 1.0);

  Snippet none(R"(<a:lnRef idx="0"/>)");
  EXPECT_FALSE(ResolveStyleLine(none.Root(), Context{&FixtureTheme()})->Visible());
}

TEST(Line, WithoutAFillNoLineIsDrawn) {
  base::Result<Line> line = Read(R"(<a:ln w="12700"/>)");
  ASSERT_TRUE(line);
  EXPECT_FALSE(line->Visible());
  EXPECT_DOUBLE_EQ(Line{}.WidthPoints(), 0.75);
}

TEST(Line, UnreadableLinesAreErrors) {
  struct Case {
    const char* name;
    const char* xml;
  } cases[] = {
      {"width", R"(<a:ln w="thick"/>)"},
      {"negative width", R"(<a:ln w="-5"/>)"},
      {"compound", R"(<a:ln cmpd="quad"/>)"},
      {"cap", R"(<a:ln cap="pointy"/>)"},
      {"dash", R"(<a:ln><a:prstDash val="wiggle"/></a:ln>)"},
      {"arrowhead", R"(<a:ln><a:tailEnd type="star"/></a:ln>)"},
      {"fill colour", R"(<a:ln><a:solidFill><a:schemeClr val="nope"/></a:solidFill></a:ln>)"},
  };
  for (const Case& c : cases) {
    base::Result<Line> line = Read(c.xml);
    ASSERT_FALSE(line) << c.name;
    EXPECT_EQ(line.error().code, kMalformed) << c.name << ": " << line.error().message;
  }
  EXPECT_TRUE(IsMissing(ReadLine(pugi::xml_node(), Context{}).error()));
}

}  // namespace
}  // namespace drawingml
