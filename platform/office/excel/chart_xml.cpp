// Finding a chart's elements, its series and its colour context.
#include "platform/office/excel/chart_xml.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "platform/office/common/xml_names.h"
#include "platform/office/excel/workbook.h"

namespace excel::chart {

using office::Attr;
using office::Child;
using office::IsElement;

pugi::xml_node SpaceOf(pugi::xml_node node) {
  for (; node; node = node.parent()) {
    if (node.type() == pugi::node_element && IsElement(node, "chartSpace")) return node;
  }
  return {};
}

pugi::xml_node ChartOf(pugi::xml_node node) {
  return Child(SpaceOf(node), "chart");
}

pugi::xml_node PlotAreaOf(pugi::xml_node node) {
  return Child(ChartOf(node), "plotArea");
}

std::string_view Val(pugi::xml_node node, std::string_view local) {
  return Attr(Child(node, local), "val").value();
}

std::optional<bool> BoolVal(pugi::xml_node node, std::string_view local) {
  const pugi::xml_node child = Child(node, local);
  if (!child) return std::nullopt;
  const std::string_view v = Attr(child, "val").value();
  return v.empty() || v == "1" || v == "true";
}

std::optional<double> NumberVal(pugi::xml_node node, std::string_view local) {
  const pugi::xml_node child = Child(node, local);
  if (!child) return std::nullopt;
  const char* text = Attr(child, "val").value();
  char* end = nullptr;
  const double v = std::strtod(text, &end);
  if (end == text || *end != '\0') return std::nullopt;
  return v;
}

std::vector<pugi::xml_node> Groups(pugi::xml_node plotArea) {
  std::vector<pugi::xml_node> out;
  for (pugi::xml_node c = plotArea.first_child(); c; c = c.next_sibling()) {
    if (c.type() != pugi::node_element) continue;
    const std::string_view name = office::LocalName(c.name());
    if (name.size() > 5 && name.substr(name.size() - 5) == "Chart") out.push_back(c);
  }
  return out;
}

int OrderOf(pugi::xml_node series) {
  const std::optional<double> order = NumberVal(series, "order");
  return order && *order >= 0 && *order < 1e6 ? static_cast<int>(*order) : -1;
}

std::vector<pugi::xml_node> AllSeries(pugi::xml_node plotArea) {
  std::vector<pugi::xml_node> out;
  for (pugi::xml_node group : Groups(plotArea)) {
    for (pugi::xml_node c = group.first_child(); c; c = c.next_sibling()) {
      if (c.type() == pugi::node_element && IsElement(c, "ser")) out.push_back(c);
    }
  }
  std::stable_sort(out.begin(), out.end(),
                   [](pugi::xml_node a, pugi::xml_node b) { return OrderOf(a) < OrderOf(b); });
  return out;
}

Colors::Colors(Workbook* book, pugi::xml_node anyNode) {
  context_.theme = &book->Theme();
  if (const pugi::xml_node over = Child(SpaceOf(anyNode), "clrMapOvr")) {
    // A damaged override falls back to the default mapping rather than failing every colour.
    if (base::Result<drawingml::ColorMap> map = drawingml::ColorMap::Read(over)) {
      map_ = std::move(*map);
      context_.colorMap = &*map_;
    }
  }
}

bool HasEastAsian(std::string_view text) {
  for (size_t i = 0; i < text.size();) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    uint32_t cp = c;
    size_t n = 1;
    if (c >= 0xF0 && i + 3 < text.size()) {
      cp = ((c & 0x07u) << 18) | ((text[i + 1] & 0x3Fu) << 12) | ((text[i + 2] & 0x3Fu) << 6) |
           (text[i + 3] & 0x3Fu);
      n = 4;
    } else if (c >= 0xE0 && i + 2 < text.size()) {
      cp = ((c & 0x0Fu) << 12) | ((text[i + 1] & 0x3Fu) << 6) | (text[i + 2] & 0x3Fu);
      n = 3;
    } else if (c >= 0xC0) {
      n = 2;
    }
    if ((cp >= 0x2E80 && cp <= 0x9FFF) || (cp >= 0xAC00 && cp <= 0xD7AF) ||
        (cp >= 0xF900 && cp <= 0xFAFF) || (cp >= 0xFF00 && cp <= 0xFFEF) ||
        (cp >= 0x20000 && cp <= 0x2FFFF))
      return true;
    i += n;
  }
  return false;
}

namespace {

void AppendParagraph(pugi::xml_node p, std::string& out) {
  for (pugi::xml_node c = p.first_child(); c; c = c.next_sibling()) {
    if (IsElement(c, "r") || IsElement(c, "fld")) {
      out += Child(c, "t").text().get();
    } else if (IsElement(c, "br")) {
      out += '\n';
    }
  }
}

}  // namespace

std::string TxText(pugi::xml_node tx) {
  std::string out;
  if (const pugi::xml_node rich = Child(tx, "rich")) {
    bool first = true;
    for (pugi::xml_node p = rich.first_child(); p; p = p.next_sibling()) {
      if (!IsElement(p, "p")) continue;
      if (!first) out += '\n';
      first = false;
      AppendParagraph(p, out);
    }
    return out;
  }
  if (const pugi::xml_node ref = Child(tx, "strRef")) {
    for (pugi::xml_node pt = Child(Child(ref, "strCache"), "pt"); pt; pt = pt.next_sibling()) {
      if (!IsElement(pt, "pt")) continue;
      if (!out.empty()) out += ' ';
      out += Child(pt, "v").text().get();
    }
    return out;
  }
  return Child(tx, "v").text().get();
}

}  // namespace excel::chart
