// Test helper: p:timing trees written in code, shaped as the presentation program writes its
// main sequence (a p:par per click group, one per effect inside it), for SlideXml::timing.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace powerpoint::testing {

struct EffectXml {
  int32_t shapeId = 2;
  std::string presetClass = "entr";
  int32_t presetId = 10;  // fade
  int32_t presetSubtype = 0;
  std::string nodeType = "clickEffect";
  std::string delay = "0";       // the effect's start delay in ms (or "indefinite")
  std::string duration = "500";  // dur of its main behaviour, ms
  std::string repeatCount;       // "" writes none
  int32_t groupId = 0;
  std::string iterate;     // p:iterate's type ("wd", "lt"); "" writes none
  std::string sound;       // the name of a sound it plays; "" plays none
  std::string behaviours;  // further behaviour elements inside it (HideBehaviour, DimBehaviour)
};

// A p:timing whose main sequence holds the click groups in order (each the effects of one
// click), and `buildList` as the inner XML of p:bldLst ("" writes none).
std::string MainSequenceTiming(const std::vector<std::vector<EffectXml>>& clickGroups,
                               std::string_view buildList = "");
// A p:set hiding shape `shapeId`: marked as an after effect or not, starting when its effect
// ends or on the next click.
std::string HideBehaviour(int32_t shapeId, bool afterEffect, bool onNextClick);
// A p:animClr turning shape `shapeId` to colour `rrggbb` (a:srgbClr).
std::string DimBehaviour(int32_t shapeId, std::string_view rrggbb, bool afterEffect);
// A p:bldP entry of p:bldLst.
std::string BuildParagraph(int32_t shapeId, int32_t groupId, std::string_view build,
                           std::string_view level = "");

}  // namespace powerpoint::testing
