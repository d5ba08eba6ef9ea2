// Run and paragraph properties through direct formatting, character style, paragraph style
// chain, table style, list level, theme and defaults, and what a range answers when they differ.
#include "platform/office/word/formatting.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/office/drawingml/testing/fixtures.h"
#include "platform/office/word/application.h"
#include "platform/office/word/errors.h"
#include "platform/office/word/font.h"
#include "platform/office/word/paragraph_format.h"
#include "platform/office/word/testing/docx_writer.h"

namespace word {
namespace {

using testing::DocxContent;
using testing::Para;
using testing::TextPara;
using testing::TextRun;

const char kStyles[] =
    R"(<w:docDefaults><w:rPrDefault><w:rPr><w:rFonts w:ascii="Times New Roman" w:hAnsi="Times New Roman" w:eastAsia="宋体"/><w:sz w:val="21"/></w:rPr></w:rPrDefault>)"
    R"(<w:pPrDefault><w:pPr><w:spacing w:after="0"/></w:pPr></w:pPrDefault></w:docDefaults>)"
    R"(<w:style w:type="paragraph" w:default="1" w:styleId="a"><w:name w:val="Normal"/></w:style>)"
    R"(<w:style w:type="paragraph" w:styleId="Base"><w:name w:val="Base"/><w:basedOn w:val="a"/>)"
    R"(<w:pPr><w:jc w:val="center"/></w:pPr><w:rPr><w:b/><w:color w:val="FF0000"/></w:rPr></w:style>)"
    R"(<w:style w:type="paragraph" w:styleId="Derived"><w:name w:val="Derived"/><w:basedOn w:val="Base"/>)"
    R"(<w:pPr><w:ind w:left="420"/></w:pPr><w:rPr><w:sz w:val="28"/></w:rPr></w:style>)"
    R"(<w:style w:type="character" w:styleId="Emph"><w:name w:val="Emph"/>)"
    R"(<w:rPr><w:b/><w:i/><w:u w:val="single"/></w:rPr></w:style>)"
    R"(<w:style w:type="paragraph" w:styleId="Loop1"><w:name w:val="Loop1"/><w:basedOn w:val="Loop2"/>)"
    R"(<w:rPr><w:sz w:val="30"/></w:rPr></w:style>)"
    R"(<w:style w:type="paragraph" w:styleId="Loop2"><w:name w:val="Loop2"/><w:basedOn w:val="Loop1"/>)"
    R"(<w:rPr><w:i/></w:rPr></w:style>)"
    R"(<w:style w:type="table" w:default="1" w:styleId="TableNormal"><w:name w:val="Normal Table"/></w:style>)"
    R"(<w:style w:type="table" w:styleId="Grid"><w:name w:val="Table Grid"/><w:basedOn w:val="TableNormal"/>)"
    R"(<w:pPr><w:jc w:val="right"/></w:pPr><w:rPr><w:color w:val="0000FF"/></w:rPr></w:style>)";

const char kNumbering[] =
    R"(<w:abstractNum w:abstractNumId="0"><w:lvl w:ilvl="0"><w:pPr><w:ind w:left="720" w:hanging="360"/></w:pPr></w:lvl></w:abstractNum>)"
    R"(<w:num w:numId="1"><w:abstractNumId w:val="0"/></w:num>)";

struct Expected {
  const char* name;
  std::string paragraph;  // a whole w:p, or a table of one cell
  const char* fontName;
  float size;
  int32_t bold;
  int32_t italic;
  int32_t color;
  int32_t alignment;
  float leftIndent;
};

constexpr int32_t kRed = 255;  // automation colours: red in the low byte
constexpr int32_t kBlue = 0xFF0000;
constexpr int32_t kMixed = wdUndefined;

TEST(Formatting, RunAndParagraphPropertiesResolveThroughEveryLevel) {
  const Expected cases[] = {
      {"document defaults", TextPara("abc"), "Times New Roman", 10.5f, 0, 0, wdColorAutomatic,
       wdAlignParagraphLeft, 0},
      {"East Asian text takes the East Asian font", TextPara("中文"), "宋体", 10.5f, 0, 0,
       wdColorAutomatic, wdAlignParagraphLeft, 0},
      {"paragraph style with its chain", TextPara("abc", "<w:pStyle w:val=\"Derived\"/>"),
       "Times New Roman", 14, kTrue, 0, kRed, wdAlignParagraphCenter, 21},
      {"a character style switches the paragraph style's bold off",
       Para(TextRun("abc", "<w:rStyle w:val=\"Emph\"/>"), "<w:pStyle w:val=\"Derived\"/>"),
       "Times New Roman", 14, 0, kTrue, kRed, wdAlignParagraphCenter, 21},
      {"direct formatting sets outright",
       Para(TextRun("abc", "<w:rStyle w:val=\"Emph\"/><w:b/><w:sz w:val=\"40\"/>"),
            "<w:pStyle w:val=\"Derived\"/><w:jc w:val=\"both\"/>"),
       "Times New Roman", 20, kTrue, kTrue, kRed, wdAlignParagraphJustify, 21},
      {"a direct off beats a style's on",
       Para(TextRun("abc", "<w:b w:val=\"0\"/>"), "<w:pStyle w:val=\"Base\"/>"), "Times New Roman",
       10.5f, 0, 0, kRed, wdAlignParagraphCenter, 0},
      {"runs that differ answer wdUndefined and an empty name",
       Para(TextRun("ab", "<w:b/><w:rFonts w:ascii=\"Arial\"/>") + TextRun("cd")), "", 10.5f,
       kMixed, 0, wdColorAutomatic, wdAlignParagraphLeft, 0},
      {"blanks between East Asian text do not make the name mixed", TextPara("标题 文字"), "宋体",
       10.5f, 0, 0, wdColorAutomatic, wdAlignParagraphLeft, 0},
      {"styles based on each other in a loop", TextPara("abc", "<w:pStyle w:val=\"Loop1\"/>"),
       "Times New Roman", 15, 0, kTrue, wdColorAutomatic, wdAlignParagraphLeft, 0},
      {"theme fonts", Para(TextRun("abc", "<w:rFonts w:asciiTheme=\"minorHAnsi\"/>")), "Calibri",
       10.5f, 0, 0, wdColorAutomatic, wdAlignParagraphLeft, 0},
      {"an East Asian theme font through its script",
       Para(TextRun("中", "<w:rFonts w:eastAsiaTheme=\"majorEastAsia\"/>")), "黑体", 10.5f, 0, 0,
       wdColorAutomatic, wdAlignParagraphLeft, 0},
      {"a table's style lies under the paragraph's",
       testing::Table({{"x"}}, "<w:tblStyle w:val=\"Grid\"/>"), "Times New Roman", 10.5f, 0, 0,
       kBlue, wdAlignParagraphRight, 0},
      {"a list level's indent",
       TextPara("abc", "<w:numPr><w:ilvl w:val=\"0\"/><w:numId w:val=\"1\"/></w:numPr>"),
       "Times New Roman", 10.5f, 0, 0, wdColorAutomatic, wdAlignParagraphLeft, 36},
      {"a paragraph's own indent beats its list level's",
       TextPara(
           "abc",
           "<w:numPr><w:ilvl w:val=\"0\"/><w:numId w:val=\"1\"/></w:numPr><w:ind w:left=\"0\"/>"),
       "Times New Roman", 10.5f, 0, 0, wdColorAutomatic, wdAlignParagraphLeft, 0},
      {"an indent in characters", TextPara("abc", "<w:ind w:leftChars=\"200\" w:left=\"400\"/>"),
       "Times New Roman", 10.5f, 0, 0, wdColorAutomatic, wdAlignParagraphLeft, 21},
  };
  DocxContent content;
  content.styles = kStyles;
  content.numbering = kNumbering;
  content.theme = std::string(drawingml::testing::kTheme);
  for (const Expected& c : cases) content.body += c.paragraph + TextPara("");
  base::Result<std::string> bytes = testing::DocxBytes(content);
  ASSERT_TRUE(bytes) << bytes.error().message;
  Application app;
  base::Result<Document*> opened = app.Documents().OpenBytes("styles.docx", *bytes);
  ASSERT_TRUE(opened) << opened.error().message;
  Document& document = **opened;
  const Story& story = document.StoryAt(kMainStory);
  // Each case is the next paragraph that holds text (empty ones and row marks separate them).
  std::vector<const ParagraphSpan*> texts;
  for (const ParagraphSpan& p : story.Paragraphs()) {
    if (p.rowEnd < 0 && p.end - p.start > 1) texts.push_back(&p);
  }
  ASSERT_EQ(texts.size(), std::size(cases));
  for (size_t i = 0; i < texts.size(); ++i) {
    const Expected& c = cases[i];
    SCOPED_TRACE(c.name);
    const Range range(document, kMainStory, texts[i]->start, texts[i]->end - 1);
    const Font font = range.Font();
    EXPECT_EQ(*font.Name(), c.fontName);
    EXPECT_EQ(*font.Size(), c.size);
    EXPECT_EQ(*font.Bold(), c.bold);
    EXPECT_EQ(*font.Italic(), c.italic);
    EXPECT_EQ(*font.Color(), c.color);
    EXPECT_EQ(*range.ParagraphFormat().Alignment(), c.alignment);
    EXPECT_EQ(*range.ParagraphFormat().LeftIndent(), c.leftIndent);
  }
}

TEST(Formatting, AnInsertionPointReadsTheCharacterBeforeIt) {
  DocxContent content;
  content.body = Para(TextRun("粗", "<w:b/>") + TextRun("细")) + TextPara("x");
  Application app;
  Document& document = **app.Documents().OpenBytes("a.docx", *testing::DocxBytes(content));
  struct Case {
    int32_t at;
    int32_t bold;
  } cases[] = {{0, kTrue}, {1, kTrue}, {2, 0}, {3, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.at);
    EXPECT_EQ(*Range(document, kMainStory, c.at, c.at).Font().Bold(), c.bold);
  }
  // The whole paragraph with its mark reads as its text: mixed.
  EXPECT_EQ(*Range(document, kMainStory, 0, 3).Font().Bold(), wdUndefined);
  EXPECT_EQ(*Range(document, kMainStory, 0, 1).Font().Name(), "宋体");
}

TEST(Formatting, CharacterFormattingValuesAreTheObjectModelsNumbers) {
  DocxContent content;
  content.body = Para(TextRun(
      "x",
      "<w:u w:val=\"double\" w:color=\"FF0000\"/><w:color w:val=\"00FF00\"/>"
      "<w:effect w:val=\"shimmer\"/><w:em w:val=\"dot\"/><w:w w:val=\"150\"/><w:shadow/>"
      "<w:spacing w:val=\"-20\"/><w:vertAlign w:val=\"subscript\"/><w:highlight w:val=\"yellow\"/>"
      "<w:shd w:val=\"pct25\" w:color=\"auto\" w:fill=\"FFFF00\"/>"
      "<w:bdr w:val=\"double\" w:sz=\"12\" w:color=\"0000FF\" w:shadow=\"1\"/>"));
  Application app;
  Document& document = **app.Documents().OpenBytes("a.docx", *testing::DocxBytes(content));
  const Font font = Range(document, kMainStory, 0, 1).Font();
  EXPECT_EQ(*font.Underline(), wdUnderlineDouble);
  EXPECT_EQ(*font.UnderlineColor(), 255);
  EXPECT_EQ(*font.Color(), 0x00FF00);
  EXPECT_EQ(*font.ColorIndex(), wdBrightGreen);
  EXPECT_EQ(*font.Animation(), wdAnimationShimmer);
  EXPECT_EQ(*font.EmphasisMark(), wdEmphasisMarkOverSolidCircle);
  EXPECT_EQ(*font.Scaling(), 150);
  EXPECT_EQ(*font.Shadow(), kTrue);
  EXPECT_EQ(*font.Spacing(), -1.0f);
  EXPECT_EQ(*font.Subscript(), kTrue);
  EXPECT_EQ(*font.Superscript(), 0);
  EXPECT_EQ(*font.HighlightColorIndex(), wdYellow);
  const Shading shading = *font.Shading();
  EXPECT_EQ(*shading.Texture(), wdTexture25Percent);
  EXPECT_EQ(*shading.ForegroundPatternColor(), wdColorAutomatic);
  EXPECT_EQ(*shading.BackgroundPatternColor(), 0x00FFFF);
  EXPECT_EQ(*shading.BackgroundPatternColorIndex(), wdYellow);
  const Border border = *font.Borders(1);
  EXPECT_EQ(*border.LineStyle(), wdLineStyleDouble);
  EXPECT_EQ(*border.LineWidth(), wdLineWidth150pt);
  EXPECT_EQ(*border.Color(), kBlue);
  EXPECT_EQ(*border.ColorIndex(), wdBlue);
  EXPECT_EQ(*font.BordersShadow(), kTrue);
  EXPECT_EQ(font.Borders(5).error().code, kErrNoSuchMember);
  // A colour outside the 16 of the index answers wdUndefined.
  content.body = Para(TextRun("x", "<w:color w:val=\"123456\"/>"));
  Document& other = **app.Documents().OpenBytes("b.docx", *testing::DocxBytes(content));
  EXPECT_EQ(*Range(other, kMainStory, 0, 1).Font().ColorIndex(), wdUndefined);
}

TEST(Formatting, LineSpacingAndItsRule) {
  struct Case {
    const char* spacing;
    int32_t rule;
    float points;
  } cases[] = {{"", wdLineSpaceSingle, 12},
               {"w:line=\"240\" w:lineRule=\"auto\"", wdLineSpaceSingle, 12},
               {"w:line=\"360\" w:lineRule=\"auto\"", wdLineSpace1pt5, 18},
               {"w:line=\"480\"", wdLineSpaceDouble, 24},
               {"w:line=\"720\" w:lineRule=\"auto\"", wdLineSpaceMultiple, 36},
               {"w:line=\"400\" w:lineRule=\"exact\"", wdLineSpaceExactly, 20},
               {"w:line=\"300\" w:lineRule=\"atLeast\"", wdLineSpaceAtLeast, 15}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.spacing);
    DocxContent content;
    content.body = TextPara("x", std::string("<w:spacing ") + c.spacing + "/>");
    Application app;
    Document& document = **app.Documents().OpenBytes("a.docx", *testing::DocxBytes(content));
    const ParagraphFormat format = Range(document, kMainStory, 0, 1).ParagraphFormat();
    EXPECT_EQ(*format.LineSpacingRule(), c.rule);
    EXPECT_EQ(*format.LineSpacing(), c.points);
  }
}

TEST(Formatting, IndentsAndSpacingInCharactersAndLines) {
  DocxContent content;
  // A character is the paragraph's font size: 10.5 pt here.
  content.styles = kStyles;
  content.body = TextPara("x",
                          "<w:spacing w:before=\"156\" w:beforeLines=\"50\" w:after=\"240\"/>"
                          "<w:ind w:firstLineChars=\"200\" w:firstLine=\"420\" w:right=\"567\"/>") +
                 TextPara("y", "<w:ind w:hangingChars=\"100\" w:hanging=\"210\"/>");
  Application app;
  Document& document = **app.Documents().OpenBytes("a.docx", *testing::DocxBytes(content));
  const ParagraphFormat first = Range(document, kMainStory, 0, 1).ParagraphFormat();
  EXPECT_EQ(*first.CharacterUnitFirstLineIndent(), 2.0f);
  EXPECT_EQ(*first.FirstLineIndent(), 21.0f);
  EXPECT_EQ(*first.RightIndent(), 28.35f);
  EXPECT_EQ(*first.CharacterUnitRightIndent(), 0.0f);
  EXPECT_EQ(*first.SpaceBefore(), 7.8f);
  EXPECT_EQ(*first.LineUnitBefore(), 0.5f);
  EXPECT_EQ(*first.SpaceAfter(), 12.0f);
  const ParagraphFormat second = Range(document, kMainStory, 2, 3).ParagraphFormat();
  EXPECT_EQ(*second.FirstLineIndent(), -10.5f);
  EXPECT_EQ(*second.CharacterUnitFirstLineIndent(), -1.0f);
  // Both paragraphs: the first-line indents differ, the left ones do not.
  const ParagraphFormat both = Range(document, kMainStory, 0, 3).ParagraphFormat();
  EXPECT_EQ(*both.FirstLineIndent(), static_cast<float>(wdUndefined));
  EXPECT_EQ(*both.LeftIndent(), 0.0f);
}

}  // namespace
}  // namespace word
