// The older VML form of floating drawings (w:pict holding v:shape, v:rect, v:oval, v:roundrect,
// v:line, v:group, v:image with "position:absolute"): the style's size, margins and anchors,
// the w10:wrap, the fill and stroke attributes, the text box's inset and story, the picture's
// colour mode, and a group's children through its coordinate space.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <string_view>

#include "platform/base/text.h"
#include "platform/office/common/xml_names.h"
#include "platform/office/word/background.h"
#include "platform/office/word/shape_data.h"

namespace word {
namespace {

using office::Attr;
using office::Child;
using office::LocalName;

std::optional<double> Number(std::string_view text) {
  text = base::Trim(text);
  if (text.starts_with('+')) text.remove_prefix(1);
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
    return std::nullopt;
  return value;
}

// A length ("12pt", "1.5in", "2.54cm", "3mm", "10px", "1pc"); a bare number is in `bareScale`
// points per unit (pixels where the form does not say).
std::optional<double> Length(std::string_view text, double bareScale = 0.75) {
  text = base::Trim(text);
  struct Unit {
    std::string_view suffix;
    double points;
  };
  static constexpr Unit kUnits[] = {{"pt", 1},           {"in", 72},   {"cm", 72 / 2.54},
                                    {"mm", 72 / 25.4},   {"px", 0.75}, {"pc", 12},
                                    {"emu", 1 / 12700.0}};
  for (const Unit& unit : kUnits) {
    if (text.ends_with(unit.suffix)) {
      std::optional<double> n = Number(text.substr(0, text.size() - unit.suffix.size()));
      if (n) return *n * unit.points;
      return std::nullopt;
    }
  }
  std::optional<double> n = Number(text);
  if (n) return *n * bareScale;
  return std::nullopt;
}

double Single(double points) {
  return static_cast<float>(points);
}

// "0.5" or "32768f" (sixty-five-thousand-five-hundred-and-thirty-sixths).
std::optional<double> Fraction(std::string_view text) {
  text = base::Trim(text);
  if (text.ends_with('f')) {
    std::optional<double> n = Number(text.substr(0, text.size() - 1));
    if (n) return *n / 65536.0;
    return std::nullopt;
  }
  return Number(text);
}

// VML truth values: "t", "true", "on", "1" and their opposites.
std::optional<bool> Truth(pugi::xml_attribute attribute) {
  if (!attribute) return std::nullopt;
  const std::string_view v = base::Trim(attribute.value());
  if (v == "t" || v == "true" || v == "on" || v == "1") return true;
  if (v == "f" || v == "false" || v == "off" || v == "0") return false;
  return std::nullopt;
}

// One property of a CSS-like style attribute ("position:absolute;width:10pt"); "" when absent.
std::string_view StyleValue(std::string_view style, std::string_view key) {
  while (!style.empty()) {
    const size_t end = style.find(';');
    std::string_view entry = style.substr(0, end);
    style = end == std::string_view::npos ? std::string_view() : style.substr(end + 1);
    const size_t colon = entry.find(':');
    if (colon == std::string_view::npos) continue;
    if (base::EqualsNoCase(base::Trim(entry.substr(0, colon)), key))
      return base::Trim(entry.substr(colon + 1));
  }
  return {};
}

// Two numbers "a,b" (coordsize, coordorigin); each missing one is `fallback`.
std::pair<double, double> Pair(std::string_view text, double fallback) {
  const size_t comma = text.find(',');
  const std::optional<double> a = Number(text.substr(0, comma));
  const std::optional<double> b =
      comma == std::string_view::npos ? std::nullopt : Number(text.substr(comma + 1));
  return {a.value_or(fallback), b.value_or(fallback)};
}

struct Named {
  std::string_view name;
  int32_t value;
};

int32_t Lookup(std::string_view name, std::initializer_list<Named> table, int32_t fallback) {
  for (const Named& entry : table) {
    if (entry.name == name) return entry.value;
  }
  return fallback;
}

void ReadAnchors(std::string_view style, ShapeData& data) {
  data.relativeHorizontal =
      Lookup(StyleValue(style, "mso-position-horizontal-relative"),
             {{"margin", wdRelativeHorizontalPositionMargin},
              {"page", wdRelativeHorizontalPositionPage},
              {"text", wdRelativeHorizontalPositionColumn},
              {"char", wdRelativeHorizontalPositionCharacter},
              {"left-margin-area", wdRelativeHorizontalPositionLeftMarginArea},
              {"right-margin-area", wdRelativeHorizontalPositionRightMarginArea},
              {"inner-margin-area", wdRelativeHorizontalPositionInnerMarginArea},
              {"outer-margin-area", wdRelativeHorizontalPositionOuterMarginArea}},
             wdRelativeHorizontalPositionColumn);
  data.relativeVertical =
      Lookup(StyleValue(style, "mso-position-vertical-relative"),
             {{"margin", wdRelativeVerticalPositionMargin},
              {"page", wdRelativeVerticalPositionPage},
              {"text", wdRelativeVerticalPositionParagraph},
              {"line", wdRelativeVerticalPositionLine},
              {"top-margin-area", wdRelativeVerticalPositionTopMarginArea},
              {"bottom-margin-area", wdRelativeVerticalPositionBottomMarginArea},
              {"inner-margin-area", wdRelativeVerticalPositionInnerMarginArea},
              {"outer-margin-area", wdRelativeVerticalPositionOuterMarginArea}},
             wdRelativeVerticalPositionParagraph);
  const std::string_view h = StyleValue(style, "mso-position-horizontal");
  if (!h.empty() && h != "absolute") {
    data.left = Lookup(h,
                       {{"left", wdShapeLeft},
                        {"center", wdShapeCenter},
                        {"right", wdShapeRight},
                        {"inside", wdShapeInside},
                        {"outside", wdShapeOutside}},
                       data.left);
  }
  const std::string_view v = StyleValue(style, "mso-position-vertical");
  if (!v.empty() && v != "absolute") {
    data.top = Lookup(v,
                      {{"top", wdShapeTop},
                       {"center", wdShapeCenter},
                       {"bottom", wdShapeBottom},
                       {"inside", wdShapeInside},
                       {"outside", wdShapeOutside}},
                      data.top);
  }
}

WrapData ReadWrap(pugi::xml_node shape, std::string_view style) {
  WrapData wrap;
  const auto distance = [&](std::string_view key, double fallback) {
    return Single(Length(StyleValue(style, key)).value_or(fallback));
  };
  wrap.left = distance("mso-wrap-distance-left", 9);
  wrap.right = distance("mso-wrap-distance-right", 9);
  wrap.top = distance("mso-wrap-distance-top", 0);
  wrap.bottom = distance("mso-wrap-distance-bottom", 0);
  const bool behind = Number(StyleValue(style, "z-index")).value_or(0) < 0;
  wrap.type = behind ? wdWrapBehind : wdWrapFront;
  if (pugi::xml_node w = Child(shape, "wrap")) {
    wrap.type = Lookup(Attr(w, "type").value(),
                       {{"square", wdWrapSquare},
                        {"tight", wdWrapTight},
                        {"through", wdWrapThrough},
                        {"topAndBottom", wdWrapTopBottom}},
                       wrap.type);
    wrap.side = Lookup(Attr(w, "side").value(),
                       {{"both", wdWrapBoth},
                        {"left", wdWrapLeft},
                        {"right", wdWrapRight},
                        {"largest", wdWrapLargest}},
                       wdWrapBoth);
  }
  return wrap;
}

drawingml::Color ColorOf(pugi::xml_attribute attribute, uint32_t fallback) {
  return drawingml::Color::FromRgb(attribute ? ReadVmlColor(attribute.value()).value_or(fallback)
                                             : fallback);
}

void ReadFill(pugi::xml_node shape, ShapeData& data) {
  pugi::xml_node fill = Child(shape, "fill");
  drawingml::Fill result;
  const bool filled = Truth(Attr(fill, "on")).value_or(Truth(Attr(shape, "filled")).value_or(true));
  if (filled) {
    result.kind = drawingml::FillKind::kSolid;
    result.color =
        ColorOf(Attr(fill, "color") ? Attr(fill, "color") : Attr(shape, "fillcolor"), 0xFFFFFF);
    result.background = ColorOf(Attr(fill, "color2"), 0xFFFFFF);
    result.color.alpha =
        std::clamp(Fraction(Attr(fill, "opacity").value()).value_or(1.0), 0.0, 1.0);
    const std::string_view type = Attr(fill, "type").value();
    if (type.starts_with("gradient")) result.kind = drawingml::FillKind::kGradient;
    if (type == "tile") result.kind = drawingml::FillKind::kPicture;
    if (type == "pattern") result.kind = drawingml::FillKind::kPattern;
    if (type == "frame") result.kind = drawingml::FillKind::kPicture;
  }
  data.fill = result;
}

void ReadStroke(pugi::xml_node shape, ShapeData& data) {
  pugi::xml_node stroke = Child(shape, "stroke");
  drawingml::Line line = ShapeData::NoLine();
  const bool stroked =
      Truth(Attr(stroke, "on")).value_or(Truth(Attr(shape, "stroked")).value_or(true));
  if (stroked) {
    line.fill.kind = drawingml::FillKind::kSolid;
    line.fill.color = ColorOf(
        Attr(stroke, "color") ? Attr(stroke, "color") : Attr(shape, "strokecolor"), 0x000000);
    line.fill.background = ColorOf(Attr(stroke, "color2"), 0xFFFFFF);
    const std::string_view weight = Attr(stroke, "weight") ? Attr(stroke, "weight").value()
                                                           : Attr(shape, "strokeweight").value();
    line.widthEmu = std::llround(Length(weight).value_or(0.75) * 12700);
    using drawingml::DashStyle;
    const std::string_view dash = Attr(stroke, "dashstyle").value();
    static constexpr std::pair<std::string_view, DashStyle> kDashes[] = {
        {"solid", DashStyle::kSolid},
        {"shortdash", DashStyle::kSystemDash},
        {"shortdot", DashStyle::kSystemDot},
        {"shortdashdot", DashStyle::kSystemDashDot},
        {"shortdashdotdot", DashStyle::kSystemDashDotDot},
        {"dot", DashStyle::kDot},
        {"dash", DashStyle::kDash},
        {"longdash", DashStyle::kLongDash},
        {"dashdot", DashStyle::kDashDot},
        {"longdashdot", DashStyle::kLongDashDot},
        {"longdashdotdot", DashStyle::kLongDashDotDot},
    };
    for (const auto& [name, style] : kDashes) {
      if (name == dash) line.dash = style;
    }
    if (line.dash == DashStyle::kDot) line.cap = drawingml::LineCap::kRound;
    using drawingml::CompoundLine;
    static constexpr std::pair<std::string_view, CompoundLine> kStyles[] = {
        {"single", CompoundLine::kSingle},           {"thinThin", CompoundLine::kDouble},
        {"thinThick", CompoundLine::kThinThick},     {"thickThin", CompoundLine::kThickThin},
        {"thickBetweenThin", CompoundLine::kTriple},
    };
    const std::string_view compound = Attr(stroke, "linestyle").value();
    for (const auto& [name, style] : kStyles) {
      if (name == compound) line.compound = style;
    }
  }
  data.line = line;
}

Margins ReadInset(pugi::xml_node textbox) {
  Margins margins;
  double* sides[] = {&margins.left, &margins.top, &margins.right, &margins.bottom};
  std::string_view inset = Attr(textbox, "inset").value();
  for (double* side : sides) {
    const size_t comma = inset.find(',');
    if (std::optional<double> length = Length(inset.substr(0, comma))) *side = Single(*length);
    if (comma == std::string_view::npos) break;
    inset.remove_prefix(comma + 1);
  }
  return margins;
}

int32_t PictureColorType(pugi::xml_node imagedata) {
  if (Truth(Attr(imagedata, "grayscale")).value_or(false)) return msoPictureGrayscale;
  if (Truth(Attr(imagedata, "bilevel")).value_or(false)) return msoPictureBlackAndWhite;
  // The washout the word processor offers as its watermark colour.
  if (Attr(imagedata, "gain") && Attr(imagedata, "blacklevel")) return msoPictureWatermark;
  return msoPictureAutomatic;
}

// An id that only numbers the shape ("_x0000_s1026", "shape_0"), not a name.
bool IsNumberingId(std::string_view id) {
  return id.starts_with("_x0000_") || id.starts_with("shape_");
}

// The name the file gives a shape: "ID" (some writers keep the name there), an id that is more
// than a number, the alternative text; empty when none of these says one.
std::string VmlName(pugi::xml_node shape) {
  if (const std::string_view name = Attr(shape, "ID").value(); !name.empty())
    return std::string(name);
  const std::string_view id = Attr(shape, "id").value();
  if (!id.empty() && !IsNumberingId(id)) return std::string(id);
  return Attr(shape, "alt").value();
}

bool IsVmlShape(std::string_view kind) {
  return kind == "shape" || kind == "rect" || kind == "oval" || kind == "roundrect" ||
         kind == "line" || kind == "group" || kind == "image" || kind == "polyline" ||
         kind == "arc" || kind == "curve";
}

// The rectangle of a shape in the coordinates it is written in: its style's left/top (or
// margins) and size; a line's from/to points.
struct Box {
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;
};

Box ReadBox(pugi::xml_node shape, std::string_view style, double bareScale) {
  Box box;
  const auto length = [&](std::string_view text) { return Length(text, bareScale).value_or(0); };
  if (LocalName(shape.name()) == "line") {
    const auto point = [&](std::string_view text) {
      const size_t comma = text.find(',');
      return std::pair{length(text.substr(0, comma)),
                       comma == std::string_view::npos ? 0 : length(text.substr(comma + 1))};
    };
    const auto [x1, y1] = point(Attr(shape, "from").value());
    const auto [x2, y2] = point(Attr(shape, "to").value());
    return Box{std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1), std::abs(y2 - y1)};
  }
  std::string_view left = StyleValue(style, "margin-left");
  if (left.empty()) left = StyleValue(style, "left");
  std::string_view top = StyleValue(style, "margin-top");
  if (top.empty()) top = StyleValue(style, "top");
  box.left = length(left);
  box.top = length(top);
  box.width = length(StyleValue(style, "width"));
  box.height = length(StyleValue(style, "height"));
  return box;
}

// Maps a group's coordinates onto its rectangle on the page.
struct GroupSpace {
  Box page;
  double originX = 0;
  double originY = 0;
  double sizeX = 1000;
  double sizeY = 1000;

  Box Map(const Box& box) const {
    const double sx = sizeX != 0 ? page.width / sizeX : 0;
    const double sy = sizeY != 0 ? page.height / sizeY : 0;
    return Box{page.left + (box.left - originX) * sx, page.top + (box.top - originY) * sy,
               box.width * sx, box.height * sy};
  }
};

std::unique_ptr<ShapeData> ReadVmlShape(pugi::xml_node shape, const Box& box,
                                        const ShapeReadContext& context, int depth);

void ReadVmlGroup(pugi::xml_node group, ShapeData& data, const ShapeReadContext& context,
                  int depth) {
  data.type = msoGroup;
  data.fill = drawingml::Fill{};
  if (depth >= kMaxGroupDepth) return;
  GroupSpace space;
  const auto origin = [](double offset) { return IsAligned(offset) ? 0.0 : offset; };
  space.page = Box{origin(data.left), origin(data.top), data.width, data.height};
  std::tie(space.sizeX, space.sizeY) = Pair(Attr(group, "coordsize").value(), 1000);
  std::tie(space.originX, space.originY) = Pair(Attr(group, "coordorigin").value(), 0);
  for (pugi::xml_node c = group.first_child(); c; c = c.next_sibling()) {
    if (!IsVmlShape(LocalName(c.name()))) continue;
    const Box box = space.Map(ReadBox(c, Attr(c, "style").value(), 1));
    std::unique_ptr<ShapeData> child = ReadVmlShape(c, box, context, depth + 1);
    child->relativeHorizontal = data.relativeHorizontal;
    child->relativeVertical = data.relativeVertical;
    child->wrap = data.wrap;
    data.children.push_back(std::move(child));
  }
}

std::unique_ptr<ShapeData> ReadVmlShape(pugi::xml_node shape, const Box& box,
                                        const ShapeReadContext& context, int depth) {
  auto data = std::make_unique<ShapeData>();
  data->left = Single(box.left);
  data->top = Single(box.top);
  data->width = Single(box.width);
  data->height = Single(box.height);
  const std::string_view kind = LocalName(shape.name());
  if (kind == "group") {
    ReadVmlGroup(shape, *data, context, depth);
  } else {
    ReadFill(shape, *data);
    ReadStroke(shape, *data);
    const std::string_view type = Attr(shape, "type").value();
    pugi::xml_node imagedata = Child(shape, "imagedata");
    pugi::xml_node textbox = Child(shape, "textbox");
    if (kind == "line") {
      data->type = msoLine;
    } else if (kind == "image" || imagedata) {
      data->type = msoPicture;
      data->pictureColorType = PictureColorType(imagedata ? imagedata : shape);
      data->fill = drawingml::Fill{};
    } else if (type == "#_x0000_t202" || std::string_view(Attr(shape, "spt").value()) == "202") {
      data->type = msoTextBox;
    } else {
      data->type = msoAutoShape;
    }
    data->hasTextFrame = data->type == msoTextBox || data->type == msoAutoShape;
    data->margins = ReadInset(textbox);
    data->textBox = Child(textbox, "txbxContent");
  }
  data->name = VmlName(shape);
  data->nameFromFile = !data->name.empty();
  if (data->name.empty()) data->name = GeneratedName(data->type, context);
  return data;
}

}  // namespace

std::vector<std::unique_ptr<ShapeData>> ReadVmlPicture(pugi::xml_node pict,
                                                       const ShapeReadContext& context) {
  std::vector<std::unique_ptr<ShapeData>> shapes;
  for (pugi::xml_node shape = pict.first_child(); shape; shape = shape.next_sibling()) {
    if (!IsVmlShape(LocalName(shape.name()))) continue;
    const std::string_view style = Attr(shape, "style").value();
    if (StyleValue(style, "position") != "absolute") continue;
    // The group reads its children from where its anchors put it.
    ShapeData placed;
    placed.left = 0;
    ReadAnchors(style, placed);
    Box box = ReadBox(shape, style, 0.75);
    if (IsAligned(placed.left)) box.left = placed.left;
    if (IsAligned(placed.top)) box.top = placed.top;
    WrapData wrap = ReadWrap(shape, style);
    auto data = std::make_unique<ShapeData>();
    data->left = Single(box.left);
    data->top = Single(box.top);
    data->width = Single(box.width);
    data->height = Single(box.height);
    data->relativeHorizontal = placed.relativeHorizontal;
    data->relativeVertical = placed.relativeVertical;
    data->wrap = wrap;
    if (LocalName(shape.name()) == "group") {
      ReadVmlGroup(shape, *data, context, 0);
      data->name = VmlName(shape);
      data->nameFromFile = !data->name.empty();
      if (data->name.empty()) data->name = GeneratedName(msoGroup, context);
    } else {
      std::unique_ptr<ShapeData> read = ReadVmlShape(shape, box, context, 0);
      read->relativeHorizontal = placed.relativeHorizontal;
      read->relativeVertical = placed.relativeVertical;
      read->wrap = wrap;
      data = std::move(read);
    }
    shapes.push_back(std::move(data));
  }
  return shapes;
}

}  // namespace word
