// The control as the client drives it: the grading put, the totals it seeds, the full marks,
// the answer workbook's faults, the file-name property, persistence, and the library loaded by
// class id through the dispatch ids the client's wrapper uses.
#include "grading/sheetmark/control.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <optional>

#include "grading/sheetmark/testing/sheet_fixture.h"
#include "platform/com/control_window.h"
#include "platform/com/errors.h"
#include "platform/com/library.h"
#include "platform/office/common/testing/converter.h"
#include "platform/win/codepage.h"
#include "platform/win/message_box.h"
#include "platform/win/testing/scoped_env.h"

namespace sheetmark {
namespace {

namespace fs = std::filesystem;
using testing::GradingFolders;
using testing::Rows;

// The candidate's workbook of the grading tests: Sheet1!A1:A3 hold x, y and w.
void WriteCandidate(const GradingFolders& folders, const std::string& name = "stu.xlsx") {
  excel::testing::XlsxContent content;
  content.sheets = {
      excel::testing::TextSheet("Sheet1", {{"x"}, {"y"}, {"w"}}, content.sharedStrings)};
  ASSERT_TRUE(excel::testing::WriteXlsx(folders.CandidateHost() / name, content));
}

// Three rules worth 3, 5 and 2 points; the first two pass.
const Rows kRules = {{"EXCELDATA", "Sheet1", "A1", "x", "3", "A1 是 x"},
                     {"EXCELDATA", "Sheet1", "A2", "y", "5", "A2 是 y"},
                     {"EXCELDATA", "Sheet1", "A3", "z", "2", "A3 是 z"}};

class Changes : public com::ControlSite {
 public:
  void OnPropertyChanged(com::DispId, std::string_view name) override { names.emplace_back(name); }
  std::vector<std::string> names;
};

class Grading : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteCandidate(folders_);
    control_.SetSite(&changes_);
    control_.Pathofans = folders_.Answer();
    control_.PathOfexl = folders_.Candidate();
    control_.EDebug = false;
  }
  void WriteAnswer(const std::string& fullMarks, const Rows& rules = kRules, bool end = true,
                   const std::string& candidate = "stu.xlsx") {
    ASSERT_TRUE(testing::WriteAnswerWorkbook(folders_.AnswerHost() / "e1.xls", candidate, fullMarks,
                                             rules, end));
  }
  // The client's put of ansname.
  void PutAnsname(const std::string& name = "e1.xls") {
    ASSERT_TRUE(control_.Put(sheetmark::kAnsname, com::Variant::String(name)));
  }

  GradingFolders folders_;
  SheetState state_;
  sheetmark control_{state_};
  Changes changes_;
};

TEST_F(Grading, ThePutGradesOnTopOfTheAwardedPointsLeftInExcelGrade) {
  WriteAnswer("10");
  control_.ExcelGrade = 0;
  PutAnsname();
  EXPECT_EQ(control_.ExcelGrade, 8);      // 3 + 5; the third rule fails
  EXPECT_EQ(control_.ExcelAllGrade, 10);  // D1, whatever the rules add up to
  EXPECT_EQ(changes_.names, std::vector<std::string>{"ansname"});  // the results are not announced

  control_.ExcelGrade = 4;
  PutAnsname();
  EXPECT_EQ(control_.ExcelGrade, 12);
}

TEST_F(Grading, FullMarksFromD1) {
  struct Case {
    const char* d1;
    int16_t fullMarks;
  } cases[] = {
      {"12.5", 12},  // halves to even
      {"13.5", 14},
      {"20", 20},
      {"0", 0},  // a number all the same: the rules run, the client guards its division
  };
  for (const Case& c : cases) {
    WriteAnswer(c.d1);
    control_.ExcelGrade = 4;
    control_.ExcelAllGrade = 99;
    PutAnsname();
    EXPECT_EQ(control_.ExcelAllGrade, c.fullMarks) << c.d1;
    EXPECT_EQ(control_.ExcelGrade, 4 + 8) << c.d1;
  }
}

// The run-time error number a failed put carries to the client.
int RunTimeError(const base::Status& put) {
  return put ? 0 : com::RuntimeErrorNumber(com::ResultCodeOf(put.error()));
}

TEST_F(Grading, FullMarksThatAreNoSixteenBitNumberFailThePut) {
  struct Case {
    const char* d1;
    int error;  // the conversion's run-time error
  } cases[] = {
      {"abc", 13},  // type mismatch
      {"", 13},
      {"40000", 6},  // overflow
  };
  for (const Case& c : cases) {
    WriteAnswer(c.d1);
    control_.ExcelGrade = 4;
    control_.ExcelAllGrade = 99;
    const base::Status put = control_.Put(sheetmark::kAnsname, com::Variant::String("e1.xls"));
    EXPECT_EQ(RunTimeError(put), c.error) << c.d1;
    EXPECT_EQ(control_.ExcelGrade, 4) << c.d1;  // kept, not a graded 0
    EXPECT_EQ(control_.ExcelAllGrade, 99) << c.d1;
    EXPECT_EQ(control_.ansname, "e1.xls") << c.d1;
  }
}

TEST_F(Grading, AMissingAnswerWorkbookFailsThePut) {
  control_.ExcelGrade = 3;
  const base::Status put = control_.Put(sheetmark::kAnsname, com::Variant::String("absent.xls"));
  ASSERT_FALSE(put);
  EXPECT_NE(put.error().message.find("could not be read"), std::string::npos)
      << put.error().message;
  EXPECT_EQ(control_.ExcelGrade, 3);
  EXPECT_EQ(control_.ExcelAllGrade, 0);
}

// A workbook the candidate saved in the binary format, with Sheet1!A1 "旧格式的工作簿".
const fs::path kLegacyBook = fs::path(KIRV_CONVERT_TESTDATA) / "legacy_book.xls";
const Rows kLegacyRules = {{"EXCELDATA", "Sheet1", "A1", "旧格式的工作簿", "4", "A1"},
                           {"EXCELDATA", "Sheet1", "A1", "别的", "6", "A1 不是"}};

TEST_F(Grading, ABinaryWorkbookWithoutAConverterFailsThePutWithTheReasonLogged) {
  fs::copy_file(kLegacyBook, folders_.CandidateHost() / "old.xls");
  WriteAnswer("10", kLegacyRules, true, "old.xls");
  state_.Conversion.program = "kirv-no-such-converter";
  control_.ExcelGrade = 3;
  control_.EDebug = true;  // the reason goes to the log only while debugging

  const base::Status put = control_.Put(sheetmark::kAnsname, com::Variant::String("e1.xls"));

  ASSERT_FALSE(put);
  EXPECT_NE(put.error().message.find("not graded: cannot read the format of old.xls"),
            std::string::npos)
      << put.error().message;
  EXPECT_EQ(control_.ExcelGrade, 3);
  std::ifstream in(folders_.CandidateHost() / "1234.txt", std::ios::binary);
  const std::string log = win::GbkToUtf8(
      std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
  EXPECT_NE(log.find("cannot read the format of old.xls: no converter"), std::string::npos) << log;
}

TEST_F(Grading, ABinaryWorkbookIsGradedThroughTheConverter) {
  const std::string missing = office::testing::ConverterMissing(office::PackageFormat::Xlsx);
  if (!missing.empty()) GTEST_SKIP() << missing;
  fs::copy_file(kLegacyBook, folders_.CandidateHost() / "old.xls");
  WriteAnswer("10", kLegacyRules, true, "old.xls");
  state_.Conversion.timeLimit = std::chrono::minutes(3);
  control_.ExcelGrade = 0;
  PutAnsname();
  EXPECT_EQ(control_.ExcelGrade, 4);
  EXPECT_FALSE(fs::exists(folders_.CandidateHost() / "1234.txt"));
}

TEST_F(Grading, ATableWithoutEndFailsThePutAndGradesNothing) {
  WriteAnswer("10", kRules, /*end=*/false);
  control_.EDebug = true;
  control_.ExcelGrade = 1;
  win::MessageCapture boxes;
  const base::Status put = control_.Put(sheetmark::kAnsname, com::Variant::String("e1.xls"));
  EXPECT_EQ(RunTimeError(put), 9);  // subscript out of range
  EXPECT_TRUE(boxes.Shown().empty());
  EXPECT_EQ(control_.ExcelGrade, 1);
  EXPECT_EQ(state_.Totals().awarded, 1);  // no rule was scored
  EXPECT_FALSE(fs::exists(folders_.CandidateHost() / "1234.txt"));
  EXPECT_EQ(state_.SpreadsheetApp, nullptr);

  // END on the last row of the table is still found.
  Rows rules = kRules;
  rules.resize(98, Rows::value_type{});
  rules.push_back({"end"});
  WriteAnswer("10", rules, /*end=*/false);
  control_.ExcelGrade = 0;
  PutAnsname();
  EXPECT_EQ(control_.ExcelGrade, 8);
}

TEST_F(Grading, RowsAfterEndAreNotGraded) {
  Rows rules = kRules;
  rules.push_back({"end"});
  rules.push_back({"EXCELDATA", "Sheet1", "A3", "w", "7"});
  WriteAnswer("10", rules);
  PutAnsname();
  EXPECT_EQ(control_.ExcelGrade, 8);
}

TEST_F(Grading, IsGetNameOnlyStoresTheName) {
  WriteAnswer("10");
  control_.IsGetName = true;
  control_.ExcelGrade = 2;
  state_.Totals() = engine::TypeScore{5, 6};
  PutAnsname();
  EXPECT_EQ(control_.ansname, "e1.xls");
  EXPECT_EQ(control_.ExcelGrade, 2);
  EXPECT_EQ(control_.ExcelAllGrade, 0);
  EXPECT_EQ(state_.Totals().awarded, 5);
  EXPECT_EQ(state_.Totals().possible, 6);
}

TEST_F(Grading, AWrongHeaderIsReportedAndNothingGraded) {
  ASSERT_TRUE(excel::testing::WriteXlsx(folders_.AnswerHost() / "e1.xls", [] {
    excel::testing::XlsxContent content;
    content.sheets = {excel::testing::TextSheet(
        "Sheet1", {{"file name", "stu.xlsx", "", "10"}, kRules[0], {"END"}},
        content.sharedStrings)};
    return content;
  }()));
  win::MessageCapture boxes;
  PutAnsname();
  ASSERT_EQ(boxes.Shown().size(), 1u);
  EXPECT_EQ(boxes.Shown()[0].caption, "错误——File");
  EXPECT_EQ(boxes.Shown()[0].text, "Excel的答案文件有错误，请与开发人员联系！");
  EXPECT_EQ(control_.ExcelGrade, 0);
  EXPECT_EQ(control_.ExcelAllGrade, 10);

  WriteAnswer("10");  // "filename" in any case passes
  PutAnsname();
  EXPECT_EQ(boxes.Shown().size(), 1u);
  EXPECT_EQ(control_.ExcelGrade, 8);
}

TEST_F(Grading, AMissingCandidateWorkbookGradesNothingSilently) {
  WriteAnswer("10", kRules, true, "other.xlsx");
  win::MessageCapture boxes;
  control_.ExcelGrade = 1;
  PutAnsname();
  EXPECT_TRUE(boxes.Shown().empty());
  EXPECT_EQ(control_.ExcelGrade, 1);  // the seed
  EXPECT_EQ(control_.ExcelAllGrade, 10);
}

TEST_F(Grading, TheDebugLogHasALinePerScoredRule) {
  WriteAnswer("10");
  control_.EDebug = true;
  PutAnsname();
  std::ifstream log(folders_.CandidateHost() / "1234.txt", std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(log)), {});
  EXPECT_EQ(win::GbkToUtf8(text), "A1 是 x 3 分\r\nA2 是 y 5 分\r\nA3 是 z 0 分\r\n");
}

// An Excelkt that is a link out of the candidate's folder reads as missing: his solved workbook
// there is not graded and no debug log is written where the link leads.
TEST_F(Grading, ACheckFolderLinkedOutOfTheCandidatesFolderReadsAsMissing) {
  WriteAnswer("10");
  const fs::path elsewhere = folders_.LinkTaskFolderOut();
  WriteCandidate(folders_);  // through the link
  control_.EDebug = true;
  PutAnsname();
  EXPECT_EQ(control_.ExcelGrade, 0);
  EXPECT_TRUE(fs::exists(elsewhere / "stu.xlsx"));
  EXPECT_FALSE(fs::exists(elsewhere / "1234.txt"));
}

// A debug log that is a second name of a file outside is replaced, never appended through.
TEST_F(Grading, ADebugLogHardLinkedOutsideIsReplacedAndTheOtherFileLeftAlone) {
  WriteAnswer("10");
  const fs::path victim = folders_.AnswerHost() / "victim.txt";
  std::ofstream(victim, std::ios::binary) << "keep me\n";
  fs::create_hard_link(victim, folders_.CandidateHost() / "1234.txt");
  control_.EDebug = true;
  PutAnsname();
  std::ifstream in(victim, std::ios::binary);
  EXPECT_EQ(std::string((std::istreambuf_iterator<char>(in)), {}), "keep me\n");
  std::ifstream log(folders_.CandidateHost() / "1234.txt", std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(log)), {});
  EXPECT_EQ(win::GbkToUtf8(text), "A1 是 x 3 分\r\nA2 是 y 5 分\r\nA3 是 z 0 分\r\n");
}

TEST_F(Grading, NothingStaysOpenAndTheCandidatesFileIsNeverWritten) {
  // Rules that paste and filter into the open workbook.
  Rows rules = {{"EXCELFILLCOLORPATTERN", "Sheet1", "A1", "-4142", "-4142", "-4142", "1"},
                {"EXCELAUTOFILTER", "Sheet1", "A", "x", "none", "none", "none", "none", "1"},
                {"EXCELCOLUMNSAUTOFIT", "Sheet1", "A:C", "True", "1"}};
  WriteAnswer("3", rules);
  const fs::path file = folders_.CandidateHost() / "stu.xlsx";
  std::ifstream before(file, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(before)), {});
  const auto written = fs::last_write_time(file);
  win::MessageCapture boxes;
  PutAnsname();
  EXPECT_TRUE(boxes.Shown().empty());
  // The fill rule, and the filter rule: without "Colum1" both filters land on the copy at A100.
  EXPECT_EQ(control_.ExcelGrade, 2);
  EXPECT_EQ(state_.SpreadsheetApp, nullptr);
  std::ifstream after(file, std::ios::binary);
  EXPECT_EQ(std::string((std::istreambuf_iterator<char>(after)), {}), bytes);
  EXPECT_EQ(fs::last_write_time(file), written);
  // The folder holds what it held: no scratch or temporary file of the pass.
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folders_.CandidateHost()))
    names.push_back(entry.path().filename().string());
  EXPECT_EQ(names, std::vector<std::string>{"stu.xlsx"});
}

TEST_F(Grading, GradeAloneLeavesExcelGradeAndAddsToTheTotals) {
  WriteAnswer("10");
  state_.Totals() = engine::TypeScore{2, 0};
  control_.ansname = "e1.xls";
  control_.ExcelGrade = 7;
  ASSERT_TRUE(control_.Call(sheetmark::kGrade));
  EXPECT_EQ(control_.ExcelGrade, 7);
  EXPECT_EQ(control_.ExcelAllGrade, 10);
  EXPECT_EQ(state_.Totals().awarded, 10);  // 2 + 8
}

TEST_F(Grading, ExcelFileNameAsksTheAnswerWorkbookForB1) {
  WriteAnswer("10", kRules, true, "ｓｔｕ１.xlsx");
  control_.ansname = "e1.xls";
  ASSERT_TRUE(control_.Put(sheetmark::kExcelFileName, com::Variant::String("*.*")));
  EXPECT_EQ(control_.ExcelFileName, "stu1.xlsx");  // narrowed
  ASSERT_TRUE(control_.Put(sheetmark::kExcelFileName, com::Variant::String("mine.xlsx")));
  EXPECT_EQ(control_.ExcelFileName, "mine.xlsx");

  SheetState fresh;
  sheetmark other(fresh);
  ASSERT_TRUE(other.Put(sheetmark::kExcelFileName, com::Variant::String("*.*")));
  EXPECT_EQ(other.ExcelFileName, "");  // no answer folder: what was read before, nothing
}

TEST(Control, DefaultsAndThePropertyBag) {
  SheetState state;
  sheetmark control(state);
  control.InitProperties();
  com::PropertyBag bag;
  ASSERT_TRUE(control.WriteProperties(bag));
  std::vector<std::string> keys;
  for (const auto& [key, value] : bag.Items()) keys.push_back(key);
  EXPECT_EQ(keys, (std::vector<std::string>{"pathofans", "ansname", "ExcelGrade", "ExcelAllGrade",
                                            "ExcelFileName", "PathOfexl", "EDebug", "IsGetName"}));
  EXPECT_TRUE(control.EDebug);
  EXPECT_FALSE(control.IsGetName);
  EXPECT_EQ(control.ExcelGrade, 0);
  EXPECT_EQ(control.Pathofans, "");

  // Loading takes every key and never grades.
  ASSERT_TRUE(bag.Write("ansname", com::Variant::String("e1.xls")));
  ASSERT_TRUE(bag.Write("ExcelGrade", com::Variant::I2(6)));
  ASSERT_TRUE(bag.Write("EDebug", com::Variant::Bool(false)));
  sheetmark loaded(state);
  ASSERT_TRUE(loaded.ReadProperties(bag));
  EXPECT_EQ(loaded.ansname, "e1.xls");
  EXPECT_EQ(loaded.ExcelGrade, 6);
  EXPECT_FALSE(loaded.EDebug);
  EXPECT_EQ(state.engine.GridRow, 0);
}

TEST(Library, GradesThroughTheClientsDispatchIdsByClassId) {
  GradingFolders folders;
  win::testing::ScopedEnv registry("KIRV_REGISTRY",
                                   (folders.AnswerHost() / "registry.ini").string());
  base::Result<const com::Library*> library = com::LoadControlLibrary(KIRV_SHEETMARK_OCX);
  ASSERT_TRUE(library) << library.error().message;
  ASSERT_TRUE((*library)->RegisterServer());

  WriteCandidate(folders);
  ASSERT_TRUE(
      testing::WriteAnswerWorkbook(folders.AnswerHost() / "e1.xls", "stu.xlsx", "10", kRules));
  com::CreateParams params;
  params.childId = 113;
  auto window = com::ControlWindow::Create(sheetmark::kClass.clsid, params);
  ASSERT_TRUE(window) << window.error().message;
  com::ControlWindow& w = **window;
  // The client's order: EDebug, ExcelGrade, Pathofans, PathOfexl, ansname (grades), then reads.
  ASSERT_TRUE(w.Put(0x68030008, com::Variant::Bool(false)));
  ASSERT_TRUE(w.Put(0x68030002, com::Variant::I2(0)));
  ASSERT_TRUE(w.Put(0x68030005, com::Variant::String(folders.Answer())));
  ASSERT_TRUE(w.Put(0x68030000, com::Variant::String(folders.Candidate())));
  ASSERT_TRUE(w.Put(0x68030003, com::Variant::String("e1.xls")));
  EXPECT_EQ(*w.Get(0x68030002), com::Variant::I2(8));
  EXPECT_EQ(*w.Get(0x68030001), com::Variant::I2(10));
  EXPECT_TRUE(w.Get(0x68030008)->BoolValue() == false);
  EXPECT_TRUE((*library)->UnregisterServer());
}

}  // namespace
}  // namespace sheetmark
