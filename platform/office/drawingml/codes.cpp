#include "platform/office/drawingml/codes.h"

#include <cmath>
#include <initializer_list>

#include "platform/office/common/mso_constants.h"

namespace drawingml {
namespace {

struct Coded {
  std::string_view name;
  int code;
};

// Pattern presets in MsoPatternType order of their numbers.
constexpr Coded kPatterns[] = {
    {"pct5", 1},      {"pct10", 2},       {"pct20", 3},       {"pct25", 4},      {"pct30", 5},
    {"pct40", 6},     {"pct50", 7},       {"pct60", 8},       {"pct70", 9},      {"pct75", 10},
    {"pct80", 11},    {"pct90", 12},      {"dkHorz", 13},     {"dkVert", 14},    {"dkDnDiag", 15},
    {"dkUpDiag", 16}, {"smCheck", 17},    {"trellis", 18},    {"ltHorz", 19},    {"ltVert", 20},
    {"ltDnDiag", 21}, {"ltUpDiag", 22},   {"smGrid", 23},     {"dotDmnd", 24},   {"wdDnDiag", 25},
    {"wdUpDiag", 26}, {"dashUpDiag", 27}, {"dashDnDiag", 28}, {"narVert", 29},   {"narHorz", 30},
    {"dashVert", 31}, {"dashHorz", 32},   {"lgConfetti", 33}, {"lgGrid", 34},    {"horzBrick", 35},
    {"lgCheck", 36},  {"smConfetti", 37}, {"zigZag", 38},     {"solidDmnd", 39}, {"diagBrick", 40},
    {"openDmnd", 41}, {"plaid", 42},      {"sphere", 43},     {"weave", 44},     {"dotGrid", 45},
    {"divot", 46},    {"shingle", 47},    {"wave", 48},       {"horz", 49},      {"vert", 50},
    {"cross", 51},    {"dnDiag", 52},     {"upDiag", 53},     {"diagCross", 54},
};

constexpr Coded kBevels[] = {
    {"relaxedInset", 2}, {"circle", 3},    {"slope", 4},     {"cross", 5},
    {"angle", 6},        {"softRound", 7}, {"convex", 8},    {"coolSlant", 9},
    {"divot", 10},       {"riblet", 11},   {"hardEdge", 12}, {"artDeco", 13},
};

constexpr Coded kWarps[] = {
    {"textPlain", 1},           {"textStop", 2},
    {"textTriangle", 3},        {"textTriangleInverted", 4},
    {"textChevron", 5},         {"textChevronInverted", 6},
    {"textRingInside", 7},      {"textRingOutside", 8},
    {"textArchUp", 9},          {"textArchDown", 10},
    {"textCircle", 11},         {"textButton", 12},
    {"textArchUpPour", 13},     {"textArchDownPour", 14},
    {"textCirclePour", 15},     {"textButtonPour", 16},
    {"textCurveUp", 17},        {"textCurveDown", 18},
    {"textCanUp", 19},          {"textCanDown", 20},
    {"textWave1", 21},          {"textWave2", 22},
    {"textDoubleWave1", 23},    {"textWave4", 24},
    {"textInflate", 25},        {"textDeflate", 26},
    {"textInflateBottom", 27},  {"textDeflateBottom", 28},
    {"textInflateTop", 29},     {"textDeflateTop", 30},
    {"textDeflateInflate", 31}, {"textDeflateInflateDeflate", 32},
    {"textFadeRight", 33},      {"textFadeLeft", 34},
    {"textFadeUp", 35},         {"textFadeDown", 36},
    {"textSlantUp", 37},        {"textSlantDown", 38},
    {"textCascadeUp", 39},      {"textCascadeDown", 40},
};

using enum office::MsoPresetGradientType;

struct PresetGradient {
  int type;
  std::initializer_list<uint32_t> colors;
};

const PresetGradient kPresetGradients[] = {
#include "platform/office/drawingml/preset_gradients.inc"
};

// True when `wanted` appears in `found` in order, with the same first and last colour.
bool Follows(const std::vector<uint32_t>& found, std::initializer_list<uint32_t> wanted) {
  if (found.empty() || wanted.size() == 0) return false;
  if (found.front() != *wanted.begin() || found.back() != *(wanted.end() - 1)) return false;
  size_t at = 0;
  for (uint32_t c : wanted) {
    while (at < found.size() && found[at] != c) ++at;
    if (at == found.size()) return false;
    ++at;
  }
  return true;
}

template <size_t N>
std::optional<int> Lookup(const Coded (&table)[N], std::string_view name) {
  for (const Coded& entry : table) {
    if (entry.name == name) return entry.code;
  }
  return std::nullopt;
}

// The nearest of the eight compass directions (0 right, 1 down-right, 2 down, ... 7 up-right;
// angles run clockwise as in the files).
int Octant(double degrees) {
  double turns = std::fmod(degrees, 360.0);
  if (turns < 0) turns += 360.0;
  return static_cast<int>(std::lround(turns / 45.0)) % 8;
}

bool Near(double a, double b) {
  return std::fabs(a - b) < 0.02;
}

std::optional<GradientCode> LinearGradient(const Fill& fill) {
  // Style and variant 1 for each direction the colour runs in, variant 2 for the opposite one.
  static constexpr GradientCode kByOctant[8] = {
      {2, 1}, {3, 1}, {1, 1}, {4, 1}, {2, 2}, {3, 2}, {1, 2}, {4, 2},
  };
  GradientCode code = kByOctant[Octant(fill.angle)];
  bool mirrored = fill.stops.size() >= 3 && fill.stops.front().color == fill.stops.back().color &&
                  !(fill.stops[fill.stops.size() / 2].color == fill.stops.front().color);
  if (mirrored) code.variant += 2;
  return code;
}

std::optional<GradientCode> PathGradient(const Fill& fill) {
  const RelativeRect& f = fill.focus;
  if (Near(f.left, 0.5) && Near(f.top, 0.5) && Near(f.right, 0.5) && Near(f.bottom, 0.5)) {
    return GradientCode{7, 1};
  }
  struct Corner {
    double left, top, right, bottom;
    int variant;
  };
  static constexpr Corner kCorners[] = {
      {0, 0, 1, 1, 1}, {1, 0, 0, 1, 2}, {0, 1, 1, 0, 3}, {1, 1, 0, 0, 4}};
  for (const Corner& c : kCorners) {
    if (Near(f.left, c.left) && Near(f.top, c.top) && Near(f.right, c.right) &&
        Near(f.bottom, c.bottom)) {
      return GradientCode{5, c.variant};
    }
  }
  return std::nullopt;
}

std::optional<int> GalleryShadow(const Shadow& shadow) {
  if (!shadow.inner && (!Near(shadow.skewXDeg, 0) || !Near(shadow.skewYDeg, 0) ||
                        shadow.scaleY < 0.9 || shadow.scaleY > 1.1)) {
    // Perspective shadows, told apart by the corner they are anchored at.
    const std::string_view a = shadow.alignment;
    if (a == "br") return 39;
    if (a == "bl") return 40;
    if (a == "b" || a == "t" || a == "ctr") return 41;
    if (a == "tr") return 42;
    if (a == "tl") return 43;
    return std::nullopt;
  }
  if (shadow.distancePt <= 0.0) return shadow.inner ? 34 : 25;
  static constexpr int kOuter[8] = {24, 21, 22, 23, 26, 29, 28, 27};
  static constexpr int kInner[8] = {33, 30, 31, 32, 35, 38, 37, 36};
  int octant = Octant(shadow.directionDeg);
  return shadow.inner ? kInner[octant] : kOuter[octant];
}

}  // namespace

std::optional<int> MsoFillTypeOf(const Fill& fill) {
  switch (fill.kind) {
    case FillKind::kSolid:
      return 1;
    case FillKind::kPattern:
      return 2;
    case FillKind::kGradient:
      return 3;
    case FillKind::kPicture:
      return fill.tiled ? 4 : 6;
    case FillKind::kNone:
    case FillKind::kGroup:
      return std::nullopt;
  }
  return std::nullopt;
}

int XlChartFillTypeOf(const Fill* fill) {
  if (fill == nullptr) return kXlAutomatic;
  return MsoFillTypeOf(*fill).value_or(kXlNone);
}

std::optional<int> MsoPatternTypeOf(std::string_view preset) {
  return Lookup(kPatterns, preset);
}

std::optional<GradientCode> MsoGradientOf(const Fill& fill) {
  if (fill.kind != FillKind::kGradient) return std::nullopt;
  return fill.path == GradientPath::kLinear ? LinearGradient(fill) : PathGradient(fill);
}

std::optional<int> MsoGradientColorTypeOf(const Fill& fill) {
  if (fill.kind != FillKind::kGradient) return std::nullopt;
  if (MsoPresetGradientOf(fill)) return 3;
  if (fill.stops.size() <= 1) return 1;
  return fill.stops.size() == 2 ? 2 : 4;
}

std::optional<int> MsoPresetGradientOf(const std::vector<uint32_t>& colors) {
  const std::vector<uint32_t> reversed(colors.rbegin(), colors.rend());
  for (const PresetGradient& preset : kPresetGradients) {
    if (Follows(colors, preset.colors) || Follows(reversed, preset.colors)) return preset.type;
  }
  return std::nullopt;
}

std::optional<int> MsoPresetGradientOf(const Fill& fill) {
  if (fill.kind != FillKind::kGradient) return std::nullopt;
  std::vector<uint32_t> colors;
  colors.reserve(fill.stops.size());
  for (const GradientStop& stop : fill.stops) colors.push_back(stop.color.Rgb());
  return MsoPresetGradientOf(colors);
}

int MsoThemeColorIndexOf(std::string_view schemeName) {
  static constexpr Coded kThemeColors[] = {
      {"dk1", 1},        {"lt1", 2},
      {"dk2", 3},        {"lt2", 4},
      {"accent1", 5},    {"accent2", 6},
      {"accent3", 7},    {"accent4", 8},
      {"accent5", 9},    {"accent6", 10},
      {"hlink", 11},     {"folHlink", 12},
      {"tx1", 13},       {"bg1", 14},
      {"tx2", 15},       {"bg2", 16},
      {"dark1", 1},      {"light1", 2},
      {"dark2", 3},      {"light2", 4},
      {"hyperlink", 11}, {"followedHyperlink", 12},
      {"text1", 13},     {"background1", 14},
      {"text2", 15},     {"background2", 16},
  };
  return Lookup(kThemeColors, schemeName).value_or(0);
}

int MsoLineDashStyleOf(const Line& line) {
  switch (line.dash) {
    case DashStyle::kSolid:
      return 1;
    case DashStyle::kSystemDash:
      return 2;  // the suites' "square dot"
    case DashStyle::kSystemDot:
    case DashStyle::kDot:
      return line.cap == LineCap::kRound ? 3 : 11;  // "round dot" has round caps
    case DashStyle::kDash:
      return 4;
    case DashStyle::kDashDot:
      return 5;
    case DashStyle::kSystemDashDotDot:
      return 6;
    case DashStyle::kLongDash:
      return 7;
    case DashStyle::kLongDashDot:
      return 8;
    case DashStyle::kLongDashDotDot:
      return 9;
    case DashStyle::kSystemDashDot:
      return 12;
    case DashStyle::kCustom:
      return kMsoMixed;
  }
  return kMsoMixed;
}

int MsoLineStyleOf(const Line& line) {
  switch (line.compound) {
    case CompoundLine::kSingle:
      return 1;
    case CompoundLine::kDouble:
      return 2;
    case CompoundLine::kThinThick:
      return 3;
    case CompoundLine::kThickThin:
      return 4;
    case CompoundLine::kTriple:
      return 5;
  }
  return 1;
}

int XlLineStyleOf(const Line& line) {
  if (!line.Visible()) return kXlNone;
  if (line.compound == CompoundLine::kDouble) return -4119;
  switch (line.dash) {
    case DashStyle::kSolid:
    case DashStyle::kCustom:
      return 1;
    case DashStyle::kDot:
    case DashStyle::kSystemDot:
      return -4118;
    case DashStyle::kDash:
    case DashStyle::kSystemDash:
    case DashStyle::kLongDash:
      return -4115;
    case DashStyle::kDashDot:
    case DashStyle::kLongDashDot:
    case DashStyle::kSystemDashDot:
      return 4;
    case DashStyle::kLongDashDotDot:
    case DashStyle::kSystemDashDotDot:
      return 5;
  }
  return 1;
}

int XlBorderWeightOf(const Line& line) {
  double points = line.WidthPoints();
  if (points < 0.5) return 1;
  if (points <= 1.0) return 2;
  if (points <= 2.25) return -4138;
  return 4;
}

int MsoArrowheadStyleOf(LineEndType type) {
  switch (type) {
    case LineEndType::kNone:
      return 1;
    case LineEndType::kTriangle:
      return 2;
    case LineEndType::kArrow:
      return 3;
    case LineEndType::kStealth:
      return 4;
    case LineEndType::kDiamond:
      return 5;
    case LineEndType::kOval:
      return 6;
  }
  return 1;
}

int MsoArrowheadSizeOf(LineEndSize size) {
  return static_cast<int>(size) + 1;
}

std::optional<int> MsoShadowTypeOf(const Effects& effects) {
  const Shadow* shadow = effects.ShownShadow();
  if (shadow == nullptr) return std::nullopt;
  if (shadow->preset > 0) return shadow->preset;
  return GalleryShadow(*shadow);
}

int MsoBevelTypeOf(const std::optional<Bevel>& bevel) {
  if (!bevel) return 1;
  return Lookup(kBevels, bevel->preset).value_or(kMsoMixed);
}

int MsoTextUnderlineTypeOf(Underline underline) {
  return static_cast<int>(underline);
}

int XlUnderlineStyleOf(Underline underline) {
  switch (underline) {
    case Underline::kNone:
      return kXlNone;
    case Underline::kDouble:
    case Underline::kWavyDouble:
      return -4119;
    default:
      return 2;
  }
}

int MsoAlignmentOf(Alignment alignment) {
  return static_cast<int>(alignment) + 1;
}

std::optional<int> MsoPresetTextEffectShapeOf(std::string_view warp) {
  return Lookup(kWarps, warp);
}

}  // namespace drawingml
