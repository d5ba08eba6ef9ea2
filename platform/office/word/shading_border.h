// The Shading and Border objects: the shading or one border line of whatever a range covers
// (text, paragraphs, cells), as the values found there; a member answers wdUndefined when they
// differ.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/base/result.h"
#include "platform/office/word/properties.h"

namespace word {

class Shading {
 public:
  explicit Shading(std::vector<ShadingProps> found) : found_(std::move(found)) {}

  base::Result<int32_t> Texture() const;                 // WdTextureIndex
  base::Result<int32_t> ForegroundPatternColor() const;  // a colour, wdColorAutomatic
  base::Result<int32_t> BackgroundPatternColor() const;
  base::Result<int32_t> ForegroundPatternColorIndex() const;  // WdColorIndex
  base::Result<int32_t> BackgroundPatternColorIndex() const;
  // The values found, one per piece read.
  const std::vector<ShadingProps>& Props() const { return found_; }

 private:
  std::vector<ShadingProps> found_;
};

class Border {
 public:
  explicit Border(std::vector<BorderProps> found) : found_(std::move(found)) {}

  base::Result<int32_t> LineStyle() const;  // WdLineStyle
  // WdLineWidth; a side without a line answers the default width, wdLineWidth050pt.
  base::Result<int32_t> LineWidth() const;
  base::Result<int32_t> Color() const;       // a colour, wdColorAutomatic
  base::Result<int32_t> ColorIndex() const;  // WdColorIndex
  // Borders.Shadow: True when the line casts a shadow.
  base::Result<int32_t> Shadow() const;
  const std::vector<BorderProps>& Props() const { return found_; }

 private:
  std::vector<BorderProps> found_;
};

}  // namespace word
