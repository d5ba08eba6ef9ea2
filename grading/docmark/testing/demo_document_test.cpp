// The demo word task's files against each other, before any control reads them: the answer
// workbook's rows as the engine loads them, and each value a rule expects beside what the
// document model shows for the documents: the task done shows every one, the starting document
// none, the partly wrong one all but those of its mistakes.
#include "grading/docmark/testing/demo_document.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <string_view>

#include "grading/engine/answer_grid.h"
#include "grading/engine/engine_state.h"
#include "platform/office/word/macro_values.h"
#include "platform/office/word/word.h"
#include "platform/win/paths.h"
#include "platform/win/testing/test_folder.h"

namespace {

namespace fs = std::filesystem;

class DemoDocument : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(demo::WriteWordAnswer(folder_.Path() / demo::kWordAnswer));
    ASSERT_TRUE(engine::LoadAnswerTable(state_, win::ToWindowsPath(folder_.Path()) + "\\",
                                        demo::kWordAnswer));
  }

  const engine::Grid& Grid() const { return state_.AnswerGrid; }

  // The cell `argument` places after the first `keyword` of the workbook's rules.
  std::string Expected(const std::string& keyword, int argument) const {
    for (int r = 1; r <= engine::kGridRows; ++r) {
      for (int c = 2; c <= engine::kGridColumns; ++c)
        if (Grid().Cell(r, c) == keyword) return Grid().Cell(r, c + argument);
    }
    ADD_FAILURE() << "no rule with " << keyword;
    return "";
  }

  word::Document* Open(word::Application& app, const std::function<base::Status(fs::path)>& write,
                       const char* name) {
    const fs::path file = folder_.Path() / name;
    if (!write(file)) return nullptr;
    base::Result<word::Document*> document = app.Documents().Open(win::ToWindowsPath(file));
    return document ? *document : nullptr;
  }

  win::testing::ScopedTempFolder folder_{"demo_document_"};
  engine::EngineState state_;
};

constexpr int32_t kCentimetres = 1;

std::string Text(const base::Result<vb::Variant>& value) {
  if (!value) return "(" + value.error().message + ")";
  return value->Type() == vb::VarType::String ? value->Text()
                                              : std::to_string(static_cast<long>(value->Number()));
}
template <typename T>
std::string Number(const base::Result<T>& value) {
  if (!value) return "(" + value.error().message + ")";
  char text[32];
  std::snprintf(text, sizeof text, "%g", static_cast<double>(*value));
  return text;
}

// The first occurrence of `text` in the main text (the start when there is none).
word::Range Found(word::Document& d, std::string_view text) {
  word::Range range = d.Content();
  word::Find find(range, false);
  find.text = std::string(text);
  if (!find.Execute().value_or(false)) range.SetRange(0, 0);
  return range;
}

size_t Occurrences(word::Document& d, std::string_view word) {
  const std::string text = d.Content().Text().value_or("");
  size_t n = 0;
  for (size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) ++n;
  return n;
}

// One value a rule expects: the keyword and the argument cell that holds it, and what the model
// shows for it.
struct Reading {
  std::string keyword;
  int argument;
  std::function<std::string(word::Document&)> read;
  std::string fixed = "";  // what the rule's cells imply, where no one cell says it
};
using Key = std::pair<std::string, int>;

std::string PageField(word::Document& d, const char* field) {
  return Text(word::DialogField(d.Content(), "FilePageSetup", field, kCentimetres));
}
std::string ParagraphField(word::Document& d, const char* text, const char* field) {
  return Text(word::DialogField(Found(d, text), "FormatParagraph", field, kCentimetres));
}
std::string FirstTable(word::Document& d, const std::function<std::string(word::Table&)>& read) {
  base::Result<word::Table> table = d.Tables().Item(1);
  return table ? read(*table) : "(no table)";
}

// The document's first shape, read by `read`; "(no shape)" without one.
std::string FirstShape(word::Document& d, const std::function<std::string(word::Shape&)>& read) {
  base::Result<word::Shape*> shape = d.Shapes().Item(1);
  return shape ? read(**shape) : "(no shape)";
}
// A length of the shape in the centimetres a rule writes, to a tenth.
std::string Centimetres(const base::Result<double>& points) {
  if (!points) return "(" + points.error().message + ")";
  return Number(base::Result<double>(std::nearbyint(*points / 28.35 * 10) / 10));
}

const std::vector<Reading>& Readings() {
  static const std::vector<Reading> readings = {
      {"TEXTCOL", 2,
       [](word::Document& d) { return Number(Found(d, "计算机的发展简史").Font().ColorIndex()); }},
      {"TXTUNDERSYMBOL", 3,
       [](word::Document& d) { return Number(Found(d, "ENIAC").Font().Underline()); }},
      {"TABCOLANDROWCOUNT", 1,
       [](word::Document& d) {
         return FirstTable(d, [](word::Table& t) { return std::to_string(t.Rows().Count()); });
       }},
      {"TABCOLANDROWCOUNT", 2,
       [](word::Document& d) {
         return FirstTable(d, [](word::Table& t) { return std::to_string(t.Columns().Count()); });
       }},
      {"TABLESTYLECHOICE", 1,
       [](word::Document& d) {
         return FirstTable(d, [](word::Table& t) { return t.Style().value_or("(none)"); });
       }},
      {"POSSETOFTAB", 1,
       [](word::Document& d) {
         return FirstTable(d, [](word::Table& t) { return Number(t.Rows().Alignment()); });
       }},
      {"FINDREPLACE", 2, [](word::Document& d) { return std::to_string(Occurrences(d, "电脑")); }},
      {"FINDREPLACE", 4,
       [](word::Document& d) { return std::to_string(Occurrences(d, "计算机")); }},
      {"TXTFONT", 2,
       [](word::Document& d) {
         return Text(
             word::DialogField(Found(d, "计算机的发展简史"), "FormatFont", "Font", kCentimetres));
       }},
      {"TXTFONTSIZE", 2,
       [](word::Document& d) { return Number(Found(d, "计算机的发展简史").Font().Size()); }},
      // Bold 4, italic 2 and underline 1, each tested by a mask of its own.
      {"TXTATTRIB", 0,
       [](word::Document& d) {
         const word::Range r = Found(d, "ENIAC");
         return std::to_string((word::BoldState(r) == 1 ? 4 : 0) +
                               (word::ItalicState(r) == 1 ? 2 : 0) +
                               (word::UnderlineState(r) == 1 ? 1 : 0));
       },
       "7"},
      {"FORMATSTYPARAFIRSTIND", 2,
       [](word::Document& d) { return ParagraphField(d, "四个发展阶段", "firstindent"); }},
      {"FORMATSTYPARAFIRSTIND", 6,
       [](word::Document& d) { return ParagraphField(d, "千家万户", "firstindent"); }},
      {"FORMATSTYPARABEFORE", 2,
       [](word::Document& d) { return ParagraphField(d, "四个发展阶段", "before"); }},
      {"FORMATSTYPARAAFTER", 2,
       [](word::Document& d) { return ParagraphField(d, "四个发展阶段", "after"); }},
      {"FORMATSTYPARALINERULE", 2,
       [](word::Document& d) { return ParagraphField(d, "千家万户", "LineSpacingRule"); }},
      {"SETPAPER", 1, [](word::Document& d) { return PageField(d, "PageWidth"); }},
      {"SETPAPER", 2, [](word::Document& d) { return PageField(d, "PageHeight"); }},
      {"SETPAPERMAG", 1, [](word::Document& d) { return PageField(d, "TopMargin"); }},
      {"SETPAPERMAG", 2, [](word::Document& d) { return PageField(d, "BottomMargin"); }},
      {"SETPAPERMAG", 3, [](word::Document& d) { return PageField(d, "LeftMargin"); }},
      {"SETPAPERMAG", 4, [](word::Document& d) { return PageField(d, "RightMargin"); }},
      {"HEADFOOT", 1,
       [](word::Document& d) {
         base::Result<word::Section> section = d.Sections().Item(1);
         if (!section) return std::string("(no section)");
         base::Result<word::HeaderFooter> header = section->Headers().Item(1);
         std::string text = header ? header->Range().Text().value_or("") : "";
         while (!text.empty() && text.back() == '\r') text.pop_back();
         return text;
       }},
      // The rule's prefix: the first shape's name without its number.
      {"EXISTOBJ", 1,
       [](word::Document& d) {
         return FirstShape(d, [](word::Shape& s) {
           const std::string name = s.Name().value_or("");
           return name.substr(0, name.rfind(' '));
         });
       }},
      {"OBJWIDHEI", 1,
       [](word::Document& d) {
         return FirstShape(d, [](word::Shape& s) { return Centimetres(s.Width()); });
       }},
      {"OBJWIDHEI", 2,
       [](word::Document& d) {
         return FirstShape(d, [](word::Shape& s) { return Centimetres(s.Height()); });
       }},
      {"OBJLEFTTOP", 1,
       [](word::Document& d) {
         return FirstShape(d, [](word::Shape& s) { return Centimetres(s.Left()); });
       }},
      {"OBJLEFTTOP", 2,
       [](word::Document& d) {
         return FirstShape(d,
                           [](word::Shape& s) { return Number(s.RelativeHorizontalPosition()); });
       }},
      {"OBJLEFTTOP", 3,
       [](word::Document& d) {
         return FirstShape(d, [](word::Shape& s) { return Centimetres(s.Top()); });
       }},
      {"OBJLEFTTOP", 4,
       [](word::Document& d) {
         return FirstShape(d, [](word::Shape& s) { return Number(s.RelativeVerticalPosition()); });
       }},
      {"OBJWRAPTYPE", 1,
       [](word::Document& d) {
         return FirstShape(d, [](word::Shape& s) { return Number(s.WrapFormat().Type()); });
       }},
      {"TXTPARA", 2,
       [](word::Document& d) {
         return Number(Found(d, "计算机的发展简史").ParagraphFormat().Alignment());
       }},
  };
  return readings;
}

TEST_F(DemoDocument, TheWorkbookNamesTheDocumentAndItsRulesAddUpToTheFullMarks) {
  EXPECT_EQ(Grid().Cell(1, 1), "filename");
  EXPECT_EQ(Grid().Cell(1, 2), demo::kWordDocument);
  EXPECT_EQ(Grid().Cell(1, 4), std::to_string(demo::kWordFullMarks));
  std::map<std::string, int> tags;
  int points = 0;
  int row = 2;
  for (; row <= engine::kGridRows && Grid().Cell(row, 1) != "end"; ++row) {
    ++tags[Grid().Cell(row, 1)];
    // A rule ends with its points and its text: an empty cell inside it would cut it short.
    int last = 2;
    while (last < engine::kGridColumns && !Grid().Cell(row, last + 1).empty()) ++last;
    const std::string& cell = Grid().Cell(row, last - 1);
    ASSERT_FALSE(cell.empty()) << "row " << row;
    EXPECT_EQ(cell.find_first_not_of("0123456789"), std::string::npos) << "row " << row;
    points += std::stoi(cell);
  }
  ASSERT_LE(row, engine::kGridRows) << "no end row";
  EXPECT_EQ(points, demo::kWordFullMarks);
  EXPECT_EQ(tags.size(), 3u);  // "a", "b" and "ab", nothing else
  EXPECT_GE(tags["a"], 1);
  EXPECT_GE(tags["b"], 1);
  EXPECT_GE(tags["ab"], 1);
  int steps = 0;
  for (unsigned bit = 1; bit <= demo::kAllWordSteps; bit <<= 1)
    steps += demo::WordStepPoints(static_cast<demo::WordStep>(bit));
  EXPECT_EQ(steps, demo::kWordFullMarks);
}

TEST_F(DemoDocument, EachDocumentShowsWhatItsStepsGiveTheRules) {
  const auto expected = [this](const Reading& r) {
    return r.fixed.empty() ? Expected(r.keyword, r.argument) : r.fixed;
  };
  struct Case {
    const char* name;
    std::function<base::Status(fs::path)> write;
    std::set<Key> differing;
  };
  std::set<Key> all;
  for (const Reading& r : Readings()) all.insert({r.keyword, r.argument});
  const Case cases[] = {
      {"the task done", [](const fs::path& f) { return demo::WriteSolvedDocument(f); }, {}},
      {"the starting document", demo::WriteStartingDocument, all},
      {"the partly wrong document",
       demo::WritePartlyWrongDocument,
       {{"SETPAPERMAG", 3},
        {"SETPAPERMAG", 4},
        {"TXTUNDERSYMBOL", 3},
        {"TXTATTRIB", 0},
        {"HEADFOOT", 1},
        {"OBJWRAPTYPE", 1}}},
      {"all but the table and the title's centring",
       [](const fs::path& f) {
         return demo::WriteSolvedDocument(
             f, demo::kAllWordSteps & ~demo::kTable & ~demo::kTitleCentred);
       },
       {{"TABCOLANDROWCOUNT", 1},
        {"TABCOLANDROWCOUNT", 2},
        {"TABLESTYLECHOICE", 1},
        {"POSSETOFTAB", 1},
        {"TXTPARA", 2}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    word::Application app;
    word::Document* document = Open(app, c.write, "computer.docx");
    ASSERT_NE(document, nullptr);
    std::set<Key> differing;
    for (const Reading& r : Readings()) {
      const std::string shown = r.read(*document);
      if (c.differing.count({r.keyword, r.argument}) == 0)
        EXPECT_EQ(shown, expected(r)) << r.keyword << " " << r.argument;
      else if (shown != expected(r))
        differing.insert({r.keyword, r.argument});
    }
    EXPECT_EQ(differing, c.differing);
  }
}

}  // namespace
