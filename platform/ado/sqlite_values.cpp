// Values between SQLite and the variant type, typed and coerced by declared column type.
#include "platform/ado/sqlite_values.h"

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
      return Variant::String(std::string_view(text, sqlite3_column_bytes(statement, col)));
    }
    case SQLITE_BLOB: {
      const auto* data = static_cast<const unsigned char*>(sqlite3_column_blob(statement, col));
      int size = sqlite3_column_bytes(statement, col);
      return Variant::Blob(std::vector<unsigned char>(data, data + size));
    }
    default:
      return Variant::Null();
  }
}

}  // namespace

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
        return Variant::String(
            std::string_view(text ? text : "", sqlite3_column_bytes(statement, col)));
      }
      break;
    default:
      break;
  }
  return ByStorage(statement, col);
}

bool CoerceTo(const Variant& in, Kind kind, Variant& out, std::string* reason) {
  auto mismatch = [&](const char* why) {
    if (reason) *reason = why;
    return false;
  };
  if (in.vt == VT_EMPTY || in.vt == VT_NULL) {
    out = Variant::Null();
    return true;
  }
  const bool text = in.vt == VT_BSTR;
  double number = 0;
  bool haveNumber = false;
  if (auto d = AsDouble(in)) {
    number = *d;
    haveNumber = true;
  } else if (text) {
    haveNumber = ParseNumber(in.s, number);
  }

  switch (kind) {
    case Kind::Bool: {
      if (text) {
        const std::string t = base::AsciiUpper(base::Trim(in.s));
        if (t == "TRUE" || t == "YES" || t == "ON") return out = Variant::Bool(true), true;
        if (t == "FALSE" || t == "NO" || t == "OFF") return out = Variant::Bool(false), true;
      }
      if (!haveNumber) return mismatch("Data type mismatch in criteria expression.");
      out = Variant::Bool(number != 0);
      return true;
    }
    case Kind::I2:
    case Kind::I4:
    case Kind::UI1: {
      if (!haveNumber) return mismatch("Data type mismatch in criteria expression.");
      double r = base::RoundHalfEven(number);
      double lo = kind == Kind::I2 ? INT16_MIN : kind == Kind::UI1 ? 0 : INT32_MIN;
      double hi = kind == Kind::I2 ? INT16_MAX : kind == Kind::UI1 ? 255 : INT32_MAX;
      if (!std::isfinite(r) || r < lo || r > hi) return mismatch("Overflow");
      if (kind == Kind::I2)
        out = Variant::I2(static_cast<int16_t>(r));
      else if (kind == Kind::UI1)
        out = Variant::UI1(static_cast<uint8_t>(r));
      else
        out = Variant::I4(static_cast<int32_t>(r));
      return true;
    }
    case Kind::R4:
    case Kind::R8:
    case Kind::Decimal:
    case Kind::Currency:
      if (!haveNumber) return mismatch("Data type mismatch in criteria expression.");
      if (kind == Kind::Currency && !(std::fabs(number) < 9.2e14)) return mismatch("Overflow");
      if (kind == Kind::R4)
        out = Variant::R4(static_cast<float>(number));
      else if (kind == Kind::Decimal)
        out = Variant::Decimal(number);
      else if (kind == Kind::Currency)
        out = Variant::Currency(std::llround(number * 1e4));
      else
        out = Variant::R8(number);
      return true;
    case Kind::Date:
      if (text) {
        if (auto date = DateFromText(in.s)) return out = Variant::Date(*date), true;
        return mismatch("Data type mismatch in criteria expression.");
      }
      if (!haveNumber) return mismatch("Data type mismatch in criteria expression.");
      out = Variant::Date(number);
      return true;
    case Kind::Text: {
      if (text) {
        out = in;
        return true;
      }
      char buffer[64];
      if (in.vt == VT_BOOL) {
        out = Variant::String(in.i ? "True" : "False");
      } else if (in.vt == VT_DATE) {
        out = Variant::String(DateToText(in.d));
      } else if (auto n = AsInteger(in);
                 n && (in.vt != VT_R4 && in.vt != VT_R8 && in.vt != VT_DECIMAL && in.vt != VT_CY)) {
        std::snprintf(buffer, sizeof buffer, "%lld", static_cast<long long>(*n));
        out = Variant::String(buffer);
      } else if (haveNumber) {
        std::snprintf(buffer, sizeof buffer, "%.15g", number);
        out = Variant::String(buffer);
      } else if (!in.bytes.empty()) {
        out = Variant::String(std::string(in.bytes.begin(), in.bytes.end()));
      } else {
        return mismatch("Data type mismatch in criteria expression.");
      }
      return true;
    }
    case Kind::Blob:
      if (text) {
        out = Variant::Blob(std::vector<unsigned char>(in.s.begin(), in.s.end()));
        return true;
      }
      out = in;
      return true;
    case Kind::Unknown:
      out = in;
      return true;
  }
  out = in;
  return true;
}

int BindValue(sqlite3_stmt* statement, int index, const Variant& v) {
  switch (v.vt) {
    case VT_EMPTY:
    case VT_NULL:
      return sqlite3_bind_null(statement, index);
    case VT_BSTR:
      return sqlite3_bind_text(statement, index, v.s.data(), static_cast<int>(v.s.size()),
                               SQLITE_TRANSIENT);
    case VT_DATE: {
      std::string text = DateToText(v.d);
      return sqlite3_bind_text(statement, index, text.data(), static_cast<int>(text.size()),
                               SQLITE_TRANSIENT);
    }
    case VT_R4:
    case VT_R8:
    case VT_DECIMAL:
    case VT_CY:
      return sqlite3_bind_double(statement, index, *AsDouble(v));
    case VT_UI8:
      if (v.u > static_cast<uint64_t>(INT64_MAX))
        return sqlite3_bind_double(statement, index, static_cast<double>(v.u));
      return sqlite3_bind_int64(statement, index, static_cast<int64_t>(v.u));
    default:
      if (auto n = AsInteger(v)) return sqlite3_bind_int64(statement, index, *n);
      if (!v.bytes.empty() || (v.vt & VT_ARRAY) || v.vt == VT_BLOB)
        return sqlite3_bind_blob(statement, index, v.bytes.data(), static_cast<int>(v.bytes.size()),
                                 SQLITE_TRANSIENT);
      return sqlite3_bind_null(statement, index);
  }
}

bool Prepare(Database& database, std::string_view sql, const std::vector<Variant>& params,
             Statement& out, bool quiet) {
  if (!database.db) {
    if (!quiet)
      database.AddError("Operation is not allowed when the object is closed.", "HY000", 3704);
    return false;
  }
  sqlite3_finalize(out.handle);
  out.handle = nullptr;
  const char* tail = nullptr;
  int rc =
      sqlite3_prepare_v2(database.db, sql.data(), static_cast<int>(sql.size()), &out.handle, &tail);
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
