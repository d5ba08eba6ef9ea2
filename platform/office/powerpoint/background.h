// The background of a slide, layout or master (Background.Fill) and whether a slide follows its
// master's (FollowMasterBackground). A part's background is its own p:bg, given as properties
// (p:bgPr) or as a reference into the theme's background fills (p:bgRef); a part without one
// shows its layout's, that one its master's; a master without one shows its bg1 colour.
#pragma once

#include <cstdint>

#include "platform/base/result.h"
#include "platform/office/powerpoint/fill_format.h"

namespace powerpoint {

class SlidePart;  // slide_part.h

class Background {
 public:
  explicit Background(const SlidePart& part) : part_(part) {}
  // The fill shown behind the part's shapes, its colours resolved through the part's colour map;
  // fails when the background that applies cannot be read.
  base::Result<FillFormat> Fill() const;

 private:
  const SlidePart& part_;
};

// msoTrue when the part has no background of its own (it shows the one of the part above).
int32_t FollowsMasterBackground(const SlidePart& part);

}  // namespace powerpoint
