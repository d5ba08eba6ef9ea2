// CAdoConnection over the ADO layer.
#include "client/store/db/ado_connection.h"

#include <sqlite3.h>

#include <cstdio>

CAdoConnection::CAdoConnection() : connection_(std::make_unique<ado::Connection>()) {}

CAdoConnection::~CAdoConnection() {
  Release();
}

bool CAdoConnection::Open(const std::string& connectionString, long options) {
  if (!connectionString.empty()) connectionString_ = connectionString;
  if (connectionString_.empty() || !connection_) return false;
  if (connection_->IsOpen()) connection_->Close();
  return connection_->Open(connectionString_, options);
}

bool CAdoConnection::OpenJet(const std::string& path, const std::string& password, long options) {
  std::string text = "Provider=Microsoft.Jet.OLEDB.4.0; Data Source=" + path;
  if (!password.empty())
    text += ";Persist Security Info=False;Jet OLEDB:Database Password=" + password + ";";
  return Open(text, options);
}

std::unique_ptr<ado::Recordset> CAdoConnection::Execute(const std::string& sql, long options) {
  return Execute(sql, SqlParams{}, options);
}

std::unique_ptr<ado::Recordset> CAdoConnection::Execute(const std::string& sql,
                                                        const SqlParams& params, long options,
                                                        long* recordsAffected) {
  if (recordsAffected) *recordsAffected = 0;
  if (!connection_) return nullptr;
  return connection_->Execute(sql, params, recordsAffected, options);
}

bool CAdoConnection::IsOpen() {
  return connection_ && connection_->IsOpen();
}

bool CAdoConnection::SetBusyTimeout(int milliseconds) {
  if (!IsOpen()) return false;
  // The data-access layer offers no command time-out yet; the handle it shares takes one.
  return sqlite3_busy_timeout(connection_->Shared()->db, milliseconds) == SQLITE_OK;
}

bool CAdoConnection::Close() {
  if (!connection_) return false;
  // Nothing to close is no failure.
  return !connection_->IsOpen() || connection_->Close();
}

void CAdoConnection::Release() {
  if (IsOpen()) connection_->Close();
  connection_.reset();
}

std::string CAdoConnection::GetLastError() {
  if (!connection_) return "";
  std::string text;
  for (const ado::Error& e : connection_->Errors()) {
    std::string block = "Description: " + e.description + "\r\nState: " + e.sqlState +
                        ", Native: " + std::to_string(static_cast<int>(e.nativeError)) +
                        ", Source: " + e.source + "\r\n";
    text += block;
  }
  return text;
}
