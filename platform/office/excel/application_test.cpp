// Opening, the active sheet, SaveAs, Saved and closing, on real .xlsx files.
#include "platform/office/excel/application.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

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
                    testing::ChartSheet("chart")};
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
    const base::Status written = testing::WriteXlsx(file, ThreeSheets(c.activeTab));
    ASSERT_TRUE(written) << written.error().message;
    Application app;
    base::Result<Workbook*> opened = app.Workbooks().Open(win::ToWindowsPath(file));
    ASSERT_TRUE(opened) << opened.error().message;
    Workbook* book = *opened;
    EXPECT_EQ(app.ActiveWorkbook(), book);
    ASSERT_NE(app.ActiveSheet(), nullptr);
    EXPECT_EQ(app.ActiveSheet()->Name(), c.sheet);
    EXPECT_EQ(book->SheetCount(), 3);
    EXPECT_EQ(*book->Sheets("二"), *book->Sheets(2));
    EXPECT_FALSE(book->Sheets(4));
    EXPECT_EQ(*book->Worksheets(2), *book->Sheets(2));
    EXPECT_FALSE(book->Worksheets(3));  // the chart sheet is no worksheet
    EXPECT_FALSE(book->Worksheets("CHART"));
    EXPECT_TRUE(book->Sheets("CHART"));
    EXPECT_FALSE(book->Sheets("三"));
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
  ASSERT_TRUE(testing::WriteXlsx(noSheets, empty));
  struct Case {
    std::filesystem::path file;
    const char* reason;
  } cases[] = {{text, "no zip signature"},
               {tmp.Path() / "missing.xlsx", "no such file"},
               {noSheets, "no sheets"},
               {tmp.Path(), "cannot"}};
  for (const Case& c : cases) {
    Application app;
    base::Result<Workbook*> opened = app.Workbooks().Open(win::ToWindowsPath(c.file));
    ASSERT_FALSE(opened);
    EXPECT_NE(opened.error().message.find(c.reason), std::string::npos) << opened.error().message;
    EXPECT_EQ(app.ActiveWorkbook(), nullptr);
    EXPECT_FALSE(app.Cells(1, 1).Value().has_value());
  }
}

TEST(Application, OpenBytesReadsTheGivenBytesUnderTheGivenName) {
  TempFolder tmp("app_bytes");
  const auto file = tmp.Path() / "book.xlsx";
  ASSERT_TRUE(testing::WriteXlsx(file, ThreeSheets(1)));
  std::ifstream in(file, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  // The name need not exist on the host: the bytes are the content.
  const std::string name = "C:\\nowhere\\answer.xls";
  Application app;
  base::Result<Workbook*> opened = app.Workbooks().OpenBytes(name, bytes);
  ASSERT_TRUE(opened) << opened.error().message;
  EXPECT_EQ((*opened)->FullName(), name);
  EXPECT_EQ(vb::CStr(*app.Cells(1, 1).Value()).value(), "second");
  EXPECT_EQ(*app.Workbooks().OpenBytes(name, "not a package"), *opened);  // already open

  Application other;
  base::Result<Workbook*> bad = other.Workbooks().OpenBytes(name, bytes.substr(0, 40));
  ASSERT_FALSE(bad);
  EXPECT_NE(bad.error().message.find("answer.xls"), std::string::npos) << bad.error().message;
  EXPECT_EQ(other.ActiveWorkbook(), nullptr);
}

TEST(Application, SaveAsSavedAndClose) {
  TempFolder tmp("app_save");
  const auto file = tmp.Path() / "book.xlsx";
  const base::Status written = testing::WriteXlsx(file, ThreeSheets(1));
  ASSERT_TRUE(written) << written.error().message;
  Application app;
  Workbook* book = *app.Workbooks().Open(win::ToWindowsPath(file));
  EXPECT_EQ(*app.Workbooks().Open(win::ToWindowsPath(file)), book);  // already open
  EXPECT_EQ(app.Workbooks().Count(), 1);
  EXPECT_TRUE(book->Saved());
  book->SetSaved(false);

  const std::string copy = win::ToWindowsPath(tmp.Path() / "copy.tmq");
  ASSERT_TRUE(book->SaveAs(copy));
  EXPECT_TRUE(book->Saved());
  EXPECT_EQ(book->FullName(), copy);
  EXPECT_EQ(book->Name(), "copy.tmq");
  EXPECT_FALSE(book->SaveAs(win::ToWindowsPath(tmp.Path() / "no" / "dir" / "x.xlsx")));

  Application other;
  ASSERT_TRUE(other.Workbooks().Open(copy));
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
