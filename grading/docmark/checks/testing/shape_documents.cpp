// Documents of drawing objects for the part-A checks' tests.
#include "grading/docmark/checks/testing/shape_documents.h"

#include "grading/docmark/checks/navigation.h"

namespace docmark::testing {
namespace {

using word::testing::ObjectRun;
using word::testing::Para;
using word::testing::TextRun;

std::string Geometry(double width, double height) {
  const auto emu = [](double points) {
    return std::to_string(static_cast<int64_t>(points * word::testing::kEmuPerPoint));
  };
  return R"(<a:xfrm><a:off x="0" y="0"/><a:ext cx=")" + emu(width) + R"(" cy=")" + emu(height) +
         R"("/></a:xfrm><a:prstGeom prst="rect"><a:avLst/></a:prstGeom>)";
}

AnchorXml Placed(std::string name, double left, double top, double width, double height,
                 std::string graphic) {
  AnchorXml anchor;
  anchor.name = std::move(name);
  anchor.positionH = word::testing::OffsetH("column", left);
  anchor.positionV = word::testing::OffsetV("paragraph", top);
  anchor.width = width;
  anchor.height = height;
  anchor.graphic = std::move(graphic);
  return anchor;
}

}  // namespace

double Cm(double points) {
  return points / kPointsPerCentimetre;
}

AnchorXml TextBoxAt(std::string name, double left, double top, double width, double height,
                    std::string_view paragraphs) {
  return Placed(
      std::move(name), left, top, width, height,
      word::testing::ShapeXml(
          Geometry(width, height) +
              R"(<a:solidFill><a:srgbClr val="FFFFFF"/></a:solidFill>)"
              R"(<a:ln w="12700"><a:solidFill><a:srgbClr val="000000"/></a:solidFill></a:ln>)",
          paragraphs));
}

AnchorXml RectangleAt(std::string name, double left, double top, double width, double height) {
  return Placed(
      std::move(name), left, top, width, height,
      word::testing::ShapeXml(
          Geometry(width, height) + R"(<a:solidFill><a:srgbClr val="C0C0C0"/></a:solidFill>)", "",
          "", false));
}

std::unique_ptr<PartADocument> OpenShapesDocument(const std::vector<AnchorXml>& shapes) {
  std::string body;
  for (size_t i = 0; i < shapes.size(); ++i) {
    body +=
        Para(TextRun("正文" + std::to_string(i + 1)) + ObjectRun(word::testing::Anchor(shapes[i])));
  }
  return OpenPartABody(body + word::testing::SectPr());
}

}  // namespace docmark::testing
