// A chart's series: its name, values and categories read from the cells its references name
// (the caches when a reference cannot be followed), and its SERIES formula in both notations.
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "platform/base/text.h"

#include "platform/office/common/xml_names.h"
#include "platform/office/excel/address.h"
#include "platform/office/excel/chart.h"
#include "platform/office/excel/chart_xml.h"
#include "platform/office/excel/errors.h"
#include "platform/office/excel/formula.h"
#include "platform/office/excel/range.h"
#include "platform/office/excel/workbook.h"

namespace excel {
namespace {

using office::Child;
using office::IsElement;

// The references of a c:f: one area, or a list of areas in parentheses.
std::vector<std::string_view> SplitReferences(std::string_view f) {
  f = base::Trim(f);
  if (f.size() >= 2 && f.front() == '(' && f.back() == ')') f = f.substr(1, f.size() - 2);
  std::vector<std::string_view> out;
  bool quoted = false;
  size_t start = 0;
  for (size_t i = 0; i <= f.size(); ++i) {
    if (i < f.size() && f[i] == '\'') quoted = !quoted;
    if (i == f.size() || (!quoted && f[i] == ',')) {
      out.push_back(base::Trim(f.substr(start, i - start)));
      start = i + 1;
    }
  }
  return out;
}

// The cells a c:f names, row by row; fails when a part names no sheet's cells.
base::Result<std::vector<Range>> CellsOf(Workbook* book, std::string_view f) {
  std::vector<Range> cells;
  for (std::string_view reference : SplitReferences(f)) {
    const QualifiedReference q = SplitSheet(reference);
    if (q.sheet.empty()) return Failed("\"", reference, "\" names no sheet");
    base::Result<Worksheet*> sheet = book->Sheets(q.sheet);
    if (!sheet) return sheet.error();
    Area area;
    if (!ParseArea(q.reference, area)) return Failed("\"", reference, "\" is no reference");
    // A whole column would be a million empty points: the suite stops at the data, and so do
    // we at a sane size.
    if (static_cast<int64_t>(area.Rows()) * area.Columns() > 100000)
      return Failed("\"", reference, "\" is too large for a series");
    for (int r = area.top; r <= area.bottom; ++r) {
      for (int c = area.left; c <= area.right; ++c) cells.push_back((*sheet)->Cells(r, c));
    }
  }
  return cells;
}

// A plotted value: numbers and dates as doubles, anything else empty.
vb::Variant Plotted(const vb::Variant& v) {
  switch (v.Type()) {
    case vb::VarType::Integer:
    case vb::VarType::Long:
    case vb::VarType::Double:
    case vb::VarType::Date:
      return vb::Variant::Double(v.Number());
    default:
      return vb::Variant();
  }
}

// The reference element (numRef, strRef, multiLvlStrRef) or literal under a data element.
pugi::xml_node DataSource(pugi::xml_node data) {
  for (pugi::xml_node c = data.first_child(); c; c = c.next_sibling()) {
    if (c.type() == pugi::node_element) return c;
  }
  return {};
}

// The points of a cache or literal, by idx up to ptCount; numbers when `numbers`.
std::vector<vb::Variant> Points(pugi::xml_node cache, bool numbers) {
  const std::optional<double> count = chart::NumberVal(cache, "ptCount");
  std::vector<vb::Variant> out;
  size_t n = count && *count > 0 && *count < 1e6 ? static_cast<size_t>(*count) : 0;
  std::vector<std::pair<size_t, std::string>> points;
  for (pugi::xml_node pt = cache.first_child(); pt; pt = pt.next_sibling()) {
    if (!IsElement(pt, "pt")) continue;
    const unsigned long long idx = office::Attr(pt, "idx").as_ullong(~0ull);
    if (idx >= 1000000) continue;
    points.emplace_back(static_cast<size_t>(idx), Child(pt, "v").text().get());
    if (!count) n = std::max(n, static_cast<size_t>(idx) + 1);
  }
  out.resize(n);
  for (const auto& [idx, text] : points) {
    if (idx >= n) continue;
    if (!numbers) {
      out[idx] = vb::Variant::String(text);
      continue;
    }
    char* end = nullptr;
    const double v = std::strtod(text.c_str(), &end);
    if (end != text.c_str() && *end == '\0') out[idx] = vb::Variant::Double(v);
  }
  return out;
}

// A source's cached (or literal) points.
std::vector<vb::Variant> CachedPoints(pugi::xml_node source) {
  const std::string_view kind = office::LocalName(source.name());
  if (kind == "numRef") return Points(Child(source, "numCache"), true);
  if (kind == "strRef") return Points(Child(source, "strCache"), false);
  if (kind == "numLit") return Points(source, true);
  if (kind == "strLit") return Points(source, false);
  if (kind == "multiLvlStrRef") {
    // The level nearest the axis is written first.
    return Points(Child(Child(source, "multiLvlStrCache"), "lvl"), false);
  }
  return {};
}

// The c:f of a reference source; empty for literals.
std::string_view FormulaOf(pugi::xml_node source) {
  return Child(source, "f").text().get();
}

// A literal source as an array constant: {1,2,3} or {"a","b"}.
std::string ArrayConstant(pugi::xml_node source) {
  const bool numbers = office::IsElement(source, "numLit");
  std::string out = "{";
  bool first = true;
  for (const vb::Variant& v : CachedPoints(source)) {
    if (!first) out += ',';
    first = false;
    if (numbers) {
      char buffer[32];
      std::snprintf(buffer, sizeof buffer, "%.15g", v.IsEmpty() ? 0.0 : v.Number());
      out += buffer;
    } else {
      out += '"' + (v.Type() == vb::VarType::String ? v.Text() : std::string()) + '"';
    }
  }
  return out + "}";
}

// A SERIES field: the reference as written, a literal as an array, nothing when absent.
std::string Field(pugi::xml_node data) {
  const pugi::xml_node source = DataSource(data);
  if (!source) return {};
  if (IsElement(source, "numLit") || IsElement(source, "strLit")) return ArrayConstant(source);
  return std::string(FormulaOf(source));
}

// The points a source names, each through `convert`: its cells' values when its reference
// resolves, else its cached or literal points.
template <class Convert>
base::Result<std::vector<vb::Variant>> SourcePoints(Workbook* book, pugi::xml_node source,
                                                    Convert convert) {
  std::vector<vb::Variant> out;
  if (const std::string_view f = FormulaOf(source); !f.empty()) {
    if (base::Result<std::vector<Range>> cells = CellsOf(book, f)) {
      out.reserve(cells->size());
      for (const Range& cell : *cells) {
        base::Result<vb::Variant> v = cell.Value();
        if (!v) return v.error();
        out.push_back(convert(*v));
      }
      return out;
    }
  }
  out = CachedPoints(source);
  for (vb::Variant& v : out) v = convert(v);
  return out;
}

pugi::xml_node CategoryData(pugi::xml_node series) {
  if (pugi::xml_node cat = Child(series, "cat")) return cat;
  return Child(series, "xVal");
}

pugi::xml_node ValueData(pugi::xml_node series) {
  if (pugi::xml_node val = Child(series, "val")) return val;
  return Child(series, "yVal");
}

int Number(pugi::xml_node series) {
  return chart::OrderOf(series) + 1;
}

}  // namespace

base::Result<std::string> Series::Name() const {
  const pugi::xml_node tx = Child(series_, "tx");
  if (const pugi::xml_node ref = Child(tx, "strRef")) {
    if (base::Result<std::vector<Range>> cells = CellsOf(book_, FormulaOf(ref))) {
      std::string name;
      for (const Range& cell : *cells) {
        base::Result<std::string> text = cell.Text();
        if (!text) return text.error();
        if (!name.empty() && !text->empty()) name += ' ';
        name += *text;
      }
      return name;
    }
    return chart::TxText(tx);
  }
  if (Child(tx, "v")) return chart::TxText(tx);
  return "系列" + std::to_string(Number(series_));
}

base::Result<std::vector<vb::Variant>> Series::Values() const {
  const pugi::xml_node source = DataSource(ValueData(series_));
  if (!source) return std::vector<vb::Variant>{};
  return SourcePoints(book_, source, Plotted);
}

base::Result<std::vector<vb::Variant>> Series::XValues() const {
  const pugi::xml_node source = DataSource(CategoryData(series_));
  if (!source) {
    // Without categories the suite numbers the points.
    base::Result<std::vector<vb::Variant>> values = Values();
    if (!values) return values.error();
    std::vector<vb::Variant> out;
    for (size_t i = 0; i < values->size(); ++i) out.push_back(vb::Variant::Double(double(i + 1)));
    return out;
  }
  return SourcePoints(book_, source, [](const vb::Variant& v) { return v; });
}

base::Result<std::string> Series::Formula() const {
  std::string out = "=SERIES(" + Field(Child(series_, "tx"));
  if (const pugi::xml_node v = Child(Child(series_, "tx"), "v"))
    out = "=SERIES(\"" + std::string(v.text().get()) + "\"";
  out += ',' + Field(CategoryData(series_)) + ',' + Field(ValueData(series_)) + ',' +
         std::to_string(Number(series_));
  if (const pugi::xml_node sizes = Child(series_, "bubbleSize")) out += ',' + Field(sizes);
  return out + ")";
}

base::Result<std::string> Series::FormulaR1C1Local() const {
  base::Result<std::string> a1 = Formula();
  if (!a1) return a1.error();
  // Every reference in a SERIES formula is absolute, so the cell it is seen from is immaterial.
  return "=" + FormulaToR1C1(std::string_view(*a1).substr(1), 1, 1);
}

}  // namespace excel
