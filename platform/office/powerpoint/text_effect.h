// A shape's text seen as WordArt, as the object model's TextEffectFormat reports it: the warp
// its text body is bent to (a:prstTxWarp) as a preset shape number, its text, and the font of
// its first run. The gallery style a WordArt was made from is not stored in the file.
#pragma once

#include <cstdint>
#include <string>

#include "platform/base/result.h"

namespace powerpoint {

class Shape;
class TextBody;

class TextEffectFormat {
 public:
  // `warp` is the prstTxWarp preset of the shape's text body ("" without one), or why it could
  // not be read.
  TextEffectFormat(const TextBody* body, base::Result<std::string> warp)
      : body_(body), warp_(std::move(warp)) {}

  // MsoPresetTextEffectShape (msoTextEffectShapePlainText 1 .. msoTextEffectShapeCascadeDown
  // 40) of the warp preset. Fails not available without a warp ("textNoShape", or none written)
  // and for a name that is no preset.
  base::Result<int32_t> PresetShape() const;
  // MsoPresetTextEffect: the file records no gallery style, so this always fails not available.
  base::Result<int32_t> PresetTextEffect() const;
  // The shape's text, paragraphs joined by CR.
  std::string Text() const;
  // The first run's font (the paragraph end's where the text has no run): its Latin typeface,
  // size in points, and MsoTriState switches.
  base::Result<std::string> FontName() const;
  base::Result<float> FontSize() const;
  base::Result<int32_t> FontBold() const;
  base::Result<int32_t> FontItalic() const;

 private:
  const TextBody* body_;
  base::Result<std::string> warp_;
};

// The warp preset of `shape`'s text body, read over the bodies of the placeholders it inherits
// from; "" when none sets one.
base::Result<std::string> WarpOf(const Shape& shape);

}  // namespace powerpoint
