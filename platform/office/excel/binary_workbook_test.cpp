// Binary workbooks read without an office suite: a workbook LibreOffice Calc saved in the binary
// format reads cell for cell as its twin saved as a package (testdata/, made by
// testdata/make_binary_workbooks.py), and damaged or hostile files fail with a reason.
#include <gtest/gtest.h>

#include <cstring>
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

// Little-endian fields, for the BIFF5 workbook below.
std::string Le(uint64_t value, int bytes) {
  std::string out;
  for (int i = 0; i < bytes; ++i) out += static_cast<char>(value >> (8 * i));
  return out;
}

std::string Record(uint16_t id, const std::string& data) {
  return Le(id, 2) + Le(data.size(), 2) + data;
}

// A BIFF5 workbook, as spreadsheet programs of the 1990s saved it: its text in the code page
// GBK (936), one sheet "第一页" with A1 "中文" and B1 12.5, in a compound file of its own making
// (no suite writes this format any more).
std::string Biff5Workbook() {
  const std::string sheetName = "\xB5\xDA\xD2\xBB\xD2\xB3";  // 第一页
  const std::string chinese = "\xD6\xD0\xCE\xC4";            // 中文
  const std::string bof = Le(0x0500, 2) + Le(0x0005, 2) + Le(0, 4);
  std::string globals = Record(0x0809, bof) + Record(0x0042, Le(936, 2));
  for (int i = 0; i < 16; ++i) globals += Record(0x00E0, std::string(16, '\0'));
  const size_t boundSheetSize = 4 + 4 + 2 + 1 + sheetName.size();
  const size_t sheetAt = globals.size() + boundSheetSize + 4;
  globals += Record(0x0085, Le(sheetAt, 4) + Le(0, 2) + Le(sheetName.size(), 1) + sheetName);
  globals += Record(0x000A, "");
  std::string sheet = Record(0x0809, Le(0x0500, 2) + Le(0x0010, 2) + Le(0, 4));
  sheet += Record(0x0200, Le(0, 2) + Le(1, 2) + Le(0, 2) + Le(2, 2) + Le(0, 2));
  sheet += Record(0x0204, Le(0, 2) + Le(0, 2) + Le(15, 2) + Le(chinese.size(), 2) + chinese);
  double number = 12.5;
  uint64_t bits;
  std::memcpy(&bits, &number, sizeof bits);
  sheet += Record(0x0203, Le(0, 2) + Le(1, 2) + Le(15, 2) + Le(bits, 8));
  // Records no reader knows, so the stream is long enough to live in ordinary sectors.
  for (int i = 0; i < 3; ++i) sheet += Record(0x0FFF, std::string(2000, '\0'));
  sheet += Record(0x000A, "");
  std::string stream = globals + sheet;
  const size_t streamSectors = (stream.size() + 511) / 512;
  stream.resize(streamSectors * 512, '\0');

  // Sector 0 the allocation table, 1 the directory, 2 on the stream.
  std::string header = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1" + std::string(16, '\0');
  header += Le(0x3E, 2) + Le(3, 2) + Le(0xFFFE, 2) + Le(9, 2) + Le(6, 2) + std::string(6, '\0');
  header += Le(0, 4) + Le(1, 4) + Le(1, 4) + Le(0, 4) + Le(4096, 4);
  header += Le(0xFFFFFFFE, 4) + Le(0, 4) + Le(0xFFFFFFFE, 4) + Le(0, 4);
  header += Le(0, 4);
  while (header.size() < 512) header += Le(0xFFFFFFFF, 4);
  std::string fat = Le(0xFFFFFFFD, 4) + Le(0xFFFFFFFE, 4);
  for (size_t i = 0; i < streamSectors; ++i)
    fat += Le(i + 1 < streamSectors ? i + 3 : 0xFFFFFFFE, 4);
  while (fat.size() < 512) fat += Le(0xFFFFFFFF, 4);
  auto entry = [](const std::u16string& name, int type, uint32_t child, uint32_t start,
                  uint32_t size) {
    std::string e;
    for (char16_t c : name) e += Le(c, 2);
    e.resize(64, '\0');
    e += Le(name.empty() ? 0 : (name.size() + 1) * 2, 2) + Le(type, 1) + Le(1, 1);
    e += Le(0xFFFFFFFF, 4) + Le(0xFFFFFFFF, 4) + Le(child, 4) + std::string(16 + 4 + 16, '\0');
    e += Le(start, 4) + Le(size, 4) + Le(0, 4);
    return e;
  };
  std::string directory = entry(u"Root Entry", 5, 1, 0xFFFFFFFE, 0) +
                          entry(u"Book", 2, 0xFFFFFFFF, 2, globals.size() + sheet.size()) +
                          entry(u"", 0, 0xFFFFFFFF, 0, 0) + entry(u"", 0, 0xFFFFFFFF, 0, 0);
  return header + fat + directory + stream;
}

TEST(BinaryWorkbook, Biff5TextIsReadInItsCodePage) {
  Application app;
  base::Result<Workbook*> book = app.Workbooks().OpenBytes("C:\\old.xls", Biff5Workbook());
  ASSERT_TRUE(book) << book.error().message;
  EXPECT_EQ((*book)->ActiveSheet()->Name(), "第一页");
  EXPECT_EQ(vb::CStr(*app.Cells(1, 1).Value()).value(), "中文");
  EXPECT_EQ(vb::CStr(*app.Cells(1, 2).Value()).value(), "12.5");
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
