// The fill of a shape or a background as the object model's FillFormat reports it: its type,
// fore and back colour (as RGB and as theme colour), gradient colour type, style and variant,
// pattern, and the picture behind a texture. A shape's fill is its own spPr fill, else its
// style's fillRef, else the placeholder's it inherits from (layout, then master); a grpFill
// takes the enclosing group's. Presets are not stored in the file by number: a preset gradient
// is recognised by its stops, a preset texture not at all (README.md).
#pragma once

#include <cstdint>
#include <string>

#include <pugixml.hpp>

#include "platform/base/result.h"
#include "platform/office/common/mso_constants.h"
#include "platform/office/drawingml/fill.h"
#include "platform/office/powerpoint/text_range.h"

namespace powerpoint {

class SlidePart;  // slide_part.h

using office::MsoFillType;
using enum office::MsoFillType;
using office::MsoGradientColorType;
using enum office::MsoGradientColorType;
using office::MsoTextureType;
using enum office::MsoTextureType;

class FillFormat {
 public:
  // `fill` as read from `element` (the fill element itself, empty for a fill the file does not
  // write, such as an absent background); `reference` is the colour element of the style
  // reference (fillRef, bgRef) a theme entry's phClr stands for; `source` is the part whose
  // relationships the element's picture refers to.
  FillFormat(drawingml::Fill fill, pugi::xml_node element, pugi::xml_node reference,
             const SlidePart* source)
      : fill_(std::move(fill)), element_(element), reference_(reference), source_(source) {}

  // msoTrue when something is painted, msoFalse for no fill.
  int32_t Visible() const;
  // MsoFillType; not available for no fill.
  base::Result<int32_t> Type() const;
  // The solid colour, a pattern's foreground, a gradient's first stop; not available otherwise.
  base::Result<ColorFormat> ForeColor() const;
  // A pattern's background, a gradient's last stop; not available otherwise.
  base::Result<ColorFormat> BackColor() const;
  // MsoGradientColorType, MsoGradientStyle and its variant (1..4) of a gradient; not available
  // for other fills and for gradients no style describes.
  base::Result<int32_t> GradientColorType() const;
  base::Result<int32_t> GradientStyle() const;
  base::Result<int32_t> GradientVariant() const;
  // MsoPresetGradientType of a gradient whose stops are one of the suite's presets (the file
  // keeps the stops, not the number); not available for any other fill.
  base::Result<int32_t> PresetGradientType() const;
  // MsoPresetTexture: a preset texture is saved as a picture like any other; not available.
  base::Result<int32_t> PresetTexture() const;
  // MsoTextureType of a tiled picture: user defined for a linked picture (a preset texture is
  // always embedded); not available for an embedded one and for other fills.
  base::Result<int32_t> TextureType() const;
  // The file a texture or picture fill was linked from, as the relationship names it; not
  // available for an embedded picture (the file keeps no name for it) and for other fills.
  base::Result<std::string> TextureName() const;
  // MsoPatternType of a pattern fill; not available for other fills.
  base::Result<int32_t> Pattern() const;

  const drawingml::Fill& Resolved() const { return fill_; }

 private:
  base::Result<ColorFormat> ColorOf(const drawingml::Color& color, pugi::xml_node element) const;

  drawingml::Fill fill_;
  pugi::xml_node element_;
  pugi::xml_node reference_;
  const SlidePart* source_;
};

// The theme fill a style reference (fillRef, bgRef) names, in the reference's colour; no fill for
// the numbers 0 and 1000. Fails when the reference or its theme entry cannot be read.
base::Result<FillFormat> ReadStyleFill(pugi::xml_node ref, const SlidePart& source,
                                       const drawingml::Context& context);

}  // namespace powerpoint
