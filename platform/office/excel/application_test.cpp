// Opening, the active sheet, SaveAs, Saved and closing, on real .xlsx files.
#include "platform/office/excel/application.h"

#include <gtest/gtest.h>

#include <fstream>

#include "platform/office/excel/testing/xlsx_writer.h"
#include "platform/win/paths.h"

namespace excel {
namespace {

using testing::TempFolder;
using testing::XlsxContent;

XlsxContent ThreeSheets(int activeTab) {
  XlsxContent content;
  content.sheets = {testing::TextSheet("一", {{"first"}}, content.sharedStrings),
                    testing::TextSheet("二", {{"second"}}, content.sharedStrings),
                    {"chart", "", "", true}};
  content.activeTab = activeTab;
  return content;
}

TEST(Application, ActiveSheetFollowsTheSavedView) {
  TempFolder tmp("app_active");
  struct Case {
    int activeTab;
    const char* sheet;
  } cases[] = {{-1, "一"}, {0, "一"}, {1, "二"}, {7, "一"}, {2, "chart"}};
  for (const Case& c : cases) {
    const auto file = tmp.Path() / ("tab" + std::to_string(c.activeTab) + ".xlsx");
    std::string error;
    ASSERT_TRUE(testing::WriteXlsx(file, ThreeSheets(c.activeTab), &error)) << error;
    Application app;
    Workbook* book = app.Workbooks().Open(win::ToWindowsPath(file));
    ASSERT_NE(book, nullptr) << app.LastError();
    EXPECT_EQ(app.ActiveWorkbook(), book);
    ASSERT_NE(app.ActiveSheet(), nullptr);
    EXPECT_EQ(app.ActiveSheet()->Name(), c.sheet);
    EXPECT_EQ(book->SheetCount(), 3);
    EXPECT_EQ(book->Worksheets("二"), book->Worksheets(2));
    const auto value = app.Cells(1, 1).Value();
    if (app.ActiveSheet()->IsChart()) {
      EXPECT_FALSE(value.has_value());  // a chart sheet has no cells
    } else {
      EXPECT_EQ(vb::CStr(*value).value(), c.activeTab == 1 ? "second" : "first");
    }
  }
}

TEST(Application, FilesThatAreNoWorkbookFailWithAReason) {
  TempFolder tmp("app_bad");
  const auto text = tmp.Path() / "answer.xls";
  std::ofstream(text) << "filename\tx.xlsx\n";
  const auto noSheets = tmp.Path() / "empty.xlsx";
  XlsxContent empty;
  std::string error;
  ASSERT_TRUE(testing::WriteXlsx(noSheets, empty, &error));
  struct Case {
    std::filesystem::path file;
    const char* reason;
  } cases[] = {{text, "no zip signature"},
               {tmp.Path() / "missing.xlsx", "cannot open"},
               {noSheets, "no sheets"},
               {tmp.Path(), "cannot"}};
  for (const Case& c : cases) {
    Application app;
    EXPECT_EQ(app.Workbooks().Open(win::ToWindowsPath(c.file)), nullptr);
    EXPECT_NE(app.LastError().find(c.reason), std::string::npos) << app.LastError();
    EXPECT_EQ(app.ActiveWorkbook(), nullptr);
    EXPECT_FALSE(app.Cells(1, 1).Value().has_value());
  }
}

TEST(Application, SaveAsSavedAndClose) {
  TempFolder tmp("app_save");
  const auto file = tmp.Path() / "book.xlsx";
  std::string error;
  ASSERT_TRUE(testing::WriteXlsx(file, ThreeSheets(1), &error)) << error;
  Application app;
  Workbook* book = app.Workbooks().Open(win::ToWindowsPath(file));
  ASSERT_NE(book, nullptr);
  EXPECT_EQ(app.Workbooks().Open(win::ToWindowsPath(file)), book);  // already open
  EXPECT_EQ(app.Workbooks().Count(), 1);
  EXPECT_TRUE(book->Saved());
  book->SetSaved(false);

  const std::string copy = win::ToWindowsPath(tmp.Path() / "copy.tmq");
  ASSERT_TRUE(book->SaveAs(copy, &error)) << error;
  EXPECT_TRUE(book->Saved());
  EXPECT_EQ(book->FullName(), copy);
  EXPECT_EQ(book->Name(), "copy.tmq");
  EXPECT_FALSE(book->SaveAs(win::ToWindowsPath(tmp.Path() / "no" / "dir" / "x.xlsx"), &error));

  Application other;
  ASSERT_NE(other.Workbooks().Open(copy), nullptr) << other.LastError();
  EXPECT_EQ(vb::CStr(*other.Cells(1, 1).Value()).value(), "second");

  ASSERT_NE(app.ActiveWindow(), nullptr);
  app.ActiveWindow()->Close();
  EXPECT_EQ(app.Workbooks().Count(), 0);
  EXPECT_EQ(app.ActiveWorkbook(), nullptr);
  EXPECT_EQ(app.ActiveWindow(), nullptr);
  EXPECT_FALSE(app.Cells(1, 1).Value().has_value());
}

}  // namespace
}  // namespace excel
