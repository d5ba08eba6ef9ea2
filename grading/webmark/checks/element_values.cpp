// Values of elements and rules (see element_values.h).
#include "grading/webmark/checks/element_values.h"

#include <string>

#include "platform/vb/strings.h"

namespace webmark {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

bool Contains(std::string_view text, std::string_view sought) {
  return vb::InStrText(text, sought) != std::string_view::npos;
}

base::Result<bool> TextPropertyEquals(const frontpage::Element& element, std::string_view property,
                                      std::string_view value) {
  base::Result<std::string> text = element.Text(property);
  if (!text) return text.error();
  return vb::TextEquals(*text, value);
}

bool StartsWithNumber(std::string_view text) {
  size_t i = text.find_first_not_of(" \t\r\n");
  if (i == std::string_view::npos) return false;
  if (text[i] == '+' || text[i] == '-') ++i;
  if (i < text.size() && text[i] == '.') ++i;
  return i < text.size() && IsDigit(text[i]);
}

base::Result<double> NumberValue(std::string_view text) {
  if (!StartsWithNumber(text))
    return base::Error::WithCode(13, "not a number: \"" + std::string(text) + "\"");
  return vb::Val(text);
}

base::Result<int32_t> NumberProperty(const frontpage::Element& element, std::string_view name) {
  const std::optional<std::string_view> written = element.getAttribute(name);
  if (written && !StartsWithNumber(*written))
    return base::Error::WithCode(
        13, "the " + std::string(name) + " \"" + std::string(*written) + "\" is not a number");
  base::Result<frontpage::PropertyValue> read = element.Property(name);
  if (!read) return read.error();
  if (!read->isNumber) return base::Error::WithCode(13, std::string(name) + " is not a number");
  return read->number;
}

}  // namespace webmark
