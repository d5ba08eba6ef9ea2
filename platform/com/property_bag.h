// Property bags: the named values a control saves and loads its persistent properties through.
// Names compare without regard to ASCII case; values keep the order they were first written.
// A bag's text form has one line per value, "name = KIND value":
//
//   PathOfexl = BSTR "C:\\exam\\Excelkt\\"
//   ExcelGrade = I2 8
//   EDebug = BOOL -1
//   Score = R8 66.5
//   Blob = ARRAY_UI1 00ff10
//
// Text is quoted with \\, \", \n, \r, \t and \xHH escapes; reals are written so they read back
// exactly. Blank lines and lines starting with "#" are skipped.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/base/result.h"
#include "platform/com/variant.h"

namespace com {

class PropertyBag {
 public:
  bool Has(std::string_view name) const { return Find(name) != nullptr; }

  // The value stored under `name`, or `fallback` when there is none.
  Variant Read(std::string_view name, const Variant& fallback = {}) const;

  // Stores or replaces a value (a by-reference value stores what it points at). Dispatch
  // pointers and arrays of variants cannot be persisted; a name must be non-empty, without "=",
  // line breaks or blanks at either end.
  base::Status Write(std::string_view name, const Variant& value);

  const std::vector<std::pair<std::string, Variant>>& Items() const { return items_; }

  std::string ToText() const;
  // A bag from its text form; a malformed line is an error naming its line number.
  static base::Result<PropertyBag> Parse(std::string_view text);

 private:
  const Variant* Find(std::string_view name) const;

  std::vector<std::pair<std::string, Variant>> items_;
};

}  // namespace com
