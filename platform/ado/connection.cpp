// The connection: opening a Jet-named SQLite file, running statements, the Errors collection.
#include "platform/ado/connection.h"

#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "platform/ado/guards.h"
#include "platform/ado/jet_file.h"
#include "platform/ado/recordset.h"
#include "platform/ado/sqlite_values.h"
#include "platform/base/text.h"
#include "platform/win/paths.h"

namespace ado {
namespace detail {

void Database::AddError(std::string description, std::string sqlState, long native) {
  errors.push_back(Error{std::move(description), std::move(sqlState), native, "SQLite"});
}

void Database::SetError(std::string description, long native) {
  ClearErrors();
  AddError(std::move(description), "HY000", native);
}

void Database::AddSqliteError(int code) {
  const int primary = code & 0xFF;
  std::string state = primary == SQLITE_CONSTRAINT ? "23000"
                      : primary == SQLITE_ERROR    ? "42000"
                                                   : "HY000";
  std::string text = db ? sqlite3_errmsg(db) : sqlite3_errstr(code);
  // A statement the limits stopped or refused says why ("not authorized" names no view).
  if (!stopped.empty() &&
      (primary == SQLITE_INTERRUPT || primary == SQLITE_AUTH || primary == SQLITE_ERROR))
    text = stopped;
  if (primary == SQLITE_READONLY) text = "Cannot update. Database or object is read-only.";
  AddError(std::move(text), std::move(state), db ? sqlite3_extended_errcode(db) : code);
}

}  // namespace detail

namespace {

std::string Value(const std::vector<std::pair<std::string, std::string>>& pairs,
                  std::string_view key) {
  for (const auto& [k, v] : pairs)
    if (base::EqualsNoCase(k, key)) return v;
  return "";
}

}  // namespace

std::vector<std::pair<std::string, std::string>> ParseConnectionString(std::string_view text) {
  std::vector<std::pair<std::string, std::string>> pairs;
  size_t i = 0;
  while (i < text.size()) {
    size_t eq = text.find('=', i);
    size_t semi = text.find(';', i);
    if (eq == std::string_view::npos || (semi != std::string_view::npos && semi < eq)) {
      if (semi == std::string_view::npos) break;
      i = semi + 1;
      continue;
    }
    std::string key(base::Trim(text.substr(i, eq - i)));
    size_t v = eq + 1;
    while (v < text.size() && (text[v] == ' ' || text[v] == '\t')) ++v;
    std::string value;
    if (v < text.size() && (text[v] == '"' || text[v] == '\'')) {
      char quote = text[v];
      size_t close = text.find(quote, v + 1);
      if (close == std::string_view::npos) close = text.size();
      value = std::string(text.substr(v + 1, close - v - 1));
      size_t next = text.find(';', close);
      i = next == std::string_view::npos ? text.size() : next + 1;
    } else {
      size_t end = text.find(';', v);
      if (end == std::string_view::npos) end = text.size();
      value = base::Trim(text.substr(v, end - v));
      i = end + 1;
    }
    if (!key.empty()) pairs.emplace_back(std::move(key), std::move(value));
  }
  return pairs;
}

Connection::Connection()
    : database_(std::make_shared<detail::Database>()), vfs_(nullptr, [](sqlite3_vfs*) {}) {}

Connection::~Connection() {
  Close();
}

bool Connection::Open(std::string_view connectionString, long /*options*/) {
  return OpenDatabase(connectionString, nullptr);
}

bool Connection::OpenWithLimits(std::string_view connectionString, const ReadLimits& limits) {
  return OpenDatabase(connectionString, &limits);
}

bool Connection::OpenDatabase(std::string_view connectionString, const ReadLimits* limits) {
  Close();
  database_->ClearErrors();
  connectionString_ = std::string(connectionString);
  const auto pairs = ParseConnectionString(connectionString);
  const std::string provider = Value(pairs, "Provider");
  if (!base::StartsWithNoCase(provider, "Microsoft.Jet.OLEDB") &&
      !base::StartsWithNoCase(provider, "Microsoft.ACE.OLEDB") &&
      !base::StartsWithNoCase(provider, "SQLite")) {
    database_->AddError("Provider cannot be found. It may not be properly installed.", "HY000",
                        adErrProviderNotFound);
    return false;
  }
  const std::string source = Value(pairs, "Data Source");
  const std::filesystem::path host = win::ToHostPath(source);
  std::error_code ec;
  if (source.empty() || !std::filesystem::is_regular_file(host, ec)) {
    database_->AddError("Could not find file '" + source + "'.", "HY000", kJetErrFileNotFound);
    return false;
  }
  // A Jet file made by another program is read into memory, read-only, whatever the Mode.
  if (!limits && detail::IsJetFile(host)) {
    base::Result<sqlite3*> jet = detail::OpenJetDatabase(host);
    if (!jet) {
      database_->AddError("Unrecognized database format '" + source + "': " + jet.error().message,
                          "HY000", jet.error().code);
      return false;
    }
    database_->db = *jet;
    return true;
  }
  // "Jet OLEDB:Database Password" is accepted and not checked: the SQLite files carry none.
  const bool readOnly = base::StartsWithNoCase(Value(pairs, "Mode"), "Read") &&
                        !base::StartsWithNoCase(Value(pairs, "Mode"), "ReadWrite");
  const bool writable = !readOnly && ::access(host.c_str(), W_OK) == 0;
  if (limits) {
    limits_ = *limits;
    vfs_ = detail::MakeFolderVfs(limits_.folder);
  }
  sqlite3* db = nullptr;
  int rc =
      sqlite3_open_v2(host.c_str(), &db, writable ? SQLITE_OPEN_READWRITE : SQLITE_OPEN_READONLY,
                      vfs_ ? vfs_->zName : nullptr);
  if (rc == SQLITE_OK && limits) {
    database_->db = db;
    detail::ApplyLimits(*database_, limits_);
  }
  if (rc == SQLITE_OK) {
    // The header is only read by the first statement: a file that is no database fails here, and
    // an unfinished write left in the journal is rolled back.
    rc = sqlite3_exec(db, "SELECT count(*) FROM main.sqlite_master", nullptr, nullptr, nullptr);
  }
  if (rc == SQLITE_OK && limits)
    rc = sqlite3_exec(db, "PRAGMA query_only=1", nullptr, nullptr, nullptr);
  if (rc != SQLITE_OK) {
    const int primary = rc & 0xFF;
    if (primary == SQLITE_NOTADB || primary == SQLITE_CORRUPT)
      database_->AddError("Unrecognized database format '" + source + "'.", "HY000", rc);
    else
      database_->AddError(db ? sqlite3_errmsg(db) : sqlite3_errstr(rc), "HY000", rc);
    database_->db = nullptr;
    database_->limits = nullptr;
    sqlite3_close(db);
    vfs_.reset();
    return false;
  }
  database_->db = db;
  sqlite3_busy_timeout(db, 2000);
  if (writable && !limits) detail::WatchWrites(*database_);
  return true;
}

bool Connection::Close() {
  if (!database_->db) return false;
  sqlite3_close_v2(database_->db);
  database_->db = nullptr;
  database_->limits = nullptr;
  database_->armWrites = false;
  database_->armed.clear();
  vfs_.reset();
  return true;
}

long Connection::State() const {
  return database_->db ? adStateOpen : adStateClosed;
}

const std::vector<Error>& Connection::Errors() const {
  return database_->errors;
}

std::unique_ptr<Recordset> Connection::Execute(std::string_view sql,
                                               const std::vector<Variant>& params,
                                               long* recordsAffected, long options) {
  database_->ClearErrors();
  if (recordsAffected) *recordsAffected = 0;
  std::string text(sql);
  if (IsTableCommand(options)) text = detail::TableStatement(sql);
  detail::Statement statement;
  if (!detail::Prepare(*database_, text, params, statement)) return nullptr;
  if (sqlite3_column_count(statement.handle) > 0) {
    auto recordset = std::make_unique<Recordset>();
    if (!recordset->Open(text, *this, adOpenForwardOnly, adLockReadOnly, adCmdText, params))
      return nullptr;
    return recordset;
  }
  int rc;
  while ((rc = sqlite3_step(statement.handle)) == SQLITE_ROW) {
  }
  if (rc != SQLITE_DONE) {
    database_->AddSqliteError(rc);
    return nullptr;
  }
  if (recordsAffected) *recordsAffected = sqlite3_changes(database_->db);
  return std::make_unique<Recordset>();
}

base::Status CreateDatabase(const std::string& hostPath, std::string_view script) {
  sqlite3* db = nullptr;
  int rc =
      sqlite3_open_v2(hostPath.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
  char* message = nullptr;
  // One transaction: the script applies whole or not at all, with one sync to disk.
  if (rc == SQLITE_OK) rc = sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
  if (rc == SQLITE_OK) {
    rc = sqlite3_exec(db, std::string(script).c_str(), nullptr, nullptr, &message);
    int end = sqlite3_exec(db, rc == SQLITE_OK ? "COMMIT" : "ROLLBACK", nullptr, nullptr, nullptr);
    if (rc == SQLITE_OK) rc = end;
  }
  base::Status status;
  if (rc != SQLITE_OK) {
    const std::string why = message ? message : db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    status = base::Error::WithCode(rc, "cannot create the database " + hostPath + ": " + why);
  }
  sqlite3_free(message);
  sqlite3_close(db);
  return status;
}

}  // namespace ado
