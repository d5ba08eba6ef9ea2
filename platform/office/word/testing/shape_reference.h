// What the object model must answer for each drawing object of the office-suite-saved documents
// in testdata/ (shapes_*.docx, made by testdata/make_shape_documents.py, which checks that the
// saved XML holds the numbers below). Lengths are written as the EMU the file stores and turned
// into points here, colours as the file's RRGGBB and turned into the model's red + 256 x green +
// 65536 x blue, so each row can be traced to its XML. The model's and the checks' tests assert
// against these rows; nothing here is read from the model.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/office/word/constants.h"

namespace word::testing {

constexpr double EmuToPoints(int64_t emu) {
  return static_cast<double>(emu) / 12700.0;
}

// The model's colour from the file's RRGGBB.
constexpr int32_t ModelColor(uint32_t rrggbb) {
  return static_cast<int32_t>(((rrggbb >> 16) & 0xFF) | (rrggbb & 0xFF00) |
                              ((rrggbb & 0xFF) << 16));
}

static_assert(ModelColor(0xFF0000) == 255 && ModelColor(0x0000FF) == 0xFF0000);
static_assert(EmuToPoints(19050) == 1.5);

// A fill the shape shows (Fill.Visible msoTrue); no fill is Visible msoFalse.
struct FillReference {
  int32_t fore_color = 0;
  double transparency = 0.0;  // the alpha's complement: alpha 50000 is 0.5
};

// A line the shape shows (Line.Visible msoTrue); no line is Visible msoFalse.
struct LineReference {
  double weight = 0.0;  // points
  MsoLineStyle style = msoLineSingle;
  // A preset dash (also one the writer saved as a custom dash of the preset's lengths); empty
  // where the writer saved a custom dash no preset names.
  std::optional<MsoLineDashStyle> dash_style;
  int32_t fore_color = 0;
};

struct TextMargins {
  double top = 0.0, bottom = 0.0, left = 0.0, right = 0.0;  // points
};

struct ShapeReference {
  std::string_view document;  // a file in platform/office/word/testdata
  std::string_view name;
  MsoShapeType type = msoAutoShape;
  double width = 0.0, height = 0.0;  // points
  double left = 0.0, top = 0.0;      // points, or a WdShapePosition for an aligned shape
  WdRelativeHorizontalPosition horizontal_from = wdRelativeHorizontalPositionMargin;
  WdRelativeVerticalPosition vertical_from = wdRelativeVerticalPositionMargin;
  WdWrapType wrap_type = wdWrapSquare;
  WdWrapSideType wrap_side = wdWrapBoth;
  double distance_top = 0.0, distance_bottom = 0.0;  // points
  double distance_left = 0.0, distance_right = 0.0;
  std::optional<FillReference> fill;
  std::optional<LineReference> line;
  std::optional<TextMargins> margins;             // text boxes and shapes holding text
  std::optional<MsoPictureColorType> color_type;  // pictures
  std::string_view text;                          // the box's own story, without its mark
};

inline constexpr std::string_view kTextboxesDocument = "shapes_textboxes.docx";
inline constexpr std::string_view kPicturesDocument = "shapes_pictures.docx";
inline constexpr std::string_view kAutoshapesDocument = "shapes_autoshapes.docx";
inline constexpr std::string_view kGroupDocument = "shapes_group.docx";

// Every floating shape of the main stories but the groups (kGroupReferences), each document's in
// the order the word processor numbers them (Shapes(1), Shapes(2), ...).
inline constexpr std::array<ShapeReference, 10> kShapeReferences = {{
    // Text frames of the writer, saved as text boxes (`txBox="1"`); their border distances
    // are the margins.
    {.document = kTextboxesDocument,
     .name = "Text Box 1",
     .type = msoTextBox,
     .width = EmuToPoints(1800225),
     .height = EmuToPoints(899795),
     .left = EmuToPoints(1080135),
     .top = EmuToPoints(1440180),
     .horizontal_from = wdRelativeHorizontalPositionPage,
     .vertical_from = wdRelativeVerticalPositionPage,
     .wrap_type = wdWrapSquare,
     .wrap_side = wdWrapBoth,
     .distance_top = EmuToPoints(179705),
     .distance_bottom = EmuToPoints(215900),
     .distance_left = EmuToPoints(252095),
     .distance_right = EmuToPoints(288290),
     .fill = FillReference{.fore_color = ModelColor(0xFFFF00), .transparency = 0.0},
     .line = LineReference{.weight = EmuToPoints(19050),
                           .style = msoLineSingle,
                           .dash_style = msoLineDash,
                           .fore_color = ModelColor(0xFF0000)},
     .margins = TextMargins{.top = EmuToPoints(36195),
                            .bottom = EmuToPoints(71755),
                            .left = EmuToPoints(107950),
                            .right = EmuToPoints(144145)},
     .color_type = std::nullopt,
     .text = "第一个文本框的文字"},
    {.document = kTextboxesDocument,
     .name = "Text Box 3",
     .type = msoTextBox,
     .width = EmuToPoints(2160270),
     .height = EmuToPoints(720090),
     .left = wdShapeCenter,
     .top = EmuToPoints(2879725),
     .horizontal_from = wdRelativeHorizontalPositionMargin,
     .vertical_from = wdRelativeVerticalPositionMargin,
     .wrap_type = wdWrapSquare,
     .wrap_side = wdWrapBoth,
     .distance_top = EmuToPoints(0),
     .distance_bottom = EmuToPoints(0),
     .distance_left = EmuToPoints(0),
     .distance_right = EmuToPoints(0),
     .fill = FillReference{.fore_color = ModelColor(0xCCE8FF), .transparency = 0.0},
     .line = LineReference{.weight = EmuToPoints(9525),
                           .style = msoLineSingle,
                           .dash_style = msoLineSolid,
                           .fore_color = ModelColor(0x0000FF)},
     .margins = TextMargins{.top = EmuToPoints(53975),
                            .bottom = EmuToPoints(53975),
                            .left = EmuToPoints(53975),
                            .right = EmuToPoints(53975)},
     .color_type = std::nullopt,
     .text = "第三个文本框居中"},
    // A drawing rectangle holding text (the writer's frames cannot wrap tightly): no
    // `txBox="1"`, so an AutoShape with a text frame.
    {.document = kTextboxesDocument,
     .name = "Text Box 4",
     .type = msoAutoShape,
     .width = EmuToPoints(1440180),
     .height = EmuToPoints(720090),
     .left = EmuToPoints(360045),
     .top = EmuToPoints(179705),
     .horizontal_from = wdRelativeHorizontalPositionMargin,
     .vertical_from = wdRelativeVerticalPositionParagraph,
     .wrap_type = wdWrapTight,
     .wrap_side = wdWrapBoth,
     .distance_top = EmuToPoints(0),
     .distance_bottom = EmuToPoints(0),
     .distance_left = EmuToPoints(144145),
     .distance_right = EmuToPoints(144145),
     .fill = FillReference{.fore_color = ModelColor(0xE0FFE0), .transparency = 0.0},
     .line = LineReference{.weight = EmuToPoints(9360),
                           .style = msoLineSingle,
                           .dash_style = msoLineSolid,
                           .fore_color = ModelColor(0x008000)},
     .margins = TextMargins{.top = EmuToPoints(47160),
                            .bottom = EmuToPoints(47160),
                            .left = EmuToPoints(90000),
                            .right = EmuToPoints(90000)},
     .color_type = std::nullopt,
     .text = "紧密环绕的文本框"},

    // Pictures: the same 8 x 6 pixel PNG three times, no fill, no line.
    {.document = kPicturesDocument,
     .name = "Picture 2",
     .type = msoPicture,
     .width = EmuToPoints(1800225),   // 5 cm
     .height = EmuToPoints(1080135),  // 3 cm
     .left = EmuToPoints(720090),
     .top = EmuToPoints(179705),
     .horizontal_from = wdRelativeHorizontalPositionColumn,
     .vertical_from = wdRelativeVerticalPositionParagraph,
     .wrap_type = wdWrapTopBottom,
     .wrap_side = wdWrapBoth,
     .distance_top = EmuToPoints(0),
     .distance_bottom = EmuToPoints(0),
     .distance_left = EmuToPoints(0),
     .distance_right = EmuToPoints(0),
     .fill = std::nullopt,
     .line = std::nullopt,
     .margins = std::nullopt,
     .color_type = msoPictureGrayscale,  // a:grayscl
     .text = ""},
    {.document = kPicturesDocument,
     .name = "Picture 4",
     .type = msoPicture,
     .width = EmuToPoints(1440180),
     .height = EmuToPoints(1440180),
     .left = EmuToPoints(4319905),
     .top = EmuToPoints(3599815),
     .horizontal_from = wdRelativeHorizontalPositionPage,
     .vertical_from = wdRelativeVerticalPositionPage,
     .wrap_type = wdWrapSquare,
     .wrap_side = wdWrapBoth,
     .distance_top = EmuToPoints(0),
     .distance_bottom = EmuToPoints(0),
     .distance_left = EmuToPoints(107950),
     .distance_right = EmuToPoints(107950),
     .fill = std::nullopt,
     .line = std::nullopt,
     .margins = std::nullopt,
     .color_type = msoPictureWatermark,  // a:lum bright 70000 contrast -70000
     .text = ""},
    {.document = kPicturesDocument,
     .name = "Picture 5",
     .type = msoPicture,
     .width = EmuToPoints(1080135),
     .height = EmuToPoints(720090),
     .left = EmuToPoints(360045),
     .top = EmuToPoints(360045),
     .horizontal_from = wdRelativeHorizontalPositionMargin,
     .vertical_from = wdRelativeVerticalPositionParagraph,
     .wrap_type = wdWrapBehind,  // wrapNone with behindDoc="1"
     .wrap_side = wdWrapBoth,
     .distance_top = EmuToPoints(0),
     .distance_bottom = EmuToPoints(0),
     .distance_left = EmuToPoints(0),
     .distance_right = EmuToPoints(0),
     .fill = std::nullopt,
     .line = std::nullopt,
     .margins = std::nullopt,
     .color_type = msoPictureBlackAndWhite,  // a:biLevel
     .text = ""},

    // AutoShapes. Their line widths are saved in hundredths of a millimetre, so never a whole
    // point: 2.25 pt becomes 28440 EMU (2.2394 pt), 1 pt 12600 EMU (0.9921 pt).
    {.document = kAutoshapesDocument,
     .name = "Rectangle 1",
     .type = msoAutoShape,
     .width = EmuToPoints(1440180),
     .height = EmuToPoints(720090),
     .left = EmuToPoints(720090),
     .top = EmuToPoints(1080135),
     .horizontal_from = wdRelativeHorizontalPositionPage,
     .vertical_from = wdRelativeVerticalPositionPage,
     .wrap_type = wdWrapSquare,
     .wrap_side = wdWrapBoth,
     .distance_top = EmuToPoints(71755),
     .distance_bottom = EmuToPoints(71755),
     .distance_left = EmuToPoints(71755),
     .distance_right = EmuToPoints(71755),
     .fill = FillReference{.fore_color = ModelColor(0xFF0000), .transparency = 0.0},
     .line = LineReference{.weight = EmuToPoints(28440),
                           .style = msoLineSingle,
                           // a:custDash of a 400 % dash and a 300 % gap: the preset dash
                           .dash_style = msoLineDash,
                           .fore_color = ModelColor(0x00B050)},
     .margins = std::nullopt,
     .color_type = std::nullopt,
     .text = ""},
    {.document = kAutoshapesDocument,
     .name = "Oval 2",
     .type = msoAutoShape,
     .width = EmuToPoints(1080135),
     .height = EmuToPoints(1080135),
     .left = EmuToPoints(360045),
     .top = EmuToPoints(360045),
     .horizontal_from = wdRelativeHorizontalPositionMargin,
     .vertical_from = wdRelativeVerticalPositionParagraph,
     .wrap_type = wdWrapTopBottom,
     .wrap_side = wdWrapBoth,
     .distance_top = EmuToPoints(0),
     .distance_bottom = EmuToPoints(0),
     .distance_left = EmuToPoints(0),
     .distance_right = EmuToPoints(0),
     .fill = FillReference{.fore_color = ModelColor(0x0070C0), .transparency = 0.5},
     .line = std::nullopt,
     .margins = std::nullopt,
     .color_type = std::nullopt,
     .text = ""},
    {.document = kAutoshapesDocument,
     .name = "Line 3",
     .type = msoLine,  // a shape of preset geometry "line"
     .width = EmuToPoints(1800225),
     .height = EmuToPoints(0),
     .left = EmuToPoints(1440180),
     .top = EmuToPoints(720090),
     .horizontal_from = wdRelativeHorizontalPositionMargin,
     .vertical_from = wdRelativeVerticalPositionParagraph,
     .wrap_type = wdWrapFront,  // wrapNone with behindDoc="0"
     .wrap_side = wdWrapBoth,
     .distance_top = EmuToPoints(0),
     .distance_bottom = EmuToPoints(0),
     .distance_left = EmuToPoints(0),
     .distance_right = EmuToPoints(0),
     .fill = std::nullopt,
     .line = LineReference{.weight = EmuToPoints(12600),
                           .style = msoLineSingle,
                           .dash_style = msoLineSolid,
                           .fore_color = ModelColor(0xFF0000)},
     .margins = std::nullopt,
     .color_type = std::nullopt,
     .text = ""},
    {.document = kAutoshapesDocument,
     .name = "Rectangle 5",
     .type = msoAutoShape,
     .width = EmuToPoints(1080135),
     .height = EmuToPoints(539750),
     .left = EmuToPoints(3599815),
     .top = EmuToPoints(360045),
     .horizontal_from = wdRelativeHorizontalPositionMargin,
     .vertical_from = wdRelativeVerticalPositionParagraph,
     .wrap_type = wdWrapBehind,
     .wrap_side = wdWrapBoth,
     .distance_top = EmuToPoints(0),
     .distance_bottom = EmuToPoints(0),
     .distance_left = EmuToPoints(0),
     .distance_right = EmuToPoints(0),
     .fill = std::nullopt,
     .line = LineReference{.weight = EmuToPoints(0),
                           .style = msoLineSingle,
                           .dash_style = msoLineSolid,
                           .fore_color = ModelColor(0x000000)},  // `a:ln w="0"`: the thinnest line
     .margins = std::nullopt,
     .color_type = std::nullopt,
     .text = ""},
}};

// A member of a group. Its size is its `a:ext` in the group's child coordinates; the saved
// groups scale those by extent / chExt (0.99993 and 0.99995), so compare within 0.01 point.
// The DrawingML members carry no names: only the VML fallback keeps them (`ID`, a group's `alt`).
struct GroupMemberReference {
  std::string_view name;
  MsoShapeType type = msoAutoShape;
  double width = 0.0, height = 0.0;
  std::optional<int32_t> fill_color;  // groups have none of their own
};

struct GroupReference {
  std::string_view document;
  std::string_view name;
  double width = 0.0, height = 0.0, left = 0.0, top = 0.0;
  WdRelativeHorizontalPosition horizontal_from = wdRelativeHorizontalPositionColumn;
  WdRelativeVerticalPosition vertical_from = wdRelativeVerticalPositionParagraph;
  WdWrapType wrap_type = wdWrapSquare;
  std::array<GroupMemberReference, 2> members;  // in the file's order
};

// The group document's two shapes (Group 1, Group 8, in that order) and the group nested in
// Group 8; every member shape has a black line of weight 0.
inline constexpr std::array<GroupReference, 3> kGroupReferences = {{
    {.document = kGroupDocument,
     .name = "Group 1",
     .width = EmuToPoints(1800225),
     .height = EmuToPoints(720090),
     .left = EmuToPoints(720090),
     .top = EmuToPoints(1080135),
     .horizontal_from = wdRelativeHorizontalPositionColumn,
     .vertical_from = wdRelativeVerticalPositionParagraph,
     .wrap_type = wdWrapSquare,
     .members = {{{"Rectangle 2", msoAutoShape, EmuToPoints(720000), EmuToPoints(360000),
                   ModelColor(0xFF0000)},
                  {"Oval 3", msoAutoShape, EmuToPoints(720000), EmuToPoints(360000),
                   ModelColor(0x00FF00)}}}},
    {.document = kGroupDocument,
     .name = "Group 8",
     .width = EmuToPoints(2340610),
     .height = EmuToPoints(1477645),
     .left = EmuToPoints(179705),
     .top = EmuToPoints(1762125),
     .horizontal_from = wdRelativeHorizontalPositionColumn,
     .vertical_from = wdRelativeVerticalPositionParagraph,
     .wrap_type = wdWrapSquare,
     .members = {{{"Group 6", msoGroup, EmuToPoints(1800360), EmuToPoints(360000), std::nullopt},
                  {"Rectangle 7", msoAutoShape, EmuToPoints(720000), EmuToPoints(360000),
                   ModelColor(0xFF00FF)}}}},
    // Not a shape of the document until Group 8 is ungrouped. Its left and top here are its
    // offset in Group 8's child coordinates: once ungrouped, its Left and Top are Group 8's
    // plus that offset scaled by extent / chExt (0.99995), under Group 8's anchors.
    {.document = kGroupDocument,
     .name = "Group 6",
     .width = EmuToPoints(1800360),
     .height = EmuToPoints(360000),
     .left = EmuToPoints(540360),
     .top = EmuToPoints(1117440),
     .horizontal_from = wdRelativeHorizontalPositionColumn,
     .vertical_from = wdRelativeVerticalPositionParagraph,
     .wrap_type = wdWrapSquare,
     .members = {{{"Rectangle 4", msoAutoShape, EmuToPoints(720000), EmuToPoints(360000),
                   ModelColor(0x0000FF)},
                  {"Oval 5", msoAutoShape, EmuToPoints(720000), EmuToPoints(360000),
                   ModelColor(0xFFFF00)}}}},
}};

}  // namespace word::testing
