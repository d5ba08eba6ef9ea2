// Parts an office suite wrote (testdata/README.md), read as the object models read them.
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "platform/office/common/palette.h"
#include "platform/office/drawingml/body.h"
#include "platform/office/drawingml/codes.h"
#include "platform/office/drawingml/effects.h"
#include "platform/office/drawingml/fill.h"
#include "platform/office/drawingml/line.h"
#include "platform/office/drawingml/text.h"
#include "platform/office/drawingml/theme.h"
#include "platform/office/drawingml/xml.h"

namespace drawingml {
namespace {

std::shared_ptr<pugi::xml_document> Load(const std::string& name) {
  std::ifstream file(std::string(KIRV_SOURCE_DIR) + "/platform/office/drawingml/testdata/" + name,
                     std::ios::binary);
  std::stringstream bytes;
  bytes << file.rdbuf();
  auto document = ParseXml(bytes.str());
  EXPECT_TRUE(document) << name << ": " << (document ? "" : document.error().message);
  return document ? *document : std::make_shared<pugi::xml_document>();
}

pugi::xml_node ShapeNamed(pugi::xml_node slide, std::string_view name) {
  pugi::xml_node tree = Child(Child(slide, "cSld"), "spTree");
  for (pugi::xml_node sp : tree.children()) {
    if (IsElement(sp, "sp") && Attr(Child(Child(sp, "nvSpPr"), "cNvPr"), "name").value() == name)
      return sp;
  }
  ADD_FAILURE() << "no shape " << name;
  return {};
}

class SuiteFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    themeDocument_ = Load("presentation_theme.xml");
    base::Result<Theme> theme = Theme::Read(*themeDocument_);
    ASSERT_TRUE(theme) << theme.error().message;
    theme_ = std::make_unique<Theme>(*theme);
    slide_ = Load("presentation_slide.xml");
  }

  Context context() const { return Context{theme_.get()}; }

  std::shared_ptr<pugi::xml_document> themeDocument_;
  std::unique_ptr<Theme> theme_;
  std::shared_ptr<pugi::xml_document> slide_;
};

TEST_F(SuiteFiles, Theme) {
  EXPECT_EQ(theme_->SlotColor(SchemeSlot::kAccent1), Color::FromRgb(0x4F81BD));
  EXPECT_EQ(theme_->Typeface("+mn-lt"), "Arial");
  EXPECT_EQ(theme_->Typeface("+mn-ea"), "DejaVu Sans");
  pugi::xml_document ref;
  ref.load_string(R"(<a:fillRef idx="2"><a:schemeClr val="accent1"/></a:fillRef>)");
  base::Result<Fill> fill = ResolveStyleFill(ref.document_element(), context());
  ASSERT_TRUE(fill) << fill.error().message;
  EXPECT_EQ(fill->kind, FillKind::kGradient);
  EXPECT_EQ(fill->stops.size(), 3u);
  EXPECT_EQ(MsoGradientOf(*fill)->style, 1);
  EXPECT_EQ(MsoGradientOf(*fill)->variant, 2);  // runs upwards
}

TEST_F(SuiteFiles, ShapeWithFillLineShadowAndText) {
  pugi::xml_node sp = ShapeNamed(slide_->document_element(), "Red box");
  pugi::xml_node spPr = Child(sp, "spPr");
  base::Result<Fill> fill = ReadFill(spPr, context());
  ASSERT_TRUE(fill);
  EXPECT_EQ(fill->color.Ole(), 0x0000FF);
  EXPECT_DOUBLE_EQ(fill->color.Transparency(), 0.5);

  pugi::xml_node style = Child(sp, "style");
  base::Result<Line> themeLine = ResolveStyleLine(Child(style, "lnRef"), context());
  ASSERT_TRUE(themeLine);
  base::Result<Line> line = ReadLine(Child(spPr, "ln"), context(), *themeLine);
  ASSERT_TRUE(line) << line.error().message;
  EXPECT_TRUE(line->Visible());
  EXPECT_NEAR(line->WidthPoints(), 2.83, 0.01);
  EXPECT_EQ(line->fill.color.Ole(), 0xFF0000);
  EXPECT_EQ(MsoLineDashStyleOf(*line), kMsoMixed);

  base::Result<Effects> effects = ReadEffects(spPr, context());
  ASSERT_TRUE(effects);
  ASSERT_NE(effects->ShownShadow(), nullptr);
  EXPECT_NEAR(effects->ShownShadow()->distancePt, 8.02, 0.01);
  EXPECT_EQ(MsoShadowTypeOf(*effects), 21);

  pugi::xml_node body = Child(sp, "txBody");
  pugi::xml_node paragraph = Child(body, "p");
  TextLevel run = ReadRunProperties(Child(Child(paragraph, "r"), "rPr")).value();
  TextLevel paragraphLevel = ReadParagraphProperties(Child(paragraph, "pPr")).value();
  TextLevel font = ReadFontReference(Child(style, "fontRef")).value();  // no colour in it
  base::Result<ResolvedText> text = ResolveText({&run, &paragraphLevel, &font}, context());
  ASSERT_TRUE(text) << text.error().message;
  EXPECT_DOUBLE_EQ(text->sizePt, 24);
  EXPECT_TRUE(text->bold && text->italic);
  EXPECT_EQ(text->underline, Underline::kSingle);
  EXPECT_EQ(text->color, Color::FromRgb(0x00AA00));
  EXPECT_EQ(text->latin, "Arial");
  EXPECT_EQ(text->alignment, Alignment::kCenter);
  EXPECT_EQ(ReadBodyProperties(Child(body, "bodyPr"))->leftInsetEmu, 108000);
}

TEST_F(SuiteFiles, GradientShapeAndLineOnlyShape) {
  pugi::xml_node oval = Child(ShapeNamed(slide_->document_element(), "Gradient oval"), "spPr");
  base::Result<Fill> gradient = ReadFill(oval, context());
  ASSERT_TRUE(gradient);
  EXPECT_EQ(MsoFillTypeOf(*gradient), 3);
  EXPECT_EQ(gradient->color, Color::FromRgb(0xFFFF00));
  EXPECT_EQ(gradient->background, Color::FromRgb(0x0000FF));
  EXPECT_EQ(MsoGradientOf(*gradient)->style, 1);
  EXPECT_FALSE(ReadLine(Child(oval, "ln"), context())->Visible());

  pugi::xml_node box = Child(ShapeNamed(slide_->document_element(), "Empty box"), "spPr");
  EXPECT_FALSE(ReadFill(box, context())->Visible());
  base::Result<Line> line = ReadLine(Child(box, "ln"), context());
  ASSERT_TRUE(line);
  EXPECT_EQ(line->fill.color, Color::FromRgb(0x00FF00));
  EXPECT_EQ(MsoLineDashStyleOf(*line), 1);
}

TEST(SuiteChart, ChartAreaBorderAndTitle) {
  std::shared_ptr<pugi::xml_document> chart = Load("spreadsheet_chart.xml");
  pugi::xml_node space = chart->document_element();
  Context context{&Theme::Default()};  // the workbook has no theme part

  pugi::xml_node area = Child(space, "spPr");
  base::Result<Fill> fill = ReadFill(area, context);
  ASSERT_TRUE(fill);
  EXPECT_EQ(XlChartFillTypeOf(&*fill), 1);
  EXPECT_EQ(fill->color, Color::FromRgb(0xFFFF99));
  EXPECT_EQ(office::Palette::Default().NearestIndex(fill->color.Ole()), 36);
  base::Result<Line> border = ReadLine(Child(area, "ln"), context);
  ASSERT_TRUE(border);
  EXPECT_EQ(XlLineStyleOf(*border), 1);
  EXPECT_EQ(XlBorderWeightOf(*border), -4138);
  EXPECT_EQ(office::Palette::Default().NearestIndex(border->fill.color.Ole()), 5);

  pugi::xml_node title = Child(Child(Child(space, "chart"), "title"), "tx");
  pugi::xml_node paragraph = Child(Child(title, "rich"), "p");
  TextLevel run = ReadRunProperties(Child(Child(paragraph, "r"), "rPr")).value();
  TextLevel defaults = ReadParagraphProperties(Child(paragraph, "pPr")).value();
  base::Result<ResolvedText> text = ResolveText({&run, &defaults}, context);
  ASSERT_TRUE(text);
  EXPECT_DOUBLE_EQ(text->sizePt, 16);
  EXPECT_TRUE(text->bold);
  EXPECT_EQ(office::Palette::Default().NearestIndex(text->color.Ole()), 3);

  pugi::xml_node plotArea = Child(Child(Child(space, "chart"), "plotArea"), "spPr");
  EXPECT_EQ(ReadFill(plotArea, context)->color, Color::FromRgb(0xD9D9D9));
}

}  // namespace
}  // namespace drawingml
