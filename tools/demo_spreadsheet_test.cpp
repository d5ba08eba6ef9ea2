// The demo's spreadsheet task graded end to end: its answer workbook and a candidate's workbook
// in the folders the client passes, sheetmark.ocx registered and created by its class id, and
// the puts and gets the client's wrapper makes, by dispatch id.
#include "grading/sheetmark/testing/demo_spreadsheet.h"

#include <gtest/gtest.h>

#include <optional>

#include "platform/com/control_window.h"
#include "platform/com/library.h"
#include "platform/office/excel/application.h"
#include "platform/win/paths.h"
#include "platform/win/testing/scoped_env.h"
#include "platform/win/testing/test_folder.h"

namespace {

namespace fs = std::filesystem;

const com::Clsid kSheetmark = com::Clsid::Of("{FBACF490-9A1C-424D-971E-5D1409C0B2C9}");
constexpr com::DispId kPathOfexl = 0x68030000, kExcelAllGrade = 0x68030001,
                      kExcelGrade = 0x68030002, kAnsname = 0x68030003, kPathofans = 0x68030005,
                      kEDebug = 0x68030008;

class DemoSpreadsheet : public ::testing::Test {
 protected:
  void SetUp() override {
    registry_.emplace("KIRV_REGISTRY", (root_.Path() / "registry.ini").string());
    base::Result<const com::Library*> library = com::LoadControlLibrary(KIRV_SHEETMARK_OCX);
    ASSERT_TRUE(library) << library.error().message;
    ASSERT_TRUE((*library)->RegisterServer());
    fs::create_directories(Answers());
    fs::create_directories(Candidate());
    ASSERT_TRUE(demo::WriteSpreadsheetAnswer(Answers() / demo::kSpreadsheetAnswer));
  }
  void TearDown() override { registry_.reset(); }

  fs::path Answers() const { return root_.Path() / "Data" / "Answer"; }
  fs::path Candidate() const { return root_.Path() / "26001010101" / "Excelkt"; }

  // What the client's grader does: create the control, put in its order, read both marks.
  std::pair<int16_t, int16_t> Grade() {
    com::CreateParams params;
    params.childId = 113;
    auto window = com::ControlWindow::Create(kSheetmark, params);
    if (!window) {
      ADD_FAILURE() << window.error().message;
      return {-1, -1};
    }
    com::ControlWindow& w = **window;
    EXPECT_TRUE(w.Put(kEDebug, com::Variant::Bool(false)));
    EXPECT_TRUE(w.Put(kExcelGrade, com::Variant::I2(0)));
    EXPECT_TRUE(w.Put(kPathofans, com::Variant::String(win::ToWindowsPath(Answers()) + "\\")));
    EXPECT_TRUE(w.Put(kPathOfexl, com::Variant::String(win::ToWindowsPath(Candidate()) + "\\")));
    EXPECT_TRUE(w.Put(kAnsname, com::Variant::String(demo::kSpreadsheetAnswer)));
    return {w.Get(kExcelGrade)->IntValue(), w.Get(kExcelAllGrade)->IntValue()};
  }

  win::testing::ScopedTempFolder root_{"demo_spreadsheet_"};
  std::optional<win::testing::ScopedEnv> registry_;
};

TEST_F(DemoSpreadsheet, TheTaskDoneScoresFullMarks) {
  ASSERT_TRUE(demo::WriteSolvedWorkbook(Candidate() / demo::kSpreadsheetWorkbook));
  EXPECT_EQ(Grade(), std::make_pair(int16_t{100}, int16_t{100}));
}

TEST_F(DemoSpreadsheet, TheStartingWorkbookScoresNothing) {
  ASSERT_TRUE(demo::WriteStartingWorkbook(Candidate() / demo::kSpreadsheetWorkbook));
  EXPECT_EQ(Grade(), std::make_pair(int16_t{0}, int16_t{100}));
}

TEST_F(DemoSpreadsheet, TheChartMustDrawTheTotals) {
  for (char column : {'\0', 'D'}) {  // no chart; a chart of the English marks
    ASSERT_TRUE(demo::WriteSolvedWorkbook(Candidate() / demo::kSpreadsheetWorkbook, column));
    EXPECT_EQ(Grade(), std::make_pair(int16_t{90}, int16_t{100})) << int{column};
  }
}

TEST_F(DemoSpreadsheet, AStepLeftUndoneCostsItsPoints) {
  // Done, but saved without the filter: only the filter rule's 10 points are lost.
  ASSERT_TRUE(demo::WriteSolvedWorkbook(Candidate() / demo::kSpreadsheetWorkbook));
  {
    excel::Application app;
    const std::string file = win::ToWindowsPath(Candidate() / demo::kSpreadsheetWorkbook);
    base::Result<excel::Workbook*> book = app.Workbooks().Open(file);
    ASSERT_TRUE(book);
    ASSERT_TRUE(app.Range("Colum1")->AutoFilter(3, ">=0"));  // every row shown again
    ASSERT_TRUE((*book)->SaveAs(file));
  }
  EXPECT_EQ(Grade(), std::make_pair(int16_t{90}, int16_t{100}));
}

}  // namespace
