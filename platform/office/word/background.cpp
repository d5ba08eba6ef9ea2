// The page background and its preset gradients.
#include "platform/office/word/background.h"

#include <algorithm>

#include "platform/base/text.h"
#include "platform/office/common/color_value.h"
#include "platform/office/common/xml_names.h"
#include "platform/office/drawingml/codes.h"
#include "platform/office/word/constants.h"
#include "platform/office/word/document.h"
#include "platform/office/word/errors.h"
#include "platform/office/word/shape_data.h"
#include "platform/office/word/shapes.h"

namespace word {
namespace {

using office::Attr;
using office::Child;

struct NamedColor {
  std::string_view name;
  uint32_t rgb;
};

constexpr NamedColor kVmlColorNames[] = {
    {"black", 0x000000},  {"silver", 0xC0C0C0}, {"gray", 0x808080},   {"white", 0xFFFFFF},
    {"maroon", 0x800000}, {"red", 0xFF0000},    {"purple", 0x800080}, {"fuchsia", 0xFF00FF},
    {"green", 0x008000},  {"lime", 0x00FF00},   {"olive", 0x808000},  {"yellow", 0xFFFF00},
    {"navy", 0x000080},   {"blue", 0x0000FF},   {"teal", 0x008080},   {"aqua", 0x00FFFF},
};

}  // namespace

std::optional<uint32_t> ReadVmlColor(std::string_view text) {
  text = base::Trim(text);
  // A colour may carry a note after it ("#ff0000 [10]"): its first word counts.
  text = text.substr(0, text.find(' '));
  if (text.starts_with("#")) {
    const std::string_view hex = text.substr(1);
    if (hex.size() == 3) {
      const std::string doubled{hex[0], hex[0], hex[1], hex[1], hex[2], hex[2]};
      return office::ParseRgbHex(doubled);
    }
    return office::ParseRgbHex(hex);
  }
  for (const NamedColor& c : kVmlColorNames) {
    if (base::EqualsNoCase(c.name, text)) return c.rgb;
  }
  return std::nullopt;
}

namespace {

pugi::xml_node VmlFill(pugi::xml_node background) {
  return Child(Child(background, "background"), "fill");
}

}  // namespace

std::vector<uint32_t> ReadVmlColors(std::string_view list) {
  std::vector<uint32_t> colors;
  while (!list.empty()) {
    const size_t end = list.find(';');
    std::string_view entry = base::Trim(list.substr(0, end));
    list = end == std::string_view::npos ? std::string_view() : list.substr(end + 1);
    // "<position> <colour>"
    const size_t blank = entry.find(' ');
    if (blank == std::string_view::npos) continue;
    if (std::optional<uint32_t> c = ReadVmlColor(entry.substr(blank + 1))) colors.push_back(*c);
  }
  return colors;
}

int32_t PresetGradientOf(const std::vector<uint32_t>& colors) {
  return drawingml::MsoPresetGradientOf(colors).value_or(msoPresetGradientMixed);
}

word::Background Document::Background() {
  return word::Background(Child(DocumentNode(), "background"));
}

base::Result<int32_t> FillFormat::Type() const {
  if (shape_ != nullptr) {
    const base::Result<drawingml::Fill>& fill = shape_->Data().fill;
    if (!fill) return Failed("the fill of \"", shape_->Data().name, "\" cannot be read");
    return drawingml::MsoFillTypeOf(*fill).value_or(msoFillMixed);
  }
  if (!background_) return NotAvailable("the document has no background");
  const std::string_view type = Attr(VmlFill(background_), "type").value();
  if (type == "gradient" || type == "gradientRadial" || type == "gradientCenter" ||
      type == "gradientUnscaled")
    return msoFillGradient;
  if (type == "tile") return msoFillTextured;
  if (type == "pattern") return msoFillPatterned;
  if (type == "frame") return msoFillPicture;
  return msoFillSolid;
}

base::Result<int32_t> FillFormat::PresetGradientType() const {
  base::Result<int32_t> type = Type();
  if (!type) return type.error();
  if (*type != msoFillGradient) return msoPresetGradientMixed;
  return PresetGradientOf(ReadVmlColors(Attr(VmlFill(background_), "colors").value()));
}

}  // namespace word
