// The shapes of the office-suite-saved documents in testdata/ read as their reference table
// (testing/shape_reference.h) says the object model answers them, groups taken apart included.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/office/word/testing/shape_reference.h"
#include "platform/office/word/word.h"

namespace word {
namespace {

using testing::GroupReference;
using testing::ShapeReference;

Document* OpenSaved(Application& app, std::string_view name) {
  const std::filesystem::path file =
      std::filesystem::path(KIRV_SOURCE_DIR) / "platform/office/word/testdata" / name;
  base::Result<Document*> d = app.Documents().Open(name, file);
  EXPECT_TRUE(d) << (d ? "" : d.error().message);
  return d ? *d : nullptr;
}

// The saved sizes and places are whole EMU; the model answers single-precision points.
constexpr double kPointTolerance = 0.01;

TEST(SavedShapes, EveryShapeReadsAsItsReferenceRow) {
  for (const ShapeReference& r : testing::kShapeReferences) {
    SCOPED_TRACE(std::string(r.document) + ": " + std::string(r.name));
    Application app;
    Document* d = OpenSaved(app, r.document);
    ASSERT_NE(d, nullptr);
    base::Result<Shape*> found = d->Shapes().Item(r.name);
    ASSERT_TRUE(found) << found.error().message;
    Shape& s = **found;
    EXPECT_EQ(*s.Type(), r.type);
    EXPECT_NEAR(*s.Width(), r.width, kPointTolerance);
    EXPECT_NEAR(*s.Height(), r.height, kPointTolerance);
    EXPECT_NEAR(*s.Left(), r.left, kPointTolerance);
    EXPECT_NEAR(*s.Top(), r.top, kPointTolerance);
    EXPECT_EQ(*s.RelativeHorizontalPosition(), r.horizontal_from);
    EXPECT_EQ(*s.RelativeVerticalPosition(), r.vertical_from);
    EXPECT_EQ(*s.WrapFormat().Type(), r.wrap_type);
    EXPECT_EQ(*s.WrapFormat().Side(), r.wrap_side);
    EXPECT_NEAR(*s.WrapFormat().DistanceTop(), r.distance_top, kPointTolerance);
    EXPECT_NEAR(*s.WrapFormat().DistanceBottom(), r.distance_bottom, kPointTolerance);
    EXPECT_NEAR(*s.WrapFormat().DistanceLeft(), r.distance_left, kPointTolerance);
    EXPECT_NEAR(*s.WrapFormat().DistanceRight(), r.distance_right, kPointTolerance);
    EXPECT_EQ(*s.Fill().Visible(), r.fill ? msoTrue : msoFalse);
    if (r.fill) {
      EXPECT_EQ(*s.Fill().ForeColor().RGB(), r.fill->fore_color);
      EXPECT_NEAR(*s.Fill().Transparency(), r.fill->transparency, 1e-3);
    }
    EXPECT_EQ(*s.Line().Visible(), r.line ? msoTrue : msoFalse);
    if (r.line) {
      EXPECT_NEAR(*s.Line().Weight(), r.line->weight, kPointTolerance);
      EXPECT_EQ(*s.Line().Style(), r.line->style);
      if (r.line->dash_style) {
        EXPECT_EQ(*s.Line().DashStyle(), *r.line->dash_style);
      }
      EXPECT_EQ(*s.Line().ForeColor().RGB(), r.line->fore_color);
    }
    if (r.margins) {
      TextFrame frame = s.TextFrame();
      EXPECT_NEAR(*frame.MarginTop(), r.margins->top, kPointTolerance);
      EXPECT_NEAR(*frame.MarginBottom(), r.margins->bottom, kPointTolerance);
      EXPECT_NEAR(*frame.MarginLeft(), r.margins->left, kPointTolerance);
      EXPECT_NEAR(*frame.MarginRight(), r.margins->right, kPointTolerance);
    }
    if (r.color_type) {
      EXPECT_EQ(*s.PictureFormat().ColorType(), *r.color_type);
    }
    if (!r.text.empty()) {
      EXPECT_EQ(*(*s.TextFrame().TextRange()).Text(), r.text);
    }
  }
}

TEST(SavedShapes, TheShapesAreNumberedAsTheReferenceListsThem) {
  std::string_view document;
  std::unique_ptr<Application> app;
  Document* d = nullptr;
  int32_t index = 0;
  for (const ShapeReference& r : testing::kShapeReferences) {
    if (r.document != document) {
      if (d != nullptr) {
        EXPECT_EQ(d->Shapes().Count(), index) << document;
      }
      document = r.document;
      app = std::make_unique<Application>();
      d = OpenSaved(*app, document);
      ASSERT_NE(d, nullptr);
      index = 0;
    }
    ++index;
    EXPECT_EQ(*(*d->Shapes().Item(index))->Name(), r.name);
  }
  EXPECT_EQ(d->Shapes().Count(), index) << document;
}

void ExpectMembersOnThePage(Document& d, const GroupReference& group, double left, double top,
                            double scaleX, double scaleY) {
  SCOPED_TRACE(std::string(group.name));
  base::Result<Shape*> found = d.Shapes().Item(group.name);
  ASSERT_TRUE(found) << found.error().message;
  Shape& g = **found;
  EXPECT_EQ(*g.Type(), msoGroup);
  EXPECT_NEAR(*g.Width(), group.width, kPointTolerance);
  EXPECT_NEAR(*g.Height(), group.height, kPointTolerance);
  EXPECT_NEAR(*g.Left(), left, kPointTolerance);
  EXPECT_NEAR(*g.Top(), top, kPointTolerance);
  EXPECT_EQ(*g.WrapFormat().Type(), group.wrap_type);
  ASSERT_TRUE(g.Select());
  base::Result<ShapeRange> parts = d.Selection().ShapeRange()->UnGroup();
  ASSERT_TRUE(parts);
  ASSERT_EQ(parts->Count(), 2);
  for (int32_t i = 1; i <= 2; ++i) {
    const auto& member = group.members[static_cast<size_t>(i - 1)];
    Shape& m = **parts->Item(i);
    SCOPED_TRACE(std::string(member.name));
    EXPECT_EQ(*m.Name(), member.name);
    EXPECT_EQ(*m.Type(), member.type);
    EXPECT_NEAR(*m.Width(), member.width * scaleX, kPointTolerance);
    EXPECT_NEAR(*m.Height(), member.height * scaleY, kPointTolerance);
    EXPECT_EQ(*m.RelativeHorizontalPosition(), group.horizontal_from);
    EXPECT_EQ(*m.RelativeVerticalPosition(), group.vertical_from);
    if (member.fill_color) {
      EXPECT_EQ(*m.Fill().ForeColor().RGB(), *member.fill_color);
    }
    EXPECT_EQ(*(*d.Shapes().Item(member.name))->Name(), member.name);
  }
  EXPECT_EQ(d.Shapes().Item(group.name).error().code, kErrNoSuchMember);
}

TEST(SavedShapes, GroupsComeApartIntoTheirNamedMembersInTheirPlaces) {
  Application app;
  Document* d = OpenSaved(app, testing::kGroupDocument);
  ASSERT_NE(d, nullptr);
  ASSERT_EQ(d->Shapes().Count(), 2);
  EXPECT_EQ(*(*d->Shapes().Item(1))->Name(), "Group 1");
  EXPECT_EQ(*(*d->Shapes().Item(2))->Name(), "Group 8");
  const GroupReference& group1 = testing::kGroupReferences[0];
  const GroupReference& group8 = testing::kGroupReferences[1];
  const GroupReference& group6 = testing::kGroupReferences[2];
  ExpectMembersOnThePage(*d, group1, group1.left, group1.top, 1, 1);
  ExpectMembersOnThePage(*d, group8, group8.left, group8.top, 1, 1);
  // The nested group, now a shape of the document, placed through Group 8's extent / chExt.
  const double scale = group8.width / testing::EmuToPoints(2340720);
  ExpectMembersOnThePage(*d, group6, group8.left + group6.left * scale,
                         group8.top + group6.top * scale, scale, scale);
  EXPECT_EQ(d->Shapes().Count(), 5);  // Rectangle 2, Oval 3, Rectangle 4, Oval 5, Rectangle 7
}

}  // namespace
}  // namespace word
