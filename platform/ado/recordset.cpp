// The static-cursor recordset: rows read on open, moves, typed fields, adding and changing rows.
#include "platform/ado/recordset.h"

#include <sqlite3.h>

#include "platform/ado/sqlite_values.h"
#include "platform/base/text.h"

namespace ado {
namespace {

constexpr const char* kNoCurrent =
    "Either BOF or EOF is True, or the current record has been deleted. Requested operation "
    "requires a current record.";
constexpr const char* kClosed = "Operation is not allowed when the object is closed.";
constexpr const char* kNotUpdatable =
    "Current Recordset does not support updating. This may be a limitation of the provider, or "
    "of the selected locktype.";
constexpr const char* kRowidName = "__kirv_rowid";

// The statement with the rowid as its first column, so rows can be written back; empty when the
// statement is no plain select.
std::string WithRowid(std::string_view sql) {
  size_t b = sql.find_first_not_of(" \t\r\n(");
  if (b == std::string_view::npos || b != sql.find_first_not_of(" \t\r\n")) return "";
  if (!base::StartsWithNoCase(sql.substr(b), "SELECT")) return "";
  size_t rest = b + 6;
  if (rest >= sql.size() || (sql[rest] != ' ' && sql[rest] != '\t' && sql[rest] != '\r' &&
                             sql[rest] != '\n' && sql[rest] != '*'))
    return "";
  // Grouped rows are no table rows: such a recordset stays read-only, as with the provider.
  const std::string upper = base::AsciiUpper(sql);
  if (upper.find("GROUP BY") != std::string::npos || upper.find("UNION") != std::string::npos)
    return "";
  size_t next = sql.find_first_not_of(" \t\r\n", rest);
  if (next != std::string_view::npos && (base::StartsWithNoCase(sql.substr(next), "DISTINCT") ||
                                         base::StartsWithNoCase(sql.substr(next), "ALL")))
    return "";
  return std::string(sql.substr(0, rest)) + " rowid AS " + kRowidName + "," +
         std::string(sql.substr(rest));
}

const char* Text(const char* p) {
  return p ? p : "";
}

}  // namespace

bool Recordset::Fail(std::string description, long number) {
  if (database_) database_->SetError(std::move(description), number);
  return false;
}

bool Recordset::Updatable() const {
  return !table_.empty() && lockType_ != adLockReadOnly;
}

namespace {

// What a prepared statement's columns are; `first` is the first column shown (1 when the rowid
// leads). `table` keeps the one table every shown column comes from, or is emptied.
std::vector<Field> DescribeColumns(sqlite3_stmt* s, int first, std::string& table) {
  std::vector<Field> fields;
  for (int c = first; c < sqlite3_column_count(s); ++c) {
    Field f;
    f.name = Text(sqlite3_column_name(s, c));
    f.column = Text(sqlite3_column_origin_name(s, c));
    f.table = Text(sqlite3_column_table_name(s, c));
    f.declType = base::AsciiUpper(Text(sqlite3_column_decltype(s, c)));
    // Only a recordset whose every column is a column of the rowid's table writes back.
    if (f.table.empty() || !base::EqualsNoCase(f.table, table)) table.clear();
    fields.push_back(std::move(f));
  }
  return fields;
}

}  // namespace

bool Recordset::Open(std::string_view sql, Connection& connection, long cursorType, long lockType,
                     long options, const std::vector<Variant>& params) {
  if (open_) Close();
  database_ = connection.Shared();
  database_->ClearErrors();
  if (!database_->db) return Fail(kClosed, adErrObjectClosed);
  cursorType_ = cursorType == adOpenUnspecified ? adOpenForwardOnly : cursorType;
  lockType_ = lockType == adLockUnspecified ? adLockReadOnly : lockType;
  const std::string text = IsTableCommand(options) ? detail::TableStatement(sql) : std::string(sql);

  // An updatable recordset reads each row's rowid too, to write the row back by it.
  detail::Statement statement;
  bool withRowid = false;
  if (lockType_ != adLockReadOnly) {
    const std::string rewritten = WithRowid(text);
    withRowid =
        !rewritten.empty() && detail::Prepare(*database_, rewritten, params, statement, true);
  }
  if (!withRowid && !detail::Prepare(*database_, text, params, statement)) return false;
  std::string table = withRowid ? Text(sqlite3_column_table_name(statement.handle, 0)) : "";
  std::vector<Field> fields = DescribeColumns(statement.handle, withRowid ? 1 : 0, table);
  if (!ReadRows(statement.handle, fields, withRowid)) return false;
  fields_ = std::move(fields);
  table_ = table;
  position_ = 0;
  currentDeleted_ = false;
  editMode_ = adEditNone;
  open_ = true;
  return true;
}

bool Recordset::ReadRows(sqlite3_stmt* s, const std::vector<Field>& fields, bool withRowid) {
  std::vector<detail::Kind> kinds;
  for (const Field& f : fields) kinds.push_back(detail::KindOfDeclType(f.declType));
  const int first = withRowid ? 1 : 0;
  std::vector<std::vector<Variant>> rows;
  std::vector<int64_t> rowids;
  const ReadLimits* limits = database_->limits;
  uint64_t bytes = 0;
  int rc;
  while ((rc = sqlite3_step(s)) == SQLITE_ROW) {
    if (limits && rows.size() >= limits->rows)
      return Fail("more than " + std::to_string(limits->rows) + " rows", kErrOutOfMemory);
    std::vector<Variant> row;
    row.reserve(fields.size());
    for (size_t c = 0; c < fields.size(); ++c) {
      const int col = static_cast<int>(c) + first;
      row.push_back(detail::ReadColumn(s, col, kinds[c]));
      const int type = sqlite3_column_type(s, col);
      bytes += sizeof(Variant) +
               (type == SQLITE_TEXT || type == SQLITE_BLOB ? sqlite3_column_bytes(s, col) : 0);
    }
    if (limits && bytes > limits->bytes)
      return Fail("more than " + std::to_string(limits->bytes) + " bytes", kErrOutOfMemory);
    rows.push_back(std::move(row));
    if (withRowid) rowids.push_back(sqlite3_column_int64(s, 0));
  }
  if (rc != SQLITE_DONE) {
    database_->AddSqliteError(rc);
    return false;
  }
  rows_ = std::move(rows);
  rowids_ = std::move(rowids);
  return true;
}

bool Recordset::Close() {
  if (!open_) return Fail(kClosed, adErrObjectClosed);
  open_ = false;
  fields_.clear();
  rows_.clear();
  rowids_.clear();
  table_.clear();
  pending_.clear();
  changed_.clear();
  editMode_ = adEditNone;
  currentDeleted_ = false;
  position_ = 0;
  return true;
}

bool Recordset::IsBOF() const {
  if (!open_) return true;
  if (editMode_ == adEditAdd || currentDeleted_) return false;
  return rows_.empty() || position_ < 0;
}

bool Recordset::IsEOF() const {
  if (!open_) return true;
  if (editMode_ == adEditAdd || currentDeleted_) return false;
  return rows_.empty() || position_ >= static_cast<long>(rows_.size());
}

bool Recordset::MoveFirst() {
  if (!open_) return Fail(kClosed, adErrObjectClosed);
  if (editMode_ != adEditNone && !Update()) return false;
  currentDeleted_ = false;
  if (rows_.empty()) return Fail(kNoCurrent, adErrNoCurrentRecord);
  position_ = 0;
  return true;
}

bool Recordset::MoveLast() {
  if (!open_) return Fail(kClosed, adErrObjectClosed);
  if (editMode_ != adEditNone && !Update()) return false;
  currentDeleted_ = false;
  if (rows_.empty()) return Fail(kNoCurrent, adErrNoCurrentRecord);
  position_ = static_cast<long>(rows_.size()) - 1;
  return true;
}

bool Recordset::MoveNext() {
  if (!open_) return Fail(kClosed, adErrObjectClosed);
  if (editMode_ != adEditNone && !Update()) return false;
  if (currentDeleted_) {
    currentDeleted_ = false;  // already standing on the row after the deleted one
    return true;
  }
  if (IsEOF()) return Fail(kNoCurrent, adErrNoCurrentRecord);
  ++position_;
  return true;
}

bool Recordset::MovePrevious() {
  if (!open_) return Fail(kClosed, adErrObjectClosed);
  if (cursorType_ == adOpenForwardOnly)
    return Fail("Rowset does not support fetching backward.", adErrFeatureNotAvailable);
  if (editMode_ != adEditNone && !Update()) return false;
  if (IsBOF() && !currentDeleted_) return Fail(kNoCurrent, adErrNoCurrentRecord);
  currentDeleted_ = false;
  --position_;
  return true;
}

long Recordset::RecordCount() const {
  if (!open_ || cursorType_ == adOpenForwardOnly) return -1;
  return static_cast<long>(rows_.size());
}

long Recordset::AbsolutePosition() const {
  if (!open_ || rows_.empty()) return adPosUnknown;
  if (position_ < 0) return adPosBOF;
  if (position_ >= static_cast<long>(rows_.size())) return adPosEOF;
  return position_ + 1;
}

bool Recordset::SetAbsolutePosition(long position) {
  if (!open_) return Fail(kClosed, adErrObjectClosed);
  if (position < 1 || position > static_cast<long>(rows_.size()))
    return Fail(
        "Arguments are of the wrong type, are out of acceptable range, or are in conflict "
        "with one another.",
        adErrInvalidArgument);
  if (editMode_ != adEditNone && !Update()) return false;
  currentDeleted_ = false;
  position_ = position - 1;
  return true;
}

int Recordset::FieldIndex(std::string_view name) const {
  for (size_t i = 0; i < fields_.size(); ++i)
    if (base::EqualsNoCase(fields_[i].name, name)) return static_cast<int>(i);
  return -1;
}

bool Recordset::GetValue(std::string_view field, Variant& out) const {
  int index = FieldIndex(field);
  if (index < 0) return false;
  return GetValue(static_cast<size_t>(index), out);
}

bool Recordset::GetValue(size_t index, Variant& out) const {
  if (!open_ || index >= fields_.size()) return false;
  if (editMode_ != adEditNone) {
    out = pending_[index];
    return true;
  }
  if (currentDeleted_ || IsBOF() || IsEOF()) return false;
  out = rows_[position_][index];
  return true;
}

bool Recordset::SetValue(std::string_view field, const Variant& value) {
  if (!open_) return Fail(kClosed, adErrObjectClosed);
  if (!Updatable()) return Fail(kNotUpdatable, adErrFeatureNotAvailable);
  int index = FieldIndex(field);
  if (index < 0)
    return Fail(
        "Item cannot be found in the collection corresponding to the "
        "requested name or ordinal.",
        adErrItemNotFound);
  if (editMode_ == adEditNone) {
    if (currentDeleted_ || IsBOF() || IsEOF()) return Fail(kNoCurrent, adErrNoCurrentRecord);
    pending_ = rows_[position_];
    changed_.assign(fields_.size(), false);
    editMode_ = adEditInProgress;
  }
  base::Result<Variant> coerced =
      detail::CoerceTo(value, detail::KindOfDeclType(fields_[index].declType));
  if (!coerced) return Fail(coerced.error().message, coerced.error().code);
  pending_[index] = *std::move(coerced);
  changed_[index] = true;
  return true;
}

bool Recordset::AddNew() {
  if (!open_) return Fail(kClosed, adErrObjectClosed);
  if (!Updatable()) return Fail(kNotUpdatable, adErrFeatureNotAvailable);
  if (editMode_ != adEditNone && !Update()) return false;
  pending_.assign(fields_.size(), Variant::Null());
  changed_.assign(fields_.size(), false);
  editMode_ = adEditAdd;
  return true;
}

bool Recordset::CancelUpdate() {
  if (!open_) return Fail(kClosed, adErrObjectClosed);
  pending_.clear();
  changed_.clear();
  editMode_ = adEditNone;
  return true;
}

bool Recordset::ReadRow(int64_t rowid, std::vector<Variant>& row) {
  std::string sql = "SELECT ";
  for (size_t i = 0; i < fields_.size(); ++i)
    sql += (i ? "," : "") + detail::QuoteName(fields_[i].column);
  sql += " FROM " + detail::QuoteName(table_) + " WHERE rowid=?";
  detail::Statement statement;
  if (!detail::Prepare(*database_, sql, {Variant::I8(rowid)}, statement)) return false;
  if (sqlite3_step(statement.handle) != SQLITE_ROW) return false;
  row.clear();
  for (size_t i = 0; i < fields_.size(); ++i)
    row.push_back(detail::ReadColumn(statement.handle, static_cast<int>(i),
                                     detail::KindOfDeclType(fields_[i].declType)));
  return true;
}

bool Recordset::WriteRow() {
  std::vector<Variant> params;
  std::string sql;
  if (editMode_ == adEditAdd) {
    std::string names, marks;
    for (size_t i = 0; i < fields_.size(); ++i) {
      if (!changed_[i]) continue;
      names += (names.empty() ? "" : ",") + detail::QuoteName(fields_[i].column);
      marks += marks.empty() ? "?" : ",?";
      params.push_back(pending_[i]);
    }
    sql = "INSERT INTO " + detail::QuoteName(table_) +
          (names.empty() ? " DEFAULT VALUES" : " (" + names + ") VALUES (" + marks + ")");
  } else {
    std::string sets;
    for (size_t i = 0; i < fields_.size(); ++i) {
      if (!changed_[i]) continue;
      sets += (sets.empty() ? "" : ",") + detail::QuoteName(fields_[i].column) + "=?";
      params.push_back(pending_[i]);
    }
    if (sets.empty()) return true;
    sql = "UPDATE " + detail::QuoteName(table_) + " SET " + sets + " WHERE rowid=?";
    params.push_back(Variant::I8(rowids_[position_]));
  }
  detail::Statement statement;
  if (!detail::Prepare(*database_, sql, params, statement)) return false;
  int rc = sqlite3_step(statement.handle);
  if (rc != SQLITE_DONE) {
    database_->AddSqliteError(rc);
    return false;
  }
  int64_t rowid =
      editMode_ == adEditAdd ? sqlite3_last_insert_rowid(database_->db) : rowids_[position_];
  std::vector<Variant> stored;
  if (!ReadRow(rowid, stored)) stored = pending_;
  if (editMode_ == adEditAdd) {
    rows_.push_back(std::move(stored));
    rowids_.push_back(rowid);
    position_ = static_cast<long>(rows_.size()) - 1;
    currentDeleted_ = false;
  } else {
    rows_[position_] = std::move(stored);
  }
  return true;
}

bool Recordset::Update() {
  if (!open_) return Fail(kClosed, adErrObjectClosed);
  if (editMode_ == adEditNone) return true;
  database_->ClearErrors();
  if (!database_->db) return Fail(kClosed, adErrObjectClosed);
  if (!WriteRow()) return false;
  pending_.clear();
  changed_.clear();
  editMode_ = adEditNone;
  return true;
}

bool Recordset::Delete() {
  if (!open_) return Fail(kClosed, adErrObjectClosed);
  if (!Updatable()) return Fail(kNotUpdatable, adErrFeatureNotAvailable);
  if (editMode_ == adEditAdd) return CancelUpdate();
  if (currentDeleted_ || IsBOF() || IsEOF()) return Fail(kNoCurrent, adErrNoCurrentRecord);
  database_->ClearErrors();
  detail::Statement statement;
  if (!detail::Prepare(*database_, "DELETE FROM " + detail::QuoteName(table_) + " WHERE rowid=?",
                       {Variant::I8(rowids_[position_])}, statement))
    return false;
  int rc = sqlite3_step(statement.handle);
  if (rc != SQLITE_DONE) {
    database_->AddSqliteError(rc);
    return false;
  }
  pending_.clear();
  changed_.clear();
  editMode_ = adEditNone;
  rows_.erase(rows_.begin() + position_);
  rowids_.erase(rowids_.begin() + position_);
  currentDeleted_ = true;
  return true;
}

}  // namespace ado
