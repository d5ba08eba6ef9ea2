// DrawingML effects as far as the object models report them: shadows (outer, inner, and the
// old preset ones), glow, soft edges, reflection, and the 3-D basics (scene camera, bevels,
// extrusion). Read from a shape's effect list or from the theme effect style an effectRef names.
// Lengths are in points, angles in degrees, fractions 0..1.
#pragma once

#include <optional>
#include <string>

#include <pugixml.hpp>

#include "platform/base/result.h"
#include "platform/office/drawingml/color.h"

namespace drawingml {

struct Shadow {
  bool inner = false;
  Color color;
  double blurPt = 0;
  double distancePt = 0;
  double directionDeg = 0;  // clockwise from the right
  double scaleX = 1;
  double scaleY = 1;
  double skewXDeg = 0;
  double skewYDeg = 0;
  std::string alignment = "b";  // where scaling and skew start from
  bool rotateWithShape = true;
  int preset = 0;  // prstShdw "shdwN" gives N (1..20); 0 for outer and inner shadows
};

struct Glow {
  Color color;
  double radiusPt = 0;
};

struct Reflection {
  double blurPt = 0;
  double distancePt = 0;
  double directionDeg = 0;
  double startAlpha = 1;
  double endAlpha = 0;
  double startPosition = 0;
  double endPosition = 1;
  double scaleY = 1;
};

struct Effects {
  std::optional<Shadow> outerShadow;
  std::optional<Shadow> innerShadow;
  std::optional<Shadow> presetShadow;
  std::optional<Glow> glow;
  std::optional<double> softEdgePt;
  std::optional<Reflection> reflection;

  // The shadow the object models' `Shadow` reports on: the outer one, else the preset one, else
  // the inner one; null when there is none (`Shadow.Visible` false).
  const Shadow* ShownShadow() const;
};

struct Bevel {
  std::string preset = "circle";
  double widthPt = 6;
  double heightPt = 6;
};

struct ThreeD {
  std::string camera;  // scene3d camera preset; empty without a scene
  std::optional<Bevel> top;
  std::optional<Bevel> bottom;
  double extrusionPt = 0;
  double contourPt = 0;
  std::string material;

  // The object models' `ThreeD.Visible`: a bevel, an extrusion, or a camera that is not the
  // plain front view.
  bool Visible() const;
};

// The effect list among `parent`'s children (effectLst; an effectDag is read for the same
// effects); kMissing when there is neither. Bad numbers or colours are kMalformed.
base::Result<Effects> ReadEffects(pugi::xml_node parent, const Context& context);
// An effectLst (or effectDag) element itself.
base::Result<Effects> ReadEffectList(pugi::xml_node list, const Context& context);
// The scene3d and sp3d children of `parent` (a shape's properties or a theme effect style).
// Without either the result is not Visible().
base::Result<ThreeD> ReadThreeD(pugi::xml_node parent);

struct EffectStyle {
  Effects effects;
  ThreeD threeD;
};
// The theme effect style an effectRef names, "phClr" standing for the reference's colour;
// idx 0 is no effect. kMissing when the reference is absent.
base::Result<EffectStyle> ResolveStyleEffects(pugi::xml_node effectRef, const Context& context);

}  // namespace drawingml
