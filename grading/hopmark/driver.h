// The network-part grading run: the candidate's network database located and read through a
// private copy, the expected rows of six sections checked in a fixed order against the candidate's
// rows, one result row per item, the report text of the list, and the score capped at 100. A query
// that fails, or a database that does not open, never stops the run: what it touched counts as not
// satisfied and its row says why.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "netdb/net_settings.h"

namespace hopmark {

// One row of the result list.
struct ResultRow {
  std::string label;      // "评分动作"
  std::string parameter;  // "参数"
  bool satisfied = false;
  int points = 0;  // the item's ItemScore
};

// What a run starts from and what it leaves in the control's properties.
struct RunValues {
  std::string State;
  double Score = 0;
  int32_t Rate = 0;
  std::string StudentDir;
  std::string DB;
  std::vector<ResultRow> rows;
};

// The report text of a run: the header line with the database path, an empty line, then one
// line per row (label, parameter, √ or ×, points, separated by tabs), each ending "\r\n".
std::string BuildReport(const std::string& db, const std::vector<ResultRow>& rows);

// The database that `values` names: a non-empty DB as it is, with StudentDir recomputed from it
// (two levels up, keeping the final "\"); otherwise StudentDir + [DB] UserDB of the control's
// own Net.ini ("Netkt\Net.Net" without it), kept in DB.
void LocateDatabase(RunValues& values, const netdb::PathGlobals& settings);

// True when the Windows-form path (one trailing "\" ignored) names an existing file or folder.
bool PathExists(const std::string& windowsPath);

// One grading run over `values` (Go). Returns the report to place on the clipboard, or nothing
// when the database is missing (then State holds the message, which has been shown).
std::optional<std::string> RunGrading(RunValues& values, const netdb::PathGlobals& settings);

}  // namespace hopmark
