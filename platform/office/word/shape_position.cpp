// The page origins of the relative positions.
#include "platform/office/word/shape_position.h"

#include "platform/office/word/constants.h"

namespace word {

std::optional<double> HorizontalOrigin(int32_t relative, const PageSetup& page) {
  switch (relative) {
    case wdRelativeHorizontalPositionPage:
    case wdRelativeHorizontalPositionLeftMarginArea:
    case wdRelativeHorizontalPositionInnerMarginArea:
      return 0.0;
    case wdRelativeHorizontalPositionMargin:
      return page.LeftMargin();
    case wdRelativeHorizontalPositionRightMarginArea:
    case wdRelativeHorizontalPositionOuterMarginArea:
      return page.PageWidth() - page.RightMargin();
    default:
      return std::nullopt;
  }
}

std::optional<double> VerticalOrigin(int32_t relative, const PageSetup& page) {
  switch (relative) {
    case wdRelativeVerticalPositionPage:
    case wdRelativeVerticalPositionTopMarginArea:
    case wdRelativeVerticalPositionInnerMarginArea:
      return 0.0;
    case wdRelativeVerticalPositionMargin:
      return page.TopMargin();
    case wdRelativeVerticalPositionBottomMarginArea:
    case wdRelativeVerticalPositionOuterMarginArea:
      return page.PageHeight() - page.BottomMargin();
    default:
      return std::nullopt;
  }
}

}  // namespace word
