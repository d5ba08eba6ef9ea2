// The numbers the office object models report for DrawingML values: fill, pattern, gradient,
// dash, line, border, arrowhead, shadow, bevel, underline, alignment and WordArt shape codes.
// Names follow the models' enumerations (MsoFillType, XlLineStyle, ...). Where a number is not
// stored in the file but derived (gradient style, border weight, shadow gallery type) the
// derivation is an approximation that README.md describes.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/office/drawingml/effects.h"
#include "platform/office/drawingml/fill.h"
#include "platform/office/drawingml/line.h"
#include "platform/office/drawingml/text.h"

namespace drawingml {

// Truth values of the object models.
inline constexpr int16_t kMsoTrue = -1;
inline constexpr int16_t kMsoFalse = 0;
inline constexpr int kMsoMixed = -2;
inline constexpr int kXlAutomatic = -4105;
inline constexpr int kXlNone = -4142;

// MsoFillType: solid 1, patterned 2, gradient 3, textured 4 (a tiled picture), picture 6.
// nullopt for no fill and for a group fill not yet resolved.
std::optional<int> MsoFillTypeOf(const Fill& fill);
// A chart element's `Fill.Type`: as above, xlNone for no fill, and xlAutomatic when the element
// names no fill at all (`fill` null).
int XlChartFillTypeOf(const Fill* fill);
// MsoPatternType (1..54) of a pattern preset name; nullopt when unknown.
std::optional<int> MsoPatternTypeOf(std::string_view preset);

struct GradientCode {
  int style = 0;    // MsoGradientStyle: 1 horizontal .. 7 from centre
  int variant = 0;  // 1..4
};
// The gradient style and variant the object models report for a gradient fill; nullopt for
// other fills and for gradients no style describes.
std::optional<GradientCode> MsoGradientOf(const Fill& fill);

// MsoGradientColorType: preset colours 3 for a gradient whose stops are a preset's (below), else
// by the number of stops: one colour 1, two colours 2, more 4 (multi colour); nullopt for other
// fills.
std::optional<int> MsoGradientColorTypeOf(const Fill& fill);

// MsoPresetGradientType of a list of colours (0xRRGGBB, in the file's order) that follows one of
// the suite's preset gradients (preset_gradients.inc); nullopt when it follows none.
std::optional<int> MsoPresetGradientOf(const std::vector<uint32_t>& colors);
// The same for a gradient fill's stops (their colours after transforms); nullopt for other fills.
std::optional<int> MsoPresetGradientOf(const Fill& fill);

// MsoThemeColorIndex of a scheme colour name: dk1 1 .. folHlink 12, tx1 13, bg1 14, tx2 15,
// bg2 16 (their long forms too); msoNotThemeColor (0) for "phClr" and unknown names.
int MsoThemeColorIndexOf(std::string_view schemeName);

// MsoLineDashStyle (1 solid .. 12); -2 for a custom dash.
int MsoLineDashStyleOf(const Line& line);
// MsoLineStyle of the compound type: 1 single .. 5 thick between thin.
int MsoLineStyleOf(const Line& line);
// XlLineStyle of a chart border: xlContinuous 1, xlDash -4115, xlDot -4118, xlDashDot 4,
// xlDashDotDot 5, xlDouble -4119, xlLineStyleNone -4142 for an invisible line.
int XlLineStyleOf(const Line& line);
// XlBorderWeight of a chart border by its width: xlHairline 1, xlThin 2, xlMedium -4138,
// xlThick 4.
int XlBorderWeightOf(const Line& line);
// MsoArrowheadStyle (1 none .. 6 oval), MsoArrowheadLength and MsoArrowheadWidth (1..3).
int MsoArrowheadStyleOf(LineEndType type);
int MsoArrowheadSizeOf(LineEndSize size);

// MsoShadowType: the preset number of an old preset shadow, else the gallery type (21..43) an
// outer or inner shadow resembles; nullopt without a shadow or when none fits.
std::optional<int> MsoShadowTypeOf(const Effects& effects);
// MsoBevelType of a bevel preset ("circle" 3 ...); 1 (none) without a bevel, -2 when unknown.
int MsoBevelTypeOf(const std::optional<Bevel>& bevel);

// MsoTextUnderlineType (0 none .. 17 wavy double).
int MsoTextUnderlineTypeOf(Underline underline);
// XlUnderlineStyle of chart text: none -4142, single 2, double -4119 (other kinds as single).
int XlUnderlineStyleOf(Underline underline);
// PpParagraphAlignment / MsoParagraphAlignment: 1 left .. 7 justify low.
int MsoAlignmentOf(Alignment alignment);
// MsoPresetTextEffectShape (1 plain text .. 40 cascade down) of a prstTxWarp preset; nullopt
// for "textNoShape" and unknown names.
std::optional<int> MsoPresetTextEffectShapeOf(std::string_view warp);

}  // namespace drawingml
