// Opening a chart part, its title switch, legend, data table, type, and the chart and plot
// areas' fill, border and shadow.
#include "platform/office/excel/chart.h"

#include "platform/office/common/xml_names.h"
#include "platform/office/drawingml/codes.h"
#include "platform/office/drawingml/xml.h"
#include "platform/office/excel/chart_types.h"
#include "platform/office/excel/chart_xml.h"
#include "platform/office/excel/errors.h"
#include "platform/office/excel/workbook.h"

namespace excel {
namespace {

using office::Child;

constexpr char kDrawingMain[] = "http://schemas.openxmlformats.org/drawingml/2006/main";

// What a chart shows as its title when the file holds no text for it.
constexpr char kDefaultTitle[] = "图表标题";

// The prefix under which the chart part declares DrawingML's main namespace, declaring "a"
// on the chart space when it has none.
std::string DrawingPrefix(pugi::xml_node space) {
  for (pugi::xml_attribute a = space.first_attribute(); a; a = a.next_attribute()) {
    const std::string_view name = a.name();
    if (name.substr(0, 6) == "xmlns:" && std::string_view(a.value()) == kDrawingMain)
      return std::string(name.substr(6)) + ":";
  }
  std::string prefix = "a";
  while (space.attribute(("xmlns:" + prefix).c_str())) prefix += "a";
  space.append_attribute(("xmlns:" + prefix).c_str()) = kDrawingMain;
  return prefix + ":";
}

}  // namespace

base::Result<Chart> Chart::Open(Workbook& book, std::string_view part) {
  if (part.empty()) return Failed("no chart is active");
  if (!book.Package().HasPart(part)) return Failed("the chart part \"", part, "\" is missing");
  base::Result<pugi::xml_document*> doc = book.Package().PartXml(part);
  if (!doc) return Failed("the chart part \"", part, "\" cannot be read: ", doc.error().message);
  const pugi::xml_node root = (*doc)->document_element();
  if (!office::IsElement(root, "chartSpace"))
    return Failed("the part \"", part, "\" is no chart (its root is <", root.name(), ">)");
  return Chart(book, root, std::string(part));
}

base::Result<bool> Chart::HasTitle() const {
  const pugi::xml_node chart = Child(space_, "chart");
  if (chart::BoolVal(chart, "autoTitleDeleted").value_or(false)) return false;
  if (Child(chart, "title")) return true;
  // Without a title element the suite titles a chart of one series with the series' name.
  return chart::AllSeries(Child(chart, "plotArea")).size() == 1;
}

base::Status Chart::SetHasTitle(bool on) {
  pugi::xml_node chart = Child(space_, "chart");
  if (!chart) return Failed("the chart has no c:chart element");
  base::Result<bool> has = HasTitle();
  if (!has) return has.error();
  if (*has == on) return base::Ok();
  const std::string c = office::PrefixOf(chart);
  pugi::xml_node title = Child(chart, "title");
  if (on && !title) {
    std::string text = kDefaultTitle;
    const std::vector<pugi::xml_node> series = chart::AllSeries(Child(chart, "plotArea"));
    if (series.size() == 1) {
      base::Result<std::string> name = Series(book_, series.front()).Name();
      if (name) text = *name;
    }
    const std::string a = DrawingPrefix(space_);
    title = chart.prepend_child((c + "title").c_str());
    pugi::xml_node rich = title.append_child((c + "tx").c_str()).append_child((c + "rich").c_str());
    rich.append_child((a + "bodyPr").c_str());
    pugi::xml_node run = rich.append_child((a + "p").c_str()).append_child((a + "r").c_str());
    run.append_child((a + "t").c_str()).text().set(text.c_str());
    title.append_child((c + "overlay").c_str()).append_attribute("val") = "0";
  }
  if (!on && title) chart.remove_child(title);
  pugi::xml_node deleted = Child(chart, "autoTitleDeleted");
  if (!deleted) {
    title = Child(chart, "title");
    deleted = title ? chart.insert_child_after((c + "autoTitleDeleted").c_str(), title)
                    : chart.prepend_child((c + "autoTitleDeleted").c_str());
  }
  pugi::xml_attribute val = deleted.attribute("val");
  if (!val) val = deleted.append_attribute("val");
  val = on ? "0" : "1";
  book_->MarkChanged(part_);
  return base::Ok();
}

base::Result<excel::ChartTitle> Chart::ChartTitle() const {
  base::Result<bool> has = HasTitle();
  if (!has) return has.error();
  if (!*has) return Failed("the chart has no title");
  const pugi::xml_node chart = Child(space_, "chart");
  return excel::ChartTitle(book_, Child(chart, "title"), chart);
}

base::Result<bool> Chart::HasLegend() const {
  return static_cast<bool>(Child(Child(space_, "chart"), "legend"));
}

base::Result<excel::Legend> Chart::Legend() const {
  const pugi::xml_node legend = Child(Child(space_, "chart"), "legend");
  if (!legend) return Failed("the chart has no legend");
  return excel::Legend(book_, legend);
}

int Chart::SeriesCount() const {
  return static_cast<int>(chart::AllSeries(chart::PlotAreaOf(space_)).size());
}

base::Result<Series> Chart::SeriesCollection(int index) const {
  const std::vector<pugi::xml_node> all = chart::AllSeries(chart::PlotAreaOf(space_));
  if (index < 1 || index > static_cast<int>(all.size()))
    return Failed("the chart has no series ", index, " (it has ", all.size(), ")");
  return Series(book_, all[static_cast<size_t>(index - 1)]);
}

base::Result<int> Chart::ChartType() const {
  const pugi::xml_node plotArea = chart::PlotAreaOf(space_);
  const std::vector<pugi::xml_node> groups = chart::Groups(plotArea);
  if (groups.empty()) return Failed("the chart has no chart group");
  // A stock chart with volume writes its column group first.
  for (pugi::xml_node group : groups) {
    if (office::IsElement(group, "stockChart")) return chart::ChartTypeOf(group, plotArea);
  }
  return chart::ChartTypeOf(groups.front(), plotArea);
}

base::Result<bool> Chart::HasDataTable() const {
  return static_cast<bool>(Child(chart::PlotAreaOf(space_), "dTable"));
}

base::Result<ChartDataTable> Chart::DataTable() const {
  const pugi::xml_node table = Child(chart::PlotAreaOf(space_), "dTable");
  if (!table) return Failed("the chart has no data table");
  return ChartDataTable(table);
}

base::Result<bool> ChartDataTable::ShowLegendKey() const {
  return chart::BoolVal(table_, "showKeys").value_or(false);
}

ChartFormat Chart::PlotArea() const {
  return ChartFormat(book_, chart::PlotAreaOf(space_));
}

ChartFormat Chart::ChartArea() const {
  return ChartFormat(book_, space_);
}

base::Result<ChartFill> ChartFormat::Fill() const {
  ChartFill out;
  const chart::Colors colors(book_, properties_);
  base::Result<drawingml::Fill> fill =
      drawingml::ReadFill(Child(properties_, "spPr"), colors.Context());
  if (!fill) {
    if (!drawingml::IsMissing(fill.error())) return fill.error();
    out.type = drawingml::XlChartFillTypeOf(nullptr);
    out.interiorColorIndex = xlAutomatic;
    return out;
  }
  out.type = drawingml::XlChartFillTypeOf(&*fill);
  const office::Palette& palette = book_->StyleSheet().Palette();
  switch (fill->kind) {
    case drawingml::FillKind::kNone:
      out.interiorColorIndex = xlNone;
      break;
    case drawingml::FillKind::kSolid:
    case drawingml::FillKind::kGradient:
    case drawingml::FillKind::kPattern:
      out.interiorColorIndex = palette.NearestIndex(fill->color.Ole());
      break;
    default:
      out.interiorColorIndex = xlAutomatic;
  }
  if (fill->kind == drawingml::FillKind::kGradient) {
    out.presetGradientType = kUnrecognisedPresetGradient;
    if (std::optional<drawingml::GradientCode> code = drawingml::MsoGradientOf(*fill)) {
      out.gradientStyle = code->style;
      out.gradientVariant = code->variant;
    }
  }
  return out;
}

base::Result<ChartBorder> ChartFormat::Border() const {
  ChartBorder out;
  const pugi::xml_node ln = Child(Child(properties_, "spPr"), "ln");
  if (!ln) return out;  // the automatic border
  const chart::Colors colors(book_, properties_);
  base::Result<drawingml::Line> line = drawingml::ReadLine(ln, colors.Context());
  if (!line) return line.error();
  out.weight = drawingml::XlBorderWeightOf(*line);
  out.lineStyle = drawingml::XlLineStyleOf(*line);
  const bool hasFill = static_cast<bool>(drawingml::FindFillElement(ln));
  if (!hasFill) {
    out.colorIndex = xlAutomatic;
  } else if (line->fill.kind == drawingml::FillKind::kNone) {
    out.colorIndex = xlNone;
  } else {
    out.colorIndex = book_->StyleSheet().Palette().NearestIndex(line->fill.color.Ole());
  }
  return out;
}

base::Result<int> ChartFormat::ShadowType() const {
  const chart::Colors colors(book_, properties_);
  base::Result<drawingml::Effects> effects =
      drawingml::ReadEffects(Child(properties_, "spPr"), colors.Context());
  if (!effects)
    return drawingml::IsMissing(effects.error()) ? 0 : base::Result<int>(effects.error());
  return drawingml::MsoShadowTypeOf(*effects).value_or(0);
}

}  // namespace excel
