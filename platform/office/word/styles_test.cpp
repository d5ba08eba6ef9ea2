// The styles part read on use: what a document uses costs styles read, not what the part holds;
// long chains and loops stop; the package's budget bounds what the sheet keeps.
#include "platform/office/word/styles.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/office/word/document.h"
#include "platform/office/word/font.h"
#include "platform/office/word/range.h"
#include "platform/office/word/testing/open_docx.h"
#include "platform/office/word/testing/part_fixture.h"

namespace word {
namespace {

using testing::DocxContent;
using testing::TextPara;

std::string StyleXml(const std::string& id, const std::string& inner = "",
                     const std::string& type = "paragraph") {
  return "<w:style w:type=\"" + type + "\" w:styleId=\"" + id + "\">" + inner + "</w:style>";
}

std::string BasedOn(const std::string& id) {
  return "<w:basedOn w:val=\"" + id + "\"/>";
}

// c0 .. c<count - 1>, each based on the one before; c<at> bold, c<at - 1> italic.
std::string Chain(int count, int at) {
  std::string xml;
  for (int i = 0; i < count; ++i) {
    std::string inner = i > 0 ? BasedOn("c" + std::to_string(i - 1)) : "";
    if (i == at) inner += "<w:rPr><w:b/></w:rPr>";
    if (i == at - 1) inner += "<w:rPr><w:i/></w:rPr>";
    xml += StyleXml("c" + std::to_string(i), inner);
  }
  return xml;
}

TEST(StyleSheet, AMillionStylesCostOnlyTheStylesUsed) {
  constexpr int kCount = 1'000'000;
  std::string xml = StyleXml("s0", "<w:rPr><w:b/></w:rPr>");
  xml.reserve(static_cast<size_t>(kCount) * 30);
  for (int i = 1; i < kCount - 1; ++i) {
    xml += "<w:style w:styleId=\"s";  // a paragraph style, the type when none is written
    xml += std::to_string(i);
    xml += "\"/>";
  }
  xml += StyleXml("last", BasedOn("s0") + "<w:rPr><w:sz w:val=\"28\"/></w:rPr>");
  const testing::ParsedElement part("styles", xml);
  xml.clear();
  testing::Budget budget;
  base::Result<std::unique_ptr<StyleSheet>> read =
      StyleSheet::Read(part.Root(), {}, budget.Charge());
  ASSERT_TRUE(read) << read.error().message;
  const StyleSheet& sheet = **read;
  EXPECT_EQ(sheet.Count(), static_cast<size_t>(kCount));
  // The index alone: nothing of a style's properties is kept for each style.
  EXPECT_LE(budget.taken, 64u * kCount);
  EXPECT_EQ(sheet.StylesRead(), 0u);

  const int32_t last = sheet.IndexOf("last");
  ASSERT_EQ(last, kCount - 1);
  EXPECT_EQ(sheet.IndexOf("s500000"), 500000);
  EXPECT_EQ(sheet.IndexOf("s" + std::to_string(kCount)), -1);
  RunProps scratch;
  const RunProps& run = sheet.ChainRun(last, scratch);
  EXPECT_EQ(run.size, 14.0f);
  EXPECT_EQ(run.bold, true);
  EXPECT_EQ(sheet.StylesRead(), 2u);
  ParagraphProps paragraphScratch;
  static_cast<void>(sheet.ChainParagraph(last, paragraphScratch));
  static_cast<void>(sheet.ChainRun(last, scratch));  // kept: read no more
  EXPECT_EQ(sheet.StylesRead(), 4u);
}

TEST(StyleSheet, LongChainsAndLoopsStopAndTheNearestLevelWins) {
  struct Case {
    const char* name;
    std::string styles;
    const char* used;
    size_t chain;  // styles in its chain, each read once for its run properties
    std::optional<bool> bold, italic;
    std::optional<float> size;
  };
  const Case cases[] = {
      {"a chain of 20,000 is read to its 32nd style, not its 33rd", Chain(20'000, 20'000 - 32),
       "c19999", 32, true, std::nullopt, std::nullopt},
      {"a loop of three stops where it began",
       StyleXml("A", BasedOn("B") + "<w:rPr><w:sz w:val=\"40\"/></w:rPr>") +
           StyleXml("B", BasedOn("C")) +
           StyleXml("C", BasedOn("A") + "<w:rPr><w:b/><w:sz w:val=\"60\"/></w:rPr>"),
       "A", 3, true, std::nullopt, 20.0f},
      {"a style based on itself", StyleXml("S", BasedOn("S") + "<w:rPr><w:i/></w:rPr>"), "S", 1,
       std::nullopt, true, std::nullopt},
      {"a base of another type is none",
       StyleXml("P", BasedOn("C")) + StyleXml("C", "<w:rPr><w:b/></w:rPr>", "character"), "P", 1,
       std::nullopt, std::nullopt, std::nullopt},
      {"a base that is missing is none", StyleXml("P", BasedOn("nowhere")), "P", 1, std::nullopt,
       std::nullopt, std::nullopt},
      {"the first of two styles with one id",
       StyleXml("D", "<w:rPr><w:b/></w:rPr>") + StyleXml("D", "<w:rPr><w:i/></w:rPr>"), "D", 1,
       true, std::nullopt, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const testing::ParsedElement part("styles", c.styles);
    base::Result<std::unique_ptr<StyleSheet>> read = StyleSheet::Read(part.Root(), {});
    ASSERT_TRUE(read) << read.error().message;
    const StyleSheet& sheet = **read;
    const int32_t used = sheet.IndexOf(c.used);
    ASSERT_GE(used, 0);
    EXPECT_EQ(sheet.Chain(used).size(), c.chain);
    RunProps scratch;
    const RunProps& run = sheet.ChainRun(used, scratch);
    EXPECT_EQ(run.bold, c.bold);
    EXPECT_EQ(run.italic, c.italic);
    EXPECT_EQ(run.size, c.size);
    EXPECT_EQ(sheet.StylesRead(), c.chain);
  }
}

TEST(StyleSheet, TheBudgetBoundsTheIndexAndWhatIsKept) {
  std::string xml = StyleXml("base", "<w:rPr><w:b/></w:rPr>");
  for (int i = 0; i < 1000; ++i) xml += StyleXml("s" + std::to_string(i), BasedOn("base"));
  const testing::ParsedElement part("styles", xml);

  testing::Budget tight{.limit = 1000};
  base::Result<std::unique_ptr<StyleSheet>> refused =
      StyleSheet::Read(part.Root(), {}, tight.Charge());
  ASSERT_FALSE(refused);
  EXPECT_EQ(refused.error().message, "over budget");
  EXPECT_EQ(tight.taken, 0u);

  // Room for the index only: a chain is made anew at each use, and still right.
  testing::Budget indexOnly;
  base::Result<std::unique_ptr<StyleSheet>> read =
      StyleSheet::Read(part.Root(), {}, indexOnly.Charge());
  ASSERT_TRUE(read) << read.error().message;
  indexOnly.limit = indexOnly.taken;
  const StyleSheet& sheet = **read;
  for (int use = 1; use <= 3; ++use) {
    RunProps scratch;
    EXPECT_EQ(sheet.ChainRun(sheet.IndexOf("s7"), scratch).bold, true);
    EXPECT_EQ(sheet.StylesRead(), 2u * use);
  }
}

TEST(Styles, ADocumentReadsOnlyTheStylesItsTextUses) {
  DocxContent content;
  content.styles = Chain(5000, 4990) +
                   StyleXml("loop1", BasedOn("loop2") + "<w:rPr><w:sz w:val=\"30\"/></w:rPr>") +
                   StyleXml("loop2", BasedOn("loop1") + "<w:rPr><w:i/></w:rPr>");
  content.body = TextPara("deep", "<w:pStyle w:val=\"c4999\"/>") +
                 TextPara("loop", "<w:pStyle w:val=\"loop1\"/>");
  std::unique_ptr<testing::OpenedDocx> opened = testing::OpenDocx(content);
  ASSERT_NE(opened->document, nullptr);
  Document& document = *opened->document;
  const Range deep(document, kMainStory, 0, 4);
  const Range loop(document, kMainStory, 5, 9);
  EXPECT_EQ(*deep.Font().Bold(), -1);
  EXPECT_EQ(*loop.Font().Size(), 15.0f);
  EXPECT_EQ(*loop.Font().Italic(), -1);
  // At most each used style's chain, once for its runs and once for its paragraphs.
  EXPECT_GE(document.Styles().StylesRead(), 32u + 2u);
  EXPECT_LE(document.Styles().StylesRead(), 2u * (32 + 2));
}

TEST(FormattingParts, AStylesOrNumberingPartThatCannotBeReadMakesTheDocumentUnreadable) {
  for (const bool styles : {true, false}) {
    SCOPED_TRACE(styles ? "styles" : "numbering");
    DocxContent content;
    (styles ? content.styles : content.numbering) = "<w:unclosed>";
    content.body = TextPara("text");
    base::Result<std::string> bytes = testing::DocxBytes(content);
    ASSERT_TRUE(bytes) << bytes.error().message;
    Application app;
    base::Result<Document*> opened = app.Documents().OpenBytes("broken.docx", *bytes);
    ASSERT_FALSE(opened);
    EXPECT_NE(opened.error().message.find(styles ? "styles" : "numbering"), std::string::npos)
        << opened.error().message;
  }
}

}  // namespace
}  // namespace word
