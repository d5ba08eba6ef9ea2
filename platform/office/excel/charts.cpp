// Embedded chart frames from the sheet's drawing part.
#include "platform/office/excel/charts.h"

#include "platform/office/common/xml_names.h"
#include "platform/office/excel/application.h"
#include "platform/office/excel/errors.h"
#include "platform/office/excel/workbook.h"
#include "platform/office/excel/worksheet.h"
#include "platform/vb/strings.h"

namespace excel {
namespace {

// The target of the relationship `id` of a part; empty when there is none.
std::string Target(opc::Package& package, const std::string& part, std::string_view id) {
  for (const opc::Relationship& r : package.Relationships(part)) {
    if (r.id == id && !r.external) return r.target;
  }
  return {};
}

}  // namespace

base::Status ChartObject::Activate() const {
  if (chartPart_.empty()) return Failed("\"", name_, "\" holds no chart");
  sheet_->Parent().Parent().SetActiveChart(chartPart_);
  return base::Ok();
}

base::Result<ChartObject> Worksheet::ChartObjects(std::string_view name) {
  base::Result<pugi::xml_node> root = Node();
  if (!root) return root.error();
  opc::Package& package = parent_.Package();
  const std::string drawingPart =
      Target(package, partName_, office::Attr(office::Child(*root, "drawing"), "id").value());
  if (drawingPart.empty()) return Failed("the sheet \"", name_, "\" has no charts");
  base::Result<pugi::xml_document*> drawing = package.PartXml(drawingPart);
  if (!drawing)
    return Failed("the drawing of \"", name_, "\" cannot be read: ", drawing.error().message);
  for (pugi::xml_node frame : office::Descendants((*drawing)->document_element(), "graphicFrame")) {
    pugi::xml_node props = office::Child(office::Child(frame, "nvGraphicFramePr"), "cNvPr");
    if (!vb::TextEquals(props.attribute("name").value(), name)) continue;
    const pugi::xml_node chart = office::FirstDescendant(frame, "chart");
    std::string chartPart;
    if (chart) chartPart = Target(package, drawingPart, office::Attr(chart, "id").value());
    return ChartObject(*this, props.attribute("name").value(), std::move(chartPart));
  }
  return Failed("no chart named \"", name, "\" on the sheet \"", name_, "\"");
}

}  // namespace excel
