// The file format's names for shapes, placeholders and layouts, and the object model's
// numbers for them. Preset names are those of a:prstGeom; the numbers are MsoAutoShapeType's.
#include "platform/office/powerpoint/constants.h"

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

}  // namespace powerpoint
