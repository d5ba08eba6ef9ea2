// Test fixture: documents of floating drawing objects built with the model's writer, for what
// the office suite cannot save (wrap sides, shapes numbered as a rule needs, groups that are
// named as something else), each shape anchored in a paragraph of its own.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "grading/docmark/checks/testing/part_a_document.h"
#include "platform/office/word/testing/shape_xml.h"

namespace docmark::testing {

using word::testing::AnchorXml;

// The page of these documents: A4 with margins of 90 points left and right, 72 top and bottom.
inline constexpr double kLeftMarginPoints = 90;
inline constexpr double kTopMarginPoints = 72;

// A length of points in the centimetres a rule writes for it (CmToPoints gives the points back).
double Cm(double points);

// A text box `width` x `height` points at `left`, `top` from the column and the paragraph,
// holding the paragraphs `paragraphs` (whole w:p elements), a white fill and a 1 pt black line.
AnchorXml TextBoxAt(std::string name, double left, double top, double width, double height,
                    std::string_view paragraphs);
// A grey rectangle of that size and place, no text.
AnchorXml RectangleAt(std::string name, double left, double top, double width, double height);

// The document of these shapes, each after a paragraph's text "正文" + its number.
std::unique_ptr<PartADocument> OpenShapesDocument(const std::vector<AnchorXml>& shapes);

}  // namespace docmark::testing
