// Selection.ShapeRange and what UnGroup answers: some shapes of one document, answered for
// their first one where the object model asks a single value (Name, Width, Fill, ...).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/base/result.h"
#include "platform/office/word/shapes.h"

namespace word {

class ShapeRange {
 public:
  // Needs at least one shape.
  explicit ShapeRange(std::vector<Shape*> shapes);

  int32_t Count() const { return static_cast<int32_t>(shapes_.size()); }
  // From 1; out of range fails (5941).
  base::Result<Shape*> Item(int32_t index) const;
  const std::vector<Shape*>& Members() const { return shapes_; }

  // Selects these shapes.
  base::Status Select();
  // Ungroups every group among them; the children of all, in order. Fails (4605) when none is
  // a group.
  base::Result<ShapeRange> UnGroup();

  // The first shape's.
  base::Result<std::string> Name() const { return First().Name(); }
  base::Result<int32_t> Type() const { return First().Type(); }
  base::Result<double> Width() const { return First().Width(); }
  base::Result<double> Height() const { return First().Height(); }
  base::Result<double> Left() const { return First().Left(); }
  base::Result<double> Top() const { return First().Top(); }
  base::Result<int32_t> RelativeHorizontalPosition() const {
    return First().RelativeHorizontalPosition();
  }
  base::Status SetRelativeHorizontalPosition(int32_t relative) {
    return First().SetRelativeHorizontalPosition(relative);
  }
  base::Result<int32_t> RelativeVerticalPosition() const {
    return First().RelativeVerticalPosition();
  }
  base::Status SetRelativeVerticalPosition(int32_t relative) {
    return First().SetRelativeVerticalPosition(relative);
  }
  FillFormat Fill() const { return First().Fill(); }
  LineFormat Line() const { return First().Line(); }
  word::WrapFormat WrapFormat() const { return First().WrapFormat(); }
  word::TextFrame TextFrame() const { return First().TextFrame(); }
  word::PictureFormat PictureFormat() const { return First().PictureFormat(); }

 private:
  Shape& First() const { return *shapes_.front(); }

  std::vector<Shape*> shapes_;
};

}  // namespace word
