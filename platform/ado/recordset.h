// An ADO recordset over SQLite with static-cursor behaviour: the rows are read when it opens, so
// the count, the absolute position and moving either way cost nothing and no statement stays
// open. A recordset over one table can add and change rows, written back by rowid. Every
// operation that fails returns false and leaves its error in the Errors collection of the
// connection the recordset was opened on.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ado/connection.h"
#include "platform/ado/variant.h"

struct sqlite3_stmt;

namespace ado {

enum CursorType : long {
  adOpenUnspecified = -1,
  adOpenForwardOnly = 0,
  adOpenKeyset = 1,
  adOpenDynamic = 2,
  adOpenStatic = 3,
};

enum LockType : long {
  adLockUnspecified = -1,
  adLockReadOnly = 1,
  adLockPessimistic = 2,
  adLockOptimistic = 3,
  adLockBatchOptimistic = 4,
};

enum EditMode : long { adEditNone = 0, adEditInProgress = 1, adEditAdd = 2, adEditDelete = 4 };

enum PositionEnum : long { adPosUnknown = -1, adPosBOF = -2, adPosEOF = -3 };

// A column of a recordset.
struct Field {
  std::string name;      // as the statement names it
  std::string column;    // the table column behind it, empty for an expression
  std::string table;     // its table, empty for an expression
  std::string declType;  // declared type of the column, upper case
};

class Recordset {
 public:
  Recordset() = default;

  // Runs the statement with its parameters on the connection and reads its rows. False when the
  // connection is closed or the statement fails (the provider's error in the connection's
  // Errors). An open recordset is closed first.
  bool Open(std::string_view sql, Connection& connection, long cursorType = adOpenForwardOnly,
            long lockType = adLockReadOnly, long options = adCmdText,
            const std::vector<Variant>& params = {});

  // False when it was not open.
  bool Close();
  long State() const { return open_ ? adStateOpen : adStateClosed; }

  bool IsBOF() const;
  bool IsEOF() const;

  // Each fails when there is nowhere to go or it is closed. Moving off a row with a pending
  // change writes the change first, as the provider does.
  bool MoveFirst();
  bool MoveLast();
  bool MoveNext();
  bool MovePrevious();

  // The number of rows; -1 for a forward-only cursor or a closed recordset.
  long RecordCount() const;

  // 1-based position of the current row, or adPosBOF / adPosEOF / adPosUnknown.
  long AbsolutePosition() const;
  bool SetAbsolutePosition(long position);

  long EditMode() const { return editMode_; }

  const std::vector<Field>& Fields() const { return fields_; }
  // Index of a field by name without regard to case; -1 when absent.
  int FieldIndex(std::string_view name) const;

  // The value of a field of the current row; false when there is no such field or no row.
  bool GetValue(std::string_view field, Variant& out) const;
  bool GetValue(size_t index, Variant& out) const;

  // Sets a field of the current (or the added) row, coerced to the column's declared type as
  // Jet does; starts an edit on an existing row. False on a type mismatch, a read-only
  // recordset or a field that is no table column.
  bool SetValue(std::string_view field, const Variant& value);

  // Starts a new row; Update stores it.
  bool AddNew();
  // Writes the pending row or change. On failure the change stays pending.
  bool Update();
  bool CancelUpdate();

  // Deletes the current row from its table. The deleted row stays current, without values,
  // until the next move; MoveNext then goes to the row after it. A pending addition is dropped.
  bool Delete();

 private:
  // Puts the failure in the connection's Errors collection (alone) and returns false.
  bool Fail(std::string description, long number);
  bool Updatable() const;
  bool WriteRow();
  bool ReadRow(int64_t rowid, std::vector<Variant>& row);
  // Steps the statement to its end, keeping its rows (and their rowids, which lead each row when
  // `withRowid`); false, with the error, when a step fails.
  bool ReadRows(sqlite3_stmt* statement, const std::vector<Field>& fields, bool withRowid);

  std::shared_ptr<detail::Database> database_;
  bool open_ = false;
  long cursorType_ = adOpenForwardOnly;
  long lockType_ = adLockReadOnly;
  std::vector<Field> fields_;
  std::vector<std::vector<Variant>> rows_;
  std::vector<int64_t> rowids_;  // one per row when the recordset can write back
  std::string table_;            // the one table behind every column, when there is one
  long position_ = 0;            // 0-based index; -1 before the first, size() after the last
  bool currentDeleted_ = false;  // the row at position_ is the one after a deleted row
  long editMode_ = adEditNone;
  std::vector<Variant> pending_;
  std::vector<bool> changed_;
};

}  // namespace ado
