// Reading <styleSheet> and the theme's colour scheme, and resolving colours.
#include "platform/office/excel/styles.h"

#include <cstdlib>
#include <cstring>

#include "platform/office/excel/number_format.h"
#include "platform/office/excel/xml_names.h"

namespace excel {
namespace {

// The theme of a workbook written without one (the suite's default "Office" theme).
constexpr uint32_t kDefaultTheme[12] = {0x000000, 0xFFFFFF, 0x44546A, 0xE7E6E6, 0x4472C4, 0xED7D31,
                                        0xA5A5A5, 0xFFC000, 0x5B9BD5, 0x70AD47, 0x0563C1, 0x954F72};

// The eight colours before the palette in the indexed table.
constexpr uint32_t kLegacyColors[8] = {0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00,
                                       0x0000FF, 0xFFFF00, 0xFF00FF, 0x00FFFF};

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
    if (office::ParseArgb(rgb.value(), c.value)) c.kind = ColorSpec::Kind::Rgb;
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
    const std::string_view name = LocalName(n.name());
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
  if (pugi::xml_node pattern = ChildElement(fill, "patternFill")) {
    const char* type = pattern.attribute("patternType").value();
    f.foreground = ReadColor(ChildElement(pattern, "fgColor"));
    f.background = ReadColor(ChildElement(pattern, "bgColor"));
    // A pattern fill without a type but with a colour is drawn solid by the suites.
    f.pattern =
        *type != '\0' ? type : (f.foreground.kind != ColorSpec::Kind::None ? "solid" : "none");
  } else if (ChildElement(fill, "gradientFill")) {
    f.pattern = "gradient";
  }
  return f;
}

BorderLine ReadLine(pugi::xml_node line) {
  BorderLine l;
  if (!line) return l;
  l.style = line.attribute("style").value();
  if (l.style == "none") l.style.clear();
  l.color = ReadColor(ChildElement(line, "color"));
  return l;
}

BorderSpec ReadBorder(pugi::xml_node border) {
  BorderSpec b;
  b.left = ReadLine(ChildElement(border, "left"));
  if (!ChildElement(border, "left")) b.left = ReadLine(ChildElement(border, "start"));
  b.right = ReadLine(ChildElement(border, "right"));
  if (!ChildElement(border, "right")) b.right = ReadLine(ChildElement(border, "end"));
  b.top = ReadLine(ChildElement(border, "top"));
  b.bottom = ReadLine(ChildElement(border, "bottom"));
  b.diagonal = ReadLine(ChildElement(border, "diagonal"));
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
  if (pugi::xml_node a = ChildElement(xf, "alignment")) {
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
    if (IsElement(n, item)) out.push_back(read(n));
  }
}

}  // namespace

Styles::Styles() : Styles(pugi::xml_node(), pugi::xml_node()) {}

Styles::Styles(pugi::xml_node styleSheet, pugi::xml_node theme) {
  palette_ = office::DefaultPalette();
  std::memcpy(theme_, kDefaultTheme, sizeof theme_);
  if (pugi::xml_node scheme = ChildElement(ChildElement(theme, "themeElements"), "clrScheme")) {
    static const char* const kSlots[12] = {"dk1",     "lt1",     "dk2",     "lt2",
                                           "accent1", "accent2", "accent3", "accent4",
                                           "accent5", "accent6", "hlink",   "folHlink"};
    for (int i = 0; i < 12; ++i) {
      pugi::xml_node slot = ChildElement(scheme, kSlots[i]);
      uint32_t rgb;
      if (pugi::xml_node s = ChildElement(slot, "srgbClr")) {
        if (office::ParseArgb(s.attribute("val").value(), rgb)) theme_[i] = rgb;
      } else if (pugi::xml_node s = ChildElement(slot, "sysClr")) {
        if (office::ParseArgb(s.attribute("lastClr").value(), rgb)) theme_[i] = rgb;
      }
    }
  }
  if (pugi::xml_node indexed = ChildElement(ChildElement(styleSheet, "colors"), "indexedColors")) {
    std::vector<uint32_t> colors;
    for (pugi::xml_node c = indexed.first_child(); c; c = c.next_sibling()) {
      uint32_t rgb = 0;
      if (!IsElement(c, "rgbColor")) continue;
      colors.push_back(office::ParseArgb(c.attribute("rgb").value(), rgb) ? rgb : 0);
    }
    // The full table has the eight fixed colours first; a table of 56 (as some suites write
    // it) is the palette alone.
    const size_t first = colors.size() == palette_.size() ? 0 : 8;
    for (size_t i = first; i < colors.size() && i - first < palette_.size(); ++i)
      palette_[i - first] = colors[i];
  }
  for (pugi::xml_node f = ChildElement(ChildElement(styleSheet, "numFmts"), "numFmt"); f;
       f = f.next_sibling()) {
    if (IsElement(f, "numFmt"))
      customFormats_[f.attribute("numFmtId").as_int(-1)] = f.attribute("formatCode").value();
  }
  ReadList(ChildElement(styleSheet, "fonts"), "font", fonts_, ReadFont);
  ReadList(ChildElement(styleSheet, "fills"), "fill", fills_, ReadFill);
  ReadList(ChildElement(styleSheet, "borders"), "border", borders_, ReadBorder);
  ReadList(ChildElement(styleSheet, "cellXfs"), "xf", formats_, ReadFormat);
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
    case ColorSpec::Kind::Indexed:
      if (color.value < 8) {
        rgb = kLegacyColors[color.value];
      } else if (color.value < 64) {
        rgb = palette_[color.value - 8];
      } else {
        return false;  // 64, 65: the system's foreground and background, i.e. automatic
      }
      break;
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
  return office::NearestColorIndex(rgb, palette_);
}

}  // namespace excel
