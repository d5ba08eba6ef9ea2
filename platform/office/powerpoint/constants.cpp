// The file format's names for shapes, placeholders, layouts and transitions, and the object
// model's numbers for them. Preset names are those of a:prstGeom; the numbers are
// MsoAutoShapeType's.
#include "platform/office/powerpoint/constants.h"

#include <iterator>
#include <string>
#include <string_view>
#include <unordered_map>

namespace powerpoint {
namespace {

struct NamedNumber {
  std::string_view name;
  int32_t number;
};

constexpr NamedNumber kAutoShapes[] = {
    {"rect", 1},
    {"parallelogram", 2},
    {"trapezoid", 3},
    {"diamond", 4},
    {"roundRect", 5},
    {"octagon", 6},
    {"triangle", 7},
    {"rtTriangle", 8},
    {"ellipse", 9},
    {"hexagon", 10},
    {"plus", 11},
    {"pentagon", 12},
    {"can", 13},
    {"cube", 14},
    {"bevel", 15},
    {"foldedCorner", 16},
    {"smileyFace", 17},
    {"donut", 18},
    {"noSmoking", 19},
    {"blockArc", 20},
    {"heart", 21},
    {"lightningBolt", 22},
    {"sun", 23},
    {"moon", 24},
    {"arc", 25},
    {"bracketPair", 26},
    {"bracePair", 27},
    {"plaque", 28},
    {"leftBracket", 29},
    {"rightBracket", 30},
    {"leftBrace", 31},
    {"rightBrace", 32},
    {"rightArrow", 33},
    {"leftArrow", 34},
    {"upArrow", 35},
    {"downArrow", 36},
    {"leftRightArrow", 37},
    {"upDownArrow", 38},
    {"quadArrow", 39},
    {"leftRightUpArrow", 40},
    {"bentArrow", 41},
    {"uturnArrow", 42},
    {"leftUpArrow", 43},
    {"bentUpArrow", 44},
    {"curvedRightArrow", 45},
    {"curvedLeftArrow", 46},
    {"curvedUpArrow", 47},
    {"curvedDownArrow", 48},
    {"stripedRightArrow", 49},
    {"notchedRightArrow", 50},
    {"homePlate", 51},
    {"chevron", 52},
    {"rightArrowCallout", 53},
    {"leftArrowCallout", 54},
    {"upArrowCallout", 55},
    {"downArrowCallout", 56},
    {"leftRightArrowCallout", 57},
    {"upDownArrowCallout", 58},
    {"quadArrowCallout", 59},
    {"circularArrow", 60},
    {"flowChartProcess", 61},
    {"flowChartAlternateProcess", 62},
    {"flowChartDecision", 63},
    {"flowChartInputOutput", 64},
    {"flowChartPredefinedProcess", 65},
    {"flowChartInternalStorage", 66},
    {"flowChartDocument", 67},
    {"flowChartMultidocument", 68},
    {"flowChartTerminator", 69},
    {"flowChartPreparation", 70},
    {"flowChartManualInput", 71},
    {"flowChartManualOperation", 72},
    {"flowChartConnector", 73},
    {"flowChartOffpageConnector", 74},
    {"flowChartPunchedCard", 75},
    {"flowChartPunchedTape", 76},
    {"flowChartSummingJunction", 77},
    {"flowChartOr", 78},
    {"flowChartCollate", 79},
    {"flowChartSort", 80},
    {"flowChartExtract", 81},
    {"flowChartMerge", 82},
    {"flowChartOnlineStorage", 83},
    {"flowChartDelay", 84},
    {"flowChartMagneticTape", 85},
    {"flowChartMagneticDisk", 86},
    {"flowChartMagneticDrum", 87},
    {"flowChartDisplay", 88},
    {"irregularSeal1", 89},
    {"irregularSeal2", 90},
    {"star4", 91},
    {"star5", 92},
    {"star8", 93},
    {"star16", 94},
    {"star24", 95},
    {"star32", 96},
    {"ribbon2", 97},
    {"ribbon", 98},
    {"ellipseRibbon2", 99},
    {"ellipseRibbon", 100},
    {"verticalScroll", 101},
    {"horizontalScroll", 102},
    {"wave", 103},
    {"doubleWave", 104},
    {"wedgeRectCallout", 105},
    {"wedgeRoundRectCallout", 106},
    {"wedgeEllipseCallout", 107},
    {"cloudCallout", 108},
    {"borderCallout1", 109},
    {"borderCallout2", 110},
    {"borderCallout3", 111},
    {"accentCallout1", 113},
    {"accentCallout2", 114},
    {"accentCallout3", 115},
    {"callout1", 117},
    {"callout2", 118},
    {"callout3", 119},
    {"accentBorderCallout1", 121},
    {"accentBorderCallout2", 122},
    {"accentBorderCallout3", 123},
    {"actionButtonBlank", 125},
    {"actionButtonHome", 126},
    {"actionButtonHelp", 127},
    {"actionButtonInformation", 128},
    {"actionButtonBackPrevious", 129},
    {"actionButtonForwardNext", 130},
    {"actionButtonBeginning", 131},
    {"actionButtonEnd", 132},
    {"actionButtonReturn", 133},
    {"actionButtonDocument", 134},
    {"actionButtonSound", 135},
    {"actionButtonMovie", 136},
    {"flowChartOfflineStorage", 139},
    {"leftRightRibbon", 140},
    {"diagStripe", 141},
    {"pie", 142},
    {"nonIsoscelesTrapezoid", 143},
    {"decagon", 144},
    {"heptagon", 145},
    {"dodecagon", 146},
    {"star6", 147},
    {"star7", 148},
    {"star10", 149},
    {"star12", 150},
    {"round1Rect", 151},
    {"round2SameRect", 152},
    {"round2DiagRect", 153},
    {"snipRoundRect", 154},
    {"snip1Rect", 155},
    {"snip2SameRect", 156},
    {"snip2DiagRect", 157},
    {"frame", 158},
    {"halfFrame", 159},
    {"teardrop", 160},
    {"chord", 161},
    {"corner", 162},
    {"mathPlus", 163},
    {"mathMinus", 164},
    {"mathMultiply", 165},
    {"mathDivide", 166},
    {"mathEqual", 167},
    {"mathNotEqual", 168},
    {"cornerTabs", 169},
    {"squareTabs", 170},
    {"plaqueTabs", 171},
    {"gear6", 172},
    {"gear9", 173},
    {"funnel", 174},
    {"pieWedge", 175},
    {"leftCircularArrow", 176},
    {"leftRightCircularArrow", 177},
    {"swooshArrow", 178},
    {"cloud", 179},
    {"chartX", 180},
    {"chartStar", 181},
    {"chartPlus", 182},
    {"lineInv", 183},
};

constexpr NamedNumber kPlaceholders[] = {
    {"title", ppPlaceholderTitle},
    {"body", ppPlaceholderBody},
    {"ctrTitle", ppPlaceholderCenterTitle},
    {"subTitle", ppPlaceholderSubtitle},
    {"obj", ppPlaceholderObject},
    {"chart", ppPlaceholderChart},
    {"clipArt", ppPlaceholderBitmap},
    {"media", ppPlaceholderMediaClip},
    {"dgm", ppPlaceholderOrgChart},
    {"tbl", ppPlaceholderTable},
    {"sldNum", ppPlaceholderSlideNumber},
    {"hdr", ppPlaceholderHeader},
    {"ftr", ppPlaceholderFooter},
    {"dt", ppPlaceholderDate},
    {"pic", ppPlaceholderPicture},
    // A notes page's slide image has no number of its own.
    {"sldImg", ppPlaceholderObject},
};

constexpr NamedNumber kLayouts[] = {
    {"title", ppLayoutTitle},
    {"tx", ppLayoutText},
    {"twoColTx", ppLayoutTwoColumnText},
    {"tbl", ppLayoutTable},
    {"txAndChart", ppLayoutTextAndChart},
    {"chartAndTx", ppLayoutChartAndText},
    {"dgm", ppLayoutOrgchart},
    {"chart", ppLayoutChart},
    {"txAndClipArt", ppLayoutTextAndClipart},
    {"clipArtAndTx", ppLayoutClipartAndText},
    {"titleOnly", ppLayoutTitleOnly},
    {"blank", ppLayoutBlank},
    {"txAndObj", ppLayoutTextAndObject},
    {"objAndTx", ppLayoutObjectAndText},
    {"objOnly", ppLayoutLargeObject},
    {"obj", ppLayoutObject},
    {"txAndMedia", ppLayoutTextAndMediaClip},
    {"mediaAndTx", ppLayoutMediaClipAndText},
    {"objOverTx", ppLayoutObjectOverText},
    {"txOverObj", ppLayoutTextOverObject},
    {"txAndTwoObj", ppLayoutTextAndTwoObjects},
    {"twoObjAndTx", ppLayoutTwoObjectsAndText},
    {"twoObjOverTx", ppLayoutTwoObjectsOverText},
    {"fourObj", ppLayoutFourObjects},
    {"vertTx", ppLayoutVerticalText},
    {"clipArtAndVertTx", ppLayoutClipArtAndVerticalText},
    {"vertTitleAndTx", ppLayoutVerticalTitleAndText},
    {"vertTitleAndTxOverChart", ppLayoutVerticalTitleAndTextOverChart},
    {"twoObj", ppLayoutTwoObjects},
    {"objAndTwoObj", ppLayoutObjectAndTwoObjects},
    {"twoObjAndObj", ppLayoutTwoObjectsAndObject},
    {"cust", ppLayoutCustom},
    {"secHead", ppLayoutSectionHeader},
    {"twoTxTwoObj", ppLayoutComparison},
    {"objTx", ppLayoutContentWithCaption},
    {"picTx", ppLayoutPictureWithCaption},
};

// Transition elements and the attributes that choose among their effects, with the file
// format's defaults. Elements of p: and of the 2010 extension (p14:) share no local name.
struct TransitionElement {
  std::string_view element;
  std::string_view attributes[2];
  std::string_view defaults[2];
};

constexpr TransitionElement kTransitionElements[] = {
    {"blinds", {"dir"}, {"horz"}},
    {"checker", {"dir"}, {"horz"}},
    {"circle", {}, {}},
    {"comb", {"dir"}, {"horz"}},
    {"cover", {"dir"}, {"l"}},
    {"cut", {"thruBlk"}, {"0"}},
    {"diamond", {}, {}},
    {"dissolve", {}, {}},
    {"fade", {"thruBlk"}, {"0"}},
    {"newsflash", {}, {}},
    {"plus", {}, {}},
    {"pull", {"dir"}, {"l"}},
    {"push", {"dir"}, {"l"}},
    {"random", {}, {}},
    {"randomBar", {"dir"}, {"horz"}},
    {"split", {"orient", "dir"}, {"horz", "out"}},
    {"strips", {"dir"}, {"lu"}},
    {"wedge", {}, {}},
    {"wheel", {"spokes"}, {"4"}},
    {"wipe", {"dir"}, {"l"}},
    {"zoom", {"dir"}, {"out"}},
    // p14:
    {"conveyor", {"dir"}, {"l"}},
    {"doors", {"dir"}, {"vert"}},
    {"ferris", {"dir"}, {"l"}},
    {"flash", {}, {}},
    {"flip", {"dir"}, {"r"}},
    {"flythrough", {"dir", "hasBounce"}, {"in", "0"}},
    {"gallery", {"dir"}, {"l"}},
    {"glitter", {"pattern", "dir"}, {"diamond", "l"}},
    {"honeycomb", {}, {}},
    {"pan", {"dir"}, {"d"}},
    {"reveal", {"thruBlk", "dir"}, {"0", "l"}},
    {"ripple", {"dir"}, {"center"}},
    {"shred", {"pattern", "dir"}, {"strip", "in"}},
    {"switch", {"dir"}, {"r"}},
    {"vortex", {"dir"}, {"l"}},
    {"warp", {"dir"}, {"in"}},
    {"wheelReverse", {"spokes"}, {"4"}},
    {"window", {"dir"}, {"vert"}},
};

// "element" or "element first" or "element first second", with the attributes' values.
// The old format's zoom is the object model's box; a plain fade is the smooth one, a fade
// through black the old ppEffectFade.
constexpr NamedNumber kTransitionEffects[] = {
    {"blinds horz", ppEffectBlindsHorizontal},
    {"blinds vert", ppEffectBlindsVertical},
    {"checker horz", ppEffectCheckerboardAcross},
    {"checker vert", ppEffectCheckerboardDown},
    {"circle", ppEffectCircleOut},
    {"comb horz", ppEffectCombHorizontal},
    {"comb vert", ppEffectCombVertical},
    {"cover l", ppEffectCoverLeft},
    {"cover u", ppEffectCoverUp},
    {"cover r", ppEffectCoverRight},
    {"cover d", ppEffectCoverDown},
    {"cover lu", ppEffectCoverLeftUp},
    {"cover ru", ppEffectCoverRightUp},
    {"cover ld", ppEffectCoverLeftDown},
    {"cover rd", ppEffectCoverRightDown},
    {"cut 0", ppEffectCut},
    {"cut 1", ppEffectCutThroughBlack},
    {"diamond", ppEffectDiamondOut},
    {"dissolve", ppEffectDissolve},
    {"fade 0", ppEffectFadeSmoothly},
    {"fade 1", ppEffectFade},
    {"newsflash", ppEffectNewsflash},
    {"plus", ppEffectPlusOut},
    {"pull l", ppEffectUncoverLeft},
    {"pull u", ppEffectUncoverUp},
    {"pull r", ppEffectUncoverRight},
    {"pull d", ppEffectUncoverDown},
    {"pull lu", ppEffectUncoverLeftUp},
    {"pull ru", ppEffectUncoverRightUp},
    {"pull ld", ppEffectUncoverLeftDown},
    {"pull rd", ppEffectUncoverRightDown},
    {"push l", ppEffectPushLeft},
    {"push u", ppEffectPushUp},
    {"push r", ppEffectPushRight},
    {"push d", ppEffectPushDown},
    {"random", ppEffectRandom},
    {"randomBar horz", ppEffectRandomBarsHorizontal},
    {"randomBar vert", ppEffectRandomBarsVertical},
    {"split horz out", ppEffectSplitHorizontalOut},
    {"split horz in", ppEffectSplitHorizontalIn},
    {"split vert out", ppEffectSplitVerticalOut},
    {"split vert in", ppEffectSplitVerticalIn},
    {"strips lu", ppEffectStripsLeftUp},
    {"strips ru", ppEffectStripsRightUp},
    {"strips ld", ppEffectStripsLeftDown},
    {"strips rd", ppEffectStripsRightDown},
    {"wedge", ppEffectWedge},
    {"wheel 1", ppEffectWheel1Spoke},
    {"wheel 2", ppEffectWheel2Spokes},
    {"wheel 3", ppEffectWheel3Spokes},
    {"wheel 4", ppEffectWheel4Spokes},
    {"wheel 8", ppEffectWheel8Spokes},
    {"wipe l", ppEffectWipeLeft},
    {"wipe u", ppEffectWipeUp},
    {"wipe r", ppEffectWipeRight},
    {"wipe d", ppEffectWipeDown},
    {"zoom out", ppEffectBoxOut},
    {"zoom in", ppEffectBoxIn},
    {"conveyor l", ppEffectConveyorLeft},
    {"conveyor r", ppEffectConveyorRight},
    {"doors vert", ppEffectDoorsVertical},
    {"doors horz", ppEffectDoorsHorizontal},
    {"ferris l", ppEffectFerrisWheelLeft},
    {"ferris r", ppEffectFerrisWheelRight},
    {"flash", ppEffectFlashbulb},
    {"flip l", ppEffectFlipLeft},
    {"flip r", ppEffectFlipRight},
    {"flythrough in 0", ppEffectFlyThroughIn},
    {"flythrough out 0", ppEffectFlyThroughOut},
    {"flythrough in 1", ppEffectFlyThroughInBounce},
    {"flythrough out 1", ppEffectFlyThroughOutBounce},
    {"gallery l", ppEffectGalleryLeft},
    {"gallery r", ppEffectGalleryRight},
    {"glitter diamond l", ppEffectGlitterDiamondLeft},
    {"glitter diamond u", ppEffectGlitterDiamondUp},
    {"glitter diamond r", ppEffectGlitterDiamondRight},
    {"glitter diamond d", ppEffectGlitterDiamondDown},
    {"glitter hexagon l", ppEffectGlitterHexagonLeft},
    {"glitter hexagon u", ppEffectGlitterHexagonUp},
    {"glitter hexagon r", ppEffectGlitterHexagonRight},
    {"glitter hexagon d", ppEffectGlitterHexagonDown},
    {"honeycomb", ppEffectHoneycomb},
    {"pan l", ppEffectPanLeft},
    {"pan u", ppEffectPanUp},
    {"pan r", ppEffectPanRight},
    {"pan d", ppEffectPanDown},
    {"reveal 0 l", ppEffectRevealSmoothLeft},
    {"reveal 0 r", ppEffectRevealSmoothRight},
    {"reveal 1 l", ppEffectRevealBlackLeft},
    {"reveal 1 r", ppEffectRevealBlackRight},
    {"ripple center", ppEffectRippleCenter},
    {"ripple ru", ppEffectRippleRightUp},
    {"ripple lu", ppEffectRippleLeftUp},
    {"ripple ld", ppEffectRippleLeftDown},
    {"ripple rd", ppEffectRippleRightDown},
    {"shred strip in", ppEffectShredStripsIn},
    {"shred strip out", ppEffectShredStripsOut},
    {"shred rectangle in", ppEffectShredRectangleIn},
    {"shred rectangle out", ppEffectShredRectangleOut},
    {"switch l", ppEffectSwitchLeft},
    {"switch r", ppEffectSwitchRight},
    {"vortex l", ppEffectVortexLeft},
    {"vortex u", ppEffectVortexUp},
    {"vortex r", ppEffectVortexRight},
    {"vortex d", ppEffectVortexDown},
    {"warp in", ppEffectWarpIn},
    {"warp out", ppEffectWarpOut},
    {"wheelReverse 1", ppEffectWheelReverse1Spoke},
    {"window vert", ppEffectWindowVertical},
    {"window horz", ppEffectWindowHorizontal},
};

constexpr NamedNumber kTransitionSpeeds[] = {
    {"slow", ppTransitionSpeedSlow},
    {"med", ppTransitionSpeedMedium},
    {"fast", ppTransitionSpeedFast},
};

template <size_t N>
std::unordered_map<std::string_view, int32_t> MapOf(const NamedNumber (&table)[N]) {
  std::unordered_map<std::string_view, int32_t> map;
  for (const NamedNumber& entry : table) map.emplace(entry.name, entry.number);
  return map;
}

std::optional<int32_t> Look(const std::unordered_map<std::string_view, int32_t>& map,
                            std::string_view name) {
  auto it = map.find(name);
  if (it == map.end()) return std::nullopt;
  return it->second;
}

}  // namespace

std::optional<int32_t> AutoShapeTypeOf(std::string_view preset) {
  static const auto map = MapOf(kAutoShapes);
  return Look(map, preset);
}

std::optional<int32_t> PlaceholderTypeOf(std::string_view type, bool vertical) {
  static const auto map = MapOf(kPlaceholders);
  std::optional<int32_t> number = Look(map, type.empty() ? "obj" : type);
  if (!number || !vertical) return number;
  switch (*number) {
    case ppPlaceholderTitle:
      return ppPlaceholderVerticalTitle;
    case ppPlaceholderBody:
      return ppPlaceholderVerticalBody;
    case ppPlaceholderObject:
      return ppPlaceholderVerticalObject;
    default:
      return number;
  }
}

std::optional<int32_t> SlideLayoutOf(std::string_view type) {
  static const auto map = MapOf(kLayouts);
  return Look(map, type.empty() ? "cust" : type);
}

std::optional<int32_t> TransitionEffectOf(
    std::string_view element, const std::function<std::string_view(std::string_view)>& attribute) {
  static const auto map = MapOf(kTransitionEffects);
  for (const TransitionElement& known : kTransitionElements) {
    if (known.element != element) continue;
    std::string key(element);
    for (size_t i = 0; i < std::size(known.attributes) && !known.attributes[i].empty(); ++i) {
      std::string_view value = attribute(known.attributes[i]);
      if (value.empty()) value = known.defaults[i];
      if (value == "true") value = "1";
      if (value == "false") value = "0";
      key.append(" ").append(value);
    }
    return Look(map, key);
  }
  return std::nullopt;
}

// Timeline effects: presetID by presetClass to MsoAnimEffect. The entrance list skips the
// presets the suite no longer offers, so from presetID 34 on the numbers run apart.
namespace {

struct PresetNumber {
  int32_t presetId;
  int32_t effect;
};

constexpr PresetNumber kEntrancePresets[] = {
    {1, msoAnimEffectAppear},       {2, msoAnimEffectFly},
    {3, msoAnimEffectBlinds},       {4, msoAnimEffectBox},
    {5, msoAnimEffectCheckerboard}, {6, msoAnimEffectCircle},
    {7, msoAnimEffectCrawl},        {8, msoAnimEffectDiamond},
    {9, msoAnimEffectDissolve},     {10, msoAnimEffectFade},
    {11, msoAnimEffectFlashOnce},   {12, msoAnimEffectPeek},
    {13, msoAnimEffectPlus},        {14, msoAnimEffectRandomBars},
    {15, msoAnimEffectSpiral},      {16, msoAnimEffectSplit},
    {17, msoAnimEffectStretch},     {18, msoAnimEffectStrips},
    {19, msoAnimEffectSwivel},      {20, msoAnimEffectWedge},
    {21, msoAnimEffectWheel},       {22, msoAnimEffectWipe},
    {23, msoAnimEffectZoom},        {24, msoAnimEffectRandomEffects},
    {25, msoAnimEffectBoomerang},   {26, msoAnimEffectBounce},
    {27, msoAnimEffectColorReveal}, {28, msoAnimEffectCredits},
    {29, msoAnimEffectEaseIn},      {30, msoAnimEffectFloat},
    {31, msoAnimEffectGrowAndTurn}, {34, msoAnimEffectLightSpeed},
    {35, msoAnimEffectPinwheel},    {37, msoAnimEffectRiseUp},
    {38, msoAnimEffectSwish},       {39, msoAnimEffectThinLine},
    {40, msoAnimEffectUnfold},      {41, msoAnimEffectWhip},
    {42, msoAnimEffectAscend},      {43, msoAnimEffectCenterRevolve},
    {45, msoAnimEffectFadedSwivel}, {47, msoAnimEffectDescend},
    {48, msoAnimEffectSling},       {49, msoAnimEffectSpinner},
    {50, msoAnimEffectStretchy},    {51, msoAnimEffectZip},
    {52, msoAnimEffectArcUp},       {53, msoAnimEffectFadedZoom},
    {54, msoAnimEffectGlide},       {55, msoAnimEffectExpand},
    {56, msoAnimEffectFlip},        {58, msoAnimEffectFold},
};

constexpr PresetNumber kEmphasisPresets[] = {
    {1, msoAnimEffectChangeFillColor},
    {2, msoAnimEffectChangeFont},
    {3, msoAnimEffectChangeFontColor},
    {4, msoAnimEffectChangeFontSize},
    {5, msoAnimEffectChangeFontStyle},
    {6, msoAnimEffectGrowShrink},
    {7, msoAnimEffectChangeLineColor},
    {8, msoAnimEffectSpin},
    {9, msoAnimEffectTransparency},
    {10, msoAnimEffectBoldFlash},
    {14, msoAnimEffectBlast},
    {15, msoAnimEffectBoldReveal},
    {16, msoAnimEffectBrushOnColor},
    {18, msoAnimEffectBrushOnUnderline},
    {19, msoAnimEffectColorBlend},
    {20, msoAnimEffectColorWave},
    {21, msoAnimEffectComplementaryColor},
    {22, msoAnimEffectComplementaryColor2},
    {23, msoAnimEffectContrastingColor},
    {24, msoAnimEffectDarken},
    {25, msoAnimEffectDesaturate},
    {26, msoAnimEffectFlashBulb},
    {27, msoAnimEffectFlicker},
    {28, msoAnimEffectGrowWithColor},
    {30, msoAnimEffectLighten},
    {31, msoAnimEffectStyleEmphasis},
    {32, msoAnimEffectTeeter},
    {33, msoAnimEffectVerticalGrow},
    {34, msoAnimEffectWave},
    {36, msoAnimEffectShimmer},
};

constexpr PresetNumber kMediaPresets[] = {
    {1, msoAnimEffectMediaPlay},
    {2, msoAnimEffectMediaPause},
    {3, msoAnimEffectMediaStop},
};

// Motion paths 1 to 62 follow msoAnimEffectPathCircle in order; the last two are named "right"
// (63) and "up" (64), while the enumeration has up before right.
std::optional<int32_t> PathEffectOf(int32_t presetId) {
  if (presetId == 63) return msoAnimEffectPathRight;
  if (presetId == 64) return msoAnimEffectPathUp;
  if (presetId < 1 || presetId > 62) return std::nullopt;
  return msoAnimEffectPathCircle - 1 + presetId;
}

template <size_t N>
std::optional<int32_t> PresetOf(const PresetNumber (&table)[N], int32_t presetId) {
  for (const PresetNumber& entry : table) {
    if (entry.presetId == presetId) return entry.effect;
  }
  return std::nullopt;
}

// presetSubtype bits and values.
constexpr int32_t kTop = 1, kRight = 2, kBottom = 4, kLeft = 8, kIn = 16, kOut = 32;
constexpr int32_t kAnySubtype = -1;

struct EntryNumber {
  int32_t effect;
  int32_t subtype;  // kAnySubtype: whatever the direction
  int32_t entry;
};

// Most older names say where the shape comes from ("fly from left" is presetSubtype 8), those
// of "wipe" where the wipe moves (from the left is ppEffectWipeRight), and horizontal random
// bars are the vertical subtype.
constexpr EntryNumber kEntryEffects[] = {
    {msoAnimEffectAppear, kAnySubtype, ppEffectAppear},
    {msoAnimEffectFly, kLeft, ppEffectFlyFromLeft},
    {msoAnimEffectFly, kTop, ppEffectFlyFromTop},
    {msoAnimEffectFly, kRight, ppEffectFlyFromRight},
    {msoAnimEffectFly, kBottom, ppEffectFlyFromBottom},
    {msoAnimEffectFly, kTop | kLeft, ppEffectFlyFromTopLeft},
    {msoAnimEffectFly, kTop | kRight, ppEffectFlyFromTopRight},
    {msoAnimEffectFly, kBottom | kLeft, ppEffectFlyFromBottomLeft},
    {msoAnimEffectFly, kBottom | kRight, ppEffectFlyFromBottomRight},
    {msoAnimEffectBlinds, kTop | kBottom, ppEffectBlindsHorizontal},
    {msoAnimEffectBlinds, kLeft | kRight, ppEffectBlindsVertical},
    {msoAnimEffectBox, kIn, ppEffectBoxIn},
    {msoAnimEffectBox, kOut, ppEffectBoxOut},
    {msoAnimEffectCheckerboard, kLeft | kRight, ppEffectCheckerboardAcross},
    {msoAnimEffectCheckerboard, kTop | kBottom, ppEffectCheckerboardDown},
    {msoAnimEffectCircle, kOut, ppEffectCircleOut},
    {msoAnimEffectCrawl, kLeft, ppEffectCrawlFromLeft},
    {msoAnimEffectCrawl, kTop, ppEffectCrawlFromUp},
    {msoAnimEffectCrawl, kRight, ppEffectCrawlFromRight},
    {msoAnimEffectCrawl, kBottom, ppEffectCrawlFromDown},
    {msoAnimEffectDiamond, kOut, ppEffectDiamondOut},
    {msoAnimEffectDissolve, kAnySubtype, ppEffectDissolve},
    {msoAnimEffectFade, kAnySubtype, ppEffectFade},
    {msoAnimEffectPeek, kLeft, ppEffectPeekFromLeft},
    {msoAnimEffectPeek, kBottom, ppEffectPeekFromDown},
    {msoAnimEffectPeek, kRight, ppEffectPeekFromRight},
    {msoAnimEffectPeek, kTop, ppEffectPeekFromUp},
    {msoAnimEffectPlus, kOut, ppEffectPlusOut},
    {msoAnimEffectRandomBars, kLeft | kRight, ppEffectRandomBarsHorizontal},
    {msoAnimEffectRandomBars, kTop | kBottom, ppEffectRandomBarsVertical},
    {msoAnimEffectSpiral, kAnySubtype, ppEffectSpiral},
    {msoAnimEffectSplit, 26, ppEffectSplitHorizontalIn},
    {msoAnimEffectSplit, 42, ppEffectSplitHorizontalOut},
    {msoAnimEffectSplit, 21, ppEffectSplitVerticalIn},
    {msoAnimEffectSplit, 37, ppEffectSplitVerticalOut},
    {msoAnimEffectStretch, kLeft | kRight, ppEffectStretchAcross},
    {msoAnimEffectStretch, kLeft, ppEffectStretchLeft},
    {msoAnimEffectStretch, kTop, ppEffectStretchUp},
    {msoAnimEffectStretch, kRight, ppEffectStretchRight},
    {msoAnimEffectStretch, kBottom, ppEffectStretchDown},
    {msoAnimEffectStrips, kTop | kRight, ppEffectStripsRightUp},
    {msoAnimEffectStrips, kBottom | kRight, ppEffectStripsRightDown},
    {msoAnimEffectStrips, kTop | kLeft, ppEffectStripsLeftUp},
    {msoAnimEffectStrips, kBottom | kLeft, ppEffectStripsLeftDown},
    {msoAnimEffectSwivel, kAnySubtype, ppEffectSwivel},
    {msoAnimEffectWedge, kAnySubtype, ppEffectWedge},
    {msoAnimEffectWheel, 1, ppEffectWheel1Spoke},
    {msoAnimEffectWheel, 2, ppEffectWheel2Spokes},
    {msoAnimEffectWheel, 3, ppEffectWheel3Spokes},
    {msoAnimEffectWheel, 4, ppEffectWheel4Spokes},
    {msoAnimEffectWheel, 8, ppEffectWheel8Spokes},
    {msoAnimEffectWipe, kLeft, ppEffectWipeRight},
    {msoAnimEffectWipe, kTop, ppEffectWipeDown},
    {msoAnimEffectWipe, kRight, ppEffectWipeLeft},
    {msoAnimEffectWipe, kBottom, ppEffectWipeUp},
    {msoAnimEffectZoom, kIn, ppEffectZoomIn},
    {msoAnimEffectZoom, 272, ppEffectZoomInSlightly},
    {msoAnimEffectZoom, kOut, ppEffectZoomOut},
    {msoAnimEffectZoom, 288, ppEffectZoomOutSlightly},
    {msoAnimEffectZoom, 528, ppEffectZoomCenter},
    {msoAnimEffectZoom, 36, ppEffectZoomBottom},
    {msoAnimEffectRandomEffects, kAnySubtype, ppEffectRandom},
};

}  // namespace

std::optional<int32_t> AnimEffectOf(std::string_view presetClass, int32_t presetId) {
  if (presetClass == "entr" || presetClass == "exit") return PresetOf(kEntrancePresets, presetId);
  if (presetClass == "emph") return PresetOf(kEmphasisPresets, presetId);
  if (presetClass == "path") return PathEffectOf(presetId);
  if (presetClass == "mediacall") return PresetOf(kMediaPresets, presetId);
  return std::nullopt;
}

std::optional<int32_t> EntryEffectOf(int32_t effectType, int32_t presetSubtype, float duration) {
  if (effectType == msoAnimEffectFlashOnce) {
    // The older settings knew a flash of 0.075, 0.5 and 1 second: the nearest one.
    if (duration < 0.2875f) return ppEffectFlashOnceFast;
    return duration < 0.75f ? ppEffectFlashOnceMedium : ppEffectFlashOnceSlow;
  }
  for (const EntryNumber& entry : kEntryEffects) {
    if (entry.effect != effectType) continue;
    if (entry.subtype == kAnySubtype || entry.subtype == presetSubtype) return entry.entry;
  }
  return std::nullopt;
}

std::optional<int32_t> TransitionSpeedOf(std::string_view spd) {
  for (const NamedNumber& entry : kTransitionSpeeds)
    if (entry.name == spd) return entry.number;
  return std::nullopt;
}

}  // namespace powerpoint
