// Document.Shapes and a Shape's own members: its name, kind, size, position and anchors,
// selecting it and taking a group apart.
#include "platform/office/word/shapes.h"

#include <algorithm>

#include "platform/base/text.h"
#include "platform/office/common/xml_names.h"
#include "platform/office/drawingml/theme.h"
#include "platform/office/word/document.h"
#include "platform/office/word/errors.h"
#include "platform/office/word/selection.h"
#include "platform/office/word/shape_data.h"
#include "platform/office/word/shape_position.h"
#include "platform/office/word/shape_range.h"

namespace word {
namespace {

// The anchor character of a shape in the main story; nullopt when the text no longer holds it.
std::optional<int32_t> AnchorPosition(Document& document, const ShapeData& data) {
  const Story& story = document.StoryAt(kMainStory);
  for (const Piece& piece : story.Pieces()) {
    if (piece.kind == PieceKind::kFloatingObject && piece.node == data.anchorObject)
      return piece.start;
  }
  return std::nullopt;
}

// The page setup of the section holding the shape's anchor (the first without one).
PageSetup PageOf(Document& document, const ShapeData& data) {
  const Story& story = document.StoryAt(kMainStory);
  int32_t section = story.SectionAt(AnchorPosition(document, data).value_or(0));
  pugi::xml_node properties;
  if (section >= 0) properties = story.Sections()[static_cast<size_t>(section)].properties;
  return PageSetup(document, properties);
}

// Where the approximate layout puts the shape's anchor; nullopt when the text no longer holds it.
std::optional<TextPlace> PlaceOfAnchor(Document& document, const ShapeData& data) {
  const std::optional<int32_t> at = AnchorPosition(document, data);
  if (!at) return std::nullopt;
  return PlaceOf(document, *at);
}

// Moves `offset` from the origin of anchor `from` to that of `to`, so that the shape stays where
// it is; an alignment constant stays, and so does an offset whose origins are not known.
void Reexpress(Document& document, const ShapeData& data, Axis axis, int32_t from, int32_t to,
               double& offset) {
  if (IsAligned(offset)) return;
  const PageSetup page = PageOf(document, data);
  std::optional<TextPlace> place;
  if (NeedsLayout(axis, from) || NeedsLayout(axis, to)) place = PlaceOfAnchor(document, data);
  const TextPlace* at = place ? &*place : nullptr;
  const std::optional<double> origin = Origin(axis, from, page, at);
  const std::optional<double> target = Origin(axis, to, page, at);
  if (origin && target) offset = static_cast<float>(offset + *origin - *target);
}

}  // namespace

Shape::Shape(word::Document& document, std::unique_ptr<ShapeData> data)
    : document_(&document), data_(std::move(data)) {}

Shape::~Shape() = default;

base::Result<std::string> Shape::Name() const {
  return data_->name;
}

base::Result<int32_t> Shape::Type() const {
  return data_->type;
}

base::Status Shape::Select() {
  if (!document_->Shapes().Contains(*this))
    return NotAvailable("\"", data_->name, "\" is no longer a shape of the document");
  std::optional<int32_t> at = AnchorPosition(*document_, *data_);
  if (!at) return NotAvailable("the anchor of \"", data_->name, "\" is no longer in the text");
  document_->Selection().SelectShapes({this}, word::Range(*document_, kMainStory, *at, *at + 1));
  return base::Ok();
}

base::Result<double> Shape::Width() const {
  return data_->width;
}

base::Result<double> Shape::Height() const {
  return data_->height;
}

base::Result<double> Shape::Left() const {
  return data_->left;
}

base::Result<double> Shape::Top() const {
  return data_->top;
}

base::Result<int32_t> Shape::RelativeHorizontalPosition() const {
  return data_->relativeHorizontal;
}

base::Result<int32_t> Shape::RelativeVerticalPosition() const {
  return data_->relativeVertical;
}

base::Status Shape::SetRelativeHorizontalPosition(int32_t relative) {
  if (relative < wdRelativeHorizontalPositionMargin ||
      relative > wdRelativeHorizontalPositionOuterMarginArea)
    return ErrorWith(kErrOutOfRange, "no horizontal position is numbered ", relative);
  Reexpress(*document_, *data_, Axis::kHorizontal, data_->relativeHorizontal, relative,
            data_->left);
  data_->relativeHorizontal = relative;
  return base::Ok();
}

base::Status Shape::SetRelativeVerticalPosition(int32_t relative) {
  if (relative < wdRelativeVerticalPositionMargin ||
      relative > wdRelativeVerticalPositionOuterMarginArea)
    return ErrorWith(kErrOutOfRange, "no vertical position is numbered ", relative);
  Reexpress(*document_, *data_, Axis::kVertical, data_->relativeVertical, relative, data_->top);
  data_->relativeVertical = relative;
  return base::Ok();
}

base::Result<ShapeRange> Shape::UnGroup() {
  if (data_->type != msoGroup) return NotAvailable("\"", data_->name, "\" is no group");
  if (!document_->Shapes().Contains(*this))
    return NotAvailable("\"", data_->name, "\" is no longer a shape of the document");
  if (data_->children.empty()) return NotAvailable("the group \"", data_->name, "\" is empty");
  return ShapeRange(document_->Shapes().Replace(*this, std::move(data_->children)));
}

Shapes::Shapes(word::Document& document) : document_(&document) {
  base::Result<drawingml::ColorMap> map =
      drawingml::ColorMap::Read(office::Child(document.Settings(), "clrSchemeMapping"));
  ShapeReadContext context;
  context.colors.theme = &document.Theme();
  if (map) context.colors.colorMap = &*map;
  int32_t unnamed = 0;
  context.unnamed = &unnamed;
  for (const Piece& piece : document.StoryAt(kMainStory).Pieces()) {
    if (piece.kind != PieceKind::kFloatingObject) continue;
    for (std::unique_ptr<ShapeData>& data : ReadFloatingObject(piece.node, context)) {
      owned_.push_back(std::make_unique<Shape>(document, std::move(data)));
      shown_.push_back(owned_.back().get());
    }
  }
}

Shapes::~Shapes() = default;

base::Result<Shape*> Shapes::Item(int32_t index) const {
  if (index < 1 || index > Count())
    return NoSuchMember("the document has no shape ", index, " (it has ", Count(), ")");
  return shown_[static_cast<size_t>(index - 1)];
}

base::Result<Shape*> Shapes::Item(std::string_view name) const {
  for (Shape* shape : shown_) {
    if (base::EqualsNoCase(shape->Data().name, name)) return shape;
  }
  return NoSuchMember("the document has no shape named \"", name, "\"");
}

bool Shapes::Contains(const Shape& shape) const {
  return std::find(shown_.begin(), shown_.end(), &shape) != shown_.end();
}

std::vector<Shape*> Shapes::Replace(const Shape& group,
                                    std::vector<std::unique_ptr<ShapeData>> children) {
  std::vector<Shape*> made;
  for (std::unique_ptr<ShapeData>& child : children) {
    owned_.push_back(std::make_unique<Shape>(*document_, std::move(child)));
    made.push_back(owned_.back().get());
  }
  auto at = std::find(shown_.begin(), shown_.end(), &group);
  if (at != shown_.end()) at = shown_.erase(at);
  shown_.insert(at, made.begin(), made.end());
  return made;
}

}  // namespace word
