// Fuzz target: connection strings, date texts and the coercion of any text or number to every
// declared column type must never crash, and dates that read must print and read back alike.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/ado/connection.h"
#include "platform/ado/sqlite_values.h"
#include "platform/ado/variant.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
  switch (data[0] % 3) {
    case 0:
      ado::ParseConnectionString(text);
      break;
    case 1:
      if (auto date = ado::DateFromText(text)) {
        std::string printed = ado::DateToText(*date);
        if (!printed.empty() && !ado::DateFromText(printed)) std::abort();
      }
      break;
    default: {
      double number = 0;
      if (text.size() >= sizeof number) std::memcpy(&number, text.data(), sizeof number);
      const ado::Variant inputs[] = {
          ado::Variant::String(text), ado::Variant::R8(number), ado::Variant::Date(number),
          ado::Variant::Currency(static_cast<int64_t>(text.size()) * 12345)};
      for (const auto& in : inputs) {
        for (int kind = 0; kind <= static_cast<int>(ado::detail::Kind::Blob); ++kind) {
          (void)ado::detail::CoerceTo(in, static_cast<ado::detail::Kind>(kind));
        }
      }
      break;
    }
  }
  return 0;
}
