// The office suite's shared object-model numbers that more than one program's model reports, as
// the type library publishes them; each model brings them into its own namespace.
#pragma once

#include <cstdint>

namespace office {

// Shape.Type: what kind of drawing object a shape is.
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
  msoScriptAnchor = 18,
  msoTable = 19,
  msoCanvas = 20,
  msoDiagram = 21,
  msoInk = 22,
  msoInkComment = 23,
  msoSmartArt = 24,
  msoSlicer = 25,
  msoWebVideo = 26,
  msoContentApp = 27,
  msoGraphic = 28,
  msoLinkedGraphic = 29,
  mso3DModel = 30,
  msoLinked3DModel = 31,
};

}  // namespace office
