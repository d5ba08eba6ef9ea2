// DrawingML floating drawings (wp:anchor): the anchor's size, position, wrap and name, and what
// its graphic holds: a shape or text box (wps:wsp), a picture (pic:pic), a group (wpg:wgp) whose
// children are placed on the page through the group's child coordinates.
#include <algorithm>
#include <cstdlib>
#include <string_view>

#include "platform/office/common/units.h"
#include "platform/office/common/xml_names.h"
#include "platform/office/drawingml/body.h"
#include "platform/office/drawingml/xml.h"
#include "platform/office/word/shape_data.h"

namespace word {
namespace {

using drawingml::IntAttr;
using office::Attr;
using office::Child;
using office::IsElement;
using office::LocalName;

// Lengths are reported in single precision, as the object model does.
double Points(int64_t emu) {
  return static_cast<float>(office::EmuToPoints(emu));
}

int64_t Emu(pugi::xml_node node, std::string_view local) {
  return IntAttr(node, local).value_or(0);
}

struct Named {
  std::string_view name;
  int32_t value;
};

int32_t Lookup(std::string_view name, std::initializer_list<Named> table, int32_t fallback) {
  for (const Named& entry : table) {
    if (entry.name == name) return entry.value;
  }
  return fallback;
}

int32_t HorizontalRelative(std::string_view from) {
  return Lookup(from,
                {{"margin", wdRelativeHorizontalPositionMargin},
                 {"page", wdRelativeHorizontalPositionPage},
                 {"column", wdRelativeHorizontalPositionColumn},
                 {"character", wdRelativeHorizontalPositionCharacter},
                 {"leftMargin", wdRelativeHorizontalPositionLeftMarginArea},
                 {"rightMargin", wdRelativeHorizontalPositionRightMarginArea},
                 {"insideMargin", wdRelativeHorizontalPositionInnerMarginArea},
                 {"outsideMargin", wdRelativeHorizontalPositionOuterMarginArea}},
                wdRelativeHorizontalPositionColumn);
}

int32_t VerticalRelative(std::string_view from) {
  return Lookup(from,
                {{"margin", wdRelativeVerticalPositionMargin},
                 {"page", wdRelativeVerticalPositionPage},
                 {"paragraph", wdRelativeVerticalPositionParagraph},
                 {"line", wdRelativeVerticalPositionLine},
                 {"topMargin", wdRelativeVerticalPositionTopMarginArea},
                 {"bottomMargin", wdRelativeVerticalPositionBottomMarginArea},
                 {"insideMargin", wdRelativeVerticalPositionInnerMarginArea},
                 {"outsideMargin", wdRelativeVerticalPositionOuterMarginArea}},
                wdRelativeVerticalPositionParagraph);
}

// wp:positionH / wp:positionV: an offset in points, or the constant of an alignment.
double Offset(pugi::xml_node position, bool horizontal) {
  if (pugi::xml_node align = Child(position, "align")) {
    const std::string_view value = align.text().get();
    if (horizontal) {
      return Lookup(value,
                    {{"left", wdShapeLeft},
                     {"center", wdShapeCenter},
                     {"right", wdShapeRight},
                     {"inside", wdShapeInside},
                     {"outside", wdShapeOutside}},
                    wdShapeLeft);
    }
    return Lookup(value,
                  {{"top", wdShapeTop},
                   {"center", wdShapeCenter},
                   {"bottom", wdShapeBottom},
                   {"inside", wdShapeInside},
                   {"outside", wdShapeOutside}},
                  wdShapeTop);
  }
  if (pugi::xml_node offset = Child(position, "posOffset"))
    return Points(drawingml::ParseInt(offset.text().get()).value_or(0));
  return 0;
}

WrapData ReadWrap(pugi::xml_node anchor) {
  WrapData wrap;
  wrap.top = Points(Emu(anchor, "distT"));
  wrap.bottom = Points(Emu(anchor, "distB"));
  wrap.left = Points(Emu(anchor, "distL"));
  wrap.right = Points(Emu(anchor, "distR"));
  const bool behind = drawingml::BoolAttr(anchor, "behindDoc").value_or(false);
  wrap.type = behind ? wdWrapBehind : wdWrapFront;
  for (pugi::xml_node c = anchor.first_child(); c; c = c.next_sibling()) {
    const std::string_view name = LocalName(c.name());
    if (!name.starts_with("wrap")) continue;
    wrap.type = Lookup(name,
                       {{"wrapSquare", wdWrapSquare},
                        {"wrapTight", wdWrapTight},
                        {"wrapThrough", wdWrapThrough},
                        {"wrapTopAndBottom", wdWrapTopBottom}},
                       behind ? wdWrapBehind : wdWrapFront);
    wrap.side = Lookup(Attr(c, "wrapText").value(),
                       {{"bothSides", wdWrapBoth},
                        {"left", wdWrapLeft},
                        {"right", wdWrapRight},
                        {"largest", wdWrapLargest}},
                       wdWrapBoth);
    break;
  }
  return wrap;
}

// A rectangle of the page and the child coordinates a group maps onto it.
struct GroupFrame {
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;
  int64_t childX = 0;
  int64_t childY = 0;
  int64_t childWidth = 0;
  int64_t childHeight = 0;

  double X(int64_t x) const { return left + Scale(x - childX, width, childWidth); }
  double Y(int64_t y) const { return top + Scale(y - childY, height, childHeight); }
  double Width(int64_t cx) const { return Scale(cx, width, childWidth); }
  double Height(int64_t cy) const { return Scale(cy, height, childHeight); }

  // Child units over the group's extent; EMU where the group says nothing.
  static double Scale(int64_t value, double points, int64_t units) {
    if (units <= 0) return Points(value);
    return static_cast<float>(static_cast<double>(value) * points / static_cast<double>(units));
  }
};

void ReadChildFrame(pugi::xml_node xfrm, GroupFrame& frame) {
  pugi::xml_node chOff = Child(xfrm, "chOff");
  pugi::xml_node chExt = Child(xfrm, "chExt");
  frame.childX = Emu(chOff, "x");
  frame.childY = Emu(chOff, "y");
  frame.childWidth = Emu(chExt, "cx");
  frame.childHeight = Emu(chExt, "cy");
}

// The a:xfrm of a group's child, whichever kind it is.
pugi::xml_node ChildTransform(pugi::xml_node child) {
  for (std::string_view properties : {"spPr", "grpSpPr"}) {
    if (pugi::xml_node p = Child(child, properties)) return Child(p, "xfrm");
  }
  return {};
}

// The non-visual name of a group's child (wps:cNvPr, pic:nvPicPr/pic:cNvPr, wpg:cNvPr).
std::string ChildName(pugi::xml_node child) {
  pugi::xml_node cNvPr = Child(child, "cNvPr");
  if (!cNvPr) cNvPr = Child(Child(child, "nvPicPr"), "cNvPr");
  return Attr(cNvPr, "name").value();
}

bool IsLineGeometry(pugi::xml_node spPr) {
  const std::string_view preset = Attr(Child(spPr, "prstGeom"), "prst").value();
  return preset == "line" || preset.starts_with("straightConnector") ||
         preset.starts_with("bentConnector") || preset.starts_with("curvedConnector");
}

int32_t PictureColorType(pugi::xml_node blip) {
  if (Child(blip, "grayscl")) return msoPictureGrayscale;
  if (Child(blip, "biLevel")) return msoPictureBlackAndWhite;
  // The washout the word processor offers as its watermark colour.
  pugi::xml_node lum = Child(blip, "lum");
  if (IntAttr(lum, "bright") == 70000 && IntAttr(lum, "contrast") == -70000)
    return msoPictureWatermark;
  return msoPictureAutomatic;
}

// A fill or line of the shape's properties, else of its style reference, else none.
void ReadLook(pugi::xml_node spPr, pugi::xml_node style, ShapeData& data,
              const drawingml::Context& colors) {
  base::Result<drawingml::Fill> fill = drawingml::ReadFill(spPr, colors);
  if (!fill && drawingml::IsMissing(fill.error()))
    fill = drawingml::ResolveStyleFill(Child(style, "fillRef"), colors);
  if (!fill && drawingml::IsMissing(fill.error())) fill = drawingml::Fill{};
  data.fill = std::move(fill);

  base::Result<drawingml::Line> base = drawingml::ResolveStyleLine(Child(style, "lnRef"), colors);
  if (!base && drawingml::IsMissing(base.error())) base = ShapeData::NoLine();
  if (!base) {
    data.line = std::move(base);
    return;
  }
  base::Result<drawingml::Line> line = drawingml::ReadLine(Child(spPr, "ln"), colors, *base);
  data.line = line || !drawingml::IsMissing(line.error()) ? std::move(line) : std::move(base);
}

void ReadContent(pugi::xml_node element, ShapeData& data, const ShapeReadContext& context,
                 const GroupFrame& frame, int depth);

void ReadShape(pugi::xml_node wsp, ShapeData& data, const ShapeReadContext& context) {
  pugi::xml_node spPr = Child(wsp, "spPr");
  const bool textBox = drawingml::BoolAttr(Child(wsp, "cNvSpPr"), "txBox").value_or(false);
  data.type = textBox ? msoTextBox : IsLineGeometry(spPr) ? msoLine : msoAutoShape;
  ReadLook(spPr, Child(wsp, "style"), data, context.colors);
  data.hasTextFrame = data.type != msoLine;
  base::Result<drawingml::BodyProperties> body =
      drawingml::ReadBodyProperties(Child(wsp, "bodyPr"));
  if (!body && drawingml::IsMissing(body.error())) body = drawingml::BodyProperties{};
  if (body) {
    data.margins = Margins{Points(body->leftInsetEmu), Points(body->topInsetEmu),
                           Points(body->rightInsetEmu), Points(body->bottomInsetEmu)};
  } else {
    data.margins = body.error();
  }
  data.textBox = Child(Child(wsp, "txbx"), "txbxContent");
  if (pugi::xml_node blip = Child(Child(spPr, "blipFill"), "blip"))
    data.pictureColorType = PictureColorType(blip);
}

void ReadPicture(pugi::xml_node pic, ShapeData& data, const ShapeReadContext& context) {
  data.type = msoPicture;
  pugi::xml_node spPr = Child(pic, "spPr");
  ReadLook(spPr, {}, data, context.colors);
  data.pictureColorType = PictureColorType(Child(Child(pic, "blipFill"), "blip"));
}

// A group's children in its place on the page: `frame` is the group's rectangle with the child
// coordinates of its a:xfrm.
void ReadGroup(pugi::xml_node group, ShapeData& data, const ShapeReadContext& context,
               GroupFrame frame, int depth) {
  data.type = msoGroup;
  pugi::xml_node grpSpPr = Child(group, "grpSpPr");
  ReadLook(grpSpPr, {}, data, context.colors);
  if (depth >= kMaxGroupDepth) return;
  ReadChildFrame(Child(grpSpPr, "xfrm"), frame);
  for (pugi::xml_node c = group.first_child(); c; c = c.next_sibling()) {
    const std::string_view kind = LocalName(c.name());
    if (kind != "wsp" && kind != "pic" && kind != "grpSp") continue;
    auto child = std::make_unique<ShapeData>();
    child->relativeHorizontal = data.relativeHorizontal;
    child->relativeVertical = data.relativeVertical;
    child->wrap = data.wrap;
    pugi::xml_node xfrm = ChildTransform(c);
    pugi::xml_node off = Child(xfrm, "off");
    pugi::xml_node ext = Child(xfrm, "ext");
    child->left = frame.X(Emu(off, "x"));
    child->top = frame.Y(Emu(off, "y"));
    child->width = frame.Width(Emu(ext, "cx"));
    child->height = frame.Height(Emu(ext, "cy"));
    GroupFrame inner{child->left, child->top, child->width, child->height};
    ReadContent(c, *child, context, inner, depth + 1);
    child->name = ChildName(c);
    child->nameFromFile = !child->name.empty();
    if (child->name.empty()) child->name = GeneratedName(child->type, context);
    data.children.push_back(std::move(child));
  }
}

void ReadContent(pugi::xml_node element, ShapeData& data, const ShapeReadContext& context,
                 const GroupFrame& frame, int depth) {
  const std::string_view kind = LocalName(element.name());
  if (kind == "wsp") {
    ReadShape(element, data, context);
  } else if (kind == "pic") {
    ReadPicture(element, data, context);
  } else if (kind == "wgp" || kind == "grpSp") {
    ReadGroup(element, data, context, frame, depth);
  } else if (kind == "wpc") {
    data.type = msoCanvas;
  } else if (kind == "chart") {
    data.type = msoChart;
  }
}

// The first element child of an alternate-content branch.
pugi::xml_node BranchObject(pugi::xml_node block, std::string_view branch) {
  pugi::xml_node object = Child(block, branch).first_child();
  while (object && object.type() != pugi::node_element) object = object.next_sibling();
  return object;
}

// Group members that the DrawingML choice leaves unnamed take the names the VML fallback gives
// the same members, in the same order. Groups are read to a bounded depth, so this ends.
void BorrowNames(ShapeData& shape, const ShapeData& fallback) {
  if (!shape.nameFromFile && fallback.nameFromFile) {
    shape.name = fallback.name;
    shape.nameFromFile = true;
  }
  const size_t count = std::min(shape.children.size(), fallback.children.size());
  for (size_t i = 0; i < count; ++i) BorrowNames(*shape.children[i], *fallback.children[i]);
}

// Groups are read to a bounded depth, so this ends.
void SetAnchorObject(ShapeData& data, pugi::xml_node object) {
  data.anchorObject = object;
  for (const std::unique_ptr<ShapeData>& child : data.children) SetAnchorObject(*child, object);
}

}  // namespace

std::unique_ptr<ShapeData> ReadDrawingAnchor(pugi::xml_node anchor,
                                             const ShapeReadContext& context) {
  auto data = std::make_unique<ShapeData>();
  pugi::xml_node extent = Child(anchor, "extent");
  data->width = Points(Emu(extent, "cx"));
  data->height = Points(Emu(extent, "cy"));
  pugi::xml_node positionH = Child(anchor, "positionH");
  pugi::xml_node positionV = Child(anchor, "positionV");
  if (drawingml::BoolAttr(anchor, "simplePos").value_or(false)) {
    pugi::xml_node simple = Child(anchor, "simplePos");
    data->relativeHorizontal = wdRelativeHorizontalPositionPage;
    data->relativeVertical = wdRelativeVerticalPositionPage;
    data->left = Points(Emu(simple, "x"));
    data->top = Points(Emu(simple, "y"));
  } else {
    data->relativeHorizontal = HorizontalRelative(Attr(positionH, "relativeFrom").value());
    data->relativeVertical = VerticalRelative(Attr(positionV, "relativeFrom").value());
    data->left = Offset(positionH, true);
    data->top = Offset(positionV, false);
  }
  data->wrap = ReadWrap(anchor);

  pugi::xml_node graphicData = Child(Child(anchor, "graphic"), "graphicData");
  pugi::xml_node content = graphicData.first_child();
  while (content && content.type() != pugi::node_element) content = content.next_sibling();
  // An aligned group has no offset to place its children from: they are placed from 0.
  const auto origin = [](double offset) { return IsAligned(offset) ? 0.0 : offset; };
  GroupFrame frame{origin(data->left), origin(data->top), data->width, data->height};
  ReadContent(content, *data, context, frame, 0);
  data->name = Attr(Child(anchor, "docPr"), "name").value();
  data->nameFromFile = !data->name.empty();
  if (data->name.empty()) data->name = GeneratedName(data->type, context);
  return data;
}

std::string GeneratedName(int32_t type, const ShapeReadContext& context) {
  std::string_view kind = "AutoShape";
  switch (type) {
    case msoTextBox:
      kind = "Text Box";
      break;
    case msoPicture:
      kind = "Picture";
      break;
    case msoGroup:
      kind = "Group";
      break;
    case msoLine:
      kind = "Line";
      break;
    case msoCanvas:
      kind = "Canvas";
      break;
    default:
      break;
  }
  const int32_t number = context.unnamed != nullptr ? ++*context.unnamed : 1;
  return std::string(kind) + " " + std::to_string(number);
}

std::vector<std::unique_ptr<ShapeData>> ReadFloatingObject(pugi::xml_node object,
                                                           const ShapeReadContext& context) {
  pugi::xml_node stored = object;
  pugi::xml_node fallback;
  if (IsElement(object, "AlternateContent")) {
    stored = BranchObject(object, "Choice");
    fallback = BranchObject(object, "Fallback");
    if (!stored) std::swap(stored, fallback);
  }
  std::vector<std::unique_ptr<ShapeData>> shapes;
  if (IsElement(stored, "drawing")) {
    if (pugi::xml_node anchor = Child(stored, "anchor"))
      shapes.push_back(ReadDrawingAnchor(anchor, context));
  } else if (IsElement(stored, "pict")) {
    shapes = ReadVmlPicture(stored, context);
  }
  if (shapes.size() == 1 && IsElement(stored, "drawing") && IsElement(fallback, "pict")) {
    // Read for its names only: the shapes it makes up names for are not numbered on.
    int32_t uncounted = 0;
    ShapeReadContext names = context;
    names.unnamed = &uncounted;
    std::vector<std::unique_ptr<ShapeData>> vml = ReadVmlPicture(fallback, names);
    if (vml.size() == 1) BorrowNames(*shapes.front(), *vml.front());
  }
  for (const std::unique_ptr<ShapeData>& shape : shapes) SetAnchorObject(*shape, object);
  return shapes;
}

}  // namespace word
