// The small pieces of XML reading every DrawingML reader shares: elements and attributes found
// by local name (parts written with any namespace prefix read alike), numbers and booleans as
// the file formats write them, and parsing a part's bytes into a tree with a readable error.
// Also the error codes of this layer: a value that is not there (`kMissing`, the caller keeps
// what it had or falls back) is told apart from one that is there but unreadable (`kMalformed`).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

#include <pugixml.hpp>

#include "platform/base/result.h"
#include "platform/office/common/xml_names.h"

namespace drawingml {

enum ErrorCode : int {
  kMissing = 1,    // the element or attribute is absent
  kMalformed = 2,  // present but not readable (bad number, unknown name, wrong element)
};

base::Error Missing(std::string_view what);
base::Error Malformed(std::string_view what);
inline bool IsMissing(const base::Error& error) {
  return error.code == kMissing;
}

// Look-up by local name, shared with the other office readers.
using office::Attr;
using office::Child;
using office::IsElement;
using office::LocalName;

// Whole numbers as written in the files; nullopt when absent, empty or not a number.
std::optional<int64_t> ParseInt(std::string_view text);
std::optional<int64_t> IntAttr(pugi::xml_node node, std::string_view local);
// A percentage in thousandths ("75000"), or the strict form with a sign ("75%", "-12.5%"),
// as a fraction (0.75); nullopt when absent or unreadable.
std::optional<double> FractionAttr(pugi::xml_node node, std::string_view local);
// xsd:boolean ("1", "true", "0", "false"); nullopt when absent or anything else.
std::optional<bool> BoolAttr(pugi::xml_node node, std::string_view local);

// An error naming the attribute whose value is present but not readable.
base::Error Unreadable(pugi::xml_node node, std::string_view local);

// Enumerated attribute values: a table from the names the files write to our values.
template <class E>
struct Named {
  std::string_view name;
  E value;
};

// Sets `target` from attribute `local` when present; false when its value is not in `table`
// (the target is then left alone).
template <class E, size_t N>
bool ReadNamed(pugi::xml_node node, std::string_view local, const Named<E> (&table)[N], E& target) {
  pugi::xml_attribute a = Attr(node, local);
  if (!a) return true;
  for (const Named<E>& entry : table) {
    if (entry.name == a.value()) {
      target = entry.value;
      return true;
    }
  }
  return false;
}
template <class E, size_t N>
bool ReadNamed(pugi::xml_node node, std::string_view local, const Named<E> (&table)[N],
               std::optional<E>& target) {
  E value{};
  if (!ReadNamed(node, local, table, value)) return false;
  if (Attr(node, local)) target = value;
  return true;
}

// Parses a part's bytes. The error says where the text stops being XML.
base::Result<std::shared_ptr<pugi::xml_document>> ParseXml(std::string_view bytes);

}  // namespace drawingml
