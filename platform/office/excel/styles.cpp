// Reading <styleSheet> and the theme's colour scheme, and resolving colours.
#include "platform/office/excel/styles.h"

#include <cstdlib>
#include <cstring>
#include <optional>

#include "platform/office/common/color_value.h"
#include "platform/office/common/xml_names.h"
#include "platform/office/drawingml/theme.h"
#include "platform/office/excel/number_format.h"

namespace excel {
namespace {

bool TrueAttribute(pugi::xml_node node, const char* name, bool absent) {
  pugi::xml_attribute a = node.attribute(name);
  if (!a) return absent;
  const std::string_view v = a.value();
  return v == "1" || v == "true";
}

ColorSpec ReadColor(pugi::xml_node node) {
  ColorSpec c;
  if (!node) return c;
  c.tint = node.attribute("tint").as_double(0);
  if (TrueAttribute(node, "auto", false)) {
    c.kind = ColorSpec::Kind::Auto;
  } else if (pugi::xml_attribute rgb = node.attribute("rgb")) {
    if (std::optional<uint32_t> value = office::ParseArgbHex(rgb.value())) {
      c.value = *value;
      c.kind = ColorSpec::Kind::Rgb;
    }
  } else if (pugi::xml_attribute theme = node.attribute("theme")) {
    c.kind = ColorSpec::Kind::Theme;
    c.value = theme.as_uint(0);
  } else if (pugi::xml_attribute indexed = node.attribute("indexed")) {
    c.kind = ColorSpec::Kind::Indexed;
    c.value = indexed.as_uint(0);
  }
  return c;
}

FontSpec ReadFont(pugi::xml_node font) {
  FontSpec f;
  f.bold = false;
  for (pugi::xml_node n = font.first_child(); n; n = n.next_sibling()) {
    const std::string_view name = office::LocalName(n.name());
    if (name == "name" || name == "rFont") {
      f.name = n.attribute("val").value();
    } else if (name == "sz") {
      const double size = n.attribute("val").as_double(11);
      if (size >= 1 && size <= 409) f.size = size;
    } else if (name == "b") {
      f.bold = TrueAttribute(n, "val", true);
    } else if (name == "i") {
      f.italic = TrueAttribute(n, "val", true);
    } else if (name == "strike") {
      f.strike = TrueAttribute(n, "val", true);
    } else if (name == "u") {
      const char* v = n.attribute("val").value();
      f.underline = *v == '\0' ? "single" : v;
      if (f.underline == "none") f.underline.clear();
    } else if (name == "color") {
      f.color = ReadColor(n);
    }
  }
  return f;
}

FillSpec ReadFill(pugi::xml_node fill) {
  FillSpec f;
  if (pugi::xml_node pattern = office::Child(fill, "patternFill")) {
    const char* type = pattern.attribute("patternType").value();
    f.foreground = ReadColor(office::Child(pattern, "fgColor"));
    f.background = ReadColor(office::Child(pattern, "bgColor"));
    // A pattern fill without a type but with a colour is drawn solid by the suites.
    f.pattern =
        *type != '\0' ? type : (f.foreground.kind != ColorSpec::Kind::None ? "solid" : "none");
  } else if (office::Child(fill, "gradientFill")) {
    f.pattern = "gradient";
  }
  return f;
}

BorderLine ReadLine(pugi::xml_node line) {
  BorderLine l;
  if (!line) return l;
  l.style = line.attribute("style").value();
  if (l.style == "none") l.style.clear();
  l.color = ReadColor(office::Child(line, "color"));
  return l;
}

BorderSpec ReadBorder(pugi::xml_node border) {
  BorderSpec b;
  b.left = ReadLine(office::Child(border, "left"));
  if (!office::Child(border, "left")) b.left = ReadLine(office::Child(border, "start"));
  b.right = ReadLine(office::Child(border, "right"));
  if (!office::Child(border, "right")) b.right = ReadLine(office::Child(border, "end"));
  b.top = ReadLine(office::Child(border, "top"));
  b.bottom = ReadLine(office::Child(border, "bottom"));
  b.diagonal = ReadLine(office::Child(border, "diagonal"));
  b.diagonalUp = TrueAttribute(border, "diagonalUp", false);
  b.diagonalDown = TrueAttribute(border, "diagonalDown", false);
  return b;
}

CellFormat ReadFormat(pugi::xml_node xf) {
  CellFormat f;
  f.numberFormat = xf.attribute("numFmtId").as_int(0);
  f.font = xf.attribute("fontId").as_uint(0);
  f.fill = xf.attribute("fillId").as_uint(0);
  f.border = xf.attribute("borderId").as_uint(0);
  if (pugi::xml_node a = office::Child(xf, "alignment")) {
    f.alignment.horizontal = a.attribute("horizontal").value();
    f.alignment.vertical = a.attribute("vertical").value();
    f.alignment.textRotation = a.attribute("textRotation").as_int(0);
    f.alignment.wrapText = TrueAttribute(a, "wrapText", false);
    f.alignment.indent = a.attribute("indent").as_int(0);
  }
  return f;
}

template <class T, class Read>
void ReadList(pugi::xml_node list, const char* item, std::vector<T>& out, Read read) {
  for (pugi::xml_node n = list.first_child(); n; n = n.next_sibling()) {
    if (office::IsElement(n, item)) out.push_back(read(n));
  }
}

}  // namespace

Styles::Styles() : Styles(pugi::xml_node(), pugi::xml_node()) {}

Styles::Styles(pugi::xml_node styleSheet, pugi::xml_node theme) {
  // A workbook written without a theme (or with one we cannot read) has the suite's default.
  base::Result<drawingml::Theme> read =
      theme ? drawingml::Theme::Read(theme) : base::Result<drawingml::Theme>(base::Error{});
  const drawingml::Theme& scheme = read ? *read : drawingml::Theme::Default();
  for (size_t i = 0; i < drawingml::kSchemeSlotCount; ++i) {
    std::optional<drawingml::Color> color = scheme.SlotColor(static_cast<drawingml::SchemeSlot>(i));
    if (!color)
      color = drawingml::Theme::Default().SlotColor(static_cast<drawingml::SchemeSlot>(i));
    theme_[i] = color ? color->Rgb() : 0;
  }
  if (pugi::xml_node indexed =
          office::Child(office::Child(styleSheet, "colors"), "indexedColors")) {
    std::vector<uint32_t> colors;
    for (pugi::xml_node c = indexed.first_child(); c; c = c.next_sibling()) {
      if (!office::IsElement(c, "rgbColor")) continue;
      colors.push_back(office::ParseArgbHex(c.attribute("rgb").value()).value_or(0));
    }
    // The full table has the eight fixed colours first; a table of 56 (as some suites write
    // it) is the palette alone.
    constexpr size_t kEntries = 56;
    const size_t first = colors.size() == kEntries ? 0 : 8;
    for (size_t i = first; i < colors.size() && i - first < kEntries; ++i)
      palette_.Set(static_cast<int>(i - first) + 1, office::OleFromRgb(colors[i]));
  }
  for (pugi::xml_node f = office::Child(office::Child(styleSheet, "numFmts"), "numFmt"); f;
       f = f.next_sibling()) {
    if (office::IsElement(f, "numFmt"))
      customFormats_[f.attribute("numFmtId").as_int(-1)] = f.attribute("formatCode").value();
  }
  ReadList(office::Child(styleSheet, "fonts"), "font", fonts_, ReadFont);
  ReadList(office::Child(styleSheet, "fills"), "fill", fills_, ReadFill);
  ReadList(office::Child(styleSheet, "borders"), "border", borders_, ReadBorder);
  ReadList(office::Child(styleSheet, "cellXfs"), "xf", formats_, ReadFormat);
  if (fonts_.empty()) fonts_.emplace_back();
  if (fills_.empty()) fills_.emplace_back();
  if (borders_.empty()) borders_.emplace_back();
  if (formats_.empty()) formats_.emplace_back();
  for (const CellFormat& f : formats_) {
    auto custom = customFormats_.find(f.numberFormat);
    const bool date = custom != customFormats_.end() ? IsDateFormatCode(custom->second)
                                                     : IsBuiltinDateFormat(f.numberFormat);
    dateStyles_.push_back(date);
    currencyStyles_.push_back(!date && IsCurrencyFormatCode(NumberFormatCode(f.numberFormat)));
  }
}

const CellFormat& Styles::Format(uint32_t xf) const {
  return xf < formats_.size() ? formats_[xf] : formats_[0];
}
const FontSpec& Styles::Font(uint32_t id) const {
  return id < fonts_.size() ? fonts_[id] : fonts_[0];
}
const FillSpec& Styles::Fill(uint32_t id) const {
  return id < fills_.size() ? fills_[id] : fills_[0];
}
const BorderSpec& Styles::Border(uint32_t id) const {
  return id < borders_.size() ? borders_[id] : borders_[0];
}

std::string Styles::NumberFormatCode(int id) const {
  if (auto it = customFormats_.find(id); it != customFormats_.end()) return it->second;
  const char* code = BuiltinFormatCode(id);
  return code != nullptr ? code : "General";
}

std::string Styles::NumberFormatLocal(int id) const {
  if (auto it = customFormats_.find(id); it != customFormats_.end())
    return LocalFormatCode(it->second);
  const char* local = BuiltinFormatLocal(id);
  return local != nullptr ? local : BuiltinFormatLocal(0);
}

bool Styles::IsDateStyle(uint32_t xf) const {
  return xf < dateStyles_.size() && dateStyles_[xf] != 0;
}

bool Styles::IsCurrencyStyle(uint32_t xf) const {
  return xf < currencyStyles_.size() && currencyStyles_[xf] != 0;
}

bool Styles::Rgb(const ColorSpec& color, uint32_t& rgb) const {
  switch (color.kind) {
    case ColorSpec::Kind::Rgb:
      rgb = color.value;
      break;
    case ColorSpec::Kind::Theme: {
      if (color.value >= 12) return false;
      // The cell formats number the light and dark slots the other way round.
      static constexpr int kSlot[12] = {1, 0, 3, 2, 4, 5, 6, 7, 8, 9, 10, 11};
      rgb = theme_[kSlot[color.value]];
      break;
    }
    case ColorSpec::Kind::Indexed: {
      // 64, 65 are the system's foreground and background, i.e. automatic.
      std::optional<int32_t> ole = palette_.Indexed(static_cast<int>(color.value));
      if (!ole) return false;
      rgb = office::RgbFromOle(*ole);
      break;
    }
    default:
      return false;
  }
  rgb = office::ApplyTint(rgb, color.tint);
  return true;
}

int Styles::ColorIndex(const ColorSpec& color, int automatic, int none) const {
  if (color.kind == ColorSpec::Kind::None) return none;
  if (color.kind == ColorSpec::Kind::Indexed && color.tint == 0) {
    if (color.value < 8) return static_cast<int>(color.value) + 1;
    if (color.value < 64) return static_cast<int>(color.value) - 7;
  }
  uint32_t rgb;
  if (!Rgb(color, rgb)) return automatic;
  return palette_.NearestIndex(office::OleFromRgb(rgb));
}

}  // namespace excel
