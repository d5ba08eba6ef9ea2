// Fuzz target: any text of an answer workbook's cells, read as a date, an integer or a wildcard
// pattern, must convert without a crash, and what reads as a date must be a real date and time.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "grading/deskmark/checks/params.h"
#include "platform/win/files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  if (const std::optional<win::LocalSeconds> when = deskmark::ParseDateTime(text)) {
    // Years 1 to 9999 (and the two-digit ones mapped into 1930..2029) at any time of day.
    const win::LocalSeconds first = win::LocalSecondsOfCivil(0, 1, 1, 0, 0, 0);
    const win::LocalSeconds last = win::LocalSecondsOfCivil(1000000000, 1, 1, 0, 0, 0);
    if (*when < first || *when > last) std::abort();
  }
  (void)deskmark::IntParam(text);
  // The first half a pattern, the rest a name.
  const size_t cut = size / 2;
  (void)win::WildcardMatch(text.substr(0, cut), text.substr(cut));
  return 0;
}
