// The demo's office tasks graded with their answer workbooks in the binary format: each workbook
// the demo writes as a package, saved again by LibreOffice Calc as .xls (testdata/, made by
// testdata/make_binary_answers.sh), gives each registered control that reads an answer workbook
// the score its package gives.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <optional>

#include "client/grading/controls/ping_run.h"
#include "grading/docmark/testing/demo_document.h"
#include "grading/sheetmark/testing/demo_spreadsheet.h"
#include "grading/slidemark/testing/demo_presentation.h"
#include "grading/webmark/testing/demo_site.h"
#include "platform/com/control_window.h"
#include "platform/com/library.h"
#include "platform/win/message_box.h"
#include "platform/win/paths.h"
#include "platform/win/process.h"
#include "platform/win/testing/scoped_env.h"
#include "platform/win/testing/test_folder.h"
#include "tools/testing/grade_by_run.h"

namespace {

namespace fs = std::filesystem;

// The spreadsheet control as its client drives it: puts in its order, the mark read back.
double GradeSpreadsheet(const fs::path& task, const fs::path& answers, const std::string& name) {
  constexpr com::DispId kPathOfexl = 0x68030000, kExcelGrade = 0x68030002, kAnsname = 0x68030003,
                        kPathofans = 0x68030005, kEDebug = 0x68030008;
  com::CreateParams params;
  params.childId = 113;
  auto window =
      com::ControlWindow::Create(com::Clsid::Of("{FBACF490-9A1C-424D-971E-5D1409C0B2C9}"), params);
  if (!window) {
    ADD_FAILURE() << window.error().message;
    return -1;
  }
  com::ControlWindow& w = **window;
  EXPECT_TRUE(w.Put(kEDebug, com::Variant::Bool(false)));
  EXPECT_TRUE(w.Put(kExcelGrade, com::Variant::I2(0)));
  EXPECT_TRUE(w.Put(kPathofans, com::Variant::String(win::ToWindowsPath(answers) + "\\")));
  EXPECT_TRUE(w.Put(kPathOfexl, com::Variant::String(win::ToWindowsPath(task) + "\\")));
  EXPECT_TRUE(w.Put(kAnsname, com::Variant::String(name)));
  return w.Get(kExcelGrade)->IntValue();
}

// The web-page control: Run with the check folder and the answer workbook's full path.
double GradeSite(const fs::path& task, const fs::path& answers, const std::string& name) {
  int dialog = 0;
  PingFp control;
  if (!control.Create("", 0, com::Rect{}, &dialog, 116)) {
    ADD_FAILURE() << control.LastError();
    return -1;
  }
  std::string check = win::ToWindowsPath(task) + "\\";
  std::string answer = win::ToWindowsPath(answers / name);
  bool debug = false;
  base::Result<double> percent = control.Run(check, answer, debug);
  if (!percent) {
    ADD_FAILURE() << percent.error().message;
    return -1;
  }
  return *percent;
}

// The desktop paper's answer workbook as the demo makes it: text_book on its rule rows.
base::Status WriteDesktopAnswer(const fs::path& file) {
  base::Result<int> pid = win::StartHostProgram(
      {KIRV_TEXT_BOOK, std::string(KIRV_SOURCE_DIR) + "/demo/answer/win1.tsv", file.string()},
      file.parent_path() / "text_book.log");
  if (!pid) return pid.error();
  base::Result<int> status = win::WaitForProcess(*pid, std::chrono::minutes(1));
  if (!status || *status != 0) return base::Error::Of("text_book failed");
  return base::Ok();
}

// The desktop paper's starting folder with two of its five tasks done: NEWS made, old.txt gone.
base::Status WriteDesktopCandidate(const fs::path& folder) {
  std::error_code ec;
  fs::copy(fs::path(KIRV_SOURCE_DIR) / "demo/attach/win1", folder, fs::copy_options::recursive, ec);
  if (!ec) fs::create_directory(folder / "Winkt" / "NEWS", ec);
  if (!ec) fs::remove(folder / "Winkt" / "report" / "old.txt", ec);
  if (ec) return base::Error::Of("cannot lay out the desktop task: ", ec.message());
  return base::Ok();
}

struct Task {
  const char* name;
  const char* library;
  const char* binaryTwin;  // in testdata/
  std::function<base::Status(const fs::path&)> writeAnswer;
  const char* taskFolder;
  std::function<base::Status(const fs::path&)> writeCandidate;  // given the task folder
  std::function<double(const fs::path&, const fs::path&, const std::string&)> grade;
  double expected;  // what the package gives, so that both grading nothing would not pass
};

TEST(BinaryAnswerWorkbooks, GradeEachControlAsTheirPackageTwins) {
  const Task tasks[] = {
      {"spreadsheet, chart left out", KIRV_SHEETMARK_OCX, "excel1.xls",
       demo::WriteSpreadsheetAnswer, "Excelkt",
       [](const fs::path& folder) {
         return demo::WriteSolvedWorkbook(folder / demo::kSpreadsheetWorkbook, '\0');
       },
       GradeSpreadsheet, 90},
      {"word processor, partly wrong", KIRV_DOCMARK_OCX, "word1.xls", demo::WriteWordAnswer,
       "wordkt",
       [](const fs::path& folder) {
         return demo::WritePartlyWrongDocument(folder / demo::kWordDocument);
       },
       [](const fs::path& task, const fs::path& answers, const std::string& name) {
         return GradeByRun<PingWord>(task, answers, name, 112);
       },
       demo::kPartlyWrongPoints * 100.0 / demo::kWordFullMarks},
      {"presentation, partly wrong", KIRV_SLIDEMARK_OCX, "ppt1.xls", demo::WritePptAnswer, "pptkt",
       [](const fs::path& folder) {
         return demo::WritePartlyWrongPresentation(folder / demo::kPptPresentation);
       },
       [](const fs::path& task, const fs::path& answers, const std::string& name) {
         return GradeByRun<PingPpt>(task, answers, name, 114);
       },
       demo::kPartlyWrongPptPoints * 100.0 / demo::kPptFullMarks},
      {"web page, solved", KIRV_WEBMARK_OCX, "web1.xls", demo::WriteSiteAnswer, "Fropkt",
       [](const fs::path& folder) { return demo::WriteSolvedSite(folder); }, GradeSite, 100},
      {"desktop, two tasks of five", KIRV_DESKMARK_OCX, "win1.xls", WriteDesktopAnswer, "desk",
       WriteDesktopCandidate, GradeDesktop, 40},
  };
  win::SetMessageSink([](const win::MessageBoxRequest&) { return int{win::IDOK}; });
  for (const Task& task : tasks) {
    SCOPED_TRACE(task.name);
    win::testing::ScopedTempFolder root("binary_answer_");
    win::testing::ScopedEnv registry("KIRV_REGISTRY", (root.Path() / "registry.ini").string());
    base::Result<const com::Library*> library = com::LoadControlLibrary(task.library);
    ASSERT_TRUE(library) << library.error().message;
    ASSERT_TRUE((*library)->RegisterServer());
    const fs::path answers = root.Path() / "Data" / "Answer";
    const fs::path folder = root.Path() / "26001010101" / task.taskFolder;
    fs::create_directories(answers);
    fs::create_directories(folder);
    ASSERT_TRUE(task.writeCandidate(folder));
    ASSERT_TRUE(task.writeAnswer(answers / "package.xlsx"));
    fs::copy_file(fs::path(KIRV_TOOLS_TESTDATA) / task.binaryTwin, answers / "binary.xls");

    const double package = task.grade(folder, answers, "package.xlsx");
    const double binary = task.grade(folder, answers, "binary.xls");

    EXPECT_DOUBLE_EQ(package, task.expected);
    EXPECT_DOUBLE_EQ(binary, package);
  }
  win::SetMessageSink(nullptr);
}

}  // namespace
