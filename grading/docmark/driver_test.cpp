// The grading pass: file rows, the working copy and who may open it, the candidate's file left
// as it was, missing documents, the messages, and the percentage.
#include "grading/docmark/driver.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <functional>

#include "grading/docmark/rule_tables.h"
#include "grading/docmark/testing/doc_fixture.h"
#include "platform/office/opc/testing/sparse_part.h"
#include "platform/win/codepage.h"
#include "platform/win/confined_file.h"
#include "platform/win/message_box.h"

namespace docmark {
namespace {

namespace fs = std::filesystem;
using testing::Rows;

TEST(Percentage, ThreeDecimalsHalvesToEven) {
  struct Case {
    int16_t awarded, fullMarks;
    double percent;
  } cases[] = {
      {17, 30, 56.667}, {1, 8, 12.5},   {1, 3, 33.333},
      {2, 3, 66.667},   {30, 30, 100},  {35, 30, 116.667},  // not clamped: the client clamps
      {1, 1600, 0.062},                                     // 0.0625: the half goes to the even 2
      {3, 1600, 0.188},                                     // 0.1875: to the even 8
      {0, 7, 0},        {-1, 8, -12.5}, {1, -8, -12.5},
  };
  for (const Case& c : cases)
    EXPECT_DOUBLE_EQ(Percentage(c.awarded, c.fullMarks), c.percent)
        << c.awarded << "/" << c.fullMarks;
}

// A grading of a workbook's rows against documents in the candidate's folder. Rules whose
// "not SELECTTXT" of a text absent from every document holds show that a rule was evaluated
// against an open document: rows of a document that did not open score nothing.
class Pass : public ::testing::Test {
 protected:
  void SetUp() override { state_.engine.DebugFlag = engine::kTrue; }  // what is logged shows
  void Grade(const Rows& rows) {
    ASSERT_TRUE(testing::WriteAnswerWorkbook(folders_.AnswerHost() / "w1.xls", rows));
    fullMarks_ = -1;
    status_ =
        GradeAnswerWorkbook(state_, folders_.Candidate(), folders_.Answer(), "w1.xls", fullMarks_);
  }
  void WriteDoc(const std::string& name, const std::vector<std::string>& text) {
    ASSERT_TRUE(testing::WriteDocument(folders_.CandidateHost() / name, text));
  }
  int16_t Awarded() { return state_.Totals().awarded; }
  std::string Log() {
    return win::GbkToUtf8(testing::ReadBytes(folders_.CandidateHost() / "docmark.txt"));
  }

  testing::GradingFolders folders_;
  DocState state_;
  int16_t fullMarks_ = 0;
  base::Status status_ = base::Ok();
  win::MessageCapture boxes_;
};

// Part A needs a part-A keyword that fails on a text nowhere in the documents.
const std::vector<std::string> kRuleA = {"not", "TXTEFECT", "zz-absent", "1"};
const std::vector<std::string> kRuleB = {"not", "SELECTTXT", "zz-absent"};

std::vector<std::string> Row(const char* tag, const std::vector<std::string>& rule,
                             const char* points) {
  std::vector<std::string> row = {tag};
  row.insert(row.end(), rule.begin(), rule.end());
  row.push_back(points);
  row.push_back(std::string("rule worth ") + points);
  return row;
}

// One row of each part on `document`, worth 2, 3 and 5 of 30.
Rows OneRowOfEachPart(const char* document) {
  return {{"filename", document, "", "30"},
          Row("a", kRuleA, "2"),
          Row("b", kRuleB, "3"),
          Row("ab", kRuleB, "5"),
          {"end"}};
}

TEST_F(Pass, ScoresEachPartAndWritesTheWorkingCopyTheAbRowsRead) {
  WriteDoc("doc1.doc", {"the candidate's text"});
  const std::string before = testing::ReadBytes(folders_.CandidateHost() / "doc1.doc");
  Grade(OneRowOfEachPart("doc1.doc"));
  ASSERT_TRUE(status_) << status_.error().message;
  EXPECT_EQ(fullMarks_, 30);
  EXPECT_EQ(Awarded(), 2 + 3 + 5);
  EXPECT_TRUE(fs::is_regular_file(folders_.CandidateHost() / "doc1tmq.doc"));
  EXPECT_EQ(testing::ReadBytes(folders_.CandidateHost() / "doc1.doc"), before);
  // Unattended: the save is logged, no box stops the grading.
  EXPECT_TRUE(boxes_.Shown().empty());
  EXPECT_NE(Log().find("Word.Application OK: working copy doc1tmq.doc saved"), std::string::npos);
}

// The macro-interface checks on one document: HEADFOOT pastes the header's first paragraph at
// the start in memory, a FINDCOUNT after it counts the copy, and the "ab" rows read part A's
// working copy, saved before the paste and opened afresh.
TEST_F(Pass, PartBChecksSeeTheirPasteAndTheAbRowsReadTheWorkingCopy) {
  word::testing::DocxContent content;
  content.headersFooters = {{"rIdH", false, word::testing::TextPara("页眉文字")}};
  content.body = word::testing::TextPara("正文的第一段") +
                 word::testing::SectPr("<w:headerReference w:type=\"default\" r:id=\"rIdH\"/>");
  const fs::path doc = folders_.CandidateHost() / "doc1.docx";
  ASSERT_TRUE(word::testing::WriteDocx(doc, content));
  const std::string before = testing::ReadBytes(doc);
  Grade({{"filename", "doc1.docx", "", "63"},
         Row("a", kRuleA, "1"),
         Row("b", {"FINDCOUNT", "页眉文字", "0"}, "2"),
         Row("b", {"HEADFOOT", "页眉文字", "True"}, "4"),
         Row("b", {"FINDCOUNT", "页眉文字", "1"}, "8"),
         Row("ab", {"FINDCOUNT", "页眉文字", "0"}, "16"),
         Row("ab", {"FINDCOUNT", "正文", "1"}, "32"),
         {"end"}});
  ASSERT_TRUE(status_) << status_.error().message;
  EXPECT_EQ(Awarded(), 63);
  EXPECT_EQ(testing::ReadBytes(doc), before);
  EXPECT_TRUE(boxes_.Shown().empty());
}

TEST_F(Pass, EveryFilenameBlockOfPartAIsGradedAndSaved) {
  WriteDoc("one.doc", {"first"});
  WriteDoc("two.docx", {"second"});
  Grade({{"filename", "one.doc", "", "10"},
         Row("a", kRuleA, "1"),
         {"filename", "two.docx"},
         Row("a", kRuleA, "4"),
         {"end"}});
  ASSERT_TRUE(status_) << status_.error().message;
  EXPECT_EQ(Awarded(), 5);
  EXPECT_TRUE(fs::is_regular_file(folders_.CandidateHost() / "onetmq.doc"));
  EXPECT_TRUE(fs::is_regular_file(folders_.CandidateHost() / "twotmq.doc"));
}

// What stands under the working copy's name from an earlier grading gives way to this grading's
// copy, which the "ab" rows then read, unless it is a file of its own already holding exactly the
// bytes to write: then it is left as it is. Links and second names are never kept nor written
// through, what they lead to stays as it was.
TEST_F(Pass, AnEarlierWorkingCopyIsReplacedUnlessItHoldsTheSameBytes) {
  const fs::path outside = folders_.CandidateHost().parent_path().parent_path() / "elsewhere.doc";
  ASSERT_TRUE(testing::WriteDocument(outside, {"stale copy"}));
  const std::string outsideBefore = testing::ReadBytes(outside);
  const fs::path doc = folders_.CandidateHost() / "doc1.doc";
  const fs::path copy = folders_.CandidateHost() / "doc1tmq.doc";
  const struct {
    const char* name;
    std::function<void()> make;
    bool kept;
  } cases[] = {
      {"a stale copy", [&] { WriteDoc("doc1tmq.doc", {"stale copy"}); }, false},
      {"a link out of the folder", [&] { fs::create_symlink(outside, copy); }, false},
      {"a link to the candidate's document", [&] { fs::create_symlink(doc, copy); }, false},
      {"a second name of the candidate's document", [&] { fs::create_hard_link(doc, copy); },
       false},
      {"the same size, one byte changed",
       [&] {
         std::string bytes = testing::ReadBytes(doc);
         bytes[bytes.size() / 2] = static_cast<char>(bytes[bytes.size() / 2] ^ 1);
         std::ofstream(copy, std::ios::binary) << bytes;
       },
       false},
      {"an earlier grading's copy of the same document", [&] { fs::copy_file(doc, copy); }, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove(copy);
    WriteDoc("doc1.doc", {"the candidate's text"});
    const std::string docBefore = testing::ReadBytes(doc);
    c.make();
    // An old time on what stands there: only a file left as it is still shows it.
    const timespec old[2] = {{1000000000, 0}, {1000000000, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, copy.c_str(), old, AT_SYMLINK_NOFOLLOW), 0);
    const int16_t awardedBefore = Awarded();  // the state carries the total over gradings
    Grade({{"filename", "doc1.doc", "", "10"},
           Row("a", kRuleA, "1"),
           Row("ab", {"FINDCOUNT", "stale", "0"}, "2"),
           Row("ab", {"FINDCOUNT", "candidate", "1"}, "4"),
           {"end"}});
    ASSERT_TRUE(status_) << status_.error().message;
    EXPECT_EQ(Awarded() - awardedBefore, 1 + 2 + 4);
    struct stat after {};
    ASSERT_EQ(::lstat(copy.c_str(), &after), 0);
    EXPECT_TRUE(S_ISREG(after.st_mode));
    EXPECT_EQ(after.st_nlink, 1u);
    EXPECT_EQ(after.st_mtim.tv_sec == old[1].tv_sec, c.kept);
    EXPECT_EQ(testing::ReadBytes(copy), docBefore);  // part A changed nothing: its bytes
    EXPECT_EQ(testing::ReadBytes(doc), docBefore);
    EXPECT_EQ(testing::ReadBytes(outside), outsideBefore);
    EXPECT_NE(Log().find("Word.Application OK: working copy doc1tmq.doc saved"), std::string::npos);
  }
}

// Part B opens the document part A read without reading it again, but never past the grading:
// the candidate's document changed between two gradings is read afresh by both parts.
TEST_F(Pass, AGradingReadsTheDocumentAsItIsNowNotAsAnEarlierGradingRead) {
  const std::vector<std::string> rows[] = {
      Row("b", {"FINDCOUNT", "first", "1"}, "1"),
      Row("b", {"FINDCOUNT", "second", "1"}, "2"),
      Row("ab", {"FINDCOUNT", "second", "1"}, "4"),
  };
  const struct {
    const char* text;
    int awarded;
  } cases[] = {{"first draft", 1}, {"second draft", 2 + 4}};
  for (const auto& c : cases) {
    WriteDoc("doc1.doc", {c.text});
    const int16_t before = Awarded();
    Grade({{"filename", "doc1.doc", "", "10"},
           Row("a", kRuleA, "8"),
           rows[0],
           rows[1],
           rows[2],
           {"end"}});
    ASSERT_TRUE(status_) << c.text << ": " << status_.error().message;
    EXPECT_EQ(Awarded() - before, 8 + c.awarded) << c.text;
  }
  EXPECT_TRUE(state_.DocumentBytes.empty());  // nothing held once the grading is over
}

TEST_F(Pass, AMissingDocumentScoresNothingAndNoStaleCopyStandsInForIt) {
  // doc1.doc is missing; beside it a finished copy under the working copy's name and the same
  // name with another extension.
  WriteDoc("doc1tmq.doc", {"done"});
  WriteDoc("doc1.docx", {"done"});
  Grade({{"filename", "doc1.doc", "", "10"},
         Row("a", kRuleA, "2"),
         Row("b", kRuleB, "3"),
         Row("ab", kRuleB, "5"),
         {"end"}});
  ASSERT_TRUE(status_) << status_.error().message;
  EXPECT_EQ(Awarded(), 0);
  EXPECT_FALSE(state_.UnreadableFormat);  // the candidate's fault, not the grader's
  EXPECT_NE(Log().find("cannot open doc1.doc"), std::string::npos);
}

TEST_F(Pass, ALaterBlockIsGradedWhenAnEarlierDocumentIsMissing) {
  WriteDoc("two.doc", {"second"});
  Grade({{"filename", "one.doc", "", "10"},
         Row("a", kRuleA, "1"),
         Row("b", kRuleB, "2"),
         {"filename", "two.doc"},
         Row("a", kRuleA, "4"),
         Row("b", kRuleB, "8"),
         {"end"}});
  EXPECT_EQ(Awarded(), 4 + 8);
}

TEST_F(Pass, ADocumentLinkedFromOutsideTheFolderIsNotRead) {
  const fs::path outside = folders_.CandidateHost().parent_path().parent_path() / "elsewhere.doc";
  ASSERT_TRUE(testing::WriteDocument(outside, {"someone else's"}));
  fs::create_symlink(outside, folders_.CandidateHost() / "doc1.doc");
  Grade({{"filename", "doc1.doc", "", "10"}, Row("b", kRuleB, "3"), {"end"}});
  EXPECT_EQ(Awarded(), 0);
}

// A wordkt that is a link out of the candidate's folder reads as missing: his solved document
// there is not graded, and neither the log nor a working copy is written where the link leads.
TEST(LinkedCheckFolder, ReadsAsMissingAndNothingIsWrittenThere) {
  for (const bool linked : {false, true}) {
    SCOPED_TRACE(linked ? "linked out" : "a folder of his own");
    testing::GradingFolders folders;
    const fs::path outside = linked ? folders.LinkTaskFolderOut() : folders.CandidateHost();
    ASSERT_TRUE(testing::WriteDocument(folders.CandidateHost() / "doc1.doc", {"text"}));
    ASSERT_TRUE(testing::WriteAnswerWorkbook(folders.AnswerHost() / "w1.xls",
                                             OneRowOfEachPart("doc1.doc")));
    DocState state;
    state.engine.DebugFlag = engine::kTrue;
    int16_t fullMarks = 0;
    win::MessageCapture boxes;
    ASSERT_TRUE(
        GradeAnswerWorkbook(state, folders.Candidate(), folders.Answer(), "w1.xls", fullMarks));
    EXPECT_EQ(state.Totals().awarded, linked ? 0 : 10);
    EXPECT_EQ(fs::exists(outside / "docmark.txt"), !linked);
    EXPECT_EQ(fs::exists(outside / "doc1tmq.doc"), !linked);
  }
}

// A document with a large video in it, beyond the office file cap, is graded: read from its file
// piece by piece, the video never inflated, and the working copy the "ab" rows read written.
TEST_F(Pass, ADocumentWithALargeVideoIsGraded) {
  WriteDoc("doc1.docx", {"the candidate's text"});
  const fs::path doc = folders_.CandidateHost() / "doc1.docx";
  ASSERT_TRUE(opc::testing::AppendSparseStoredPart(doc, "word/media/video.mp4",
                                                   win::kOfficeFileCap + (1u << 20)));
  Grade(OneRowOfEachPart("doc1.docx"));
  ASSERT_TRUE(status_) << status_.error().message;
  EXPECT_EQ(Awarded(), 2 + 3 + 5);
  EXPECT_EQ(fs::file_size(folders_.CandidateHost() / "doc1tmq.doc"), fs::file_size(doc));
}

TEST_F(Pass, AWorkingCopyThatCannotBeSavedCostsOnlyTheAbRowsAndIsLogged) {
  WriteDoc("doc1.doc", {"the candidate's text"});
  // A folder under the working copy's name: nothing can be saved there.
  fs::create_directory(folders_.CandidateHost() / "doc1tmq.doc");
  Grade(OneRowOfEachPart("doc1.doc"));
  ASSERT_TRUE(status_) << status_.error().message;
  EXPECT_EQ(Awarded(), 2 + 3);
  EXPECT_TRUE(fs::is_directory(folders_.CandidateHost() / "doc1tmq.doc"));
  EXPECT_EQ(Log().find("Word.Application OK"), std::string::npos);
  EXPECT_NE(Log().find("doc1tmq.doc"), std::string::npos);
}

TEST_F(Pass, ALegacyDocumentWithoutAConverterIsTheGradersFailure) {
  fs::copy_file(fs::path(KIRV_WORD_TESTDATA) / "suite_legacy.doc",
                folders_.CandidateHost() / "old.doc");
  state_.Conversion.program = "kirv-no-such-converter";
  Grade({{"filename", "old.doc", "", "10"}, Row("b", kRuleB, "3"), {"end"}});
  EXPECT_TRUE(state_.UnreadableFormat);
  EXPECT_EQ(Awarded(), 0);
  EXPECT_NE(Log().find("cannot read the format of old.doc"), std::string::npos);
}

TEST_F(Pass, AWorkingCopyIsNeverSavedOverADocumentTheWorkbookNames) {
  // "a.doc"'s working copy would be "atmq.doc", which is the candidate's second document.
  WriteDoc("a.doc", {"first"});
  WriteDoc("atmq.doc", {"second"});
  const std::string before = testing::ReadBytes(folders_.CandidateHost() / "atmq.doc");
  Grade({{"filename", "a.doc", "", "10"},
         Row("a", kRuleA, "1"),
         {"filename", "atmq.doc"},
         Row("b", kRuleB, "2"),
         {"end"}});
  EXPECT_EQ(testing::ReadBytes(folders_.CandidateHost() / "atmq.doc"), before);
  EXPECT_EQ(Awarded(), 3);
}

TEST_F(Pass, ATableThatStartsWithARuleShowsTheOpenErrorAndGradesNothingOfThatPart) {
  WriteDoc("d.doc", {"x"});
  // Row 1 only holds the full marks; the "a" rule before any file row starts table A.
  Grade({{"", "", "", "10"},
         {"a", "X", "1", "t"},
         {"filename", "d.doc"},
         Row("b", kRuleB, "3"),
         {"end"}});
  // Row 1's empty tag is a fault of the workbook of its own.
  ASSERT_EQ(boxes_.Shown().size(), 2u);
  EXPECT_EQ(boxes_.Shown()[0].text, kSplitError);
  EXPECT_EQ(boxes_.Shown()[1].text, kOpenError);
  EXPECT_EQ(boxes_.Shown()[1].caption, "ERR");
  EXPECT_EQ(Awarded(), 3);  // part B still runs
}

TEST_F(Pass, RowFaultsShowThePartsOwnMessagesAndScoreNothing) {
  WriteDoc("d.doc", {"x"});
  struct Case {
    const char* tag;
    std::vector<std::string> rule;
    const char* message;
  } cases[] = {
      {"a", {"NOSUCH", "1", "t"}, "Found Error vba at run!"},
      {"b", {"NOSUCH", "1", "t"}, "Found Error in answer file!"},
      {"b", {"TOPPAPERMAG", "1", "t"}, "Function name isn't exist in B!"},
      {"a",
       {"not", "not", "TXTEFECT", "x", "0", "1", "t"},
       "Found Error in answer file at line 2!"},
      {"b", {"not", "not", "SELECTTXT", "x", "1", "t"}, "Found Error in return value!"},
  };
  for (const Case& c : cases) {
    boxes_.Clear();
    std::vector<std::string> row = {c.tag};
    row.insert(row.end(), c.rule.begin(), c.rule.end());
    Grade({{"filename", "d.doc", "", "10"}, row, {"end"}});
    ASSERT_EQ(boxes_.Shown().size(), 1u) << c.message;
    EXPECT_EQ(boxes_.Shown()[0].text, c.message);
    EXPECT_EQ(boxes_.Shown()[0].caption, "ERROR");
    EXPECT_EQ(Awarded(), 0) << c.message;
    state_.Totals().awarded = 0;
  }
}

TEST_F(Pass, FullMarksThatAreNoSixteenBitNumberFailBeforeAnyRule) {
  WriteDoc("d.doc", {"x"});
  for (const char* d1 : {"abc", "", "40000"}) {
    Grade({{"filename", "d.doc", "", d1}, Row("b", kRuleB, "3"), {"end"}});
    EXPECT_FALSE(status_) << d1;
    EXPECT_EQ(fullMarks_, -1) << d1;
    EXPECT_EQ(Awarded(), 0) << d1;
  }
}

}  // namespace
}  // namespace docmark
