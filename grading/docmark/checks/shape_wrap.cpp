// The wrapping and text-box margin checks of part A's drawing objects.
#include "grading/docmark/checks/shape_reads.h"
#include "grading/docmark/checks/shapes.h"

namespace docmark {
namespace {

using word::ShapeRange;

// A distance from the text that is exactly `points` whole points.
bool WholePointsAre(const base::Result<double>& read, double points) {
  const std::optional<int16_t> whole = WholePoints(read);
  return whole && *whole == points;
}

template <class Read>
int16_t LengthCheck(word::Application& app, std::string_view name, double cm, Read read) {
  return ShapeTruth(app, name, [&](const ShapeRange& s) { return LengthIs(read(s), cm); });
}

}  // namespace

int16_t WrapDistanceCode(word::Application& app, std::string_view name, double top, double bottom,
                         double left, double right) {
  return ShapeCode(app, name, [&](const ShapeRange& s) {
    const word::WrapFormat wrap = s.WrapFormat();
    return DigitCode(
        {WholePointsAre(wrap.DistanceTop(), top), WholePointsAre(wrap.DistanceBottom(), bottom),
         WholePointsAre(wrap.DistanceLeft(), left), WholePointsAre(wrap.DistanceRight(), right)});
  });
}

int16_t CheckWrapDistanceTop(word::Application& app, std::string_view name, double cm) {
  return LengthCheck(app, name, cm,
                     [](const ShapeRange& s) { return s.WrapFormat().DistanceTop(); });
}

int16_t CheckWrapDistanceBottom(word::Application& app, std::string_view name, double cm) {
  return LengthCheck(app, name, cm,
                     [](const ShapeRange& s) { return s.WrapFormat().DistanceBottom(); });
}

int16_t CheckWrapDistanceLeft(word::Application& app, std::string_view name, double cm) {
  return LengthCheck(app, name, cm,
                     [](const ShapeRange& s) { return s.WrapFormat().DistanceLeft(); });
}

int16_t CheckWrapDistanceRight(word::Application& app, std::string_view name, double cm) {
  return LengthCheck(app, name, cm,
                     [](const ShapeRange& s) { return s.WrapFormat().DistanceRight(); });
}

int16_t WrapCode(word::Application& app, std::string_view name) {
  return ShapeCode(app, name, [](const ShapeRange& s) {
    const word::WrapFormat wrap = s.WrapFormat();
    // A value that cannot be read adds nothing, rather than counting as 0 (square, both sides).
    const std::optional<int16_t> type = Short(wrap.Type());
    const std::optional<int16_t> side = Short(wrap.Side());
    return static_cast<int16_t>((type ? (*type + 1) * 10 : 0) + (side ? *side + 1 : 0));
  });
}

int16_t CheckWrapType(word::Application& app, std::string_view name, int16_t type) {
  return ShapeTruth(app, name,
                    [&](const ShapeRange& s) { return ReadIs(s.WrapFormat().Type(), type); });
}

int16_t CheckWrapSide(word::Application& app, std::string_view name, int16_t side) {
  return ShapeTruth(app, name,
                    [&](const ShapeRange& s) { return ReadIs(s.WrapFormat().Side(), side); });
}

int16_t TextBoxMarginCode(word::Application& app, std::string_view name, double topCm,
                          double bottomCm, double leftCm, double rightCm) {
  return ShapeCode(app, name, [&](const ShapeRange& s) {
    const word::TextFrame frame = s.TextFrame();
    return DigitCode({LengthIs(frame.MarginTop(), topCm), LengthIs(frame.MarginBottom(), bottomCm),
                      LengthIs(frame.MarginLeft(), leftCm),
                      LengthIs(frame.MarginRight(), rightCm)});
  });
}

int16_t CheckTextBoxMarginTop(word::Application& app, std::string_view name, double cm) {
  return LengthCheck(app, name, cm, [](const ShapeRange& s) { return s.TextFrame().MarginTop(); });
}

int16_t CheckTextBoxMarginBottom(word::Application& app, std::string_view name, double cm) {
  return LengthCheck(app, name, cm,
                     [](const ShapeRange& s) { return s.TextFrame().MarginBottom(); });
}

int16_t CheckTextBoxMarginLeft(word::Application& app, std::string_view name, double cm) {
  return LengthCheck(app, name, cm, [](const ShapeRange& s) { return s.TextFrame().MarginLeft(); });
}

int16_t CheckTextBoxMarginRight(word::Application& app, std::string_view name, double cm) {
  return LengthCheck(app, name, cm,
                     [](const ShapeRange& s) { return s.TextFrame().MarginRight(); });
}

}  // namespace docmark
