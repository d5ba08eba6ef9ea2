// The object-model numbers of drawing objects that constants.h does not hold: what kind a shape
// is, how its line is drawn and the positions a centred or edge-aligned shape answers for Left
// and Top.
#pragma once

#include <cstdint>

namespace word {

enum MsoShapeType : int32_t {
  msoShapeTypeMixed = -2,
  msoAutoShape = 1,
  msoCallout = 2,
  msoChart = 3,
  msoComment = 4,
  msoFreeform = 5,
  msoGroup = 6,
  msoEmbeddedOLEObject = 7,
  msoFormControl = 8,
  msoLine = 9,
  msoLinkedOLEObject = 10,
  msoLinkedPicture = 11,
  msoOLEControlObject = 12,
  msoPicture = 13,
  msoPlaceholder = 14,
  msoTextEffect = 15,
  msoMedia = 16,
  msoTextBox = 17,
};

enum MsoLineStyle : int32_t {
  msoLineStyleMixed = -2,
  msoLineSingle = 1,
  msoLineThinThin = 2,
  msoLineThinThick = 3,
  msoLineThickThin = 4,
  msoLineThickBetweenThin = 5,
};

enum MsoLineDashStyle : int32_t {
  msoLineDashStyleMixed = -2,
  msoLineSolid = 1,
  msoLineSquareDot = 2,
  msoLineRoundDot = 3,
  msoLineDash = 4,
  msoLineDashDot = 5,
  msoLineDashDotDot = 6,
  msoLineLongDash = 7,
  msoLineLongDashDot = 8,
};

// Left and Top of a shape aligned rather than placed at an offset.
enum WdShapePosition : int32_t {
  wdShapeTop = -999999,
  wdShapeLeft = -999998,
  wdShapeBottom = -999997,
  wdShapeRight = -999996,
  wdShapeCenter = -999995,
  wdShapeInside = -999994,
  wdShapeOutside = -999993,
};

}  // namespace word
