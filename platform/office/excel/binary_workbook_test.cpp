// Binary workbooks read without an office suite: a workbook LibreOffice Calc saved in the binary
// format reads cell for cell as its twin saved as a package (testdata/, made by
// testdata/make_binary_workbooks.py), and damaged or hostile files fail with a reason.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "platform/office/excel/application.h"
#include "platform/office/excel/binary_workbook.h"
#include "platform/office/excel/testing/xlsx_writer.h"
#include "platform/win/paths.h"

namespace excel {
namespace {

namespace fs = std::filesystem;

fs::path TestData(const char* name) {
  return fs::path(KIRV_SOURCE_DIR) / "platform/office/excel/testdata" / name;
}

std::string Read(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Write(const fs::path& file, std::string_view bytes) {
  std::ofstream(file, std::ios::binary) << bytes;
}

// A cell as the readers see it: the value's type and text, and the text its format shows.
std::string Shown(Range cell) {
  base::Result<vb::Variant> value = cell.Value();
  if (!value) return "<" + value.error().message + ">";
  base::Result<std::string> text = vb::CStr(*value);
  base::Result<std::string> formatted = cell.Text();
  return std::to_string(static_cast<int>(value->Type())) + ":" + (text ? *text : "?") + "|" +
         (formatted ? *formatted : "?");
}

Workbook* OpenFile(Application& app, const fs::path& file) {
  base::Result<Workbook*> book = app.Workbooks().Open(win::ToWindowsPath(file));
  EXPECT_TRUE(book) << file << ": " << (book ? "" : book.error().message);
  return book ? *book : nullptr;
}

TEST(BinaryWorkbook, ReadsCellForCellAsItsPackageTwin) {
  Application binaryApp, packageApp;
  Workbook* binary = OpenFile(binaryApp, TestData("binary_values.xls"));
  Workbook* package = OpenFile(packageApp, TestData("binary_values.xlsx"));
  ASSERT_TRUE(binary && package);
  ASSERT_EQ(binary->SheetCount(), 3);
  ASSERT_EQ(binary->SheetCount(), package->SheetCount());
  EXPECT_EQ(binary->ActiveSheet()->Name(), package->ActiveSheet()->Name());
  for (int s = 1; s <= binary->SheetCount(); ++s) {
    Worksheet* a = *binary->Sheets(s);
    Worksheet* b = *package->Sheets(s);
    EXPECT_EQ(a->Name(), b->Name());
    for (int row = 1; row <= 6; ++row) {
      for (int column = 1; column <= 10; ++column) {
        EXPECT_EQ(Shown(a->Cells(row, column)), Shown(b->Cells(row, column)))
            << a->Name() << " " << testing::CellName(row, column);
      }
    }
  }

  // What both must hold, so that both reading nothing would not pass.
  Worksheet* rules = *binary->Sheets("Sheet1");
  auto value = [&](int row, int column) {
    return vb::CStr(*rules->Cells(row, column).Value()).value();
  };
  EXPECT_EQ(value(1, 2), "答题.xlsx");
  EXPECT_EQ(value(1, 4), "100");
  EXPECT_EQ(value(2, 4), "") << "the empty cell inside the rule row";
  EXPECT_EQ(value(2, 6), "12.5");
  EXPECT_EQ(value(4, 1), "5") << "a formula's cached number";
  EXPECT_EQ(value(4, 2), "xy") << "a formula's cached text";
  EXPECT_EQ(rules->Cells(4, 3).Value()->Type(), vb::VarType::Date);
  EXPECT_EQ(value(4, 4), "2024/6/1 13:45:30");
  EXPECT_EQ(rules->Cells(4, 6).Value()->Type(), vb::VarType::Boolean);
  EXPECT_EQ(rules->Cells(4, 8).Value()->Type(), vb::VarType::Error);
  EXPECT_EQ(value(5, 1), "12.3457") << "a currency cell, to four decimals";
  EXPECT_EQ(value(5, 3), "_x0041_ 原样");
  EXPECT_EQ(value(5, 4), "两行\n文字");
  EXPECT_EQ(vb::CStr(*(*binary->Sheets("第二页"))->Cells(1, 2).Value()).value(), "6");
}

TEST(BinaryWorkbook, TheContentDecidesNotTheName) {
  excel::testing::TempFolder folder("binary_names");
  Write(folder.Path() / "binary.xlsx", Read(TestData("binary_values.xls")));
  Write(folder.Path() / "package.xls", Read(TestData("binary_values.xlsx")));
  for (const char* name : {"binary.xlsx", "package.xls"}) {
    Application app;
    Workbook* book = OpenFile(app, folder.Path() / name);
    ASSERT_TRUE(book) << name;
    EXPECT_EQ(vb::CStr(*(*book->Sheets("Sheet1"))->Cells(1, 2).Value()).value(), "答题.xlsx");
  }
}

// The file with each record of that type and length changed at `offset` of its data.
std::string Patched(std::string bytes, std::string_view header, size_t offset,
                    std::string_view value) {
  int patched = 0;
  for (size_t at = 512; at + 4 + offset + value.size() <= bytes.size(); ++at) {
    if (bytes.compare(at, 4, header) == 0) {
      bytes.replace(at + 4 + offset, value.size(), value);
      ++patched;
    }
  }
  EXPECT_GT(patched, 0);
  return bytes;
}

const std::string kDimensions("\x00\x02\x0E\x00", 4);
const std::string kWindow("\x3D\x00\x12\x00", 4);

TEST(BinaryWorkbook, TheActiveSheetIsTheSavedWindowsTab) {
  const std::string bytes =
      Patched(Read(TestData("binary_values.xls")), kWindow, 10, std::string("\x01\x00", 2));
  Application app;
  base::Result<Workbook*> book = app.Workbooks().OpenBytes("C:\\a.xls", bytes);
  ASSERT_TRUE(book) << book.error().message;
  EXPECT_EQ((*book)->ActiveSheet()->Name(), "第二页");
  EXPECT_EQ(vb::CStr(*app.Cells(1, 1).Value()).value(), "中文");
}

TEST(BinaryWorkbook, BadFilesAreNoWorkbookWithTheirReason) {
  const std::string good = Read(TestData("binary_values.xls"));
  ASSERT_GT(good.size(), 4096u);
  const std::string signature = good.substr(0, 8);
  struct Row {
    const char* name;
    std::string bytes;
    const char* said;
  } rows[] = {
      {"signature alone", signature, "damaged"},
      {"signature and junk", signature + std::string(4000, '\x5A'), "damaged"},
      {"cut in half", good.substr(0, good.size() / 2), "not a workbook"},
      {"a compound file that is a document",
       Read(fs::path(KIRV_SOURCE_DIR) / "platform/office/word/testdata/suite_legacy.doc"),
       "no workbook stream"},
      {"sheets declaring 65535 rows of 256 columns",
       Patched(Patched(good, kDimensions, 4, std::string("\xFF\xFF\x00\x00", 4)), kDimensions, 10,
               std::string("\x00\x01", 2)),
       "too large"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const base::Result<std::string> package = PackageFromBinaryWorkbook(row.bytes);
    ASSERT_FALSE(package);
    EXPECT_NE(package.error().message.find(row.said), std::string::npos) << package.error().message;
    Application app;
    EXPECT_FALSE(app.Workbooks().OpenBytes("C:\\a.xls", row.bytes));
  }
}

}  // namespace
}  // namespace excel
