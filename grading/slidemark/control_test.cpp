// The control as the client drives it: Run and its percentage, the cases it answers 0.001, a
// missing or broken presentation, the row loop's end, the put of ansname, the file-name
// property, persistence, and the library loaded by class id through the client's dispatch ids.
#include "grading/slidemark/control.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <iterator>

#include "grading/slidemark/testing/slide_fixture.h"
#include "platform/com/control_window.h"
#include "platform/com/library.h"
#include "platform/com/property_bag.h"
#include "platform/office/common/testing/converter.h"
#include "platform/office/excel/testing/xlsx_writer.h"
#include "platform/office/opc/testing/sparse_part.h"
#include "platform/win/confined_file.h"
#include "platform/win/message_box.h"
#include "platform/win/testing/scoped_env.h"

namespace slidemark {
namespace {

namespace fs = std::filesystem;
namespace pt = powerpoint::testing;
using testing::Rows;

// Three slides, the first with "Hello".
pt::PptxContent ThreeSlides() {
  pt::PptxContent content;
  pt::SlideXml first;
  first.shapes = pt::TextBox(2, "Box", pt::Box{}, pt::TextPara("Hello"));
  content.slides = {first, pt::SlideXml{}, pt::SlideXml{}};
  return content;
}

std::string ReadText(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class Changes : public com::ControlSite {
 public:
  void OnPropertyChanged(com::DispId, std::string_view name) override { names.emplace_back(name); }
  std::vector<std::string> names;
};

class Control : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(pt::WritePptx(folders_.CandidateHost() / "p1.pptx", ThreeSlides()));
    control_.SetSite(&changes_);
  }
  void WriteAnswer(const std::string& fullMarks, const Rows& rules, bool end = true) {
    ASSERT_TRUE(testing::WriteAnswerWorkbook(folders_.AnswerHost() / "p1.xls", "p1.pptx", fullMarks,
                                             rules, end));
  }
  double Run(std::string answerName = "p1.xls", bool debug = false) {
    std::string check = folders_.Candidate(), answer = folders_.Answer();
    return control_.Run(check, answer, answerName, debug);
  }
  double RunDebugging(std::string answerName = "p1.xls") { return Run(answerName, true); }
  std::string Log() { return ReadText(folders_.CandidateHost() / "slidemark.txt"); }

  testing::GradingFolders folders_;
  SlideState state_;
  slidemark control_{state_};
  Changes changes_;
  win::MessageCapture boxes_;
};

TEST_F(Control, RunAnswersThePercentageOfTheFullMarks) {
  struct Case {
    const char* name;
    const char* fullMarks;
    Rows rules;
    double percent;
  } cases[] = {
      {"7 of 30", "30", {{"FINDTEXT", "hello", "7", "r"}, {"SLIDENUMBER", "4", "9", "r"}}, 23.333},
      {"not clamped", "8", {{"SLIDENUMBER", "3", "9", "r"}}, 112.5},
      {"a level-2 row under a failed row",
       "10",
       {{"SLIDENUMBER", "2", "4", "r"}, {"", "FINDTEXT", "Hello", "6", "r"}},
       0},
  };
  for (const Case& c : cases) {
    WriteAnswer(c.fullMarks, c.rules);
    EXPECT_DOUBLE_EQ(Run(), c.percent) << c.name;
  }
  EXPECT_EQ(control_.ansname, "p1.xls");
  EXPECT_EQ(control_.PathOfPptFile, folders_.Candidate());
  EXPECT_EQ(control_.PptAllGrade, 10);
  EXPECT_TRUE(changes_.names.empty());  // Run stores its paths without announcing them
  EXPECT_TRUE(boxes_.Shown().empty());
}

TEST_F(Control, RunAnswersNotGradedWithALogLineForWhatTheGraderCannotReadOfItsOwn) {
  EXPECT_EQ(RunDebugging("absent.xls"), kNotGraded);
  EXPECT_EQ(control_.ansname, "");  // nothing changed
  EXPECT_NE(Log().find("not graded"), std::string::npos);

  for (const char* d1 : {"", "abc", "0", "70000"}) {
    fs::remove(folders_.CandidateHost() / "slidemark.txt");
    WriteAnswer(d1, {{"FINDTEXT", "hello", "5", "r"}});
    EXPECT_EQ(RunDebugging(), kNotGraded) << d1;
    EXPECT_NE(Log().find("not graded"), std::string::npos) << d1;
  }
}

// Outside debug mode a grading leaves nothing in the candidate's folder, not even what it could
// not read.
TEST_F(Control, RunWritesTheLogOnlyInDebugMode) {
  const fs::path log = folders_.CandidateHost() / "slidemark.txt";
  WriteAnswer("10", {{"FINDTEXT", "Hello", "4", "found"}, {"SLIDENUMBER", "3", "6", "count"}});
  EXPECT_DOUBLE_EQ(Run(), 100.0);
  EXPECT_EQ(Run("absent.xls"), kNotGraded);
  {
    std::ofstream broken(folders_.CandidateHost() / "p1.pptx", std::ios::binary | std::ios::trunc);
    broken << "PK\x03\x04 this is no presentation";
  }
  EXPECT_DOUBLE_EQ(Run(), 0.0);
  EXPECT_FALSE(fs::exists(log));

  EXPECT_EQ(RunDebugging(), 0.0);
  EXPECT_NE(Log().find("cannot open"), std::string::npos);
}

TEST_F(Control, AMissingOrBrokenPresentationScoresZero) {
  // A rule that would hold on any presentation without the text.
  WriteAnswer("10", {{"not", "FINDTEXT", "zz-absent", "10", "r"}});
  EXPECT_DOUBLE_EQ(Run(), 100.0);

  {
    std::ofstream broken(folders_.CandidateHost() / "p1.pptx", std::ios::binary | std::ios::trunc);
    broken << "PK\x03\x04 this is no presentation";
  }
  EXPECT_DOUBLE_EQ(RunDebugging(), 0.0);
  EXPECT_NE(Log().find("cannot open"), std::string::npos);

  fs::remove(folders_.CandidateHost() / "p1.pptx");
  EXPECT_DOUBLE_EQ(Run(), 0.0);
  EXPECT_TRUE(boxes_.Shown().empty());
}

TEST_F(Control, ABinaryPresentationWithoutAConverterIsNotGradedWithTheReasonLogged) {
  // Any compound file stands for one: the converter is what is missing.
  fs::copy_file(fs::path(KIRV_CONVERT_TESTDATA) / "legacy_book.xls",
                folders_.CandidateHost() / "old.ppt");
  ASSERT_TRUE(testing::WriteAnswerWorkbook(folders_.AnswerHost() / "p1.xls", "old.ppt", "10",
                                           {{"not", "FINDTEXT", "zz-absent", "10", "r"}}, true));
  state_.Conversion.program = "kirv-no-such-converter";
  EXPECT_EQ(RunDebugging(), kNotGraded);
  EXPECT_NE(Log().find("cannot read the format of old.ppt: no converter"), std::string::npos)
      << Log();
  EXPECT_NE(Log().find("not graded"), std::string::npos);
}

TEST_F(Control, ABinaryPresentationIsGradedThroughTheConverter) {
  const std::string missing = office::testing::ConverterMissing(office::PackageFormat::Pptx);
  if (!missing.empty()) GTEST_SKIP() << missing;
  const fs::path flat = folders_.AnswerHost() / "old.fodp";
  std::ofstream(flat, std::ios::binary) << office::testing::FlatPresentation("旧格式的演示文稿");
  base::Result<fs::path> saved =
      office::testing::SaveWithLibreOffice(flat, "ppt:MS PowerPoint 97", folders_.AnswerHost());
  ASSERT_TRUE(saved) << saved.error().message;
  fs::copy_file(*saved, folders_.CandidateHost() / "old.ppt");
  ASSERT_TRUE(testing::WriteAnswerWorkbook(
      folders_.AnswerHost() / "p1.xls", "old.ppt", "10",
      {{"FINDTEXT", "旧格式的演示文稿", "6", "r"}, {"FINDTEXT", "zz-absent", "4", "r"}}, true));
  state_.Conversion.timeLimit = std::chrono::minutes(3);
  EXPECT_DOUBLE_EQ(Run(), 60.0);
}

TEST_F(Control, AFileNameWithAFolderIsReadBelowTheCheckFolder) {
  fs::create_directories(folders_.CandidateHost() / "sub");
  ASSERT_TRUE(pt::WritePptx(folders_.CandidateHost() / "sub" / "p2.pptx", ThreeSlides()));
  ASSERT_TRUE(testing::WriteAnswerWorkbook(folders_.AnswerHost() / "p1.xls", "sub\\p2.pptx", "10",
                                           {{"SLIDENUMBER", "3", "10", "r"}}));
  EXPECT_DOUBLE_EQ(Run(), 100.0);
}

TEST_F(Control, ALinkOutOfTheCandidatesFolderReadsAsMissing) {
  const fs::path outside = folders_.AnswerHost() / "elsewhere.pptx";
  ASSERT_TRUE(pt::WritePptx(outside, ThreeSlides()));
  fs::remove(folders_.CandidateHost() / "p1.pptx");
  fs::create_symlink(outside, folders_.CandidateHost() / "p1.pptx");
  WriteAnswer("10", {{"SLIDENUMBER", "3", "10", "r"}});
  EXPECT_DOUBLE_EQ(Run(), 0.0);
}

// A Pptkt that is a link out of the candidate's folder (to a folder elsewhere, or to the answer
// folder) reads as missing, and the debug log is not written where it leads.
TEST_F(Control, ACheckFolderLinkedOutOfTheCandidatesFolderReadsAsMissing) {
  const fs::path elsewhere = folders_.LinkTaskFolderOut();
  ASSERT_TRUE(pt::WritePptx(elsewhere / "p1.pptx", ThreeSlides()));
  ASSERT_TRUE(pt::WritePptx(folders_.AnswerHost() / "p1.pptx", ThreeSlides()));
  WriteAnswer("10", {{"SLIDENUMBER", "3", "10", "r"}});
  for (const fs::path& target : {elsewhere, folders_.AnswerHost()}) {
    SCOPED_TRACE(target.string());
    fs::remove(folders_.CandidateHost());
    fs::create_directory_symlink(target, folders_.CandidateHost());
    std::string check = folders_.Candidate(), answer = folders_.Answer(), name = "p1.xls";
    bool debug = true;
    EXPECT_DOUBLE_EQ(control_.Run(check, answer, name, debug), 0.0);
    EXPECT_FALSE(fs::exists(target / "slidemark.txt"));
  }
}

// A presentation with a video in it, far beyond the office file cap, is graded: its slides are
// read from the file piece by piece and the video is never inflated.
TEST_F(Control, APresentationWithALargeVideoIsGraded) {
  const fs::path file = folders_.CandidateHost() / "p1.pptx";
  ASSERT_TRUE(opc::testing::AppendSparseStoredPart(file, "ppt/media/media1.mp4", 300u << 20));
  ASSERT_GT(fs::file_size(file), win::kOfficeFileCap);
  WriteAnswer("10", {{"SLIDENUMBER", "3", "7", "r"}, {"FINDTEXT", "hello", "3", "r"}});
  EXPECT_DOUBLE_EQ(Run(), 100.0);
}

TEST_F(Control, TheRowLoopEndsAtABlankRowOrWithoutEnd) {
  struct Case {
    const char* name;
    Rows rules;
    bool end;
    double percent;
  } cases[] = {
      {"a blank row between rules",
       {{"SLIDENUMBER", "3", "4", "r"}, {}, {"FINDTEXT", "Hello", "6", "r"}},
       true,
       100},
      {"no END", {{"SLIDENUMBER", "3", "4", "r"}, {"FINDTEXT", "Hello", "6", "r"}}, false, 100},
      {"lower-case end first", {{"end"}, {"SLIDENUMBER", "3", "4", "r"}}, true, 0},
  };
  for (const Case& c : cases) {
    WriteAnswer("10", c.rules, c.end);
    EXPECT_DOUBLE_EQ(Run(), c.percent) << c.name;
  }
}

TEST_F(Control, AHeaderWithoutFilenameShowsTheBoxAndGradesNothing) {
  Rows rows = {{"file", "p1.pptx", "", "10"}, {"SLIDENUMBER", "3", "10", "r"}, {"END"}};
  excel::testing::XlsxContent content;
  content.sheets = {excel::testing::TextSheet("Sheet1", rows, content.sharedStrings)};
  ASSERT_TRUE(excel::testing::WriteXlsx(folders_.AnswerHost() / "p1.xls", content));
  EXPECT_DOUBLE_EQ(Run(), 0.0);
  ASSERT_EQ(boxes_.Shown().size(), 1u);
  EXPECT_EQ(boxes_.Shown()[0].text, "Ppt的答案文件有错误，请与开发人员联系！");
  EXPECT_EQ(boxes_.Shown()[0].caption, "错误——File");
}

TEST_F(Control, RunLeavesTheCandidatesPresentationAsItWas) {
  const fs::path file = folders_.CandidateHost() / "p1.pptx";
  const std::string before = ReadText(file);
  const auto written = fs::last_write_time(file);
  WriteAnswer("10", {{"FINDTEXT", "Hello", "10", "r"}});
  EXPECT_DOUBLE_EQ(Run(), 100.0);
  EXPECT_EQ(ReadText(file), before);
  EXPECT_EQ(fs::last_write_time(file), written);
  EXPECT_EQ(state_.PptApp, nullptr);
  EXPECT_EQ(state_.CurrentPresentation, nullptr);
}

TEST_F(Control, TheAnsnamePutGradesFromPptGradeUnlessIsGetName) {
  WriteAnswer("10", {{"FINDTEXT", "Hello", "4", "r"}});
  control_.pathofans = folders_.Answer();
  control_.PathOfPptFile = folders_.Candidate();
  control_.PptGrade = 3;
  control_.EDebug2 = false;
  ASSERT_TRUE(control_.Put(slidemark::kAnsname, com::Variant::String("p1.xls")));
  EXPECT_EQ(control_.PptGrade, 7);
  EXPECT_EQ(control_.PptAllGrade, 10);
  EXPECT_EQ(changes_.names, std::vector<std::string>{"ansname"});

  control_.IsGetName = true;
  ASSERT_TRUE(control_.Put(slidemark::kAnsname, com::Variant::String("p1.xls")));
  EXPECT_EQ(control_.PptGrade, 7);

  control_.IsGetName = false;
  WriteAnswer("abc", {{"FINDTEXT", "Hello", "4", "r"}});
  EXPECT_FALSE(control_.Put(slidemark::kAnsname, com::Variant::String("p1.xls")));
  EXPECT_EQ(control_.PptGrade, 7);
}

TEST_F(Control, PptxFileNameStarDotStarTakesTheWorkbooksNameHalfWidth) {
  ASSERT_TRUE(
      testing::WriteAnswerWorkbook(folders_.AnswerHost() / "p1.xls", "ｐ１．ｐｐｔｘ", "10", {}));
  control_.pathofans = folders_.Answer();
  control_.ansname = "p1.xls";
  ASSERT_TRUE(control_.Put(slidemark::kPptxFileName, com::Variant::String("*.*")));
  EXPECT_EQ(control_.PptxFileName, "p1.pptx");

  control_.pathofans.clear();
  state_.engine.StudentFileName = "kept";
  control_.GetFileName();
  EXPECT_EQ(state_.engine.StudentFileName, "kept");
}

TEST(Persistence, DefaultsAndKeysInDeclarationOrder) {
  SlideState state;
  slidemark control(state);
  control.InitProperties();
  com::PropertyBag bag;
  ASSERT_TRUE(control.WriteProperties(bag));
  std::vector<std::string> keys;
  for (const auto& [key, value] : bag.Items()) keys.push_back(key);
  EXPECT_EQ(keys,
            (std::vector<std::string>{"ansname", "PptxFileName", "pathofans", "IsGetName",
                                      "PptAllGrade", "PptGrade", "PathOfPptFile", "EDebug2"}));
  EXPECT_TRUE(control.EDebug2);
  EXPECT_FALSE(control.IsGetName);
  EXPECT_EQ(control.PptGrade, 0);
}

TEST(Library, GradesThroughRunByClassId) {
  testing::GradingFolders folders;
  win::testing::ScopedEnv registry("KIRV_REGISTRY",
                                   (folders.AnswerHost() / "registry.ini").string());
  base::Result<const com::Library*> library = com::LoadControlLibrary(KIRV_SLIDEMARK_OCX);
  ASSERT_TRUE(library) << library.error().message;
  ASSERT_TRUE((*library)->RegisterServer());
  ASSERT_TRUE(pt::WritePptx(folders.CandidateHost() / "p1.pptx", ThreeSlides()));
  ASSERT_TRUE(testing::WriteAnswerWorkbook(folders.AnswerHost() / "p1.xls", "p1.pptx", "8",
                                           {{"SLIDENUMBER", "3", "1", "r"}}));

  com::CreateParams params;
  params.childId = 114;
  auto window = com::ControlWindow::Create(slidemark::kClass.clsid, params);
  ASSERT_TRUE(window) << window.error().message;
  std::string check = folders.Candidate(), answer = folders.Answer(), name = "p1.xls";
  com::VariantBool debug = 0;
  base::Result<com::Variant> result = (*window)->Call(
      slidemark::kRun, {com::Variant::RefString(&check), com::Variant::RefString(&answer),
                        com::Variant::RefString(&name), com::Variant::RefBool(&debug)});
  ASSERT_TRUE(result) << result.error().message;
  EXPECT_EQ(*result, com::Variant::R8(12.5));
  EXPECT_TRUE((*library)->UnregisterServer());
}

}  // namespace
}  // namespace slidemark
