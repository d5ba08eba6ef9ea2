// The size, fill, line, wrap, margin and picture checks of the drawing objects: every shape of
// the suite-saved documents against the reference table of what it holds, and documents built
// for what that suite cannot save (wrap sides) or for the faults a rule must not fall into (a
// shape that is not there).
#include "grading/docmark/checks/shapes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "grading/docmark/checks/navigation.h"
#include "grading/docmark/checks/shapes_navigation.h"
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

// Whole points as the checks round them.
double Whole(double points) {
  return std::nearbyint(points);
}

TEST(ShapeLookChecks, EverySavedShapeAnswersWhatItHolds) {
  for (const ShapeReference& r : kShapeReferences) {
    SCOPED_TRACE(std::string(r.document) + ": " + std::string(r.name));
    std::unique_ptr<testing::PartADocument> doc = OpenSuiteDocument(r.document);
    ASSERT_EQ(doc->error, "");
    word::Application& a = doc->app;
    const std::string_view n = r.name;
    struct Case {
      const char* name;
      int16_t answer;
      int16_t expected;
    };
    std::vector<Case> cases = {
        {"OBJWID", CheckShapeWidth(a, n, Cm(r.width)), T},
        {"OBJWID 3 points more", CheckShapeWidth(a, n, Cm(r.width + 3)), F},
        {"OBJHEI", CheckShapeHeight(a, n, Cm(r.height)), T},
        {"OBJHEI 3 points less", CheckShapeHeight(a, n, Cm(r.height - 3)), F},
        {"OBJWIDHEI both", ShapeSizeCode(a, n, Cm(r.width), Cm(r.height)), 11},
        {"OBJWIDHEI the height only", ShapeSizeCode(a, n, Cm(r.width + 3), Cm(r.height)), 1},
        {"OBJWRAPTYPE", CheckWrapType(a, n, static_cast<int16_t>(r.wrap_type)), T},
        {"OBJWRAPTYPE another", CheckWrapType(a, n, static_cast<int16_t>(r.wrap_type + 1)), F},
        {"OBJWRAPSIDE", CheckWrapSide(a, n, static_cast<int16_t>(r.wrap_side)), T},
        {"OBJWRAP", WrapCode(a, n), static_cast<int16_t>((r.wrap_type + 1) * 10 + r.wrap_side + 1)},
        {"OBJTOPDISTANCE", CheckWrapDistanceTop(a, n, Cm(r.distance_top)), T},
        {"OBJBOTTOMDISTANCE", CheckWrapDistanceBottom(a, n, Cm(r.distance_bottom)), T},
        {"OBJLEFTDISTANCE", CheckWrapDistanceLeft(a, n, Cm(r.distance_left)), T},
        {"OBJRIGHTDISTANCE", CheckWrapDistanceRight(a, n, Cm(r.distance_right)), T},
        {"OBJRIGHTDISTANCE 2 points more", CheckWrapDistanceRight(a, n, Cm(r.distance_right + 2)),
         F},
        {"OBJDISTANCE in whole points",
         WrapDistanceCode(a, n, Whole(r.distance_top), Whole(r.distance_bottom),
                          Whole(r.distance_left), Whole(r.distance_right)),
         1111},
        {"OBJDISTANCE the bottom one point off",
         WrapDistanceCode(a, n, Whole(r.distance_top), Whole(r.distance_bottom) + 1,
                          Whole(r.distance_left), Whole(r.distance_right)),
         1011},
        {"OBJFILLVISIBLE", CheckNoFill(a, n), r.fill ? F : T},
        {"OBJLINEVIS", CheckNoLine(a, n), r.line ? F : T},
    };
    if (r.fill) {
      cases.push_back({"OBJFILLFORECOLOR", CheckFillColor(a, n, r.fill->fore_color), T});
      cases.push_back(
          {"OBJFILLFORECOLOR another", CheckFillColor(a, n, r.fill->fore_color ^ 1), F});
      cases.push_back(
          {"OBJFILLTRAN", CheckFillHalfTransparent(a, n), r.fill->transparency == 0.5 ? T : F});
    }
    if (r.line) {
      // The object model gives the weight in single precision.
      const double weight = static_cast<float>(r.line->weight);
      cases.push_back({"OBJLINEWEI", CheckLineWeight(a, n, weight), T});
      cases.push_back({"OBJLINEWEI a quarter more", CheckLineWeight(a, n, weight + 0.25), F});
      cases.push_back({"OBJLINETYP", CheckLineStyle(a, n, static_cast<int16_t>(r.line->style)), T});
      cases.push_back({"OBJLINEFORECOLOR", CheckLineForeColor(a, n, r.line->fore_color), T});
      cases.push_back(
          {"OBJLINEFORECOLOR another", CheckLineForeColor(a, n, r.line->fore_color ^ 1), F});
    }
    if (r.margins) {
      const auto& m = *r.margins;
      cases.push_back({"TEXTBOXMARGIN",
                       TextBoxMarginCode(a, n, Cm(m.top), Cm(m.bottom), Cm(m.left), Cm(m.right)),
                       1111});
      cases.push_back(
          {"TEXTBOXMARGIN the left 2 points off",
           TextBoxMarginCode(a, n, Cm(m.top), Cm(m.bottom), Cm(m.left + 2), Cm(m.right)), 1101});
      cases.push_back({"TEXTBOXMARGINTOP", CheckTextBoxMarginTop(a, n, Cm(m.top)), T});
      cases.push_back({"TEXTBOXMARGINBOTTOM", CheckTextBoxMarginBottom(a, n, Cm(m.bottom)), T});
      cases.push_back({"TEXTBOXMARGINLEFT", CheckTextBoxMarginLeft(a, n, Cm(m.left)), T});
      cases.push_back({"TEXTBOXMARGINRIGHT", CheckTextBoxMarginRight(a, n, Cm(m.right)), T});
    } else {
      // No text frame: no margin matches, not even 0.
      cases.push_back({"TEXTBOXMARGIN without a frame", TextBoxMarginCode(a, n, 0, 0, 0, 0), 0});
      cases.push_back({"TEXTBOXMARGINTOP without a frame", CheckTextBoxMarginTop(a, n, 0), F});
    }
    if (r.color_type) {
      cases.push_back({"OBJCONCOLOR", CheckPictureColorType(a, n, *r.color_type), T});
      cases.push_back({"OBJCONCOLOR another",
                       CheckPictureColorType(a, n,
                                             *r.color_type == word::msoPictureGrayscale
                                                 ? word::msoPictureAutomatic
                                                 : word::msoPictureGrayscale),
                       F});
    }
    for (const Case& c : cases) EXPECT_EQ(c.answer, c.expected) << c.name;
  }
}

// 5 cm is 141.75 points, 142 when rounded: 141 to 143 pass, 140 and 144 do not.
TEST(ShapeLookChecks, FiveCentimetresAcceptWidthsWithinOnePointOf142) {
  const struct {
    double points;
    int16_t expected;
  } cases[] = {{140, F}, {141, T}, {141.75, T}, {142, T}, {143, T}, {144, F}};
  for (const auto& c : cases) {
    auto doc = OpenShapesDocument({TextBoxAt("Text Box 1", 0, 0, c.points, 57, "")});
    ASSERT_EQ(doc->error, "");
    EXPECT_EQ(CheckShapeWidth(doc->app, "Text Box 1", 5), c.expected) << c.points;
    // 2 cm is 57 points.
    EXPECT_EQ(CheckShapeHeight(doc->app, "Text Box 1", 2), T) << c.points;
  }
}

// The wrap code is decimal, the rule's mask binary: the dispatcher ANDs them as they are.
TEST(ShapeLookChecks, WrapCodeIsTypeAndSideEachPlusOne) {
  const struct {
    const char* name;
    std::string wrap;
    bool behind;
    int16_t code;
  } cases[] = {
      {"square on both sides", R"(<wp:wrapSquare wrapText="bothSides"/>)", false, 11},
      {"tight on the left", R"(<wp:wrapTight wrapText="left"/>)", false, 22},
      {"through on the right", R"(<wp:wrapThrough wrapText="right"/>)", false, 33},
      {"square on the largest side", R"(<wp:wrapSquare wrapText="largest"/>)", false, 14},
      {"top and bottom", "<wp:wrapTopAndBottom/>", false, 51},
      {"in front of the text", "<wp:wrapNone/>", false, 41},
      {"behind the text", "<wp:wrapNone/>", true, 61},
  };
  for (const auto& c : cases) {
    AnchorXml box = TextBoxAt("Text Box 1", 0, 0, 100, 50, "");
    box.wrap = c.wrap;
    box.behindDoc = c.behind;
    auto doc = OpenShapesDocument({box});
    ASSERT_EQ(doc->error, "") << c.name;
    EXPECT_EQ(WrapCode(doc->app, "Text Box 1"), c.code) << c.name;
  }
}

// A rule on a shape that is not there reads nothing: not the shape selected before it, and not
// zeros that pass "shows no fill" or an expected 0.
TEST(ShapeLookChecks, AShapeThatIsNotThereReadsNothing) {
  AnchorXml box = TextBoxAt("Text Box 1", 0, 0, 142, 57, "");
  auto doc = OpenShapesDocument({box});
  ASSERT_EQ(doc->error, "");
  word::Application& a = doc->app;
  using A = word::Application&;
  const struct {
    const char* name;
    int16_t (*check)(A);
    int16_t expected;
  } cases[] = {
      {"OBJWID", [](A app) { return CheckShapeWidth(app, "Text Box 2", 5); }, F},
      {"OBJWIDHEI", [](A app) { return ShapeSizeCode(app, "Text Box 2", 5, 2); }, 0},
      {"OBJFILLVISIBLE", [](A app) { return CheckNoFill(app, "Text Box 2"); }, F},
      {"OBJLINEVIS", [](A app) { return CheckNoLine(app, "Text Box 2"); }, F},
      {"OBJFILLFORECOLOR white", [](A app) { return CheckFillColor(app, "Text Box 2", 0xFFFFFF); },
       F},
      {"OBJLINEWEI 1", [](A app) { return CheckLineWeight(app, "Text Box 2", 1); }, F},
      {"OBJWRAP", [](A app) { return WrapCode(app, "Text Box 2"); }, 0},
      {"OBJDISTANCE of zeros",
       [](A app) { return WrapDistanceCode(app, "Text Box 2", 0, 0, 0, 0); }, 0},
  };
  for (const auto& c : cases) {
    // Text Box 1 stands selected, as an earlier rule leaves it.
    ASSERT_TRUE(SelectShape(a, "Text Box 1"));
    EXPECT_EQ(c.check(a), c.expected) << c.name;
  }
}

}  // namespace
}  // namespace docmark
