// An ADO connection of the Jet provider's shape over SQLite 3: the files keep their Jet names
// ("db\kirv.mdb") but are SQLite databases. Statements are written the Jet way; values always
// travel as bound parameters ("?"), never spliced into the statement text.
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ado/variant.h"
#include "platform/base/result.h"

struct sqlite3;
struct sqlite3_vfs;

namespace ado {

class Recordset;

enum ObjectState : long { adStateClosed = 0, adStateOpen = 1 };

enum CommandType : long {
  adCmdUnspecified = -1,
  adCmdText = 1,
  adCmdTable = 2,
  adCmdStoredProc = 4,
  adCmdUnknown = 8,
};

// Execute option: the statement returns no rows the caller wants.
inline constexpr long adExecuteNoRecords = 0x80;

// The bits of an options argument that hold its CommandType; the bits above are execute options.
inline constexpr long kCommandTypeBits = 0x7F;

// True when `options` names a table rather than a statement.
inline bool IsTableCommand(long options) {
  return options != adCmdUnspecified && (options & kCommandTypeBits) == adCmdTable;
}

// The error numbers this layer reports besides SQLite's own result codes: the provider's
// (ADO's ErrorValueEnum and Jet's) for the failures the provider itself detects.
enum ErrorValue : long {
  kErrOverflow = 6,
  kErrOutOfMemory = 7,
  adErrInvalidArgument = 3001,
  adErrNoCurrentRecord = 3021,
  kJetErrFileNotFound = 3024,
  adErrFeatureNotAvailable = 3251,
  adErrItemNotFound = 3265,
  kJetErrTypeMismatch = 3464,
  adErrObjectClosed = 3704,
  adErrProviderNotFound = 3706,
};

// One entry of a connection's Errors collection.
struct Error {
  std::string description;
  std::string sqlState;
  long nativeError = 0;
  std::string source;
};

// What a statement may cost on a database someone else wrote (a candidate's): a statement stops
// at its step budget, or at its time on the monotonic clock, a value longer than `longestValue`
// fails, and a recordset fails past `rows` rows or `bytes` bytes, each with an error saying which.
// The step budget decides on any machine at any load; the time is the backstop for what steps do
// not measure.
struct ReadLimits {
  int64_t steps = 10'000'000;  // virtual machine steps per statement
  std::chrono::milliseconds time{10'000};
  int longestValue = 1 << 20;
  size_t rows = 100'000;
  uint64_t bytes = 64ull << 20;
  // The host folder of our own that holds the file: the engine opens, tests and deletes nothing
  // outside it (a journal can name another file to read and delete).
  std::string folder;
};

namespace detail {
// The open database, shared by a connection and the recordsets opened on it so that a recordset
// outliving its connection fails cleanly instead of touching a closed handle.
struct Database {
  sqlite3* db = nullptr;
  std::vector<Error> errors;

  // Under limits: the budget of the statement being run, and why it was stopped.
  const ReadLimits* limits = nullptr;
  int64_t checksLeft = 0;
  std::chrono::steady_clock::time_point deadline;
  std::string stopped;

  // Yes/no triggers are made for a table when a statement first writes it (see guards.h).
  bool armWrites = false;
  std::set<std::string> armed;
  std::vector<std::string> writes;  // tables the statement being prepared writes

  void ClearErrors() { errors.clear(); }
  // Adds the database's current error, in the provider's terms.
  void AddSqliteError(int code);
  void AddError(std::string description, std::string sqlState, long native);
  // Empties the collection and adds one error the provider itself detected.
  void SetError(std::string description, long native);
};
}  // namespace detail

// Splits "key=value;key=value" into pairs; keys keep their spelling, values lose quotes.
std::vector<std::pair<std::string, std::string>> ParseConnectionString(std::string_view text);

class Connection {
 public:
  Connection();
  ~Connection();
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  // Opens the file named by "Data Source" (a Windows-form path) of a Jet or ACE provider
  // string. The file must exist and be an SQLite database. The database password is accepted
  // and ignored: SQLite files carry no password. False with an entry in Errors() on failure.
  bool Open(std::string_view connectionString, long options = -1);

  // Opens a database someone else wrote, lying in a folder of our own (`limits.folder`), under
  // `limits`: only tables are read (a view or a virtual table fails), every statement is held to
  // the budgets, and nothing is written once open (an unfinished write of the file's journal is
  // rolled back on opening). No yes/no triggers are made.
  bool OpenWithLimits(std::string_view connectionString, const ReadLimits& limits);

  // Closes the database; false when it was not open.
  bool Close();

  long State() const;
  bool IsOpen() const { return State() == adStateOpen; }

  // Runs a statement with its parameters. Returns a recordset (closed when the statement gives
  // no rows) or null on failure, with the provider's error in Errors(). With adCmdTable the
  // text is a table name. `recordsAffected` receives the count of changed rows.
  std::unique_ptr<Recordset> Execute(std::string_view sql, const std::vector<Variant>& params = {},
                                     long* recordsAffected = nullptr, long options = adCmdText);

  const std::vector<Error>& Errors() const;
  const std::string& ConnectionString() const { return connectionString_; }

  // The shared database state; for recordsets.
  const std::shared_ptr<detail::Database>& Shared() const { return database_; }

 private:
  bool OpenDatabase(std::string_view connectionString, const ReadLimits* limits);

  std::shared_ptr<detail::Database> database_;
  std::string connectionString_;
  ReadLimits limits_;
  std::unique_ptr<sqlite3_vfs, void (*)(sqlite3_vfs*)> vfs_;
};

// Creates (or opens) an SQLite database file at a host path and runs a script of statements on
// it in one transaction: all of it applies or none. The error's code is SQLite's result code.
base::Status CreateDatabase(const std::string& hostPath, std::string_view script);

}  // namespace ado
