// Timing trees for tests, in the layout the presentation program saves.
#include "platform/office/powerpoint/testing/timing_writer.h"

namespace powerpoint::testing {
namespace {

std::string Target(int32_t shapeId) {
  return R"(<p:tgtEl><p:spTgt spid=")" + std::to_string(shapeId) + R"("/></p:tgtEl>)";
}

std::string Condition(std::string_view delay) {
  return R"(<p:stCondLst><p:cond delay=")" + std::string(delay) + R"("/></p:stCondLst>)";
}

std::string Effect(const EffectXml& e, int32_t& id) {
  std::string xml = R"(<p:par><p:cTn id=")" + std::to_string(id++) + R"(" presetID=")" +
                    std::to_string(e.presetId) + R"(" presetClass=")" + e.presetClass +
                    R"(" presetSubtype=")" + std::to_string(e.presetSubtype) +
                    R"(" fill="hold" grpId=")" + std::to_string(e.groupId) + R"(" nodeType=")" +
                    e.nodeType + "\"";
  if (!e.repeatCount.empty()) xml += R"( repeatCount=")" + e.repeatCount + "\"";
  xml += ">" + Condition(e.delay);
  if (!e.iterate.empty())
    xml += R"(<p:iterate type=")" + e.iterate + R"("><p:tmPct val="10000"/></p:iterate>)";
  const int32_t show = id++;
  const int32_t animate = id++;
  xml += R"(<p:childTnLst><p:set><p:cBhvr><p:cTn id=")" + std::to_string(show) +
         R"(" dur="1" fill="hold">)" + Condition("0") + "</p:cTn>" + Target(e.shapeId) +
         R"(<p:attrNameLst><p:attrName>style.visibility</p:attrName></p:attrNameLst></p:cBhvr>)"
         R"(<p:to><p:strVal val="visible"/></p:to></p:set>)"
         R"(<p:animEffect transition="in" filter="fade"><p:cBhvr><p:cTn id=")" +
         std::to_string(animate) + R"(" dur=")" + e.duration + R"("/>)" + Target(e.shapeId) +
         "</p:cBhvr></p:animEffect>" + e.behaviours + "</p:childTnLst>";
  if (!e.sound.empty())
    xml += R"(<p:subTnLst><p:audio><p:cMediaNode><p:cTn id=")" + std::to_string(id++) +
           R"(" display="0" masterRel="sameClick"/><p:tgtEl><p:sndTgt r:embed="rIdSound" name=")" +
           e.sound + R"("/></p:tgtEl></p:cMediaNode></p:audio></p:subTnLst>)";
  return xml + "</p:cTn></p:par>";
}

}  // namespace

std::string MainSequenceTiming(const std::vector<std::vector<EffectXml>>& clickGroups,
                               std::string_view buildList) {
  int32_t id = 3;
  std::string groups;
  for (const std::vector<EffectXml>& group : clickGroups) {
    groups += R"(<p:par><p:cTn id=")" + std::to_string(id++) + R"(" fill="hold">)" +
              Condition("indefinite") + "<p:childTnLst>";
    for (const EffectXml& effect : group) {
      groups += R"(<p:par><p:cTn id=")" + std::to_string(id++) + R"(" fill="hold">)" +
                Condition("0") + "<p:childTnLst>" + Effect(effect, id) +
                "</p:childTnLst></p:cTn></p:par>";
    }
    groups += "</p:childTnLst></p:cTn></p:par>";
  }
  std::string xml =
      R"(<p:timing><p:tnLst><p:par><p:cTn id="1" dur="indefinite" restart="never" nodeType="tmRoot">)"
      R"(<p:childTnLst><p:seq concurrent="1" nextAc="seek"><p:cTn id="2" dur="indefinite" nodeType="mainSeq"><p:childTnLst>)" +
      groups +
      R"(</p:childTnLst></p:cTn><p:prevCondLst><p:cond evt="onPrev" delay="0"><p:tgtEl><p:sldTgt/></p:tgtEl></p:cond></p:prevCondLst>)"
      R"(<p:nextCondLst><p:cond evt="onNext" delay="0"><p:tgtEl><p:sldTgt/></p:tgtEl></p:cond></p:nextCondLst></p:seq>)"
      R"(</p:childTnLst></p:cTn></p:par></p:tnLst>)";
  if (!buildList.empty()) xml += "<p:bldLst>" + std::string(buildList) + "</p:bldLst>";
  return xml + "</p:timing>";
}

std::string HideBehaviour(int32_t shapeId, bool afterEffect, bool onNextClick) {
  const std::string condition =
      onNextClick
          ? R"(<p:stCondLst><p:cond evt="onNext" delay="0"><p:tgtEl><p:sldTgt/></p:tgtEl></p:cond></p:stCondLst>)"
          : Condition("499");
  return std::string(R"(<p:set><p:cBhvr><p:cTn id="900" dur="1" fill="hold")") +
         (afterEffect ? R"( afterEffect="1")" : "") + ">" + condition + "</p:cTn>" +
         Target(shapeId) +
         R"(<p:attrNameLst><p:attrName>style.visibility</p:attrName></p:attrNameLst></p:cBhvr>)"
         R"(<p:to><p:strVal val="hidden"/></p:to></p:set>)";
}

std::string DimBehaviour(int32_t shapeId, std::string_view rrggbb, bool afterEffect) {
  return std::string(R"(<p:animClr clrSpc="rgb" dir="cw"><p:cBhvr override="childStyle">)"
                     R"(<p:cTn id="901" dur="1" fill="hold")") +
         (afterEffect ? R"( afterEffect="1")" : "") + "/>" + Target(shapeId) +
         R"(<p:attrNameLst><p:attrName>style.color</p:attrName></p:attrNameLst></p:cBhvr>)"
         R"(<p:to><a:srgbClr val=")" +
         std::string(rrggbb) + R"("/></p:to></p:animClr>)";
}

std::string BuildParagraph(int32_t shapeId, int32_t groupId, std::string_view build,
                           std::string_view level) {
  std::string xml = R"(<p:bldP spid=")" + std::to_string(shapeId) + R"(" grpId=")" +
                    std::to_string(groupId) + R"(" build=")" + std::string(build) + "\"";
  if (!level.empty()) xml += R"( bldLvl=")" + std::string(level) + "\"";
  return xml + "/>";
}

}  // namespace powerpoint::testing
