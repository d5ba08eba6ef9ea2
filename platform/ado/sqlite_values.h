// Values between SQLite and the variant type: how a declared column type reads and is written,
// as the Jet provider types and coerces them. Internal to this folder.
#pragma once

#include <sqlite3.h>

#include <string>
#include <string_view>
#include <vector>

#include "platform/ado/connection.h"
#include "platform/ado/variant.h"

namespace ado::detail {

// What a declared column type stands for.
enum class Kind { Unknown, Bool, I2, I4, UI1, R4, R8, Currency, Decimal, Date, Text, Blob };

// The kind of a declared type ("BOOLEAN", "TEXT COLLATE NOCASE", "LONG", ...).
Kind KindOfDeclType(std::string_view declType);

// Column `col` of the current row, typed by the column's kind.
Variant ReadColumn(sqlite3_stmt* statement, int col, Kind kind);

// Converts a value for a column of `kind` as the provider does on assignment; an error (with the
// provider's words and number) on a type mismatch or an overflow.
base::Result<Variant> CoerceTo(const Variant& in, Kind kind);

// Binds one parameter (1-based) by its own type: booleans as -1 / 0, dates as text.
int BindValue(sqlite3_stmt* statement, int index, const Variant& value);

// An owned prepared statement.
struct Statement {
  sqlite3_stmt* handle = nullptr;
  Statement() = default;
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;
  ~Statement() { sqlite3_finalize(handle); }
};

// Prepares one statement and binds its parameters. On failure adds the error to the database's
// Errors (unless `quiet`) and returns false. Text after the one statement is refused.
bool Prepare(Database& database, std::string_view sql, const std::vector<Variant>& params,
             Statement& out, bool quiet = false);

// An identifier in double quotes.
std::string QuoteName(std::string_view name);

// The statement that reads a whole table, from a table name as adCmdTable passes it.
std::string TableStatement(std::string_view table);

}  // namespace ado::detail
