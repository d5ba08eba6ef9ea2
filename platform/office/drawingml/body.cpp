#include "platform/office/drawingml/body.h"

#include <optional>
#include <string_view>

#include "platform/office/drawingml/xml.h"

namespace drawingml {

base::Result<BodyProperties> ReadBodyProperties(pugi::xml_node bodyPr, const BodyProperties& base) {
  if (!bodyPr) return Missing("text body properties");
  BodyProperties body = base;
  struct Inset {
    std::string_view name;
    int64_t BodyProperties::*member;
  };
  for (const Inset& inset :
       {Inset{"lIns", &BodyProperties::leftInsetEmu}, Inset{"tIns", &BodyProperties::topInsetEmu},
        Inset{"rIns", &BodyProperties::rightInsetEmu},
        Inset{"bIns", &BodyProperties::bottomInsetEmu}}) {
    if (!Attr(bodyPr, inset.name)) continue;
    std::optional<int64_t> value = IntAttr(bodyPr, inset.name);
    if (!value) return Malformed("text body inset " + std::string(inset.name) + " is no number");
    body.*inset.member = *value;
  }
  if (pugi::xml_attribute rot = Attr(bodyPr, "rot")) {
    std::optional<int64_t> angle = ParseInt(rot.value());
    if (!angle) return Malformed("text body rotation is no number");
    body.rotationDeg = static_cast<double>(*angle) / 60000.0;
  }
  if (pugi::xml_attribute wrap = Attr(bodyPr, "wrap"))
    body.wrap = std::string_view(wrap.value()) != "none";
  if (pugi::xml_attribute anchor = Attr(bodyPr, "anchor")) body.anchor = anchor.value();
  if (pugi::xml_attribute vert = Attr(bodyPr, "vert")) body.vertical = vert.value();
  if (pugi::xml_node warp = Child(bodyPr, "prstTxWarp")) body.warp = Attr(warp, "prst").value();
  if (Child(bodyPr, "noAutofit")) body.autofit = Autofit::kNone;
  if (Child(bodyPr, "normAutofit")) body.autofit = Autofit::kShrinkText;
  if (Child(bodyPr, "spAutoFit")) body.autofit = Autofit::kResizeShape;
  return body;
}

}  // namespace drawingml
