// Document.Background: the page background (w:background with its VML fill v:background/v:fill),
// its fill's kind and, for a gradient, which of the word processor's preset gradients it is.
// FillFormat also answers a drawing object's fill (Shape.Fill, shape_formats.cpp).
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include <pugixml.hpp>

#include "platform/base/result.h"

namespace word {

class ColorFormat;
class Document;
class Shape;

class FillFormat {
 public:
  explicit FillFormat(pugi::xml_node background) : background_(background) {}
  explicit FillFormat(const Shape& shape) : shape_(&shape) {}

  // MsoFillType: a gradient (v:fill type "gradient", "gradientRadial"), a texture ("tile"), a
  // pattern, a picture ("frame"), else solid (w:background w:color). Fails when the document
  // has no background.
  base::Result<int32_t> Type() const;
  // MsoPresetGradientType of a gradient whose colours are a preset's
  // (drawingml::MsoPresetGradientOf); msoPresetGradientMixed for any other gradient and any other
  // fill. Fails when the document has no background.
  base::Result<int32_t> PresetGradientType() const;

  // A shape's fill (4605 for the background): kTrue when something is painted inside it; its
  // colour (a gradient's first stop, a pattern's foreground; white without one); the
  // transparency of that colour, 0 opaque .. 1 invisible.
  base::Result<int32_t> Visible() const;
  ColorFormat ForeColor() const;
  base::Result<double> Transparency() const;

 private:
  pugi::xml_node background_;     // w:background; empty when the document has none
  const Shape* shape_ = nullptr;  // for a shape's fill
};

class Background {
 public:
  explicit Background(pugi::xml_node background) : background_(background) {}
  FillFormat Fill() const { return FillFormat(background_); }

 private:
  pugi::xml_node background_;
};

// The preset a gradient of these colours (0xRRGGBB, in the file's order) is, or
// msoPresetGradientMixed.
int32_t PresetGradientOf(const std::vector<uint32_t>& colors);

// A VML colour: "#rrggbb", "#rgb" or one of the sixteen colour names, with anything after its
// first word left out ("#ff0000 [10]"); nullopt when unreadable.
std::optional<uint32_t> ReadVmlColor(std::string_view text);

// The colours of a VML colour list ("0 #000082;19661f #66008f;58982f red;1 #ff8200"): "#rrggbb",
// "#rgb" and the sixteen colour names; an unreadable entry is left out.
std::vector<uint32_t> ReadVmlColors(std::string_view list);

}  // namespace word
