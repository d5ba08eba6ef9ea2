// The presentation program's object-model numbers, as its type library publishes them: every
// value a property of this model reports is one of these. Callers compare with them by name
// (ppLayoutTitle, msoPlaceholder), never with the bare number. The tables from the file's own
// names (a:prstGeom's prst, p:ph's type, p:sldLayout's type) to these numbers are in
// constants.cpp, the one place that knows both.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

#include "platform/office/common/mso_constants.h"

namespace powerpoint {

// MsoTriState: truth values, and what a switch answers over text that holds both.
inline constexpr int32_t msoTrue = -1;
inline constexpr int32_t msoFalse = 0;
inline constexpr int32_t msoTriStateMixed = -2;

using office::MsoShapeType;
using enum office::MsoShapeType;

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

// PpEntryEffect: a slide's transition (SlideShowTransition.EntryEffect) and a shape's entry
// animation. Values a slide transition can take; the animation-only ones (fly, peek, crawl,
// stretch ...) join with the animation reader.
enum PpEntryEffect : int32_t {
  ppEffectMixed = -2,
  ppEffectNone = 0,
  ppEffectCut = 257,
  ppEffectCutThroughBlack = 258,
  ppEffectRandom = 513,
  ppEffectBlindsHorizontal = 769,
  ppEffectBlindsVertical = 770,
  ppEffectCheckerboardAcross = 1025,
  ppEffectCheckerboardDown = 1026,
  ppEffectCoverLeft = 1281,
  ppEffectCoverUp = 1282,
  ppEffectCoverRight = 1283,
  ppEffectCoverDown = 1284,
  ppEffectCoverLeftUp = 1285,
  ppEffectCoverRightUp = 1286,
  ppEffectCoverLeftDown = 1287,
  ppEffectCoverRightDown = 1288,
  ppEffectDissolve = 1537,
  ppEffectFade = 1793,
  ppEffectUncoverLeft = 2049,
  ppEffectUncoverUp = 2050,
  ppEffectUncoverRight = 2051,
  ppEffectUncoverDown = 2052,
  ppEffectUncoverLeftUp = 2053,
  ppEffectUncoverRightUp = 2054,
  ppEffectUncoverLeftDown = 2055,
  ppEffectUncoverRightDown = 2056,
  ppEffectRandomBarsHorizontal = 2305,
  ppEffectRandomBarsVertical = 2306,
  ppEffectStripsUpLeft = 2561,
  ppEffectStripsUpRight = 2562,
  ppEffectStripsDownLeft = 2563,
  ppEffectStripsDownRight = 2564,
  ppEffectStripsLeftUp = 2565,
  ppEffectStripsRightUp = 2566,
  ppEffectStripsLeftDown = 2567,
  ppEffectStripsRightDown = 2568,
  ppEffectWipeLeft = 2817,
  ppEffectWipeUp = 2818,
  ppEffectWipeRight = 2819,
  ppEffectWipeDown = 2820,
  ppEffectBoxOut = 3073,
  ppEffectBoxIn = 3074,
  ppEffectSplitHorizontalOut = 3585,
  ppEffectSplitHorizontalIn = 3586,
  ppEffectSplitVerticalOut = 3587,
  ppEffectSplitVerticalIn = 3588,
  ppEffectCircleOut = 3845,
  ppEffectDiamondOut = 3846,
  ppEffectCombHorizontal = 3847,
  ppEffectCombVertical = 3848,
  ppEffectFadeSmoothly = 3849,
  ppEffectNewsflash = 3850,
  ppEffectPlusOut = 3851,
  ppEffectPushDown = 3852,
  ppEffectPushLeft = 3853,
  ppEffectPushRight = 3854,
  ppEffectPushUp = 3855,
  ppEffectWedge = 3856,
  ppEffectWheel1Spoke = 3857,
  ppEffectWheel2Spokes = 3858,
  ppEffectWheel3Spokes = 3859,
  ppEffectWheel4Spokes = 3860,
  ppEffectWheel8Spokes = 3861,
  ppEffectWheelReverse1Spoke = 3862,
  ppEffectVortexLeft = 3863,
  ppEffectVortexUp = 3864,
  ppEffectVortexRight = 3865,
  ppEffectVortexDown = 3866,
  ppEffectRippleCenter = 3867,
  ppEffectRippleRightUp = 3868,
  ppEffectRippleLeftUp = 3869,
  ppEffectRippleLeftDown = 3870,
  ppEffectRippleRightDown = 3871,
  ppEffectGlitterDiamondLeft = 3872,
  ppEffectGlitterDiamondUp = 3873,
  ppEffectGlitterDiamondRight = 3874,
  ppEffectGlitterDiamondDown = 3875,
  ppEffectGlitterHexagonLeft = 3876,
  ppEffectGlitterHexagonUp = 3877,
  ppEffectGlitterHexagonRight = 3878,
  ppEffectGlitterHexagonDown = 3879,
  ppEffectGalleryLeft = 3880,
  ppEffectGalleryRight = 3881,
  ppEffectConveyorLeft = 3882,
  ppEffectConveyorRight = 3883,
  ppEffectDoorsVertical = 3884,
  ppEffectDoorsHorizontal = 3885,
  ppEffectWindowVertical = 3886,
  ppEffectWindowHorizontal = 3887,
  ppEffectWarpIn = 3888,
  ppEffectWarpOut = 3889,
  ppEffectFlyThroughIn = 3890,
  ppEffectFlyThroughOut = 3891,
  ppEffectFlyThroughInBounce = 3892,
  ppEffectFlyThroughOutBounce = 3893,
  ppEffectRevealSmoothLeft = 3894,
  ppEffectRevealSmoothRight = 3895,
  ppEffectRevealBlackLeft = 3896,
  ppEffectRevealBlackRight = 3897,
  ppEffectHoneycomb = 3898,
  ppEffectFerrisWheelLeft = 3899,
  ppEffectFerrisWheelRight = 3900,
  ppEffectSwitchLeft = 3901,
  ppEffectSwitchUp = 3902,
  ppEffectSwitchRight = 3903,
  ppEffectSwitchDown = 3904,
  ppEffectFlipLeft = 3905,
  ppEffectFlipUp = 3906,
  ppEffectFlipRight = 3907,
  ppEffectFlipDown = 3908,
  ppEffectFlashbulb = 3909,
  ppEffectShredStripsIn = 3910,
  ppEffectShredStripsOut = 3911,
  ppEffectShredRectangleIn = 3912,
  ppEffectShredRectangleOut = 3913,
  ppEffectCubeLeft = 3914,
  ppEffectCubeUp = 3915,
  ppEffectCubeRight = 3916,
  ppEffectCubeDown = 3917,
  ppEffectRotateLeft = 3918,
  ppEffectRotateUp = 3919,
  ppEffectRotateRight = 3920,
  ppEffectRotateDown = 3921,
  ppEffectBoxLeft = 3922,
  ppEffectBoxUp = 3923,
  ppEffectBoxRight = 3924,
  ppEffectBoxDown = 3925,
  ppEffectOrbitLeft = 3926,
  ppEffectOrbitUp = 3927,
  ppEffectOrbitRight = 3928,
  ppEffectOrbitDown = 3929,
  ppEffectPanLeft = 3930,
  ppEffectPanUp = 3931,
  ppEffectPanRight = 3932,
  ppEffectPanDown = 3933,
  // A shape's entry animation only (AnimationSettings.EntryEffect).
  ppEffectFlyFromLeft = 3329,
  ppEffectFlyFromTop = 3330,
  ppEffectFlyFromRight = 3331,
  ppEffectFlyFromBottom = 3332,
  ppEffectFlyFromTopLeft = 3333,
  ppEffectFlyFromTopRight = 3334,
  ppEffectFlyFromBottomLeft = 3335,
  ppEffectFlyFromBottomRight = 3336,
  ppEffectPeekFromLeft = 3337,
  ppEffectPeekFromDown = 3338,
  ppEffectPeekFromRight = 3339,
  ppEffectPeekFromUp = 3340,
  ppEffectCrawlFromLeft = 3341,
  ppEffectCrawlFromUp = 3342,
  ppEffectCrawlFromRight = 3343,
  ppEffectCrawlFromDown = 3344,
  ppEffectZoomIn = 3345,
  ppEffectZoomInSlightly = 3346,
  ppEffectZoomOut = 3347,
  ppEffectZoomOutSlightly = 3348,
  ppEffectZoomCenter = 3349,
  ppEffectZoomBottom = 3350,
  ppEffectStretchAcross = 3351,
  ppEffectStretchLeft = 3352,
  ppEffectStretchUp = 3353,
  ppEffectStretchRight = 3354,
  ppEffectStretchDown = 3355,
  ppEffectSwivel = 3356,
  ppEffectSpiral = 3357,
  ppEffectFlashOnceFast = 3841,
  ppEffectFlashOnceMedium = 3842,
  ppEffectFlashOnceSlow = 3843,
  ppEffectAppear = 3844,
};

// MsoAnimEffect: an effect of a slide's timeline (Effect.EffectType). Exit effects share the
// numbers of the entrance effects they mirror.
enum MsoAnimEffect : int32_t {
  msoAnimEffectCustom = 0,
  msoAnimEffectAppear = 1,
  msoAnimEffectFly = 2,
  msoAnimEffectBlinds = 3,
  msoAnimEffectBox = 4,
  msoAnimEffectCheckerboard = 5,
  msoAnimEffectCircle = 6,
  msoAnimEffectCrawl = 7,
  msoAnimEffectDiamond = 8,
  msoAnimEffectDissolve = 9,
  msoAnimEffectFade = 10,
  msoAnimEffectFlashOnce = 11,
  msoAnimEffectPeek = 12,
  msoAnimEffectPlus = 13,
  msoAnimEffectRandomBars = 14,
  msoAnimEffectSpiral = 15,
  msoAnimEffectSplit = 16,
  msoAnimEffectStretch = 17,
  msoAnimEffectStrips = 18,
  msoAnimEffectSwivel = 19,
  msoAnimEffectWedge = 20,
  msoAnimEffectWheel = 21,
  msoAnimEffectWipe = 22,
  msoAnimEffectZoom = 23,
  msoAnimEffectRandomEffects = 24,
  msoAnimEffectBoomerang = 25,
  msoAnimEffectBounce = 26,
  msoAnimEffectColorReveal = 27,
  msoAnimEffectCredits = 28,
  msoAnimEffectEaseIn = 29,
  msoAnimEffectFloat = 30,
  msoAnimEffectGrowAndTurn = 31,
  msoAnimEffectLightSpeed = 32,
  msoAnimEffectPinwheel = 33,
  msoAnimEffectRiseUp = 34,
  msoAnimEffectSwish = 35,
  msoAnimEffectThinLine = 36,
  msoAnimEffectUnfold = 37,
  msoAnimEffectWhip = 38,
  msoAnimEffectAscend = 39,
  msoAnimEffectCenterRevolve = 40,
  msoAnimEffectFadedSwivel = 41,
  msoAnimEffectDescend = 42,
  msoAnimEffectSling = 43,
  msoAnimEffectSpinner = 44,
  msoAnimEffectStretchy = 45,
  msoAnimEffectZip = 46,
  msoAnimEffectArcUp = 47,
  msoAnimEffectFadedZoom = 48,
  msoAnimEffectGlide = 49,
  msoAnimEffectExpand = 50,
  msoAnimEffectFlip = 51,
  msoAnimEffectShimmer = 52,
  msoAnimEffectFold = 53,
  msoAnimEffectChangeFillColor = 54,
  msoAnimEffectChangeFont = 55,
  msoAnimEffectChangeFontColor = 56,
  msoAnimEffectChangeFontSize = 57,
  msoAnimEffectChangeFontStyle = 58,
  msoAnimEffectGrowShrink = 59,
  msoAnimEffectChangeLineColor = 60,
  msoAnimEffectSpin = 61,
  msoAnimEffectTransparency = 62,
  msoAnimEffectBoldFlash = 63,
  msoAnimEffectBlast = 64,
  msoAnimEffectBoldReveal = 65,
  msoAnimEffectBrushOnColor = 66,
  msoAnimEffectBrushOnUnderline = 67,
  msoAnimEffectColorBlend = 68,
  msoAnimEffectColorWave = 69,
  msoAnimEffectComplementaryColor = 70,
  msoAnimEffectComplementaryColor2 = 71,
  msoAnimEffectContrastingColor = 72,
  msoAnimEffectDarken = 73,
  msoAnimEffectDesaturate = 74,
  msoAnimEffectFlashBulb = 75,
  msoAnimEffectFlicker = 76,
  msoAnimEffectGrowWithColor = 77,
  msoAnimEffectLighten = 78,
  msoAnimEffectStyleEmphasis = 79,
  msoAnimEffectTeeter = 80,
  msoAnimEffectVerticalGrow = 81,
  msoAnimEffectWave = 82,
  msoAnimEffectMediaPlay = 83,
  msoAnimEffectMediaPause = 84,
  msoAnimEffectMediaStop = 85,
  // The motion paths run on from msoAnimEffectPathCircle to msoAnimEffectPathRight.
  msoAnimEffectPathCircle = 86,
  msoAnimEffectPathUp = 148,
  msoAnimEffectPathRight = 149,
};

enum MsoAnimTriggerType : int32_t {
  msoAnimTriggerMixed = -1,
  msoAnimTriggerNone = 0,
  msoAnimTriggerOnPageClick = 1,
  msoAnimTriggerWithPrevious = 2,
  msoAnimTriggerAfterPrevious = 3,
  msoAnimTriggerOnShapeClick = 4,
};

enum PpAdvanceMode : int32_t {
  ppAdvanceModeMixed = -2,
  ppAdvanceOnClick = 1,
  ppAdvanceOnTime = 2,
};

enum PpAfterEffect : int32_t {
  ppAfterEffectMixed = -2,
  ppAfterEffectNothing = 0,
  ppAfterEffectHide = 1,
  ppAfterEffectDim = 2,
  ppAfterEffectHideOnClick = 3,
};

enum PpTextLevelEffect : int32_t {
  ppAnimateLevelMixed = -2,
  ppAnimateLevelNone = 0,
  ppAnimateByFirstLevel = 1,
  ppAnimateBySecondLevel = 2,
  ppAnimateByThirdLevel = 3,
  ppAnimateByFourthLevel = 4,
  ppAnimateByFifthLevel = 5,
  ppAnimateByAllLevels = 16,
};

enum PpTextUnitEffect : int32_t {
  ppAnimateUnitMixed = -2,
  ppAnimateByParagraph = 0,
  ppAnimateByWord = 1,
  ppAnimateByCharacter = 2,
};

// SlideShowTransition.Speed.
enum PpTransitionSpeed : int32_t {
  ppTransitionSpeedMixed = -2,
  ppTransitionSpeedSlow = 1,
  ppTransitionSpeedMedium = 2,
  ppTransitionSpeedFast = 3,
};

// SlideShowSettings: how the show is presented, which slides it runs and how it advances.
enum PpSlideShowType : int32_t {
  ppShowTypeSpeaker = 1,
  ppShowTypeWindow = 2,
  ppShowTypeKiosk = 3,
  ppShowTypeWindow2 = 4,
};

enum PpSlideShowRangeType : int32_t {
  ppShowAll = 1,
  ppShowSlideRange = 2,
  ppShowNamedSlideShow = 3,
};

enum PpSlideShowAdvanceMode : int32_t {
  ppSlideShowManualAdvance = 1,
  ppSlideShowUseSlideTimings = 2,
  ppSlideShowRehearseNewTimings = 3,
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
// The entry effect of a transition element of p:transition, by its local name ("blinds",
// "vortex") and its attributes (`attribute` answers one by local name, "" when absent; defaults
// and "true"/"false" are settled here). nullopt for an element or variant with no number.
std::optional<int32_t> TransitionEffectOf(
    std::string_view element, const std::function<std::string_view(std::string_view)>& attribute);
// The speed p:transition's spd names ("slow", "med", "fast"); nullopt for another name.
std::optional<int32_t> TransitionSpeedOf(std::string_view spd);

// The effect type of a timeline effect by its p:cTn's presetClass ("entr", "exit", "emph",
// "path", "mediacall") and presetID; nullopt for a class or preset with no number (custom
// effects, OLE verbs).
std::optional<int32_t> AnimEffectOf(std::string_view presetClass, int32_t presetId);
// The entry effect the older per-shape settings give an entrance effect of that type, by its
// presetSubtype (the direction: 1 top, 2 right, 4 bottom, 8 left and their sums; 16 in, 32 out;
// spokes for a wheel) and its duration in seconds (the speed of a flash); nullopt when the
// older settings have no number for it.
std::optional<int32_t> EntryEffectOf(int32_t effectType, int32_t presetSubtype, float duration);

}  // namespace powerpoint
