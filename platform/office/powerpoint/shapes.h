// The shapes of a slide, layout or master, as the object model's Shapes collection walks them:
// the top-level elements of the shape tree in document order (a group is one shape; its
// members are its GroupItems), with mc:AlternateContent read through its first Choice. Each
// shape reports its kind, preset geometry, placeholder, geometry in points and its text frame;
// what a placeholder leaves out (position, size, text styles) it takes from the placeholder of
// the layout, and that from the master's.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <pugixml.hpp>

#include "platform/base/result.h"
#include "platform/office/powerpoint/action_settings.h"
#include "platform/office/powerpoint/animation_settings.h"
#include "platform/office/powerpoint/fill_format.h"
#include "platform/office/powerpoint/line_format.h"
#include "platform/office/powerpoint/text_effect.h"
#include "platform/office/powerpoint/text_range.h"

namespace powerpoint {

class SlidePart;  // slide_part.h
class Shapes;

// PlaceholderFormat of a placeholder shape.
class PlaceholderFormat {
 public:
  PlaceholderFormat(int32_t type, int32_t containedType)
      : type_(type), containedType_(containedType) {}
  // PpPlaceholderType, from p:ph's type and orientation.
  int32_t Type() const { return type_; }
  // MsoShapeType of what the placeholder holds: msoAutoShape for text, msoPicture, msoTable, ...
  int32_t ContainedType() const { return containedType_; }

 private:
  int32_t type_;
  int32_t containedType_;
};

// Where a shape lies on its slide, in EMU (group members already in slide coordinates).
struct ShapeBounds {
  int64_t x = 0;
  int64_t y = 0;
  int64_t cx = 0;
  int64_t cy = 0;
};

class Shape {
 public:
  // The element kinds of a shape tree.
  enum class ElementKind : uint8_t { kShape, kGroup, kGraphicFrame, kPicture, kConnector, kOther };

  Shape(const SlidePart& owner, pugi::xml_node element, ElementKind kind);
  ~Shape();
  Shape(const Shape&) = delete;
  Shape& operator=(const Shape&) = delete;

  // p:cNvPr's name and id.
  const std::string& Name() const { return name_; }
  int32_t Id() const { return id_; }
  // MsoShapeType (msoPlaceholder for every placeholder, whatever it holds).
  int32_t Type() const;
  // MsoAutoShapeType of the preset geometry; msoShapeNotPrimitive for a freeform or a shape
  // without geometry of its own, msoShapeMixed for a group.
  base::Result<int32_t> AutoShapeType() const;
  // PpMediaType of a picture that plays a sound or a movie; fails for other shapes.
  base::Result<int32_t> MediaType() const;
  // msoTrue for the shapes that carry text (p:sp), msoFalse for pictures, connectors, groups
  // and graphic frames.
  int32_t HasTextFrame() const;
  // Fails for a shape without a text frame, or when its text cannot be read.
  base::Result<powerpoint::TextFrame> TextFrame() const;
  // Fails for a shape that is no placeholder.
  base::Result<powerpoint::PlaceholderFormat> PlaceholderFormat() const;
  // Points (EMU / 12700), from the shape's own a:xfrm, else the placeholder it inherits from;
  // fails when neither has one.
  base::Result<float> Left() const;
  base::Result<float> Top() const;
  base::Result<float> Width() const;
  base::Result<float> Height() const;
  // The members of a group, in document order; fails for other shapes.
  base::Result<const Shapes*> GroupItems() const;
  // What clicking the shape or pointing at it does (p:cNvPr's hyperlink elements).
  powerpoint::ActionSettings ActionSettings() const;
  // The shape's fill (fill_format.h); fails when the fill that applies cannot be read.
  base::Result<FillFormat> Fill() const;
  // Its outline (line_format.h); fails for groups, graphic frames and content parts.
  base::Result<LineFormat> Line() const;
  // Its text as WordArt (text_effect.h); fails as TextFrame does.
  base::Result<TextEffectFormat> TextEffect() const;
  // How the slide show animates the shape, from its part's timeline.
  powerpoint::AnimationSettings AnimationSettings() const;

  // For the rest of this layer and the next readers (fills, lines, actions).
  pugi::xml_node Element() const { return element_; }
  ElementKind Kind() const { return kind_; }
  const SlidePart& Owner() const { return owner_; }
  // p:nvPr/p:ph; empty for a shape that is no placeholder.
  pugi::xml_node PlaceholderElement() const { return placeholder_; }
  // The layout's (or master's) placeholder this one inherits from; null when none.
  const Shape* Inherited() const { return inherited_; }
  void SetInherited(const Shape* parent) { inherited_ = parent; }
  // Geometry in slide coordinates; nullopt when neither it nor its inherited shape has one.
  std::optional<ShapeBounds> Bounds() const;
  void SetBounds(std::optional<ShapeBounds> bounds) { bounds_ = bounds; }
  void SetGroupItems(std::unique_ptr<Shapes> items);
  std::unique_ptr<Shapes> TakeGroupItems() { return std::move(groupItems_); }

 private:
  const SlidePart& owner_;
  pugi::xml_node element_;
  ElementKind kind_;
  pugi::xml_node placeholder_;
  std::string name_;
  int32_t id_ = 0;
  const Shape* inherited_ = nullptr;
  std::optional<ShapeBounds> bounds_;  // its own, group transform applied
  std::unique_ptr<Shapes> groupItems_;
  mutable std::unique_ptr<TextBody> text_;  // built on first use
  mutable bool textBuilt_ = false;
  mutable std::optional<base::Error> textError_;
};

class Shapes {
 public:
  Shapes() = default;
  // Takes nested groups apart one level at a time, so no depth of nesting recurses.
  ~Shapes();
  Shapes(const Shapes&) = delete;
  Shapes& operator=(const Shapes&) = delete;

  int32_t Count() const { return static_cast<int32_t>(shapes_.size()); }
  // By position from 1; fails when there is no such shape.
  base::Result<Shape*> Item(int32_t index) const;
  // By name, exact; the first of that name. Fails when there is none.
  base::Result<Shape*> Item(std::string_view name) const;
  // Shapes.Range(index): a range of the one shape, which answers every member these checks
  // read as the shape does.
  base::Result<Shape*> Range(int32_t index) const { return Item(index); }

  void Add(std::unique_ptr<Shape> shape) { shapes_.push_back(std::move(shape)); }
  auto begin() const { return shapes_.begin(); }
  auto end() const { return shapes_.end(); }

 private:
  std::vector<std::unique_ptr<Shape>> shapes_;
};

}  // namespace powerpoint
