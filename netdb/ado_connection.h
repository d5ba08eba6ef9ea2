// CAdoConnection of the browser simulation and the network-part grader: one connection to the
// candidate's network database, with the recordset operations itself carries (unlike the exam
// client's class of that name). Values reach statements only as bound parameters; table and
// column names come from the schema. A recordset is the caller's, held in a RecordsetPtr.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "netdb/net_settings.h"
#include "platform/ado/connection.h"
#include "platform/ado/recordset.h"
#include "platform/base/result.h"

namespace netdb {

using RecordsetPtr = std::unique_ptr<ado::Recordset>;
using SqlParams = std::vector<ado::Variant>;

// The browser writes; the grader only reads.
enum class OpenMode { ReadWrite, ReadOnly };

// The connection string for a database path: "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" +
// path, with the read-only mode when asked.
std::string ConnectionString(std::string_view windowsPath, OpenMode mode);

// StudentFolder + net.ini's [DB] UserDB ("Netkt\net.net" when absent).
std::string CandidateDatabasePath(const PathGlobals& globals);

class CAdoConnection {
 public:
  CAdoConnection() = default;
  virtual ~CAdoConnection();
  CAdoConnection(const CAdoConnection&) = delete;
  CAdoConnection& operator=(const CAdoConnection&) = delete;

  // Opens the network database at a Windows-form path, closing what was open. Fails, with what
  // failed, for a missing file, a file that is no SQLite database (a Jet file is named as one
  // and left untouched), or an engine error; the caller decides what to show.
  base::Status Open(std::string_view windowsPath, OpenMode mode = OpenMode::ReadWrite);

  // Opens a private copy of a database someone else wrote (`hostCopy`, in a folder of our own)
  // under the limits for his files (ado::ReadLimits): an unfinished write its journal holds is
  // rolled back in the copy, nothing else is written, only tables are read, each statement within
  // its budget; no yes/no triggers. Failures name `shownAs`, the file the copy was made of.
  base::Status OpenPrivateCopy(const std::filesystem::path& hostCopy, std::string_view shownAs);

  bool IsOpen() const;
  void Close();
  // Closes and drops the connection.
  void Release();

  // A new, closed recordset in `rs`, replacing what it held.
  static void CreateRecordset(RecordsetPtr& rs);
  static bool IsRecordsetOpen(const RecordsetPtr& rs);
  static void CloseRecordset(RecordsetPtr& rs);
  static void ReleaseRecordset(RecordsetPtr& rs);

  // Opens the recordset (created when null) with the query and its parameters: static cursor,
  // optimistic lock. On failure shows "ADO Error: %s" with the engine's description (unless
  // quiet) and returns false.
  bool OpenRecordset(RecordsetPtr& rs, std::string_view sql, const SqlParams& params = {});

  // A grader reports failed queries in its report instead: a box would hold unattended grading.
  void SetQuiet(bool quiet) { quiet_ = quiet; }

  // The engine's description of the last failure; "" when there is none.
  std::string LastError() const;

  ado::Connection& Connection() { return connection_; }

 private:
  ado::Connection connection_;
  bool quiet_ = false;
};

}  // namespace netdb
