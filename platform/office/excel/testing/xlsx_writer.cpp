// Building .xlsx packages for tests.
#include "platform/office/excel/testing/xlsx_writer.h"

#include <cmath>
#include <cstdlib>

#include "platform/base/text.h"
#include "platform/office/opc/package.h"

namespace excel::testing {
namespace {

const char kHead[] = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)";
const char kMain[] = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
const char kRel[] = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";

std::string ColumnName(int column) {
  std::string name;
  for (; column > 0; column = (column - 1) / 26)
    name.insert(name.begin(), static_cast<char>('A' + (column - 1) % 26));
  return name;
}

bool IsNumberText(const std::string& text) {
  if (text.empty() || text.front() == ' ' || text.back() == ' ') return false;
  char* end = nullptr;
  const double v = std::strtod(text.c_str(), &end);
  return *end == '\0' && std::isfinite(v);
}

}  // namespace

std::string EscapeXml(const std::string& text) {
  return base::EscapeMarkup(text);
}

namespace {

SheetXml SheetOfTexts(std::string name, const std::vector<std::vector<std::string>>& rows,
                      std::vector<std::string>& sharedStrings, bool numbers) {
  SheetXml sheet = Sheet(std::move(name), "");
  for (size_t r = 0; r < rows.size(); ++r) {
    const std::string rowRef = std::to_string(r + 1);
    std::string cells;
    for (size_t c = 0; c < rows[r].size(); ++c) {
      const std::string& text = rows[r][c];
      if (text.empty()) continue;
      const std::string ref = ColumnName(static_cast<int>(c + 1)) + rowRef;
      if (numbers && IsNumberText(text)) {
        cells += "<c r=\"" + ref + "\"><v>" + text + "</v></c>";
      } else {
        // One entry per distinct text, as the suites write the table.
        const std::string item = "<t xml:space=\"preserve\">" + EscapeXml(text) + "</t>";
        size_t index = 0;
        while (index < sharedStrings.size() && sharedStrings[index] != item) ++index;
        if (index == sharedStrings.size()) sharedStrings.push_back(item);
        cells += "<c r=\"" + ref + "\" t=\"s\"><v>" + std::to_string(index) + "</v></c>";
      }
    }
    if (!cells.empty()) sheet.rows += "<row r=\"" + rowRef + "\">" + cells + "</row>";
  }
  return sheet;
}

}  // namespace

SheetXml TextSheet(std::string name, const std::vector<std::vector<std::string>>& rows,
                   std::vector<std::string>& sharedStrings) {
  return SheetOfTexts(std::move(name), rows, sharedStrings, true);
}

SheetXml StringSheet(std::string name, const std::vector<std::vector<std::string>>& rows,
                     std::vector<std::string>& sharedStrings) {
  return SheetOfTexts(std::move(name), rows, sharedStrings, false);
}

SheetXml Sheet(std::string name, std::string rows) {
  SheetXml sheet;
  sheet.name = std::move(name);
  sheet.rows = std::move(rows);
  return sheet;
}

SheetXml ChartSheet(std::string name) {
  SheetXml sheet;
  sheet.name = std::move(name);
  sheet.chartSheet = true;
  return sheet;
}

std::string CellName(int row, int column) {
  return ColumnName(column) + std::to_string(row);
}

namespace {

std::pair<std::string, std::string>* FindPart(XlsxContent& content, const std::string& name) {
  for (auto& part : content.parts) {
    if (part.first == name) return &part;
  }
  return nullptr;
}

// Inserts `text` before the closing tag `end` of a part's text.
void InsertBefore(std::string& xml, const std::string& end, const std::string& text) {
  const size_t at = xml.rfind(end);
  xml.insert(at == std::string::npos ? xml.size() : at, text);
}

}  // namespace

void AddChart(XlsxContent& content, size_t sheetIndex, const std::string& frameName,
              const std::string& chartXml) {
  if (sheetIndex >= content.sheets.size()) return;
  SheetXml& sheet = content.sheets[sheetIndex];
  // One drawing per sheet, named after the sheet's position; one chart part per call.
  const std::string n = std::to_string(sheetIndex + 1);
  const std::string drawing = "xl/drawings/drawing" + n + ".xml";
  const std::string drawingRels = "xl/drawings/_rels/drawing" + n + ".xml.rels";
  int chartNumber = 1;
  while (FindPart(content, "xl/charts/chart" + std::to_string(chartNumber) + ".xml")) ++chartNumber;
  const std::string chart = "xl/charts/chart" + std::to_string(chartNumber) + ".xml";
  if (!FindPart(content, drawing)) {
    content.parts.emplace_back(
        drawing,
        std::string(kHead) +
            "<xdr:wsDr xmlns:xdr=\"http://schemas.openxmlformats.org/drawingml/2006/"
            "spreadsheetDrawing\" xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/"
            "main\" xmlns:c=\"http://schemas.openxmlformats.org/drawingml/2006/chart\" "
            "xmlns:r=\"" +
            kRel + "\"></xdr:wsDr>");
    content.parts.emplace_back(
        drawingRels, std::string(kHead) +
                         "<Relationships "
                         "xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
                         "</Relationships>");
    sheet.after += "<drawing r:id=\"rIdDrawing\"/>";
    sheet.rels += "<Relationship Id=\"rIdDrawing\" Type=\"" + std::string(kRel) +
                  "/drawing\" Target=\"../drawings/drawing" + n + ".xml\"/>";
    content.contentTypes += "<Override PartName=\"/" + drawing +
                            "\" ContentType=\"application/"
                            "vnd.openxmlformats-officedocument.drawing+xml\"/>";
  }
  const std::string id = "rIdChart" + std::to_string(chartNumber);
  std::string& frames = FindPart(content, drawing)->second;
  const int row = 2 + 16 * (chartNumber - 1);
  InsertBefore(
      frames, "</xdr:wsDr>",
      "<xdr:twoCellAnchor><xdr:from><xdr:col>4</xdr:col><xdr:colOff>0</xdr:colOff><xdr:row>" +
          std::to_string(row) +
          "</xdr:row><xdr:rowOff>0</xdr:rowOff></xdr:from><xdr:to><xdr:col>11</xdr:col>"
          "<xdr:colOff>0</xdr:colOff><xdr:row>" +
          std::to_string(row + 15) +
          "</xdr:row><xdr:rowOff>0</xdr:rowOff></xdr:to><xdr:graphicFrame macro=\"\">"
          "<xdr:nvGraphicFramePr><xdr:cNvPr id=\"" +
          std::to_string(chartNumber + 1) + "\" name=\"" + EscapeXml(frameName) +
          "\"/><xdr:cNvGraphicFramePr/></xdr:nvGraphicFramePr><xdr:xfrm><a:off x=\"0\" "
          "y=\"0\"/><a:ext cx=\"0\" cy=\"0\"/></xdr:xfrm><a:graphic><a:graphicData "
          "uri=\"http://schemas.openxmlformats.org/drawingml/2006/chart\"><c:chart r:id=\"" +
          id +
          "\"/></a:graphicData></a:graphic></xdr:graphicFrame><xdr:clientData/>"
          "</xdr:twoCellAnchor>");
  InsertBefore(FindPart(content, drawingRels)->second, "</Relationships>",
               "<Relationship Id=\"" + id + "\" Type=\"" + std::string(kRel) +
                   "/chart\" Target=\"../charts/chart" + std::to_string(chartNumber) + ".xml\"/>");
  content.parts.emplace_back(chart, chartXml);
  content.contentTypes += "<Override PartName=\"/" + chart +
                          "\" ContentType=\"application/"
                          "vnd.openxmlformats-officedocument.drawingml.chart+xml\"/>";
}

base::Status WriteXlsx(const std::filesystem::path& file, const XlsxContent& content) {
  std::string types =
      std::string(kHead) +
      R"(<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">)"
      R"(<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>)"
      R"(<Default Extension="xml" ContentType="application/xml"/>)"
      R"(<Override PartName="/xl/workbook.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml"/>)";
  std::string workbook =
      std::string(kHead) + "<workbook xmlns=\"" + kMain + "\" xmlns:r=\"" + kRel + "\">";
  if (content.date1904) workbook += "<workbookPr date1904=\"1\"/>";
  if (content.activeTab >= 0) {
    workbook += "<bookViews><workbookView activeTab=\"" + std::to_string(content.activeTab) +
                "\"/></bookViews>";
  }
  workbook += "<sheets>";
  std::string rels =
      std::string(kHead) +
      R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)";
  std::vector<std::pair<std::string, std::string>> entries;
  for (size_t i = 0; i < content.sheets.size(); ++i) {
    const SheetXml& s = content.sheets[i];
    const std::string n = std::to_string(i + 1);
    const std::string kind = s.chartSheet ? "chartsheet" : "worksheet";
    const std::string part = (s.chartSheet ? "chartsheets/sheet" : "worksheets/sheet") + n + ".xml";
    workbook += "<sheet name=\"" + EscapeXml(s.name) + "\" sheetId=\"" + n + "\"" +
                (s.state.empty() ? "" : " state=\"" + s.state + "\"") + " r:id=\"rId" + n + "\"/>";
    rels += "<Relationship Id=\"rId" + n + "\" Type=\"" + kRel + "/" + kind + "\" Target=\"" +
            part + "\"/>";
    types += "<Override PartName=\"/xl/" + part +
             "\" ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml." +
             kind + "+xml\"/>";
    entries.emplace_back(
        "xl/" + part, s.chartSheet ? std::string(kHead) + "<chartsheet xmlns=\"" + kMain + "\"/>"
                                   : std::string(kHead) + "<worksheet xmlns=\"" + kMain +
                                         "\" xmlns:r=\"" + kRel + "\">" + s.before + "<sheetData>" +
                                         s.rows + "</sheetData>" + s.after + "</worksheet>");
    if (!s.rels.empty()) {
      const size_t slash = part.rfind('/');
      entries.emplace_back(
          "xl/" + part.substr(0, slash) + "/_rels" + part.substr(slash) + ".rels",
          std::string(kHead) +
              R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)" +
              s.rels + "</Relationships>");
    }
  }
  workbook += "</sheets>";
  if (!content.definedNames.empty())
    workbook += "<definedNames>" + content.definedNames + "</definedNames>";
  workbook += "</workbook>";
  for (const auto& part : content.parts) entries.push_back(part);
  if (!content.sharedStrings.empty()) {
    std::string sst = std::string(kHead) + "<sst xmlns=\"" + kMain + "\" count=\"" +
                      std::to_string(content.sharedStrings.size()) + "\">";
    for (const std::string& si : content.sharedStrings) sst += "<si>" + si + "</si>";
    sst += "</sst>";
    entries.emplace_back("xl/sharedStrings.xml", sst);
    rels += "<Relationship Id=\"rIdS\" Type=\"" + std::string(kRel) +
            "/sharedStrings\" Target=\"sharedStrings.xml\"/>";
    types +=
        "<Override PartName=\"/xl/sharedStrings.xml\" ContentType=\"application/"
        "vnd.openxmlformats-officedocument.spreadsheetml.sharedStrings+xml\"/>";
  }
  if (!content.styles.empty()) {
    entries.emplace_back("xl/styles.xml", std::string(kHead) + "<styleSheet xmlns=\"" + kMain +
                                              "\">" + content.styles + "</styleSheet>");
    rels += "<Relationship Id=\"rIdT\" Type=\"" + std::string(kRel) +
            "/styles\" Target=\"styles.xml\"/>";
    types +=
        "<Override PartName=\"/xl/styles.xml\" ContentType=\"application/"
        "vnd.openxmlformats-officedocument.spreadsheetml.styles+xml\"/>";
  }
  rels += "</Relationships>";
  types += content.contentTypes + "</Types>";
  entries.emplace_back("[Content_Types].xml", types);
  entries.emplace_back(
      "_rels/.rels",
      std::string(kHead) +
          R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
          R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="xl/workbook.xml"/>)"
          R"(</Relationships>)");
  entries.emplace_back("xl/workbook.xml", workbook);
  entries.emplace_back("xl/_rels/workbook.xml.rels", rels);
  return opc::WriteZip(file, entries);
}

}  // namespace excel::testing
