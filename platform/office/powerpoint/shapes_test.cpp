// Shapes in tree order: kinds, preset geometry, placeholders and geometry in points.
#include <gtest/gtest.h>

#include "platform/office/powerpoint/constants.h"
#include "platform/office/powerpoint/testing/open_pptx.h"

namespace powerpoint {
namespace {

using testing::Box;
using testing::OpenPptx;

constexpr Box kBox{12700, 25400, 127000, 254000};

TEST(Shapes, TypesByElementAndContent) {
  const Box child{0, 0, 100, 100};
  const std::string shapes =
      testing::TextBox(2, "Text 1", kBox, testing::TextPara("x")) +
      testing::AutoShape(3, "Oval 2", "ellipse", kBox) +
      testing::Placeholder(4, "Title 3", R"(type="title")", nullptr) +
      testing::Picture(5, "Picture 4", kBox) + testing::Connector(6, "Line 5", kBox) +
      testing::Group(7, "Group 6", kBox, testing::AutoShape(8, "Inner", "rect", child), &child) +
      testing::TableFrame(9, "Table 7", kBox, "cell") +
      R"(<p:sp><p:nvSpPr><p:cNvPr id="10" name="Free 8"/><p:cNvSpPr/><p:nvPr/></p:nvSpPr><p:spPr><a:custGeom/></p:spPr></p:sp>)";
  OpenPptx open(testing::OneSlide(shapes));
  ASSERT_NE(open.Get(), nullptr);
  struct Row {
    const char* name;
    int32_t type;
    int32_t hasTextFrame;
  } rows[] = {
      {"Text 1", msoTextBox, msoTrue},      {"Oval 2", msoAutoShape, msoTrue},
      {"Title 3", msoPlaceholder, msoTrue}, {"Picture 4", msoPicture, msoFalse},
      {"Line 5", msoLine, msoFalse},        {"Group 6", msoGroup, msoFalse},
      {"Table 7", msoTable, msoFalse},      {"Free 8", msoFreeform, msoTrue},
  };
  base::Result<Slide*> slide = open.Get()->Slides().Item(1);
  ASSERT_TRUE(slide);
  ASSERT_EQ((*slide)->Shapes().Count(), static_cast<int32_t>(std::size(rows)));
  for (int32_t i = 0; i < static_cast<int32_t>(std::size(rows)); ++i) {
    SCOPED_TRACE(rows[i].name);
    Shape* shape = open.ShapeAt(1, i + 1);
    ASSERT_NE(shape, nullptr);
    EXPECT_EQ(shape->Name(), rows[i].name);
    EXPECT_EQ(shape->Type(), rows[i].type);
    EXPECT_EQ(shape->HasTextFrame(), rows[i].hasTextFrame);
    EXPECT_EQ(static_cast<bool>(shape->TextFrame()), rows[i].hasTextFrame == msoTrue);
  }
  EXPECT_FALSE((*slide)->Shapes().Item(9));
  ASSERT_TRUE((*slide)->Shapes().Item("Oval 2"));
  EXPECT_EQ((*(*slide)->Shapes().Item("Oval 2"))->Id(), 3);
}

TEST(Shapes, AutoShapeTypesFromPresetGeometry) {
  struct Row {
    const char* preset;
    int32_t expected;
  } rows[] = {
      {"rect", msoShapeRectangle},
      {"roundRect", msoShapeRoundedRectangle},
      {"ellipse", msoShapeOval},
      {"rightArrow", msoShapeRightArrow},
      {"flowChartProcess", msoShapeFlowchartProcess},
      {"star5", msoShape5pointStar},
      {"homePlate", 51},
      {"wedgeRectCallout", 105},
      {"lineInv", 183},
      {"madeUp", msoShapeNotPrimitive},
  };
  std::string shapes;
  for (size_t i = 0; i < std::size(rows); ++i)
    shapes += testing::AutoShape(static_cast<int32_t>(i + 2), rows[i].preset, rows[i].preset, kBox);
  OpenPptx open(testing::OneSlide(shapes));
  ASSERT_NE(open.Get(), nullptr);
  for (size_t i = 0; i < std::size(rows); ++i) {
    SCOPED_TRACE(rows[i].preset);
    Shape* shape = open.ShapeAt(1, static_cast<int32_t>(i + 1));
    ASSERT_NE(shape, nullptr);
    base::Result<int32_t> type = shape->AutoShapeType();
    ASSERT_TRUE(type);
    EXPECT_EQ(*type, rows[i].expected);
  }
}

TEST(Shapes, GeometryInPointsFromEmu) {
  // 72.5 pt left, 73.5 pt top, 141.875 pt wide, 85.125 pt high.
  const Box box{920750, 933450, 1801813, 1081088};
  OpenPptx open(testing::OneSlide(testing::AutoShape(2, "Box", "rect", box)));
  Shape* shape = open.ShapeAt(1, 1);
  ASSERT_NE(shape, nullptr);
  EXPECT_FLOAT_EQ(*shape->Left(), 72.5f);
  EXPECT_FLOAT_EQ(*shape->Top(), 73.5f);
  EXPECT_NEAR(*shape->Width(), 141.875f, 1e-4);
  EXPECT_NEAR(*shape->Height(), 85.125f, 1e-4);
}

TEST(Shapes, PlaceholdersInheritGeometryFromLayoutAndMaster) {
  const Box own{127000, 127000, 254000, 254000};
  const std::string shapes = testing::Placeholder(2, "Title 1", R"(type="title")", nullptr) +
                             testing::Placeholder(3, "Content 2", R"(idx="1")", nullptr) +
                             testing::Placeholder(4, "Moved 3", R"(idx="1")", &own);
  OpenPptx open(testing::OneSlide(shapes));
  struct Row {
    const char* name;
    int32_t shape;
    float left, top, width;
  } rows[] = {
      // The layout leaves them out too: the master's title and body.
      {"title from the master", 1, 66.0f, 28.75f, 828.0f},
      {"content from the master's body", 2, 66.0f, 143.75f, 828.0f},
      {"its own position", 3, 10.0f, 10.0f, 20.0f},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Shape* shape = open.ShapeAt(1, row.shape);
    ASSERT_NE(shape, nullptr);
    EXPECT_FLOAT_EQ(*shape->Left(), row.left);
    EXPECT_FLOAT_EQ(*shape->Top(), row.top);
    EXPECT_FLOAT_EQ(*shape->Width(), row.width);
  }
  // On the title slide layout the centred title has a position of its own.
  OpenPptx title(
      testing::OneSlide(testing::Placeholder(2, "Title 1", R"(type="ctrTitle")", nullptr), 0));
  Shape* centred = title.ShapeAt(1, 1);
  ASSERT_NE(centred, nullptr);
  EXPECT_FLOAT_EQ(*centred->Left(), 120.0f);
  EXPECT_NEAR(*centred->Top(), 88.375f, 1e-3);
}

TEST(Shapes, AShapeWithoutGeometryAnywhereFailsItsReads) {
  OpenPptx open(
      testing::OneSlide(testing::Placeholder(2, "Lost", R"(type="pic" idx="9")", nullptr)));
  Shape* shape = open.ShapeAt(1, 1);
  ASSERT_NE(shape, nullptr);
  EXPECT_FALSE(shape->Left());
  EXPECT_FALSE(shape->Height());
}

TEST(Shapes, GroupMembersAreItemsInSlideCoordinates) {
  // The group lies at (100, 200) pt, 200 x 100 pt; its children count in a space twice as big.
  const Box group{1270000, 2540000, 2540000, 1270000};
  const Box childSpace{0, 0, 5080000, 2540000};
  const Box member{2540000, 1270000, 1270000, 635000};
  OpenPptx open(
      testing::OneSlide(testing::Group(2, "Group", group,
                                       testing::AutoShape(3, "A", "rect", member) +
                                           testing::TextBox(4, "B", member, testing::TextPara("b")),
                                       &childSpace) +
                        testing::AutoShape(5, "After", "rect", kBox)));
  base::Result<Slide*> slide = open.Get()->Slides().Item(1);
  ASSERT_TRUE(slide);
  EXPECT_EQ((*slide)->Shapes().Count(), 2);
  Shape* groupShape = open.ShapeAt(1, 1);
  ASSERT_NE(groupShape, nullptr);
  base::Result<const Shapes*> items = groupShape->GroupItems();
  ASSERT_TRUE(items);
  ASSERT_EQ((*items)->Count(), 2);
  Shape* a = *(*items)->Item(1);
  EXPECT_FLOAT_EQ(*a->Left(), 200.0f);
  EXPECT_FLOAT_EQ(*a->Top(), 250.0f);
  EXPECT_FLOAT_EQ(*a->Width(), 50.0f);
  EXPECT_FLOAT_EQ(*a->Height(), 25.0f);
  EXPECT_EQ((*(*items)->Item(2))->Type(), msoTextBox);
  EXPECT_FALSE(open.ShapeAt(1, 2)->GroupItems());
  base::Result<int32_t> groupType = groupShape->AutoShapeType();
  ASSERT_TRUE(groupType);
  EXPECT_EQ(*groupType, msoShapeMixed);
}

TEST(Shapes, AlternateContentReadsItsChoice) {
  const std::string shapes =
      "<mc:AlternateContent><mc:Choice Requires=\"p14\">" +
      testing::AutoShape(2, "Chosen", "star5", kBox) + "</mc:Choice><mc:Fallback>" +
      testing::Picture(3, "Fallback", kBox) + "</mc:Fallback></mc:AlternateContent>" +
      "<mc:AlternateContent><mc:Fallback>" + testing::Picture(4, "Only fallback", kBox) +
      "</mc:Fallback></mc:AlternateContent>";
  OpenPptx open(testing::OneSlide(shapes));
  base::Result<Slide*> slide = open.Get()->Slides().Item(1);
  ASSERT_TRUE(slide);
  ASSERT_EQ((*slide)->Shapes().Count(), 2);
  EXPECT_EQ(open.ShapeAt(1, 1)->Name(), "Chosen");
  EXPECT_EQ(open.ShapeAt(1, 2)->Name(), "Only fallback");
}

TEST(Shapes, PlaceholderTypesAndWhatTheyHold) {
  struct Row {
    const char* ph;
    int32_t type;
  } rows[] = {
      {R"(type="title")", ppPlaceholderTitle},
      {R"(type="ctrTitle")", ppPlaceholderCenterTitle},
      {R"(type="subTitle" idx="1")", ppPlaceholderSubtitle},
      {R"(idx="1")", ppPlaceholderObject},
      {R"(type="body" orient="vert" idx="1")", ppPlaceholderVerticalBody},
      {R"(type="pic" idx="2")", ppPlaceholderPicture},
      {R"(type="sldNum" idx="12")", ppPlaceholderSlideNumber},
      {R"(type="dt" idx="10")", ppPlaceholderDate},
  };
  std::string shapes;
  for (size_t i = 0; i < std::size(rows); ++i)
    shapes += testing::Placeholder(static_cast<int32_t>(i + 2), "P", rows[i].ph, &kBox);
  shapes += testing::TextBox(20, "Not one", kBox, "");
  OpenPptx open(testing::OneSlide(shapes));
  for (size_t i = 0; i < std::size(rows); ++i) {
    SCOPED_TRACE(rows[i].ph);
    Shape* shape = open.ShapeAt(1, static_cast<int32_t>(i + 1));
    ASSERT_NE(shape, nullptr);
    base::Result<PlaceholderFormat> format = shape->PlaceholderFormat();
    ASSERT_TRUE(format);
    EXPECT_EQ(format->Type(), rows[i].type);
    EXPECT_EQ(format->ContainedType(), msoAutoShape);
  }
  EXPECT_FALSE(open.ShapeAt(1, static_cast<int32_t>(std::size(rows) + 1))->PlaceholderFormat());
}

TEST(Shapes, MediaTypeOfSoundsAndMovies) {
  auto media = [](int32_t id, const char* element) {
    return "<p:pic><p:nvPicPr><p:cNvPr id=\"" + std::to_string(id) +
           "\" name=\"m\"/><p:cNvPicPr/><p:nvPr>" + element +
           "</p:nvPr></p:nvPicPr><p:blipFill/><p:spPr/></p:pic>";
  };
  OpenPptx open(testing::OneSlide(media(2, R"(<a:videoFile r:link="rId5"/>)") +
                                  media(3, R"(<a:audioFile r:link="rId6"/>)") +
                                  testing::Picture(4, "plain", kBox)));
  EXPECT_EQ(*open.ShapeAt(1, 1)->MediaType(), ppMediaTypeMovie);
  EXPECT_EQ(open.ShapeAt(1, 1)->Type(), msoMedia);
  EXPECT_EQ(*open.ShapeAt(1, 2)->MediaType(), ppMediaTypeSound);
  EXPECT_FALSE(open.ShapeAt(1, 3)->MediaType());
}

TEST(Shapes, DeeplyNestedGroupsReadWithoutRecursion) {
  std::string shapes;
  const int depth = 20000;
  for (int i = 0; i < depth; ++i)
    shapes +=
        R"(<p:grpSp><p:nvGrpSpPr><p:cNvPr id="2" name="g"/><p:cNvGrpSpPr/><p:nvPr/></p:nvGrpSpPr><p:grpSpPr/>)";
  shapes += testing::AutoShape(3, "deep", "rect", kBox);
  for (int i = 0; i < depth; ++i) shapes += "</p:grpSp>";
  OpenPptx open(testing::OneSlide(shapes));
  ASSERT_NE(open.Get(), nullptr);
  const Shapes* at = &(*open.Get()->Slides().Item(1))->Shapes();
  for (int i = 0; i < depth; ++i) at = *(*at->Item(1))->GroupItems();
  EXPECT_EQ((*at->Item(1))->Name(), "deep");
}

}  // namespace
}  // namespace powerpoint
