// A control's keyword table looked up by keyword: the rows of a table indexed once, by the
// upper-case keyword each row names. Every control's table has a `keyword` member.
#pragma once

#include <span>
#include <string_view>
#include <unordered_map>

namespace engine {

template <class Row>
class KeywordIndex {
 public:
  explicit KeywordIndex(std::span<const Row> rows) {
    for (const Row& row : rows) rows_.emplace(row.keyword, &row);
  }

  // The row of an upper-case keyword; null when the table has none.
  const Row* Find(std::string_view keyword) const {
    const auto it = rows_.find(keyword);
    return it == rows_.end() ? nullptr : it->second;
  }

 private:
  std::unordered_map<std::string_view, const Row*> rows_;
};

}  // namespace engine
