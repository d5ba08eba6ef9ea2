// The auto-filter's criteria as the suite takes them in Range.AutoFilter and as the file keeps
// them in <filterColumn>, and whether a cell passes them:
//   "abc", "=abc"   equal to the text shown, without regard to case; * and ? are wildcards,
//                   ~ makes the next character literal; "=" alone keeps empty cells
//   "<>abc"         not equal, likewise; "<>" alone keeps cells that are not empty
//   ">60", "<=2024/6/1"  compares numbers (and dates) with numbers, text with text
// Two criteria are joined by and (xlAnd) or by or (xlOr). Filters the file holds that these
// cannot express (top ten, dynamic, colour) keep the rows they show.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include <pugixml.hpp>

#include "platform/base/result.h"
#include "platform/vb/variant.h"

namespace excel {

struct FilterCriterion {
  enum class Op { Equal, NotEqual, Greater, GreaterEqual, Less, LessEqual };
  Op op = Op::Equal;
  std::string text;  // what follows the operator
};

struct ColumnFilter {
  enum class Kind { Criteria, Values, Other };
  Kind kind = Kind::Criteria;
  std::vector<FilterCriterion> criteria;  // Criteria: one or two
  bool orJoined = false;
  std::vector<std::string> values;  // Values: the texts shown that pass
  bool blank = false;               // Values: empty cells pass too
};

FilterCriterion ParseCriterion(std::string_view text);

// True when a cell with this value and shown text passes the criterion.
bool Passes(const FilterCriterion& criterion, const vb::Variant& value, std::string_view shown);
// True when the cell passes the column's filter; `visibleNow` answers for the Other kind.
bool Passes(const ColumnFilter& filter, const vb::Variant& value, std::string_view shown,
            bool visibleNow);

// <filterColumn> read and written.
ColumnFilter ReadColumnFilter(pugi::xml_node filterColumn);
void WriteColumnFilter(pugi::xml_node filterColumn, const ColumnFilter& filter);

// True when the text matches the pattern with * ? ~, without regard to case.
bool WildcardMatch(std::string_view pattern, std::string_view text);

}  // namespace excel
