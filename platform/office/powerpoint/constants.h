// The presentation program's object-model numbers, as its type library publishes them: every
// value a property of this model reports is one of these. Callers compare with them by name
// (ppLayoutTitle, msoPlaceholder), never with the bare number. The tables from the file's own
// names (a:prstGeom's prst, p:ph's type, p:sldLayout's type) to these numbers are in
// constants.cpp, the one place that knows both.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace powerpoint {

// MsoTriState: truth values, and what a switch answers over text that holds both.
inline constexpr int32_t msoTrue = -1;
inline constexpr int32_t msoFalse = 0;
inline constexpr int32_t msoTriStateMixed = -2;

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

// MsoAutoShapeType: the named values callers use; every other preset's number comes from the
// table in constants.cpp (msoShapeRectangle 1 .. msoShapeLineInverse 183).
enum MsoAutoShapeType : int32_t {
  msoShapeMixed = -2,
  msoShapeRectangle = 1,
  msoShapeRoundedRectangle = 5,
  msoShapeIsoscelesTriangle = 7,
  msoShapeOval = 9,
  msoShapeRightArrow = 33,
  msoShapeFlowchartProcess = 61,
  msoShape5pointStar = 92,
  msoShapeNotPrimitive = 138,
};

enum PpPlaceholderType : int32_t {
  ppPlaceholderMixed = -2,
  ppPlaceholderTitle = 1,
  ppPlaceholderBody = 2,
  ppPlaceholderCenterTitle = 3,
  ppPlaceholderSubtitle = 4,
  ppPlaceholderVerticalTitle = 5,
  ppPlaceholderVerticalBody = 6,
  ppPlaceholderObject = 7,
  ppPlaceholderChart = 8,
  ppPlaceholderBitmap = 9,
  ppPlaceholderMediaClip = 10,
  ppPlaceholderOrgChart = 11,
  ppPlaceholderTable = 12,
  ppPlaceholderSlideNumber = 13,
  ppPlaceholderHeader = 14,
  ppPlaceholderFooter = 15,
  ppPlaceholderDate = 16,
  ppPlaceholderVerticalObject = 17,
  ppPlaceholderPicture = 18,
};

enum PpSlideLayout : int32_t {
  ppLayoutMixed = -2,
  ppLayoutTitle = 1,
  ppLayoutText = 2,
  ppLayoutTwoColumnText = 3,
  ppLayoutTable = 4,
  ppLayoutTextAndChart = 5,
  ppLayoutChartAndText = 6,
  ppLayoutOrgchart = 7,
  ppLayoutChart = 8,
  ppLayoutTextAndClipart = 9,
  ppLayoutClipartAndText = 10,
  ppLayoutTitleOnly = 11,
  ppLayoutBlank = 12,
  ppLayoutTextAndObject = 13,
  ppLayoutObjectAndText = 14,
  ppLayoutLargeObject = 15,
  ppLayoutObject = 16,
  ppLayoutTextAndMediaClip = 17,
  ppLayoutMediaClipAndText = 18,
  ppLayoutObjectOverText = 19,
  ppLayoutTextOverObject = 20,
  ppLayoutTextAndTwoObjects = 21,
  ppLayoutTwoObjectsAndText = 22,
  ppLayoutTwoObjectsOverText = 23,
  ppLayoutFourObjects = 24,
  ppLayoutVerticalText = 25,
  ppLayoutClipArtAndVerticalText = 26,
  ppLayoutVerticalTitleAndText = 27,
  ppLayoutVerticalTitleAndTextOverChart = 28,
  ppLayoutTwoObjects = 29,
  ppLayoutObjectAndTwoObjects = 30,
  ppLayoutTwoObjectsAndObject = 31,
  ppLayoutCustom = 32,
  ppLayoutSectionHeader = 33,
  ppLayoutComparison = 34,
  ppLayoutContentWithCaption = 35,
  ppLayoutPictureWithCaption = 36,
};

enum PpParagraphAlignment : int32_t {
  ppAlignmentMixed = -2,
  ppAlignLeft = 1,
  ppAlignCenter = 2,
  ppAlignRight = 3,
  ppAlignJustify = 4,
  ppAlignDistribute = 5,
  ppAlignThaiDistribute = 6,
  ppAlignJustifyLow = 7,
};

enum PpMediaType : int32_t {
  ppMediaTypeMixed = -2,
  ppMediaTypeOther = 1,
  ppMediaTypeSound = 2,
  ppMediaTypeMovie = 3,
};

// The number of a preset geometry name as a:prstGeom writes it ("rect" -> msoShapeRectangle,
// "flowChartProcess" -> msoShapeFlowchartProcess); nullopt for a name no auto shape has.
std::optional<int32_t> AutoShapeTypeOf(std::string_view preset);
// The placeholder type p:ph's type attribute names ("" is "obj", the file format's default);
// a vertical orientation turns title, body and object into their vertical kinds. nullopt for
// an unknown name.
std::optional<int32_t> PlaceholderTypeOf(std::string_view type, bool vertical);
// The layout number of a p:sldLayout's type attribute ("" is "cust"); nullopt when unknown.
std::optional<int32_t> SlideLayoutOf(std::string_view type);

}  // namespace powerpoint
