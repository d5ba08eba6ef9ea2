// UTF-8 bytes against UTF-16 code units.
#include "platform/office/word/text_units.h"

#include "platform/vb/strings.h"

namespace word {

int32_t Utf16Units(std::string_view utf8) {
  int32_t units = 0;
  for (size_t i = 0; i < utf8.size();) {
    const auto b = static_cast<unsigned char>(utf8[i]);
    if (b < 0x80) {  // most text the checks look at is ASCII or CJK: no decoding for ASCII
      ++units;
      ++i;
      continue;
    }
    size_t len = 1;
    const char32_t c = vb::DecodeUtf8(utf8, i, len);
    units += c >= 0x10000 ? 2 : 1;
    i += len;
  }
  return units;
}

size_t Utf8OffsetOfUnits(std::string_view utf8, int32_t units) {
  size_t i = 0;
  while (i < utf8.size() && units > 0) {
    const auto b = static_cast<unsigned char>(utf8[i]);
    if (b < 0x80) {
      ++i;
      --units;
      continue;
    }
    size_t len = 1;
    const char32_t c = vb::DecodeUtf8(utf8, i, len);
    units -= c >= 0x10000 ? 2 : 1;
    i += len;
  }
  return i;
}

}  // namespace word
