// Test helper: writes small but real .xlsx files from XML fragments, so tests, fuzz seeds and
// benchmarks exercise the reader on genuine packages without an office suite.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "platform/base/result.h"
#include "platform/win/testing/test_folder.h"

namespace excel::testing {

struct SheetXml {
  std::string name;
  std::string rows;   // the <row> elements of <sheetData>
  std::string state;  // "" (visible), "hidden", "veryHidden"
  bool chartSheet = false;
  std::string before;  // elements before <sheetData>: sheetViews, sheetFormatPr, cols
  std::string after;   // elements after it: autoFilter, mergeCells, drawing, ...
  std::string rels;    // the <Relationship> elements of the sheet's part ("" writes none)
};

struct XlsxContent {
  std::vector<SheetXml> sheets;
  std::vector<std::string> sharedStrings;  // the inner XML of each <si>
  std::string styles;                      // the inner XML of <styleSheet>; "" writes no part
  int activeTab = -1;                      // < 0 writes no workbookView
  bool date1904 = false;
  std::string definedNames;  // the <definedName> elements
  // Further parts (drawings, charts, their relationships), by name in the package.
  std::vector<std::pair<std::string, std::string>> parts;
  std::string contentTypes;  // further <Override> elements of [Content_Types].xml
};

// A worksheet of the given rows, and a chart sheet.
SheetXml Sheet(std::string name, std::string rows);
SheetXml ChartSheet(std::string name);

// Adds chart "图表 n"-style frame `frameName` holding `chartXml` (a whole c:chartSpace document) to
// sheet `sheetIndex` (0-based) of `content`: the drawing part, its relationships, the sheet's
// <drawing> element and relationship, the content types.
void AddChart(XlsxContent& content, size_t sheetIndex, const std::string& frameName,
              const std::string& chartXml);

base::Status WriteXlsx(const std::filesystem::path& file, const XlsxContent& content);

// "A1" for (1, 1).
std::string CellName(int row, int column);

// XML text escaping for element content and attribute values.
std::string EscapeXml(const std::string& text);

// A sheet of cell texts, row by row from A1: texts that read as numbers become number cells,
// other texts shared strings (each distinct text once in `sharedStrings`), empty texts no cell.
SheetXml TextSheet(std::string name, const std::vector<std::vector<std::string>>& rows,
                   std::vector<std::string>& sharedStrings);
// The same with every text a shared string, as an author types "0.0" or "1" as text.
SheetXml StringSheet(std::string name, const std::vector<std::vector<std::string>>& rows,
                     std::vector<std::string>& sharedStrings);

// A folder for one test under KIRV_TEST_TMP (or the system's temporary folder), removed
// afterwards.
class TempFolder : public win::testing::ScopedTempFolder {
 public:
  explicit TempFolder(const std::string& name) : ScopedTempFolder(name + "_") {}
};

}  // namespace excel::testing
