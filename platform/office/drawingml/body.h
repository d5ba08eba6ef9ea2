// A text body's frame (a:bodyPr): the insets the object models report as the text frame's
// margins, wrapping, anchoring, rotation and the WordArt warp preset. A placeholder's body
// takes what it leaves out from its layout and master, so a body is read over a base.
#pragma once

#include <cstdint>
#include <string>

#include <pugixml.hpp>

#include "platform/base/result.h"

namespace drawingml {

enum class Autofit : uint8_t { kNone, kShrinkText, kResizeShape };

struct BodyProperties {
  int64_t leftInsetEmu = 91440;  // 0.1 inch
  int64_t topInsetEmu = 45720;   // 0.05 inch
  int64_t rightInsetEmu = 91440;
  int64_t bottomInsetEmu = 45720;
  bool wrap = true;          // wrap="square"; false for "none"
  std::string anchor = "t";  // t, ctr, b, just, dist
  std::string vertical = "horz";
  double rotationDeg = 0;
  std::string warp;  // prstTxWarp preset ("textArchUp"); empty without one
  Autofit autofit = Autofit::kNone;
};

// Lays `bodyPr` over `base`: what it sets replaces the base's. kMissing when `bodyPr` is empty;
// unreadable numbers are kMalformed.
base::Result<BodyProperties> ReadBodyProperties(pugi::xml_node bodyPr,
                                                const BodyProperties& base = BodyProperties{});

}  // namespace drawingml
