// The line a shape shows, resolved through its style and its placeholder chain.
#include "platform/office/powerpoint/line_format.h"

#include <vector>

#include "platform/office/common/xml_names.h"
#include "platform/office/drawingml/codes.h"
#include "platform/office/powerpoint/constants.h"
#include "platform/office/powerpoint/errors.h"
#include "platform/office/powerpoint/shapes.h"
#include "platform/office/powerpoint/slide_part.h"

namespace powerpoint {

using office::Child;

int32_t LineFormat::Visible() const {
  return line_.Visible() ? msoTrue : msoFalse;
}

float LineFormat::Weight() const {
  return static_cast<float>(line_.WidthPoints());
}

int32_t LineFormat::DashStyle() const {
  return drawingml::MsoLineDashStyleOf(line_);
}

int32_t LineFormat::Style() const {
  return drawingml::MsoLineStyleOf(line_);
}

base::Result<ColorFormat> LineFormat::ForeColor() const {
  switch (line_.fill.kind) {
    case drawingml::FillKind::kSolid:
    case drawingml::FillKind::kPattern:
    case drawingml::FillKind::kGradient:
      return ColorFormat(line_.fill.color.Ole());
    default:
      return NotAvailable("the line is not drawn in a colour");
  }
}

base::Result<LineFormat> ReadLineFormat(const Shape& shape) {
  switch (shape.Kind()) {
    case Shape::ElementKind::kShape:
    case Shape::ElementKind::kPicture:
    case Shape::ElementKind::kConnector:
      break;
    default:
      return NotAvailable("shape \"", shape.Name(), "\" has no line of its own");
  }
  // The master's placeholder first, the shape itself last: each level's style line replaces
  // what came before, its own a:ln changes what it sets.
  std::vector<const Shape*> chain;
  for (const Shape* level = &shape; level != nullptr; level = level->Inherited())
    chain.push_back(level);
  const SlidePart& owner = shape.Owner();
  const drawingml::Context context{&owner.Theme(), &owner.ColorMap()};
  drawingml::Line line;
  for (auto level = chain.rbegin(); level != chain.rend(); ++level) {
    pugi::xml_node element = (*level)->Element();
    if (pugi::xml_node lnRef = Child(Child(element, "style"), "lnRef")) {
      base::Result<drawingml::Line> styled = drawingml::ResolveStyleLine(lnRef, context);
      if (!styled)
        return Unreadable("the style line of \"", shape.Name(), "\": ", styled.error().message);
      line = *styled;
    }
    if (pugi::xml_node ln = Child(Child(element, "spPr"), "ln")) {
      base::Result<drawingml::Line> own = drawingml::ReadLine(ln, context, line);
      if (!own) return Unreadable("the line of \"", shape.Name(), "\": ", own.error().message);
      line = *own;
    }
  }
  return LineFormat(line);
}

base::Result<LineFormat> Shape::Line() const {
  return ReadLineFormat(*this);
}

}  // namespace powerpoint
