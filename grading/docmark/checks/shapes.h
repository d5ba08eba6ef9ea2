// Part A's checks on the drawing objects of the candidate's document: text boxes, AutoShapes,
// pictures and groups. EXISTOBJ picks the shape the other checks talk about (the control's
// current shape name); each of those selects the shape of that name and compares what its
// shape range reports with the rule's cells. Lengths of a rule are centimetres unless said,
// turned into whole points (CmToPoints) and compared with what the document holds, rounded to
// whole points, within one point (WithinOnePoint).
//
// A shape that is not there reads nothing: its checks are false and its codes 0, never the
// values of a shape an earlier rule left selected. A property the shape cannot give (a
// picture's text-box margins) matches nothing and adds nothing to a code. Truth values are
// engine::kTrue and engine::kFalse.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/office/word/application.h"

namespace docmark {

// Where the last position check found its shape, in whole points (the control's LastShapeLeft
// and LastShapeTop); a value that could not be read is left as it was.
struct LastShapePosition {
  int16_t& left;
  int16_t& top;
};

// --- Finding (shapes.cpp; UNGROUP is UngroupShape of shapes_navigation.h)

// EXISTOBJ: the first shape `prefix` 1 .. 60; `shapeName` becomes its name ("Text Box 3"), or
// empty when there is none. A found shape that is no group has its text copied to the start of
// the document (CopyTextBoxToStart), where the text checks find it.
int16_t ExistShape(word::Application& app, std::string_view prefix, std::string& shapeName);

// --- Size, fill, line and picture (shape_look.cpp)

// OBJWIDHEI: + 10 when the width is `widthCm`, + 1 when the height is `heightCm`.
int16_t ShapeSizeCode(word::Application& app, std::string_view name, double widthCm,
                      double heightCm);
// OBJWID, OBJHEI.
int16_t CheckShapeWidth(word::Application& app, std::string_view name, double widthCm);
int16_t CheckShapeHeight(word::Application& app, std::string_view name, double heightCm);

// OBJFILLVISIBLE: the shape shows no fill (Fill.Visible is not msoTrue).
int16_t CheckNoFill(word::Application& app, std::string_view name);
// OBJFILLFORECOLOR: the fill's colour is `rgb` (red + 256 x green + 65536 x blue).
int16_t CheckFillColor(word::Application& app, std::string_view name, int32_t rgb);
// OBJFILLTRAN: the fill is half transparent (exactly 0.5).
int16_t CheckFillHalfTransparent(word::Application& app, std::string_view name);

// OBJLINEWEI: the outline is exactly `points` wide.
int16_t CheckLineWeight(word::Application& app, std::string_view name, double points);
// OBJLINETYP: the outline's MsoLineStyle is `style`.
int16_t CheckLineStyle(word::Application& app, std::string_view name, int16_t style);
// OBJLINEVIS: the shape shows no outline (Line.Visible is not msoTrue).
int16_t CheckNoLine(word::Application& app, std::string_view name);
// OBJLINEFORECOLOR, OBJLINEBACKCOLOR: the outline's colour, its pattern's background colour.
int16_t CheckLineForeColor(word::Application& app, std::string_view name, int32_t rgb);
int16_t CheckLineBackColor(word::Application& app, std::string_view name, int32_t rgb);

// OBJCONCOLOR: the picture's MsoPictureColorType is `colorType`.
int16_t CheckPictureColorType(word::Application& app, std::string_view name, int32_t colorType);

// --- Position (shape_position.cpp)

// OBJLEFTTOP: + 10 when the shape stands `leftCm` from the horizontal anchor `horizontal`
// (WdRelativeHorizontalPosition) and is anchored so, + 1 the same for `topCm` and `vertical`.
// Its left and top go to `last`. Nothing when the shape is not there, so that no expected code
// (0 included) holds for a missing shape.
std::optional<int16_t> ShapePositionCode(word::Application& app, std::string_view name,
                                         double leftCm, int16_t horizontal, double topCm,
                                         int16_t vertical, LastShapePosition last);
// OBJLEFTVAL, OBJTOPVAL: the shape is anchored to `horizontal` (`vertical`), its place on the
// page kept, and then stands `leftCm` (`topCm`) from it. False when that anchor cannot be set.
// The anchor stays changed in the open document.
int16_t CheckShapeLeft(word::Application& app, std::string_view name, double leftCm,
                       int16_t horizontal);
int16_t CheckShapeTop(word::Application& app, std::string_view name, double topCm,
                      int16_t vertical);

// OPPPOSITION: the first shapes `prefix1` n and `prefix2` n (found as ExistShape finds them,
// into names of their own) stand `dx` points apart across or `dy` points apart down (first
// minus second, within one point on either axis). False when either is not there. Each
// position found goes to `last`.
int16_t CheckRelativePosition(word::Application& app, std::string_view prefix1,
                              std::string_view prefix2, double dx, double dy,
                              LastShapePosition last);

// --- Wrapping and text-box margins (shape_wrap.cpp)

// OBJDISTANCE: + 1000 top, + 100 bottom, + 10 left, + 1 right for each distance from the text
// that is exactly that many whole points (no conversion).
int16_t WrapDistanceCode(word::Application& app, std::string_view name, double top, double bottom,
                         double left, double right);
// OBJTOPDISTANCE .. OBJRIGHTDISTANCE: one distance from the text, in centimetres.
int16_t CheckWrapDistanceTop(word::Application& app, std::string_view name, double cm);
int16_t CheckWrapDistanceBottom(word::Application& app, std::string_view name, double cm);
int16_t CheckWrapDistanceLeft(word::Application& app, std::string_view name, double cm);
int16_t CheckWrapDistanceRight(word::Application& app, std::string_view name, double cm);

// OBJWRAP: (WdWrapType + 1) x 10 + (WdWrapSideType + 1): 11 for square on both sides.
int16_t WrapCode(word::Application& app, std::string_view name);
// OBJWRAPTYPE, OBJWRAPSIDE.
int16_t CheckWrapType(word::Application& app, std::string_view name, int16_t type);
int16_t CheckWrapSide(word::Application& app, std::string_view name, int16_t side);

// TEXTBOXMARGIN: + 1000 top, + 100 bottom, + 10 left, + 1 right for each inner margin of the
// text box that is that many centimetres.
int16_t TextBoxMarginCode(word::Application& app, std::string_view name, double topCm,
                          double bottomCm, double leftCm, double rightCm);
// TEXTBOXMARGINTOP .. TEXTBOXMARGINRIGHT.
int16_t CheckTextBoxMarginTop(word::Application& app, std::string_view name, double cm);
int16_t CheckTextBoxMarginBottom(word::Application& app, std::string_view name, double cm);
int16_t CheckTextBoxMarginLeft(word::Application& app, std::string_view name, double cm);
int16_t CheckTextBoxMarginRight(word::Application& app, std::string_view name, double cm);

}  // namespace docmark
