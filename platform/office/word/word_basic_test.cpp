// The macro interface over the model: its commands with and without a document, EditFind with
// the dialog's settings, positions past 32,767, the header and footer views, ParaDown and the
// formatting functions.
#include "platform/office/word/word_basic.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "platform/office/word/errors.h"
#include "platform/office/word/testing/open_docx.h"

namespace word {
namespace {

using testing::DocxContent;
using testing::Para;
using testing::TextPara;
using testing::TextRun;

std::filesystem::path SuiteFile(std::string_view name) {
  return std::filesystem::path(KIRV_SOURCE_DIR) / "platform/office/word/testdata" / name;
}

Document* OpenSuite(Application& app, std::string_view name) {
  base::Result<Document*> d = app.Documents().Open(name, SuiteFile(name));
  EXPECT_TRUE(d) << name;
  return d ? *d : nullptr;
}

std::string FileBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string SelectedText(Application& app) {
  return (*app.Selection())->Text().value_or("<none>");
}

TEST(WordBasic, WithNoDocumentCommandsFailAndFunctionsAnswerZero) {
  Application app;
  WordBasic basic(app);
  struct Command {
    const char* name;
    std::function<base::Status()> run;
  } commands[] = {
      {"StartOfDocument", [&] { return basic.StartOfDocument(); }},
      {"EditFind", [&] { return basic.EditFind("x"); }},
      {"SetSelRange", [&] { return basic.SetSelRange(0, 1); }},
      {"ViewHeader", [&] { return basic.ViewHeader(); }},
      {"ViewFooter", [&] { return basic.ViewFooter(); }},
      {"CloseViewHeaderFooter", [&] { return basic.CloseViewHeaderFooter(); }},
      {"ParaDown", [&] { return basic.ParaDown(1, 1); }},
      {"EditCopy", [&] { return basic.EditCopy(); }},
      {"EditPaste", [&] { return basic.EditPaste(); }},
      {"CurValues", [&] { return base::Status(basic.CurValues("FormatFont", "Font").error()); }},
  };
  for (const Command& c : commands) {
    base::Status status = c.run();
    ASSERT_FALSE(status) << c.name;
    EXPECT_EQ(status.error().code, kErrNotAvailable) << c.name;
  }
  EXPECT_EQ(basic.EditFindFound(), 0);
  EXPECT_EQ(basic.GetSelStartPos(), 0);
  EXPECT_EQ(basic.GetSelEndPos(), 0);
  EXPECT_EQ(basic.Bold(), 0);
  EXPECT_EQ(basic.CenterPara(), 0);
  EXPECT_EQ(basic.FontSize(), 0);
}

TEST(WordBasic, EditFindUsesTheDialogsSettingsWhateverSelectionFindHolds) {
  auto o = testing::OpenBody(TextPara("Alpha beta ALPHA ａｌｐｈａ alpha"));
  Application& app = o->app;
  // What part A might leave behind must not change the macro interface's search.
  Find& find = o->document->Selection().Find();
  find.matchCase = true;
  find.wrap = wdFindContinue;
  find.matchByte = false;
  WordBasic basic(app);
  ASSERT_TRUE(basic.StartOfDocument());
  // Case is not matched; full-width letters are not the narrow ones; the search stops at the end.
  const int32_t starts[] = {0, 11, 23};
  for (int32_t start : starts) {
    ASSERT_TRUE(basic.EditFind("alpha"));
    EXPECT_EQ(basic.EditFindFound(), -1);
    EXPECT_EQ(basic.GetSelStartPos(), start);
    EXPECT_EQ(basic.GetSelEndPos(), start + 5);
  }
  ASSERT_TRUE(basic.EditFind("alpha"));
  EXPECT_EQ(basic.EditFindFound(), 0);
  EXPECT_EQ(basic.GetSelStartPos(), 23);  // not found: the selection stays
  EXPECT_FALSE(find.Found());             // Selection.Find was not used
  // A text Find refuses fails, and counts as not found.
  EXPECT_FALSE(basic.EditFind("^x"));
  EXPECT_EQ(basic.EditFindFound(), 0);
}

TEST(WordBasic, PositionsPastTheShortRangeAreWholeNumbers) {
  Application app;
  ASSERT_NE(OpenSuite(app, "suite_long.docx"), nullptr);
  WordBasic basic(app);
  ASSERT_TRUE(basic.StartOfDocument());
  ASSERT_TRUE(basic.EditFind("长文档末尾的标记文字"));
  EXPECT_EQ(basic.EditFindFound(), -1);
  EXPECT_EQ(basic.GetSelStartPos(), 35955);
  EXPECT_EQ(basic.GetSelEndPos(), 35965);
  ASSERT_TRUE(basic.SetSelRange(32760, 32765));
  EXPECT_EQ(SelectedText(app), "第729段");
  ASSERT_TRUE(basic.SetSelRange(32805, 40000));  // the end is clamped to the story
  EXPECT_EQ(basic.GetSelStartPos(), 32805);
  EXPECT_EQ(basic.GetSelEndPos(), 35966);
}

TEST(WordBasic, TheHeadersFirstParagraphIsPastedAtTheStartInMemoryOnly) {
  const std::filesystem::path file = SuiteFile("suite_headfoot.docx");
  const std::string before = FileBytes(file);
  Application app;
  Document* d = OpenSuite(app, "suite_headfoot.docx");
  ASSERT_NE(d, nullptr);
  WordBasic basic(app);
  ASSERT_TRUE(basic.ViewHeader());
  EXPECT_EQ((*app.Selection())->StoryType(), wdPrimaryHeaderStory);
  ASSERT_TRUE(basic.ParaDown(1, 1));
  EXPECT_EQ(SelectedText(app), "全国计算机等级考试模拟试卷\r");
  ASSERT_TRUE(basic.EditCopy());
  ASSERT_TRUE(basic.CloseViewHeaderFooter());
  EXPECT_EQ((*app.Selection())->StoryType(), wdMainTextStory);
  ASSERT_TRUE(basic.StartOfDocument());
  ASSERT_TRUE(basic.EditPaste());
  EXPECT_EQ(d->Content().Text().value_or(""),
            "全国计算机等级考试模拟试卷\r正文的第一段。\r正文的第二段，页眉里的文字不在正文里。\r");
  EXPECT_FALSE(d->Saved());
  app.Quit();
  EXPECT_EQ(FileBytes(file), before);
}

TEST(WordBasic, TheFooterViewShowsTheFooter) {
  Application app;
  ASSERT_NE(OpenSuite(app, "suite_headfoot.docx"), nullptr);
  WordBasic basic(app);
  ASSERT_TRUE(basic.ViewFooter());
  EXPECT_EQ((*app.Selection())->StoryType(), wdPrimaryFooterStory);
  ASSERT_TRUE(basic.ParaDown(1, 1));
  EXPECT_EQ(SelectedText(app).substr(0, 12), "页脚文字");
}

TEST(WordBasic, TheHeaderShownIsThatOfTheSelectionsPage) {
  DocxContent content;
  content.headersFooters = {{"rIdF", false, TextPara("首页页眉")},
                            {"rIdP", false, TextPara("其余页眉")}};
  content.body = TextPara("第一页") +
                 Para(TextRun("第二页") + "<w:r><w:br w:type=\"page\"/></w:r>") +
                 TextPara("第三页") +
                 testing::SectPr(
                     "<w:headerReference w:type=\"first\" r:id=\"rIdF\"/>"
                     "<w:headerReference w:type=\"default\" r:id=\"rIdP\"/><w:titlePg/>");
  auto o = testing::OpenDocx(content);
  Application& app = o->app;
  WordBasic basic(app);
  struct Case {
    const char* name;
    int32_t position;
    const char* header;
  } cases[] = {
      {"first page", 1, "首页页眉\r"},
      {"after the page break", 9, "其余页眉\r"},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(basic.SetSelRange(c.position, c.position)) << c.name;
    ASSERT_TRUE(basic.ViewHeader()) << c.name;
    ASSERT_TRUE(basic.ParaDown(1, 1)) << c.name;
    EXPECT_EQ(SelectedText(app), c.header) << c.name;
    ASSERT_TRUE(basic.CloseViewHeaderFooter()) << c.name;
    EXPECT_EQ(basic.GetSelStartPos(), 0) << c.name;
  }
  // Only a header or footer can be closed.
  base::Status closed = basic.CloseViewHeaderFooter();
  ASSERT_FALSE(closed);
  EXPECT_EQ(closed.error().code, kErrNotAvailable);
}

TEST(WordBasic, ParaDownMovesByParagraphs) {
  // Paragraphs "一段" 0-2, "二段" 3-5, "三段" 6-8 (its mark the story's last).
  auto o = testing::OpenBody(TextPara("一段") + TextPara("二段") + TextPara("三段"));
  Application& app = o->app;
  WordBasic basic(app);
  struct Case {
    const char* name;
    int32_t start, end;  // the selection before
    int32_t count, select;
    int32_t newStart, newEnd;
  } cases[] = {
      {"one paragraph selected with its mark", 0, 0, 1, 1, 0, 3},
      {"from the middle of a paragraph", 1, 1, 1, 0, 3, 3},
      {"two paragraphs down", 0, 0, 2, 0, 6, 6},
      {"extended from a selection", 1, 4, 1, 1, 1, 6},
      {"the last paragraph extends to the end", 7, 7, 1, 1, 7, 9},
      {"an insertion point stops before the last mark", 7, 7, 3, 0, 8, 8},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(basic.SetSelRange(c.start, c.end));
    ASSERT_TRUE(basic.ParaDown(c.count, c.select)) << c.name;
    EXPECT_EQ(basic.GetSelStartPos(), c.newStart) << c.name;
    EXPECT_EQ(basic.GetSelEndPos(), c.newEnd) << c.name;
  }
}

TEST(WordBasic, FormattingFunctionsAnswerForTheSelection) {
  Application app;
  ASSERT_NE(OpenSuite(app, "suite_characters.docx"), nullptr);
  WordBasic basic(app);
  struct Case {
    const char* text;
    int32_t bold, italic, underline;
    double size;
  } cases[] = {
      {"宋体五号文字", 0, 0, 0, 10.5},
      {"黑体四号加粗倾斜", 1, 1, 0, 14},
      {"红色双下划线", 0, 0, 0, 12},  // double is not single underline
      {"加粗和常规混合", -1, 0, 0, 12},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(basic.StartOfDocument());
    ASSERT_TRUE(basic.EditFind(c.text));
    ASSERT_EQ(basic.EditFindFound(), -1) << c.text;
    EXPECT_EQ(basic.Bold(), c.bold) << c.text;
    EXPECT_EQ(basic.Italic(), c.italic) << c.text;
    EXPECT_EQ(basic.Underline(), c.underline) << c.text;
    EXPECT_EQ(basic.FontSize(), c.size) << c.text;
  }
}

TEST(WordBasic, AlignmentFunctionsAnswerForTheSelectionsParagraphs) {
  Application app;
  ASSERT_NE(OpenSuite(app, "suite_paragraphs.docx"), nullptr);
  WordBasic basic(app);
  struct Case {
    const char* text;
    int32_t left, center, right, justify, distribute;
  } cases[] = {
      {"左对齐的段落", 1, 0, 0, 0, 0},   {"居中对齐的段落", 0, 1, 0, 0, 0},
      {"右对齐的段落", 0, 0, 1, 0, 0},   {"两端对齐的段落", 0, 0, 0, 1, 0},
      {"分散对齐的段落", 0, 0, 0, 0, 1}, {"段落^p居中", -1, -1, 0, 0, 0},  // over two paragraphs
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(basic.StartOfDocument());
    ASSERT_TRUE(basic.EditFind(c.text));
    ASSERT_EQ(basic.EditFindFound(), -1) << c.text;
    EXPECT_EQ(basic.LeftPara(), c.left) << c.text;
    EXPECT_EQ(basic.CenterPara(), c.center) << c.text;
    EXPECT_EQ(basic.RightPara(), c.right) << c.text;
    EXPECT_EQ(basic.JustifyPara(), c.justify) << c.text;
    EXPECT_EQ(basic.DistributePara(), c.distribute) << c.text;
  }
}

TEST(WordBasic, CurValuesReadTheSelectionsDialogValues) {
  Application app;
  ASSERT_NE(OpenSuite(app, "suite_page_a4.docx"), nullptr);
  WordBasic basic(app);
  base::Result<vb::Variant> width = basic.CurValues("FilePageSetup", "PageWidth");
  ASSERT_TRUE(width);
  EXPECT_EQ(width->Text(), "21 厘米");
  ASSERT_TRUE(app.Options().SetMeasurementUnit(wdMillimeters));
  EXPECT_EQ(basic.CurValues("FilePageSetup", "PageHeight")->Text(), "297 毫米");
  base::Result<vb::Variant> unknown = basic.CurValues("FormatFont", "Colour");
  ASSERT_FALSE(unknown);
  EXPECT_EQ(unknown.error().code, kErrNotAvailable);
}

}  // namespace
}  // namespace word
