// The seating import (see seating_import.h).
#include "client/proctor/seating_import.h"

#include <cstdio>

#include "client/common/system_utils.h"
#include "client/exam/login.h"
#include "client/store/db/ado_connection.h"
#include "client/store/db/ado_record_set.h"

namespace {

// A comma-separated list of field names; nothing for an empty text.
std::vector<std::string> FieldList(const std::string& text) {
  std::vector<std::string> names;
  if (!text.empty()) SplitString(text, ",", names);
  return names;
}

}  // namespace

base::Result<std::vector<std::vector<std::string>>> ReadSeatingRows(
    const std::string& path, const std::string& table, const std::vector<std::string>& fields) {
  CAdoConnection db;
  // Read-only: the seating system's file is never written.
  if (!db.Open("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + path + ";Mode=Read"))
    return base::Error{db.GetLastError(), kSeatingFileNotOpened};
  CAdoRecordSet rs;
  rs.SetConnection(&db);
  // The table by its name, never spliced into a statement.
  if (!rs.Open(table, ado::adCmdTable)) return base::Error{db.GetLastError(), 0};
  std::vector<std::vector<std::string>> rows;
  for (; !rs.IsEOF(); rs.MoveNext()) {
    std::vector<std::string>& values = rows.emplace_back();
    for (const std::string& field : fields)
      if (!rs.GetString(field, values.emplace_back()))
        return base::Error{field + ": " + db.GetLastError(), 0};
  }
  rs.Close();
  db.Close();
  return rows;
}

std::vector<FieldValue> SeatingFields(const std::vector<std::string>& destFields,
                                      const std::vector<std::string>& values, bool fromCode) {
  std::vector<FieldValue> fields;
  for (size_t i = 0; i < destFields.size() && i < values.size(); ++i) {
    fields.push_back({destFields[i], values[i]});
    if (i == 0 && fromCode) {
      const SeatOfCode seat = CutSeat(values[0]);
      fields.push_back({"Room", seat.room});
      fields.push_back({"Session", seat.session});
      fields.push_back({"Seat", seat.seat});
    }
  }
  return fields;
}

bool SeatingImport::Run() {
  const std::optional<std::string> file =
      c_.Ui().ChooseFileToOpen(std::string(proctor_text::SeatingFilter));
  if (!file) return false;
  CIniFile& settings = c_.Session().Settings();
  const std::string table = settings.Setting("SourceTable", settings_default::SourceTable);
  const std::string sourceText = settings.Read("KIRV", "SourceField");
  const std::vector<std::string> source = FieldList(sourceText);
  const std::vector<std::string> dest = FieldList(settings.Read("KIRV", "DestField"));
  if (source.empty() || source.size() != dest.size()) {
    c_.Show(std::string(proctor_text::FieldListsDiffer));
    return false;
  }
  const auto rows = ReadSeatingRows(*file, table, source);
  if (!rows) {
    c_.Show(rows.error().code == kSeatingFileNotOpened
                ? std::string(proctor_text::SeatingNotOpened)
                : std::string(proctor_text::SeatingNotRead) + rows.error().message);
    return false;
  }
  if (rows->empty()) {
    c_.Show(std::string(proctor_text::SeatingEmpty));
    return false;
  }

  ProctorUi& ui = c_.Ui();
  ExamStore& store = c_.Store();
  const base::Result<bool> held = store.HasCandidates();
  if (!held) {
    c_.Show(std::string(login_text::ReadFailed) + held.error().message);
    return false;
  }
  // Once a write failed the import ends: the proctor reads one message, not one per row.
  auto fail = [&](std::string_view text, const base::Error& error, bool changed) {
    ui.CloseProgress();
    c_.Show(std::string(text) + error.message);
    return changed;
  };
  if (*held && c_.AskYesNo(std::string(proctor_text::ClearQuestion))) {
    ui.ShowProgress(std::string(proctor_text::Clearing));
    if (base::Status cleared = store.ClearCandidates(); !cleared)
      return fail(proctor_text::ClearFailed, cleared.error(), false);
  }
  ui.ShowProgress(std::string(proctor_text::Importing));
  ui.SetProgressRange(static_cast<int>(rows->size()));
  const bool fromCode = sourceText.find("考场") == std::string::npos;
  unsigned count = 0;
  for (const std::vector<std::string>& values : *rows) {
    const base::Status written =
        store.WriteSeatingRow(values[0], *held, SeatingFields(dest, values, fromCode));
    if (!written) return fail(proctor_text::RowNotWritten, written.error(), true);
    ui.SetProgress(static_cast<int>(++count));
  }
  ui.CloseProgress();
  char text[96];
  std::snprintf(text, sizeof text, "成功导入 %u 条考生信息记录!", count);
  c_.Show(text);
  return true;
}
