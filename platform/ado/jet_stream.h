// The tables of a Jet file as a byte stream, from the process that reads the file to the one that
// loads them into SQLite, and the loading itself: declared types the Jet way, so that every
// statement, the static cursor and typed fields work on a Jet file as on our own files. Internal
// to this folder.
#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/base/result.h"

namespace ado::detail {

// Column type codes of the Jet file format.
enum class JetType : uint8_t {
  Bool = 0x01,
  Byte = 0x02,
  Int = 0x03,
  Long = 0x04,
  Money = 0x05,
  Float = 0x06,
  Double = 0x07,
  DateTime = 0x08,
  Binary = 0x09,
  Text = 0x0A,
  Ole = 0x0B,
  Memo = 0x0C,
  Guid = 0x0F,
  Numeric = 0x10,
  Complex = 0x12,
};

struct JetColumn {
  std::string name;
  uint8_t type = 0;  // a JetType, or another code the loader keeps as bytes
};

// Builds the stream: Table, then per row Row and one value per column, then End (or Fail).
// Yes/no values are integers (-1 or 0), money is the stored count of ten-thousandths, dates are
// serials, text is UTF-8.
class JetStreamWriter {
 public:
  JetStreamWriter();
  void Table(std::string_view name, const std::vector<JetColumn>& columns);
  void Row();
  void Null();
  void Integer(int64_t value);
  void Real(double value);
  void Text(std::string_view utf8);
  void Bytes(std::string_view bytes);
  // The stream ends well, or with the reason the file could not be read.
  void End();
  void Fail(std::string_view reason);

  // What is written so far; the reader drains it to its pipe as it goes.
  std::string& Buffer() { return buffer_; }

 private:
  void Tag(char tag);
  void Little(uint64_t value, int bytes);
  std::string buffer_;
};

// Creates the stream's tables in `db` and fills them, in one transaction. Fails with the reader's
// reason, or when the stream is cut short or malformed.
base::Status LoadJetStream(std::string_view stream, sqlite3* db);

// The declared SQLite type of a Jet column type.
const char* DeclaredTypeOf(uint8_t jetType);

// Jet 4 text to UTF-8. Text that starts with FF FE is compressed: a 0 byte switches between one
// byte per character and two; otherwise the bytes are UTF-16LE. Lone surrogates become U+FFFD.
std::string Jet4TextToUtf8(std::string_view bytes);

}  // namespace ado::detail
