// The checks through the keyword table, rule row by rule row, on workbooks built for them and on
// workbooks saved by an office suite.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grading/sheetmark/testing/sheet_fixture.h"
#include "platform/office/excel/testing/xlsx_writer.h"

namespace sheetmark {
namespace {

using excel::testing::Sheet;
using excel::testing::XlsxContent;
using testing::OpenedWorkbook;

const std::filesystem::path kTestData = KIRV_EXCEL_TESTDATA;

struct RuleCase {
  const char* name;
  std::vector<std::string> cells;  // keyword and argument cells
  int16_t expected;                // 1 holds, 0 fails
};

void ExpectRules(OpenedWorkbook& book, const std::vector<RuleCase>& cases) {
  ASSERT_EQ(book.Error(), "");
  for (const RuleCase& c : cases) EXPECT_EQ(book.Rule(c.cells), c.expected) << c.name;
}

// Cell formats, one each, in the order the cells use them.
const char kStyles[] =
    "<fonts>"
    "<font><sz val='11'/><color theme='1'/><name val='Calibri'/></font>"                 // 0
    "<font><b/><sz val='11'/><name val='Calibri'/></font>"                               // 1
    "<font><i/><u val='double'/><sz val='11'/><name val='Calibri'/></font>"              // 2
    "<font><b/><i/><u/><sz val='11'/><color indexed='10'/><name val='Calibri'/></font>"  // 3
    "<font><sz val='11'/><color rgb='FF0000FF'/><name val='Calibri'/></font>"            // 4
    "<font><sz val='10.5'/><name val='宋体'/></font>"                                    // 5
    "</fonts>"
    "<fills><fill><patternFill patternType='none'/></fill>"
    "<fill><patternFill patternType='gray125'/></fill>"
    "<fill><patternFill patternType='solid'><fgColor rgb='FFFFFF00'/><bgColor indexed='64'/>"
    "</patternFill></fill>"
    "<fill><patternFill patternType='mediumGray'><fgColor rgb='FFFF0000'/><bgColor "
    "rgb='FFFFFF00'/></patternFill></fill></fills>"
    "<borders><border/><border><left style='thin'/></border></borders>"
    "<cellXfs>"
    "<xf numFmtId='0' fontId='0' fillId='0' borderId='0'/>"  // 0
    "<xf numFmtId='0' fontId='1' fillId='0' borderId='0'/>"  // 1 bold
    "<xf numFmtId='0' fontId='2' fillId='0' borderId='0'/>"  // 2 italic, double underline
    "<xf numFmtId='0' fontId='3' fillId='0' borderId='0'/>"  // 3 bold italic single, red
    "<xf numFmtId='0' fontId='4' fillId='2' borderId='1'/>"  // 4 blue, yellow, left thin
    "<xf numFmtId='0' fontId='0' fillId='3' borderId='0'><alignment horizontal='center' "
    "vertical='top' textRotation='90'/></xf>"                // 5 red on yellow, centred, up
    "<xf numFmtId='2' fontId='5' fillId='0' borderId='0'/>"  // 6 0.00, 宋体 10.5
    "</cellXfs>";

// Sheet1 holds values and formats, Sheet2 a copy of its A1:B3 with another C2, 成绩 columns to
// sort, Calc formulas, Secret is hidden.
XlsxContent FormatsBook() {
  XlsxContent book;
  book.styles = kStyles;
  book.sharedStrings = {"<t>名称</t>", "<t>数量</t>", "<t>苹果</t>",
                        "<t>香蕉</t>", "<t>abc</t>",  "<t>合并</t>"};
  excel::testing::SheetXml sheet1 = Sheet(
      "Sheet1",
      "<row r='1'><c r='A1' s='1' t='s'><v>0</v></c><c r='B1' s='2' t='s'><v>1</v></c>"
      "<c r='C1' s='3'><v>1</v></c><c r='D1'><v>2</v></c></row>"
      "<row r='2' ht='20' customHeight='1'><c r='A2' t='s'><v>2</v></c><c r='B2'><v>3.5</v></c>"
      "<c r='C2' s='6'><v>12.345</v></c><c r='D2'><f>B2*C2</f><v>43.2075</v></c></row>"
      "<row r='3'><c r='A3' t='s'><v>3</v></c><c r='B3'><v>12</v></c>"
      "<c r='C3' t='s'><v>4</v></c><c r='D3' t='e'><f>1/0</f><v>#DIV/0!</v></c></row>"
      "<row r='4'><c r='A4' s='4'><v>4</v></c><c r='B4' s='5'><v>5</v></c></row>"
      "<row r='5'><c r='A5' t='s'><v>5</v></c></row>");
  sheet1.after = "<mergeCells count='1'><mergeCell ref='A5:C5'/></mergeCells>";
  excel::testing::SheetXml secret = Sheet("Secret", "<row r='1'><c r='A1'><v>1</v></c></row>");
  secret.state = "hidden";
  book.sheets = {
      sheet1,
      Sheet("Sheet2",
            "<row r='1'><c r='A1' t='s'><v>0</v></c><c r='B1' t='s'><v>1</v></c></row>"
            "<row r='2'><c r='A2' t='s'><v>2</v></c><c r='B2'><v>3.5</v></c><c r='C2'><v>99</v></c>"
            "</row><row r='3'><c r='A3' t='s'><v>3</v></c><c r='B3'><v>12</v></c></row>"),
      secret,
  };
  return book;
}

TEST(CellChecks, ValuesTextsAndNumbers) {
  OpenedWorkbook book(FormatsBook());
  ExpectRules(
      book,
      {
          {"a number as its text", {"EXCELDATA", "Sheet1", "B2", "3.5"}, 1},
          {"its text exactly", {"EXCELDATA", "Sheet1", "B2", "3.50"}, 0},
          {"a shared string", {"EXCELDATA", "Sheet1", "A2", "苹果"}, 1},
          {"a sheet named in another case", {"EXCELDATA", "sheet1", "A3", "香蕉"}, 1},
          {"an error value reads as no text", {"EXCELDATA", "Sheet1", "D3", ""}, 1},
          {"an error value is not its name", {"EXCELDATA", "Sheet1", "D3", "#DIV/0!"}, 0},
          {"a formula's cached value", {"EXCELDATA", "Sheet1", "D2", "43.2075"}, 1},
          {"typed as text", {"EXCELDATAC", "Sheet1", "B3", "12"}, 1},
          {"within a hundredth", {"EXCELEXISTDATA", "Sheet1", "C2", "12.34"}, 1},
          {"not within a hundredth", {"EXCELEXISTDATA", "Sheet1", "C2", "12.36"}, 0},
          {"text compares as 0", {"EXCELEXISTDATA", "Sheet1", "C3", "0"}, 1},
          {"a missing sheet fails even for an empty text", {"EXCELDATA", "Nope", "E9", ""}, 0},
          {"a hidden sheet cannot be read", {"EXCELDATA", "Secret", "A1", "1"}, 0},
          {"a missing sheet fails the number check", {"EXCELEXISTDATA", "Nope", "A1", "0"}, 0},
      });
}

TEST(CellChecks, ARuleOnAMissingSheetDoesNotReadTheSheetInFront) {
  OpenedWorkbook book(FormatsBook());
  ASSERT_EQ(book.Error(), "");
  ASSERT_EQ(book.Rule({"EXCELDATA", "Sheet2", "C2", "99"}), 1);
  // Sheet2 stays in front; the missing sheet's rules fail rather than reading it.
  EXPECT_EQ(book.Rule({"EXCELDATA", "Gone", "C2", "99"}), 0);
  EXPECT_EQ(book.Rule({"EXCELDATA", "Gone", "C2", "99"}), 0);
  EXPECT_EQ(book.State().CurrentSheet, "Gone");
  EXPECT_EQ(book.Rule({"EXCELDATA", "Sheet2", "C2", "99"}), 1);
}

TEST(FormatChecks, FontsFillsBordersAndLayout) {
  OpenedWorkbook book(FormatsBook());
  ExpectRules(
      book,
      {
          {"red font", {"EXCELCELLCOLOR", "Sheet1", "C1", "3"}, 1},
          {"blue font", {"EXCELCELLCOLOR", "Sheet1", "A4", "5"}, 1},
          {"blue is not red", {"EXCELCELLCOLOR", "Sheet1", "A4", "3"}, 0},
          {"a fractional font size", {"EXCELFONTSIZE", "Sheet1", "C2", "10.5"}, 1},
          {"not the whole size below it", {"EXCELFONTSIZE", "Sheet1", "C2", "10"}, 0},
          {"nor the one above it", {"EXCELFONTSIZE", "Sheet1", "C2", "11"}, 0},
          {"a whole font size", {"EXCELFONTSIZE", "Sheet1", "A4", "11"}, 1},
          {"font name", {"EXCELFONTNAME", "Sheet1", "C2", "宋体"}, 1},
          {"another font name", {"EXCELFONTNAME", "Sheet1", "C2", "Calibri"}, 0},
          {"number format, local form", {"EXCELCELLFORMAT", "Sheet1", "C2", "0.00"}, 1},
          {"general in its local form", {"EXCELCELLFORMAT", "Sheet1", "A1", "G/通用格式"}, 1},
          {"row height", {"EXCELHEIGHTWIDTH", "Sheet1", "A2", "True", "20"}, 1},
          {"default column width", {"EXCELHEIGHTWIDTH", "Sheet1", "A2", "False", "8.43"}, 1},
          {"no tolerance on sizes", {"EXCELHEIGHTWIDTH", "Sheet1", "A2", "True", "20.01"}, 0},
          {"merged area", {"CELLMERGE", "Sheet1", "A5:C5"}, 1},
          {"a cell inside it", {"CELLMERGE", "Sheet1", "B5"}, 1},
          {"not merged", {"CELLMERGE", "Sheet1", "A4"}, 0},
          {"partly merged", {"CELLMERGE", "Sheet1", "A4:A5"}, 0},
          {"horizontal centre", {"EXCELFONTPOS", "Sheet1", "B4", "True", "-4108"}, 1},
          {"vertical top", {"EXCELFONTPOS", "Sheet1", "B4", "False", "-4160"}, 1},
          {"upward text", {"EXCELORIENTATION", "Sheet1", "B4", "-4171"}, 1},
          {"solid yellow", {"EXCELFILLCOLORPATTERN", "Sheet1", "A4", "6", "1", "-4105"}, 1},
          {"red pattern on yellow",
           {"EXCELFILLCOLORPATTERN", "Sheet1", "B4", "6", "-4125", "3"},
           1},
          {"two fills have no single one",
           {"EXCELFILLCOLORPATTERN", "Sheet1", "A4:B4", "6", "1", "-4105"},
           0},
          {"thin left edge", {"EXCELBIANKUANGWAI", "Sheet1", "A4", "1", "2", "-4105"}, 1},
          {"no inside line", {"EXCELBIANKUANGNEI", "Sheet1", "A4:B4", "-4142", "2", "-4142"}, 1},
          {"a missing sheet fails the format rules", {"EXCELFONTSIZE", "Nope", "C2", "10.5"}, 0},
          {"and the alignment rule", {"EXCELFONTPOS", "Nope", "B4", "True", "0"}, 0},
      });
}

TEST(FormatChecks, FontStyleCodes) {
  OpenedWorkbook built(FormatsBook());
  ExpectRules(
      built, {
                 {"bold", {"EXCELFONTBOLDITALICUNDERLINE", "Sheet1", "A1", "100"}, 1},
                 {"italic, double underline",
                  {"EXCELFONTBOLDITALICUNDERLINE", "Sheet1", "B1", "-4109"},
                  1},
                 {"bold italic single", {"EXCELFONTBOLDITALICUNDERLINE", "Sheet1", "C1", "112"}, 1},
                 {"plain", {"EXCELFONTBOLDITALICUNDERLINE", "Sheet1", "D1", "0"}, 1},
                 {"mixed styles count nothing",
                  {"EXCELFONTBOLDITALICUNDERLINE", "Sheet1", "A1:B1", "0"},
                  1},
                 {"bold is not plain", {"EXCELFONTBOLDITALICUNDERLINE", "Sheet1", "A1", "0"}, 0},
             });
  OpenedWorkbook suite(kTestData / "suite_formats.xlsx");
  ExpectRules(
      suite,
      {
          {"suite bold", {"EXCELFONTBOLDITALICUNDERLINE", "Data", "A1", "100"}, 1},
          {"suite italic", {"EXCELFONTBOLDITALICUNDERLINE", "Data", "B1", "10"}, 1},
          {"suite underline", {"EXCELFONTBOLDITALICUNDERLINE", "Data", "C1", "2"}, 1},
          {"suite bold italic double", {"EXCELFONTBOLDITALICUNDERLINE", "Data", "D1", "-4009"}, 1},
      });
}

TEST(Checks, AFailedReadKeepsTheValueThePreviousStepLeft) {
  // An address the application refuses leaves the value unset, and the comparison goes on.
  OpenedWorkbook book(FormatsBook());
  ExpectRules(
      book, {
                {"text", {"EXCELDATA", "Sheet1", "no such cell", ""}, 1},
                {"colour index", {"EXCELCELLCOLOR", "Sheet1", "no such cell", ""}, 1},
                {"font name", {"EXCELFONTNAME", "Sheet1", "no such cell", ""}, 1},
                {"orientation", {"EXCELORIENTATION", "Sheet1", "no such cell", "0"}, 1},
                {"number format", {"EXCELCELLFORMAT", "Sheet1", "no such cell", ""}, 1},
                {"row height", {"EXCELHEIGHTWIDTH", "Sheet1", "no such cell", "True", "0"}, 1},
                {"style code", {"EXCELFONTBOLDITALICUNDERLINE", "Sheet1", "no such cell", "0"}, 1},
                {"font size over mixed sizes", {"EXCELFONTSIZE", "Sheet1", "B2:C2", "0"}, 1},
                {"the value over several cells", {"EXCELDATA", "Sheet1", "A2:B2", ""}, 1},
                {"an expected number that is none is 0",
                 {"EXCELCELLCOLOR", "Sheet1", "no such cell", "x"},
                 1},
            });
}

TEST(CellChecks, SheetCopiesCellByCell) {
  OpenedWorkbook book(FormatsBook());
  ASSERT_EQ(book.Rule({"EXCELISSHEETCOPY", "Sheet1", "1", "1", "1", "1", "Sheet2"}), 1);
  EXPECT_EQ(book.State().CurrentSheet, "Sheet2");  // the second sheet is selected last
  ExpectRules(
      book,
      {
          {"equal block", {"EXCELISSHEETCOPY", "Sheet1", "1", "3", "1", "2", "Sheet2"}, 1},
          {"second sheet in another case",
           {"EXCELISSHEETCOPY", "Sheet1", "1", "3", "1", "2", "SHEET2"},
           1},
          {"C2 differs", {"EXCELISSHEETCOPY", "Sheet1", "1", "3", "1", "3", "Sheet2"}, 0},
          {"reversed rows compare nothing",
           {"EXCELISSHEETCOPY", "Sheet1", "3", "1", "1", "3", "Sheet2"},
           1},
          {"a column past Z names no cell",
           {"EXCELISSHEETCOPY", "Sheet1", "1", "1", "27", "27", "Sheet2"},
           0},
          {"a missing second sheet", {"EXCELISSHEETCOPY", "Sheet1", "1", "3", "1", "2", "Nope"}, 0},
          {"a missing first sheet", {"EXCELISSHEETCOPY", "Nope", "1", "3", "1", "2", "Sheet2"}, 0},
      });
}

TEST(SheetChecks, NamesAsTheApplicationComparesThem) {
  OpenedWorkbook book(FormatsBook());
  ExpectRules(book,
              {
                  {"exists", {"EXCELEXISTSHEET", "Sheet2"}, 1},
                  {"in another case", {"EXCELEXISTSHEET", "sheet2"}, 1},
                  {"in full-width letters", {"EXCELEXISTSHEET", "ＳＨＥＥＴ２"}, 1},
                  {"missing", {"EXCELEXISTSHEET", "Sheet9"}, 0},
                  {"hidden sheets cannot be selected", {"EXCELEXISTSHEET", "Secret"}, 0},
                  {"renamed", {"EXCELSHEETRENAME", "Old", "Sheet2"}, 1},
                  {"the old name is still there", {"EXCELSHEETRENAME", "Sheet1", "Sheet2"}, 0},
                  {"the new name is missing", {"EXCELSHEETRENAME", "Old", "New"}, 0},
              });
  EXPECT_EQ(book.State().CurrentSheet, "Sheet2");  // the last sheet found
}

XlsxContent SortBook() {
  XlsxContent book;
  book.sharedStrings = {"<t>李四</t>", "<t>钱七</t>", "<t>孙八</t>",  "<t>王五</t>",  "<t>张三</t>",
                        "<t>张一</t>", "<t>abc</t>",  "<t>apple</t>", "<t>Banana</t>"};
  auto s = [](const char* ref, int index) {
    return std::string("<c r='") + ref + "' t='s'><v>" + std::to_string(index) + "</v></c>";
  };
  auto n = [](const char* ref, const char* value) {
    return std::string("<c r='") + ref + "'><v>" + value + "</v></c>";
  };
  book.sheets = {Sheet(
      "成绩", "<row r='1'>" + s("A1", 0) + n("B1", "3") + n("C1", "3") + n("D1", "9") +
                  n("F1", "5") + s("G1", 7) + "</row><row r='2'>" + s("A2", 1) + n("B2", "3") +
                  n("C2", "7") + n("D2", "5") + n("E2", "1") + s("F2", 6) + s("G2", 8) +
                  "</row><row r='3'>" + s("A3", 2) + n("B3", "7") + n("C3", "3") + n("D3", "5") +
                  n("E3", "2") + n("F3", "5") + "</row><row r='4'>" + s("A4", 3) + n("D4", "1") +
                  "</row><row r='5'>" + s("A5", 4) + "</row><row r='6'>" + s("A6", 5) + "</row>")};
  return book;
}

TEST(SheetChecks, SortOrder) {
  OpenedWorkbook book(SortBook());
  ExpectRules(
      book,
      {
          {"ascending", {"EXCELSORT", "成绩", "2", "1", "3", "True"}, 1},
          {"ascending given bottom first", {"EXCELSORT", "成绩", "2", "3", "1", "True"}, 1},
          {"out of order", {"EXCELSORT", "成绩", "3", "1", "3", "True"}, 0},
          {"descending", {"EXCELSORT", "成绩", "4", "1", "4", "False"}, 1},
          {"descending given bottom first", {"EXCELSORT", "成绩", "4", "4", "1", "False"}, 1},
          {"descending data is not ascending", {"EXCELSORT", "成绩", "4", "1", "4", "True"}, 0},
          {"empty first cell", {"EXCELSORT", "成绩", "5", "1", "3", "True"}, 0},
          {"one row", {"EXCELSORT", "成绩", "2", "1", "1", "True"}, 1},
          {"one empty row", {"EXCELSORT", "成绩", "5", "1", "1", "True"}, 0},
          // GBK order of the first characters: 李 钱 孙 王 张 张; 张三 before 张一 counts as
          // sorted.
          {"GBK first character", {"EXCELSORT", "成绩", "1", "1", "6", "True"}, 1},
          {"GBK first character, descending", {"EXCELSORT", "成绩", "1", "1", "6", "False"}, 0},
          {"a number below text", {"EXCELSORT", "成绩", "6", "1", "2", "True"}, 1},
          {"text above a number", {"EXCELSORT", "成绩", "6", "2", "3", "True"}, 0},
          {"text by character code", {"EXCELSORT", "成绩", "7", "1", "2", "True"}, 0},
          {"a missing sheet", {"EXCELSORT", "排名", "2", "1", "3", "True"}, 0},
      });
}

TEST(SheetChecks, FilterResultCells) {
  // The suite filtered 成绩 to marks of 60 and above; hidden rows keep their values.
  OpenedWorkbook book(kTestData / "suite_filter.xlsx");
  ExpectRules(book,
              {
                  {"both cells", {"EXCELFILTER", "成绩", "A1", "姓名", "B3", "72"}, 1},
                  {"a hidden row's cell", {"EXCELFILTER", "成绩", "A2", "张三", "B2", "55"}, 1},
                  {"one cell differs", {"EXCELFILTER", "成绩", "A1", "姓名", "B3", "73"}, 0},
                  {"a missing sheet", {"EXCELFILTER", "Nope", "A1", "", "B3", ""}, 0},
              });
}

TEST(DataChecks, AutoFilterAgainstTheCandidatesFilter) {
  const std::vector<RuleCase> cases = {
      {"the same filter", {"EXCELAUTOFILTER", "成绩", "B", ">=60", "none", "", "none", ""}, 1},
      {"another filter", {"EXCELAUTOFILTER", "成绩", "B", "<60", "none", "", "none", ""}, 0},
      {"OR split: 60 and above, or above 100",
       {"EXCELAUTOFILTER", "成绩", "B", ">=60 OR >100", "none", "", "none", ""},
       1},
      {"column 2 none leaves the rest unread",
       {"EXCELAUTOFILTER", "成绩", "B", ">=60", "none", "junk", "C", "一班"},
       1},
      {"a second condition", {"EXCELAUTOFILTER", "成绩", "B", ">=60", "C", "一班", "none", ""}, 0},
      {"a missing sheet", {"EXCELAUTOFILTER", "Nope", "B", ">=60", "none", "", "none", ""}, 0},
  };
  // Each case on a fresh copy: the check filters and pastes into the open workbook.
  for (const RuleCase& c : cases) {
    OpenedWorkbook book(kTestData / "suite_filter.xlsx");
    ExpectRules(book, {c});
  }
}

TEST(DataChecks, RowsHiddenByHandAreNoFilter) {
  XlsxContent content;
  std::vector<std::vector<std::string>> rows = {
      {"姓名", "成绩"}, {"张三", "55"}, {"李四", "72"}, {"王五", "88"}, {"赵六", "43"}};
  content.sheets = {excel::testing::TextSheet("成绩", rows, content.sharedStrings)};
  content.definedNames = "<definedName name='Colum1'>成绩!$A$1:$B$5</definedName>";
  // Rows 2 and 5 hidden without a filter: copying takes them all.
  std::string& xml = content.sheets[0].rows;
  for (const char* row : {"<row r=\"2\">", "<row r=\"5\">"}) {
    const size_t at = xml.find(row);
    ASSERT_NE(at, std::string::npos);
    xml.insert(at + std::string(row).size() - 1, " hidden=\"1\"");
  }
  OpenedWorkbook book(content);
  ExpectRules(
      book,
      {{"hidden by hand", {"EXCELAUTOFILTER", "成绩", "B", ">=60", "none", "", "none", ""}, 0}});
}

TEST(DataChecks, ColumnsFittedByTheSuite) {
  // B:D were fitted by the suite, E widened by hand.
  const std::vector<RuleCase> cases = {
      {"fitted", {"EXCELCOLUMNSAUTOFIT", "Sheet1", "B:D", "True"}, 1},
      {"lower-case span", {"EXCELCOLUMNSAUTOFIT", "Sheet1", "b:d", "False"}, 1},
      {"widened", {"EXCELCOLUMNSAUTOFIT", "Sheet1", "E", "True"}, 0},
      {"a widened column among fitted ones", {"EXCELCOLUMNSAUTOFIT", "Sheet1", "B:E", "True"}, 0},
      {"a missing sheet", {"EXCELCOLUMNSAUTOFIT", "Nope", "B:D", "True"}, 0},
  };
  for (const RuleCase& c : cases) {
    OpenedWorkbook book(kTestData / "suite_autofit.xlsx");
    ExpectRules(book, {c});
  }
  // The check fits what it measured: afterwards the widened column counts as fitted.
  OpenedWorkbook book(kTestData / "suite_autofit.xlsx");
  ASSERT_EQ(book.Rule({"EXCELCOLUMNSAUTOFIT", "Sheet1", "E", "True"}), 0);
  EXPECT_EQ(book.Rule({"EXCELCOLUMNSAUTOFIT", "Sheet1", "E", "True"}), 1);
}

XlsxContent FormulaBook() {
  XlsxContent book;
  book.sheets = {Sheet("Calc",
                       "<row r='1'><c r='A1'><v>1</v></c><c r='B1'><f>A1*2</f><v>2</v></c>"
                       "<c r='C1'><f>sum(A1:A2)</f><v>3</v></c></row>"
                       "<row r='2'><c r='A2'><v>2</v></c><c r='B2'><f>$A$1+A2</f><v>3</v></c>"
                       "<c r='C2'><f>SUM(A1:A2)</f><v>3</v></c></row>"
                       "<row r='3'><c r='B3'><f>SUM(A1:A2)</f><v>3</v></c></row>"
                       "<row r='4'><c r='B4'><f>Other!B2</f><v>0</v></c></row>"
                       "<row r='5'><c r='B5'><f>A$1</f><v>1</v></c></row>"
                       "<row r='6'><c r='B6'><v>5</v></c></row>"),
                 Sheet("Other", "")};
  return book;
}

TEST(DataChecks, FormulasInR1C1) {
  OpenedWorkbook book(FormulaBook());
  ExpectRules(
      book,
      {
          {"relative", {"EXCELFORMULATION", "Calc", "B1", "B1", "RC[-1]*2"}, 1},
          {"absolute and relative", {"EXCELFORMULATION", "Calc", "B2", "B2", "R1C1+RC[-1]"}, 1},
          {"a range", {"EXCELFORMULATION", "Calc", "B3", "B3", "SUM(R[-2]C[-1]:R[-1]C[-1])"}, 1},
          {"another sheet", {"EXCELFORMULATION", "Calc", "B4", "B4", "Other!R[-2]C"}, 1},
          {"mixed", {"EXCELFORMULATION", "Calc", "B5", "B5", "R1C[-1]"}, 1},
          {"the first cell of a range", {"EXCELFORMULATION", "Calc", "B1", "B3", "RC[-1]*2"}, 1},
          {"without its =", {"EXCELFORMULATION", "Calc", "B1", "B1", "=RC[-1]*2"}, 0},
          {"not in A1 notation", {"EXCELFORMULATION", "Calc", "B1", "B1", "A1*2"}, 0},
          {"a constant loses its first character", {"EXCELFORMULATION", "Calc", "B6", "B6", ""}, 1},
          {"a missing sheet", {"EXCELFORMULATION", "Nope", "B1", "B1", "RC[-1]*2"}, 0},
      });
  ASSERT_EQ(book.Rule({"EXCELEXISTSHEET", "Calc"}), 1);
  ExpectRules(book,
              {
                  {"lower-case text finds the upper-case name",
                   {"EXCELFORMULATIONINCLUDING", "C2", "sum"},
                   1},
                  {"not a lower-case name", {"EXCELFORMULATIONINCLUDING", "C1", "sum"}, 0},
                  {"a reference", {"EXCELFORMULATIONINCLUDING", "B2", "$a$1"}, 1},
                  {"an empty text is in any formula", {"EXCELFORMULATIONINCLUDING", "B1", ""}, 1},
                  {"but not in an empty cell", {"EXCELFORMULATIONINCLUDING", "D9", ""}, 0},
              });
}

TEST(FormatChecks, AFillCheckOnNoFillReadsItsCopyAtA100) {
  OpenedWorkbook book(FormatsBook());
  ASSERT_EQ(book.Error(), "");
  ASSERT_EQ(book.Rule({"EXCELFILLCOLORPATTERN", "Sheet1", "A2", "-4142", "-4142", "-4142"}), 1);
  // The copy stays for the rules after it.
  EXPECT_EQ(book.Rule({"EXCELDATA", "Sheet1", "A100", "苹果"}), 1);
  EXPECT_EQ(book.Rule({"EXCELFILLCOLORPATTERN", "Sheet1", "A2", "6", "1", "-4105"}), 0);
}

// Sheet1 with chart frames of the given names, and a sheet without any.
XlsxContent ChartBook(const std::vector<std::string>& names) {
  XlsxContent content;
  excel::testing::SheetXml sheet = Sheet("Sheet1", "<row r='1'><c r='A1'><v>1</v></c></row>");
  sheet.after = "<drawing r:id='rId1'/>";
  sheet.rels =
      "<Relationship Id='rId1' Type='http://schemas.openxmlformats.org/officeDocument/2006/"
      "relationships/drawing' Target='../drawings/drawing1.xml'/>";
  content.sheets = {sheet, Sheet("Plain", "")};
  auto frame = [](int id, const std::string& name) {
    return "<xdr:twoCellAnchor><xdr:graphicFrame><xdr:nvGraphicFramePr><xdr:cNvPr id='" +
           std::to_string(id) + "' name='" + name +
           "'/></xdr:nvGraphicFramePr><a:graphic><a:graphicData><c:chart r:id='rId" +
           std::to_string(id) +
           "'/></a:graphicData></a:graphic></xdr:graphicFrame>"
           "</xdr:twoCellAnchor>";
  };
  content.parts = {
      {"xl/drawings/drawing1.xml",
       "<xdr:wsDr xmlns:xdr='http://schemas.openxmlformats.org/drawingml/2006/spreadsheetDrawing'"
       " xmlns:a='a' xmlns:c='c' xmlns:r='http://schemas.openxmlformats.org/officeDocument/2006/"
       "relationships'>" +
           frame(1, names[0]) + frame(2, names[1]) + "</xdr:wsDr>"},
      {"xl/drawings/_rels/drawing1.xml.rels",
       "<Relationships xmlns='http://schemas.openxmlformats.org/package/2006/relationships'>"
       "<Relationship Id='rId1' Type='x/chart' Target='../charts/chart1.xml'/>"
       "<Relationship Id='rId2' Type='x/chart' Target='../charts/chart2.xml'/></Relationships>"},
      {"xl/charts/chart1.xml", "<c:chartSpace xmlns:c='c'/>"},
      {"xl/charts/chart2.xml", "<c:chartSpace xmlns:c='c'/>"}};
  return content;
}

TEST(SheetChecks, ChartsByTheirNumber) {
  OpenedWorkbook book(ChartBook({"My chart", "图表 3"}));
  ASSERT_EQ(book.Error(), "");
  EXPECT_EQ(book.Rule({"EXCELEXISTPIC", "Sheet1"}), 1);  // 1 and 2 are missing
  EXPECT_EQ(book.State().ChartNumber, 3);
  EXPECT_EQ(book.App().ActiveChartPart(), "xl/charts/chart2.xml");
  EXPECT_EQ(book.Rule({"EXCELEXISTPIC", "Plain"}), 0);
  EXPECT_EQ(book.State().ChartNumber, 20);
  EXPECT_EQ(book.Rule({"EXCELEXISTPIC", "Nope"}), 0);

  OpenedWorkbook renamed(ChartBook({"My chart", "图表 21"}));
  EXPECT_EQ(renamed.Rule({"EXCELEXISTPIC", "Sheet1"}), 0);
}

}  // namespace
}  // namespace sheetmark
