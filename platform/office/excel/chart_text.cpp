// Chart texts: the title's characters and the fonts of titles and legends, resolved through
// the run, its paragraph, the element's txPr, the chart's txPr and the built-in defaults.
#include <algorithm>

#include "platform/office/common/xml_names.h"
#include "platform/office/drawingml/codes.h"
#include "platform/office/drawingml/text.h"
#include "platform/office/excel/chart.h"
#include "platform/office/excel/chart_xml.h"
#include "platform/office/excel/errors.h"
#include "platform/office/excel/workbook.h"

namespace excel {
namespace chart {
namespace {

using office::Child;
using office::IsElement;

// The first paragraph's properties of a txPr (or rich) body.
pugi::xml_node FirstParagraphProperties(pugi::xml_node body) {
  return Child(Child(body, "p"), "pPr");
}

}  // namespace

base::Result<ChartFont> ResolveFont(Workbook* book, pugi::xml_node element,
                                    const std::vector<pugi::xml_node>& specific,
                                    const FontDefaults& defaults, std::string_view text) {
  std::vector<pugi::xml_node> nodes = specific;
  nodes.push_back(FirstParagraphProperties(Child(element, "txPr")));
  nodes.push_back(FirstParagraphProperties(Child(SpaceOf(element), "txPr")));
  std::vector<drawingml::TextLevel> levels;
  levels.reserve(nodes.size() + 1);
  for (pugi::xml_node node : nodes) {
    if (!node) continue;
    base::Result<drawingml::TextLevel> level = IsElement(node, "pPr")
                                                   ? drawingml::ReadParagraphProperties(node)
                                                   : drawingml::ReadRunProperties(node);
    if (!level)
      return Failed("the chart's text properties cannot be read: ", level.error().message);
    levels.push_back(std::move(*level));
  }
  // The East Asian typeface names the font only when the file sets one.
  const bool eastAsianSet =
      std::any_of(levels.begin(), levels.end(),
                  [](const drawingml::TextLevel& level) { return !level.eastAsian.empty(); });
  drawingml::TextLevel builtIn;
  builtIn.sizePt = defaults.size;
  builtIn.bold = defaults.bold;
  levels.push_back(builtIn);
  std::vector<const drawingml::TextLevel*> pointers;
  for (const drawingml::TextLevel& level : levels) pointers.push_back(&level);
  const Colors colors(book, element ? element : SpaceOf(element));
  base::Result<drawingml::ResolvedText> resolved = drawingml::ResolveText(
      std::span<const drawingml::TextLevel* const>(pointers), colors.Context());
  if (!resolved) return Failed("the chart's text cannot be resolved: ", resolved.error().message);
  ChartFont font;
  font.name = resolved->latin;
  if (eastAsianSet && HasEastAsian(text) && !resolved->eastAsian.empty())
    font.name = resolved->eastAsian;
  font.size = resolved->sizePt;
  font.bold = resolved->bold;
  font.italic = resolved->italic;
  font.underline = drawingml::XlUnderlineStyleOf(resolved->underline);
  font.color = resolved->color.Ole();
  font.colorIndex = book->StyleSheet().Palette().NearestIndex(font.color);
  return font;
}

}  // namespace chart

namespace {

using office::Child;
using office::IsElement;

constexpr char kDefaultChartTitle[] = "图表标题";
constexpr char kDefaultAxisTitle[] = "坐标轴标题";

bool IsChartTitle(pugi::xml_node title) {
  return !title || IsElement(title.parent(), "chart");
}

}  // namespace

base::Result<std::string> ChartTitle::Text() const {
  if (const pugi::xml_node tx = Child(title_, "tx")) return chart::TxText(tx);
  if (!IsChartTitle(title_)) return std::string(kDefaultAxisTitle);
  // An automatic title: the only series' name, else the suite's default text.
  const pugi::xml_node chart = title_ ? title_.parent() : chart_;
  const std::vector<pugi::xml_node> series = chart::AllSeries(Child(chart, "plotArea"));
  if (series.size() == 1) return Series(book_, series.front()).Name();
  return std::string(kDefaultChartTitle);
}

base::Result<ChartFont> ChartTitle::Font() const {
  base::Result<std::string> text = Text();
  if (!text) return text.error();
  // The first run and its paragraph stand for the title, as the suite's Font reports them.
  std::vector<pugi::xml_node> specific;
  if (const pugi::xml_node rich = Child(Child(title_, "tx"), "rich")) {
    pugi::xml_node paragraph = Child(rich, "p");
    for (pugi::xml_node p = paragraph; p; p = p.next_sibling()) {
      if (const pugi::xml_node run = Child(p, "r"); run && IsElement(p, "p")) {
        specific.push_back(Child(run, "rPr"));
        paragraph = p;
        break;
      }
    }
    specific.push_back(Child(paragraph, "pPr"));
  }
  const pugi::xml_node element = title_ ? title_ : chart_;
  return chart::ResolveFont(
      book_, element, specific,
      IsChartTitle(title_) ? chart::kTitleDefaults : chart::kAxisTitleDefaults, *text);
}

base::Result<int> Legend::Position() const {
  if (Child(Child(legend_, "layout"), "manualLayout")) return xlLegendPositionCustom;
  const std::string_view pos = chart::Val(legend_, "legendPos");
  if (pos.empty() || pos == "r") return xlLegendPositionRight;
  if (pos == "l") return xlLegendPositionLeft;
  if (pos == "t") return xlLegendPositionTop;
  if (pos == "b") return xlLegendPositionBottom;
  if (pos == "tr") return xlLegendPositionCorner;
  return Failed("unknown legend position \"", pos, "\"");
}

base::Result<ChartFont> Legend::Font() const {
  return chart::ResolveFont(book_, legend_, {}, chart::kTextDefaults, {});
}

base::Status Legend::SetAutoScaleFont(bool) {
  // Font scaling follows the chart's size, which nothing here changes: the switch is accepted
  // and leaves the file as it is.
  if (!legend_) return Failed("the chart has no legend");
  return base::Ok();
}

}  // namespace excel
