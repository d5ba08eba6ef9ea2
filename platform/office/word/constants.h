// The word processor's object-model numbers, as its type library publishes them: every value a
// property of this model reports or an argument takes is one of these. Callers compare with
// them by name (wdAlignParagraphCenter), never with the bare number.
#pragma once

#include <array>
#include <cstdint>

#include "platform/office/common/mso_constants.h"

namespace word {

// What a numeric property answers when the range holds more than one value ("mixed"); a text
// property answers "" then.
inline constexpr int32_t wdUndefined = 9999999;
inline constexpr int32_t wdToggle = 9999998;

// Truth values of the object model.
inline constexpr int32_t kTrue = -1;
inline constexpr int32_t kFalse = 0;

enum WdParagraphAlignment : int32_t {
  wdAlignParagraphLeft = 0,
  wdAlignParagraphCenter = 1,
  wdAlignParagraphRight = 2,
  wdAlignParagraphJustify = 3,
  wdAlignParagraphDistribute = 4,
  wdAlignParagraphJustifyMed = 5,
  wdAlignParagraphJustifyHi = 7,
  wdAlignParagraphJustifyLow = 8,
  wdAlignParagraphThaiJustify = 9,
};

enum WdLineSpacing : int32_t {
  wdLineSpaceSingle = 0,
  wdLineSpace1pt5 = 1,
  wdLineSpaceDouble = 2,
  wdLineSpaceAtLeast = 3,
  wdLineSpaceExactly = 4,
  wdLineSpaceMultiple = 5,
};

// The 16-colour index of `ColorIndex`, `HighlightColorIndex` and the shading indexes.
enum WdColorIndex : int32_t {
  wdByAuthor = -1,
  wdAuto = 0,
  wdNoHighlight = 0,
  wdBlack = 1,
  wdBlue = 2,
  wdTurquoise = 3,
  wdBrightGreen = 4,
  wdPink = 5,
  wdRed = 6,
  wdYellow = 7,
  wdWhite = 8,
  wdDarkBlue = 9,
  wdTeal = 10,
  wdGreen = 11,
  wdViolet = 12,
  wdDarkRed = 13,
  wdDarkYellow = 14,
  wdGray50 = 15,
  wdGray25 = 16,
};

// The colours behind WdColorIndex 1..16 as 0xRRGGBB (entry 0 unused: wdAuto has none).
inline constexpr std::array<uint32_t, 17> kColorIndexRgb = {
    0x000000, 0x000000, 0x0000FF, 0x00FFFF, 0x00FF00, 0xFF00FF, 0xFF0000, 0xFFFF00, 0xFFFFFF,
    0x000080, 0x008080, 0x008000, 0x800080, 0x800000, 0x808000, 0x808080, 0xC0C0C0,
};

// `Color` properties: a colour value (red in the low byte) or the automatic colour.
inline constexpr int32_t wdColorAutomatic = -16777216;

enum WdLineStyle : int32_t {
  wdLineStyleNone = 0,
  wdLineStyleSingle = 1,
  wdLineStyleDot = 2,
  wdLineStyleDashSmallGap = 3,
  wdLineStyleDashLargeGap = 4,
  wdLineStyleDashDot = 5,
  wdLineStyleDashDotDot = 6,
  wdLineStyleDouble = 7,
  wdLineStyleTriple = 8,
  wdLineStyleThinThickSmallGap = 9,
  wdLineStyleThickThinSmallGap = 10,
  wdLineStyleThinThickThinSmallGap = 11,
  wdLineStyleThinThickMedGap = 12,
  wdLineStyleThickThinMedGap = 13,
  wdLineStyleThinThickThinMedGap = 14,
  wdLineStyleThinThickLargeGap = 15,
  wdLineStyleThickThinLargeGap = 16,
  wdLineStyleThinThickThinLargeGap = 17,
  wdLineStyleSingleWavy = 18,
  wdLineStyleDoubleWavy = 19,
  wdLineStyleDashDotStroked = 20,
  wdLineStyleEmboss3D = 21,
  wdLineStyleEngrave3D = 22,
  wdLineStyleOutset = 23,
  wdLineStyleInset = 24,
};

// Border widths in eighths of a point, the unit the files store them in.
enum WdLineWidth : int32_t {
  wdLineWidth025pt = 2,
  wdLineWidth050pt = 4,
  wdLineWidth075pt = 6,
  wdLineWidth100pt = 8,
  wdLineWidth150pt = 12,
  wdLineWidth225pt = 18,
  wdLineWidth300pt = 24,
  wdLineWidth450pt = 36,
  wdLineWidth600pt = 48,
};

enum WdBorderType : int32_t {
  wdBorderTop = -1,
  wdBorderLeft = -2,
  wdBorderBottom = -3,
  wdBorderRight = -4,
  wdBorderHorizontal = -5,
  wdBorderVertical = -6,
  wdBorderDiagonalDown = -7,
  wdBorderDiagonalUp = -8,
};

enum WdUnderline : int32_t {
  wdUnderlineNone = 0,
  wdUnderlineSingle = 1,
  wdUnderlineWords = 2,
  wdUnderlineDouble = 3,
  wdUnderlineDotted = 4,
  wdUnderlineThick = 6,
  wdUnderlineDash = 7,
  wdUnderlineDotDash = 9,
  wdUnderlineDotDotDash = 10,
  wdUnderlineWavy = 11,
  wdUnderlineDottedHeavy = 20,
  wdUnderlineDashHeavy = 23,
  wdUnderlineDotDashHeavy = 25,
  wdUnderlineDotDotDashHeavy = 26,
  wdUnderlineWavyHeavy = 27,
  wdUnderlineDashLong = 39,
  wdUnderlineWavyDouble = 43,
  wdUnderlineDashLongHeavy = 55,
};

enum WdEmphasisMark : int32_t {
  wdEmphasisMarkNone = 0,
  wdEmphasisMarkOverSolidCircle = 1,
  wdEmphasisMarkOverComma = 2,
  wdEmphasisMarkOverWhiteCircle = 3,
  wdEmphasisMarkUnderSolidCircle = 4,
};

enum WdAnimation : int32_t {
  wdAnimationNone = 0,
  wdAnimationLasVegasLights = 1,
  wdAnimationBlinkingBackground = 2,
  wdAnimationSparkleText = 3,
  wdAnimationMarchingBlackAnts = 4,
  wdAnimationMarchingRedAnts = 5,
  wdAnimationShimmer = 6,
};

enum WdTextureIndex : int32_t {
  wdTextureNone = 0,
  wdTexture5Percent = 50,
  wdTexture10Percent = 100,
  wdTexture12Pt5Percent = 125,
  wdTexture15Percent = 150,
  wdTexture20Percent = 200,
  wdTexture25Percent = 250,
  wdTexture30Percent = 300,
  wdTexture35Percent = 350,
  wdTexture37Pt5Percent = 375,
  wdTexture40Percent = 400,
  wdTexture45Percent = 450,
  wdTexture50Percent = 500,
  wdTexture55Percent = 550,
  wdTexture60Percent = 600,
  wdTexture62Pt5Percent = 625,
  wdTexture65Percent = 650,
  wdTexture70Percent = 700,
  wdTexture75Percent = 750,
  wdTexture80Percent = 800,
  wdTexture85Percent = 850,
  wdTexture87Pt5Percent = 875,
  wdTexture90Percent = 900,
  wdTexture95Percent = 950,
  wdTextureSolid = 1000,
  wdTextureDarkHorizontal = -1,
  wdTextureDarkVertical = -2,
  wdTextureDarkDiagonalDown = -3,
  wdTextureDarkDiagonalUp = -4,
  wdTextureDarkCross = -5,
  wdTextureDarkDiagonalCross = -6,
  wdTextureHorizontal = -7,
  wdTextureVertical = -8,
  wdTextureDiagonalDown = -9,
  wdTextureDiagonalUp = -10,
  wdTextureCross = -11,
  wdTextureDiagonalCross = -12,
};

enum WdRowHeightRule : int32_t {
  wdRowHeightAuto = 0,
  wdRowHeightAtLeast = 1,
  wdRowHeightExactly = 2,
};

enum WdRowAlignment : int32_t {
  wdAlignRowLeft = 0,
  wdAlignRowCenter = 1,
  wdAlignRowRight = 2,
};

enum WdCellVerticalAlignment : int32_t {
  wdCellAlignVerticalTop = 0,
  wdCellAlignVerticalCenter = 1,
  wdCellAlignVerticalBottom = 3,
};

enum WdTextOrientation : int32_t {
  wdTextOrientationHorizontal = 0,
  wdTextOrientationVerticalFarEast = 1,
  wdTextOrientationUpward = 2,
  wdTextOrientationDownward = 3,
  wdTextOrientationHorizontalRotatedFarEast = 4,
  wdTextOrientationVertical = 5,
};

enum WdOrientation : int32_t {
  wdOrientPortrait = 0,
  wdOrientLandscape = 1,
};

enum WdPageNumberAlignment : int32_t {
  wdAlignPageNumberLeft = 0,
  wdAlignPageNumberCenter = 1,
  wdAlignPageNumberRight = 2,
  wdAlignPageNumberInside = 3,
  wdAlignPageNumberOutside = 4,
};

enum WdHeaderFooterIndex : int32_t {
  wdHeaderFooterPrimary = 1,
  wdHeaderFooterFirstPage = 2,
  wdHeaderFooterEvenPages = 3,
};

enum WdDropPosition : int32_t {
  wdDropNone = 0,
  wdDropNormal = 1,
  wdDropMargin = 2,
};

enum WdSectionStart : int32_t {
  wdSectionContinuous = 0,
  wdSectionNewColumn = 1,
  wdSectionNewPage = 2,
  wdSectionEvenPage = 3,
  wdSectionOddPage = 4,
};

enum WdLayoutMode : int32_t {
  wdLayoutModeDefault = 0,
  wdLayoutModeGrid = 1,
  wdLayoutModeLineGrid = 2,
  wdLayoutModeGenko = 3,
};

enum WdStoryType : int32_t {
  wdMainTextStory = 1,
  wdFootnotesStory = 2,
  wdEndnotesStory = 3,
  wdCommentsStory = 4,
  wdTextFrameStory = 5,
  wdEvenPagesHeaderStory = 6,
  wdPrimaryHeaderStory = 7,
  wdEvenPagesFooterStory = 8,
  wdPrimaryFooterStory = 9,
  wdFirstPageHeaderStory = 10,
  wdFirstPageFooterStory = 11,
};

enum WdGoToItem : int32_t {
  wdGoToBookmark = -1,
  wdGoToSection = 0,
  wdGoToPage = 1,
  wdGoToTable = 2,
  wdGoToLine = 3,
  wdGoToFootnote = 4,
  wdGoToEndnote = 5,
  wdGoToComment = 6,
  wdGoToField = 7,
  wdGoToGraphic = 8,
  wdGoToObject = 9,
  wdGoToEquation = 10,
  wdGoToHeading = 11,
  wdGoToPercent = 12,
};

enum WdGoToDirection : int32_t {
  wdGoToFirst = 1,
  wdGoToAbsolute = 1,
  wdGoToLast = -1,
  wdGoToNext = 2,
  wdGoToRelative = 2,
  wdGoToPrevious = 3,
};

enum WdUnits : int32_t {
  wdCharacter = 1,
  wdWord = 2,
  wdSentence = 3,
  wdParagraph = 4,
  wdLine = 5,
  wdStory = 6,
  wdScreen = 7,
  wdSection = 8,
  wdColumn = 9,
  wdRow = 10,
  wdWindow = 11,
  wdCell = 12,
  wdCharacterFormatting = 13,
  wdParagraphFormatting = 14,
  wdTable = 15,
  wdItem = 16,
};

enum WdMovementType : int32_t {
  wdMove = 0,
  wdExtend = 1,
};

enum WdCollapseDirection : int32_t {
  wdCollapseEnd = 0,
  wdCollapseStart = 1,
};

enum WdFindWrap : int32_t {
  wdFindStop = 0,
  wdFindContinue = 1,
  wdFindAsk = 2,
};

enum WdMeasurementUnits : int32_t {
  wdInches = 0,
  wdCentimeters = 1,
  wdMillimeters = 2,
  wdPoints = 3,
  wdPicas = 4,
};

// Document.SaveAs's FileFormat and Documents.Open's Format.
enum WdSaveFormat : int32_t {
  wdFormatDocument = 0,
};
enum WdOpenFormat : int32_t {
  wdOpenFormatAuto = 0,
};

// How text wraps around a floating drawing (WrapFormat.Type, .Side), what its position is
// measured from (RelativeHorizontalPosition, RelativeVerticalPosition), and a picture's colour
// mode (PictureFormat.ColorType): for the drawing objects.
enum WdWrapType : int32_t {
  wdWrapSquare = 0,
  wdWrapTight = 1,
  wdWrapThrough = 2,
  wdWrapNone = 3,
  wdWrapFront = 3,
  wdWrapTopBottom = 4,
  wdWrapBehind = 5,
  wdWrapInline = 7,
};

enum WdWrapSideType : int32_t {
  wdWrapBoth = 0,
  wdWrapLeft = 1,
  wdWrapRight = 2,
  wdWrapLargest = 3,
};

enum WdRelativeHorizontalPosition : int32_t {
  wdRelativeHorizontalPositionMargin = 0,
  wdRelativeHorizontalPositionPage = 1,
  wdRelativeHorizontalPositionColumn = 2,
  wdRelativeHorizontalPositionCharacter = 3,
  wdRelativeHorizontalPositionLeftMarginArea = 4,
  wdRelativeHorizontalPositionRightMarginArea = 5,
  wdRelativeHorizontalPositionInnerMarginArea = 6,
  wdRelativeHorizontalPositionOuterMarginArea = 7,
};

enum WdRelativeVerticalPosition : int32_t {
  wdRelativeVerticalPositionMargin = 0,
  wdRelativeVerticalPositionPage = 1,
  wdRelativeVerticalPositionParagraph = 2,
  wdRelativeVerticalPositionLine = 3,
  wdRelativeVerticalPositionTopMarginArea = 4,
  wdRelativeVerticalPositionBottomMarginArea = 5,
  wdRelativeVerticalPositionInnerMarginArea = 6,
  wdRelativeVerticalPositionOuterMarginArea = 7,
};

// Where a shape aligned rather than placed stands: what Left and Top answer for it.
enum WdShapePosition : int32_t {
  wdShapeTop = -999999,
  wdShapeLeft = -999998,
  wdShapeBottom = -999997,
  wdShapeRight = -999996,
  wdShapeCenter = -999995,
  wdShapeInside = -999994,
  wdShapeOutside = -999993,
};

using office::MsoShapeType;
using enum office::MsoShapeType;

// The truth values of the drawing objects' properties (Fill.Visible, Line.Visible).
enum MsoTriState : int32_t {
  msoTrue = -1,
  msoFalse = 0,
  msoTriStateMixed = -2,
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
  msoLineLongDashDotDot = 9,
  msoLineSysDash = 10,
  msoLineSysDot = 11,
  msoLineSysDashDot = 12,
};

enum MsoPictureColorType : int32_t {
  msoPictureMixed = -2,
  msoPictureAutomatic = 1,
  msoPictureGrayscale = 2,
  msoPictureBlackAndWhite = 3,
  msoPictureWatermark = 4,
};

using office::MsoFillType;
using enum office::MsoFillType;

using office::MsoPresetGradientType;
using enum office::MsoPresetGradientType;

}  // namespace word
