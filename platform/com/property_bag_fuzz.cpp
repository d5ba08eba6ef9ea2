// Any text either parses as a property bag or is refused with an error; a bag that parses writes
// a text that parses back to the same bag.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/com/property_bag.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  auto bag = com::PropertyBag::Parse(text);
  if (!bag) return 0;
  const std::string written = bag->ToText();
  auto again = com::PropertyBag::Parse(written);
  if (!again || again->ToText() != written) std::abort();
  return 0;
}
