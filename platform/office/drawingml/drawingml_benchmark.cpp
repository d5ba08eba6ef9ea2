// What a check pays per DrawingML read once the part is parsed: a scheme colour with its
// transforms, a shape's fill over its style reference, and a run's text through four levels.
#include <benchmark/benchmark.h>

#include <string>

#include "platform/office/drawingml/fill.h"
#include "platform/office/drawingml/text.h"
#include "platform/office/drawingml/theme.h"
#include "platform/office/drawingml/xml.h"

namespace drawingml {
namespace {

pugi::xml_node Root(pugi::xml_document& document, const char* xml) {
  document.load_string(xml);
  return document.document_element();
}

void BM_SchemeColourWithTransforms(benchmark::State& state) {
  pugi::xml_document document;
  pugi::xml_node color = Root(
      document,
      R"(<a:schemeClr val="tx2"><a:lumMod val="60000"/><a:lumOff val="40000"/></a:schemeClr>)");
  Context context{&Theme::Default()};
  for (auto _ : state) benchmark::DoNotOptimize(ResolveColor(color, context));
}
BENCHMARK(BM_SchemeColourWithTransforms);

void BM_ShapeFillFromItsStyle(benchmark::State& state) {
  pugi::xml_document document;
  pugi::xml_node sp = Root(document, R"(<p:sp><p:spPr><a:prstGeom prst="rect"/></p:spPr>
      <p:style><a:fillRef idx="1"><a:schemeClr val="accent1"/></a:fillRef></p:style></p:sp>)");
  Context context{&Theme::Default()};
  for (auto _ : state) {
    base::Result<Fill> fill = ReadFill(Child(sp, "spPr"), context);
    if (!fill) fill = ResolveStyleFill(Child(Child(sp, "style"), "fillRef"), context);
    benchmark::DoNotOptimize(fill);
  }
}
BENCHMARK(BM_ShapeFillFromItsStyle);

void BM_RunTextThroughFourLevels(benchmark::State& state) {
  pugi::xml_document document;
  pugi::xml_node root = Root(document, R"(<x>
      <a:rPr lang="zh-CN" b="1"/>
      <a:lstStyle><a:lvl1pPr><a:defRPr sz="2000"/></a:lvl1pPr></a:lstStyle>
      <a:fontRef idx="minor"><a:schemeClr val="lt1"/></a:fontRef>
      <p:bodyStyle><a:lvl1pPr algn="l"><a:defRPr sz="2800"><a:solidFill><a:schemeClr val="tx1"/></a:solidFill>
        <a:latin typeface="+mn-lt"/><a:ea typeface="+mn-ea"/></a:defRPr></a:lvl1pPr></p:bodyStyle></x>)");
  TextLevel run = ReadRunProperties(Child(root, "rPr")).value();
  ListStyle shape = ListStyle::Read(Child(root, "lstStyle")).value();
  TextLevel font = ReadFontReference(Child(root, "fontRef")).value();
  ListStyle master = ListStyle::Read(Child(root, "bodyStyle")).value();
  Context context{&Theme::Default()};
  for (auto _ : state) {
    benchmark::DoNotOptimize(ResolveText({&run, shape.Level(0), &font, master.Level(0)}, context));
  }
}
BENCHMARK(BM_RunTextThroughFourLevels);

}  // namespace
}  // namespace drawingml

BENCHMARK_MAIN();
