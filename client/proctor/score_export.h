// The proctor's score exports: a consistent copy of the whole exam database (an SQLite file under
// the name the proctor chooses, ".mdb" added when missing), and in training mode the scores of
// every candidate as ProgramFolder + "导出成绩.csv" (GBK, CR LF) for a spreadsheet.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "client/proctor/proctor_context.h"

namespace proctor_text {
inline constexpr std::string_view ScoreDbFilter =
    "计算机考试成绩库 (*.mdb)|*.mdb|All Files(*.*)|*.*||";
inline constexpr std::string_view ScoreDbName = "考试机成绩库.mdb";
inline constexpr std::string_view ExportDone = "导出成功";
inline constexpr std::string_view ExportFailed = "导出失败：";
inline constexpr std::string_view ScoresClosed =
    "成绩处理功能仅对成绩统计部门开放，考点无需使用此功能";
inline constexpr std::string_view ExportingScores = "正在导出成绩信息到Excel,请稍候...";
inline constexpr std::string_view ScoresFile = "导出成绩.csv";
}  // namespace proctor_text

// The score file's text (UTF-8, lines ending "\n"): the header of the candidate fields and the
// enabled modules' names, then one line per candidate with a tab before the exam code and the
// student number (kept as text by a spreadsheet), the state word and the decoded module scores
// in the order of his score record.
std::string ScoreTable(const std::vector<std::string>& moduleNames,
                       const std::vector<CandidateRecord>& candidates);

// The file's bytes: GBK with CR LF line ends.
std::string ScoreFileBytes(std::string_view table);

class ScoreExport {
 public:
  explicit ScoreExport(ProctorContext& context) : c_(context) {}

  // OnExportScoreDb: the exam database copied where the proctor chooses.
  void ExportDatabase();
  // OnExportScores: the score file written and opened (training mode only).
  void ExportScores();

 private:
  ProctorContext& c_;
};
