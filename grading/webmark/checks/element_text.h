// Text tests the keyword checks share: a property read as text against a value, and a search
// that ignores letter case.
#pragma once

#include <string>
#include <string_view>

#include "platform/base/result.h"
#include "platform/office/frontpage/document.h"
#include "platform/vb/strings.h"

namespace webmark {

// True when the element's property reads as text equal to `value`; an error when the element has
// no such property.
inline base::Result<bool> PropertyEquals(const frontpage::Element& element,
                                         std::string_view property, std::string_view value) {
  base::Result<std::string> text = element.Text(property);
  if (!text) return text.error();
  return vb::TextEquals(*text, value);
}

// True when `text` holds `sought`, letter case aside.
inline bool ContainsText(std::string_view text, std::string_view sought) {
  return vb::InStrText(text, sought) != std::string_view::npos;
}

}  // namespace webmark
