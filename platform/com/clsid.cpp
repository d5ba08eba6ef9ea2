// Class identifiers in their written form.
#include "platform/com/clsid.h"

namespace com {

std::string Clsid::ToString() const {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string out = "{";
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (i == 4 || i == 6 || i == 8 || i == 10) out += '-';
    out += kDigits[bytes[i] >> 4];
    out += kDigits[bytes[i] & 15];
  }
  out += '}';
  return out;
}

}  // namespace com
