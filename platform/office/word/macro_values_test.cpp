// The values behind the macro interface's dialog fields, shown as the Chinese word processor's
// dialogs show them, and its formatting functions' 1 / 0 / -1.
#include "platform/office/word/macro_values.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/office/word/errors.h"
#include "platform/office/word/paragraphs.h"
#include "platform/office/word/testing/open_docx.h"

namespace word {
namespace {

using testing::DocxContent;
using testing::Para;
using testing::TextPara;
using testing::TextRun;

const char kStyles[] =
    R"(<w:docDefaults><w:rPrDefault><w:rPr><w:rFonts w:eastAsia="宋体"/><w:sz w:val="21"/></w:rPr></w:rPrDefault></w:docDefaults>)";

// Paragraphs: 0 "标题" (0-1, mark 2), 1 "正文内容" (3-6, mark 7), 2 the dropped "春" (8, mark 9),
// 3 "天来了" (10-12, mark 13).
DocxContent Sample() {
  DocxContent content;
  content.styles = kStyles;
  content.body =
      TextPara("标题",
               "<w:spacing w:before=\"156\" w:beforeLines=\"50\" w:after=\"240\" w:line=\"360\" "
               "w:lineRule=\"auto\"/><w:ind w:firstLineChars=\"200\" w:firstLine=\"420\"/>"
               "<w:jc w:val=\"center\"/>",
               "<w:rFonts w:eastAsia=\"黑体\"/><w:b/><w:sz w:val=\"32\"/>") +
      TextPara("正文内容",
               "<w:spacing w:line=\"400\" w:lineRule=\"exact\"/><w:ind w:left=\"1134\"/>",
               "<w:spacing w:val=\"20\"/><w:vertAlign w:val=\"superscript\"/>") +
      TextPara("春",
               "<w:framePr w:dropCap=\"drop\" w:lines=\"3\" w:hSpace=\"142\" w:wrap=\"around\" "
               "w:vAnchor=\"text\" w:hAnchor=\"text\"/>",
               "<w:rFonts w:ascii=\"隶书\" w:eastAsia=\"隶书\"/><w:sz w:val=\"84\"/>") +
      TextPara("天来了") + testing::SectPr("<w:cols w:num=\"2\" w:space=\"425\" w:sep=\"1\"/>");
  return content;
}

TEST(MacroValues, DialogFieldsAreShownAsTheDialogsShowThem) {
  auto o = testing::OpenDocx(Sample());
  Document& d = *o->document;
  struct Case {
    int32_t start, end;
    const char* dialog;
    const char* field;
    const char* text;  // nullptr: a number field
    int32_t number;
  } cases[] = {
      {0, 2, "FormatParagraph", "before", "0.5 行", 0},
      {0, 2, "FormatParagraph", "after", "12 磅", 0},
      {0, 2, "FormatParagraph", "firstindent", "2 字符", 0},
      {0, 2, "FormatParagraph", "LeftIndent", "0 厘米", 0},
      {0, 2, "FormatParagraph", "linespacing", "", 0},
      {0, 2, "formatparagraph", "linespacingrule", nullptr, wdLineSpace1pt5},
      {3, 5, "FormatParagraph", "LeftIndent", "2 厘米", 0},
      {3, 5, "FormatParagraph", "RightIndent", "0 厘米", 0},
      {3, 5, "FormatParagraph", "linespacing", "20 磅", 0},
      {3, 5, "FormatParagraph", "LineSpacingRule", nullptr, wdLineSpaceExactly},
      {0, 5, "FormatParagraph", "before", "", 0},  // lines against points: mixed
      {0, 5, "FormatParagraph", "LineSpacingRule", nullptr, -1},
      {0, 2, "FormatFont", "Font", "黑体", 0},
      {0, 2, "FormatFont", "Points", "16", 0},
      {3, 5, "FormatFont", "spacing", "1 磅", 0},
      {0, 2, "FormatFont", "spacing", "0 磅", 0},
      {3, 5, "FormatFont", "superscript", nullptr, 1},
      {3, 5, "FormatFont", "subscript", nullptr, 0},
      {1, 4, "FormatFont", "superscript", nullptr, -1},
      {1, 4, "FormatFont", "Font", "", 0},
      {0, 0, "FilePageSetup", "PageWidth", "21 厘米", 0},
      {0, 0, "FilePageSetup", "PageHeight", "29.7 厘米", 0},
      {0, 0, "FilePageSetup", "TopMargin", "2.54 厘米", 0},
      {0, 0, "FilePageSetup", "BottomMargin", "2.54 厘米", 0},
      {0, 0, "FilePageSetup", "LeftMargin", "3.17 厘米", 0},  // 90 pt: 3.175 in single precision
      {0, 0, "FilePageSetup", "RightMargin", "3.17 厘米", 0},
      {10, 12, "FormatDropCap", "Position", nullptr, wdDropNormal},
      {10, 12, "FormatDropCap", "DropHeight", "3", 0},
      {10, 12, "FormatDropCap", "Font", "隶书", 0},
      {10, 12, "FormatDropCap", "DistFromText", "0.25 厘米", 0},
      {3, 5, "FormatDropCap", "Position", nullptr, wdDropNone},
      {3, 5, "FormatDropCap", "DropHeight", "3", 0},
      {0, 0, "FormatColumns", "columns", "2", 0},
      {0, 0, "FormatColumns", "ColLine", nullptr, 1},
      {0, 0, "FormatColumns", "EvenlySpaced", nullptr, 1},
      {0, 0, "FormatColumns", "columnspacing", "0.75 厘米", 0},
      {0, 0, "FormatColumns", "columnwidth", "6.95 厘米", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.dialog) + "." + c.field + " at " + std::to_string(c.start));
    base::Result<vb::Variant> value =
        DialogField(Range(d, kMainStory, c.start, c.end), c.dialog, c.field, wdCentimeters);
    ASSERT_TRUE(value) << value.error().message;
    if (c.text != nullptr) {
      ASSERT_EQ(value->Type(), vb::VarType::String);
      EXPECT_EQ(value->Text(), c.text);
    } else {
      ASSERT_EQ(value->Type(), vb::VarType::Long);
      EXPECT_EQ(value->Number(), c.number);
    }
  }
  const Range all = d.Content();
  EXPECT_EQ(DialogField(all, "FilePageSetup", "LeftMargin", wdPoints)->Text(), "90 磅");
  EXPECT_EQ(DialogField(all, "FilePageSetup", "LeftMargin", wdInches)->Text(), "1.25 英寸");
  EXPECT_EQ(DialogField(all, "FilePageSetup", "TopMargin", wdMillimeters)->Text(), "25.4 毫米");
  EXPECT_EQ(DialogField(all, "FormatBorders", "x", wdCentimeters).error().code, kErrNotAvailable);
  EXPECT_EQ(DialogField(all, "FormatFont", "Kerning", wdCentimeters).error().code,
            kErrNotAvailable);
}

TEST(MacroValues, FormattingFunctionsAnswerOneZeroOrMixed) {
  auto o = testing::OpenDocx(Sample());
  Document& d = *o->document;
  const Range title(d, kMainStory, 0, 2);
  const Range body(d, kMainStory, 3, 7);
  const Range both(d, kMainStory, 0, 7);
  EXPECT_EQ(BoldState(title), 1);
  EXPECT_EQ(BoldState(body), 0);
  EXPECT_EQ(BoldState(both), -1);
  EXPECT_EQ(ItalicState(both), 0);
  EXPECT_EQ(UnderlineState(title), 0);
  EXPECT_EQ(ParagraphAlignmentState(title, wdAlignParagraphCenter), 1);
  EXPECT_EQ(ParagraphAlignmentState(title, wdAlignParagraphLeft), 0);
  EXPECT_EQ(ParagraphAlignmentState(both, wdAlignParagraphCenter), -1);
  EXPECT_EQ(ParagraphAlignmentState(body, wdAlignParagraphLeft), 1);
  EXPECT_EQ(FontSizeValue(title), 16.0f);
  EXPECT_EQ(FontSizeValue(body), 10.5f);
  EXPECT_EQ(FontSizeValue(both), 0.0f);
}

TEST(MacroValues, ADropCapIsAnsweredByItsFrameAndTheParagraphItStarts) {
  auto o = testing::OpenDocx(Sample());
  const Paragraphs paragraphs = o->document->Paragraphs();
  ASSERT_EQ(paragraphs.Count(), 4);
  for (int32_t i : {3, 4}) {
    const DropCap cap = paragraphs.Item(i)->DropCap();
    EXPECT_EQ(cap.Position(), wdDropNormal) << i;
    EXPECT_EQ(cap.LinesToDrop(), 3);
    EXPECT_EQ(cap.FontName(), "隶书");
    EXPECT_EQ(cap.DistanceFromText(), 7.1f);
  }
  const DropCap none = paragraphs.Item(2)->DropCap();
  EXPECT_EQ(none.Position(), wdDropNone);
  EXPECT_EQ(none.FontName(), "宋体");
  EXPECT_EQ(paragraphs.Item(5).error().code, kErrNoSuchMember);
}

}  // namespace
}  // namespace word
