// The page origins of the relative positions.
#include "platform/office/word/shape_position.h"

#include "platform/office/word/constants.h"

namespace word {

constexpr bool Alike(int32_t vertical, int32_t horizontal) {
  return vertical == horizontal;
}
static_assert(
    Alike(wdRelativeVerticalPositionMargin, wdRelativeHorizontalPositionMargin) &&
    Alike(wdRelativeVerticalPositionPage, wdRelativeHorizontalPositionPage) &&
    Alike(wdRelativeVerticalPositionParagraph, wdRelativeHorizontalPositionColumn) &&
    Alike(wdRelativeVerticalPositionLine, wdRelativeHorizontalPositionCharacter) &&
    Alike(wdRelativeVerticalPositionTopMarginArea, wdRelativeHorizontalPositionLeftMarginArea) &&
    Alike(wdRelativeVerticalPositionBottomMarginArea,
          wdRelativeHorizontalPositionRightMarginArea) &&
    Alike(wdRelativeVerticalPositionInnerMarginArea, wdRelativeHorizontalPositionInnerMarginArea) &&
    Alike(wdRelativeVerticalPositionOuterMarginArea, wdRelativeHorizontalPositionOuterMarginArea));

bool NeedsLayout(Axis, int32_t relative) {
  return relative == wdRelativeHorizontalPositionColumn ||
         relative == wdRelativeHorizontalPositionCharacter;
}

std::optional<double> Origin(Axis axis, int32_t relative, const PageSetup& page,
                             const TextPlace* place) {
  const bool across = axis == Axis::kHorizontal;
  switch (relative) {
    case wdRelativeHorizontalPositionPage:
    case wdRelativeHorizontalPositionLeftMarginArea:
    case wdRelativeHorizontalPositionInnerMarginArea:
      return 0.0;
    case wdRelativeHorizontalPositionMargin:
      return across ? page.LeftMargin() : page.TopMargin();
    case wdRelativeHorizontalPositionRightMarginArea:
    case wdRelativeHorizontalPositionOuterMarginArea:
      return across ? page.PageWidth() - page.RightMargin()
                    : page.PageHeight() - page.BottomMargin();
    case wdRelativeHorizontalPositionColumn:
      if (place == nullptr) return std::nullopt;
      return across ? place->columnLeft : place->paragraphTop;
    case wdRelativeHorizontalPositionCharacter:
      if (place == nullptr) return std::nullopt;
      return across ? place->characterLeft : place->lineTop;
    default:
      return std::nullopt;
  }
}

}  // namespace word
