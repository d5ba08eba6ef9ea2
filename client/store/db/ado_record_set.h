// CAdoRecordSet: one recordset on a CAdoConnection, with the exam client's reading rules for
// truth values, integers and text. Failures become false, 0, -1 or an unchanged text.
#pragma once

#include <memory>
#include <string>

#include "client/store/db/ado_connection.h"
#include "platform/ado/recordset.h"

class CAdoRecordSet {
 public:
  CAdoRecordSet();
  virtual ~CAdoRecordSet();
  CAdoRecordSet(const CAdoRecordSet&) = delete;
  CAdoRecordSet& operator=(const CAdoRecordSet&) = delete;

  // Binds the recordset to a connection it does not own (null unbinds).
  void SetConnection(CAdoConnection* connection);

  // A non-empty text replaces the stored statement (and its parameters); false when no
  // connection is bound or no statement is stored. Closes an open recordset first. Every query
  // of the client is command text on a static cursor with optimistic locking.
  bool Open(const std::string& sql = "", long options = ado::adCmdText,
            long cursorType = ado::adOpenStatic, long lockType = ado::adLockOptimistic);
  bool Open(const std::string& sql, const SqlParams& params, long options = ado::adCmdText,
            long cursorType = ado::adOpenStatic, long lockType = ado::adLockOptimistic);

  bool IsOpen();
  // Closes when open; false only when closing fails.
  bool Close();
  bool AddNew();
  // Stores the pending row; on failure the pending edit is cancelled.
  bool Update();
  bool CancelUpdate();
  bool MoveFirst();
  bool MoveNext();
  // At end also when the recordset is not open, so no walk runs without end.
  bool IsEOF();
  // The row count; counted by walking when the cursor does not know it; -1 on failure.
  int GetRecordCount();
  long GetEditMode();
  long GetAbsolutePosition();
  bool SetAbsolutePosition(long position);
  long GetState();

  // out = the field holds a boolean that is true.
  bool GetBool(const std::string& field, bool& out);
  // out = VariantToInt of the field; 0 and false when it cannot be read.
  bool GetInt(const std::string& field, int& out);
  // out = VariantToString of the field; left as it was at the end of the rows or on failure.
  // A recordset that is not open says so in a message box.
  bool GetString(const std::string& field, std::string& out);

  bool SetValue(const std::string& field, const ado::Variant& value);
  // Stores the text, or null when it is empty.
  bool SetString(const std::string& field, const std::string& text);

  const std::string& GetSql() const { return sql_; }
  ado::Recordset* GetRecordset() { return recordset_.get(); }

 private:
  CAdoConnection* connection_ = nullptr;
  std::unique_ptr<ado::Recordset> recordset_;
  std::string sql_;
  SqlParams params_;
};
