// Values the element keywords read: properties compared as text, containment, a value of the
// answer workbook taken by its leading number, and a size or spacing attribute of the page. No
// number is read from a text that holds none, so an expected 0 is matched only by a 0.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/base/result.h"
#include "platform/office/frontpage/document.h"

namespace webmark {

// To contain: to hold as a substring without regard to case.
bool Contains(std::string_view text, std::string_view sought);
// True when the element's property, read as text, equals `value` as text.
base::Result<bool> TextPropertyEquals(const frontpage::Element& element, std::string_view property,
                                      std::string_view value);

// True when the text starts (after blanks) with a number: a digit, or a sign or "." before one.
bool StartsWithNumber(std::string_view text);
// The leading number of a value ("120px" is 120); an error when the text does not start with one.
base::Result<double> NumberValue(std::string_view text);
// An element's numeric property; an error when the attribute is written but holds no number.
base::Result<int32_t> NumberProperty(const frontpage::Element& element, std::string_view name);

}  // namespace webmark
