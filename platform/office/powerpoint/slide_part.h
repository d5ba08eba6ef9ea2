// What a slide, a layout and a master share: their part, their shape tree read into Shapes,
// the part they inherit from (slide -> layout -> master) and what text and colours resolve
// against there (the theme, the colour map with any override, the master's text styles and the
// presentation's default text style). Read once when the presentation opens.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

#include <pugixml.hpp>

#include "platform/base/result.h"
#include "platform/office/drawingml/text.h"
#include "platform/office/drawingml/theme.h"
#include "platform/office/powerpoint/shapes.h"

namespace powerpoint {

// Where a hyperlink of the part leads: an external address, or a slide of this presentation as
// "SlideID,SlideIndex,Title".
struct LinkTarget {
  std::string address;
  std::string subAddress;
};

// The relationship id of an element: its prefixed "id" (r:id), told apart from its own id.
std::string_view RelationshipIdOf(pugi::xml_node element);

// The text styles of a master (p:txStyles) and the presentation's default (p:defaultTextStyle).
struct TextStyles {
  drawingml::ListStyle title;
  drawingml::ListStyle body;
  drawingml::ListStyle other;
};

class SlidePart {
 public:
  enum class Kind : uint8_t { kSlide, kLayout, kMaster };

  // Reads the part's p:cSld shape tree and colour map; `parent` is the layout of a slide or the
  // master of a layout (null for a master), `theme` and `defaults` belong to the presentation
  // (or the master) and outlive this part.
  static base::Result<std::unique_ptr<SlidePart>> Read(Kind kind, std::string partName,
                                                       pugi::xml_node root, const SlidePart* parent,
                                                       const drawingml::Theme* theme,
                                                       const drawingml::ListStyle* defaults);

  Kind PartKind() const { return kind_; }
  const std::string& PartName() const { return partName_; }
  pugi::xml_node Root() const { return root_; }
  // p:cSld's name ("Title Slide" for a layout); "" when unnamed.
  const std::string& Name() const { return name_; }
  const powerpoint::Shapes& Shapes() const { return shapes_; }
  const SlidePart* Parent() const { return parent_; }
  const SlidePart& Master() const;
  const drawingml::Theme& Theme() const { return *theme_; }
  const drawingml::ColorMap& ColorMap() const { return colorMap_; }
  // The master's p:txStyles (empty styles on a slide or layout: ask Master()).
  const TextStyles& Styles() const { return styles_; }
  const drawingml::ListStyle& Defaults() const { return *defaults_; }

  // The placeholder of this part a child placeholder inherits from: by idx when the child has
  // one and this part holds it, else by type (a centred title takes the title, a subtitle or an
  // object the body); null when none matches.
  const Shape* MatchPlaceholder(pugi::xml_node childPlaceholder) const;

  // The hyperlink targets of the part's relationships, by relationship id; null for an id the
  // part does not link.
  const LinkTarget* Link(std::string_view relationshipId) const;
  void SetLinks(std::unordered_map<std::string, LinkTarget> links) { links_ = std::move(links); }

  // The part's animation timeline, read on first use and kept.
  const powerpoint::TimeLine& TimeLine() const;

 private:
  SlidePart() = default;

  Kind kind_ = Kind::kSlide;
  std::string partName_;
  pugi::xml_node root_;
  std::string name_;
  const SlidePart* parent_ = nullptr;
  const drawingml::Theme* theme_ = nullptr;
  const drawingml::ListStyle* defaults_ = nullptr;
  drawingml::ColorMap colorMap_;
  TextStyles styles_;
  powerpoint::Shapes shapes_;
  std::unordered_map<std::string, LinkTarget> links_;
  mutable std::unique_ptr<powerpoint::TimeLine> timeline_;  // built on first use
};

}  // namespace powerpoint
