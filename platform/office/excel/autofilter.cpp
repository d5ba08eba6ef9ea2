// Filter criteria, their XML, and Range.AutoFilter: the filter area is found, the column's
// filter replaced, every data row tested against all of the area's column filters, and the rows
// that fail hidden.
#include "platform/office/excel/autofilter.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <optional>

#include "platform/base/date_serial.h"
#include "platform/base/text.h"
#include "platform/office/common/xml_names.h"
#include "platform/office/excel/cell_value.h"
#include "platform/office/excel/errors.h"
#include "platform/office/excel/range.h"
#include "platform/office/excel/worksheet.h"
#include "platform/vb/strings.h"

namespace excel {
namespace {

struct OperatorName {
  FilterCriterion::Op op;
  const char* prefix;  // as typed in a criterion
  const char* xml;     // as the file writes it
};
// Longest prefixes first.
constexpr OperatorName kOperators[] = {
    {FilterCriterion::Op::NotEqual, "<>", "notEqual"},
    {FilterCriterion::Op::GreaterEqual, ">=", "greaterThanOrEqual"},
    {FilterCriterion::Op::LessEqual, "<=", "lessThanOrEqual"},
    {FilterCriterion::Op::Greater, ">", "greaterThan"},
    {FilterCriterion::Op::Less, "<", "lessThan"},
    {FilterCriterion::Op::Equal, "=", "equal"},
};

char32_t NextChar(std::string_view text, size_t& i) {
  const auto b = static_cast<unsigned char>(text[i++]);
  if (b < 0x80) return b;
  int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
  char32_t c = b & (0x3F >> extra);
  for (; extra > 0 && i < text.size(); --extra)
    c = (c << 6) | (static_cast<unsigned char>(text[i++]) & 0x3F);
  return c;
}

std::u32string Chars(std::string_view text) {
  std::u32string out;
  for (size_t i = 0; i < text.size();) out += NextChar(text, i);
  return out;
}

// A number, or a date written y/m/d or y-m-d (as a serial); false when the text is neither.
bool CriterionNumber(std::string_view text, double& number) {
  const std::string t(base::Trim(text));
  if (t.empty()) return false;
  char* end = nullptr;
  number = std::strtod(t.c_str(), &end);
  if (*end == '\0' && std::isfinite(number)) return true;
  int y, m, d;
  char s1, s2;
  char tail;
  if (std::sscanf(t.c_str(), "%d%c%d%c%d%c", &y, &s1, &m, &s2, &d, &tail) == 5 && s1 == s2 &&
      (s1 == '/' || s1 == '-') && y >= 1900 && y <= 9999 && m >= 1 && m <= 12 && d >= 1 &&
      d <= 31) {
    number = base::SerialFromCivil({y, static_cast<unsigned>(m), static_cast<unsigned>(d)});
    return true;
  }
  return false;
}

bool IsNumberValue(const vb::Variant& v) {
  return v.Type() == vb::VarType::Double || v.Type() == vb::VarType::Date ||
         v.Type() == vb::VarType::Integer || v.Type() == vb::VarType::Long;
}

bool EqualsShown(std::string_view criterion, const vb::Variant& value, std::string_view shown) {
  if (criterion.empty()) return value.IsEmpty() || shown.empty();
  double number;
  if (IsNumberValue(value) && CriterionNumber(criterion, number) && value.Number() == number)
    return true;
  return WildcardMatch(criterion, shown);
}

}  // namespace

bool WildcardMatch(std::string_view pattern, std::string_view text) {
  const std::u32string p = Chars(vb::LCase(pattern));
  const std::u32string t = Chars(vb::LCase(text));
  // Iterative glob with one backtrack point per star.
  size_t pi = 0, ti = 0, star = std::u32string::npos, mark = 0;
  while (ti < t.size()) {
    if (pi < p.size() && p[pi] == U'~' && pi + 1 < p.size()) {
      if (p[pi + 1] == t[ti]) {
        pi += 2;
        ++ti;
        continue;
      }
    } else if (pi < p.size() && (p[pi] == U'?' || p[pi] == t[ti]) && p[pi] != U'*') {
      ++pi;
      ++ti;
      continue;
    } else if (pi < p.size() && p[pi] == U'*') {
      star = pi++;
      mark = ti;
      continue;
    }
    if (star == std::u32string::npos) return false;
    pi = star + 1;
    ti = ++mark;
  }
  while (pi < p.size() && p[pi] == U'*') ++pi;
  return pi == p.size();
}

FilterCriterion ParseCriterion(std::string_view text) {
  FilterCriterion c;
  c.text = std::string(text);
  for (const OperatorName& o : kOperators) {
    if (text.starts_with(o.prefix)) {
      c.op = o.op;
      c.text = std::string(text.substr(std::char_traits<char>::length(o.prefix)));
      break;
    }
  }
  return c;
}

bool Passes(const FilterCriterion& criterion, const vb::Variant& value, std::string_view shown) {
  using Op = FilterCriterion::Op;
  switch (criterion.op) {
    case Op::Equal:
      return EqualsShown(criterion.text, value, shown);
    case Op::NotEqual:
      return !EqualsShown(criterion.text, value, shown);
    default:
      break;
  }
  int order;
  double number;
  if (CriterionNumber(criterion.text, number)) {
    if (!IsNumberValue(value)) return false;  // numbers compare only with numbers
    order = value.Number() < number ? -1 : value.Number() > number ? 1 : 0;
  } else {
    if (value.Type() != vb::VarType::String) return false;
    order = vb::TextCompare(value.Text(), criterion.text);
  }
  switch (criterion.op) {
    case Op::Greater:
      return order > 0;
    case Op::GreaterEqual:
      return order >= 0;
    case Op::Less:
      return order < 0;
    default:
      return order <= 0;
  }
}

bool Passes(const ColumnFilter& filter, const vb::Variant& value, std::string_view shown,
            bool visibleNow) {
  switch (filter.kind) {
    case ColumnFilter::Kind::Other:
      return visibleNow;
    case ColumnFilter::Kind::Values:
      if (shown.empty()) return filter.blank;
      for (const std::string& v : filter.values) {
        if (vb::TextEquals(v, shown)) return true;
      }
      return false;
    case ColumnFilter::Kind::Criteria:
      break;
  }
  if (filter.criteria.empty()) return true;
  bool any = false, all = true;
  for (const FilterCriterion& c : filter.criteria) {
    const bool p = Passes(c, value, shown);
    any = any || p;
    all = all && p;
  }
  return filter.orJoined ? any : all;
}

ColumnFilter ReadColumnFilter(pugi::xml_node filterColumn) {
  ColumnFilter f;
  if (pugi::xml_node custom = office::Child(filterColumn, "customFilters")) {
    const std::string_view andText = custom.attribute("and").value();
    f.orJoined = !(andText == "1" || andText == "true");
    for (pugi::xml_node c = office::Child(custom, "customFilter"); c; c = c.next_sibling()) {
      if (!office::IsElement(c, "customFilter")) continue;
      FilterCriterion criterion;
      criterion.text = c.attribute("val").value();
      const std::string_view op = c.attribute("operator").value();
      for (const OperatorName& o : kOperators) {
        if (op == o.xml) criterion.op = o.op;
      }
      f.criteria.push_back(std::move(criterion));
    }
    return f;
  }
  if (pugi::xml_node values = office::Child(filterColumn, "filters")) {
    // Date groups cannot be told from the shown text: leave such columns as they are.
    if (office::Child(values, "dateGroupItem")) {
      f.kind = ColumnFilter::Kind::Other;
      return f;
    }
    f.kind = ColumnFilter::Kind::Values;
    const std::string_view blank = values.attribute("blank").value();
    f.blank = blank == "1" || blank == "true";
    for (pugi::xml_node v = office::Child(values, "filter"); v; v = v.next_sibling()) {
      if (office::IsElement(v, "filter")) f.values.push_back(v.attribute("val").value());
    }
    return f;
  }
  f.kind = ColumnFilter::Kind::Other;
  return f;
}

void WriteColumnFilter(pugi::xml_node filterColumn, const ColumnFilter& filter) {
  const std::string prefix = office::PrefixOf(filterColumn);
  if (filter.kind == ColumnFilter::Kind::Values) {
    pugi::xml_node values = filterColumn.append_child((prefix + "filters").c_str());
    if (filter.blank) values.append_attribute("blank").set_value(1);
    for (const std::string& v : filter.values)
      values.append_child((prefix + "filter").c_str()).append_attribute("val").set_value(v.c_str());
    return;
  }
  pugi::xml_node custom = filterColumn.append_child((prefix + "customFilters").c_str());
  if (!filter.orJoined && filter.criteria.size() > 1) custom.append_attribute("and").set_value(1);
  for (const FilterCriterion& c : filter.criteria) {
    pugi::xml_node node = custom.append_child((prefix + "customFilter").c_str());
    for (const OperatorName& o : kOperators) {
      if (o.op == c.op && c.op != FilterCriterion::Op::Equal)
        node.append_attribute("operator").set_value(o.xml);
    }
    node.append_attribute("val").set_value(c.text.c_str());
  }
}

namespace {

bool NonEmpty(Worksheet& sheet, int row, int column) {
  base::Result<const SheetCells*> table = sheet.CellTable();
  if (!table) return false;
  const CellRecord* c = (*table)->Find(row, column);
  return c != nullptr && (!c->value.empty() || c->formula != FormulaKind::None);
}

// The block of filled cells around a cell, grown while a neighbouring row or column holds one.
Area CurrentRegion(Worksheet& sheet, Area a) {
  for (bool grown = true; grown;) {
    grown = false;
    auto rowFilled = [&](int r) {
      for (int c = std::max(1, a.left - 1); c <= std::min(kMaxColumns, a.right + 1); ++c)
        if (NonEmpty(sheet, r, c)) return true;
      return false;
    };
    auto columnFilled = [&](int c) {
      for (int r = std::max(1, a.top - 1); r <= std::min(kMaxRows, a.bottom + 1); ++r)
        if (NonEmpty(sheet, r, c)) return true;
      return false;
    };
    if (a.top > 1 && rowFilled(a.top - 1)) --a.top, grown = true;
    if (a.bottom < kMaxRows && rowFilled(a.bottom + 1)) ++a.bottom, grown = true;
    if (a.left > 1 && columnFilled(a.left - 1)) --a.left, grown = true;
    if (a.right < kMaxColumns && columnFilled(a.right + 1)) ++a.right, grown = true;
  }
  return a;
}

}  // namespace

base::Status Range::AutoFilter(int field, std::string_view criteria1, int op,
                               std::string_view criteria2) const {
  Worksheet* sheet = sheet_;
  if (sheet == nullptr || sheet->IsChart()) return Failed("no cells to filter");
  if (op != xlAnd && op != xlOr) return Failed("filter operator ", op, " is not supported");
  base::Result<pugi::xml_node> root = sheet->Node();
  if (!root) return root.error();

  // The sheet's filter area when the range meets it, else the range or its current region.
  std::optional<excel::Area> existing = sheet->AutoFilterArea();
  excel::Area area = area_;
  if (existing && existing->Intersects(area_)) {
    area = *existing;
  } else {
    existing.reset();
    if (area_.IsCell()) {
      area = CurrentRegion(*sheet, area_);
      if (area.IsCell() && !NonEmpty(*sheet, area.top, area.left))
        return Failed("there is no list at ", AreaText(area), " to filter");
    }
  }
  area.bottom = std::min(area.bottom, std::max(area.top, sheet->LastRow()));
  if (field < 1 || field > area.Columns())
    return Failed("filter field ", field, " is outside ", AreaText(area));

  std::map<int, ColumnFilter> filters;  // by column of the area, from 0
  pugi::xml_document kept;  // the file's filters of other kinds, written back as they were
  if (existing) {
    for (pugi::xml_node c = office::Child(office::Child(*root, "autoFilter"), "filterColumn"); c;
         c = c.next_sibling()) {
      if (!office::IsElement(c, "filterColumn")) continue;
      const int column = c.attribute("colId").as_int(-1);
      filters[column] = ReadColumnFilter(c);
      if (filters[column].kind == ColumnFilter::Kind::Other) kept.append_copy(c);
    }
  }
  ColumnFilter filter;
  filter.orJoined = op == xlOr;
  if (!criteria1.empty()) filter.criteria.push_back(ParseCriterion(criteria1));
  if (!criteria2.empty()) filter.criteria.push_back(ParseCriterion(criteria2));
  if (filter.criteria.empty()) {
    filters.erase(field - 1);
  } else {
    filters[field - 1] = std::move(filter);
  }

  std::vector<bool> visible;
  for (int r = area.top + 1; r <= area.bottom; ++r) {
    base::Result<bool> hidden = sheet->RowHidden(r);
    bool show = true;
    for (const auto& [column, f] : filters) {
      if (column < 0 || column >= area.Columns()) continue;
      const int c = area.left + column;
      base::Result<vb::Variant> value = CellValue(*sheet, r, c);
      base::Result<std::string> shown = CellText(*sheet, r, c);
      if (!value || !shown) return !value ? value.error() : shown.error();
      if (!Passes(f, *value, *shown, !(hidden && *hidden))) {
        show = false;
        break;
      }
    }
    visible.push_back(show);
  }
  return sheet->SetAutoFilter(area, visible, [&filters, &area, &kept](pugi::xml_node node) {
    const std::string prefix = office::PrefixOf(node);
    for (const auto& [column, f] : filters) {
      if (column < 0 || column >= area.Columns()) continue;
      if (f.kind == ColumnFilter::Kind::Other) {
        for (pugi::xml_node old = kept.first_child(); old; old = old.next_sibling()) {
          if (old.attribute("colId").as_int(-1) == column) node.append_copy(old);
        }
        continue;
      }
      pugi::xml_node c = node.append_child((prefix + "filterColumn").c_str());
      c.append_attribute("colId").set_value(column);
      WriteColumnFilter(c, f);
    }
  });
}

}  // namespace excel
