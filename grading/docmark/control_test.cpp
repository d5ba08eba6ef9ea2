// The control as the client drives it: Run and its percentage, the cases it answers 0.001, the
// put of ansname, the file-name property, persistence, and the library loaded by class id
// through the dispatch ids the client's wrapper uses.
#include "grading/docmark/control.h"

#include <gtest/gtest.h>

#include "grading/docmark/testing/doc_fixture.h"
#include "platform/com/control_window.h"
#include "platform/com/library.h"
#include "platform/com/property_bag.h"
#include "platform/win/codepage.h"
#include "platform/win/message_box.h"
#include "platform/win/testing/scoped_env.h"

namespace docmark {
namespace {

namespace fs = std::filesystem;
using testing::GradingFolders;
using testing::Rows;

// Rules of part B that hold on an open document without the text "zz-absent".
std::vector<std::string> Rule(const char* tag, int points) {
  return {tag, "not", "SELECTTXT", "zz-absent", std::to_string(points), "rule"};
}

class Changes : public com::ControlSite {
 public:
  void OnPropertyChanged(com::DispId, std::string_view name) override { names.emplace_back(name); }
  std::vector<std::string> names;
};

class Control : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(testing::WriteDocument(folders_.CandidateHost() / "doc1.doc", {"text"}));
    control_.SetSite(&changes_);
  }
  void WriteAnswer(const std::string& fullMarks, const Rows& rules) {
    Rows rows = {{"filename", "doc1.doc", "", fullMarks}};
    rows.insert(rows.end(), rules.begin(), rules.end());
    rows.push_back({"end"});
    ASSERT_TRUE(testing::WriteAnswerWorkbook(folders_.AnswerHost() / "w1.xls", rows));
  }
  double Run(std::string answerName = "w1.xls", bool debug = false) {
    std::string check = folders_.Candidate(), answer = folders_.Answer();
    return control_.Run(check, answer, answerName, debug);
  }

  GradingFolders folders_;
  DocState state_;
  docmark control_{state_};
  Changes changes_;
  win::MessageCapture boxes_;
};

TEST_F(Control, RunAnswersThePercentageOfTheFullMarks) {
  struct Case {
    const char* fullMarks;
    Rows rules;
    double percent;
  } cases[] = {
      // Part A writes the working copy the "ab" rule reads.
      {"30", {{"a", "not", "TXTEFECT", "zz", "1", "5", "t"}, Rule("b", 5), Rule("ab", 7)}, 56.667},
      {"8", {Rule("b", 1)}, 12.5},
      {"8", {Rule("b", 9)}, 112.5},  // not clamped
  };
  for (const Case& c : cases) {
    WriteAnswer(c.fullMarks, c.rules);
    EXPECT_DOUBLE_EQ(Run(), c.percent) << c.fullMarks;
    EXPECT_EQ(control_.ansname, "w1.xls");
    EXPECT_EQ(control_.PathOfWordFile, folders_.Candidate());
  }
  EXPECT_TRUE(changes_.names.empty());  // Run stores its paths without announcing them
  EXPECT_TRUE(boxes_.Shown().empty());
}

TEST_F(Control, RunAnswersNotGradedForWhatTheGraderCannotReadOfItsOwn) {
  EXPECT_EQ(Run("absent.xls"), kNotGraded);
  EXPECT_EQ(control_.ansname, "");  // nothing changed
  EXPECT_EQ(control_.pathofans, "");

  for (const char* d1 : {"0", "abc", "70000"}) {
    WriteAnswer(d1, {Rule("b", 1)});
    EXPECT_EQ(Run(), kNotGraded) << d1;
  }
}

TEST_F(Control, RunScoresZeroForAMissingDocument) {
  WriteAnswer("10", {Rule("b", 4), Rule("ab", 6)});
  fs::remove(folders_.CandidateHost() / "doc1.doc");
  EXPECT_EQ(Run(), 0.0);
}

// The log, with what the grading has to tell besides the scored rules, is written only while
// debugging: a grading in the exam leaves nothing of its own in the candidate's folder but the
// working copy.
TEST_F(Control, RunWritesTheLogOnlyInDebugMode) {
  const fs::path log = folders_.CandidateHost() / "docmark.txt";
  WriteAnswer("10", {{"a", "not", "TXTEFECT", "zz", "1", "2", "first rule"},
                     Rule("b", 3),
                     {"filename", "missing.doc"},
                     Rule("b", 5)});
  EXPECT_DOUBLE_EQ(Run(), 50.0);
  EXPECT_FALSE(fs::exists(log));
  EXPECT_EQ(Run("absent.xls"), kNotGraded);
  EXPECT_FALSE(fs::exists(log));

  EXPECT_DOUBLE_EQ(Run("w1.xls", true), 50.0);
  const std::string written = win::GbkToUtf8(testing::ReadBytes(log));
  EXPECT_NE(written.find("first rule 2 分"), std::string::npos);
  EXPECT_NE(written.find("cannot open missing.doc"), std::string::npos);
}

TEST_F(Control, RunLeavesTheCandidatesDocumentAsItWas) {
  const fs::path doc = folders_.CandidateHost() / "doc1.doc";
  const std::string before = testing::ReadBytes(doc);
  const auto written = fs::last_write_time(doc);
  WriteAnswer("10", {{"a", "not", "TXTEFECT", "zz", "1", "2", "t"}, Rule("b", 3), Rule("ab", 5)});
  EXPECT_DOUBLE_EQ(Run(), 100.0);
  EXPECT_EQ(testing::ReadBytes(doc), before);
  EXPECT_EQ(fs::last_write_time(doc), written);
}

TEST_F(Control, TheAnsnamePutGradesUnlessIsgetnameAndAlwaysClearsTheTotal) {
  WriteAnswer("10", {Rule("b", 4)});
  control_.pathofans = folders_.Answer();
  control_.PathOfWordFile = folders_.Candidate();
  control_.EDebug2 = false;
  ASSERT_TRUE(control_.Put(docmark::kAnsname, com::Variant::String("w1.xls")));
  EXPECT_EQ(control_.StuExcelGradeGet, 4);
  EXPECT_EQ(control_.WordAllGrade, 10);
  EXPECT_EQ(state_.Totals().awarded, 0);
  EXPECT_EQ(changes_.names, std::vector<std::string>{"ansname"});

  control_.Isgetname = true;
  control_.StuExcelGradeGet = 9;
  state_.Totals().awarded = 3;
  ASSERT_TRUE(control_.Put(docmark::kAnsname, com::Variant::String("w1.xls")));
  EXPECT_EQ(control_.StuExcelGradeGet, 9);
  EXPECT_EQ(state_.Totals().awarded, 0);
}

TEST_F(Control, AWordFileNameStarDotStarTakesTheNarrowedNameFromTheWorkbook) {
  ASSERT_TRUE(testing::WriteAnswerWorkbook(folders_.AnswerHost() / "w1.xls",
                                           {{"filename", "ＤＯＣ１.doc", "", "10"}, {"end"}}));
  state_.engine.StudentFileName = "kept";
  ASSERT_TRUE(control_.Put(docmark::kAWordFileName, com::Variant::String("*.*")));
  EXPECT_EQ(control_.AWordFileName, "kept");  // pathofans empty: nothing read

  control_.pathofans = folders_.Answer();
  control_.ansname = "w1.xls";
  ASSERT_TRUE(control_.Put(docmark::kAWordFileName, com::Variant::String("*.*")));
  EXPECT_EQ(control_.AWordFileName, "DOC1.doc");
  EXPECT_EQ(changes_.names, (std::vector<std::string>{"AWordFileName", "AWordFileName"}));
}

TEST(Persistence, DefaultsAndKeysInDeclarationOrder) {
  DocState state;
  docmark control(state);
  control.InitProperties();
  com::PropertyBag bag;
  ASSERT_TRUE(control.WriteProperties(bag));
  std::vector<std::string> keys;
  for (const auto& [key, value] : bag.Items()) keys.push_back(key);
  EXPECT_EQ(keys,
            (std::vector<std::string>{"ansname", "EDebug2", "PathOfWordFile", "StuExcelGradeGet",
                                      "WordAllGrade", "Isgetname", "pathofans", "AWordFileName"}));
  EXPECT_TRUE(control.EDebug2);
  EXPECT_FALSE(control.Isgetname);
  EXPECT_EQ(control.WordAllGrade, 0);
  EXPECT_EQ(control.AWordFileName, "");
}

TEST(Library, GradesThroughRunByClassId) {
  GradingFolders folders;
  win::testing::ScopedEnv registry("KIRV_REGISTRY",
                                   (folders.AnswerHost() / "registry.ini").string());
  base::Result<const com::Library*> library = com::LoadControlLibrary(KIRV_DOCMARK_OCX);
  ASSERT_TRUE(library) << library.error().message;
  ASSERT_TRUE((*library)->RegisterServer());
  ASSERT_TRUE(testing::WriteDocument(folders.CandidateHost() / "doc1.doc", {"text"}));
  ASSERT_TRUE(testing::WriteAnswerWorkbook(
      folders.AnswerHost() / "w1.xls", {{"filename", "doc1.doc", "", "8"}, Rule("b", 1), {"end"}}));

  com::CreateParams params;
  params.childId = 112;
  auto window = com::ControlWindow::Create(docmark::kClass.clsid, params);
  ASSERT_TRUE(window) << window.error().message;
  std::string check = folders.Candidate(), answer = folders.Answer(), name = "w1.xls";
  com::VariantBool debug = 0;
  base::Result<com::Variant> result = (*window)->Call(
      docmark::kRun, {com::Variant::RefString(&check), com::Variant::RefString(&answer),
                      com::Variant::RefString(&name), com::Variant::RefBool(&debug)});
  ASSERT_TRUE(result) << result.error().message;
  EXPECT_EQ(*result, com::Variant::R8(12.5));
  EXPECT_TRUE((*library)->UnregisterServer());
}

}  // namespace
}  // namespace docmark
