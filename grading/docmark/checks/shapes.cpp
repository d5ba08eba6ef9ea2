// Finding the drawing object part A's rules talk about.
#include "grading/docmark/checks/shapes.h"

#include "grading/docmark/checks/check_values.h"
#include "grading/docmark/checks/shapes_navigation.h"
#include "platform/base/text.h"

namespace docmark {

int16_t ExistShape(word::Application& app, std::string_view prefix, std::string& shapeName) {
  const int16_t number = FindShapeIndex(app, prefix);
  if (number == kNoShapeNumber) {
    shapeName.clear();
    return ToTruth(false);
  }
  shapeName = NumberedShapeName(prefix, number);
  // A group's text is its children's; they are copied once the group is taken apart.
  if (!base::AsciiLower(shapeName).starts_with("group")) CopyTextBoxToStart(app, shapeName);
  return ToTruth(true);
}

}  // namespace docmark
