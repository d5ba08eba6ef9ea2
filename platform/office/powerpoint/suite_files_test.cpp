// The presentations LibreOffice Impress saved (testdata/), read against what the object model
// must answer for each slide and shape (testing/presentation_reference.h).
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/office/powerpoint/application.h"
#include "platform/office/powerpoint/testing/open_pptx.h"
#include "platform/office/powerpoint/testing/presentation_reference.h"

namespace powerpoint {
namespace {

using testing::ParagraphReference;
using testing::PresentationReference;
using testing::ShapeReference;

// Paragraph i's text without its closing CR.
std::string ParagraphText(const TextRange& paragraph) {
  std::string text = paragraph.Text();
  if (!text.empty() && text.back() == '\r') text.pop_back();
  return text;
}

void ExpectParagraph(const TextRange& all, int32_t index, const ParagraphReference& expected) {
  base::Result<TextRange> paragraph = all.Paragraphs(index);
  ASSERT_TRUE(paragraph);
  EXPECT_EQ(ParagraphText(*paragraph), expected.text);
  EXPECT_EQ(paragraph->ParagraphFormat().Alignment().value_or(0), expected.alignment);
  const Font font = paragraph->Font();
  EXPECT_EQ(font.Name().value_or("?"), expected.font.name);
  if (expected.font.name_far_east) {
    EXPECT_EQ(font.NameFarEast().value_or("?"), *expected.font.name_far_east);
  }
  EXPECT_FLOAT_EQ(font.Size().value_or(-1), static_cast<float>(expected.font.size));
  EXPECT_EQ(font.Bold().value_or(99), expected.font.bold);
  EXPECT_EQ(font.Italic().value_or(99), expected.font.italic);
  EXPECT_EQ(font.Underline().value_or(99), expected.font.underline);
  base::Result<ColorFormat> color = font.Color();
  ASSERT_TRUE(color);
  EXPECT_EQ(color->RGB(), expected.font.color);
}

void ExpectShape(const Shape& shape, const ShapeReference& expected) {
  SCOPED_TRACE(std::string(expected.name));
  EXPECT_EQ(shape.Name(), expected.name);
  EXPECT_EQ(shape.Type(), expected.type);
  EXPECT_EQ(shape.AutoShapeType().value_or(0), expected.auto_shape_type);
  base::Result<PlaceholderFormat> placeholder = shape.PlaceholderFormat();
  EXPECT_EQ(static_cast<bool>(placeholder), expected.placeholder_type.has_value());
  if (placeholder && expected.placeholder_type) {
    EXPECT_EQ(placeholder->Type(), *expected.placeholder_type);
  }
  EXPECT_FLOAT_EQ(shape.Left().value_or(-1), static_cast<float>(expected.left));
  EXPECT_FLOAT_EQ(shape.Top().value_or(-1), static_cast<float>(expected.top));
  EXPECT_FLOAT_EQ(shape.Width().value_or(-1), static_cast<float>(expected.width));
  EXPECT_FLOAT_EQ(shape.Height().value_or(-1), static_cast<float>(expected.height));
  EXPECT_EQ(shape.HasTextFrame(), expected.has_text_frame ? msoTrue : msoFalse);
  if (expected.has_text_frame) {
    base::Result<TextFrame> frame = shape.TextFrame();
    ASSERT_TRUE(frame);
    const TextRange all = frame->TextRange();
    EXPECT_EQ(all.Text(), expected.text);
    for (size_t i = 0; i < expected.paragraphs.size(); ++i)
      ExpectParagraph(all, static_cast<int32_t>(i + 1), expected.paragraphs[i]);
  }
  base::Result<const Shapes*> items = shape.GroupItems();
  EXPECT_EQ(static_cast<bool>(items), !expected.group_items.empty());
  if (!items) return;
  ASSERT_EQ((*items)->Count(), static_cast<int32_t>(expected.group_items.size()));
  for (size_t i = 0; i < expected.group_items.size(); ++i)
    ExpectShape(**(*items)->Item(static_cast<int32_t>(i + 1)), expected.group_items[i]);
}

TEST(SuiteFiles, AnswerWhatTheReferenceSays) {
  for (const PresentationReference& reference : testing::kPresentations) {
    SCOPED_TRACE(std::string(reference.file));
    Application app;
    base::Result<Presentation*> opened = app.Presentations().Open(
        std::string("C:\\") + std::string(reference.file), testing::SuiteFile(reference.file));
    ASSERT_TRUE(opened) << opened.error().message;
    const Presentation& presentation = **opened;
    EXPECT_FLOAT_EQ(presentation.SlideWidth(), static_cast<float>(reference.slide_width));
    EXPECT_FLOAT_EQ(presentation.SlideHeight(), static_cast<float>(reference.slide_height));
    ASSERT_EQ(presentation.Slides().Count(), static_cast<int32_t>(reference.slides.size()));
    for (size_t s = 0; s < reference.slides.size(); ++s) {
      SCOPED_TRACE("slide " + std::to_string(s + 1));
      const auto& expected = reference.slides[s];
      const Slide& slide = **presentation.Slides().Item(static_cast<int32_t>(s + 1));
      EXPECT_EQ(slide.SlideID(), expected.slide_id);
      EXPECT_EQ(slide.Layout().value_or(0), expected.layout);
      base::Result<const CustomLayout*> layout = slide.CustomLayout();
      ASSERT_TRUE(layout);
      EXPECT_EQ((*layout)->Name(), expected.layout_name);
      ASSERT_EQ(slide.Shapes().Count(), static_cast<int32_t>(expected.shapes.size()));
      for (size_t i = 0; i < expected.shapes.size(); ++i)
        ExpectShape(**slide.Shapes().Item(static_cast<int32_t>(i + 1)), expected.shapes[i]);
    }
  }
}

}  // namespace
}  // namespace powerpoint
