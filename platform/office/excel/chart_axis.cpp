// A chart's axes: which element is Axes(n), their titles, tick labels and value scales (the
// file's explicit values, else an approximation of the suite's automatic choice).
#include <algorithm>
#include <cmath>
#include <map>

#include "platform/office/common/xml_names.h"
#include "platform/office/excel/chart.h"
#include "platform/office/excel/chart_xml.h"
#include "platform/office/excel/errors.h"
#include "platform/office/excel/number_format.h"

namespace excel {
namespace {

using office::Child;
using office::IsElement;

bool IsAxisElement(pugi::xml_node node) {
  return IsElement(node, "catAx") || IsElement(node, "dateAx") || IsElement(node, "valAx") ||
         IsElement(node, "serAx");
}

std::vector<std::string_view> AxisIds(pugi::xml_node group) {
  std::vector<std::string_view> ids;
  for (pugi::xml_node c = group.first_child(); c; c = c.next_sibling()) {
    if (IsElement(c, "axId")) ids.push_back(office::Attr(c, "val").value());
  }
  return ids;
}

pugi::xml_node AxisById(pugi::xml_node plotArea, std::string_view id) {
  for (pugi::xml_node c = plotArea.first_child(); c; c = c.next_sibling()) {
    if (IsAxisElement(c) && chart::Val(c, "axId") == id) return c;
  }
  return {};
}

bool Horizontal(pugi::xml_node axis) {
  const std::string_view pos = chart::Val(axis, "axPos");
  return pos == "b" || pos == "t";
}

// A value axis that plays the category axis's part (the x axis of a scatter or bubble chart).
bool IsXValueAxis(pugi::xml_node axis, pugi::xml_node plotArea) {
  if (!IsElement(axis, "valAx")) return false;
  const pugi::xml_node other = AxisById(plotArea, chart::Val(axis, "crossAx"));
  if (!IsElement(other, "valAx")) return false;
  if (Horizontal(axis) != Horizontal(other)) return Horizontal(axis);
  // Both or neither horizontal (a damaged file): the first one written is the x axis.
  for (pugi::xml_node c = plotArea.first_child(); c; c = c.next_sibling()) {
    if (c == axis) return true;
    if (c == other) return false;
  }
  return false;
}

// The groups that plot on the axis.
std::vector<pugi::xml_node> GroupsOn(pugi::xml_node axis, pugi::xml_node plotArea) {
  const std::string_view id = chart::Val(axis, "axId");
  std::vector<pugi::xml_node> out;
  for (pugi::xml_node group : chart::Groups(plotArea)) {
    const std::vector<std::string_view> ids = AxisIds(group);
    if (std::find(ids.begin(), ids.end(), id) != ids.end()) out.push_back(group);
  }
  return out;
}

struct ScaleSteps {
  double minimum = 0;
  double maximum = 1;
  double major = 0.2;
  double minor = 0.04;
};

// The first nice step (1, 2, 5 times a power of ten) that divides `span` into at most ten.
double NiceStep(double span) {
  if (!(span > 0) || !std::isfinite(span)) return 1;
  double step = std::pow(10.0, std::floor(std::log10(span / 10)));
  for (int i = 0; i < 8; ++i) {
    for (double m : {1.0, 2.0, 5.0}) {
      if (std::ceil(span / (step * m) - 1e-9) <= 10) return step * m;
    }
    step *= 10;
  }
  return step;
}

}  // namespace

base::Result<Axis> Chart::Axes(int type) const {
  const pugi::xml_node plotArea = chart::PlotAreaOf(space_);
  const std::vector<pugi::xml_node> groups = chart::Groups(plotArea);
  if (groups.empty()) return Failed("the chart has no chart group");
  std::vector<pugi::xml_node> axes;
  for (std::string_view id : AxisIds(groups.front())) {
    if (const pugi::xml_node axis = AxisById(plotArea, id)) axes.push_back(axis);
  }
  for (pugi::xml_node axis : axes) {
    if (Axis(book_, axis, plotArea).Type() != type) continue;
    if (chart::BoolVal(axis, "delete").value_or(false))
      return Failed("the chart's axis ", type, " is deleted");
    return Axis(book_, axis, plotArea);
  }
  return Failed("the chart has no axis ", type);
}

int Axis::Type() const {
  if (IsElement(axis_, "catAx") || IsElement(axis_, "dateAx")) return xlCategory;
  if (IsElement(axis_, "serAx")) return xlSeriesAxis;
  return IsXValueAxis(axis_, plotArea_) ? xlCategory : xlValue;
}

base::Result<bool> Axis::HasTitle() const {
  return static_cast<bool>(Child(axis_, "title"));
}

base::Result<excel::ChartTitle> Axis::AxisTitle() const {
  const pugi::xml_node title = Child(axis_, "title");
  if (!title) return Failed("the axis has no title");
  return excel::ChartTitle(book_, title);
}

base::Result<ChartFont> TickLabels::Font() const {
  return chart::ResolveFont(book_, axis_, {}, chart::kTextDefaults, {});
}

base::Result<std::string> TickLabels::NumberFormat() const {
  const pugi::xml_node numFmt = Child(axis_, "numFmt");
  const std::string_view code = office::Attr(numFmt, "formatCode").value();
  const std::string_view linked = office::Attr(numFmt, "sourceLinked").value();
  if (numFmt && !code.empty() && linked != "1" && linked != "true") return std::string(code);
  // Linked to the source: the format of the first series' data on this axis.
  const pugi::xml_node plotArea = chart::PlotAreaOf(axis_);
  const Axis axis(book_, axis_, plotArea);
  const std::vector<pugi::xml_node> groups = GroupsOn(axis_, plotArea);
  for (pugi::xml_node series : chart::AllSeries(plotArea)) {
    if (std::find(groups.begin(), groups.end(), series.parent()) == groups.end()) continue;
    const char* data[2] = {"cat", "xVal"};
    if (axis.Type() == xlValue) data[0] = "val", data[1] = "yVal";
    for (const char* name : data) {
      const pugi::xml_node source = Child(Child(Child(series, name), "numRef"), "numCache");
      const std::string_view cached = Child(source, "formatCode").text().get();
      if (!cached.empty()) return std::string(cached);
    }
    break;
  }
  return std::string("General");
}

base::Result<std::string> TickLabels::NumberFormatLocal() const {
  base::Result<std::string> code = NumberFormat();
  if (!code) return code.error();
  return LocalFormatCode(*code);
}

namespace {

// The values plotted against a value axis: every series of its groups, stacked groups summed
// per point (positive and negative parts apart); 100 % stacked groups give 0..1.
struct Extent {
  double low = 0;
  double high = 0;
  bool any = false;
  bool percent = false;
  void Add(double v) {
    if (!std::isfinite(v)) return;
    low = any ? std::min(low, v) : v;
    high = any ? std::max(high, v) : v;
    any = true;
  }
};

base::Result<Extent> PlottedExtent(Workbook* book, pugi::xml_node axis, pugi::xml_node plotArea,
                                   bool xValues) {
  Extent extent;
  for (pugi::xml_node group : GroupsOn(axis, plotArea)) {
    const std::string_view grouping = chart::Val(group, "grouping");
    if (grouping == "percentStacked" && !xValues) {
      extent.percent = true;
      continue;
    }
    const bool stacked = grouping == "stacked" && !xValues;
    std::map<size_t, std::pair<double, double>> sums;  // point -> (positive, negative)
    for (pugi::xml_node c = group.first_child(); c; c = c.next_sibling()) {
      if (!IsElement(c, "ser")) continue;
      const Series series(book, c);
      base::Result<std::vector<vb::Variant>> values = xValues ? series.XValues() : series.Values();
      if (!values) return values.error();
      for (size_t i = 0; i < values->size(); ++i) {
        const vb::Variant& v = (*values)[i];
        if (v.Type() != vb::VarType::Double && v.Type() != vb::VarType::Date) continue;
        if (!stacked) {
          extent.Add(v.Number());
        } else if (v.Number() >= 0) {
          sums[i].first += v.Number();
        } else {
          sums[i].second += v.Number();
        }
      }
    }
    for (const auto& [point, sum] : sums) {
      extent.Add(sum.first);
      extent.Add(sum.second);
    }
  }
  return extent;
}

base::Result<ScaleSteps> ScaleOf(Workbook* book, pugi::xml_node axis, pugi::xml_node plotArea) {
  if (!IsElement(axis, "valAx")) return Failed("the axis has no value scale");
  const pugi::xml_node scaling = Child(axis, "scaling");
  const std::optional<double> fixedMin = chart::NumberVal(scaling, "min");
  const std::optional<double> fixedMax = chart::NumberVal(scaling, "max");
  const std::optional<double> fixedMajor = chart::NumberVal(axis, "majorUnit");
  const std::optional<double> fixedMinor = chart::NumberVal(axis, "minorUnit");
  base::Result<Extent> extent =
      PlottedExtent(book, axis, plotArea, Axis(book, axis, plotArea).Type() == xlCategory);
  if (!extent) return extent.error();
  ScaleSteps s;
  if (extent->percent) {
    // A 100 % stacked group: 0 to 100 % in tenths.
    s = {0, 1, 0.1, 0.02};
  } else {
    double low = 0;
    double high = 1;
    if (extent->any) {
      low = extent->low;
      high = extent->high;
      // Zero is the base unless the values sit far from it (the minimum above 5/6 of the
      // maximum, and likewise for negative values).
      if (low >= 0 && (high == low || low < high * 5 / 6)) low = 0;
      if (high <= 0 && (high == low || high > low * 5 / 6)) high = 0;
      if (high == low) high = low + 1;
      // A margin of a twentieth of the values' span beyond them, on the sides away from zero.
      const double margin = (extent->high - extent->low) / 20;
      if (high > 0) high += margin;
      if (low < 0) low -= margin;
    }
    if (fixedMin) low = *fixedMin;
    if (fixedMax) high = *fixedMax;
    s.major = fixedMajor && *fixedMajor > 0 ? *fixedMajor : NiceStep(high - low);
    s.minimum = std::floor(low / s.major + 1e-9) * s.major;
    s.maximum = std::ceil(high / s.major - 1e-9) * s.major;
  }
  if (fixedMin) s.minimum = *fixedMin;
  if (fixedMax) s.maximum = *fixedMax;
  if (fixedMajor && *fixedMajor > 0) s.major = *fixedMajor;
  if (s.maximum <= s.minimum) s.maximum = s.minimum + s.major;
  s.minor = fixedMinor && *fixedMinor > 0 ? *fixedMinor : s.major / 5;
  return s;
}

}  // namespace

base::Result<AxisScale> Axis::Scale() const {
  base::Result<ScaleSteps> s = ScaleOf(book_, axis_, plotArea_);
  if (!s) return s.error();
  AxisScale out{s->minimum, s->maximum, s->major, s->minor, 0};
  // Where the other axis crosses this one is written on the other axis.
  const pugi::xml_node other = AxisById(plotArea_, chart::Val(axis_, "crossAx"));
  const std::string_view crosses = chart::Val(other, "crosses");
  if (const std::optional<double> at = chart::NumberVal(other, "crossesAt")) {
    out.crossesAt = *at;
  } else if (crosses == "min") {
    out.crossesAt = s->minimum;
  } else if (crosses == "max") {
    out.crossesAt = s->maximum;
  } else {
    out.crossesAt = std::clamp(0.0, s->minimum, s->maximum);
  }
  return out;
}

base::Result<double> Axis::MinimumScale() const {
  base::Result<AxisScale> s = Scale();
  return s ? base::Result<double>(s->minimum) : s.error();
}

base::Result<double> Axis::MaximumScale() const {
  base::Result<AxisScale> s = Scale();
  return s ? base::Result<double>(s->maximum) : s.error();
}

base::Result<double> Axis::MajorUnit() const {
  base::Result<AxisScale> s = Scale();
  return s ? base::Result<double>(s->majorUnit) : s.error();
}

base::Result<double> Axis::MinorUnit() const {
  base::Result<AxisScale> s = Scale();
  return s ? base::Result<double>(s->minorUnit) : s.error();
}

base::Result<double> Axis::CrossesAt() const {
  base::Result<AxisScale> s = Scale();
  return s ? base::Result<double>(s->crossesAt) : s.error();
}

}  // namespace excel
