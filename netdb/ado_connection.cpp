// The network database's connection and its recordset operations.
#include "netdb/ado_connection.h"

#include <cstdio>

#include "netdb/network_database.h"
#include "platform/win/message_box.h"
#include "platform/win/paths.h"

namespace netdb {

std::string ConnectionString(std::string_view windowsPath, OpenMode mode) {
  std::string source(windowsPath);
  // Quoted when it holds the string's separator, so a ";" in a folder name stays in the path.
  if (source.find(';') != std::string::npos) source = "\"" + source + "\"";
  std::string text = "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + source;
  if (mode == OpenMode::ReadOnly) text += ";Mode=Read";
  return text;
}

std::string CandidateDatabasePath(const PathGlobals& globals) {
  return globals.StudentFolder + ReadIniString(globals, "DB", "UserDB", kDefaultUserDb);
}

CAdoConnection::~CAdoConnection() {
  Release();
}

base::Status CAdoConnection::Open(std::string_view windowsPath, OpenMode mode) {
  connection_.Close();
  // Checked first: the data layer would open a Jet file read-only as a copy, and the network
  // database must be the SQLite file both programs write and read.
  if (base::Status file = CheckDatabaseFile(win::ToHostPath(windowsPath)); !file)
    return file.error();
  if (!connection_.Open(ConnectionString(windowsPath, mode))) {
    const auto& errors = connection_.Errors();
    return base::Error::WithCode(
        errors.empty() ? 0 : static_cast<int>(errors.front().nativeError),
        errors.empty() ? "cannot open " + std::string(windowsPath) : errors.front().description);
  }
  return base::Ok();
}

base::Status CAdoConnection::OpenPrivateCopy(const std::filesystem::path& hostCopy,
                                             std::string_view shownAs) {
  connection_.Close();
  if (base::Status file = CheckDatabaseFile(hostCopy, shownAs); !file) return file.error();
  ado::ReadLimits limits;
  limits.folder = hostCopy.parent_path().string();
  const std::string copy = win::ToWindowsPath(hostCopy);
  if (connection_.OpenWithLimits(ConnectionString(copy, OpenMode::ReadWrite), limits))
    return base::Ok();
  const auto& errors = connection_.Errors();
  std::string why = errors.empty() ? "cannot open " + copy : errors.front().description;
  for (size_t at = why.find(copy); at != std::string::npos; at = why.find(copy, at))
    why.replace(at, copy.size(), shownAs), at += shownAs.size();
  return base::Error::WithCode(errors.empty() ? 0 : static_cast<int>(errors.front().nativeError),
                               why);
}

bool CAdoConnection::IsOpen() const {
  return connection_.IsOpen();
}

void CAdoConnection::Close() {
  if (connection_.IsOpen()) connection_.Close();
}

void CAdoConnection::Release() {
  Close();
}

void CAdoConnection::CreateRecordset(RecordsetPtr& rs) {
  rs = std::make_unique<ado::Recordset>();
}

bool CAdoConnection::IsRecordsetOpen(const RecordsetPtr& rs) {
  return rs && rs->State() == ado::adStateOpen;
}

void CAdoConnection::CloseRecordset(RecordsetPtr& rs) {
  if (IsRecordsetOpen(rs)) rs->Close();
}

void CAdoConnection::ReleaseRecordset(RecordsetPtr& rs) {
  CloseRecordset(rs);
  rs.reset();
}

bool CAdoConnection::OpenRecordset(RecordsetPtr& rs, std::string_view sql,
                                   const SqlParams& params) {
  if (!rs) CreateRecordset(rs);
  CloseRecordset(rs);
  if (rs->Open(sql, connection_, ado::adOpenStatic, ado::adLockOptimistic, ado::adCmdUnknown,
               params))
    return true;
  if (!quiet_) win::MessageBox("ADO Error: " + LastError(), "", win::MB_OK);
  return false;
}

std::string CAdoConnection::LastError() const {
  const auto& errors = connection_.Errors();
  return errors.empty() ? std::string() : errors.front().description;
}

}  // namespace netdb
