// Shape fills as FillFormat reports them: each kind with its numbers, theme colours with their
// transforms as RGB and as theme colour, where a fill comes from when the shape names none (its
// style, its layout's placeholder, its group), and what a fill without a member answers.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/office/powerpoint/application.h"
#include "platform/office/powerpoint/errors.h"
#include "platform/office/powerpoint/fill_format.h"
#include "platform/office/powerpoint/testing/open_pptx.h"

namespace powerpoint {
namespace {

using testing::FilledShape;
using testing::OpenPptx;

constexpr char kTextureLink[] =
    R"(<Relationship Id="rIdTex" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/image" Target="file:///C:\Kaoshi\granite.jpg" TargetMode="External"/>)";

std::string Solid(std::string_view color) {
  return "<a:solidFill>" + std::string(color) + "</a:solidFill>";
}

// An automation colour value (red in the low byte) from 0xRRGGBB.
int32_t Ole(uint32_t rrggbb) {
  return drawingml::Color::FromRgb(rrggbb).Ole();
}

struct Expected {
  const char* fill;  // the fill element of the shape's p:spPr
  int32_t type;      // 0: Type fails
  int32_t fore;      // -1: ForeColor fails
  int32_t foreTheme;
  int32_t back;  // -1: BackColor fails
  int32_t gradientColorType;
  int32_t gradientStyle;
  int32_t gradientVariant;
  int32_t pattern;
  int32_t textureType;
  const char* textureName;  // "" when it fails
  int32_t preset = 0;       // PresetGradientType; 0 when it fails
};

template <class T>
T Or(const base::Result<T>& read, T otherwise) {
  return read ? *read : otherwise;
}

TEST(FillFormat, EachKindWithItsNumbers) {
  const struct {
    const char* name;
    Expected e;
  } rows[] = {
      {"solid RGB",
       {"<a:solidFill><a:srgbClr val=\"FF0000\"/></a:solidFill>", msoFillSolid, Ole(0xFF0000), 0,
        -1, 0, 0, 0, 0, 0, ""}},
      {"accent darker 25% (lumMod)",
       {R"(<a:solidFill><a:schemeClr val="accent1"><a:lumMod val="75000"/></a:schemeClr></a:solidFill>)",
        msoFillSolid, Ole(0x2F5597), 5, -1, 0, 0, 0, 0, 0, ""}},
      {"accent lighter 80% (lumMod and lumOff)",
       {R"(<a:solidFill><a:schemeClr val="accent1"><a:lumMod val="20000"/><a:lumOff val="80000"/></a:schemeClr></a:solidFill>)",
        msoFillSolid, Ole(0xDAE3F3), 5, -1, 0, 0, 0, 0, 0, ""}},
      {"shade",
       {R"(<a:solidFill><a:srgbClr val="4F81BD"><a:shade val="50000"/></a:srgbClr></a:solidFill>)",
        msoFillSolid, Ole(0x385D8A), 0, -1, 0, 0, 0, 0, 0, ""}},
      {"tint",
       {R"(<a:solidFill><a:srgbClr val="3B3B3B"><a:tint val="83000"/></a:srgbClr></a:solidFill>)",
        msoFillSolid, Ole(0x7D7D7D), 0, -1, 0, 0, 0, 0, 0, ""}},
      {"bg1 through the colour map, with alpha",
       {R"(<a:solidFill><a:schemeClr val="bg1"><a:alpha val="40000"/></a:schemeClr></a:solidFill>)",
        msoFillSolid, Ole(0xFFFFFF), 14, -1, 0, 0, 0, 0, 0, ""}},
      {"two-colour gradient running down",
       {R"(<a:gradFill><a:gsLst><a:gs pos="100000"><a:srgbClr val="0000FF"/></a:gs><a:gs pos="0"><a:schemeClr val="accent2"/></a:gs></a:gsLst><a:lin ang="5400000" scaled="1"/></a:gradFill>)",
        msoFillGradient, Ole(0xED7D31), 6, Ole(0x0000FF), msoGradientTwoColors, 1, 1, 0, 0, ""}},
      {"multi-colour gradient from the centre",
       {R"(<a:gradFill><a:gsLst><a:gs pos="0"><a:srgbClr val="FF0000"/></a:gs><a:gs pos="50000"><a:srgbClr val="00FF00"/></a:gs><a:gs pos="100000"><a:srgbClr val="0000FF"/></a:gs></a:gsLst><a:path path="circle"><a:fillToRect l="50000" t="50000" r="50000" b="50000"/></a:path></a:gradFill>)",
        msoFillGradient, Ole(0xFF0000), 0, Ole(0x0000FF), msoGradientMultiColor, 7, 1, 0, 0, ""}},
      {"the preset Early Sunset, as its stops",
       {R"(<a:gradFill rotWithShape="1"><a:gsLst><a:gs pos="0"><a:srgbClr val="000082"/></a:gs><a:gs pos="30000"><a:srgbClr val="66008F"/></a:gs><a:gs pos="64999"><a:srgbClr val="BA0066"/></a:gs><a:gs pos="89999"><a:srgbClr val="FF0000"/></a:gs><a:gs pos="100000"><a:srgbClr val="FF8200"/></a:gs></a:gsLst><a:lin ang="5400000" scaled="1"/></a:gradFill>)",
        msoFillGradient, Ole(0x000082), 0, Ole(0xFF8200), msoGradientPresetColors, 1, 1, 0, 0, "",
        1}},
      {"its stops without the last are no preset",
       {R"(<a:gradFill><a:gsLst><a:gs pos="0"><a:srgbClr val="000082"/></a:gs><a:gs pos="30000"><a:srgbClr val="66008F"/></a:gs><a:gs pos="64999"><a:srgbClr val="BA0066"/></a:gs><a:gs pos="100000"><a:srgbClr val="FF0000"/></a:gs></a:gsLst><a:lin ang="5400000"/></a:gradFill>)",
        msoFillGradient, Ole(0x000082), 0, Ole(0xFF0000), msoGradientMultiColor, 1, 1, 0, 0, ""}},
      {"pattern with both colours",
       {R"(<a:pattFill prst="dkHorz"><a:fgClr><a:srgbClr val="C00000"/></a:fgClr><a:bgClr><a:schemeClr val="bg2"/></a:bgClr></a:pattFill>)",
        msoFillPatterned, Ole(0xC00000), 0, Ole(0xE7E6E6), 0, 0, 0, 13, 0, ""}},
      {"pattern with the format's default colours",
       {R"(<a:pattFill prst="pct5"/>)", msoFillPatterned, Ole(0x000000), 0, Ole(0xFFFFFF), 0, 0, 0,
        1, 0, ""}},
      {"texture linked from a file",
       {R"(<a:blipFill><a:blip r:link="rIdTex"/><a:tile tx="0" ty="0" sx="100000" sy="100000"/></a:blipFill>)",
        msoFillTextured, -1, 0, -1, 0, 0, 0, 0, msoTextureUserDefined,
        "file:///C:\\Kaoshi\\granite.jpg"}},
      {"embedded texture: no name, preset or not",
       {R"(<a:blipFill><a:blip r:embed="rIdImg"/><a:tile/></a:blipFill>)", msoFillTextured, -1, 0,
        -1, 0, 0, 0, 0, 0, ""}},
      {"stretched picture",
       {R"(<a:blipFill><a:blip r:embed="rIdImg"/><a:stretch><a:fillRect/></a:stretch></a:blipFill>)",
        msoFillPicture, -1, 0, -1, 0, 0, 0, 0, 0, ""}},
      {"no fill", {"<a:noFill/>", 0, -1, 0, -1, 0, 0, 0, 0, 0, ""}},
  };
  std::string shapes;
  for (size_t i = 0; i < std::size(rows); ++i) {
    shapes += FilledShape(static_cast<int32_t>(i + 2), rows[i].name, rows[i].e.fill);
  }
  testing::PptxContent content = testing::OneSlide(shapes);
  content.slides[0].relationships = kTextureLink;
  OpenPptx open(content);
  ASSERT_NE(open.Get(), nullptr);
  for (size_t i = 0; i < std::size(rows); ++i) {
    const Expected& e = rows[i].e;
    SCOPED_TRACE(rows[i].name);
    Shape* shape = open.ShapeAt(1, static_cast<int32_t>(i + 1));
    ASSERT_NE(shape, nullptr);
    base::Result<FillFormat> fill = shape->Fill();
    ASSERT_TRUE(fill) << fill.error().message;
    EXPECT_EQ(fill->Visible(), e.type == 0 ? msoFalse : msoTrue);
    EXPECT_EQ(Or(fill->Type(), 0), e.type);
    base::Result<ColorFormat> fore = fill->ForeColor();
    EXPECT_EQ(fore ? fore->RGB() : -1, e.fore);
    EXPECT_EQ(fore ? fore->ObjectThemeColor() : 0, e.foreTheme);
    base::Result<ColorFormat> back = fill->BackColor();
    EXPECT_EQ(back ? back->RGB() : -1, e.back);
    EXPECT_EQ(Or(fill->GradientColorType(), 0), e.gradientColorType);
    EXPECT_EQ(Or(fill->GradientStyle(), 0), e.gradientStyle);
    EXPECT_EQ(Or(fill->GradientVariant(), 0), e.gradientVariant);
    EXPECT_EQ(Or(fill->Pattern(), 0), e.pattern);
    EXPECT_EQ(Or(fill->TextureType(), 0), e.textureType);
    EXPECT_EQ(Or(fill->TextureName(), std::string()), e.textureName);
    EXPECT_EQ(Or(fill->PresetGradientType(), 0), e.preset);
    // A preset texture is saved as a picture like any other.
    EXPECT_EQ(fill->PresetTexture().error().code, kErrNotAvailable);
  }
  // Alpha makes the colour transparent, not another RGB.
  base::Result<FillFormat> translucent = open.ShapeAt(1, 6)->Fill();
  ASSERT_TRUE(translucent);
  EXPECT_NEAR(translucent->Resolved().color.Transparency(), 0.6, 1e-9);
}

TEST(FillFormat, FromTheStyleTheLayoutPlaceholderAndTheGroup) {
  testing::PptxContent content;
  std::vector<testing::LayoutXml> layouts = testing::DefaultLayouts();
  // The layout's title is filled; a slide title that names no fill shows it.
  layouts[1].shapes =
      R"(<p:sp><p:nvSpPr><p:cNvPr id="2" name="Title 1"/><p:cNvSpPr/><p:nvPr><p:ph type="title"/></p:nvPr></p:nvSpPr><p:spPr>)" +
      Solid(R"(<a:schemeClr val="accent6"/>)") + "</p:spPr></p:sp>";
  content.layouts = layouts;
  const testing::Box box{};
  const std::string member =
      R"(<p:sp><p:nvSpPr><p:cNvPr id="11" name="Member"/><p:cNvSpPr/><p:nvPr/></p:nvSpPr><p:spPr>)" +
      testing::Xfrm(box) + "<a:grpFill/></p:spPr></p:sp>";
  const std::string group =
      R"(<p:grpSp><p:nvGrpSpPr><p:cNvPr id="10" name="Group"/><p:cNvGrpSpPr/><p:nvPr/></p:nvGrpSpPr><p:grpSpPr>)" +
      testing::Xfrm(box) + Solid(R"(<a:srgbClr val="123456"/>)") + "</p:grpSpPr>" + member +
      "</p:grpSp>";
  content.slides = {
      testing::SlideXml(testing::Placeholder(2, "Title 1", R"(type="title")", nullptr) +
                        testing::AutoShape(3, "Styled", "rect", box) + group +
                        FilledShape(4, "Own beats style", Solid(R"(<a:srgbClr val="00FF00"/>)")) +
                        testing::TextBox(5, "Text box", box, testing::TextPara("x")))};
  // The slide maps bg1 and tx1 the other way round; fills resolve through the slide's map.
  content.slides[0].clrMapOvr =
      R"(<a:overrideClrMapping bg1="dk1" tx1="lt1" bg2="dk2" tx2="lt2" accent1="accent1" accent2="accent2" accent3="accent3" accent4="accent4" accent5="accent5" accent6="accent6" hlink="hlink" folHlink="folHlink"/>)";
  OpenPptx open(content);
  ASSERT_NE(open.Get(), nullptr);
  const struct {
    int32_t shape;
    const char* name;
    int32_t type;  // 0: no fill
    int32_t rgb;
    int32_t theme;
  } rows[] = {
      {1, "the layout placeholder's fill", msoFillSolid, Ole(0x70AD47), 10},
      {2, "the style's fillRef in its colour", msoFillSolid, Ole(0x4472C4), 5},
      {3, "the group itself", msoFillSolid, Ole(0x123456), 0},
      {4, "its own fill", msoFillSolid, Ole(0x00FF00), 0},
      {5, "a text box's noFill", 0, 0, 0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    Shape* shape = open.ShapeAt(1, row.shape);
    ASSERT_NE(shape, nullptr);
    base::Result<FillFormat> fill = shape->Fill();
    ASSERT_TRUE(fill) << fill.error().message;
    EXPECT_EQ(Or(fill->Type(), 0), row.type);
    base::Result<ColorFormat> fore = fill->ForeColor();
    EXPECT_EQ(fore ? fore->RGB() : 0, row.rgb);
    EXPECT_EQ(fore ? fore->ObjectThemeColor() : 0, row.theme);
  }
  base::Result<const Shapes*> items = open.ShapeAt(1, 3)->GroupItems();
  ASSERT_TRUE(items);
  base::Result<Shape*> inner = (*items)->Item(1);
  ASSERT_TRUE(inner);
  base::Result<FillFormat> groupFill = (*inner)->Fill();
  ASSERT_TRUE(groupFill);
  EXPECT_EQ(groupFill->ForeColor()->RGB(), Ole(0x123456)) << "grpFill takes the group's fill";
}

TEST(FillFormat, ColourMapAndUnreadableFills) {
  const std::string shapes =
      FilledShape(2, "Text colour", Solid(R"(<a:schemeClr val="tx1"/>)")) +
      FilledShape(3, "No colour", "<a:solidFill/>") +
      FilledShape(
          4, "Bad stop",
          R"(<a:gradFill><a:gsLst><a:gs pos="x"><a:srgbClr val="FF0000"/></a:gs></a:gsLst></a:gradFill>)") +
      FilledShape(5, "Unknown pattern", R"(<a:pattFill prst="noSuchPattern"/>)");
  testing::PptxContent content = testing::OneSlide(shapes);
  content.slides[0].clrMapOvr =
      R"(<a:overrideClrMapping bg1="dk1" tx1="lt1" bg2="dk2" tx2="lt2" accent1="accent1" accent2="accent2" accent3="accent3" accent4="accent4" accent5="accent5" accent6="accent6" hlink="hlink" folHlink="folHlink"/>)";
  OpenPptx open(content);
  ASSERT_NE(open.Get(), nullptr);
  base::Result<FillFormat> text = open.ShapeAt(1, 1)->Fill();
  ASSERT_TRUE(text);
  EXPECT_EQ(text->ForeColor()->RGB(), Ole(0xFFFFFF)) << "tx1 is lt1 on this slide";
  EXPECT_EQ(text->ForeColor()->ObjectThemeColor(), 13);
  // A damaged fill is unreadable, never a fill of some colour or none.
  for (int32_t shape : {2, 3}) {
    base::Result<FillFormat> fill = open.ShapeAt(1, shape)->Fill();
    ASSERT_FALSE(fill) << shape;
    EXPECT_EQ(fill.error().code, kErrUnreadable);
  }
  base::Result<FillFormat> pattern = open.ShapeAt(1, 4)->Fill();
  ASSERT_TRUE(pattern);
  EXPECT_EQ(pattern->Pattern().error().code, kErrUnreadable);
}

// The fills and backgrounds LibreOffice Impress saved (testdata/suite_fills.pptx, made by
// testdata/make_fill_presentations.py).
TEST(FillFormat, WhatTheSuiteSaved) {
  Application app;
  base::Result<Presentation*> opened = app.Presentations().Open(
      "C:\\suite_fills.pptx", std::filesystem::path(KIRV_SOURCE_DIR) /
                                  "platform/office/powerpoint/testdata/suite_fills.pptx");
  ASSERT_TRUE(opened) << opened.error().message;
  const Presentation& presentation = **opened;
  const struct {
    const char* name;
    int32_t type;  // 0: no fill
    int32_t fore;  // -1: none
    int32_t back;  // -1: none
    int32_t style;
    int32_t pattern;
  } shapes[] = {
      {"Solid 2", msoFillSolid, Ole(0xC00000), -1, 0, 0},
      {"Gradient 3", msoFillGradient, Ole(0xFF0000), Ole(0x0000FF), 1, 0},
      {"Pattern 4", msoFillPatterned, Ole(0x000000), Ole(0xFFFF00), 0, 49},
      {"Texture 5", msoFillTextured, -1, -1, 0, 0},
      {"Picture 6", msoFillPicture, -1, -1, 0, 0},
      {"No fill 7", 0, -1, -1, 0, 0},
  };
  base::Result<Slide*> first = presentation.Slides().Item(1);
  ASSERT_TRUE(first);
  for (const auto& row : shapes) {
    SCOPED_TRACE(row.name);
    base::Result<Shape*> shape = (*first)->Shapes().Item(std::string_view(row.name));
    ASSERT_TRUE(shape);
    base::Result<FillFormat> fill = (*shape)->Fill();
    ASSERT_TRUE(fill) << fill.error().message;
    EXPECT_EQ(Or(fill->Type(), 0), row.type);
    base::Result<ColorFormat> fore = fill->ForeColor();
    EXPECT_EQ(fore ? fore->RGB() : -1, row.fore);
    base::Result<ColorFormat> back = fill->BackColor();
    EXPECT_EQ(back ? back->RGB() : -1, row.back);
    EXPECT_EQ(Or(fill->GradientStyle(), 0), row.style);
    EXPECT_EQ(Or(fill->Pattern(), 0), row.pattern);
    // The program embeds its pictures: no file name is kept.
    EXPECT_FALSE(fill->TextureName());
  }
  const struct {
    int32_t follows;
    int32_t type;
    int32_t fore;
  } backgrounds[] = {
      {msoTrue, msoFillSolid, Ole(0xE2F0D9)},
      {msoFalse, msoFillSolid, Ole(0x00B0F0)},
      {msoFalse, msoFillGradient, Ole(0xFFFFFF)},
  };
  for (int32_t i = 0; i < 3; ++i) {
    SCOPED_TRACE(i + 1);
    base::Result<Slide*> slide = presentation.Slides().Item(i + 1);
    ASSERT_TRUE(slide);
    EXPECT_EQ((*slide)->FollowMasterBackground(), backgrounds[i].follows);
    base::Result<FillFormat> fill = (*slide)->Background().Fill();
    ASSERT_TRUE(fill) << fill.error().message;
    EXPECT_EQ(Or(fill->Type(), 0), backgrounds[i].type);
    EXPECT_EQ(fill->ForeColor()->RGB(), backgrounds[i].fore);
  }
  base::Result<FillFormat> gradient = (*presentation.Slides().Item(3))->Background().Fill();
  EXPECT_EQ(gradient->BackColor()->RGB(), Ole(0x4472C4));
  EXPECT_EQ(*gradient->GradientStyle(), 1);
  EXPECT_EQ(*gradient->GradientColorType(), msoGradientTwoColors);
}

}  // namespace
}  // namespace powerpoint
