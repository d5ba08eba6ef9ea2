// Values between SQLite and the variant type, typed and coerced by declared column type.
#include "platform/ado/sqlite_values.h"

#include "platform/ado/guards.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "platform/base/rounding.h"
#include "platform/base/text.h"

namespace ado::detail {
namespace {

bool Has(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

// A whole text read as a number, as the provider converts text on assignment.
bool ParseNumber(std::string_view text, double& out) {
  const std::string t(base::Trim(text));
  if (t.empty()) return false;
  errno = 0;
  char* end = nullptr;
  out = std::strtod(t.c_str(), &end);
  return end && *end == '\0' && errno == 0 && std::isfinite(out);
}

Variant ByStorage(sqlite3_stmt* statement, int col) {
  switch (sqlite3_column_type(statement, col)) {
    case SQLITE_INTEGER: {
      int64_t v = sqlite3_column_int64(statement, col);
      if (v >= std::numeric_limits<int32_t>::min() && v <= std::numeric_limits<int32_t>::max())
        return Variant::I4(static_cast<int32_t>(v));
      return Variant::I8(v);
    }
    case SQLITE_FLOAT:
      return Variant::R8(sqlite3_column_double(statement, col));
    case SQLITE_TEXT: {
      const char* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, col));
      return Variant::String(std::string(text, sqlite3_column_bytes(statement, col)));
    }
    case SQLITE_BLOB: {
      const auto* data = static_cast<const unsigned char*>(sqlite3_column_blob(statement, col));
      int size = sqlite3_column_bytes(statement, col);
      return Variant::Bytes(std::vector<uint8_t>(data, data + size));
    }
    default:
      return Variant::Null();
  }
}

}  // namespace

std::string TableStatement(std::string_view table) {
  return "select * from " + QuoteName(base::Trim(table));
}

std::string QuoteName(std::string_view name) {
  std::string out = "\"";
  for (char c : name) {
    if (c == '"') out += '"';
    out += c;
  }
  return out + "\"";
}

Kind KindOfDeclType(std::string_view declType) {
  const std::string t = base::AsciiUpper(declType);
  if (t.empty()) return Kind::Unknown;
  if (Has(t, "BOOL") || Has(t, "YESNO") || Has(t, "LOGICAL") || t == "BIT") return Kind::Bool;
  if (Has(t, "CHAR") || Has(t, "TEXT") || Has(t, "MEMO") || Has(t, "CLOB") || Has(t, "STRING"))
    return Kind::Text;
  if (Has(t, "DATE") || Has(t, "TIME")) return Kind::Date;
  if (Has(t, "SMALLINT") || Has(t, "SHORT") || Has(t, "INTEGER2")) return Kind::I2;
  if (Has(t, "TINYINT") || Has(t, "BYTE")) return Kind::UI1;
  if (Has(t, "CURRENCY") || Has(t, "MONEY")) return Kind::Currency;
  if (Has(t, "DECIMAL") || Has(t, "NUMERIC")) return Kind::Decimal;
  if (Has(t, "INT") || Has(t, "LONG") || Has(t, "COUNTER") || Has(t, "AUTOINCREMENT"))
    return Kind::I4;
  if (Has(t, "SINGLE") || Has(t, "FLOAT4")) return Kind::R4;
  if (Has(t, "DOUBLE") || Has(t, "FLOAT") || Has(t, "REAL") || Has(t, "NUMBER")) return Kind::R8;
  if (Has(t, "BLOB") || Has(t, "BINARY") || Has(t, "IMAGE") || Has(t, "OLE")) return Kind::Blob;
  return Kind::Unknown;
}

Variant ReadColumn(sqlite3_stmt* statement, int col, Kind kind) {
  const int storage = sqlite3_column_type(statement, col);
  if (storage == SQLITE_NULL) return Variant::Null();
  const bool number = storage == SQLITE_INTEGER || storage == SQLITE_FLOAT;
  switch (kind) {
    case Kind::Bool:
      if (number) return Variant::Bool(sqlite3_column_double(statement, col) != 0);
      break;
    case Kind::I2:
      if (storage == SQLITE_INTEGER) {
        int64_t v = sqlite3_column_int64(statement, col);
        if (v >= INT16_MIN && v <= INT16_MAX) return Variant::I2(static_cast<int16_t>(v));
      }
      break;
    case Kind::UI1:
      if (storage == SQLITE_INTEGER) {
        int64_t v = sqlite3_column_int64(statement, col);
        if (v >= 0 && v <= 255) return Variant::UI1(static_cast<uint8_t>(v));
      }
      break;
    case Kind::R4:
      if (number) return Variant::R4(static_cast<float>(sqlite3_column_double(statement, col)));
      break;
    case Kind::R8:
      if (number) return Variant::R8(sqlite3_column_double(statement, col));
      break;
    case Kind::Currency:
      if (number)
        return Variant::Currency(std::llround(sqlite3_column_double(statement, col) * 1e4));
      break;
    case Kind::Decimal:
      if (number) return Variant::Decimal(sqlite3_column_double(statement, col));
      break;
    case Kind::Date:
      if (number) return Variant::Date(sqlite3_column_double(statement, col));
      if (storage == SQLITE_TEXT) {
        const char* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, col));
        if (auto date = DateFromText(text ? text : "")) return Variant::Date(*date);
      }
      break;
    case Kind::Text:
      if (storage != SQLITE_BLOB) {
        const char* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, col));
        return Variant::String(std::string(text ? text : "", sqlite3_column_bytes(statement, col)));
      }
      break;
    default:
      break;
  }
  return ByStorage(statement, col);
}

namespace {

base::Error TypeMismatch() {
  return base::Error::WithCode(kJetErrTypeMismatch, "Data type mismatch in criteria expression.");
}

base::Error Overflow() {
  return base::Error::WithCode(kErrOverflow, "Overflow");
}

// A value on its way into a column: its number, when it is one or is text that reads as one.
struct Incoming {
  const Variant& value;
  bool text = false;
  bool haveNumber = false;
  double number = 0;

  explicit Incoming(const Variant& in) : value(in), text(in.Type() == VT_BSTR) {
    if (auto d = AsDouble(in)) {
      number = *d;
      haveNumber = true;
    } else if (text) {
      haveNumber = ParseNumber(in.Text(), number);
    }
  }
};

base::Result<Variant> ToBool(const Incoming& in) {
  if (in.text) {
    const std::string t = base::AsciiUpper(base::Trim(in.value.Text()));
    if (t == "TRUE" || t == "YES" || t == "ON") return Variant::Bool(true);
    if (t == "FALSE" || t == "NO" || t == "OFF") return Variant::Bool(false);
  }
  if (!in.haveNumber) return TypeMismatch();
  return Variant::Bool(in.number != 0);
}

// Whole numbers round halves to even and must fit the column's type.
base::Result<Variant> ToInteger(const Incoming& in, Kind kind) {
  if (!in.haveNumber) return TypeMismatch();
  const double r = base::RoundHalfEven(in.number);
  const double lo = kind == Kind::I2 ? INT16_MIN : kind == Kind::UI1 ? 0 : INT32_MIN;
  const double hi = kind == Kind::I2 ? INT16_MAX : kind == Kind::UI1 ? 255 : INT32_MAX;
  if (!std::isfinite(r) || r < lo || r > hi) return Overflow();
  if (kind == Kind::I2) return Variant::I2(static_cast<int16_t>(r));
  if (kind == Kind::UI1) return Variant::UI1(static_cast<uint8_t>(r));
  return Variant::I4(static_cast<int32_t>(r));
}

base::Result<Variant> ToFractional(const Incoming& in, Kind kind) {
  if (!in.haveNumber) return TypeMismatch();
  switch (kind) {
    case Kind::R4:
      return Variant::R4(static_cast<float>(in.number));
    case Kind::Decimal:
      return Variant::Decimal(in.number);
    case Kind::Currency:
      // Ten-thousandths in 64 bits.
      if (!(std::fabs(in.number) < 9.2e14)) return Overflow();
      return Variant::Currency(std::llround(in.number * 1e4));
    default:
      return Variant::R8(in.number);
  }
}

base::Result<Variant> ToDate(const Incoming& in) {
  if (in.text) {
    if (auto date = DateFromText(in.value.Text())) return Variant::Date(*date);
    return TypeMismatch();
  }
  if (!in.haveNumber) return TypeMismatch();
  return Variant::Date(in.number);
}

base::Result<Variant> ToText(const Incoming& in) {
  const Variant& v = in.value;
  if (in.text) return v;
  if (v.Type() == VT_BOOL) return Variant::String(v.IntValue() ? "True" : "False");
  if (v.Type() == VT_DATE) return Variant::String(DateToText(v.RealValue()));
  char buffer[64];
  const uint16_t vt = v.Type();
  const bool fractional = vt == VT_R4 || vt == VT_R8 || vt == VT_DECIMAL || vt == VT_CY;
  if (auto n = AsInteger(v); n && !fractional) {
    std::snprintf(buffer, sizeof buffer, "%lld", static_cast<long long>(*n));
    return Variant::String(buffer);
  }
  if (in.haveNumber) {
    std::snprintf(buffer, sizeof buffer, "%.15g", in.number);
    return Variant::String(buffer);
  }
  if (const auto& bytes = v.ByteArray(); !bytes.empty())
    return Variant::String(std::string(bytes.begin(), bytes.end()));
  return TypeMismatch();
}

}  // namespace

base::Result<Variant> CoerceTo(const Variant& value, Kind kind) {
  if (value.IsEmpty() || value.IsNull()) return Variant::Null();
  const Incoming in(value);
  switch (kind) {
    case Kind::Bool:
      return ToBool(in);
    case Kind::I2:
    case Kind::I4:
    case Kind::UI1:
      return ToInteger(in, kind);
    case Kind::R4:
    case Kind::R8:
    case Kind::Decimal:
    case Kind::Currency:
      return ToFractional(in, kind);
    case Kind::Date:
      return ToDate(in);
    case Kind::Text:
      return ToText(in);
    case Kind::Blob:
      if (in.text)
        return Variant::Bytes(std::vector<uint8_t>(value.Text().begin(), value.Text().end()));
      return value;
    case Kind::Unknown:
      break;
  }
  return value;
}

int BindValue(sqlite3_stmt* statement, int index, const Variant& v) {
  switch (v.Type()) {
    case VT_EMPTY:
    case VT_NULL:
      return sqlite3_bind_null(statement, index);
    case VT_BSTR:
      return sqlite3_bind_text(statement, index, v.Text().data(), static_cast<int>(v.Text().size()),
                               SQLITE_TRANSIENT);
    case VT_DATE: {
      std::string text = DateToText(v.RealValue());
      return sqlite3_bind_text(statement, index, text.data(), static_cast<int>(text.size()),
                               SQLITE_TRANSIENT);
    }
    case VT_R4:
    case VT_R8:
    case VT_DECIMAL:
    case VT_CY:
      return sqlite3_bind_double(statement, index, *AsDouble(v));
    case VT_UI8:
      if (v.UIntValue() > static_cast<uint64_t>(INT64_MAX))
        return sqlite3_bind_double(statement, index, static_cast<double>(v.UIntValue()));
      return sqlite3_bind_int64(statement, index, static_cast<int64_t>(v.UIntValue()));
    default:
      if (auto n = AsInteger(v)) return sqlite3_bind_int64(statement, index, *n);
      if (v.Type() & VT_ARRAY)
        return sqlite3_bind_blob(statement, index, v.ByteArray().data(),
                                 static_cast<int>(v.ByteArray().size()), SQLITE_TRANSIENT);
      return sqlite3_bind_null(statement, index);
  }
}

bool Prepare(Database& database, std::string_view sql, const std::vector<Variant>& params,
             Statement& out, bool quiet) {
  if (!database.db) {
    if (!quiet)
      database.AddError("Operation is not allowed when the object is closed.", "HY000",
                        adErrObjectClosed);
    return false;
  }
  sqlite3_finalize(out.handle);
  out.handle = nullptr;
  StartStatement(database);
  database.writes.clear();
  const char* tail = nullptr;
  int rc =
      sqlite3_prepare_v2(database.db, sql.data(), static_cast<int>(sql.size()), &out.handle, &tail);
  // A statement that writes a table without its yes/no triggers yet: made now, and the statement
  // prepared again so that it runs them.
  if (rc == SQLITE_OK && database.armWrites && !database.writes.empty() &&
      ArmNotedTables(database)) {
    sqlite3_finalize(out.handle);
    out.handle = nullptr;
    rc = sqlite3_prepare_v2(database.db, sql.data(), static_cast<int>(sql.size()), &out.handle,
                            &tail);
  }
  if (rc != SQLITE_OK || out.handle == nullptr) {
    if (!quiet) {
      if (rc != SQLITE_OK)
        database.AddSqliteError(rc);
      else
        database.AddError("Invalid SQL statement; nothing to run.", "42000", 0);
    }
    return false;
  }
  for (const char* p = tail; p && p < sql.data() + sql.size(); ++p) {
    if (*p != ' ' && *p != '\t' && *p != '\r' && *p != '\n' && *p != ';') {
      if (!quiet) database.AddError("Characters found after end of SQL statement.", "42000", 0);
      return false;
    }
  }
  if (sqlite3_bind_parameter_count(out.handle) != static_cast<int>(params.size())) {
    if (!quiet)
      database.AddError("No value given for one or more required parameters.", "07002", 0);
    return false;
  }
  for (size_t i = 0; i < params.size(); ++i) {
    rc = BindValue(out.handle, static_cast<int>(i + 1), params[i]);
    if (rc != SQLITE_OK) {
      if (!quiet) database.AddSqliteError(rc);
      return false;
    }
  }
  return true;
}

}  // namespace ado::detail
