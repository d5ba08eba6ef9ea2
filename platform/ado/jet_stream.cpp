// The stream of a Jet file's tables and its loading into SQLite.
#include "platform/ado/jet_stream.h"

#include <cstdlib>
#include <cstring>

#include "platform/ado/sqlite_values.h"
#include "platform/ado/variant.h"
#include "platform/vb/strings.h"

namespace ado::detail {
namespace {

constexpr std::string_view kMagic = "KIRV-JET1\n";

// Tags of the stream's records and values.
enum Tag : char {
  kTable = 'T',
  kRow = 'R',
  kNull = 'n',
  kInteger = 'i',
  kReal = 'r',
  kText = 's',
  kBytes = 'b',
  kEnd = 'E',
  kFail = 'F',
};

class StreamReader {
 public:
  explicit StreamReader(std::string_view in) : in_(in) {}
  bool AtEnd() const { return pos_ == in_.size(); }
  bool Take(size_t n, std::string_view& out) {
    if (in_.size() - pos_ < n) return false;
    out = in_.substr(pos_, n);
    pos_ += n;
    return true;
  }
  bool Byte(uint8_t& out) {
    std::string_view b;
    if (!Take(1, b)) return false;
    out = static_cast<uint8_t>(b[0]);
    return true;
  }
  // A little-endian number of `n` bytes.
  bool Little(int n, uint64_t& out) {
    std::string_view b;
    if (!Take(static_cast<size_t>(n), b)) return false;
    out = 0;
    for (int i = n - 1; i >= 0; --i) out = out << 8 | static_cast<uint8_t>(b[i]);
    return true;
  }
  bool Size(uint32_t& out) {
    uint64_t n = 0;
    if (!Little(4, n)) return false;
    out = static_cast<uint32_t>(n);
    return true;
  }
  bool Sized(std::string_view& out) {
    uint32_t n = 0;
    return Size(n) && Take(n, out);
  }

 private:
  std::string_view in_;
  size_t pos_ = 0;
};

base::Error SqliteFailure(sqlite3* db, std::string_view what) {
  return base::Error::WithCode(sqlite3_extended_errcode(db),
                               std::string(what) + ": " + sqlite3_errmsg(db));
}

// Binds one value of the stream for a column of `type`, as the Jet provider would type it.
bool BindFromStream(StreamReader& in, sqlite3_stmt* insert, int index, uint8_t type) {
  uint8_t tag = 0;
  if (!in.Byte(tag)) return false;
  const auto jet = static_cast<JetType>(type);
  switch (tag) {
    case kNull:
      return sqlite3_bind_null(insert, index) == SQLITE_OK;
    case kInteger: {
      uint64_t bits = 0;
      if (!in.Little(8, bits)) return false;
      const auto v = static_cast<int64_t>(bits);
      if (jet == JetType::Bool) return sqlite3_bind_int(insert, index, v ? -1 : 0) == SQLITE_OK;
      if (jet == JetType::Money)
        return sqlite3_bind_double(insert, index, static_cast<double>(v) / 10000.0) == SQLITE_OK;
      return sqlite3_bind_int64(insert, index, v) == SQLITE_OK;
    }
    case kReal: {
      uint64_t bits = 0;
      if (!in.Little(8, bits)) return false;
      double v;
      std::memcpy(&v, &bits, sizeof v);
      // Dates are kept as our own files keep them, so bound dates compare alike.
      if (jet == JetType::DateTime) {
        const std::string text = DateToText(v);
        if (!text.empty())
          return sqlite3_bind_text(insert, index, text.data(), static_cast<int>(text.size()),
                                   SQLITE_TRANSIENT) == SQLITE_OK;
      }
      return sqlite3_bind_double(insert, index, v) == SQLITE_OK;
    }
    case kText: {
      std::string_view text;
      if (!in.Sized(text)) return false;
      if (jet == JetType::Numeric) {
        const std::string number(text);
        char* end = nullptr;
        const double v = std::strtod(number.c_str(), &end);
        if (!number.empty() && end && *end == '\0')
          return sqlite3_bind_double(insert, index, v) == SQLITE_OK;
      }
      return sqlite3_bind_text(insert, index, text.data(), static_cast<int>(text.size()),
                               SQLITE_TRANSIENT) == SQLITE_OK;
    }
    case kBytes: {
      std::string_view bytes;
      if (!in.Sized(bytes)) return false;
      return sqlite3_bind_blob(insert, index, bytes.data(), static_cast<int>(bytes.size()),
                               SQLITE_TRANSIENT) == SQLITE_OK;
    }
    default:
      return false;
  }
}

}  // namespace

JetStreamWriter::JetStreamWriter() : buffer_(kMagic) {}

void JetStreamWriter::Tag(char tag) {
  buffer_ += tag;
}

void JetStreamWriter::Little(uint64_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) buffer_ += static_cast<char>((value >> (8 * i)) & 0xFF);
}

void JetStreamWriter::Table(std::string_view name, const std::vector<JetColumn>& columns) {
  Tag(kTable);
  Little(name.size(), 4);
  buffer_ += name;
  Little(columns.size(), 4);
  for (const JetColumn& c : columns) {
    Little(c.name.size(), 4);
    buffer_ += c.name;
    buffer_ += static_cast<char>(c.type);
  }
}

void JetStreamWriter::Row() {
  Tag(kRow);
}

void JetStreamWriter::Null() {
  Tag(kNull);
}

void JetStreamWriter::Integer(int64_t value) {
  Tag(kInteger);
  Little(static_cast<uint64_t>(value), 8);
}

void JetStreamWriter::Real(double value) {
  Tag(kReal);
  uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  Little(bits, 8);
}

void JetStreamWriter::Text(std::string_view utf8) {
  Tag(kText);
  Little(utf8.size(), 4);
  buffer_ += utf8;
}

void JetStreamWriter::Bytes(std::string_view bytes) {
  Tag(kBytes);
  Little(bytes.size(), 4);
  buffer_ += bytes;
}

void JetStreamWriter::End() {
  Tag(kEnd);
}

void JetStreamWriter::Fail(std::string_view reason) {
  Tag(kFail);
  Little(reason.size(), 4);
  buffer_ += reason;
}

const char* DeclaredTypeOf(uint8_t jetType) {
  switch (static_cast<JetType>(jetType)) {
    case JetType::Bool:
      return "BOOLEAN";
    case JetType::Byte:
      return "BYTE";
    case JetType::Int:
      return "SMALLINT";
    case JetType::Long:
    case JetType::Complex:
      return "INTEGER";
    case JetType::Money:
      return "CURRENCY";
    case JetType::Float:
      return "SINGLE";
    case JetType::Double:
      return "DOUBLE";
    case JetType::DateTime:
      return "DATETIME";
    case JetType::Text:
      return "TEXT COLLATE NOCASE";
    // Text affinity, so that "0123" stays text.
    case JetType::Memo:
      return "LONGTEXT COLLATE NOCASE";
    case JetType::Guid:
      return "GUID";
    case JetType::Numeric:
      return "DECIMAL";
    case JetType::Binary:
      return "BINARY";
    case JetType::Ole:
      return "OLEOBJECT";
  }
  return "BLOB";
}

base::Status LoadJetStream(std::string_view stream, sqlite3* db) {
  if (stream.substr(0, kMagic.size()) != kMagic)
    return base::Error::Of("the file reader gave no tables");
  StreamReader in(stream.substr(kMagic.size()));
  if (sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr) != SQLITE_OK)
    return SqliteFailure(db, "cannot load the tables");
  Statement insert;
  std::string table;
  std::vector<uint8_t> types;
  auto fail = [&](base::Error error) -> base::Status {
    sqlite3_finalize(insert.handle);
    insert.handle = nullptr;
    sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    return error;
  };
  const auto cut = [&] {
    return base::Error::Of("the file reader stopped",
                           table.empty() ? std::string() : " in table " + table);
  };
  for (;;) {
    uint8_t tag = 0;
    if (!in.Byte(tag)) return fail(cut());
    if (tag == kEnd) {
      if (!in.AtEnd()) return fail(base::Error::Of("malformed table stream after its end"));
      sqlite3_finalize(insert.handle);
      insert.handle = nullptr;
      if (sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK)
        return fail(SqliteFailure(db, "cannot load the tables"));
      return base::Ok();
    }
    if (tag == kFail) {
      std::string_view reason;
      if (!in.Sized(reason)) return fail(cut());
      return fail(base::Error::Of(reason));
    }
    if (tag == kTable) {
      std::string_view name;
      uint32_t count = 0;
      if (!in.Sized(name) || !in.Size(count)) return fail(cut());
      table = std::string(name);
      if (count == 0) return fail(base::Error::Of("table ", table, " has no columns"));
      std::string create = "CREATE TABLE " + QuoteName(table) + " (";
      std::string values;
      types.clear();
      for (uint32_t c = 0; c < count; ++c) {
        std::string_view column;
        uint8_t type = 0;
        if (!in.Sized(column) || !in.Byte(type)) return fail(cut());
        create += (c ? ", " : "") + QuoteName(column) + " " + DeclaredTypeOf(type);
        values += c ? ",?" : "?";
        types.push_back(type);
      }
      create += ")";
      if (sqlite3_exec(db, create.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
        return fail(SqliteFailure(db, "cannot make table " + table));
      const std::string sql = "INSERT INTO " + QuoteName(table) + " VALUES (" + values + ")";
      sqlite3_finalize(insert.handle);
      insert.handle = nullptr;
      if (sqlite3_prepare_v2(db, sql.c_str(), -1, &insert.handle, nullptr) != SQLITE_OK)
        return fail(SqliteFailure(db, "cannot make table " + table));
      continue;
    }
    if (tag != kRow || !insert.handle)
      return fail(
          base::Error::Of("malformed table stream", table.empty() ? "" : " in table ", table));
    for (size_t c = 0; c < types.size(); ++c)
      if (!BindFromStream(in, insert.handle, static_cast<int>(c + 1), types[c])) return fail(cut());
    if (sqlite3_step(insert.handle) != SQLITE_DONE)
      return fail(SqliteFailure(db, "cannot load table " + table));
    sqlite3_reset(insert.handle);
  }
}

std::string Jet4TextToUtf8(std::string_view bytes) {
  const auto* b = reinterpret_cast<const unsigned char*>(bytes.data());
  const size_t n = bytes.size();
  std::u16string units;
  units.reserve(n);
  if (n >= 2 && b[0] == 0xFF && b[1] == 0xFE) {
    bool compressed = true;
    for (size_t i = 2; i < n;) {
      if (b[i] == 0) {
        compressed = !compressed;
        ++i;
      } else if (compressed) {
        units.push_back(b[i++]);
      } else if (i + 1 < n) {
        units.push_back(static_cast<char16_t>(b[i] | b[i + 1] << 8));
        i += 2;
      } else {
        break;
      }
    }
  } else {
    for (size_t i = 0; i + 1 < n; i += 2)
      units.push_back(static_cast<char16_t>(b[i] | b[i + 1] << 8));
  }
  std::string out;
  out.reserve(units.size() * 3);
  for (size_t i = 0; i < units.size(); ++i) {
    const char16_t u = units[i];
    if (u >= 0xD800 && u <= 0xDBFF && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
        units[i + 1] <= 0xDFFF) {
      vb::AppendUtf8(0x10000 + ((u - 0xD800) << 10) + (units[i + 1] - 0xDC00), out);
      ++i;
    } else if (u >= 0xD800 && u <= 0xDFFF) {
      vb::AppendUtf8(0xFFFD, out);
    } else {
      vb::AppendUtf8(u, out);
    }
  }
  return out;
}

}  // namespace ado::detail
