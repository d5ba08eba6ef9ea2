// Finding a drawing object by its number, taking groups apart level by level (and not for ever
// when a "group" will not come apart), and a text box's text copied where the text checks read.
#include "grading/docmark/checks/shapes_navigation.h"

#include <gtest/gtest.h>

#include <string>

#include "grading/docmark/checks/navigation.h"
#include "grading/docmark/checks/shapes.h"
#include "grading/docmark/checks/testing/part_a_document.h"
#include "grading/docmark/checks/testing/shape_documents.h"
#include "grading/docmark/checks/text_page.h"
#include "grading/engine/engine_state.h"
#include "platform/office/word/constants.h"
#include "platform/office/word/document.h"
#include "platform/office/word/selection.h"
#include "platform/office/word/shapes.h"
#include "platform/office/word/testing/shape_reference.h"

namespace docmark {
namespace {

using testing::AnchorXml;
using testing::Cm;
using testing::OpenShapesDocument;
using testing::RectangleAt;
using testing::TextBoxAt;
using word::testing::TextPara;

constexpr int16_t T = engine::kTrue;
constexpr int16_t F = engine::kFalse;

std::string SelectedName(word::Application& app) {
  base::Result<word::ShapeRange> selected = app.ActiveDocument()->Selection().ShapeRange();
  return selected ? selected->Name().value_or("") : "";
}

std::string MainText(word::Application& app) {
  return app.ActiveDocument()->Content().Text().value_or("");
}

// Text Box 7 comes first in the text, Text Box 3 after it; Callout 61 is past the numbers a
// rule tries.
TEST(ShapeFinding, TheLowestNumberOfAFamilyIsTheCurrentShape) {
  const struct {
    const char* name;
    const char* prefix;
    int16_t index;
    int16_t found;
    const char* shapeName;
  } cases[] = {
      {"3 and 7 give 3", "Text Box", 3, T, "Text Box 3"},
      {"ASCII case ignored", "text box", 3, T, "text box 3"},
      {"only number 61", "Callout", kNoShapeNumber, F, ""},
      {"no such family", "Oval", kNoShapeNumber, F, ""},
      {"no prefix", "", kNoShapeNumber, F, ""},
  };
  for (const auto& c : cases) {
    auto doc = OpenShapesDocument({TextBoxAt("Text Box 7", 0, 0, 100, 50, TextPara("七")),
                                   TextBoxAt("Text Box 3", 0, 0, 100, 50, TextPara("三")),
                                   RectangleAt("Callout 61", 0, 0, 40, 40)});
    ASSERT_EQ(doc->error, "") << c.name;
    EXPECT_EQ(FindShapeIndex(doc->app, c.prefix), c.index) << c.name;
    if (c.index != kNoShapeNumber) {
      EXPECT_EQ(SelectedName(doc->app), "Text Box 3") << c.name;
    }
    std::string current = "Text Box 7";  // what an earlier rule found
    EXPECT_EQ(ExistShape(doc->app, c.prefix, current), c.found) << c.name;
    EXPECT_EQ(current, c.shapeName) << c.name;
  }
}

TEST(ShapeFinding, NoDocumentOpenFindsNothing) {
  word::Application app;
  std::string current = "Text Box 1";
  EXPECT_EQ(ExistShape(app, "Text Box", current), F);
  EXPECT_EQ(current, "");
  EXPECT_FALSE(SelectShape(app, "Text Box 1"));
  EXPECT_EQ(UngroupShape(app, "Group 1"), 0);
  EXPECT_FALSE(CopyTextBoxToStart(app, "Text Box 1"));
}

// The red text stands only in the text box until EXISTOBJ copies it to the start.
TEST(ShapeFinding, FindingATextBoxCopiesItsTextWhereTheTextChecksReadIt) {
  const std::string red = TextPara("框里的红字", "", R"(<w:color w:val="FF0000"/>)");
  auto doc = OpenShapesDocument({TextBoxAt("Text Box 1", 0, 0, 100, 50, red)});
  ASSERT_EQ(doc->error, "");
  EXPECT_EQ(TextColorIndex(doc->app, "框里的红字"), 0);
  std::string current;
  ASSERT_EQ(ExistShape(doc->app, "Text Box", current), T);
  EXPECT_EQ(MainText(doc->app).rfind("框里的红字", 0), 0u);
  EXPECT_EQ(TextColorIndex(doc->app, "框里的红字"), word::wdRed);
  // The box itself is still there for the rules after it.
  EXPECT_EQ(CheckShapeWidth(doc->app, current, Cm(100)), T);
}

TEST(ShapeFinding, GroupsAndShapesWithoutTextCopyNothing) {
  AnchorXml group = RectangleAt("Group 1", 0, 0, 100, 50);
  group.graphic = word::testing::GroupXml(
      0, 0, 100 * 12700, 50 * 12700,
      word::testing::ShapeXml(word::testing::Xfrm(0, 0, 50 * 12700, 50 * 12700) +
                                  R"(<a:prstGeom prst="rect"><a:avLst/></a:prstGeom>)",
                              TextPara("组内文字"), "", true, "Text Box 2"),
      false, "", 0, 0, 100 * 12700, 50 * 12700);
  group.graphicUri = "http://schemas.microsoft.com/office/word/2010/wordprocessingGroup";
  const struct {
    const char* name;
    const char* prefix;
  } cases[] = {{"a group", "Group"}, {"a rectangle without text", "Rectangle"}};
  for (const auto& c : cases) {
    auto doc = OpenShapesDocument({group, RectangleAt("Rectangle 1", 0, 0, 40, 40)});
    ASSERT_EQ(doc->error, "") << c.name;
    const std::string before = MainText(doc->app);
    std::string current;
    EXPECT_EQ(ExistShape(doc->app, c.prefix, current), T) << c.name;
    EXPECT_EQ(MainText(doc->app), before) << c.name;
  }
}

// Group 1 (at 100, 50 on the page, 200 x 100, its child units points x 12700) holds Rectangle 2
// at its corner and the nested Group 3 at 100, 50 of it, which holds Oval 4 and Oval 5 50
// points apart; Group 9 holds Rectangle 10.
std::vector<AnchorXml> NestedGroups() {
  using word::testing::GroupXml;
  using word::testing::ShapeXml;
  using word::testing::Xfrm;
  constexpr int64_t p = 12700;
  const auto shape = [](const char* name, int64_t x, int64_t y) {
    return ShapeXml(
        Xfrm(x, y, 40 * p, 40 * p) + R"(<a:prstGeom prst="rect"><a:avLst/></a:prstGeom>)", "", "",
        false, name);
  };
  const std::string nested =
      GroupXml(0, 0, 100 * p, 50 * p, shape("Oval 4", 0, 0) + shape("Oval 5", 50 * p, 0), true,
               "Group 3", 100 * p, 50 * p, 100 * p, 50 * p);
  AnchorXml outer = RectangleAt("Group 1", 0, 0, 200, 100);
  outer.positionH = word::testing::OffsetH("page", 100);
  outer.positionV = word::testing::OffsetV("page", 50);
  outer.graphic = GroupXml(0, 0, 200 * p, 100 * p, shape("Rectangle 2", 0, 0) + nested, false, "",
                           0, 0, 200 * p, 100 * p);
  outer.graphicUri = "http://schemas.microsoft.com/office/word/2010/wordprocessingGroup";
  AnchorXml other = outer;
  other.name = "Group 9";
  other.graphic = GroupXml(0, 0, 200 * p, 100 * p, shape("Rectangle 10", 0, 0), false, "", 0, 0,
                           200 * p, 100 * p);
  return {outer, other};
}

TEST(ShapeUngrouping, NestedGroupsComeApartLevelByLevelAndTheChildrenKeepTheirPlaces) {
  auto doc = OpenShapesDocument(NestedGroups());
  ASSERT_EQ(doc->error, "");
  word::Application& a = doc->app;
  EXPECT_EQ(UngroupShape(a, "Group 1"), 3);  // Group 1, then Group 3, then Group 9
  EXPECT_EQ(FindShapeIndex(a, "Group"), kNoShapeNumber);
  EXPECT_EQ(a.ActiveDocument()->Shapes().Count(), 4);
  const struct {
    const char* name;
    double left;
    double top;
  } children[] = {{"Rectangle 2", 100, 50},
                  {"Oval 4", 200, 100},
                  {"Oval 5", 250, 100},
                  {"Rectangle 10", 100, 50}};
  for (const auto& c : children) {
    int16_t lastLeft = 0;
    int16_t lastTop = 0;
    EXPECT_EQ(
        ShapePositionCode(a, c.name, Cm(c.left), word::wdRelativeHorizontalPositionPage, Cm(c.top),
                          word::wdRelativeVerticalPositionPage, {lastLeft, lastTop}),
        11)
        << c.name;
    EXPECT_EQ(CheckShapeWidth(a, c.name, Cm(40)), T) << c.name;
  }
}

// A shape named as a group that is none: the walk ends instead of finding it again for ever.
TEST(ShapeUngrouping, AGroupThatWillNotComeApartEndsTheWalk) {
  const struct {
    const char* name;
    std::vector<AnchorXml> shapes;
    const char* ungroup;
    int16_t ungrouped;
  } cases[] = {
      {"only a rectangle named Group 2", {RectangleAt("Group 2", 0, 0, 40, 40)}, "Group 2", 0},
      {"a real group, then that rectangle",
       {NestedGroups()[1], RectangleAt("Group 2", 0, 0, 40, 40)},
       "Group 9",
       1},
      {"a name that is not there", {RectangleAt("Group 2", 0, 0, 40, 40)}, "Group 5", 0},
  };
  for (const auto& c : cases) {
    auto doc = OpenShapesDocument(c.shapes);
    ASSERT_EQ(doc->error, "") << c.name;
    EXPECT_EQ(UngroupShape(doc->app, c.ungroup), c.ungrouped) << c.name;
    EXPECT_TRUE(SelectShape(doc->app, "Group 2")) << c.name;
  }
}

TEST(ShapeUngrouping, TheSavedGroupsComeApartIntoTheirMembers) {
  auto doc = testing::OpenSuiteDocument(word::testing::kGroupDocument);
  ASSERT_EQ(doc->error, "");
  EXPECT_EQ(UngroupShape(doc->app, "Group 1"), 3);  // Group 1, Group 8, then Group 6 inside it
  EXPECT_EQ(doc->app.ActiveDocument()->Shapes().Count(), 5);
  for (const auto& group : word::testing::kGroupReferences) {
    EXPECT_FALSE(SelectShape(doc->app, group.name)) << group.name;
    for (const auto& member : group.members) {
      if (member.type == word::msoGroup) continue;
      SCOPED_TRACE(std::string(member.name));
      EXPECT_EQ(CheckShapeWidth(doc->app, member.name, Cm(member.width)), T);
      EXPECT_EQ(CheckFillColor(doc->app, member.name, member.fill_color.value_or(-1)), T);
    }
  }
}

}  // namespace
}  // namespace docmark
