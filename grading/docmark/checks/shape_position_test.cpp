// The position checks of the drawing objects: OBJLEFTTOP's code for right and wrong anchors on
// the suite-saved shapes, OBJLEFTVAL and OBJTOPVAL re-expressing a place from another anchor
// (the margin's or one in the text), and OPPPOSITION on two shapes built where a rule wants them.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "grading/docmark/checks/navigation.h"
#include "grading/docmark/checks/shapes.h"
#include "grading/docmark/checks/testing/part_a_document.h"
#include "grading/docmark/checks/testing/shape_documents.h"
#include "grading/engine/engine_state.h"
#include "platform/office/word/constants.h"
#include "platform/office/word/testing/shape_reference.h"

namespace docmark {
namespace {

using testing::AnchorXml;
using testing::Cm;
using testing::OpenShapesDocument;
using testing::OpenSuiteDocument;
using testing::TextBoxAt;
using word::testing::kShapeReferences;
using word::testing::ShapeReference;

constexpr int16_t T = engine::kTrue;
constexpr int16_t F = engine::kFalse;

bool Aligned(double offset) {
  return offset <= static_cast<double>(word::wdShapeOutside);
}

TEST(ShapePositionChecks, LeftTopCodeNeedsThePlaceAndTheAnchorOnEachAxis) {
  for (const ShapeReference& r : kShapeReferences) {
    SCOPED_TRACE(std::string(r.document) + ": " + std::string(r.name));
    std::unique_ptr<testing::PartADocument> doc = OpenSuiteDocument(r.document);
    ASSERT_EQ(doc->error, "");
    const auto h = static_cast<int16_t>(r.horizontal_from);
    const auto v = static_cast<int16_t>(r.vertical_from);
    const auto otherH = static_cast<int16_t>(h == 1 ? 2 : 1);
    const auto otherV = static_cast<int16_t>(v == 1 ? 2 : 1);
    // An aligned shape stands at no offset: its left (top) part never holds.
    const int16_t left = Aligned(r.left) ? 0 : 10;
    const int16_t top = Aligned(r.top) ? 0 : 1;
    const struct {
      const char* name;
      double leftPoints;
      int16_t horizontal;
      double topPoints;
      int16_t vertical;
      int16_t code;
    } cases[] = {
        {"both right", r.left, h, r.top, v, static_cast<int16_t>(left + top)},
        {"the wrong horizontal anchor", r.left, otherH, r.top, v, top},
        {"the wrong vertical anchor", r.left, h, r.top, otherV, left},
        {"the left 2 points off", r.left + 2, h, r.top, v, top},
        {"the top 2 points off", r.left, h, r.top - 2, v, left},
        {"nothing right", r.left + 5, otherH, r.top + 5, otherV, 0},
    };
    for (const auto& c : cases) {
      int16_t lastLeft = -7;
      int16_t lastTop = -7;
      const std::optional<int16_t> code =
          ShapePositionCode(doc->app, r.name, Cm(c.leftPoints), c.horizontal, Cm(c.topPoints),
                            c.vertical, {lastLeft, lastTop});
      EXPECT_EQ(code, c.code) << c.name;
      // Where the shape stands is kept for OPPPOSITION; an alignment constant does not fit.
      EXPECT_EQ(lastLeft, Aligned(r.left) ? -7 : std::nearbyint(r.left)) << c.name;
      EXPECT_EQ(lastTop, Aligned(r.top) ? -7 : std::nearbyint(r.top)) << c.name;
    }
  }
}

TEST(ShapePositionChecks, LeftTopOfAShapeThatIsNotThereIsNoCodeAtAll) {
  auto doc = OpenShapesDocument({TextBoxAt("Text Box 1", 85, 28, 100, 50, "")});
  ASSERT_EQ(doc->error, "");
  int16_t lastLeft = 5;
  int16_t lastTop = 6;
  // Not even the code 0 of "neither matches".
  EXPECT_EQ(ShapePositionCode(doc->app, "Text Box 2", 0, 0, 0, 0, {lastLeft, lastTop}),
            std::nullopt);
  EXPECT_EQ(lastLeft, 5);
  EXPECT_EQ(lastTop, 6);
}

// The box stands 85 points right of the left margin (3 cm) and 28 points below the top margin
// (1 cm); the margins are 90 and 72 points from the page's edges.
AnchorXml MarginBox() {
  AnchorXml box = TextBoxAt("Text Box 1", 0, 0, 100, 50, "");
  box.positionH = word::testing::OffsetH("margin", 85);
  box.positionV = word::testing::OffsetV("margin", 28);
  return box;
}

// A box 45 points right of its column and 10 below its paragraph, the document's first: from
// the page it stands 135 points right (4.76 cm) and 82 down.
AnchorXml ColumnBox() {
  return TextBoxAt("Text Box 1", 45, 10, 100, 50, "");
}

TEST(ShapePositionChecks, LeftAndTopValuesAreReadFromTheAnchorTheRuleSets) {
  using A = word::Application&;
  const struct {
    const char* name;
    int16_t (*check)(A);
    int16_t expected;
    AnchorXml box = MarginBox();
  } cases[] = {
      {"left from the margin",
       [](A a) {
         return CheckShapeLeft(a, "Text Box 1", 3, word::wdRelativeHorizontalPositionMargin);
       },
       T},
      {"left from the page",
       [](A a) {
         return CheckShapeLeft(a, "Text Box 1", Cm(85 + 90),
                               word::wdRelativeHorizontalPositionPage);
       },
       T},
      {"the margin's left from the page",
       [](A a) {
         return CheckShapeLeft(a, "Text Box 1", 3, word::wdRelativeHorizontalPositionPage);
       },
       F},
      {"an anchor that is none", [](A a) { return CheckShapeLeft(a, "Text Box 1", 3, 99); }, F},
      {"top from the margin",
       [](A a) {
         return CheckShapeTop(a, "Text Box 1", 1, word::wdRelativeVerticalPositionMargin);
       },
       T},
      {"top from the page",
       [](A a) {
         return CheckShapeTop(a, "Text Box 1", Cm(28 + 72), word::wdRelativeVerticalPositionPage);
       },
       T},
      {"a top that is not there",
       [](A a) {
         return CheckShapeTop(a, "Text Box 2", 1, word::wdRelativeVerticalPositionMargin);
       },
       F},
      {"left from the page, anchored in the text",
       [](A a) {
         return CheckShapeLeft(a, "Text Box 1", 4.76, word::wdRelativeHorizontalPositionPage);
       },
       T, ColumnBox()},
      {"the column's offset is no place on the page",
       [](A a) {
         return CheckShapeLeft(a, "Text Box 1", 1.59, word::wdRelativeHorizontalPositionPage);
       },
       F, ColumnBox()},
      {"top from the page, anchored in the text",
       [](A a) {
         return CheckShapeTop(a, "Text Box 1", Cm(82), word::wdRelativeVerticalPositionPage);
       },
       T, ColumnBox()},
      {"the paragraph's offset is no place on the page",
       [](A a) {
         return CheckShapeTop(a, "Text Box 1", Cm(10), word::wdRelativeVerticalPositionPage);
       },
       F, ColumnBox()},
  };
  for (const auto& c : cases) {
    auto doc = OpenShapesDocument({c.box});
    ASSERT_EQ(doc->error, "") << c.name;
    EXPECT_EQ(c.check(doc->app), c.expected) << c.name;
  }
}

TEST(ShapePositionChecks, AnAnchorSetByARuleStaysForTheRulesAfterIt) {
  auto doc = OpenShapesDocument({MarginBox()});
  ASSERT_EQ(doc->error, "");
  ASSERT_EQ(CheckShapeLeft(doc->app, "Text Box 1", Cm(175), word::wdRelativeHorizontalPositionPage),
            T);
  int16_t lastLeft = 0;
  int16_t lastTop = 0;
  EXPECT_EQ(
      ShapePositionCode(doc->app, "Text Box 1", Cm(175), word::wdRelativeHorizontalPositionPage, 1,
                        word::wdRelativeVerticalPositionMargin, {lastLeft, lastTop}),
      11);
  EXPECT_EQ(lastLeft, 175);
  EXPECT_EQ(lastTop, 28);
}

// "Text Box 1" at 200, 40 and "Oval 2" at 50, 100 from the page: the first stands 150 points
// right of the second and 60 above it.
TEST(ShapePositionChecks, RelativePositionHoldsOnEitherAxis) {
  AnchorXml box = TextBoxAt("Text Box 1", 200, 40, 100, 50, "");
  box.positionH = word::testing::OffsetH("page", 200);
  box.positionV = word::testing::OffsetV("page", 40);
  AnchorXml oval = testing::RectangleAt("Oval 2", 0, 0, 60, 60);
  oval.positionH = word::testing::OffsetH("page", 50);
  oval.positionV = word::testing::OffsetV("page", 100);
  const struct {
    const char* name;
    std::string first;
    std::string second;
    double dx;
    double dy;
    int16_t expected;
  } cases[] = {
      {"both apart as expected", "Text Box", "Oval", 150, -60, T},
      {"across only", "Text Box", "Oval", 150, 0, T},
      {"across one point off only", "Text Box", "Oval", 151, 0, T},
      {"down only", "Text Box", "Oval", 0, -60, T},
      {"neither", "Text Box", "Oval", 148, -58, F},
      {"the other way round", "Oval", "Text Box", -150, 60, T},
      {"a second shape that is not there", "Text Box", "Rectangle", 150, -60, F},
      {"a first shape that is not there", "Rectangle", "Oval", 0, 0, F},
  };
  for (const auto& c : cases) {
    auto doc = OpenShapesDocument({box, oval});
    ASSERT_EQ(doc->error, "") << c.name;
    int16_t lastLeft = 0;
    int16_t lastTop = 0;
    EXPECT_EQ(CheckRelativePosition(doc->app, c.first, c.second, c.dx, c.dy, {lastLeft, lastTop}),
              c.expected)
        << c.name;
  }
  auto doc = OpenShapesDocument({box, oval});
  int16_t lastLeft = 0;
  int16_t lastTop = 0;
  CheckRelativePosition(doc->app, "Text Box", "Oval", 0, 0, {lastLeft, lastTop});
  // The second shape's place is the last one read.
  EXPECT_EQ(lastLeft, 50);
  EXPECT_EQ(lastTop, 100);
}

}  // namespace
}  // namespace docmark
