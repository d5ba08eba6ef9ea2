// CAdoConnection: the exam client's one connection to a Jet database file. Every failure becomes
// a plain result (false, null, ""), so callers never see an exception. Values reach statements
// only as bound parameters.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/ado/connection.h"
#include "platform/ado/recordset.h"

// How a connection is opened: the client leaves it to the provider.
enum ConnectOption : long { adConnectUnspecified = -1, adAsyncConnect = 0x10 };

// Statement parameters, bound in the order of the "?" marks.
using SqlParams = std::vector<ado::Variant>;

// A text or a number as a statement parameter.
inline ado::Variant SqlText(std::string_view text) {
  return ado::Variant::String(std::string(text));
}
inline ado::Variant SqlInt(int value) {
  return ado::Variant::I4(value);
}

class CAdoConnection {
 public:
  CAdoConnection();
  virtual ~CAdoConnection();
  CAdoConnection(const CAdoConnection&) = delete;
  CAdoConnection& operator=(const CAdoConnection&) = delete;

  // A non-empty string replaces the stored one; false with none stored. Closes an open
  // connection first.
  bool Open(const std::string& connectionString = "", long options = adConnectUnspecified);

  // Opens a Jet file: "Provider=Microsoft.Jet.OLEDB.4.0; Data Source=" + path, and the password
  // part when the password is not empty.
  bool OpenJet(const std::string& path, const std::string& password = "",
               long options = adConnectUnspecified);

  // Runs a statement given as command text; null on failure. The result may be a closed
  // recordset for statements without rows. `recordsAffected`, when given, receives the count of
  // rows the statement changed.
  std::unique_ptr<ado::Recordset> Execute(const std::string& sql, long options = ado::adCmdText);
  std::unique_ptr<ado::Recordset> Execute(const std::string& sql, const SqlParams& params,
                                          long options = ado::adCmdText,
                                          long* recordsAffected = nullptr);

  bool IsOpen();
  // How long a statement waits for a database another program has locked before it fails (the
  // provider's command time-out); false when the connection is not open.
  bool SetBusyTimeout(int milliseconds);
  // Closes when open; false only when closing fails or the connection was released.
  bool Close();
  // Closes when open and drops the connection; every later call fails.
  void Release();

  // One block "Description: %s\r\nState: %s, Native: %d, Source: %s\r\n" per provider error.
  std::string GetLastError();

  const std::string& GetConnectionString() const { return connectionString_; }
  // The connection underneath; null after Release.
  ado::Connection* GetConnection() { return connection_.get(); }

 private:
  std::string connectionString_;
  std::unique_ptr<ado::Connection> connection_;
};
