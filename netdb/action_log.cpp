// Appending a Log row through an empty updatable recordset, as every logged action does.
#include "netdb/action_log.h"

#include <string>

#include "platform/win/message_box.h"

namespace netdb {
namespace {

std::string LocalText(std::time_t when, const char* format) {
  std::tm local{};
  localtime_r(&when, &local);
  char buffer[32];
  const size_t n = std::strftime(buffer, sizeof buffer, format, &local);
  return std::string(buffer, n);
}

}  // namespace

bool LogAction(CAdoConnection& connection, std::string_view action, std::string_view parameter,
               std::time_t when) {
  const std::string date = LocalText(when, "%Y-%m-%d");
  const std::string time = LocalText(when, "%H:%M:%S");
  RecordsetPtr rs;
  CAdoConnection::CreateRecordset(rs);
  // A failed open has already said so; nothing is appended then.
  if (!connection.OpenRecordset(rs, "Select * From Log where ID is NULL")) return false;
  const auto text = [](std::string_view s) { return ado::Variant::String(std::string(s)); };
  const bool stored = rs->AddNew() && rs->SetValue("Action", text(action)) &&
                      rs->SetValue("Parameter", text(parameter)) &&
                      rs->SetValue("Date", text(date)) && rs->SetValue("Time", text(time)) &&
                      rs->Update();
  if (!stored) {
    win::MessageBox("ADO Error: " + connection.LastError(), "", win::MB_OK);
    rs->CancelUpdate();
  }
  CAdoConnection::ReleaseRecordset(rs);
  return stored;
}

bool LogAction(CAdoConnection& connection, std::string_view action, std::string_view parameter) {
  return LogAction(connection, action, parameter, std::time(nullptr));
}

}  // namespace netdb
