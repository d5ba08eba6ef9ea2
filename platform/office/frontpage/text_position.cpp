#include "platform/office/frontpage/text_position.h"

#include "platform/vb/strings.h"

namespace frontpage {
namespace {

// UTF-16 units of the character at byte `i`, and its byte length.
int32_t UnitsAt(std::string_view text, size_t i, size_t& len) {
  const char32_t c = vb::DecodeUtf8(text, i, len);
  return c > 0xFFFF && len == 4 ? 2 : 1;
}

}  // namespace

int32_t Utf16Length(std::string_view utf8) {
  return UnitOfByteOffset(utf8, utf8.size());
}

size_t ByteOffsetOfUnit(std::string_view utf8, int32_t units) {
  size_t i = 0;
  int32_t at = 0;
  while (i < utf8.size()) {
    size_t len = 1;
    const int32_t n = UnitsAt(utf8, i, len);
    if (at + n > units) return i;
    at += n;
    i += len;
  }
  return utf8.size();
}

int32_t UnitOfByteOffset(std::string_view utf8, size_t offset) {
  size_t i = 0;
  int32_t at = 0;
  while (i < utf8.size()) {
    size_t len = 1;
    const int32_t n = UnitsAt(utf8, i, len);
    if (i + len > offset) return at;
    at += n;
    i += len;
  }
  return at;
}

}  // namespace frontpage
