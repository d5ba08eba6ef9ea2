// What the object model must answer for the presentations LibreOffice Impress saved in
// testdata/ (made by testdata/make_suite_presentations.py, which checks that the saved XML holds
// the numbers below). Lengths are written as the EMU the file stores and turned into points
// here, font sizes as the file's hundredths of a point, colours as the file's RRGGBB turned into
// the model's red + 256 x green + 65536 x blue, so each row can be traced to its XML. The model's
// and the checks' tests assert against these rows; nothing here is read from the model.
//
// These files carry every run's font in full and no text styles of the master (see
// testdata/README.md), so what a run reports is what the run itself says; inheritance from the
// master's styles needs presentations built in code (pptx_writer.h). Their slide ids and layout
// set are Impress's own: tests of ids and layout numbers use built presentations too.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "platform/office/common/color_value.h"
#include "platform/office/common/units.h"
#include "platform/office/powerpoint/constants.h"

namespace powerpoint::testing {

using office::EmuToPoints;
using office::OleFromRgb;  // the model's colour from the file's RRGGBB

// a:rPr's sz, in hundredths of a point.
constexpr double SizeToPoints(int32_t sz) {
  return static_cast<double>(sz) / 100.0;
}

static_assert(OleFromRgb(0xFF0000) == 255 && OleFromRgb(0x0000FF) == 0xFF0000);
static_assert(SizeToPoints(1050) == 10.5);

struct FontReference {
  std::string_view name;  // a:latin
  // a:ea; nullopt where neither the run nor the placeholders and theme fonts it could inherit
  // from name one for the run (no text styles to point at the theme's), which leaves the
  // answer to the model.
  std::optional<std::string_view> name_far_east;
  double size = 0.0;  // points
  int32_t bold = msoFalse;
  int32_t italic = msoFalse;
  int32_t underline = msoFalse;
  int32_t color = 0;
};

// One paragraph; every run of it has the same font.
struct ParagraphReference {
  std::string_view text;  // a line break is "\v" (character 11), no paragraph mark
  PpParagraphAlignment alignment = ppAlignLeft;
  FontReference font;
};

struct ShapeReference {
  std::string_view name;  // p:cNvPr's name
  MsoShapeType type = msoAutoShape;
  int32_t auto_shape_type = msoShapeRectangle;
  std::optional<PpPlaceholderType> placeholder_type;        // placeholders only
  double left = 0.0, top = 0.0, width = 0.0, height = 0.0;  // points, on the slide
  bool has_text_frame = false;
  // TextFrame.TextRange.Text: the paragraphs joined by "\r"; empty for a frame without text.
  std::string_view text;
  std::span<const ParagraphReference> paragraphs;
  std::span<const ShapeReference> group_items;  // a group's members, in the file's order
};

struct SlideReference {
  int32_t slide_id = 0;                    // p:sldId's id as saved
  std::string_view layout_type;            // the layout's p:sldLayout type
  std::string_view layout_name;            // its p:cSld name (CustomLayout.Name)
  PpSlideLayout layout = ppLayoutBlank;    // the published number of that type
  std::span<const ShapeReference> shapes;  // Shapes(1), Shapes(2), ...
};

struct PresentationReference {
  std::string_view file;                         // in platform/office/powerpoint/testdata
  double slide_width = 0.0, slide_height = 0.0;  // points
  std::span<const SlideReference> slides;
};

// ---- the program's defaults, written into every run ------------------------------------------

inline constexpr std::string_view kDefaultFont = "DejaVu Sans";

constexpr FontReference Plain(int32_t sz, uint32_t rrggbb = 0x000000) {
  return {.name = kDefaultFont,
          .name_far_east = std::nullopt,
          .size = SizeToPoints(sz),
          .bold = msoFalse,
          .italic = msoFalse,
          .underline = msoFalse,
          .color = OleFromRgb(rrggbb)};
}

// Every placeholder of these files lies where the layout's does (each slide repeats it).
inline constexpr double kTitleLeft = EmuToPoints(504000), kTitleTop = EmuToPoints(226080);
inline constexpr double kTitleWidth = EmuToPoints(9071640), kTitleHeight = EmuToPoints(946440);
inline constexpr double kBodyLeft = EmuToPoints(504000), kBodyTop = EmuToPoints(1326600);
inline constexpr double kBodyWidth = EmuToPoints(9071640), kBodyHeight = EmuToPoints(3288240);

constexpr ShapeReference Title(std::string_view text,
                               std::span<const ParagraphReference> paragraphs) {
  return {.name = "PlaceHolder 1",
          .type = msoPlaceholder,
          .auto_shape_type = msoShapeRectangle,
          .placeholder_type = ppPlaceholderTitle,  // p:ph type="title", also on a title slide
          .left = kTitleLeft,
          .top = kTitleTop,
          .width = kTitleWidth,
          .height = kTitleHeight,
          .has_text_frame = true,
          .text = text,
          .paragraphs = paragraphs,
          .group_items = {}};
}

// The second placeholder: "subTitle" on a title slide, else p:ph with no type ("obj").
constexpr ShapeReference Body(PpPlaceholderType type, std::string_view text,
                              std::span<const ParagraphReference> paragraphs) {
  return {.name = "PlaceHolder 2",
          .type = msoPlaceholder,
          .auto_shape_type = msoShapeRectangle,
          .placeholder_type = type,
          .left = kBodyLeft,
          .top = kBodyTop,
          .width = kBodyWidth,
          .height = kBodyHeight,
          .has_text_frame = true,
          .text = text,
          .paragraphs = paragraphs,
          .group_items = {}};
}

// ---- suite_text.pptx: five slides of placeholders --------------------------------------------

inline constexpr std::array<ParagraphReference, 1> kCoverTitle = {{
    {"计算机基础知识演示文稿", ppAlignCenter, Plain(4400)},
}};
inline constexpr std::array<ParagraphReference, 1> kCoverSubtitle = {{
    {"第一张幻灯片的副标题", ppAlignCenter, Plain(3200)},
}};
inline constexpr std::array<ParagraphReference, 1> kListTitle = {{
    {"三个要点", ppAlignCenter, Plain(4400)},
}};
// Bulleted (a:buChar on each paragraph); no algn anywhere along the chain.
inline constexpr std::array<ParagraphReference, 3> kList = {{
    {"第一项要点", ppAlignLeft, Plain(3200)},
    {"第二项要点\v换行后的文字", ppAlignLeft, Plain(3200)},
    {"第三项要点", ppAlignLeft, Plain(3200)},
}};
inline constexpr std::array<ParagraphReference, 1> kFontsTitle = {{
    {"直接设置的字体",
     ppAlignCenter,
     {.name = "Arial",
      .name_far_east = "黑体",
      .size = SizeToPoints(4000),
      .bold = msoTrue,
      .italic = msoFalse,
      .underline = msoFalse,
      .color = OleFromRgb(0x000000)}},
}};
inline constexpr std::array<ParagraphReference, 6> kFonts = {{
    // Two runs (the writer splits at the change of script), both with these fonts.
    {"宋体五号 Times New Roman",
     ppAlignLeft,
     {.name = "Times New Roman",
      .name_far_east = "宋体",
      .size = SizeToPoints(1050),
      .bold = msoFalse,
      .italic = msoFalse,
      .underline = msoFalse,
      .color = OleFromRgb(0x000000)}},
    {"加粗的文字",
     ppAlignLeft,
     {.name = kDefaultFont,
      .name_far_east = std::nullopt,
      .size = SizeToPoints(3200),
      .bold = msoTrue,
      .italic = msoFalse,
      .underline = msoFalse,
      .color = OleFromRgb(0x000000)}},
    {"倾斜的文字",
     ppAlignLeft,
     {.name = kDefaultFont,
      .name_far_east = std::nullopt,
      .size = SizeToPoints(3200),
      .bold = msoFalse,
      .italic = msoTrue,
      .underline = msoFalse,
      .color = OleFromRgb(0x000000)}},
    {"带下划线的文字",
     ppAlignLeft,
     {.name = kDefaultFont,
      .name_far_east = std::nullopt,
      .size = SizeToPoints(3200),
      .bold = msoFalse,
      .italic = msoFalse,
      .underline = msoTrue,  // u="sng"
      .color = OleFromRgb(0x000000)}},
    {"红色的文字", ppAlignLeft, Plain(3200, 0xFF0000)},
    // Nothing set: the program still writes the master's values into the run.
    {"继承母版字体的文字", ppAlignLeft, Plain(3200)},
}};
inline constexpr std::array<ParagraphReference, 1> kAlignedTitle = {{
    {"段落的对齐", ppAlignCenter, Plain(4400)},
}};
inline constexpr std::array<ParagraphReference, 3> kAligned = {{
    {"居中对齐的段落", ppAlignCenter, Plain(3200)},  // algn="ctr"
    {"右对齐的段落", ppAlignRight, Plain(3200)},     // algn="r"
    {"未设置对齐的段落", ppAlignLeft, Plain(3200)},  // no algn on it, its layout or master
}};
inline constexpr std::array<ParagraphReference, 1> kClosingTitle = {{
    {"谢谢观看", ppAlignCenter, Plain(4400)},
}};

inline constexpr std::array<ShapeReference, 2> kCoverShapes = {{
    Title("计算机基础知识演示文稿", kCoverTitle),
    Body(ppPlaceholderSubtitle, "第一张幻灯片的副标题", kCoverSubtitle),
}};
inline constexpr std::array<ShapeReference, 2> kListShapes = {{
    Title("三个要点", kListTitle),
    Body(ppPlaceholderObject, "第一项要点\r第二项要点\v换行后的文字\r第三项要点", kList),
}};
inline constexpr std::array<ShapeReference, 2> kFontsShapes = {{
    Title("直接设置的字体", kFontsTitle),
    Body(ppPlaceholderObject,
         "宋体五号 Times New Roman\r加粗的文字\r倾斜的文字\r带下划线的文字\r红色的文字\r"
         "继承母版字体的文字",
         kFonts),
}};
inline constexpr std::array<ShapeReference, 2> kAlignedShapes = {{
    Title("段落的对齐", kAlignedTitle),
    Body(ppPlaceholderObject, "居中对齐的段落\r右对齐的段落\r未设置对齐的段落", kAligned),
}};
inline constexpr std::array<ShapeReference, 1> kClosingShapes = {{
    Title("谢谢观看", kClosingTitle),
}};

// The layouts are the program's own set (testdata/README.md): its "Title Slide" has the type
// "tx", so the model reports ppLayoutText for a title slide of these files.
inline constexpr std::array<SlideReference, 5> kTextSlides = {{
    {256, "tx", "Title Slide", ppLayoutText, kCoverShapes},
    {257, "obj", "Title, Content", ppLayoutObject, kListShapes},
    {258, "obj", "Title, Content", ppLayoutObject, kFontsShapes},
    {259, "obj", "Title, Content", ppLayoutObject, kAlignedShapes},
    {260, "titleOnly", "Title Only", ppLayoutTitleOnly, kClosingShapes},
}};

// ---- suite_shapes.pptx: one slide of drawn shapes ----------------------------------------------

inline constexpr std::array<ParagraphReference, 1> kShapesTitle = {{
    {"图形和图片", ppAlignCenter, Plain(4400)},
}};
// Centred in the shape by the body's anchorCtr="1"; the paragraph itself has no algn.
inline constexpr std::array<ParagraphReference, 1> kRectangleText = {{
    {"矩形中的文字", ppAlignLeft, Plain(1800)},
}};
inline constexpr std::array<ParagraphReference, 2> kTextBoxText = {{
    {"文本框居中的段落", ppAlignCenter, Plain(1800)},
    {"Right aligned 10.5", ppAlignRight, Plain(1050)},
}};

constexpr ShapeReference Drawn(std::string_view name, int32_t auto_shape_type, int64_t x, int64_t y,
                               int64_t cx, int64_t cy) {
  return {.name = name,
          .type = msoAutoShape,
          .auto_shape_type = auto_shape_type,
          .placeholder_type = std::nullopt,
          .left = EmuToPoints(x),
          .top = EmuToPoints(y),
          .width = EmuToPoints(cx),
          .height = EmuToPoints(cy),
          .has_text_frame = true,  // every p:sp of the program has a p:txBody
          .text = "",
          .paragraphs = {},
          .group_items = {}};
}

// Already in slide coordinates: the group's chOff and chExt equal its off and ext.
inline constexpr std::array<ShapeReference, 2> kGroupItems = {{
    Drawn("Rectangle 7", msoShapeRectangle, 3240000, 3600000, 1080000, 720000),
    Drawn("Oval 8", msoShapeOval, 4680000, 3960000, 1080000, 720000),
}};

inline constexpr std::array<ShapeReference, 6> kDrawnShapes = {{
    Title("图形和图片", kShapesTitle),
    // 5 x 3 cm: 141.73 x 85.04 points, which SHAPEDIMENTION reads as 5 and 3.
    {.name = "Rectangle 2",
     .type = msoAutoShape,
     .auto_shape_type = msoShapeRectangle,
     .placeholder_type = std::nullopt,
     .left = EmuToPoints(720000),
     .top = EmuToPoints(1800000),
     .width = EmuToPoints(1800000),
     .height = EmuToPoints(1080000),
     .has_text_frame = true,
     .text = "矩形中的文字",
     .paragraphs = kRectangleText,
     .group_items = {}},
    Drawn("Oval 3", msoShapeOval, 3240000, 1800000, 1440000, 1080000),
    {.name = "TextBox 4",
     .type = msoTextBox,  // txBox="1"
     .auto_shape_type = msoShapeRectangle,
     .placeholder_type = std::nullopt,
     .left = EmuToPoints(5400000),
     .top = EmuToPoints(1800000),
     .width = EmuToPoints(2880000),
     .height = EmuToPoints(720000),
     .has_text_frame = true,
     .text = "文本框居中的段落\rRight aligned 10.5",
     .paragraphs = kTextBoxText,
     .group_items = {}},
    {.name = "Picture 5",
     .type = msoPicture,
     .auto_shape_type = msoShapeRectangle,  // prstGeom rect
     .placeholder_type = std::nullopt,
     .left = EmuToPoints(720000),
     .top = EmuToPoints(3600000),
     .width = EmuToPoints(1440000),
     .height = EmuToPoints(1080000),
     .has_text_frame = false,
     .text = "",
     .paragraphs = {},
     .group_items = {}},
    {.name = "Group 6",
     .type = msoGroup,
     .auto_shape_type = msoShapeMixed,
     .placeholder_type = std::nullopt,
     .left = EmuToPoints(3240000),
     .top = EmuToPoints(3600000),
     .width = EmuToPoints(2520000),
     .height = EmuToPoints(1080000),
     .has_text_frame = false,
     .text = "",
     .paragraphs = {},
     .group_items = kGroupItems},
}};

inline constexpr std::array<SlideReference, 1> kShapeSlides = {{
    {256, "titleOnly", "Title Only", ppLayoutTitleOnly, kDrawnShapes},
}};

// ---- bench_short.pptx: three slides the size of an exam task -----------------------------------

inline constexpr std::array<ParagraphReference, 1> kTaskTitle = {{
    {"演示文稿操作题", ppAlignCenter, Plain(4400)},
}};
inline constexpr std::array<ParagraphReference, 1> kTaskSubtitle = {{
    {"考生姓名", ppAlignCenter, Plain(3200)},
}};
inline constexpr std::array<ParagraphReference, 1> kTaskListTitle = {{
    {"考试内容",
     ppAlignCenter,
     {.name = kDefaultFont,
      .name_far_east = "黑体",
      .size = SizeToPoints(4400),
      .bold = msoTrue,
      .italic = msoFalse,
      .underline = msoFalse,
      .color = OleFromRgb(0x000000)}},
}};
inline constexpr std::array<ParagraphReference, 3> kTaskList = {{
    {"文字处理", ppAlignLeft, Plain(3200)},
    {"电子表格", ppAlignLeft, Plain(3200, 0x0000FF)},
    {"演示文稿", ppAlignLeft, Plain(3200)},
}};
inline constexpr std::array<ParagraphReference, 1> kTaskDrawingTitle = {{
    {"图形", ppAlignCenter, Plain(4400)},
}};
inline constexpr std::array<ParagraphReference, 1> kTaskRectangleText = {{
    {"矩形", ppAlignLeft, Plain(1800)},
}};

inline constexpr std::array<ShapeReference, 2> kTaskCoverShapes = {{
    Title("演示文稿操作题", kTaskTitle),
    Body(ppPlaceholderSubtitle, "考生姓名", kTaskSubtitle),
}};
inline constexpr std::array<ShapeReference, 2> kTaskListShapes = {{
    Title("考试内容", kTaskListTitle),
    Body(ppPlaceholderObject, "文字处理\r电子表格\r演示文稿", kTaskList),
}};
inline constexpr std::array<ShapeReference, 2> kTaskDrawingShapes = {{
    Title("图形", kTaskDrawingTitle),
    {.name = "Rectangle 2",
     .type = msoAutoShape,
     .auto_shape_type = msoShapeRectangle,
     .placeholder_type = std::nullopt,
     .left = EmuToPoints(720000),
     .top = EmuToPoints(1440000),
     .width = EmuToPoints(1800000),
     .height = EmuToPoints(1080000),
     .has_text_frame = true,
     .text = "矩形",
     .paragraphs = kTaskRectangleText,
     .group_items = {}},
}};

inline constexpr std::array<SlideReference, 3> kTaskSlides = {{
    {256, "tx", "Title Slide", ppLayoutText, kTaskCoverShapes},
    {257, "obj", "Title, Content", ppLayoutObject, kTaskListShapes},
    {258, "titleOnly", "Title Only", ppLayoutTitleOnly, kTaskDrawingShapes},
}};

// ---- the files -------------------------------------------------------------------------------

// The program's own 28 x 15.75 cm page.
inline constexpr double kSlideWidth = EmuToPoints(10080625), kSlideHeight = EmuToPoints(5670550);

inline constexpr std::array<PresentationReference, 3> kPresentations = {{
    {"suite_text.pptx", kSlideWidth, kSlideHeight, kTextSlides},
    {"suite_shapes.pptx", kSlideWidth, kSlideHeight, kShapeSlides},
    {"bench_short.pptx", kSlideWidth, kSlideHeight, kTaskSlides},
}};

}  // namespace powerpoint::testing
