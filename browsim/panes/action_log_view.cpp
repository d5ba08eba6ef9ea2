// The operation-record list and report.
#include "browsim/panes/action_log_view.h"

#include "browsim/core/record_fields.h"

namespace browsim::panes {

std::vector<ActionLogRow> ReadActionLog(BrowserHost& host) {
  std::vector<ActionLogRow> rows;
  netdb::RecordsetPtr rs;
  if (!host.Database().OpenRecordset(rs, "Select * From Log order by ID")) {
    host.ReportFailure("网络数据库无法读取操作记录: " + host.Database().LastError());
    return rows;
  }
  for (; !rs->IsEOF(); rs->MoveNext()) {
    ActionLogRow row{std::to_string(rows.size()), FieldText(rs, "Action"),
                     FieldText(rs, "Parameter"), ""};
    ado::Variant value;
    if (rs->GetValue("Time", value)) {
      const netdb::DateTime time = netdb::VariantToDateTime(value);
      const std::string text = time.Format();  // "%Y-%m-%d %H:%M:%S"
      if (time.valid && text.size() > 11) row.time = text.substr(11);
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

std::string ActionLogReport(const netdb::PathGlobals& globals,
                            const std::vector<ActionLogRow>& rows) {
  const std::string rule = std::string(89, '-') + "\r\n";
  std::string report = globals.CandidateName + " " + globals.StudentFolderName +
                       " 网络部分的系统操作记录\r\n" + rule;
  for (const ActionLogRow& row : rows)
    report +=
        row.number + "\t" + row.action + "\t" + row.parameter + "\t" + row.time + "\r\n" + rule;
  return report;
}

}  // namespace browsim::panes
