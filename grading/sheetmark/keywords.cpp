// The keyword table. Each row's letters say how its argument cells are converted; its check
// decides what the rule's truth is (a comparison the dispatcher makes is written in the row).
#include "grading/sheetmark/keywords.h"

#include "grading/engine/keyword_index.h"

#include <optional>

#include "grading/sheetmark/checks/cells.h"
#include "grading/sheetmark/checks/charts.h"
#include "grading/sheetmark/checks/data.h"
#include "grading/sheetmark/checks/formats.h"
#include "grading/sheetmark/checks/sheets.h"
#include "platform/office/excel/chart.h"
#include "platform/vb/strings.h"

namespace sheetmark {
namespace {

// A value a check read compared with the expected one; a rule on a missing sheet has none.
template <class T, class U>
int16_t Equals(const std::optional<T>& actual, const U& expected) {
  return ToTruth(actual && *actual == expected);
}

// S sheet, S cell, ...: most rows start so.
using A = const Arguments&;
using St = SheetState&;

constexpr KeywordRow kKeywords[] = {
    // Cell values (checks/cells)
    {"EXCELDATA", "SSS", [](St s, A a) { return Equals(ReadCellText(s, a.S(0), a.S(1)), a.S(2)); }},
    {"EXCELDATAC", "SSS",
     [](St s, A a) { return CheckCellTyped(s, a.S(0), a.S(1), vb::Variant::String(a.S(2))); }},
    {"EXCELEXISTDATA", "SSD", [](St s, A a) { return CheckCellNumber(s, a.S(0), a.S(1), a.D(2)); }},
    {"EXCELISSHEETCOPY", "SIIIIS",
     [](St s, A a) {
       return CompareSheetBlocks(s, a.S(0), a.I(1), a.I(2), a.I(3), a.I(4), a.S(5));
     }},
    {"EXCELFILTER", "SSSSS",
     [](St s, A a) { return CheckFilterResult(s, a.S(0), a.S(1), a.S(2), a.S(3), a.S(4)); }},

    // Formats (checks/formats)
    {"EXCELCELLCOLOR", "SSI",
     [](St s, A a) { return Equals(ReadFontColorIndex(s, a.S(0), a.S(1)), a.I(2)); }},
    {"EXCELCELLFORMAT", "SSS",
     [](St s, A a) { return CheckNumberFormat(s, a.S(0), a.S(1), a.S(2)); }},
    {"EXCELFONTBOLDITALICUNDERLINE", "SSI",
     [](St s, A a) { return Equals(FontStyleCode(s, a.S(0), a.S(1)), a.I(2)); }},
    {"EXCELHEIGHTWIDTH", "SSBD",
     [](St s, A a) { return CheckCellSize(s, a.S(0), a.S(1), a.B(2), a.D(3)); }},
    {"EXCELFONTNAME", "SSS", [](St s, A a) { return CheckFontName(s, a.S(0), a.S(1), a.S(2)); }},
    {"EXCELORIENTATION", "SSI",
     [](St s, A a) { return CheckOrientation(s, a.S(0), a.S(1), a.I(2)); }},
    {"EXCELFONTSIZE", "SSD", [](St s, A a) { return CheckFontSize(s, a.S(0), a.S(1), a.D(2)); }},
    {"CELLMERGE", "SS", [](St s, A a) { return IsMerged(s, a.S(0), a.S(1)); }},
    {"EXCELFONTPOS", "SSBI",
     [](St s, A a) { return CheckAlignment(s, a.S(0), a.S(1), a.B(2), a.I(3)); }},
    {"EXCELFILLCOLORPATTERN", "SSIII",
     [](St s, A a) { return CheckFill(s, a.S(0), a.S(1), a.I(2), a.I(3), a.I(4)); }},
    {"EXCELBIANKUANGWAI", "SSIII",
     [](St s, A a) { return CheckOuterBorder(s, a.S(0), a.S(1), a.I(2), a.I(3), a.I(4)); }},
    {"EXCELBIANKUANGNEI", "SSIII",
     [](St s, A a) { return CheckInnerBorder(s, a.S(0), a.S(1), a.I(2), a.I(3), a.I(4)); }},

    // Sheets, sorting, the chart lookup (checks/sheets)
    {"EXCELSORT", "SIIIB",
     [](St s, A a) { return CheckSorted(s, a.S(0), a.I(1), a.I(2), a.I(3), a.B(4)); }},
    {"EXCELEXISTSHEET", "S", [](St s, A a) { return SheetExists(s, a.S(0)); }},
    {"EXCELSHEETRENAME", "SS", [](St s, A a) { return CheckSheetRenamed(s, a.S(0), a.S(1)); }},
    {"EXCELEXISTPIC", "S", [](St s, A a) { return FindChart(s, a.S(0)); }},

    // Column fit, auto-filter and formulas (checks/data)
    {"EXCELCOLUMNSAUTOFIT", "SSB",
     [](St s, A a) { return CheckColumnsAutoFit(s, a.S(0), a.S(1), a.B(2)); }},
    {"EXCELAUTOFILTER", "SSSSSSS",
     [](St s, A a) {
       return CheckAutoFilter(s, a.S(0), a.S(1), a.S(2), a.S(3), a.S(4), a.S(5), a.S(6));
     }},
    {"EXCELFORMULATION", "SSSS",
     [](St s, A a) { return CheckFormulation(s, a.S(0), a.S(1), a.S(2), a.S(3)); }},
    {"EXCELFORMULATIONINCLUDING", "SS",
     [](St s, A a) { return CheckFormulationIncluding(s, a.S(0), a.S(1)); }},

    // Charts (checks/charts)
    {"EXCELPICPLOTAREAJIANBIAN", "III",
     [](St s, A a) { return CheckPlotAreaGradient(s, a.I(0), a.I(1), a.I(2)); }},
    {"EXCELGETPICXYZCOLOR", "ISL",
     [](St s, A a) { return CheckTickLabelColor(s, a.I(0), a.S(1), a.L(2)); }},
    {"EXCELPICXYZCOLOR", "IL",
     [](St s, A a) { return CheckTickLabelColor(s, a.I(0), "=", a.L(1)); }},
    {"EXCELPICXYZBOLDITALICUNDERLINE", "II",
     [](St s, A a) { return CheckTickLabelStyle(s, a.I(0), a.I(1)); }},
    {"EXCELPICDATATABLE", "I", [](St s, A a) { return CheckDataTable(s, a.I(0)); }},
    {"GETEXCELPICCHARTTITLE", "S", [](St s, A a) { return CheckChartTitle(s, a.S(0)); }},
    {"GETEXCELPICXTITLE", "S",
     [](St s, A a) { return CheckAxisTitle(s, excel::xlCategory, a.S(0)); }},
    {"GETEXCELPICYTITLE", "S", [](St s, A a) { return CheckAxisTitle(s, excel::xlValue, a.S(0)); }},
    {"GETEXCELPICZTITLE", "S",
     [](St s, A a) { return CheckAxisTitle(s, excel::xlSeriesAxis, a.S(0)); }},
    {"EXCELPICTITLEFONTBOLDITALICUNDERLINE", "II",
     [](St s, A a) { return CheckTitleStyle(s, a.I(0), a.I(1)); }},
    {"EXCELPICLEGENDBOLDITALICUNDERLINE", "I",
     [](St s, A a) { return CheckLegendStyle(s, a.I(0)); }},
    {"EXCELPICTITLECOLOR", "ISL",
     [](St s, A a) { return CheckTitleColor(s, a.I(0), a.S(1), a.L(2)); }},
    {"EXCELPICCHARTTYPE", "I", [](St s, A a) { return CheckChartType(s, a.I(0)); }},
    {"EXCELPICLEGEND", "I", [](St s, A a) { return CheckLegendPosition(s, a.I(0)); }},
    {"EXCELPICXYZ", "IDS", [](St s, A a) { return CheckTickLabelFont(s, a.I(0), a.S(2)); }},
    {"EXCELPICHASLEGEND", "", [](St s, A) { return CheckHasLegend(s); }},
    {"EXCELPICTITLEFONT", "IDS", [](St s, A a) { return CheckTitleFont(s, a.I(0), a.S(2)); }},
    {"EXCELPICLEGENDFONT_SIZE", "DS", [](St s, A a) { return CheckLegendFontName(s, a.S(1)); }},
    {"EXCELPICCHARTAREAFILLSTYLEJB", "IIIIIIII",
     [](St s, A a) {
       return CheckChartAreaLook(s,
                                 {a.I(0), a.I(1), a.I(2), a.I(3), a.I(4), a.I(5), a.I(6), a.I(7)});
     }},
    // The names after the count are compared as text (they are read as numbers too).
    {"EXCELPICLEGENDNAME", "N", [](St s, A a) { return CheckLegendNames(s, a.TextsAfter(0)); }},
    {"EXCELDATASOURCECORRECT", "SS", [](St s, A a) { return CheckDataSource(s, a.S(0), a.S(1)); }},
    {"EXCELDATASOURCECORRECTX", "SS",
     [](St s, A a) { return CheckSourceCategories(s, a.S(0), a.S(1)); }},
    {"EXCELPICXLVALUEFAMAT", "IIIII",
     [](St s, A a) { return CheckValueScale(s, a.I(0), a.I(1), a.I(2), a.I(3), a.I(4)); }},
    {"EXCELPICNUMBERFORMATLOCAL", "ISIS",
     [](St s, A a) { return CheckTickLabelFormats(s, a.S(1), a.S(3)); }},
    {"EXCELDATASOURCECORRECTY", "SSI",
     [](St s, A a) { return CheckSourceValues(s, a.S(0), a.S(1), a.I(2)); }},
};

}  // namespace

std::span<const KeywordRow> Keywords() {
  return kKeywords;
}

const KeywordRow* FindKeyword(std::string_view keyword) {
  static const engine::KeywordIndex<KeywordRow> index{std::span<const KeywordRow>(kKeywords)};
  return index.Find(keyword);
}

bool IsCheckKeyword(std::string& token) {
  token = vb::UCase(token);
  return FindKeyword(token) != nullptr;
}

int16_t RunCheck(SheetState& state, std::string& token) {
  token = vb::UCase(token);
  const KeywordRow* row = FindKeyword(token);
  if (row == nullptr) return engine::kNoSuchKeyword;
  const Arguments args = Arguments::Read(state.engine, row->letters);
  return row->check(state, args) != engine::kFalse ? engine::kCheckHolds : engine::kCheckFails;
}

}  // namespace sheetmark
