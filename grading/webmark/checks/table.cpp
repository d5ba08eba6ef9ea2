// The table keywords (see table.h). Texts compare as text: letter case and width aside, nothing
// trimmed; to contain is to hold as a substring without regard to case.
#include "grading/webmark/checks/table.h"

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "grading/webmark/checks/element_values.h"
#include "grading/webmark/dom_walks.h"
#include "grading/webmark/markup.h"
#include "grading/webmark/result_log.h"
#include "platform/vb/strings.h"

namespace webmark {
namespace {

using frontpage::Document;
using frontpage::Element;
using frontpage::ElementList;

// The property as the model hands it back: a text equal to the value; a number never matches.
base::Result<bool> PropertyMatches(const Element& element, std::string_view property,
                                   std::string_view value) {
  base::Result<frontpage::PropertyValue> read = element.Property(property);
  if (!read) return read.error();
  return !read->isNumber && vb::TextEquals(read->text, value);
}

base::Result<bool> CountEquals(int32_t count, std::string_view value) {
  base::Result<double> expected = NumberValue(value);
  if (!expected) return expected.error();
  return count == *expected;
}

// The first table of the document whose id equals the argument; null for none.
const Element* FindTable(const Document& document, std::string_view id) {
  for (const Element* table : document.all().tags("table")) {
    if (vb::TextEquals(table->id(), id)) return table;
  }
  return nullptr;
}

// The start tag of an element's markup: up to the first ">" outside quotes.
std::string_view StartTag(std::string_view outer) {
  char quote = 0;
  for (size_t i = 0; i < outer.size(); ++i) {
    const char c = outer[i];
    if (quote) {
      if (c == quote) quote = 0;
    } else if (c == '"' || c == '\'') {
      quote = c;
    } else if (c == '>') {
      return outer.substr(0, i + 1);
    }
  }
  return outer;
}

// PALIGN / ALIGN: the alignment of the element holding the table, never the table's own.
base::Result<bool> ContainerAlignHolds(const Element& table, std::string_view value) {
  base::Result<const Element*> parent = ParentOf(table);
  if (!parent) return parent.error();
  const Element& container = **parent;
  if (!vb::TextEquals(value, "center")) return TextPropertyEquals(container, "align", value);
  if (container.Is("center")) return true;
  if (container.Is("div")) return TextPropertyEquals(container, "align", value);
  base::Result<const Element*> above = ParentOf(container);
  if (!above) return above.error();
  if ((*above)->Is("div")) return TextPropertyEquals(**above, "align", value);
  return true;
}

// A cell's colSpan or rowSpan as the model reads it: a span written without a number is 1, as
// the browser takes it.
base::Result<int32_t> Span(const Element& cell, std::string_view name) {
  base::Result<frontpage::PropertyValue> read = cell.Property(name);
  if (!read) return read.error();
  return read->number;
}

// cols: the first row's cell count or its first cell's colSpan.
base::Result<bool> ColsHold(const Element& table, std::string_view value) {
  base::Result<double> expected = NumberValue(value);
  if (!expected) return expected.error();
  base::Result<ElementList> rows = table.rows();
  if (!rows) return rows.error();
  base::Result<const Element*> first = rows->item(0);
  if (!first) return first.error();
  base::Result<ElementList> cells = (*first)->cells();
  if (!cells) return cells.error();
  base::Result<const Element*> cell = cells->item(0);
  if (!cell) return cell.error();
  base::Result<int32_t> span = Span(**cell, "colSpan");
  if (!span) return span.error();
  return cells->length() == *expected || *span == *expected;
}

constexpr std::string_view kTableTexts[] = {"width",       "height",           "border",
                                            "bordercolor", "bordercolorlight", "bordercolordark",
                                            "bgcolor",     "cellpadding",      "cellspacing"};

// A row or cell index of the object description: a whole number from 0.
base::Result<int32_t> IndexItem(const RuleRecord& rule, size_t item) {
  base::Result<std::string_view> text = Item(rule.ObjectDescription, item);
  if (!text) return text.error();
  base::Result<double> number = NumberValue(*text);
  if (!number) return number.error();
  const double index = std::nearbyint(*number);
  if (index < 0 || index > INT32_MAX)
    return base::Error::WithCode(9, "the index " + std::string(*text) + " is out of range");
  return static_cast<int32_t>(index);
}

// The first element below `cell` tagged `tag` for which `qualifies` holds; null for none.
template <class Qualifies>
base::Result<const Element*> FirstInside(const Element& cell, std::string_view tag,
                                         Qualifies qualifies) {
  for (const Element* element : cell.all()) {
    if (!element->Is(tag)) continue;
    base::Result<bool> held = qualifies(*element);
    if (!held) return held.error();
    if (*held) return element;
  }
  return nullptr;
}

bool HoldsTag(const Element& cell, std::string_view tag) {
  for (const Element* element : cell.all()) {
    if (element->Is(tag)) return true;
  }
  return false;
}

// A font property that is set (not "" and not `unset`).
auto FontPropertySet(std::string_view property, std::string_view unset = {}) {
  return [property, unset](const Element& font) -> base::Result<bool> {
    base::Result<std::string> text = font.Text(property);
    if (!text) return text.error();
    return !text->empty() && !(!unset.empty() && vb::TextEquals(*text, unset));
  };
}

struct CellUnderTest {
  RuleContext& context;
  const Element& table;
  const ElementList& rows;
  const ElementList& cells;
  const Element& cell;

  base::Result<std::vector<std::string>> Images() const {
    std::vector<std::string> images;
    base::Status filled = FindAllImageInNode(cell, images);
    if (!filled) return filled.error();
    return images;
  }

  // FONTITALIC, FONTBOLD, FONTUNDERLINE: "TRUE" asks for the tag inside the cell, "FALSE" for
  // none; any other value asks nothing, and workbooks rely on it passing.
  bool StyleTagHolds(std::string_view tag, std::string_view value) const {
    if (vb::TextEquals(value, "TRUE")) return HoldsTag(cell, tag);
    if (vb::TextEquals(value, "FALSE")) return !HoldsTag(cell, tag);
    return true;
  }

  base::Result<bool> Holds(std::string_view key, std::string_view value) const {
    for (std::string_view text : {"align", "valign"}) {
      if (vb::TextEquals(key, text)) return TextPropertyEquals(cell, text, value);
    }
    for (std::string_view property : {"width", "height"}) {
      if (vb::TextEquals(key, property)) return PropertyMatches(cell, property, value);
    }
    for (std::string_view span : {"colspan", "rowspan"}) {
      if (!vb::TextEquals(key, span)) continue;
      base::Result<double> expected = NumberValue(value);
      if (!expected) return expected.error();
      base::Result<int32_t> read = Span(cell, span);
      if (!read) return read.error();
      return *read == *expected;
    }
    if (vb::TextEquals(key, "rows")) return CountEquals(rows.length(), value);
    if (vb::TextEquals(key, "cols")) return CountEquals(cells.length(), value);
    for (std::string_view colour :
         {"bgcolor", "bordercolor", "bordercolorlight", "bordercolordark"}) {
      if (vb::TextEquals(key, colour)) return PropertyMatches(cell, colour, value);
    }
    if (vb::TextEquals(key, "HAVEIMAGE") || vb::TextEquals(key, "IMAGECNTNE") ||
        vb::TextEquals(key, "IMAGECNTEQ") || vb::TextEquals(key, "ISIMAGE"))
      return ImagesHold(key, value);
    if (vb::TextEquals(key, "HAVETEXT")) return Contains(cell.innerText(), value);
    if (vb::TextEquals(key, "ISTEXT")) return vb::TextEquals(cell.innerText(), value);
    if (vb::TextEquals(key, "PALIGN")) return ParagraphAlignHolds(value);
    if (vb::TextEquals(key, "FONTFACE")) return FontFaceHolds(value);
    if (vb::TextEquals(key, "FONTSIZE")) return FontSizeHolds(value);
    if (vb::TextEquals(key, "FONTCOLOR")) return FontColorHolds(value);
    if (vb::TextEquals(key, "FONTITALIC")) return StyleTagHolds("i", value);
    if (vb::TextEquals(key, "FONTBOLD")) return StyleTagHolds("b", value);
    if (vb::TextEquals(key, "FONTUNDERLINE")) return StyleTagHolds("u", value);
    return GeneralCheck(context.state, cell, key, value);
  }

  base::Result<bool> ImagesHold(std::string_view key, std::string_view value) const {
    base::Result<std::vector<std::string>> images = Images();
    if (!images) return images.error();
    const int32_t count = static_cast<int32_t>(images->size());
    if (vb::TextEquals(key, "HAVEIMAGE")) return count > 0;
    if (vb::TextEquals(key, "IMAGECNTEQ")) return CountEquals(count, value);
    if (vb::TextEquals(key, "IMAGECNTNE")) {
      base::Result<bool> equal = CountEquals(count, value);
      if (!equal) return equal.error();
      return !*equal;
    }
    for (const std::string& src : *images) {
      if (vb::TextEquals(src, value)) return true;
    }
    return false;
  }

  // The cell's own alignment first, then that of the first paragraph inside it.
  base::Result<bool> ParagraphAlignHolds(std::string_view value) const {
    base::Result<bool> own = TextPropertyEquals(cell, "align", value);
    if (!own) return own.error();
    if (*own) return true;
    const Element* paragraph = nullptr;
    for (const Element* element : cell.all()) {
      if (element->Is("p")) {
        paragraph = element;
        break;
      }
    }
    if (!paragraph) return base::Error::WithCode(91, "the cell holds no paragraph");
    return PropertyMatches(*paragraph, "align", value);
  }

  // The first face set inside the cell; without one the page's default face "宋体".
  base::Result<bool> FontFaceHolds(std::string_view value) const {
    base::Result<const Element*> font = FirstInside(cell, "font", FontPropertySet("face"));
    if (!font) return font.error();
    if (!*font) return vb::TextEquals(value, "宋体");
    return PropertyMatches(**font, "face", value);
  }

  base::Result<bool> FontSizeHolds(std::string_view value) const {
    base::Result<const Element*> font = FirstInside(cell, "font", FontPropertySet("size"));
    if (!font) return font.error();
    if (!*font) return base::Error::WithCode(91, "the cell holds no font with a size");
    return PropertyMatches(**font, "size", value);
  }

  // The first font's colour inside the cell; a cell of links without one has the link colour.
  base::Result<bool> FontColorHolds(std::string_view value) const {
    base::Result<const Element*> font =
        FirstInside(cell, "font", [](const Element& f) -> base::Result<bool> {
          base::Result<std::string> color = f.Text("color");
          if (!color) return color.error();
          return !vb::TextEquals(*color, "NoColor");
        });
    if (!font) return font.error();
    if (!*font) {
      if (!HoldsTag(cell, "a")) return base::Error::WithCode(91, "the cell holds no font");
      return vb::TextEquals(value, context.document.linkColor());
    }
    return PropertyMatches(**font, "color", value);
  }
};

}  // namespace

base::Result<bool> CheckTable(RuleContext& context) {
  base::Result<std::string_view> id = Item(context.rule.ObjectDescription, 2);
  if (!id) return id.error();
  const Element* found = FindTable(context.document, *id);
  if (!found) return false;
  const Element& table = *found;
  return WalkConditions(
      context.rule, [&](std::string_view key, std::string_view value) -> base::Result<bool> {
        if (vb::TextEquals(key, "ATLINE")) {
          base::Result<int32_t> line = AtPara(context.document, table, "body");
          if (!line) return line.error();
          return CountEquals(*line, value);
        }
        if (vb::TextEquals(key, "PALIGN") || vb::TextEquals(key, "ALIGN"))
          return ContainerAlignHolds(table, value);
        for (std::string_view text : kTableTexts) {
          if (vb::TextEquals(key, text)) return TextPropertyEquals(table, text, value);
        }
        if (vb::TextEquals(key, "rows")) {
          base::Result<ElementList> rows = table.rows();
          if (!rows) return rows.error();
          return CountEquals(rows->length(), value);
        }
        if (vb::TextEquals(key, "cols")) return ColsHold(table, value);
        if (vb::TextEquals(key, "STYLEHAVE"))
          return Contains(ExtractItem(StartTag(table.outerHTML()), "style"), value);
        return GeneralCheck(context.state, table, key, value);
      });
}

base::Result<bool> CheckTableCell(RuleContext& context) {
  const RuleRecord& rule = context.rule;
  base::Result<std::string_view> id = Item(rule.ObjectDescription, 2);
  if (!id) return id.error();
  const Element* table = FindTable(context.document, *id);
  if (!table) return false;
  if (rule.ObjectDescription.size() < 4) {
    AppendLog(context.state, "答案文件有错，缺少对象描述参数。关键字：TableCell");
    return false;
  }
  base::Result<int32_t> rowIndex = IndexItem(rule, 3);
  if (!rowIndex) return rowIndex.error();
  base::Result<int32_t> cellIndex = IndexItem(rule, 4);
  if (!cellIndex) return cellIndex.error();
  base::Result<ElementList> rows = table->rows();
  if (!rows) return rows.error();
  if (*rowIndex >= rows->length()) return false;
  base::Result<ElementList> cells = rows->at(*rowIndex)->cells();
  if (!cells) return cells.error();
  if (*cellIndex >= cells->length()) return false;
  const CellUnderTest under{context, *table, *rows, *cells, *cells->at(*cellIndex)};
  return WalkConditions(
      rule, [&](std::string_view key, std::string_view value) { return under.Holds(key, value); });
}

}  // namespace webmark
