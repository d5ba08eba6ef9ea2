// One value of many: what a property answers over a range whose pieces may differ. The word
// processor answers the value when every piece has it, and wdUndefined (a name: "") when they
// differ.
#pragma once

#include <string>
#include <vector>

#include "platform/base/result.h"
#include "platform/office/word/constants.h"
#include "platform/office/word/errors.h"

namespace word {

// The common value of `get` over `items`, or `mixed` when two differ; an error for no items.
template <class Item, class Get, class T = std::decay_t<std::invoke_result_t<Get, const Item&>>>
base::Result<T> Common(const std::vector<Item>& items, Get get, T mixed) {
  if (items.empty()) return NotAvailable("the range holds nothing this property is read from");
  T first = get(items.front());
  for (size_t i = 1; i < items.size(); ++i) {
    if (!(get(items[i]) == first)) return mixed;
  }
  return first;
}

// The same for numbers (wdUndefined when mixed) and names ("" when mixed).
template <class Item, class Get>
auto CommonNumber(const std::vector<Item>& items, Get get) {
  using T = std::decay_t<std::invoke_result_t<Get, const Item&>>;
  return Common(items, get, static_cast<T>(wdUndefined));
}
template <class Item, class Get>
base::Result<std::string> CommonName(const std::vector<Item>& items, Get get) {
  return Common(items, get, std::string());
}

// A truth value of the object model: -1 for true, 0 for false.
inline int32_t Truth(bool value) {
  return value ? kTrue : kFalse;
}

}  // namespace word
