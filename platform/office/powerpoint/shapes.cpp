// A shape's kind, geometry, placeholder and text frame, and the Shapes collection.
#include "platform/office/powerpoint/shapes.h"

#include <string_view>

#include "platform/office/common/units.h"
#include "platform/office/common/xml_names.h"
#include "platform/office/powerpoint/constants.h"
#include "platform/office/powerpoint/errors.h"
#include "platform/office/powerpoint/slide_part.h"
#include "platform/office/powerpoint/text_body.h"

namespace powerpoint {
namespace {

using office::Attr;
using office::Child;
using office::FirstDescendant;

// The non-visual properties element of each kind (p:nvSpPr, p:nvPicPr, ...).
pugi::xml_node NonVisual(pugi::xml_node element) {
  for (pugi::xml_node child = element.first_child(); child; child = child.next_sibling()) {
    std::string_view name = office::LocalName(child.name());
    if (name.size() > 4 && name.substr(0, 2) == "nv" && name.substr(name.size() - 2) == "Pr")
      return child;
  }
  return {};
}

// What a graphic frame holds, by its graphic data's URI.
int32_t GraphicFrameType(pugi::xml_node element) {
  pugi::xml_node data = Child(Child(element, "graphic"), "graphicData");
  std::string_view uri = Attr(data, "uri").value();
  if (uri.ends_with("/table")) return msoTable;
  if (uri.ends_with("/chart") || uri.ends_with("/chartex")) return msoChart;
  if (uri.ends_with("/diagram")) return msoSmartArt;
  if (uri.ends_with("/ole")) {
    pugi::xml_node ole = FirstDescendant(data, "oleObj");
    return Child(ole, "link") ? msoLinkedOLEObject : msoEmbeddedOLEObject;
  }
  return msoGraphic;
}

// A picture's media element (a:videoFile, a:audioFile, a:wavAudioFile, p14:media) in p:nvPr.
std::optional<int32_t> PictureMedia(pugi::xml_node nvPr) {
  for (pugi::xml_node child = nvPr.first_child(); child; child = child.next_sibling()) {
    std::string_view name = office::LocalName(child.name());
    if (name == "videoFile" || name == "quickTimeFile") return ppMediaTypeMovie;
    if (name == "audioFile" || name == "wavAudioFile" || name == "audioCd") return ppMediaTypeSound;
  }
  return std::nullopt;
}

std::string_view PresetOf(pugi::xml_node element) {
  pugi::xml_node spPr = Child(element, "spPr");
  return Attr(Child(spPr, "prstGeom"), "prst").value();
}

}  // namespace

Shape::Shape(const SlidePart& owner, pugi::xml_node element, ElementKind kind)
    : owner_(owner), element_(element), kind_(kind) {
  pugi::xml_node nv = NonVisual(element);
  pugi::xml_node cNvPr = Child(nv, "cNvPr");
  name_ = Attr(cNvPr, "name").value();
  id_ = static_cast<int32_t>(Attr(cNvPr, "id").as_int());
  placeholder_ = Child(Child(nv, "nvPr"), "ph");
}

Shape::~Shape() = default;

void Shape::SetGroupItems(std::unique_ptr<Shapes> items) {
  groupItems_ = std::move(items);
}

int32_t Shape::Type() const {
  if (placeholder_) return msoPlaceholder;
  switch (kind_) {
    case ElementKind::kGroup:
      return msoGroup;
    case ElementKind::kGraphicFrame:
      return GraphicFrameType(element_);
    case ElementKind::kPicture: {
      pugi::xml_node nvPr = Child(NonVisual(element_), "nvPr");
      if (PictureMedia(nvPr)) return msoMedia;
      pugi::xml_node blip = FirstDescendant(Child(element_, "blipFill"), "blip");
      return Attr(blip, "link") && !Attr(blip, "embed") ? msoLinkedPicture : msoPicture;
    }
    case ElementKind::kConnector:
      return msoLine;
    case ElementKind::kOther:
      return msoInk;
    case ElementKind::kShape:
      break;
  }
  if (Attr(Child(NonVisual(element_), "cNvSpPr"), "txBox").as_bool()) return msoTextBox;
  pugi::xml_node spPr = Child(element_, "spPr");
  if (Child(spPr, "custGeom")) return msoFreeform;
  if (PresetOf(element_) == "line") return msoLine;
  return msoAutoShape;
}

base::Result<int32_t> Shape::AutoShapeType() const {
  if (kind_ == ElementKind::kGroup) return static_cast<int32_t>(msoShapeMixed);
  std::string_view preset = PresetOf(element_);
  if (preset.empty() && inherited_ != nullptr) return inherited_->AutoShapeType();
  return AutoShapeTypeOf(preset).value_or(msoShapeNotPrimitive);
}

base::Result<int32_t> Shape::MediaType() const {
  if (kind_ == ElementKind::kPicture) {
    if (std::optional<int32_t> media = PictureMedia(Child(NonVisual(element_), "nvPr")))
      return *media;
  }
  return NotAvailable("shape \"", name_, "\" is no media object");
}

int32_t Shape::HasTextFrame() const {
  return kind_ == ElementKind::kShape ? msoTrue : msoFalse;
}

base::Result<powerpoint::TextFrame> Shape::TextFrame() const {
  if (kind_ != ElementKind::kShape) return NotAvailable("shape \"", name_, "\" has no text frame");
  if (!textBuilt_) {
    textBuilt_ = true;
    base::Result<std::unique_ptr<TextBody>> body = TextBody::Build(*this);
    if (body)
      text_ = std::move(*body);
    else
      textError_ = body.error();
  }
  if (textError_) return *textError_;
  return powerpoint::TextFrame(text_.get());
}

base::Result<powerpoint::PlaceholderFormat> Shape::PlaceholderFormat() const {
  if (!placeholder_) return NotAvailable("shape \"", name_, "\" is no placeholder");
  std::optional<int32_t> type =
      PlaceholderTypeOf(Attr(placeholder_, "type").value(),
                        std::string_view(Attr(placeholder_, "orient").value()) == "vert");
  if (!type) return Unreadable("placeholder type \"", Attr(placeholder_, "type").value(), "\"");
  int32_t contained = msoAutoShape;
  if (kind_ == ElementKind::kPicture) contained = msoPicture;
  if (kind_ == ElementKind::kGraphicFrame) contained = GraphicFrameType(element_);
  return powerpoint::PlaceholderFormat(*type, contained);
}

std::optional<ShapeBounds> Shape::Bounds() const {
  if (bounds_) return bounds_;
  if (inherited_ != nullptr) return inherited_->Bounds();
  return std::nullopt;
}

namespace {

base::Result<float> Points(const Shape& shape, int64_t ShapeBounds::*member) {
  std::optional<ShapeBounds> bounds = shape.Bounds();
  if (!bounds) return NotAvailable("shape \"", shape.Name(), "\" has no position or size");
  return static_cast<float>(office::EmuToPoints((*bounds).*member));
}

}  // namespace

base::Result<float> Shape::Left() const {
  return Points(*this, &ShapeBounds::x);
}
base::Result<float> Shape::Top() const {
  return Points(*this, &ShapeBounds::y);
}
base::Result<float> Shape::Width() const {
  return Points(*this, &ShapeBounds::cx);
}
base::Result<float> Shape::Height() const {
  return Points(*this, &ShapeBounds::cy);
}

base::Result<const Shapes*> Shape::GroupItems() const {
  if (groupItems_ == nullptr) return NotAvailable("shape \"", name_, "\" is no group");
  return static_cast<const Shapes*>(groupItems_.get());
}

Shapes::~Shapes() {
  std::vector<std::unique_ptr<Shape>> pending = std::move(shapes_);
  while (!pending.empty()) {
    std::unique_ptr<Shape> shape = std::move(pending.back());
    pending.pop_back();
    if (std::unique_ptr<Shapes> items = shape->TakeGroupItems()) {
      for (auto& item : items->shapes_) pending.push_back(std::move(item));
      items->shapes_.clear();
    }
  }
}

base::Result<Shape*> Shapes::Item(int32_t index) const {
  if (index < 1 || index > Count()) return NoSuchMember("there is no shape ", index);
  return shapes_[static_cast<size_t>(index - 1)].get();
}

base::Result<Shape*> Shapes::Item(std::string_view name) const {
  for (const auto& shape : shapes_) {
    if (shape->Name() == name) return shape.get();
  }
  return NoSuchMember("there is no shape \"", name, "\"");
}

ActionSettings Shape::ActionSettings() const {
  // Every kind of shape keeps its p:cNvPr in the non-visual properties it opens with.
  return powerpoint::ActionSettings(&owner_, Child(element_.first_child(), "cNvPr"));
}

AnimationSettings Shape::AnimationSettings() const {
  return powerpoint::AnimationSettings(owner_.TimeLine().BuildOf(id_));
}

}  // namespace powerpoint
