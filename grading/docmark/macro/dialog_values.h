// The current values of the macro interface's dialogs as the part-B checks compare them: a
// reading that fails leaves the value at its start (empty text or 0) and the comparison goes on
// with it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/office/word/word_basic.h"

namespace docmark {

// The field as text; "" when it cannot be read.
std::string FieldText(word::WordBasic& basic, std::string_view dialog, std::string_view field);
// The field as a 16-bit integer; 0 when it cannot be read or converted.
int16_t FieldShort(word::WordBasic& basic, std::string_view dialog, std::string_view field);
// Whether the field's value equals `expected` as numbers compare (a text field by the number
// it holds); a field that cannot be read counts as 0, one whose text is no number equals
// nothing.
bool FieldEqualsNumber(word::WordBasic& basic, std::string_view dialog, std::string_view field,
                       double expected);

}  // namespace docmark
