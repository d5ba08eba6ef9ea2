// Dialog values read for the part-B checks.
#include "grading/docmark/macro/dialog_values.h"

namespace docmark {

std::string FieldText(word::WordBasic& basic, std::string_view dialog, std::string_view field) {
  base::Result<vb::Variant> value = basic.CurValues(dialog, field);
  if (!value) return {};
  return vb::CStr(*value).value_or(std::string());
}

int16_t FieldShort(word::WordBasic& basic, std::string_view dialog, std::string_view field) {
  base::Result<vb::Variant> value = basic.CurValues(dialog, field);
  if (!value) return 0;
  return vb::CInt(*value).value_or(0);
}

bool FieldEqualsNumber(word::WordBasic& basic, std::string_view dialog, std::string_view field,
                       double expected) {
  base::Result<vb::Variant> value = basic.CurValues(dialog, field);
  if (!value) return expected == 0;
  base::Result<double> number = vb::CDbl(*value);
  return number && *number == expected;
}

}  // namespace docmark
