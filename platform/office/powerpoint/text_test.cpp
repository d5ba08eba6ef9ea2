// The text model (characters, Find, Characters, Paragraphs) and fonts resolved through the
// inheritance chain.
#include <gtest/gtest.h>

#include "platform/office/powerpoint/constants.h"
#include "platform/office/powerpoint/testing/open_pptx.h"

namespace powerpoint {
namespace {

using testing::Box;
using testing::OpenPptx;

constexpr Box kBox{0, 0, 1270000, 1270000};

TextRange RangeOf(const Shape* shape) {
  EXPECT_NE(shape, nullptr);
  base::Result<TextFrame> frame = shape->TextFrame();
  EXPECT_TRUE(frame);
  return frame->TextRange();
}

TEST(Text, ParagraphsJoinWithCarriageReturnAndBreaksAreCharacterEleven) {
  const std::string paragraphs =
      testing::Para(testing::Run("One") + "<a:br><a:rPr lang=\"en-US\"/></a:br>" +
                    testing::Run("two")) +
      testing::Para(
          R"(<a:fld id="{1}" type="slidenum"><a:rPr lang="en-US"/><a:t>7</a:t></a:fld>)") +
      testing::TextPara("三");
  OpenPptx open(testing::OneSlide(testing::TextBox(2, "T", kBox, paragraphs)));
  TextRange all = RangeOf(open.ShapeAt(1, 1));
  EXPECT_EQ(all.Text(), "One\vtwo\r7\r三");
  EXPECT_EQ(all.Length(), 11);
  EXPECT_EQ(all.ParagraphCount(), 3);
  struct Row {
    const char* name;
    int32_t start, length;
    const char* expected;
  } paragraphRows[] = {
      {"first with its CR", 1, 1, "One\vtwo\r"},
      {"second and third", 2, 2, "7\r三"},
      {"last without CR", 3, 1, "三"},
      {"past the last", 4, 1, ""},
  };
  for (const Row& row : paragraphRows) {
    SCOPED_TRACE(row.name);
    base::Result<TextRange> range = all.Paragraphs(row.start, row.length);
    ASSERT_TRUE(range);
    EXPECT_EQ(range->Text(), row.expected);
  }
  EXPECT_FALSE(all.Paragraphs(0));
}

TEST(Text, CharactersAndFind) {
  OpenPptx open(testing::OneSlide(
      testing::TextBox(2, "T", kBox, testing::TextPara("Hello World, hello 世界"))));
  TextRange all = RangeOf(open.ShapeAt(1, 1));
  struct CharRow {
    const char* name;
    int32_t start, length;
    const char* expected;
  } charRows[] = {
      {"inside", 7, 5, "World"},
      {"East Asian characters count one each", 20, 2, "世界"},
      {"length past the end stops there", 20, 10, "世界"},
      {"start past the end is empty", 40, 3, ""},
  };
  for (const CharRow& row : charRows) {
    SCOPED_TRACE(row.name);
    base::Result<TextRange> range = all.Characters(row.start, row.length);
    ASSERT_TRUE(range);
    EXPECT_EQ(range->Text(), row.expected);
  }
  EXPECT_FALSE(all.Characters(0, 1));

  struct FindRow {
    const char* name;
    const char* what;
    bool matchCase, wholeWords;
    int32_t start;  // 0: not found
  } findRows[] = {
      {"case ignored by default", "WORLD", false, false, 7},
      {"first occurrence", "hello", false, false, 1},
      {"matching case", "hello", true, false, 14},
      {"East Asian text", "世界", false, false, 20},
      {"absent", "planet", false, false, 0},
      {"empty never found", "", false, false, 0},
      {"part of a word", "orl", false, false, 8},
      {"whole words only", "orl", false, true, 0},
  };
  for (const FindRow& row : findRows) {
    SCOPED_TRACE(row.name);
    std::optional<TextRange> found = all.Find(row.what, 0, row.matchCase, row.wholeWords);
    if (row.start == 0) {
      EXPECT_FALSE(found);
      continue;
    }
    ASSERT_TRUE(found);
    EXPECT_EQ(found->Start(), row.start);
  }
  std::optional<TextRange> after = all.Find("hello", 1);
  ASSERT_TRUE(after);
  EXPECT_EQ(after->Start(), 14);
  EXPECT_EQ(after->Text(), "hello");
}

TEST(Text, HasTextOnlyWithCharacters) {
  OpenPptx open(
      testing::OneSlide(testing::TextBox(2, "Empty", kBox, "") +
                        testing::TextBox(3, "Two empty paragraphs", kBox, "<a:p/><a:p/>") +
                        testing::TextBox(4, "Full", kBox, testing::TextPara("x"))));
  EXPECT_EQ((*open.ShapeAt(1, 1)->TextFrame()).HasText(), msoFalse);
  EXPECT_EQ((*open.ShapeAt(1, 2)->TextFrame()).HasText(), msoTrue);
  EXPECT_EQ((*open.ShapeAt(1, 3)->TextFrame()).HasText(), msoTrue);
}

// What the first paragraph's font reports in a shape.
struct FontSeen {
  std::string name, farEast;
  float size = 0;
  int32_t bold = 0, italic = 0, underline = 0, rgb = -1, alignment = 0;
};

FontSeen SeeFont(const Shape* shape) {
  TextRange range = RangeOf(shape);
  Font font = range.Font();
  FontSeen seen;
  seen.name = font.Name().value_or("?");
  seen.farEast = font.NameFarEast().value_or("?");
  seen.size = font.Size().value_or(-1.0f);
  seen.bold = font.Bold().value_or(99);
  seen.italic = font.Italic().value_or(99);
  seen.underline = font.Underline().value_or(99);
  base::Result<ColorFormat> color = font.Color();
  seen.rgb = color ? color->RGB() : -1;
  seen.alignment = range.ParagraphFormat().Alignment().value_or(99);
  return seen;
}

TEST(Text, FontsResolveThroughTheInheritanceChain) {
  const std::string shapes =
      testing::Placeholder(2, "Title", R"(type="title")", nullptr, testing::TextPara("T")) +
      testing::Placeholder(3, "Body", R"(idx="1")", nullptr, testing::TextPara("B")) +
      testing::Placeholder(4, "Body level 2", R"(idx="1")", nullptr,
                           testing::Para(testing::Run("B2"), R"(lvl="1")")) +
      testing::TextBox(5, "Text box", kBox, testing::TextPara("X")) +
      testing::TextBox(
          6, "Own run", kBox,
          testing::Para(
              testing::Run(
                  "R", R"(sz="1050" b="1" i="1" u="sng")",
                  R"(<a:solidFill><a:srgbClr val="FF0000"/></a:solidFill><a:latin typeface="Arial"/><a:ea typeface="黑体"/>)"),
              R"(algn="r")")) +
      testing::AutoShape(7, "Styled", "rect", kBox, testing::TextPara("S")) +
      testing::Placeholder(
          8, "Own list", R"(idx="1")", nullptr, testing::TextPara("L"),
          R"(<a:lvl1pPr algn="just"><a:defRPr sz="1200"><a:solidFill><a:schemeClr val="accent1"/></a:solidFill></a:defRPr></a:lvl1pPr>)");
  testing::PptxContent content = testing::OneSlide(shapes);
  content.slides.push_back(testing::SlideXml{
      testing::Placeholder(2, "Centred", R"(type="ctrTitle")", nullptr, testing::TextPara("C")) +
          testing::Placeholder(3, "Sub", R"(type="subTitle" idx="1")", nullptr,
                               testing::TextPara("s")),
      0});
  OpenPptx open(content);
  ASSERT_NE(open.Get(), nullptr);
  struct Row {
    const char* name;
    int32_t slide, shape;
    FontSeen expected;
  } rows[] = {
      {"title from the master's title style",
       1,
       1,
       {"Calibri Light", "等线 Light", 44, msoFalse, msoFalse, msoFalse, 0, ppAlignLeft}},
      {"body from the master's body style",
       1,
       2,
       {"Calibri", "等线", 28, msoFalse, msoFalse, msoFalse, 0, ppAlignLeft}},
      {"second level of the body style",
       1,
       3,
       {"Calibri", "等线", 24, msoFalse, msoFalse, msoFalse, 0, ppAlignLeft}},
      {"text box from the presentation's defaults",
       1,
       4,
       {"Calibri", "等线", 18, msoFalse, msoFalse, msoFalse, 0, ppAlignLeft}},
      {"the run's own",
       1,
       5,
       {"Arial", "黑体", 10.5f, msoTrue, msoTrue, msoTrue, 0x0000FF, ppAlignRight}},
      {"a shape style's font reference",
       1,
       6,
       {"Calibri", "等线", 18, msoFalse, msoFalse, msoFalse, 0xFFFFFF, ppAlignLeft}},
      {"the slide placeholder's list style",
       1,
       7,
       {"Calibri", "等线", 12, msoFalse, msoFalse, msoFalse, 0xC47244, ppAlignJustify}},
      {"the title layout's centred title",
       2,
       1,
       {"Calibri Light", "等线 Light", 60, msoFalse, msoFalse, msoFalse, 0, ppAlignCenter}},
      {"the title layout's subtitle",
       2,
       2,
       {"Calibri", "等线", 24, msoFalse, msoFalse, msoFalse, 0, ppAlignCenter}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    FontSeen seen = SeeFont(open.ShapeAt(row.slide, row.shape));
    EXPECT_EQ(seen.name, row.expected.name);
    EXPECT_EQ(seen.farEast, row.expected.farEast);
    EXPECT_FLOAT_EQ(seen.size, row.expected.size);
    EXPECT_EQ(seen.bold, row.expected.bold);
    EXPECT_EQ(seen.italic, row.expected.italic);
    EXPECT_EQ(seen.underline, row.expected.underline);
    EXPECT_EQ(seen.rgb, row.expected.rgb);
    EXPECT_EQ(seen.alignment, row.expected.alignment);
  }
}

TEST(Text, ColoursGoThroughTheColourMapAndItsOverride) {
  testing::PptxContent content =
      testing::OneSlide(testing::TextBox(2, "T", kBox, testing::TextPara("x")));
  content.slides.push_back(testing::SlideXml{
      testing::TextBox(2, "T", kBox, testing::TextPara("x")), 1, 0,
      R"(<a:overrideClrMapping bg1="dk1" tx1="lt1" bg2="dk2" tx2="lt2" accent1="accent1" accent2="accent2" accent3="accent3" accent4="accent4" accent5="accent5" accent6="accent6" hlink="hlink" folHlink="folHlink"/>)"});
  OpenPptx open(content);
  EXPECT_EQ(SeeFont(open.ShapeAt(1, 1)).rgb, 0x000000);
  EXPECT_EQ(SeeFont(open.ShapeAt(2, 1)).rgb, 0xFFFFFF);
}

TEST(Text, MixedRangesAnswerTheMixedValues) {
  const std::string paragraphs =
      testing::Para(testing::Run("big", R"(sz="2000" b="1")",
                                 R"(<a:solidFill><a:srgbClr val="00FF00"/></a:solidFill>)") +
                    testing::Run("small", R"(sz="1000")")) +
      testing::Para(testing::Run("end"), R"(algn="ctr")");
  OpenPptx open(testing::OneSlide(testing::TextBox(2, "T", kBox, paragraphs)));
  TextRange all = RangeOf(open.ShapeAt(1, 1));
  EXPECT_FLOAT_EQ(*all.Font().Size(), 0.0f);
  EXPECT_EQ(*all.Font().Bold(), msoTriStateMixed);
  EXPECT_EQ(*all.Font().Name(), "Calibri");
  EXPECT_EQ(all.Font().Color()->RGB(), 0x00FF00);  // the first character's
  EXPECT_EQ(*all.ParagraphFormat().Alignment(), ppAlignmentMixed);
  // The words alone carry one value each.
  std::optional<TextRange> small = all.Find("small");
  ASSERT_TRUE(small);
  EXPECT_FLOAT_EQ(*small->Font().Size(), 10.0f);
  EXPECT_EQ(*small->Font().Bold(), msoFalse);
  base::Result<TextRange> big = all.Characters(1, 3);
  ASSERT_TRUE(big);
  EXPECT_FLOAT_EQ(*big->Font().Size(), 20.0f);
  EXPECT_EQ(*big->Font().Bold(), msoTrue);
  // A paragraph's closing CR does not make its paragraph mixed.
  base::Result<TextRange> first = all.Paragraphs(2);
  ASSERT_TRUE(first);
  EXPECT_EQ(*first->ParagraphFormat().Alignment(), ppAlignCenter);
}

TEST(Text, LineBreaksDoNotMakeTheFontMixed) {
  // As Impress writes them: the break carries a size only, the runs their whole font.
  const std::string font = R"(<a:latin typeface="Arial"/>)";
  OpenPptx open(testing::OneSlide(
      testing::TextBox(2, "T", kBox,
                       testing::Para(testing::Run("one", R"(sz="2000")", font) +
                                     R"(<a:br><a:rPr lang="en-US" sz="2000"/></a:br>)" +
                                     testing::Run("two", R"(sz="2000")", font)))));
  TextRange all = RangeOf(open.ShapeAt(1, 1));
  EXPECT_EQ(all.Text(), "one\vtwo");
  EXPECT_EQ(*all.Font().Name(), "Arial");
  EXPECT_FLOAT_EQ(*all.Font().Size(), 20.0f);
  // A break alone answers by its paragraph's end.
  base::Result<TextRange> lineBreak = all.Characters(4, 1);
  ASSERT_TRUE(lineBreak);
  EXPECT_EQ(*lineBreak->Font().Name(), "Calibri");
}

TEST(Text, AnUnreadableRunFailsItsFontNotItsText) {
  OpenPptx open(testing::OneSlide(testing::TextBox(
      2, "T", kBox, testing::Para(testing::Run("bad", R"(sz="big")") + testing::Run("ok")))));
  TextRange all = RangeOf(open.ShapeAt(1, 1));
  EXPECT_EQ(all.Text(), "badok");
  EXPECT_FALSE(all.Font().Size());
  base::Result<TextRange> ok = all.Characters(4, 2);
  ASSERT_TRUE(ok);
  EXPECT_FLOAT_EQ(*ok->Font().Size(), 18.0f);
}

}  // namespace
}  // namespace powerpoint
