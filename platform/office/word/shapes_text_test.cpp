// A text box's own story: reached through TextFrame.TextRange, searched, copied to the start of
// the main text as the checks do it; and edits of the main text that leave the shapes theirs.
#include <gtest/gtest.h>

#include <string>

#include "platform/office/word/testing/open_docx.h"
#include "platform/office/word/testing/shape_xml.h"
#include "platform/office/word/word.h"

namespace word {
namespace {

using testing::AnchorXml;
using testing::ObjectRun;
using testing::Para;
using testing::TextPara;
using testing::TextRun;

AnchorXml Box(std::string name, std::string paragraphs) {
  AnchorXml anchor;
  anchor.name = std::move(name);
  anchor.graphic = testing::ShapeXml("", paragraphs);
  return anchor;
}

// Select the box; its TextFrame.TextRange; Collapse; WholeStory; Copy; GoTo page 1; Paste.
void CopyBoxTextToStart(Document& d, std::string_view name) {
  ASSERT_TRUE((*d.Shapes().Item(name))->Select());
  Selection& s = d.Selection();
  base::Result<Range> text = s.ShapeRange()->TextFrame().TextRange();
  ASSERT_TRUE(text);
  s.Select(*text);
  s.Collapse();
  s.WholeStory();
  ASSERT_TRUE(s.Copy());
  ASSERT_TRUE(s.GoTo(wdGoToPage, wdGoToNext, 0, "1"));
  ASSERT_TRUE(s.Paste());
}

TEST(TextBoxStory, ItsTextIsAStoryOfItsOwnThatFindSearches) {
  const std::string body = Para(
      TextRun("正文开头") +
      ObjectRun(testing::Anchor(Box("Text Box 1", TextPara("框中文字") + TextPara("second")))));
  auto o = testing::OpenBody(body + testing::SectPr());
  Document& d = *o->document;
  Shape& box = **d.Shapes().Item(1);
  base::Result<Range> text = box.TextFrame().TextRange();
  ASSERT_TRUE(text);
  EXPECT_EQ(text->StoryType(), wdTextFrameStory);
  EXPECT_EQ(*text->Text(), "框中文字\rsecond");
  // The main text does not hold the box's text.
  EXPECT_EQ(*d.Content().Text(), "正文开头\x08\r");
  Range search = *text;
  search.SetRange(0, 0);
  Selection& s = d.Selection();
  s.Select(search);
  s.Find().text = "second";
  ASSERT_TRUE(*s.Find().Execute());
  EXPECT_EQ(s.StoryType(), wdTextFrameStory);
  EXPECT_EQ(s.Start(), 5);
  // The same story each time it is asked for.
  EXPECT_EQ(box.TextFrame().TextRange()->Story(), text->Story());
}

TEST(TextBoxStory, CopiedToTheStartItIsFoundInTheMainText) {
  struct Case {
    const char* name;
    std::string object;
  };
  const std::string vml =
      testing::Pict(R"(<v:shape id="Text Box 1" type="#_x0000_t202" style="position:absolute;)"
                    R"(width:100pt;height:50pt"><v:textbox><w:txbxContent>)" +
                    TextPara("框中文字", "", "<w:b/>") + "</w:txbxContent></v:textbox></v:shape>");
  const Case cases[] = {
      {"drawing", testing::Anchor(Box("Text Box 1", TextPara("框中文字", "", "<w:b/>")))},
      {"alternate content",
       testing::AlternateContent(
           testing::Anchor(Box("Text Box 1", TextPara("框中文字", "", "<w:b/>"))), vml)},
      {"vml", vml},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto o = testing::OpenBody(TextPara("标题") + Para(TextRun("正文") + ObjectRun(c.object)) +
                               testing::SectPr());
    Document& d = *o->document;
    CopyBoxTextToStart(d, "Text Box 1");
    EXPECT_EQ(*d.Content().Text(), "框中文字\r标题\r正文\x08\r");
    Selection& s = d.Selection();
    s.SetRange(0, 0);
    s.Find().text = "框中文字";
    ASSERT_TRUE(*s.Find().Execute());
    EXPECT_EQ(s.StoryType(), wdMainTextStory);
    EXPECT_EQ(*s.Range().Font().Bold(), kTrue);
    // The box keeps its text, and it is still the document's shape.
    EXPECT_EQ(*(*(*d.Shapes().Item(1))->TextFrame().TextRange()).Text(), "框中文字");
    EXPECT_TRUE((*d.Shapes().Item(1))->Select());
  }
}

// "xy", then "abc" and a text box's anchor in one run (pasting inside that text splits the run),
// with "xy" on the clipboard.
std::unique_ptr<testing::OpenedDocx> TextAndBoxInOneRunWithXyCopied() {
  const std::string run =
      "<w:r><w:t>abc</w:t>" + testing::Anchor(Box("Text Box 1", TextPara("inside"))) + "</w:r>";
  auto o = testing::OpenBody(TextPara("xy") + Para(run) + testing::SectPr());
  Selection& s = o->document->Selection();
  s.SetRange(0, 2);
  EXPECT_TRUE(s.Copy());
  return o;
}

TEST(TextBoxStory, PastingIntoTheRunBeforeADrawingKeepsTheShapeAnchored) {
  auto o = TextAndBoxInOneRunWithXyCopied();
  Document& d = *o->document;
  Shape& box = **d.Shapes().Item(1);
  Selection& s = d.Selection();
  s.SetRange(4, 4);  // between "a" and "bc"
  ASSERT_TRUE(s.Paste());
  EXPECT_EQ(*d.Content().Text(), "xy\raxybc\x08\r");
  ASSERT_TRUE(box.Select());
  EXPECT_EQ(s.Start(), 8);
  EXPECT_EQ(*(*box.TextFrame().TextRange()).Text(), "inside");
}

TEST(TextBoxStory, PastingOverAnAnchorIsRefusedAndLosesNothing) {
  auto o = TextAndBoxInOneRunWithXyCopied();
  Document& d = *o->document;
  Shape& box = **d.Shapes().Item(1);
  Selection& s = d.Selection();
  s.SetRange(4, 7);  // "bc" and the anchor
  EXPECT_FALSE(s.Paste());
  EXPECT_EQ(*d.Content().Text(), "xy\rabc\x08\r");
  ASSERT_TRUE(box.Select());
  EXPECT_EQ(*(*box.TextFrame().TextRange()).Text(), "inside");
}

}  // namespace
}  // namespace word
