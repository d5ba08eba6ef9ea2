// Copy and Paste: text with its run formatting, paragraph marks, into the middle of a run, over
// a selection, into an empty cell, from a header to the main text; the change saved.
#include <gtest/gtest.h>

#include <string>

#include "platform/office/word/testing/open_docx.h"
#include "platform/office/word/word.h"
#include "platform/win/paths.h"

namespace word {
namespace {

using testing::DocxContent;
using testing::Para;
using testing::TextPara;
using testing::TextRun;

TEST(CopyPaste, AHeadersTextPastedAtTheStartIsFoundThere) {
  DocxContent content;
  content.headersFooters = {{"rIdH", false, TextPara("页眉文字", "", "<w:b/>")}};
  content.body =
      TextPara("正文") + testing::SectPr("<w:headerReference w:type=\"default\" r:id=\"rIdH\"/>");
  auto o = testing::OpenDocx(content);
  Document& d = *o->document;
  Selection& s = d.Selection();
  // View the header, select its first paragraph, copy, back to the main text's start, paste.
  const HeaderFooter header = *d.Sections().Item(1)->Headers().Item(wdHeaderFooterPrimary);
  s.Select(header.Range());
  ASSERT_TRUE(s.Copy());
  s.Select(d.Content());
  s.HomeKey(wdStory).value();
  ASSERT_TRUE(s.Paste());
  EXPECT_EQ(*d.Content().Text(), "页眉文字\r正文\r");
  EXPECT_EQ(s.Start(), 5);
  EXPECT_FALSE(d.Saved());
  EXPECT_EQ(*Range(d, kMainStory, 0, 4).Font().Bold(), kTrue);
  EXPECT_EQ(*Range(d, kMainStory, 5, 7).Font().Bold(), 0);
  s.SetRange(0, 0);
  s.Find().text = "页眉文字";
  ASSERT_TRUE(*s.Find().Execute());
  EXPECT_EQ(s.End(), 4);
  // The header itself is as it was.
  EXPECT_EQ(*header.Range().Text(), "页眉文字\r");
}

TEST(CopyPaste, PastingIntoARunSplitsItAndKeepsBothFormats) {
  auto o = testing::OpenBody(Para(TextRun("abcdef", "<w:b/>")) +
                             Para(TextRun("XY", "<w:i/>") + "<w:r><w:tab/></w:r>"));
  Document& d = *o->document;
  Selection& s = d.Selection();
  s.SetRange(7, 10);  // "XY" and the tab
  ASSERT_TRUE(s.Copy());
  s.SetRange(3, 3);
  ASSERT_TRUE(s.Paste());
  EXPECT_EQ(*d.Content().Text(), "abcXY\tdef\rXY\t\r");
  EXPECT_EQ(s.Start(), 6);
  struct Case {
    int32_t start, end;
    int32_t bold, italic;
  } cases[] = {{0, 3, kTrue, 0}, {3, 5, 0, kTrue}, {6, 9, kTrue, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.start);
    const Font font = Range(d, kMainStory, c.start, c.end).Font();
    EXPECT_EQ(*font.Bold(), c.bold);
    EXPECT_EQ(*font.Italic(), c.italic);
  }
  // Pasting over a selection within one paragraph replaces it.
  s.SetRange(1, 3);  // "bc"
  ASSERT_TRUE(s.Paste());
  EXPECT_EQ(*d.Content().Text(), "aXY\tXY\tdef\rXY\t\r");
  EXPECT_EQ(s.Start(), 4);
  // Over a paragraph mark it is refused and the text stays.
  s.SetRange(8, 12);
  base::Status refused = s.Paste();
  ASSERT_FALSE(refused);
  EXPECT_EQ(*d.Content().Text(), "aXY\tXY\tdef\rXY\t\r");
}

TEST(CopyPaste, ParagraphMarksSplitTheParagraphTheyArePastedInto) {
  auto o = testing::OpenBody(TextPara("one", "<w:jc w:val=\"center\"/>") + TextPara("twothree"));
  Document& d = *o->document;
  Selection& s = d.Selection();
  s.SetRange(0, 4);  // "one" and its mark
  ASSERT_TRUE(s.Copy());
  s.SetRange(7, 7);  // between "two" and "three"
  ASSERT_TRUE(s.Paste());
  EXPECT_EQ(*d.Content().Text(), "one\rtwoone\rthree\r");
  // The pasted mark carries the copied paragraph's alignment; the rest keeps its own.
  EXPECT_EQ(d.Paragraphs().Count(), 3);
  EXPECT_EQ(*Range(d, kMainStory, 4, 10).ParagraphFormat().Alignment(), wdAlignParagraphCenter);
  EXPECT_EQ(*Range(d, kMainStory, 11, 16).ParagraphFormat().Alignment(), wdAlignParagraphLeft);
}

TEST(CopyPaste, AnEmptyCellGetsAParagraphForThePastedText) {
  auto o = testing::OpenBody(TextPara("x") + "<w:tbl><w:tr><w:tc/></w:tr></w:tbl>" + TextPara(""));
  Document& d = *o->document;
  Selection& s = d.Selection();
  s.SetRange(0, 1);
  ASSERT_TRUE(s.Copy());
  s.SetRange(2, 2);  // the empty cell's mark
  ASSERT_TRUE(s.Paste());
  EXPECT_EQ(*d.Content().Text(), "x\rx\r\a\r\a\r");
}

TEST(CopyPaste, TheClipboardMustHoldSomethingAndSavedCopiesHoldThePaste) {
  testing::TempFolder tmp("word_paste");
  auto o = testing::OpenBody(TextPara("abc") +
                             "<w:p><w:fldSimple w:instr=\" PAGE \"><w:r><w:t>7</w:t></w:r>"
                             "</w:fldSimple><w:r><w:br w:type=\"page\"/><w:footnoteReference "
                             "w:id=\"1\"/><w:noBreakHyphen/></w:r></w:p>");
  Document& d = *o->document;
  Selection& s = d.Selection();
  EXPECT_EQ(s.Paste().error().code, kErrCommandFailed);
  s.SetRange(0, 0);
  EXPECT_FALSE(s.Copy());  // nothing to copy
  // The field (its result copied as text), a page break, a note reference (which cannot be
  // text), a non-breaking hyphen.
  s.SetRange(4, 17);
  ASSERT_TRUE(s.Copy());
  s.SetRange(1, 1);
  ASSERT_TRUE(s.Paste());
  EXPECT_EQ(*d.Content().Text(),
            "a7\f\x1e"
            "bc\r7\f\x02\x1e\r");
  EXPECT_EQ(s.Start(), 4);
  const auto copy = tmp.Path() / "pasted.docx";
  ASSERT_TRUE(d.SaveAs(win::ToWindowsPath(copy)));
  Application again;
  base::Result<Document*> reopened = again.Documents().Open(win::ToWindowsPath(copy));
  ASSERT_TRUE(reopened) << reopened.error().message;
  EXPECT_EQ(*(*reopened)->Content().Text(),
            "a7\f\x1e"
            "bc\r7\f\x02\x1e\r");
}

}  // namespace
}  // namespace word
