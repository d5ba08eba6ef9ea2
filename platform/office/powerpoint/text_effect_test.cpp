// WordArt: the warp presets by their stored names, the fontwork LibreOffice Impress saved, the
// first run's font and the text, and the shapes that have no text to warp.
#include "platform/office/powerpoint/text_effect.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/office/powerpoint/constants.h"
#include "platform/office/powerpoint/errors.h"
#include "platform/office/powerpoint/testing/open_pptx.h"

namespace powerpoint {
namespace {

using testing::Box;
using testing::OpenPptx;

// A text box whose a:bodyPr holds `bodyPr` (a prstTxWarp) over `paragraphs`.
std::string Warped(int32_t id, std::string_view bodyPr, std::string_view paragraphs) {
  return "<p:sp><p:nvSpPr><p:cNvPr id=\"" + std::to_string(id) + "\" name=\"WordArt " +
         std::to_string(id) + R"("/><p:cNvSpPr txBox="1"/><p:nvPr/></p:nvSpPr><p:spPr>)" +
         testing::Xfrm(Box{}) +
         R"(<a:prstGeom prst="rect"><a:avLst/></a:prstGeom></p:spPr><p:txBody><a:bodyPr wrap="none">)" +
         std::string(bodyPr) + "</a:bodyPr><a:lstStyle/>" + std::string(paragraphs) +
         "</p:txBody></p:sp>";
}

std::string Warp(std::string_view preset) {
  return "<a:prstTxWarp prst=\"" + std::string(preset) + "\"><a:avLst/></a:prstTxWarp>";
}

TEST(TextEffect, WarpPresetsByTheirStoredNames) {
  const struct {
    const char* stored;  // prstTxWarp's prst; "" writes none
    int32_t number;      // 0: not available
  } rows[] = {
      {"textPlain", 1},        {"textStop", 2},    {"textArchUp", 9},
      {"textCircle", 11},      {"textWave4", 24},  {"textDeflateInflateDeflate", 32},
      {"textCascadeDown", 40}, {"textNoShape", 0}, {"", 0},
      {"textSpiral", 0},  // no such preset
  };
  std::string shapes;
  int32_t id = 2;
  for (const auto& row : rows) {
    shapes += Warped(id++, *row.stored ? Warp(row.stored) : "", testing::TextPara("Word"));
  }
  OpenPptx open(testing::OneSlide(shapes));
  ASSERT_NE(open.Get(), nullptr);
  for (int32_t i = 0; i < static_cast<int32_t>(std::size(rows)); ++i) {
    SCOPED_TRACE(rows[i].stored);
    Shape* shape = open.ShapeAt(1, i + 1);
    ASSERT_NE(shape, nullptr);
    base::Result<TextEffectFormat> effect = shape->TextEffect();
    ASSERT_TRUE(effect) << effect.error().message;
    base::Result<int32_t> preset = effect->PresetShape();
    if (rows[i].number == 0) {
      ASSERT_FALSE(preset);
      EXPECT_EQ(preset.error().code, kErrNotAvailable);
    } else {
      EXPECT_EQ(preset.value_or(0), rows[i].number);
    }
    // The gallery style is in no file.
    EXPECT_EQ(effect->PresetTextEffect().error().code, kErrNotAvailable);
  }
}

TEST(TextEffect, FontworkImpressSaved) {
  OpenPptx open(testing::SuiteFile("suite_lines.pptx"));
  ASSERT_NE(open.Get(), nullptr);
  base::Result<Slide*> slide = open.Get()->Slides().Item(2);
  ASSERT_TRUE(slide);
  const struct {
    const char* shape;
    int32_t preset;
    const char* text;
    const char* font;
    float size;
    int32_t bold;
    int32_t italic;
  } rows[] = {
      {"Arch 2", 9, "Arch Text", "Arial", 36, msoTrue, msoFalse},
      {"Wave 3", 21, "Wave Text", "Times New Roman", 28, msoFalse, msoTrue},
      {"Stop 4", 2, "Stop Text", "Arial", 24, msoFalse, msoFalse},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.shape);
    base::Result<Shape*> shape = (*slide)->Shapes().Item(row.shape);
    ASSERT_TRUE(shape);
    base::Result<TextEffectFormat> effect = (*shape)->TextEffect();
    ASSERT_TRUE(effect) << effect.error().message;
    EXPECT_EQ(effect->PresetShape().value_or(0), row.preset);
    EXPECT_EQ(effect->Text(), row.text);
    // The paragraph mark's "DejaVu Sans" is not the text's font.
    EXPECT_EQ(effect->FontName().value_or("?"), row.font);
    EXPECT_FLOAT_EQ(effect->FontSize().value_or(0), row.size);
    EXPECT_EQ(effect->FontBold().value_or(99), row.bold);
    EXPECT_EQ(effect->FontItalic().value_or(99), row.italic);
  }
}

TEST(TextEffect, TheFirstRunsFontAndTheWholeText) {
  const std::string shapes =
      Warped(2, Warp("textInflate"),
             testing::Para(testing::Run("Big", R"(sz="4000" b="1" i="1")",
                                        R"(<a:latin typeface="Impact"/>)") +
                           testing::Run(" small", R"(sz="1000")")) +
                 testing::TextPara("second")) +
      // No run at all: the paragraph end's font, through the master's defaults.
      Warped(3, Warp("textPlain"), R"(<a:p><a:endParaRPr sz="2000" i="1"/></a:p>)") +
      testing::Picture(4, "Picture", Box{});
  OpenPptx open(testing::OneSlide(shapes));
  ASSERT_NE(open.Get(), nullptr);

  base::Result<TextEffectFormat> mixed = open.ShapeAt(1, 1)->TextEffect();
  ASSERT_TRUE(mixed);
  EXPECT_EQ(mixed->Text(), "Big small\rsecond");
  EXPECT_EQ(mixed->FontName().value_or("?"), "Impact");
  EXPECT_FLOAT_EQ(mixed->FontSize().value_or(0), 40);
  EXPECT_EQ(mixed->FontBold().value_or(0), msoTrue);
  EXPECT_EQ(mixed->FontItalic().value_or(0), msoTrue);
  EXPECT_EQ(mixed->PresetShape().value_or(0), 25);

  base::Result<TextEffectFormat> empty = open.ShapeAt(1, 2)->TextEffect();
  ASSERT_TRUE(empty);
  EXPECT_EQ(empty->Text(), "");
  EXPECT_FLOAT_EQ(empty->FontSize().value_or(0), 20);
  EXPECT_EQ(empty->FontItalic().value_or(0), msoTrue);
  EXPECT_EQ(empty->FontBold().value_or(99), msoFalse);

  base::Result<TextEffectFormat> picture = open.ShapeAt(1, 3)->TextEffect();
  ASSERT_FALSE(picture);
  EXPECT_EQ(picture.error().code, kErrNotAvailable);
}

TEST(TextEffect, AnUnreadableBodyFailsOnlyThePresetShape) {
  std::string shape = Warped(2, Warp("textArchUp"), testing::TextPara("Arch"));
  shape.replace(shape.find("wrap=\"none\""), 11, "lIns=\"wide\"");
  OpenPptx open(testing::OneSlide(shape));
  ASSERT_NE(open.Get(), nullptr);
  base::Result<TextEffectFormat> effect = open.ShapeAt(1, 1)->TextEffect();
  ASSERT_TRUE(effect);
  ASSERT_FALSE(effect->PresetShape());
  EXPECT_EQ(effect->PresetShape().error().code, kErrUnreadable);
  EXPECT_EQ(effect->Text(), "Arch");
}

}  // namespace
}  // namespace powerpoint
