// Reading a slide, layout or master part: its shape tree walked without recursion (groups and
// mc:AlternateContent through an explicit stack), group members placed in slide coordinates,
// placeholders linked to the ones they inherit from, and the colour map that applies there.
#include "platform/office/powerpoint/slide_part.h"

#include <cmath>
#include <string_view>
#include <vector>

#include "platform/office/common/xml_names.h"
#include "platform/office/drawingml/xml.h"
#include "platform/office/powerpoint/errors.h"

namespace powerpoint {
namespace {

using office::Attr;
using office::Child;
using office::IsElement;

// The most shapes one part may hold; a tree beyond it makes the presentation unreadable.
constexpr size_t kMaxShapesPerPart = 100000;

// Child coordinates of the groups around a shape to slide coordinates: slide = s * x + t.
struct Transform {
  double sx = 1;
  double sy = 1;
  double tx = 0;
  double ty = 0;
};

std::optional<ShapeBounds> ReadXfrm(pugi::xml_node xfrm, const Transform& t) {
  pugi::xml_node off = Child(xfrm, "off");
  pugi::xml_node ext = Child(xfrm, "ext");
  if (!off || !ext) return std::nullopt;
  const double x = static_cast<double>(drawingml::IntAttr(off, "x").value_or(0));
  const double y = static_cast<double>(drawingml::IntAttr(off, "y").value_or(0));
  const double cx = static_cast<double>(drawingml::IntAttr(ext, "cx").value_or(0));
  const double cy = static_cast<double>(drawingml::IntAttr(ext, "cy").value_or(0));
  return ShapeBounds{std::llround(t.sx * x + t.tx), std::llround(t.sy * y + t.ty),
                     std::llround(t.sx * cx), std::llround(t.sy * cy)};
}

pugi::xml_node XfrmOf(pugi::xml_node element, Shape::ElementKind kind) {
  switch (kind) {
    case Shape::ElementKind::kGroup:
      return Child(Child(element, "grpSpPr"), "xfrm");
    case Shape::ElementKind::kGraphicFrame:
      return Child(element, "xfrm");
    default:
      return Child(Child(element, "spPr"), "xfrm");
  }
}

// The transform inside a group: its child offset and extent mapped onto its own.
Transform Inside(pugi::xml_node xfrm, const Transform& outer) {
  auto number = [&](std::string_view element, std::string_view attribute) {
    return static_cast<double>(drawingml::IntAttr(Child(xfrm, element), attribute).value_or(0));
  };
  const double offX = number("off", "x"), offY = number("off", "y");
  const double extX = number("ext", "cx"), extY = number("ext", "cy");
  const double chOffX = number("chOff", "x"), chOffY = number("chOff", "y");
  const double chExtX = number("chExt", "cx"), chExtY = number("chExt", "cy");
  const double scaleX = chExtX > 0 ? extX / chExtX : 1;
  const double scaleY = chExtY > 0 ? extY / chExtY : 1;
  Transform inner;
  inner.sx = outer.sx * scaleX;
  inner.sy = outer.sy * scaleY;
  inner.tx = outer.sx * (offX - chOffX * scaleX) + outer.tx;
  inner.ty = outer.sy * (offY - chOffY * scaleY) + outer.ty;
  return inner;
}

std::optional<Shape::ElementKind> KindOf(pugi::xml_node node) {
  if (IsElement(node, "sp")) return Shape::ElementKind::kShape;
  if (IsElement(node, "grpSp")) return Shape::ElementKind::kGroup;
  if (IsElement(node, "graphicFrame")) return Shape::ElementKind::kGraphicFrame;
  if (IsElement(node, "pic")) return Shape::ElementKind::kPicture;
  if (IsElement(node, "cxnSp")) return Shape::ElementKind::kConnector;
  if (IsElement(node, "contentPart")) return Shape::ElementKind::kOther;
  return std::nullopt;
}

// What an mc:AlternateContent stands for: its first Choice, else its Fallback.
pugi::xml_node Alternative(pugi::xml_node alternateContent) {
  if (pugi::xml_node choice = Child(alternateContent, "Choice")) return choice;
  return Child(alternateContent, "Fallback");
}

bool IsTitleType(std::string_view type) {
  return type == "title" || type == "ctrTitle";
}
bool IsFooterType(std::string_view type) {
  return type == "dt" || type == "ftr" || type == "sldNum" || type == "hdr";
}

}  // namespace

base::Result<std::unique_ptr<SlidePart>> SlidePart::Read(Kind kind, std::string partName,
                                                         pugi::xml_node root,
                                                         const SlidePart* parent,
                                                         const drawingml::Theme* theme,
                                                         const drawingml::ListStyle* defaults) {
  std::unique_ptr<SlidePart> part(new SlidePart());
  part->kind_ = kind;
  part->partName_ = std::move(partName);
  part->root_ = root;
  part->parent_ = parent;
  part->theme_ = theme;
  part->defaults_ = defaults;
  pugi::xml_node cSld = Child(root, "cSld");
  if (!cSld) return Unreadable(part->partName_, " has no p:cSld");
  part->name_ = Attr(cSld, "name").value();

  if (kind == Kind::kMaster) {
    base::Result<drawingml::ColorMap> map = drawingml::ColorMap::Read(Child(root, "clrMap"));
    if (!map) return Unreadable(part->partName_, ": ", map.error().message);
    part->colorMap_ = *map;
    pugi::xml_node styles = Child(root, "txStyles");
    base::Result<drawingml::ListStyle> title =
        drawingml::ListStyle::Read(Child(styles, "titleStyle"));
    base::Result<drawingml::ListStyle> body =
        drawingml::ListStyle::Read(Child(styles, "bodyStyle"));
    base::Result<drawingml::ListStyle> other =
        drawingml::ListStyle::Read(Child(styles, "otherStyle"));
    if (!title || !body || !other) return Unreadable(part->partName_, ": unreadable text styles");
    part->styles_ = TextStyles{std::move(*title), std::move(*body), std::move(*other)};
  } else {
    pugi::xml_node override = Child(Child(root, "clrMapOvr"), "overrideClrMapping");
    if (override) {
      base::Result<drawingml::ColorMap> map = drawingml::ColorMap::Read(override);
      if (!map) return Unreadable(part->partName_, ": ", map.error().message);
      part->colorMap_ = *map;
    } else if (parent != nullptr) {
      part->colorMap_ = parent->ColorMap();
    }
  }

  struct Frame {
    pugi::xml_node next;
    powerpoint::Shapes* target;
    Transform transform;
  };
  std::vector<Frame> stack{{Child(cSld, "spTree").first_child(), &part->shapes_, Transform{}}};
  size_t count = 0;
  while (!stack.empty()) {
    Frame& frame = stack.back();
    pugi::xml_node node = frame.next;
    if (!node) {
      stack.pop_back();
      continue;
    }
    frame.next = node.next_sibling();
    if (IsElement(node, "AlternateContent")) {
      stack.push_back(Frame{Alternative(node).first_child(), frame.target, frame.transform});
      continue;
    }
    std::optional<Shape::ElementKind> kindOf = KindOf(node);
    if (!kindOf) continue;
    if (++count > kMaxShapesPerPart)
      return Unreadable(part->partName_, " holds more than ", kMaxShapesPerPart, " shapes");
    auto shape = std::make_unique<Shape>(*part, node, *kindOf);
    const Transform transform = frame.transform;
    powerpoint::Shapes* target = frame.target;
    pugi::xml_node xfrm = XfrmOf(node, *kindOf);
    shape->SetBounds(ReadXfrm(xfrm, transform));
    if (shape->PlaceholderElement() && parent != nullptr)
      shape->SetInherited(parent->MatchPlaceholder(shape->PlaceholderElement()));
    if (*kindOf == Shape::ElementKind::kGroup) {
      auto items = std::make_unique<powerpoint::Shapes>();
      powerpoint::Shapes* members = items.get();
      shape->SetGroupItems(std::move(items));
      target->Add(std::move(shape));
      stack.push_back(Frame{node.first_child(), members, Inside(xfrm, transform)});
      continue;
    }
    target->Add(std::move(shape));
  }
  return part;
}

const SlidePart& SlidePart::Master() const {
  const SlidePart* part = this;
  while (part->parent_ != nullptr) part = part->parent_;
  return *part;
}

const Shape* SlidePart::MatchPlaceholder(pugi::xml_node childPlaceholder) const {
  std::string_view type = Attr(childPlaceholder, "type").value();
  pugi::xml_attribute idx = Attr(childPlaceholder, "idx");
  auto find = [&](auto&& matches) -> const Shape* {
    for (const auto& shape : shapes_) {
      pugi::xml_node ph = shape->PlaceholderElement();
      if (ph && matches(ph)) return shape.get();
    }
    return nullptr;
  };
  if (IsTitleType(type))
    return find([](pugi::xml_node ph) { return IsTitleType(Attr(ph, "type").value()); });
  if (kind_ == Kind::kMaster) {
    // A master holds one placeholder of each kind: the footers by their type, the rest the body.
    if (IsFooterType(type))
      return find([&](pugi::xml_node ph) { return type == Attr(ph, "type").value(); });
    return find(
        [](pugi::xml_node ph) { return std::string_view(Attr(ph, "type").value()) == "body"; });
  }
  if (idx) {
    const Shape* byIndex = find([&](pugi::xml_node ph) {
      return !IsTitleType(Attr(ph, "type").value()) &&
             std::string_view(Attr(ph, "idx").value()) == idx.value();
    });
    if (byIndex != nullptr) return byIndex;
  }
  return find([&](pugi::xml_node ph) {
    std::string_view other = Attr(ph, "type").value();
    return (other.empty() ? "obj" : other) == (type.empty() ? "obj" : type);
  });
}

std::string_view RelationshipIdOf(pugi::xml_node element) {
  for (pugi::xml_attribute a = element.first_attribute(); a; a = a.next_attribute()) {
    std::string_view name = a.name();
    if (name.find(':') != std::string_view::npos && office::LocalName(a.name()) == "id")
      return a.value();
  }
  return {};
}

const TimeLine& SlidePart::TimeLine() const {
  if (timeline_ == nullptr)
    timeline_ = std::make_unique<powerpoint::TimeLine>(powerpoint::TimeLine::Read(*this));
  return *timeline_;
}

const LinkTarget* SlidePart::Link(std::string_view relationshipId) const {
  if (relationshipId.empty()) return nullptr;
  auto it = links_.find(std::string(relationshipId));
  return it == links_.end() ? nullptr : &it->second;
}

}  // namespace powerpoint
