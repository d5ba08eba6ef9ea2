// The size, fill, outline and picture checks of part A's drawing objects.
#include "grading/docmark/checks/shape_reads.h"
#include "grading/docmark/checks/shapes.h"
#include "platform/office/word/constants.h"

namespace docmark {

using word::ShapeRange;

int16_t ShapeSizeCode(word::Application& app, std::string_view name, double widthCm,
                      double heightCm) {
  return ShapeCode(app, name, [&](const ShapeRange& s) {
    return DigitCode({LengthIs(s.Width(), widthCm), LengthIs(s.Height(), heightCm)});
  });
}

int16_t CheckShapeWidth(word::Application& app, std::string_view name, double widthCm) {
  return ShapeTruth(app, name, [&](const ShapeRange& s) { return LengthIs(s.Width(), widthCm); });
}

int16_t CheckShapeHeight(word::Application& app, std::string_view name, double heightCm) {
  return ShapeTruth(app, name, [&](const ShapeRange& s) { return LengthIs(s.Height(), heightCm); });
}

int16_t CheckNoFill(word::Application& app, std::string_view name) {
  return ShapeTruth(app, name,
                    [](const ShapeRange& s) { return ReadNotShown(s.Fill().Visible()); });
}

int16_t CheckFillColor(word::Application& app, std::string_view name, int32_t rgb) {
  return ShapeTruth(app, name,
                    [&](const ShapeRange& s) { return ReadIs(s.Fill().ForeColor().RGB(), rgb); });
}

int16_t CheckFillHalfTransparent(word::Application& app, std::string_view name) {
  return ShapeTruth(app, name,
                    [](const ShapeRange& s) { return ReadIs(s.Fill().Transparency(), 0.5); });
}

int16_t CheckLineWeight(word::Application& app, std::string_view name, double points) {
  return ShapeTruth(app, name,
                    [&](const ShapeRange& s) { return ReadIs(s.Line().Weight(), points); });
}

int16_t CheckLineStyle(word::Application& app, std::string_view name, int16_t style) {
  return ShapeTruth(app, name,
                    [&](const ShapeRange& s) { return ReadIs(s.Line().Style(), style); });
}

int16_t CheckNoLine(word::Application& app, std::string_view name) {
  return ShapeTruth(app, name,
                    [](const ShapeRange& s) { return ReadNotShown(s.Line().Visible()); });
}

int16_t CheckLineForeColor(word::Application& app, std::string_view name, int32_t rgb) {
  return ShapeTruth(app, name,
                    [&](const ShapeRange& s) { return ReadIs(s.Line().ForeColor().RGB(), rgb); });
}

int16_t CheckLineBackColor(word::Application& app, std::string_view name, int32_t rgb) {
  return ShapeTruth(app, name,
                    [&](const ShapeRange& s) { return ReadIs(s.Line().BackColor().RGB(), rgb); });
}

int16_t CheckPictureColorType(word::Application& app, std::string_view name, int32_t colorType) {
  return ShapeTruth(app, name, [&](const ShapeRange& s) {
    return ReadIs(s.PictureFormat().ColorType(), colorType);
  });
}

}  // namespace docmark
